#pragma once

#include <string>

#include "base/training_state.h"

namespace kovrel {

/// Which of the nine network pictures the current scenario shows, and the heading it carries.
/// The diagram drawn for it keeps the picture's name as its identifier.
struct NetworkPicture {
  std::string name;   // "ActivityNetworkDiagram", "troubleShooting2", "twoRouterTopologyB_RouterB"
  std::string title;  // "Troubleshooting 2 and 3", "Troubleshooting 6, RouterB at the console"
};

/// The picture of the current scenario: the troubleshooting scenario (and in the two-router
/// topology the router at the console), the test, or else the lab network. While the two-router
/// topology is active its picture stays, even when flash cards or an information text have
/// replaced the scenario, because that is the network the console still simulates.
NetworkPicture networkPicture(const TrainingState& training, int currentRouter);

}  // namespace kovrel

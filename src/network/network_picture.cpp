#include "network/network_picture.h"

namespace kovrel {
namespace {

NetworkPicture twoRouterPicture(int scenario, int currentRouter) {
  const std::string router = currentRouter == kRouterB ? "RouterB" : "RouterA";
  const bool scenario6 = scenario == 6;
  return {std::string(scenario6 ? "twoRouterTopologyB_" : "twoRouterTopologyA_") + router,
          std::string(scenario6 ? "Troubleshooting 6, " : "Troubleshooting 4 and 5, ") + router +
              " at the console"};
}

NetworkPicture troubleshootingPicture(int scenario) {
  if (scenario == 1) return {"troubleShooting1", "Troubleshooting 1"};
  return {"troubleShooting2", "Troubleshooting 2 and 3"};
}

}  // namespace

NetworkPicture networkPicture(const TrainingState& training, int currentRouter) {
  if (training.topologyKind == kTwoRouterTopology) {
    return twoRouterPicture(training.currentTroubleshooting, currentRouter);
  }
  switch (training.currentActivity) {
    case Activity::troubleshooting:
      return troubleshootingPicture(training.currentTroubleshooting);
    case Activity::test:
    case Activity::testReport:
      if (training.currentTest == 3) return {"Test3Diagram", "Test 3"};
      return {"Test1And2Diagram", "Tests 1 and 2"};
    default:
      return {"ActivityNetworkDiagram", "The lab network"};
  }
}

}  // namespace kovrel

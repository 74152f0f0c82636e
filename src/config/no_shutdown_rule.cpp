#include "config/no_shutdown_rule.h"

#include "base/simulator.h"

namespace kovrel {

// The interfaces no cable reaches stay shut down: Serial1 of the lab router, and Serial0 of
// RouterB in the two-router topology.
bool noShutdownAllowed(const Simulator& sim, InterfaceNumber interfaceNumber) {
  const int topology = sim.state.training.topologyKind;
  if (topology == kLabTopology) return interfaceNumber != kSerial1;
  if (topology == kTwoRouterTopology && sim.state.currentRouter == kRouterB) {
    return interfaceNumber != kSerial0;
  }
  return true;
}

}  // namespace kovrel

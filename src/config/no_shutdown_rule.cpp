#include "config/no_shutdown_rule.h"

#include "base/simulator.h"

namespace kovrel {

// The interfaces no cable reaches stay shut down: Serial1 of the lab router, and Serial0 of
// RouterB in the two-router topology.
bool noShutdownAllowed(const Simulator& sim, InterfaceNumber interfaceNumber) {
  const Topology topology = sim.state.training.topology;
  if (topology == Topology::lab) return interfaceNumber != kSerial1;
  if (topology == Topology::twoRouters && sim.state.currentRouter == RouterId::b) {
    return interfaceNumber != kSerial0;
  }
  return true;
}

}  // namespace kovrel

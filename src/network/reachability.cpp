// SPDX-License-Identifier: GPL-3.0-or-later
#include "network/reachability.h"

#include "network/lab_topology.h"
#include "network/two_router_topology.h"

namespace kovrel {

// The TFTP server is always looked for by the lab rules, whichever topology is shown.
bool labTopologyReaches(Simulator& sim, std::string_view host) {
  return labReachability(networkView(sim), host);
}

bool testReachability(const NetworkView& net, std::string_view target) {
  return net.topology == Topology::lab ? labReachability(net, target)
                                       : twoRouterReachability(net, target);
}

}  // namespace kovrel

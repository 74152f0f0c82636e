// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "base/simulator.h"
#include "network/network_view.h"

namespace kovrel {

/// Whether the router at the console reaches `host` through the lab topology of the current
/// activity (the TFTP copy asks this of its server).
bool labTopologyReaches(Simulator& sim, std::string_view host);

/// The one decision whether an address answers, by the rules of the active topology (the lab
/// rules, or the two-router rules). No address answers in an unknown topology.
bool testReachability(const NetworkView& net, std::string_view target);

}  // namespace kovrel

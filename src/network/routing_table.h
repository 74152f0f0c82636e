// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>

#include "base/platform.h"
#include "network/network_view.h"

namespace kovrel {

/// A cosmetic whole number from `low` to `low + count - 1`, drawn from the injected source.
int randomWholeNumber(RandomSource& random, int low, int count);

/// The connected route of one interface ("C   network/bits is directly connected, Serial 0");
/// empty unless the interface is up with an address.
std::string connectedRouteLine(const NetworkView& net, InterfaceNumber interfaceNumber);
/// The one RIP route of the active topology, its age drawn from `random`; empty when no route
/// is learnt.
std::string ripRouteLine(const NetworkView& net, RandomSource& random);

/// The routing table of the router at the console (`show ip route`): the legend and the redirect
/// cache when IP routing is on, the gateway of last resort, the connected routes, then the
/// static, IGRP and RIP routes in use. Every line is preceded by
/// a line break; an unknown topology shows nothing.
std::string renderRoutingTable(const NetworkView& net, RandomSource& random);

/// `show ip route`: pages the routing table of the active topology.
void showIpRoute(Simulator& sim, std::span<const InterfaceNumber> interfaces = {});

}  // namespace kovrel

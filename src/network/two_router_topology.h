// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "network/network_view.h"

namespace kovrel {

// The two-router topology: RouterA and RouterB, each with a LAN, joined by a serial link from
// RouterA's Serial0 (which provides the clock) to RouterB's Serial1. The rules read the router at
// the console and the other router's parked record; they never change either.

/// The link is up at the router at the console, which has an address in the same network as the
/// other router's end of the link.
bool serialLinkUp(const NetworkView& net);
/// The other router's RIP declares the network of its end of the link.
bool otherAdvertisesSerial(const NetworkView& net);
/// Both routers exchange RIP over the link: the link is up, both run RIP for the link network and
/// IP routing is on at the router at the console.
bool ripAdjacency(const NetworkView& net);
/// Over that adjacency the other router also advertises its LAN, which is up with an address.
bool otherAdvertisesLan(const NetworkView& net);
/// Both routers exchange IGRP over the link: the link is up, both run IGRP with one AS number for
/// the link's network, and IP routing is on at the router at the console.
bool igrpAdjacency(const NetworkView& net);
/// Over that adjacency the other router also declares its LAN, which is up with an address.
bool otherAdvertisesLanByIgrp(const NetworkView& net);
/// The other router's LAN is the network the scenario puts there.
bool otherLanMatchesPreset(const NetworkView& net);

/// Whether `target` answers in the two-router topology.
bool twoRouterReachability(const NetworkView& net, std::string_view target);

}  // namespace kovrel

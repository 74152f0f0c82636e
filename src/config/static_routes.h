// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "config/command_forms.h"

namespace kovrel {

/// The interface a command names in its words from `at` on ("serial 0", "serial0", "s0",
/// "ethernet 0", "e0", ...), and how many words it took; nothing when the words name none.
struct NamedInterface {
  InterfaceNumber number = kSerial0;
  std::size_t wordCount = 1;
};
std::optional<NamedInterface> readInterfaceName(const Words& words, std::size_t at);

/// `ip route NETWORK MASK NEXT-HOP|INTERFACE [DISTANCE]`: adds the route, or changes the distance
/// of the same route.
FormOutcome addStaticRoute(Simulator& sim, const Words& words);
/// `no ip route NETWORK MASK [NEXT-HOP|INTERFACE [DISTANCE]]`: removes the routes to the network,
/// only those by that way when one is named.
FormOutcome removeStaticRoute(Simulator& sim, const Words& words);

/// The configuration line of a route: "ip route 192.54.5.0 255.255.255.0 220.155.5.2".
std::string staticRouteLine(const StaticRoute& route);

}  // namespace kovrel

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "network/network_view.h"

namespace kovrel {

/// Where a route came from; each source has its administrative distance by default.
enum class RouteSource { connected, staticRoute, igrp, rip };

/// One route the router uses: a destination network and the way out to it.
struct Route {
  RouteSource source = RouteSource::connected;
  std::uint32_t network = 0;
  int prefixLength = 0;
  int distance = 0;  // administrative distance: the lower wins between sources
  int metric = 0;
  std::string nextHop;  // empty: the destination is on the interface itself
  InterfaceNumber interface = kSerial0;
  bool operator==(const Route&) const = default;
};

inline constexpr int kRipDistance = 120;
inline constexpr int kIgrpDistance = 100;

/// The routes the router at the console uses: connected networks of interfaces that are up,
/// static routes whose way out is up, and the routes its neighbour teaches by RIP or IGRP; of two
/// routes to one destination the one with the lower distance. Connected, static, IGRP, RIP order.
std::vector<Route> routingTable(const NetworkView& net);

/// The route a packet for `target` takes: the longest prefix that holds it.
std::optional<Route> routeTo(const std::vector<Route>& table, std::string_view target);

/// Whether the route leads over the serial link to the neighbour whose link address is given.
bool leadsTo(const Route& route, InterfaceNumber link, std::string_view neighbourAddress);

/// The IGRP metric the router gives the neighbour's LAN over a serial link of `bandwidth` kbit/s.
int igrpMetric(int bandwidth);

}  // namespace kovrel

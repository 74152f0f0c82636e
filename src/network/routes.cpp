// SPDX-License-Identifier: GPL-3.0-or-later
#include "network/routes.h"

#include <algorithm>
#include <bit>

#include "base/ip_arithmetic.h"
#include "network/interface_status.h"
#include "network/lab_topology.h"
#include "network/two_router_topology.h"

namespace kovrel {
namespace {

// The network and prefix length of an address and mask, when both read as numbers.
std::optional<std::pair<std::uint32_t, int>> prefixOf(std::string_view address,
                                                      std::string_view mask) {
  const auto addressValue = parseDottedQuad(address);
  const auto maskValue = parseDottedQuad(mask);
  if (!addressValue || !maskValue) return std::nullopt;
  return std::pair{*addressValue & *maskValue, std::popcount(*maskValue)};
}

void addConnected(const NetworkView& net, std::vector<Route>& routes) {
  for (InterfaceNumber number : {kSerial0, kSerial1, kEthernet0}) {
    const InterfaceConfig& interface = net.own.interface(number);
    if (!interfaceUp(net, number) || interface.ipAddress.empty()) continue;
    if (const auto prefix = prefixOf(interface.ipAddress, interface.subnetMask)) {
      routes.push_back({RouteSource::connected, prefix->first, prefix->second, 0, 0, "", number});
    }
  }
}

// A next hop is reached through the connected network that holds it.
std::optional<InterfaceNumber> interfaceToward(const std::vector<Route>& connected,
                                               std::string_view nextHop) {
  const std::optional<Route> route = routeTo(connected, nextHop);
  if (!route) return std::nullopt;
  return route->interface;
}

void addStatic(const NetworkView& net, const std::vector<Route>& connected,
               std::vector<Route>& routes) {
  if (!net.own.ipRouting) return;
  for (const StaticRoute& statement : net.own.staticRoutes) {
    const auto prefix = prefixOf(statement.network, statement.mask);
    if (!prefix) continue;
    std::optional<InterfaceNumber> way = statement.interface;
    if (way && !interfaceUp(net, *way)) way.reset();
    if (!statement.interface) way = interfaceToward(connected, statement.nextHop);
    if (!way) continue;  // a route whose way out is down is not used
    routes.push_back({RouteSource::staticRoute, prefix->first, prefix->second, statement.distance,
                      0, statement.nextHop, *way});
  }
}

void addLearnt(const NetworkView& net, std::vector<Route>& routes) {
  if (net.topology == Topology::lab) {
    if (!labRipRouteLearnt(net)) return;
    const AddressSet& addresses = net.addresses;
    if (const auto prefix = prefixOf(addresses.remoteGateway, addresses.remoteMask)) {
      routes.push_back({RouteSource::rip, prefix->first, prefix->second, kRipDistance, 1,
                        addresses.neighbourSerialAddress, kSerial0});
    }
    return;
  }
  const InterfaceConfig& lan = net.other.ethernet0;
  const auto prefix = prefixOf(lan.ipAddress, lan.subnetMask);
  if (!prefix) return;
  const std::string& gateway = net.other.interface(otherLinkInterface(net)).ipAddress;
  if (otherAdvertisesLanByIgrp(net)) {
    const int bandwidth = net.own.interface(ownLinkInterface(net)).bandwidth;
    routes.push_back({RouteSource::igrp, prefix->first, prefix->second, kIgrpDistance,
                      igrpMetric(bandwidth), gateway, ownLinkInterface(net)});
  }
  if (otherAdvertisesLan(net) && ripAdjacency(net)) {
    routes.push_back({RouteSource::rip, prefix->first, prefix->second, kRipDistance, 1, gateway,
                      ownLinkInterface(net)});
  }
}

// Of several routes to one destination the router keeps the most trusted; the first listed wins
// a tie.
std::vector<Route> preferred(const std::vector<Route>& candidates) {
  std::vector<Route> kept;
  for (const Route& route : candidates) {
    const auto same = std::find_if(kept.begin(), kept.end(), [&](const Route& other) {
      return other.network == route.network && other.prefixLength == route.prefixLength;
    });
    if (same == kept.end()) {
      kept.push_back(route);
    } else if (route.distance < same->distance) {
      *same = route;
    }
  }
  return kept;
}

int sourceRank(RouteSource source) { return static_cast<int>(source); }

}  // namespace

std::vector<Route> routingTable(const NetworkView& net) {
  std::vector<Route> candidates;
  addConnected(net, candidates);
  const std::vector<Route> connected = candidates;
  addStatic(net, connected, candidates);
  addLearnt(net, candidates);
  std::vector<Route> table = preferred(candidates);
  std::stable_sort(table.begin(), table.end(), [](const Route& a, const Route& b) {
    return sourceRank(a.source) < sourceRank(b.source);
  });
  return table;
}

std::optional<Route> routeTo(const std::vector<Route>& table, std::string_view target) {
  const std::optional<std::uint32_t> address = parseDottedQuad(target);
  if (!address) return std::nullopt;
  std::optional<Route> best;
  for (const Route& route : table) {
    const bool holds = (*address & prefixMask(route.prefixLength)) == route.network;
    if (holds && (!best || route.prefixLength > best->prefixLength)) best = route;
  }
  return best;
}

bool leadsTo(const Route& route, InterfaceNumber link, std::string_view neighbourAddress) {
  return route.interface == link && (route.nextHop.empty() || route.nextHop == neighbourAddress);
}

int igrpMetric(int bandwidth) {
  // The slowest link's bandwidth and the delays of the serial link and the far LAN.
  constexpr int kSerialDelayTens = 2000;
  constexpr int kEthernetDelayTens = 100;
  return 10'000'000 / std::max(bandwidth, 1) + kSerialDelayTens + kEthernetDelayTens;
}

}  // namespace kovrel

// SPDX-License-Identifier: GPL-3.0-or-later
#include "network/routing_table.h"

#include <algorithm>

#include "base/ip_arithmetic.h"
#include "base/paging.h"
#include "network/interface_status.h"
#include "network/routes.h"

namespace kovrel {
namespace {

constexpr std::string_view kLegend[] = {
    "Codes: C - connected, S - static, I - IGRP, R - RIP, M - mobile, B - BGP",
    "       D - EIGRP, EX - EIGRP external, O - OSPF, IA - OSPF inter area",
    "       N1 - OSPF NSSA external type 1, N2 - OSPF NSSA external type 2",
    "       E1 - OSPF external type 1, E2 - OSPF external type 2, E - EGP",
    "       i - IS-IS, L1 - IS-IS level-1, L2 - IS-IS level-2, * - candidate default",
    "       U - per-user static route, o - ODR",
    "       ",
};

constexpr std::string_view kConnectedTexts[] = {
    " is directly connected, Serial 0",
    " is directly connected, Serial 1",
    " is directly connected, Ethernet 0",
};

std::string route(const std::string& network, const std::string& mask) {
  return network + "/" + std::to_string(countOneBits(mask));
}

std::string ripLine(const std::string& destination, const std::string& gateway,
                    RandomSource& random, InterfaceNumber serial) {
  return "R   " + destination + " [120/1] via " + gateway +
         ", 00:00:" + std::to_string(randomWholeNumber(random, 25, 5)) + ", Serial " +
         std::to_string(serial - kSerial0);
}

std::string destinationText(const Route& route) {
  return dottedQuad(route.network) + "/" + std::to_string(route.prefixLength);
}

// "S    192.54.5.0/24 [1/0] via 220.155.5.2"; "S*" marks the default route.
std::string staticLine(const Route& route) {
  const bool isDefault = route.prefixLength == 0;
  std::string line = std::string(isDefault ? "S*   " : "S    ") + destinationText(route);
  if (route.nextHop.empty())
    return line + " is directly connected, " + interfaceName(route.interface);
  return line + " [" + std::to_string(route.distance) + "/0] via " + route.nextHop;
}

std::string igrpLine(const Route& route, RandomSource& random) {
  return "I   " + destinationText(route) + " [" + std::to_string(route.distance) + "/" +
         std::to_string(route.metric) + "] via " + route.nextHop +
         ", 00:00:" + std::to_string(randomWholeNumber(random, 25, 5)) + ", Serial " +
         std::to_string(route.interface - kSerial0);
}

std::string gatewayLine(const std::vector<Route>& table) {
  const auto fallback = std::find_if(table.begin(), table.end(),
                                     [](const Route& route) { return route.prefixLength == 0; });
  if (fallback == table.end()) return "Gateway of last resort is not set";
  const std::string gateway = fallback->nextHop.empty() ? "0.0.0.0" : fallback->nextHop;
  return "Gateway of last resort is " + gateway + " to network 0.0.0.0";
}

}  // namespace

int randomWholeNumber(RandomSource& random, int low, int count) {
  const int drawn = low + static_cast<int>(random.nextUnit() * count);
  return std::clamp(drawn, low, low + count - 1);
}

std::string connectedRouteLine(const NetworkView& net, InterfaceNumber interfaceNumber) {
  const InterfaceConfig& interface = net.own.interface(interfaceNumber);
  if (!interfaceUp(net, interfaceNumber) || interface.ipAddress.empty()) return {};
  return "C   " + route(interfaceNetwork(interface), interface.subnetMask) +
         std::string(kConnectedTexts[interfaceNumber]);
}

std::string ripRouteLine(const NetworkView& net, RandomSource& random) {
  for (const Route& route : routingTable(net)) {
    if (route.source == RouteSource::rip) {
      return ripLine(destinationText(route), route.nextHop, random, route.interface);
    }
  }
  return {};
}

std::string renderRoutingTable(const NetworkView& net, RandomSource& random) {
  std::string text;
  auto line = [&text](std::string_view content) {
    text += "\r\n";
    text += content;
  };
  const std::vector<Route> table = routingTable(net);
  if (net.own.ipRouting) {
    for (std::string_view legendLine : kLegend) line(legendLine);
  }
  line(gatewayLine(table));
  line("       ");
  if (net.own.ipRouting) {
    line("Host               Gateway           Last Use    Total Uses  Interface");
    line("ICMP redirect cache is empty");
  }
  for (InterfaceNumber number : {kSerial0, kSerial1, kEthernet0}) {
    const std::string connected = connectedRouteLine(net, number);
    if (!connected.empty()) line(connected);
  }
  for (const Route& route : table) {
    if (route.source == RouteSource::staticRoute) line(staticLine(route));
    if (route.source == RouteSource::igrp) line(igrpLine(route, random));
    if (route.source == RouteSource::rip) {
      line(ripLine(destinationText(route), route.nextHop, random, route.interface));
    }
  }
  return text;
}

void showIpRoute(Simulator& sim, std::span<const InterfaceNumber>) {
  const std::string text = renderRoutingTable(networkView(sim), sim.services.random);
  if (!text.empty()) writePaged(sim, text);
}

}  // namespace kovrel

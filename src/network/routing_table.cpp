#include "network/routing_table.h"

#include <algorithm>

#include "base/ip_arithmetic.h"
#include "base/paging.h"
#include "network/interface_status.h"
#include "network/lab_topology.h"
#include "network/two_router_topology.h"

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
  if (net.topology == Topology::lab) {
    if (!labRipRouteLearnt(net)) return {};
    const AddressSet& addresses = net.addresses;
    return ripLine(
        route(networkAddress(addresses.remoteGateway, addresses.remoteMask), addresses.remoteMask),
        addresses.neighbourSerialAddress, random, kSerial0);
  }
  if (net.topology == Topology::twoRouters && otherAdvertisesLan(net) && ripAdjacency(net)) {
    const InterfaceConfig& lan = net.other.ethernet0;
    return ripLine(route(interfaceNetwork(lan), lan.subnetMask),
                   net.other.interface(otherLinkInterface(net)).ipAddress, random,
                   ownLinkInterface(net));
  }
  return {};
}

std::string renderRoutingTable(const NetworkView& net, RandomSource& random) {
  std::string text;
  auto line = [&text](std::string_view content) {
    text += "\r\n";
    text += content;
  };
  if (net.own.ipRouting) {
    for (std::string_view legendLine : kLegend) line(legendLine);
  }
  line("Gateway of last resort is not set");
  line("       ");
  if (net.own.ipRouting) {
    line("Host               Gateway           Last Use    Total Uses  Interface");
    line("ICMP redirect cache is empty");
  }
  for (InterfaceNumber number : {kSerial0, kSerial1, kEthernet0}) {
    const std::string connected = connectedRouteLine(net, number);
    if (!connected.empty()) line(connected);
  }
  const std::string rip = ripRouteLine(net, random);
  if (!rip.empty()) line(rip);
  return text;
}

void showIpRoute(Simulator& sim, std::span<const InterfaceNumber>) {
  const std::string text = renderRoutingTable(networkView(sim), sim.services.random);
  if (!text.empty()) writePaged(sim, text);
}

}  // namespace kovrel

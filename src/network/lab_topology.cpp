// SPDX-License-Identifier: GPL-3.0-or-later
#include "network/lab_topology.h"

#include <algorithm>

#include "base/command_matching.h"
#include "base/ip_arithmetic.h"
#include "network/access_list_check.h"
#include "network/interface_status.h"
#include "network/routes.h"

namespace kovrel {
namespace {

bool isOneOf(std::string_view target, std::initializer_list<std::string_view> candidates) {
  return std::find(candidates.begin(), candidates.end(), target) != candidates.end();
}

// Serial0 is up in the scenario's serial network and RIP declares that network: the neighbour
// then talks to the router.
bool serialNetworkDeclared(const NetworkView& net) {
  const std::string network = interfaceNetwork(net.own.serial0);
  return !network.empty() && isRipNetwork(net, network) && network == net.addresses.serialNetwork;
}

// The route to a host of the neighbour's LAN leads out of Serial0 to the neighbour, whose end of
// the link is in the scenario's serial network.
bool neighbourLanRouted(const NetworkView& net, std::string_view target) {
  const std::optional<Route> route = routeTo(routingTable(net), target);
  return route && leadsTo(*route, kSerial0, net.addresses.neighbourSerialAddress) &&
         interfaceNetwork(net.own.serial0) == net.addresses.serialNetwork;
}

}  // namespace

bool hasRipNetwork(const std::vector<std::string>& ripNetworks, std::string_view network) {
  const std::string_view wanted = trimBlanks(network);
  return std::any_of(ripNetworks.begin(), ripNetworks.end(),
                     [&](const std::string& item) { return trimBlanks(item) == wanted; });
}

bool isRipNetwork(const NetworkView& net, std::string_view network) {
  return hasRipNetwork(net.own.ripNetworks, network);
}

bool ownLanReaches(const NetworkView& net, std::string_view target, std::string_view lanNetwork) {
  const InterfaceConfig& ethernet = net.own.ethernet0;
  if (!interfaceUp(net, kEthernet0) || ethernet.ipAddress.empty()) return false;
  if (target == ethernet.ipAddress) return true;
  return interfaceNetwork(ethernet) == lanNetwork &&
         !accessListDenies(ethernet.accessGroupOut, target, net.own);
}

bool ethernetSideReaches(const NetworkView& net, std::string_view target) {
  const AddressSet& addresses = net.addresses;
  return isOneOf(target, {addresses.lanHost1, addresses.lanHost2, net.own.ethernet0.ipAddress}) &&
         ownLanReaches(net, target, addresses.lanNetwork);
}

bool serialSideReaches(const NetworkView& net, std::string_view target) {
  const InterfaceConfig& serial = net.own.serial0;
  const AddressSet& addresses = net.addresses;
  if (!isOneOf(target, {serial.ipAddress, addresses.neighbourSerialAddress, addresses.remoteGateway,
                        addresses.remoteHost1, addresses.remoteHost2})) {
    return false;
  }
  if (!interfaceUp(net, kSerial0) || serial.ipAddress.empty()) return false;
  if (target == serial.ipAddress) return true;
  // The neighbour's own serial address answers once RIP declares the link; its LAN needs a route
  // over the link to the neighbour, learnt by RIP or configured.
  const bool answers = target == addresses.neighbourSerialAddress ? serialNetworkDeclared(net)
                                                                  : neighbourLanRouted(net, target);
  return answers && !accessListDenies(serial.accessGroupOut, target, net.own);
}

bool labReachability(const NetworkView& net, std::string_view target) {
  return ethernetSideReaches(net, target) || serialSideReaches(net, target);
}

bool labRipRouteLearnt(const NetworkView& net) {
  return interfaceUp(net, kSerial0) && !net.own.serial0.ipAddress.empty() && net.own.ripEnabled &&
         net.own.ipRouting && serialNetworkDeclared(net);
}

}  // namespace kovrel

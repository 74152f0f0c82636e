// SPDX-License-Identifier: GPL-3.0-or-later
#include "network/two_router_topology.h"

#include <algorithm>
#include <optional>

#include "base/ip_arithmetic.h"
#include "network/access_list_check.h"
#include "network/interface_status.h"
#include "network/lab_topology.h"
#include "network/routes.h"

namespace kovrel {
namespace {

const InterfaceConfig& ownLink(const NetworkView& net) {
  return net.own.interface(ownLinkInterface(net));
}

const InterfaceConfig& otherLink(const NetworkView& net) {
  return net.other.interface(otherLinkInterface(net));
}

// Both ends of the link have addresses in one network and the near end is up.
bool linkAddressed(const NetworkView& net) {
  const std::string network = interfaceNetwork(ownLink(net));
  return interfaceUp(net, ownLinkInterface(net)) && !network.empty() &&
         network == interfaceNetwork(otherLink(net));
}

bool ownInterfaceAnswers(const NetworkView& net, std::string_view target,
                         InterfaceNumber interfaceNumber) {
  const InterfaceConfig& interface = net.own.interface(interfaceNumber);
  return target == interface.ipAddress && !interface.ipAddress.empty() &&
         interfaceUp(net, interfaceNumber);
}

// The AS numbers under which a router declares the natural network of an address.
std::vector<int> igrpSystemsFor(const RouterConfig& router, const std::string& address) {
  std::vector<int> systems;
  if (!router.igrpEnabled || address.empty()) return systems;
  const std::string network = classfulNetwork(address);
  for (const IgrpNetwork& item : router.igrpNetworks) {
    if (item.network == network) systems.push_back(item.asNumber);
  }
  return systems;
}

// The AS both ends of the link declare it under; none when they share none.
std::optional<int> sharedLinkSystem(const NetworkView& net) {
  if (!linkAddressed(net) || !net.own.ipRouting) return std::nullopt;
  const std::vector<int> own = igrpSystemsFor(net.own, ownLink(net).ipAddress);
  const std::vector<int> other = igrpSystemsFor(net.other, otherLink(net).ipAddress);
  for (int system : own) {
    if (std::find(other.begin(), other.end(), system) != other.end()) return system;
  }
  return std::nullopt;
}

// The source of a ping from the router at the console, as the far end must answer it: its LAN
// address when the LAN is up, else its end of the link.
std::string replyAddress(const NetworkView& net) {
  const InterfaceConfig& lan = net.own.ethernet0;
  if (!lan.ipAddress.empty() && interfaceUp(net, kEthernet0)) return lan.ipAddress;
  return ownLink(net).ipAddress;
}

// An answer from beyond the link needs the other router to route it back: a route it learnt
// comes with the exchange, a static one must be configured there as well.
bool otherRoutesBack(const NetworkView& net) {
  const NetworkView back = otherSideView(net);
  const std::optional<Route> route = routeTo(routingTable(back), replyAddress(net));
  return route && leadsTo(*route, ownLinkInterface(back), ownLink(net).ipAddress);
}

// The other router's LAN interface or a host behind it: the route there must lead over the link,
// and the other router's LAN must be up.
bool otherLanRouted(const NetworkView& net, std::string_view target) {
  const std::optional<Route> route = routeTo(routingTable(net), target);
  if (!route || !leadsTo(*route, ownLinkInterface(net), otherLink(net).ipAddress)) return false;
  const InterfaceConfig& lan = net.other.ethernet0;
  if (!serialLinkUp(net) || lan.ipAddress.empty() || lan.shutdown) return false;
  return route->source != RouteSource::staticRoute || otherRoutesBack(net);
}

// A host on the other router's LAN: the LAN must be the scenario's, and neither the near end of
// the link nor the far LAN may filter the target out.
bool remoteLanHostAnswers(const NetworkView& net, std::string_view target) {
  const AddressSet& addresses = net.addresses;
  const bool remoteHost = net.currentRouter == RouterId::b
                              ? target == addresses.lanHost1 || target == addresses.lanHost2
                              : target == addresses.remoteHost1 || target == addresses.remoteHost2;
  if (!remoteHost) return false;
  return otherLanRouted(net, target) && otherLanMatchesPreset(net) &&
         !accessListDenies(ownLink(net).accessGroupOut, target, net.own) &&
         !accessListDenies(net.other.ethernet0.accessGroupOut, target, net.other);
}

}  // namespace

bool serialLinkUp(const NetworkView& net) { return linkAddressed(net); }

bool otherAdvertisesSerial(const NetworkView& net) {
  const std::string network = interfaceNetwork(otherLink(net));
  return !network.empty() && hasRipNetwork(net.other.ripNetworks, network);
}

bool ripAdjacency(const NetworkView& net) {
  return linkAddressed(net) && net.own.ripEnabled && net.other.ripEnabled && net.own.ipRouting &&
         isRipNetwork(net, interfaceNetwork(ownLink(net))) && otherAdvertisesSerial(net);
}

bool otherAdvertisesLan(const NetworkView& net) {
  const InterfaceConfig& lan = net.other.ethernet0;
  return ripAdjacency(net) && !lan.ipAddress.empty() && !lan.shutdown && net.other.ripEnabled &&
         hasRipNetwork(net.other.ripNetworks, interfaceNetwork(lan));
}

bool igrpAdjacency(const NetworkView& net) { return sharedLinkSystem(net).has_value(); }

bool otherAdvertisesLanByIgrp(const NetworkView& net) {
  const std::optional<int> system = sharedLinkSystem(net);
  const InterfaceConfig& lan = net.other.ethernet0;
  if (!system || lan.ipAddress.empty() || lan.shutdown) return false;
  const std::vector<int> lanSystems = igrpSystemsFor(net.other, lan.ipAddress);
  return std::find(lanSystems.begin(), lanSystems.end(), *system) != lanSystems.end();
}

bool otherLanMatchesPreset(const NetworkView& net) {
  const std::string& expected =
      net.currentRouter == RouterId::b ? net.addresses.lanNetwork : net.addresses.remoteLanNetwork;
  return interfaceNetwork(net.other.ethernet0) == expected;
}

bool twoRouterReachability(const NetworkView& net, std::string_view target) {
  const std::string& ownLan =
      net.currentRouter == RouterId::b ? net.addresses.remoteLanNetwork : net.addresses.lanNetwork;
  // Each router's own LAN hosts are those of its side of the picture.
  const bool ownLanHost =
      net.currentRouter == RouterId::b
          ? target == net.addresses.remoteHost1 || target == net.addresses.remoteHost2
          : target == net.addresses.lanHost1 || target == net.addresses.lanHost2;
  if ((ownLanHost || target == net.own.ethernet0.ipAddress) && ownLanReaches(net, target, ownLan)) {
    return true;
  }
  if (ownInterfaceAnswers(net, target, kSerial0) || ownInterfaceAnswers(net, target, kSerial1)) {
    return true;
  }
  // Filtering at the far end of the link is by the list applied inbound on that very interface.
  if (target == otherLink(net).ipAddress && !otherLink(net).ipAddress.empty() &&
      serialLinkUp(net) && !accessListDenies(otherLink(net).accessGroupIn, target, net.other)) {
    return true;
  }
  if (target == net.other.ethernet0.ipAddress && !net.other.ethernet0.ipAddress.empty() &&
      otherLanRouted(net, target) &&
      !accessListDenies(ownLink(net).accessGroupOut, target, net.own)) {
    return true;
  }
  return remoteLanHostAnswers(net, target);
}

}  // namespace kovrel

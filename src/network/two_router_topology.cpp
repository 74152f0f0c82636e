#include "network/two_router_topology.h"

#include "network/access_list_check.h"
#include "network/interface_status.h"
#include "network/lab_topology.h"

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
         adminUp(net, interfaceNumber);
}

// A host on the other router's LAN: the routes must be exchanged, the LAN must be the scenario's,
// and neither the near end of the link nor the far LAN may filter the target out.
bool remoteLanHostAnswers(const NetworkView& net, std::string_view target) {
  const AddressSet& addresses = net.addresses;
  const bool remoteHost = net.currentRouter == RouterId::b
                              ? target == addresses.lanHost1 || target == addresses.lanHost2
                              : target == addresses.remoteHost1 || target == addresses.remoteHost2;
  if (!remoteHost) return false;
  return otherAdvertisesLan(net) && ripAdjacency(net) && otherLanMatchesPreset(net) &&
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
      otherAdvertisesLan(net) && ripAdjacency(net) &&
      !accessListDenies(ownLink(net).accessGroupOut, target, net.own)) {
    return true;
  }
  return remoteLanHostAnswers(net, target);
}

}  // namespace kovrel

// SPDX-License-Identifier: GPL-3.0-or-later
#include "network/interface_status.h"

namespace kovrel {
namespace {

// The serial link of the two-router topology: RouterA's Serial0 is the clocking (DCE) end, its
// cable joins RouterB's Serial1.
bool twoRouterLinkClocked(const NetworkView& net) {
  const bool ownIsA = net.currentRouter == RouterId::a;
  const InterfaceConfig& clockSide = (ownIsA ? net.own : net.other).serial0;
  const InterfaceConfig& farSide = (ownIsA ? net.other : net.own).serial1;
  return !clockSide.shutdown && clockSide.clockRate > 0 && !farSide.shutdown;
}

}  // namespace

bool cableAttached(const NetworkView& net, InterfaceNumber interfaceNumber) {
  if (interfaceNumber == kEthernet0) return true;
  if (net.topology == Topology::lab) return interfaceNumber == kSerial0;
  return interfaceNumber == ownLinkInterface(net);
}

LinkStatus linkStatus(const NetworkView& net, InterfaceNumber interfaceNumber) {
  if (net.own.interface(interfaceNumber).shutdown) return LinkStatus::administrativelyDown;
  return cableAttached(net, interfaceNumber) ? LinkStatus::up : LinkStatus::down;
}

bool lineProtocolUp(const NetworkView& net, InterfaceNumber interfaceNumber) {
  if (linkStatus(net, interfaceNumber) != LinkStatus::up) return false;
  if (interfaceNumber == kEthernet0) return true;
  // The lab router's Serial0 is the clocking end; its imaginary neighbour never shuts down.
  if (net.topology == Topology::lab) return net.own.serial0.clockRate > 0;
  return twoRouterLinkClocked(net);
}

bool interfaceUp(const NetworkView& net, InterfaceNumber interfaceNumber) {
  return lineProtocolUp(net, interfaceNumber);
}

std::string_view linkStatusText(LinkStatus status) {
  switch (status) {
    case LinkStatus::administrativelyDown:
      return "administratively down";
    case LinkStatus::down:
      return "down";
    default:
      return "up";
  }
}

std::string interfaceAdminStatus(const NetworkView& net, InterfaceNumber interfaceNumber) {
  return interfaceName(interfaceNumber) + " is " +
         std::string(linkStatusText(linkStatus(net, interfaceNumber)));
}

std::string interfaceLineProtocol(const NetworkView& net, InterfaceNumber interfaceNumber) {
  return lineProtocolUp(net, interfaceNumber) ? ", line protocol is up" : ", line protocol is down";
}

std::string interfaceStatusLine(const NetworkView& net, InterfaceNumber interfaceNumber) {
  return interfaceAdminStatus(net, interfaceNumber) + interfaceLineProtocol(net, interfaceNumber);
}

std::string interfaceStatusLine(const Simulator& sim, InterfaceNumber interfaceNumber) {
  return interfaceStatusLine(networkView(sim), interfaceNumber);
}

}  // namespace kovrel

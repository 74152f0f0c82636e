#include "network/interface_status.h"

namespace kovrel {
namespace {

// The serial link of the two-router topology is up when RouterA's Serial0 and RouterB's Serial1
// are both open and RouterA, the side that provides the clock, has a clock rate.
bool serialLinkEndsUp(const NetworkView& net) {
  const bool ownIsA = net.currentRouter == RouterId::a;
  const InterfaceConfig& clockSide = (ownIsA ? net.own : net.other).serial0;
  const InterfaceConfig& farSide = (ownIsA ? net.other : net.own).serial1;
  return !clockSide.shutdown && clockSide.clockRate > 0 && !farSide.shutdown;
}

bool labAdminUp(const RouterConfig& own, InterfaceNumber interfaceNumber) {
  const InterfaceConfig& interface = own.interface(interfaceNumber);
  if (interfaceNumber == kSerial0) return !interface.shutdown && interface.clockRate > 0;
  return !interface.shutdown;
}

bool twoRouterAdminUp(const NetworkView& net, InterfaceNumber interfaceNumber) {
  const InterfaceConfig& interface = net.own.interface(interfaceNumber);
  if (interfaceNumber == kEthernet0) return !interface.shutdown;
  if (interfaceNumber != ownLinkInterface(net)) return false;
  // RouterA's end of the link needs its own clock to come up; RouterB's end only needs opening.
  if (net.currentRouter == RouterId::a) return !interface.shutdown && interface.clockRate > 0;
  return !interface.shutdown;
}

}  // namespace

std::string interfaceName(InterfaceNumber interfaceNumber) {
  switch (interfaceNumber) {
    case kSerial0:
      return "Serial0";
    case kSerial1:
      return "Serial1";
    default:
      return "Ethernet0";
  }
}

bool adminUp(const NetworkView& net, InterfaceNumber interfaceNumber) {
  return net.topology == Topology::lab ? labAdminUp(net.own, interfaceNumber)
                                       : twoRouterAdminUp(net, interfaceNumber);
}

bool lineProtocolUp(const NetworkView& net, InterfaceNumber interfaceNumber) {
  if (net.topology == Topology::lab) return labAdminUp(net.own, interfaceNumber);
  if (interfaceNumber == kEthernet0) return !net.own.ethernet0.shutdown;
  if (interfaceNumber != ownLinkInterface(net)) return false;
  return serialLinkEndsUp(net);
}

bool interfaceUp(const NetworkView& net, InterfaceNumber interfaceNumber) {
  return adminUp(net, interfaceNumber) && lineProtocolUp(net, interfaceNumber);
}

std::string interfaceAdminStatus(const NetworkView& net, InterfaceNumber interfaceNumber) {
  return interfaceName(interfaceNumber) + " is administratively " +
         (adminUp(net, interfaceNumber) ? "up" : "down");
}

std::string interfaceLineProtocol(const NetworkView& net, InterfaceNumber interfaceNumber) {
  return lineProtocolUp(net, interfaceNumber) ? ", line protocol is up" : ", line protocol is down";
}

std::string interfaceStatusLine(const NetworkView& net, InterfaceNumber interfaceNumber) {
  return interfaceAdminStatus(net, interfaceNumber) + interfaceLineProtocol(net, interfaceNumber);
}

std::string interfaceAdminStatus(const Simulator& sim, InterfaceNumber interfaceNumber) {
  return interfaceAdminStatus(networkView(sim), interfaceNumber);
}

std::string interfaceLineProtocol(const Simulator& sim, InterfaceNumber interfaceNumber) {
  return interfaceLineProtocol(networkView(sim), interfaceNumber);
}

std::string interfaceStatusLine(const Simulator& sim, InterfaceNumber interfaceNumber) {
  return interfaceStatusLine(networkView(sim), interfaceNumber);
}

}  // namespace kovrel

// SPDX-License-Identifier: GPL-3.0-or-later
#include "network/network_view.h"

#include "base/ip_arithmetic.h"

namespace kovrel {

NetworkView networkView(const Simulator& sim) {
  const SimulatorState& state = sim.state;
  const RouterState& other = state.currentRouter == RouterId::b ? state.parkedA : state.parkedB;
  return NetworkView{state.current.config, other.config, state.training.addresses,
                     state.training.topology, state.currentRouter};
}

NetworkView otherSideView(const NetworkView& net) {
  return NetworkView{net.other, net.own, net.addresses, net.topology,
                     net.currentRouter == RouterId::b ? RouterId::a : RouterId::b};
}

InterfaceNumber ownLinkInterface(const NetworkView& net) {
  return net.currentRouter == RouterId::b ? kSerial1 : kSerial0;
}

InterfaceNumber otherLinkInterface(const NetworkView& net) {
  return net.currentRouter == RouterId::b ? kSerial0 : kSerial1;
}

std::string interfaceNetwork(const InterfaceConfig& interface) {
  if (interface.ipAddress.empty()) return {};
  return networkAddress(interface.ipAddress, interface.subnetMask);
}

}  // namespace kovrel

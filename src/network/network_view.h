// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/router_records.h"
#include "base/simulator.h"
#include "base/training_state.h"

namespace kovrel {

/// The records every network rule reads: the running configuration of the router at the console,
/// the parked configuration of the other router of the two-router topology, the scenario's
/// addresses and which topology and router are current. Rules never change any of them.
struct NetworkView {
  const RouterConfig& own;
  const RouterConfig& other;
  const AddressSet& addresses;
  Topology topology = Topology::lab;
  RouterId currentRouter = RouterId::a;
};

/// The view of the simulator's records as they are now. The other router is always its parked
/// record: RouterB before its first visit holds factory values.
NetworkView networkView(const Simulator& sim);

/// The same network seen from the other router of the two-router topology, as if it were at the
/// console: its parked record is then the live one.
NetworkView otherSideView(const NetworkView& net);

/// The serial interface that carries the link of the two-router topology on the router at the
/// console (Serial0 on RouterA, Serial1 on RouterB), and on the other router.
InterfaceNumber ownLinkInterface(const NetworkView& net);
InterfaceNumber otherLinkInterface(const NetworkView& net);

/// The interface's network (address and mask combined); empty when it has no address.
std::string interfaceNetwork(const InterfaceConfig& interface);

}  // namespace kovrel

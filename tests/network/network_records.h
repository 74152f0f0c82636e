// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "base/router_records.h"
#include "network/network_view.h"
#include "training/scenarios_addresses.h"

namespace kovrel::testing {

/// Opens an interface with an address (mask 255.255.255.0 unless given) and a clock rate.
inline void openInterface(RouterConfig& config, InterfaceNumber number, const std::string& address,
                          int clockRate = 0, const std::string& mask = "255.255.255.0") {
  InterfaceConfig& interface = config.interface(number);
  interface.shutdown = false;
  interface.ipAddress = address;
  interface.subnetMask = address.empty() ? "" : mask;
  interface.clockRate = clockRate;
}

inline AccessListEntry aclEntry(int listNumber, AccessEntryKind kind,
                                const std::string& address = "",
                                const std::string& wildcard = "0.0.0.0") {
  return AccessListEntry{kind, address, wildcard, listNumber};
}

using enum AccessEntryKind;

/// The records of one network question: both routers, the addresses and who is at the console.
struct NetworkRecords {
  RouterConfig own;
  RouterConfig other;
  AddressSet addresses;
  Topology topology = Topology::lab;
  RouterId currentRouter = RouterId::a;

  NetworkView view() const { return {own, other, addresses, topology, currentRouter}; }
};

/// The lab topology with the lab address set and a factory router.
inline NetworkRecords labRecords() {
  NetworkRecords records;
  applyAddressSet(records.addresses, AddressSetName::lab);
  return records;
}

/// Troubleshooting 6's network with every fault repaired: RouterA 204.5.62.1 (LAN) and
/// 204.56.7.1 (link, clock 56000), RouterB 204.56.7.2 (link) and 208.109.1.1 (LAN), both running
/// RIP for their two networks. `routerBAtConsole` puts RouterB in `own`.
inline NetworkRecords workingTwoRouters(bool routerBAtConsole = false) {
  NetworkRecords records;
  records.topology = Topology::twoRouters;
  applyAddressSet(records.addresses, AddressSetName::troubleshooting6);
  RouterConfig routerA, routerB;
  openInterface(routerA, kSerial0, "204.56.7.1", 56000);
  openInterface(routerA, kEthernet0, "204.5.62.1");
  routerA.ripEnabled = true;
  routerA.ripNetworks = {"204.5.62.0", "204.56.7.0"};
  openInterface(routerB, kSerial1, "204.56.7.2");
  openInterface(routerB, kEthernet0, "208.109.1.1");
  routerB.ripEnabled = true;
  routerB.ripNetworks = {"204.56.7.0", "208.109.1.0"};
  records.own = routerBAtConsole ? routerB : routerA;
  records.other = routerBAtConsole ? routerA : routerB;
  records.currentRouter = routerBAtConsole ? RouterId::b : RouterId::a;
  return records;
}

}  // namespace kovrel::testing

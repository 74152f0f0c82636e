// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>

#include "network/network_view.h"

namespace kovrel {

// The displays a student checks a link with: one row per interface, the cable ends of the serial
// interfaces, and the addresses the router has resolved on its LAN.

/// `show ip interface brief`: the header and one row per interface, Ethernet0 first.
std::string renderInterfaceBrief(const NetworkView& net);

/// `show controllers serial N`: the interface, its hardware and which cable end is attached.
std::string renderSerialController(const NetworkView& net, InterfaceNumber serial);

/// The hardware address of a router's interface: invented, locally administered, fixed per
/// router and interface.
std::string routerHardwareAddress(RouterId router, InterfaceNumber number);
/// The hardware address of a host on a LAN, made from its IP address.
std::string hostHardwareAddress(std::string_view address);

/// `show arp`: Ethernet0's own address while it is up (age "-") and every LAN host that answered
/// a ping (age 0).
std::string renderArpTable(const NetworkView& net, const std::vector<std::string>& answered);

void showInterfaceBrief(Simulator& sim, std::span<const InterfaceNumber> interfaces);
void showSerialControllers(Simulator& sim, std::span<const InterfaceNumber> interfaces);
void showArp(Simulator& sim, std::span<const InterfaceNumber> interfaces);

}  // namespace kovrel

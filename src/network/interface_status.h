// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "network/network_view.h"

namespace kovrel {

// Whether an interface is up is worked out from the configurations at every call; nothing is
// stored. Every display, route and ping reads the state through these functions, so the texts
// live in one place.

/// Whether a cable joins the interface to something in the active topology: Ethernet0 always
/// reaches its LAN; the lab router's Serial0 its neighbour; RouterA's Serial0 and RouterB's
/// Serial1 each other.
bool cableAttached(const NetworkView& net, InterfaceNumber interfaceNumber);

/// Administratively down exactly when shut down; otherwise up when a cable is attached.
LinkStatus linkStatus(const NetworkView& net, InterfaceNumber interfaceNumber);
/// Line protocol up: the link is up and, on a serial link, the clocking (DCE) end has a clock rate
/// and the far end is not shut down.
bool lineProtocolUp(const NetworkView& net, InterfaceNumber interfaceNumber);
/// The line protocol is up; connected routes, ping and the diagram follow it.
bool interfaceUp(const NetworkView& net, InterfaceNumber interfaceNumber);

/// "up", "down" or "administratively down".
std::string_view linkStatusText(LinkStatus status);
/// "Serial0 is up", "Serial0 is down" or "Serial0 is administratively down".
std::string interfaceAdminStatus(const NetworkView& net, InterfaceNumber interfaceNumber);
/// ", line protocol is up" or ", line protocol is down".
std::string interfaceLineProtocol(const NetworkView& net, InterfaceNumber interfaceNumber);
/// The first half followed directly by the line-protocol text.
std::string interfaceStatusLine(const NetworkView& net, InterfaceNumber interfaceNumber);

// The same for the router at the console of a simulator.
std::string interfaceStatusLine(const Simulator& sim, InterfaceNumber interfaceNumber);

}  // namespace kovrel

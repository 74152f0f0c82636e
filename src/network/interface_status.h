#pragma once

#include <string>

#include "network/network_view.h"

namespace kovrel {

// Whether an interface is up is worked out from the configurations at every call; nothing is
// stored. Every display, route and ping reads the state through these functions, so the texts
// live in one place.

/// The interface's name as the status line writes it: "Serial0", "Serial1", "Ethernet0".
std::string interfaceName(InterfaceNumber interfaceNumber);

/// Administratively up by the rules of the active topology. In the two-router topology the serial
/// interface that is not on the link is always down.
bool adminUp(const NetworkView& net, InterfaceNumber interfaceNumber);
/// Line protocol up: in the lab topology as the administrative state; in the two-router topology
/// the link needs both ends not shut down and RouterA's clock.
bool lineProtocolUp(const NetworkView& net, InterfaceNumber interfaceNumber);
/// Both up: the status line holds no "down". Never for an unknown topology.
bool interfaceUp(const NetworkView& net, InterfaceNumber interfaceNumber);

/// "Serial0 is administratively up" or "... down"; empty for an unknown topology.
std::string interfaceAdminStatus(const NetworkView& net, InterfaceNumber interfaceNumber);
/// ", line protocol is up" or ", line protocol is down"; empty for an unknown topology.
std::string interfaceLineProtocol(const NetworkView& net, InterfaceNumber interfaceNumber);
/// The administrative text followed directly by the line-protocol text.
std::string interfaceStatusLine(const NetworkView& net, InterfaceNumber interfaceNumber);

// The same for the router at the console of a simulator.
std::string interfaceAdminStatus(const Simulator& sim, InterfaceNumber interfaceNumber);
std::string interfaceLineProtocol(const Simulator& sim, InterfaceNumber interfaceNumber);
std::string interfaceStatusLine(const Simulator& sim, InterfaceNumber interfaceNumber);

}  // namespace kovrel

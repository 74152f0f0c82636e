// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>

#include "network/network_view.h"

namespace kovrel {

// Renderers: the records in, the display's text out (lines joined by CR LF, as paged).

/// The interface display of one interface (`show interfaces`) with the lesson text that closes it
/// (the `show_interface` text of the lesson database). Without that text the display is empty.
std::string renderInterfaceDisplay(const NetworkView& net, InterfaceNumber interfaceNumber,
                                   const std::string& closingText);
/// The IP interface display of one interface (`show ip interface`); it opens with a line break.
std::string showIpInterface(const NetworkView& net, InterfaceNumber interfaceNumber);
/// The protocol summary (`show protocols`): IP routing, then each interface's status and address.
std::string renderProtocolSummary(const NetworkView& net);

/// The interface display of one interface of the router at the console. A failure reading the
/// lesson text is logged and the display goes on without it.
std::string interfaceDisplay(Simulator& sim, InterfaceNumber interfaceNumber);

// Displays of the privileged show table: each pages its text for the interfaces its row names.

void showInterfaces(Simulator& sim, std::span<const InterfaceNumber> interfaces);
void showIpInterfaces(Simulator& sim, std::span<const InterfaceNumber> interfaces);
void showProtocols(Simulator& sim, std::span<const InterfaceNumber> interfaces);

}  // namespace kovrel

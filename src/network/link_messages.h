// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "network/network_view.h"

namespace kovrel {

// A router tells of every change of an interface's state with a message line. The simulator works
// the states out from the configurations, so a change shows as the difference between the states
// announced last and the states now.

/// The state of the three interfaces of the router at the console.
InterfaceStates interfaceStates(const NetworkView& net);

/// The messages that tell of the changes from `before` to `after`, link before line protocol, in
/// interface order: "%LINK-3-UPDOWN: Interface Serial0, changed state to up", ...
std::vector<std::string> linkChangeMessages(const InterfaceStates& before,
                                            const InterfaceStates& after);

/// Remembers the states of the router at the console, unless it already has a record of them.
void noteInterfaceStates(Simulator& sim);

/// Writes the messages for the changes since the router at the console last announced, and
/// remembers the states now. With `logging synchronous` on the console line the prompt and the
/// typed text stand again below the messages; without it the messages break in after them.
void announceLinkChanges(Simulator& sim);

}  // namespace kovrel

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "base/simulator.h"
#include "catalogue/grammar.h"

namespace kovrel {

// Telnet from one router of the two-router topology to the other: the console then works on the
// far router's vty line, with that router's prompt, configuration and passwords, until `exit` or
// `logout` closes the session and the console is back at the router it started from.

/// `telnet ADDRESS` in user and privileged mode.
FormOutcome telnetCommand(Simulator& sim, const Words& words);

/// The answer to the far router's "Password: " question; three wrong answers close the session.
void checkVtyLogin(Simulator& sim, std::string_view line);

/// Whether a Telnet session is open.
bool inTelnetSession(const Simulator& sim);

/// Closes the open session: "[Connection to ADDRESS closed by foreign host]" and the console is
/// back at the router it started from, in the mode it was left in.
void closeTelnetSession(Simulator& sim);

/// Ends an open session without a word, as a new scenario does.
void dropTelnetSession(Simulator& sim);

}  // namespace kovrel

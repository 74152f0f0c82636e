// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "base/simulator.h"
#include "catalogue/grammar.h"

namespace kovrel {

/// Start-up: opens the lesson database and reads the boot and welcome texts. When the welcome text
/// does not name the program, the user is told the database could not be reached; the program runs
/// on without database texts.
void setWelcomeText(Simulator& sim, const std::string& databasePath);

/// Puts the console in its power-on state: boot text, "Press RETURN to get started.", no session.
void loadRouter(Simulator& sim);

/// Ends the session without a new boot (exit, logout, a third wrong console password): the console
/// keeps its text and shows "con0 is now available" and "Press RETURN to get started." below it.
void endSession(Simulator& sim);

/// Factory-resets the saved configuration, loads it into the router at the console and boots it.
void startFreshRouter(Simulator& sim);

/// Return at "Press RETURN to get started.": the banners, then user mode or the console login.
void startSession(Simulator& sim);

/// `reload` in privileged mode: asks "Proceed with reload? [confirm]".
FormOutcome reloadCommand(Simulator& sim, const Words& words);
/// The one character that answers the reload question.
void answerReloadConfirmation(Simulator& sim, int character);

}  // namespace kovrel

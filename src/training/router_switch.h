// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "base/simulator.h"

namespace kovrel {

/// What became of a request to bring a router to the console.
enum class SwitchOutcome { switched, alreadyThere, refusedBusy, noSecondRouter };

inline constexpr std::string_view kSwitchWhenAtPrompt = " Please switch router when at prompt";

/// The router buttons of the two-router topology: parks the router at the console with its whole
/// console (output and half-typed input line) and brings `router` to the console as it was left.
/// RouterB is built on its first visit: factory configuration named "RouterB", booted, with the
/// scenario's faults. While a question, dialog or paged display is open nothing is switched and the
/// user is asked to switch at the prompt.
SwitchOutcome switchRouter(Simulator& sim, RouterId router);

/// Brings RouterA back to the console before a scenario starts, whatever the console is doing, so
/// that the router named RouterA always gets RouterA's set-up.
void returnConsoleToRouterA(Simulator& sim);

}  // namespace kovrel

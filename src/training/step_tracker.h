// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/simulator.h"

namespace kovrel {

// The step checks of the current activity: loaded when a lab or a troubleshooting scenario
// starts, re-evaluated after every command the student enters, and kept in the progress store.

/// One line of the checklist: the step's number, its heading as the instruction pane numbers it,
/// and whether its check holds.
struct StepStatus {
  int number = 0;
  std::string heading;
  bool done = false;
};

/// Reads the checks of the activity just started and forgets what was done towards the previous
/// one; the first evaluation follows at once (a lab may find steps done by the labs before it).
void beginStepChecks(Simulator& sim);

/// What the console's key tells the checks: an entered line, a help request, a key, a session
/// opened or closed, a password accepted, a reload. After anything but plain typing the checks
/// are evaluated again.
void followKey(Simulator& sim, const HandledKey& key);

/// Evaluates every check on the state as it is; records newly done steps, a completed lab and a
/// solved scenario. True when any step changed.
bool evaluateSteps(Simulator& sim);

/// The checklist of the current lab or troubleshooting scenario; empty for anything else.
std::vector<StepStatus> stepChecklist(const Simulator& sim);

/// Whether every step of the current activity is done (false when it has none).
bool allStepsDone(const Simulator& sim);

/// Whether a typed line is the command `pattern` names, abbreviated or not: word for word, each
/// typed word the start of the pattern's word, "s0" the same as "serial 0". A pattern ending in
/// "?" stands for that help request.
bool commandMatches(std::string_view pattern, std::string_view typed);

/// Restarts the current activity from a clean state, keeping the study mode: the factory
/// configuration (saved and running) for a lab, the preset of a test or troubleshooting scenario,
/// both routers in the two-router topology; the console boots as at the start. False when the
/// current activity has no router to reset.
bool resetActivity(Simulator& sim);
/// Whether the current activity has a router to reset (a lab, a test or its report, or a
/// troubleshooting scenario).
bool canResetActivity(const Simulator& sim);

}  // namespace kovrel

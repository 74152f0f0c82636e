// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/rich_text.h"

namespace kovrel {

class Simulator;
struct TrainingState;

// Hints for a troubleshooting scenario in Learn Mode. The task stays in view; the solution stays
// hidden until the student asks for its next step (a hint) or for all of it ("Show solution").
// What is revealed follows the task in the instruction pane, and a new start or a reset of the
// scenario hides it again.

/// Whether the student can ask for a hint now, and if not, why not.
enum class HintState {
  offered,      // a troubleshooting scenario in Learn Mode with steps still hidden
  allRevealed,  // the whole solution is shown already
  testMode,     // Test Mode keeps the solution to itself
  none          // not a troubleshooting scenario, or one without a solution
};

/// How much of the current troubleshooting solution the student has seen: `revealed` of its
/// `steps` steps (a solution without step headings counts as one step).
struct SolutionHints {
  HintState state = HintState::none;
  int revealed = 0;
  int steps = 0;
};

SolutionHints solutionHints(const TrainingState& training);

/// Reveals the next step of the solution, shows the instruction pane again, and returns that
/// step as the pane renders it (nothing, and nothing changed, unless a hint is offered).
std::vector<StyledRun> revealHint(Simulator& sim);

/// "Show solution": reveals every step, shows the instruction pane again and returns the whole
/// solution (nothing, and nothing changed, outside a troubleshooting scenario in Learn Mode).
std::vector<StyledRun> revealSolution(Simulator& sim);

/// The part of a solution text that `revealed` steps uncover: its title and introduction with
/// the first steps, up to the next step heading; the whole text once every step is revealed, and
/// nothing before the first.
std::string revealedSolutionText(std::string_view solution, int revealed);

}  // namespace kovrel

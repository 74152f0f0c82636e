// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/hints.h"

#include <algorithm>

#include "base/command_matching.h"
#include "base/simulator.h"
#include "training/instructions.h"
#include "training/lesson_steps.h"

namespace kovrel {
namespace {

// A solution written without step headings is revealed whole, as one hint.
int solutionStepCount(std::string_view solution) {
  if (solution.empty()) return 0;
  return std::max(1, static_cast<int>(lessonSteps(solution).size()));
}

// Reveals up to `count` more steps and draws the pane afresh; false when no hint is offered.
bool reveal(Simulator& sim, int count) {
  TrainingState& training = sim.state.training;
  const SolutionHints hints = solutionHints(training);
  if (hints.state != HintState::offered) return false;
  training.solutionStepsRevealed = std::min(hints.steps, hints.revealed + count);
  showRuns(training.panes.instructions, instructionPaneRuns(training), true);
  return true;
}

}  // namespace

SolutionHints solutionHints(const TrainingState& training) {
  SolutionHints hints;
  if (training.currentActivity != Activity::troubleshooting) return hints;
  hints.steps = solutionStepCount(training.solutionText);
  if (hints.steps == 0) return hints;
  hints.revealed = std::clamp(training.solutionStepsRevealed, 0, hints.steps);
  if (!training.learnMode) {
    hints.state = HintState::testMode;
  } else {
    hints.state = hints.revealed < hints.steps ? HintState::offered : HintState::allRevealed;
  }
  return hints;
}

std::vector<StyledRun> revealHint(Simulator& sim) {
  const TrainingState& training = sim.state.training;
  if (!reveal(sim, 1)) return {};
  const std::vector<LessonStep> steps = lessonSteps(training.solutionText);
  if (steps.empty()) return renderInstructions(training.solutionText, true);
  return stepRuns(steps[static_cast<std::size_t>(training.solutionStepsRevealed - 1)], true);
}

std::vector<StyledRun> revealSolution(Simulator& sim) {
  const TrainingState& training = sim.state.training;
  const HintState state = solutionHints(training).state;
  if (state != HintState::offered && state != HintState::allRevealed) return {};
  reveal(sim, solutionStepCount(training.solutionText));
  return renderInstructions(training.solutionText, true);
}

std::string revealedSolutionText(std::string_view solution, int revealed) {
  if (revealed <= 0) return {};
  const std::vector<std::string> lines = splitLessonLines(solution);
  std::string text;
  int headings = 0;
  // The first line is the title, even when it reads like a step heading.
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0 && isStepHeading(lines[i]) && ++headings > revealed) break;
    if (i > 0) text += "\r\n";
    text += lines[i];
  }
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) {
    text.pop_back();
  }
  return text;
}

}  // namespace kovrel

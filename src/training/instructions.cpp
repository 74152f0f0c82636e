// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/instructions.h"

#include "base/command_matching.h"
#include "base/simulator.h"
#include "training/hints.h"

namespace kovrel {
namespace {

// Lesson texts mark the commands a student types by single quotes; the quotes are not shown.
constexpr char kBoldMark = '\'';

std::vector<std::string_view> splitOn(std::string_view text, char separator) {
  std::vector<std::string_view> pieces;
  std::size_t start = 0;
  while (true) {
    const auto found = text.find(separator, start);
    pieces.push_back(text.substr(start, found - start));
    if (found == std::string_view::npos) return pieces;
    start = found + 1;
  }
}

}  // namespace

std::vector<std::string> splitLessonLines(std::string_view text) {
  std::vector<std::string> lines;
  for (std::string_view line : splitOn(text, '\n')) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
  }
  return lines;
}

std::string_view firstWord(std::string_view line) {
  const std::string_view trimmed = trimBlanks(line);
  return trimmed.substr(0, trimmed.find(' '));
}

bool isStepHeading(std::string_view line) {
  return firstWord(line).find("Step") != std::string_view::npos;
}

std::string numberStep(std::string_view line, int stepNumber) {
  return replaceAll(std::string(line), "Step:", "Step" + std::to_string(stepNumber) + ":");
}

void appendDisplayLine(std::vector<StyledRun>& runs, std::string_view line, bool isTitle,
                       int& stepCounter) {
  std::string text(trimBlanks(line));
  TextStyle style = isTitle ? kTitleStyle : kBodyStyle;
  if (isTitle) stepCounter = 0;
  if (isStepHeading(text)) {
    text = numberStep(text, ++stepCounter);
    style.pointSize = 12;
    style.underline = true;
  } else if (!isTitle && text.starts_with("# ")) {
    text = std::string(trimBlanks(std::string_view(text).substr(2)));
    style = kSectionStyle;
  }
  const std::vector<std::string_view> segments = splitOn(text, kBoldMark);
  appendRun(runs, isTitle ? std::string(segments[0]) : "\n" + std::string(segments[0]), style);
  for (std::size_t k = 1; k < segments.size(); ++k) {
    // A title stays bold on both sides of a quoted command.
    style.bold = isTitle || k % 2 == 1;
    appendRun(runs, segments[k], style);
  }
}

std::vector<StyledRun> renderInstructions(std::string_view text, bool learnMode) {
  std::vector<StyledRun> runs;
  const std::vector<std::string> lines = splitLessonLines(text);
  bool stepsSeen = false;
  int stepCounter = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (trimBlanks(lines[i]).empty()) {
      if (i > 0) appendRun(runs, "\n", kBodyStyle);
    } else if (i == 0) {
      appendDisplayLine(runs, lines[i], true, stepCounter);
    } else {
      const bool heading = isStepHeading(lines[i]);
      stepsSeen = stepsSeen || heading;
      if (!stepsSeen || learnMode || heading) {
        appendDisplayLine(runs, lines[i], false, stepCounter);
      }
    }
  }
  return runs;
}

std::vector<StyledRun> solutionRuns(const TrainingState& training) {
  const std::string revealed =
      revealedSolutionText(training.solutionText, training.solutionStepsRevealed);
  // Nothing revealed adds nothing, not even the blank lines before it.
  if (revealed.empty()) return {};
  std::vector<StyledRun> runs{StyledRun{"\n\n", kBodyStyle}};
  for (const StyledRun& run : renderInstructions(revealed, training.learnMode)) {
    appendRun(runs, run.text, run.style);
  }
  return runs;
}

std::vector<StyledRun> instructionPaneRuns(const TrainingState& training) {
  std::vector<StyledRun> runs = renderInstructions(training.instructionText, training.learnMode);
  if (training.learnMode && training.currentActivity == Activity::troubleshooting) {
    for (const StyledRun& run : solutionRuns(training)) appendRun(runs, run.text, run.style);
  }
  return runs;
}

void displayInstructions(Simulator& sim, bool appendSolution) {
  TrainingState& training = sim.state.training;
  if (appendSolution) {
    const std::vector<StyledRun> runs = solutionRuns(training);
    if (!runs.empty()) showRuns(training.panes.instructions, runs, false);
  } else {
    showRuns(training.panes.instructions,
             renderInstructions(training.instructionText, training.learnMode), true);
  }
}

void selectStudyMode(Simulator& sim, bool learnMode) {
  sim.state.training.learnMode = learnMode;
  displayInstructions(sim, false);
  if (learnMode && sim.state.training.currentActivity == Activity::troubleshooting) {
    displayInstructions(sim, true);
  }
}

}  // namespace kovrel

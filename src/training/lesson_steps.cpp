// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/lesson_steps.h"

#include "base/command_matching.h"
#include "training/instructions.h"

namespace kovrel {

std::vector<LessonStep> lessonSteps(std::string_view text) {
  std::vector<LessonStep> steps;
  const std::vector<std::string> lines = splitLessonLines(text);
  // The first line is the title, even when it reads like a step heading.
  for (std::size_t i = 1; i < lines.size(); ++i) {
    if (isStepHeading(lines[i])) {
      const int number = static_cast<int>(steps.size()) + 1;
      steps.push_back({number, numberStep(trimBlanks(lines[i]), number), {}});
    } else if (!steps.empty()) {
      steps.back().details.push_back(lines[i]);
    }
  }
  for (LessonStep& step : steps) {
    while (!step.details.empty() && trimBlanks(step.details.back()).empty()) {
      step.details.pop_back();
    }
  }
  return steps;
}

std::vector<StyledRun> stepRuns(const LessonStep& step, bool learnMode) {
  std::vector<StyledRun> runs;
  // The heading carries its number already, so counting it again changes nothing in it.
  int stepCounter = step.number - 1;
  appendDisplayLine(runs, step.heading, false, stepCounter);
  if (!runs.empty() && runs.front().text.starts_with('\n')) runs.front().text.erase(0, 1);
  if (!learnMode) return runs;
  for (const std::string& line : step.details) {
    if (trimBlanks(line).empty()) {
      appendRun(runs, "\n", kBodyStyle);
    } else {
      appendDisplayLine(runs, line, false, stepCounter);
    }
  }
  return runs;
}

std::string_view studyModeName(bool learnMode) { return learnMode ? "Learn Mode" : "Test Mode"; }

}  // namespace kovrel

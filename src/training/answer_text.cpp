// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/answer_text.h"

#include "base/command_matching.h"
#include "base/simulator.h"
#include "training/instructions.h"

namespace kovrel {
namespace {

bool contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

// The style of one word of a report line: the verdict and the grade stand out.
TextStyle wordStyle(TextStyle lineStyle, std::string_view word) {
  if (contains(word, "Incorrect")) lineStyle.italic = true;
  if (contains(word, "Fail")) lineStyle.colour = TextColour::red;
  if (contains(word, "Pass")) lineStyle.colour = TextColour::green;
  return lineStyle;
}

// Writes one word followed by a blank. A quote inside the word switches bold for the rest of the
// line and is not shown, so a quoted phrase may span several words.
void appendWord(std::vector<StyledRun>& runs, std::string_view word, TextStyle style, bool& bold) {
  std::size_t start = 0;
  for (std::size_t quote = word.find('\''); quote != std::string_view::npos;
       quote = word.find('\'', start)) {
    style.bold = bold;
    appendRun(runs, word.substr(start, quote - start), style);
    bold = !bold;
    start = quote + 1;
  }
  style.bold = bold;
  appendRun(runs, std::string(word.substr(start)) + " ", style);
}

}  // namespace

void appendAnswerLine(std::vector<StyledRun>& runs, std::string_view line, bool centred,
                      int& stepCounter) {
  TextStyle style = kBodyStyle;
  if (centred) style.alignment = TextAlignment::centre;
  std::string text(line);
  if (isStepHeading(text)) {
    text = numberStep(text, ++stepCounter);
    style.underline = true;
  }
  appendRun(runs, "\n", style);
  bool bold = false;
  for (const std::string& word : splitWords(text))
    appendWord(runs, word, wordStyle(style, word), bold);
}

std::vector<StyledRun> renderAnswerText(std::string_view report) {
  std::vector<StyledRun> runs;
  const std::vector<std::string> lines = splitLessonLines(report);
  int stepCounter = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (trimBlanks(lines[i]).empty()) {
      if (i > 0) appendRun(runs, "\n", kBodyStyle);
    } else if (i == 0 || contains(lines[i], "Solution")) {
      // A later title takes the paragraph a blank line opened, or a paragraph of its own.
      if (!runs.empty() && runs.back().text.back() != '\n') appendRun(runs, "\n", kTitleStyle);
      appendDisplayLine(runs, lines[i], true, stepCounter);
    } else {
      appendAnswerLine(runs, lines[i], i == 1, stepCounter);
    }
  }
  return runs;
}

void displayAnswerText(Simulator& sim, std::string_view report) {
  showRuns(sim.state.training.panes.report, renderAnswerText(report), true);
}

}  // namespace kovrel

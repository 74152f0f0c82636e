// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/terminal/training_commands.h"

#include <algorithm>

#include "base/simulator.h"
#include "training/answer_text.h"
#include "training/flash_cards.h"
#include "training/grading.h"
#include "training/hints.h"
#include "training/information.h"
#include "training/instructions.h"
#include "training/lesson_steps.h"

namespace kovrel::terminal {
namespace {

using Arguments = std::span<const std::string>;

void addRichText(ProgramCommandResult& result, const std::vector<StyledRun>& runs) {
  for (const StyledRun& run : runs) appendRun(result.richText, run.text, run.style);
}

// The texts name the desktop's side-panel buttons; this terminal has a program command for each.
constexpr std::string_view kButtonEquivalents =
    "Buttons here: Ctrl-] then network, mode learn|test, router a|b, report";

bool hasInstructions(Simulator& sim, ProgramCommandResult& result) {
  if (!sim.state.training.instructionText.empty()) return true;
  result.lines.push_back("There are no instructions to show.");
  return false;
}

// The steps of the current instructions, or a line saying why there are none.
std::vector<LessonStep> currentSteps(Simulator& sim, ProgramCommandResult& result) {
  if (!hasInstructions(sim, result)) return {};
  std::vector<LessonStep> steps = lessonSteps(sim.state.training.instructionText);
  if (steps.empty()) result.lines.push_back("These instructions have no steps.");
  return steps;
}

// A text box of the viewer, CR LF between its lines.
void addBox(ProgramCommandResult& result, const std::string& box) {
  for (const std::string& line : splitLessonLines(box)) result.lines.push_back(line);
}

bool viewerOpen(Simulator& sim, ProgramCommandResult& result) {
  if (sim.state.training.currentActivity == Activity::flashCards) return true;
  result.lines.push_back("The flash cards are not open; the command 'cards' opens them.");
  return false;
}

void noCards(ProgramCommandResult& result, std::string_view button) {
  result.lines.push_back("The " + std::string(button) +
                         " button is disabled: there are no flash cards.");
}

void showInformation(Simulator& sim, std::string_view id, ProgramCommandResult& result) {
  const std::vector<StyledRun> runs = openInformation(sim, id);
  if (runs.empty()) result.lines.push_back("There is no text to show.");
  addRichText(result, runs);
}

}  // namespace

void addInstructionPane(Simulator& sim, ProgramCommandResult& result) {
  if (!hasInstructions(sim, result)) return;
  const TrainingState& training = sim.state.training;
  addRichText(result, renderInstructions(training.instructionText, training.learnMode));
  appendRun(result.richText, "\n" + std::string(kButtonEquivalents), kBodyStyle);
  if (!training.learnMode || training.currentActivity != Activity::troubleshooting) return;
  addRichText(result, solutionRuns(training));
  if (const SolutionHints hints = solutionHints(training); hints.state == HintState::offered) {
    appendRun(result.richText, "\n" + hintOffer(hints), kBodyStyle);
  }
}

std::string hintOffer(const SolutionHints& hints) {
  return "Stuck? Ctrl-] hint: the solution's next step (" + std::to_string(hints.revealed) +
         " of " + std::to_string(hints.steps) + " shown); solution: all.";
}

std::string studyModeLine(bool learnMode, bool reset) {
  if (reset) return "Study mode: back to Learn Mode for the new activity (mode test to return).";
  if (learnMode) return "Study mode: Learn Mode, every step in full (mode test: headings only).";
  return "Study mode: Test Mode, step headings only (mode learn: every step in full).";
}

void addFlashCard(Simulator& sim, ProgramCommandResult& result) {
  const FlashCardDeck& deck = sim.state.training.flashCards;
  const FlashCardView view = flashCardView(deck);
  if (!view.showAnswerEnabled) return;
  result.lines.push_back("card " + std::to_string(deck.position + 1) + " of " +
                         std::to_string(deck.cards.size()));
  addBox(result, view.questionBox);
  addBox(result, view.answerBox);
}

void showInstructionsCommand(Simulator& sim, Arguments, ProgramCommandResult& result) {
  addInstructionPane(sim, result);
}

void stepsCommand(Simulator& sim, Arguments, ProgramCommandResult& result) {
  for (const LessonStep& step : currentSteps(sim, result)) {
    if (!result.richText.empty()) appendRun(result.richText, "\n", kBodyStyle);
    addRichText(result, stepRuns(step, false));
  }
}

void stepCommand(Simulator& sim, Arguments arguments, ProgramCommandResult& result) {
  const std::vector<LessonStep> steps = currentSteps(sim, result);
  if (steps.empty()) return;
  const std::string& wanted = arguments[0];
  const auto step = std::find_if(steps.begin(), steps.end(), [&](const LessonStep& each) {
    return std::to_string(each.number) == wanted;
  });
  if (step == steps.end()) {
    result.lines.push_back("There are steps 1 to " + std::to_string(steps.size()) + ".");
    return;
  }
  const bool learnMode = sim.state.training.learnMode;
  addRichText(result, stepRuns(*step, learnMode));
  if (!learnMode) {
    appendRun(result.richText, "\n(Test Mode shows the heading only; mode learn shows the step.)",
              kBodyStyle);
  }
}

void modeCommand(Simulator& sim, Arguments, ProgramCommandResult& result) {
  result.lines.push_back(studyModeLine(sim.state.training.learnMode, false));
}

void learnModeCommand(Simulator& sim, Arguments, ProgramCommandResult& result) {
  selectStudyMode(sim, true);
  addInstructionPane(sim, result);
}

void testModeCommand(Simulator& sim, Arguments, ProgramCommandResult& result) {
  selectStudyMode(sim, false);
  addInstructionPane(sim, result);
}

void reportCommand(Simulator& sim, Arguments, ProgramCommandResult& result) {
  const Activity activity = sim.state.training.currentActivity;
  if (activity != Activity::test && activity != Activity::testReport) {
    result.lines.push_back("There is no test to grade; start a test first.");
    return;
  }
  addRichText(result, renderAnswerText(openTestReport(sim)));
}

void cardsCommand(Simulator& sim, Arguments, ProgramCommandResult& result) {
  const FlashCardView view = openFlashCards(sim);
  if (!view.showAnswerEnabled) {
    result.lines.push_back("There are no flash cards to show.");
    return;
  }
  result.openCardViewer = true;
  result.lines.emplace_back(kCardKeys);
  addFlashCard(sim, result);
}

void cardNextCommand(Simulator& sim, Arguments, ProgramCommandResult& result) {
  if (!viewerOpen(sim, result)) return;
  const FlashCardView before = flashCardView(sim.state.training.flashCards);
  if (!before.showAnswerEnabled) return noCards(result, "forward");
  if (!before.forwardEnabled) {
    result.lines.push_back("The forward button is disabled: this is the last card.");
    return;
  }
  flashCardForward(sim);
  addFlashCard(sim, result);
}

void cardBackCommand(Simulator& sim, Arguments, ProgramCommandResult& result) {
  if (!viewerOpen(sim, result)) return;
  const FlashCardView before = flashCardView(sim.state.training.flashCards);
  if (!before.showAnswerEnabled) return noCards(result, "back");
  if (!before.backEnabled) {
    result.lines.push_back("The back button is disabled: this is the first card.");
    return;
  }
  flashCardBack(sim);
  addFlashCard(sim, result);
}

void cardAnswerCommand(Simulator& sim, Arguments, ProgramCommandResult& result) {
  if (!viewerOpen(sim, result)) return;
  if (!flashCardView(sim.state.training.flashCards).showAnswerEnabled) {
    return noCards(result, "Show Answer");
  }
  flashCardShowAnswer(sim);
  addFlashCard(sim, result);
}

void infoWelcomeCommand(Simulator& sim, Arguments, ProgramCommandResult& result) {
  showInformation(sim, "welcomeText", result);
}

void infoStudyPlanCommand(Simulator& sim, Arguments, ProgramCommandResult& result) {
  showInformation(sim, "studyPlan", result);
}

void infoDisclaimerCommand(Simulator& sim, Arguments, ProgramCommandResult& result) {
  showInformation(sim, "disclaimer", result);
}

}  // namespace kovrel::terminal

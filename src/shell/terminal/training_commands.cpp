#include "shell/terminal/training_commands.h"

#include "base/simulator.h"
#include "training/answer_text.h"
#include "training/flash_cards.h"
#include "training/grading.h"
#include "training/information.h"
#include "training/instructions.h"

namespace kovrel::terminal {
namespace {

using Arguments = std::span<const std::string>;

void addRichText(ProgramCommandResult& result, const std::vector<StyledRun>& runs) {
  for (const StyledRun& run : runs) appendRun(result.richText, run.text, run.style);
}

void showInstructionPane(Simulator& sim, ProgramCommandResult& result) {
  if (sim.state.training.instructionText.empty()) {
    result.lines.push_back("There are no instructions to show.");
    return;
  }
  addRichText(result, instructionPaneRuns(sim.state.training));
}

// A text box of the viewer, CR LF between its lines.
void addBox(ProgramCommandResult& result, const std::string& box) {
  for (const std::string& line : splitLessonLines(box)) result.lines.push_back(line);
}

void showCard(ProgramCommandResult& result, const FlashCardView& view) {
  addBox(result, view.questionBox);
  addBox(result, view.answerBox);
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

void showInstructionsCommand(Simulator& sim, Arguments, ProgramCommandResult& result) {
  showInstructionPane(sim, result);
}

void learnModeCommand(Simulator& sim, Arguments, ProgramCommandResult& result) {
  selectStudyMode(sim, true);
  showInstructionPane(sim, result);
}

void testModeCommand(Simulator& sim, Arguments, ProgramCommandResult& result) {
  selectStudyMode(sim, false);
  showInstructionPane(sim, result);
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
  showCard(result, view);
}

void cardNextCommand(Simulator& sim, Arguments, ProgramCommandResult& result) {
  if (!viewerOpen(sim, result)) return;
  const FlashCardView before = flashCardView(sim.state.training.flashCards);
  if (!before.showAnswerEnabled) return noCards(result, "forward");
  if (!before.forwardEnabled) {
    result.lines.push_back("The forward button is disabled: this is the last card.");
    return;
  }
  showCard(result, flashCardForward(sim));
}

void cardBackCommand(Simulator& sim, Arguments, ProgramCommandResult& result) {
  if (!viewerOpen(sim, result)) return;
  const FlashCardView before = flashCardView(sim.state.training.flashCards);
  if (!before.showAnswerEnabled) return noCards(result, "back");
  if (!before.backEnabled) {
    result.lines.push_back("The back button is disabled: this is the first card.");
    return;
  }
  showCard(result, flashCardBack(sim));
}

void cardAnswerCommand(Simulator& sim, Arguments, ProgramCommandResult& result) {
  if (!viewerOpen(sim, result)) return;
  if (!flashCardView(sim.state.training.flashCards).showAnswerEnabled) {
    return noCards(result, "Show Answer");
  }
  showCard(result, flashCardShowAnswer(sim));
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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/terminal/program_commands.h"

#include <algorithm>
#include <sstream>
#include <utility>

#include "base/error_log.h"
#include "base/simulator.h"
#include "console/keyboard.h"
#include "shell/terminal/feedback_commands.h"
#include "shell/terminal/scenario_commands.h"
#include "shell/terminal/training_commands.h"

namespace kovrel::terminal {
namespace {

std::vector<std::string> splitWords(std::string_view line) {
  std::istringstream stream{std::string(line)};
  std::vector<std::string> words;
  for (std::string word; stream >> word;) words.push_back(word);
  return words;
}

std::vector<std::string> nameWords(const ProgramCommand& command) {
  return splitWords(command.name);
}

void quit(Simulator&, std::span<const std::string>, ProgramCommandResult& result) {
  result.quit = true;
}

std::string usageOf(const ProgramCommand& command) {
  std::string usage(command.name);
  for (const std::string_view argument : command.argumentNames)
    usage += " " + std::string(argument);
  return usage;
}

// The usages of every row that shares the line's first word, so that "mode frobnicate" names
// "mode", "mode learn" and "mode test".
std::string usagesFor(std::string_view firstWord) {
  std::string usages;
  for (const ProgramCommand& command : programCommands()) {
    if (nameWords(command).front() != firstWord) continue;
    usages += (usages.empty() ? "Usage: " : ", ") + usageOf(command);
  }
  return usages;
}

bool argumentsFit(const ProgramCommand& command, std::size_t count) {
  std::size_t required = 0;
  for (const std::string_view argument : command.argumentNames) {
    if (!argument.starts_with('[')) ++required;
    if (argument.ends_with("...]") || argument.ends_with("...")) return count >= required;
  }
  return count >= required && count <= command.argumentNames.size();
}

void help(Simulator&, std::span<const std::string>, ProgramCommandResult& result) {
  result.lines.push_back("Program commands (after Ctrl-], ended by Enter; Tab completes a name):");
  std::size_t width = 0;
  for (const ProgramCommand& command : programCommands()) {
    width = std::max(width, usageOf(command).size());
  }
  for (const ProgramCommand& command : programCommands()) {
    std::string usage = "  " + usageOf(command);
    usage.resize(width + 4, ' ');
    result.lines.push_back(usage + std::string(command.summary));
  }
}

// The row whose name words begin the line; the longest name wins ("card next" before "card").
const ProgramCommand* findCommand(const std::vector<std::string>& words) {
  const ProgramCommand* found = nullptr;
  std::size_t foundLength = 0;
  for (const ProgramCommand& command : programCommands()) {
    const std::vector<std::string> name = nameWords(command);
    if (name.size() <= foundLength || name.size() > words.size()) continue;
    if (std::equal(name.begin(), name.end(), words.begin())) {
      found = &command;
      foundLength = name.size();
    }
  }
  return found;
}

ProgramCommandResult runProgramCommandOnce(Simulator& sim, std::string_view line,
                                           bool replaceAgreed) {
  ProgramCommandResult result;
  result.replaceAgreed = replaceAgreed;
  const std::vector<std::string> words = splitWords(line);
  if (words.empty()) return result;
  const ProgramCommand* command = findCommand(words);
  if (command == nullptr) {
    const std::string usages = usagesFor(words.front());
    // The reply names no commands, so it stays the same as rows are added.
    result.lines.push_back(!usages.empty() ? usages
                                           : "Unknown program command \"" + words.front() +
                                                 "\". Type help for the list.");
    return result;
  }
  const std::size_t nameLength = nameWords(*command).size();
  const std::span<const std::string> arguments(words.data() + nameLength,
                                               words.size() - nameLength);
  if (!argumentsFit(*command, arguments.size())) {
    result.lines.push_back(usagesFor(words.front()));
    return result;
  }
  trapped(sim, "programCommand", [&] { command->run(sim, arguments, result); });
  return result;
}

}  // namespace

std::span<const ProgramCommand> programCommands() {
  static const std::vector<ProgramCommand> kCommands = {
      {"quit", {}, "end the program", quit},
      {"help", {}, "list the program commands", help},
      {"labs", {}, "list the labs by group: numbers, keys, a tick when done", labsCommand},
      {"lab", {"[NAME...]"}, "start a lab by key, number or caption; alone, list them", labCommand},
      {"tests", {}, "list the tests", testsCommand},
      {"test", {"[N]"}, "start test N from a fresh router", testCommand},
      {"troubleshootings", {}, "list the troubleshooting scenarios", troubleshootingsCommand},
      {"troubleshooting", {"[N]"}, "start troubleshooting scenario N", troubleshootingCommand},
      {"router a", {}, "bring RouterA to the console (two-router activities)", routerACommand},
      {"router b", {}, "bring RouterB to the console (two-router activities)", routerBCommand},
      {"network", {}, "draw the current scenario's network", networkCommand},
      {"instructions", {}, "show the current instructions again", showInstructionsCommand},
      {"steps", {}, "list the step headings of the instructions", stepsCommand},
      {"step", {"N"}, "show step N of the instructions alone", stepCommand},
      {"mode", {}, "name the study mode in use", modeCommand},
      {"mode learn", {}, "Learn Mode: show every step of the instructions", learnModeCommand},
      {"mode test", {}, "Test Mode: show the step headings only", testModeCommand},
      {"report", {}, "grade the current test and show the report", reportCommand},
      {"check",
       {},
       "tick the steps of the current lab, or say whether the scenario is solved",
       checkCommand},
      {"reset", {}, "start the current activity afresh from a clean router", resetCommand},
      {"progress", {}, "labs done, test scores, scenarios solved and cards due", progressCommand},
      {"hint", {}, "troubleshooting in Learn Mode: reveal the solution's next step", hintCommand},
      {"solution", {}, "troubleshooting in Learn Mode: reveal the whole solution", solutionCommand},
      {"topic",
       {"[NAME...]"},
       "study the flash cards of one topic (all: every card)",
       topicCommand},
      {"cards", {}, "open the flash cards, shuffled, on single keys (q leaves)", cardsCommand},
      {"card next", {}, "the next flash card", cardNextCommand},
      {"card back", {}, "the previous flash card", cardBackCommand},
      {"card answer", {}, "reveal the answer of the flash card", cardAnswerCommand},
      {"info welcome", {}, "show the welcome text", infoWelcomeCommand},
      {"info studyPlan", {}, "show the study plan", infoStudyPlanCommand},
      {"info disclaimer", {}, "show the disclaimer and terms of use", infoDisclaimerCommand},
  };
  return kCommands;
}

ProgramCommandResult runProgramCommand(Simulator& sim, std::string_view line, const AskYesNo& ask) {
  ProgramCommandResult result = runProgramCommandOnce(sim, line, false);
  if (result.question.empty()) return result;
  if (ask && ask(result.question)) return runProgramCommandOnce(sim, line, true);
  ProgramCommandResult declined;
  declined.lines.emplace_back("Nothing was started; the activity in progress goes on.");
  return declined;
}

}  // namespace kovrel::terminal

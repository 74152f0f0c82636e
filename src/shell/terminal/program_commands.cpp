#include "shell/terminal/program_commands.h"

#include <algorithm>
#include <sstream>
#include <utility>

#include "base/error_log.h"
#include "base/simulator.h"
#include "console/keyboard.h"
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

void help(Simulator&, std::span<const std::string>, ProgramCommandResult& result) {
  result.lines.push_back("Program commands (after Ctrl-], ended by Enter):");
  for (const ProgramCommand& command : programCommands()) {
    std::string usage = "  " + usageOf(command);
    usage.resize(std::max<std::size_t>(usage.size() + 2, 22), ' ');
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

}  // namespace

std::span<const ProgramCommand> programCommands() {
  // Later front-end commands (labs, tests, router switch, instructions, flash cards) are rows here.
  static const std::vector<ProgramCommand> kCommands = {
      {"quit", {}, "end the program", quit},
      {"help", {}, "list the program commands", help},
      {"lab", {"KEY"}, "start the lab KEY (aboutTheLabs, routerModes, ...)", labCommand},
      {"test", {"N"}, "start test N (1 to 3) from a fresh router", testCommand},
      {"troubleshooting",
       {"N"},
       "start troubleshooting scenario N (1 to 6)",
       troubleshootingCommand},
      {"router a", {}, "bring RouterA to the console (troubleshooting 4 to 6)", routerACommand},
      {"router b", {}, "bring RouterB to the console (troubleshooting 4 to 6)", routerBCommand},
      {"network", {}, "draw the current scenario's network", networkCommand},
      {"instructions", {}, "show the current instructions", showInstructionsCommand},
      {"mode learn", {}, "Learn Mode: show every step of the instructions", learnModeCommand},
      {"mode test", {}, "Test Mode: show the step headings only", testModeCommand},
      {"report", {}, "grade the current test and show the report", reportCommand},
      {"cards", {}, "open the flash cards, freshly shuffled", cardsCommand},
      {"card next", {}, "the next flash card", cardNextCommand},
      {"card back", {}, "the previous flash card", cardBackCommand},
      {"card answer", {}, "reveal the answer of the flash card", cardAnswerCommand},
      {"info welcome", {}, "show the welcome text", infoWelcomeCommand},
      {"info studyPlan", {}, "show the study plan", infoStudyPlanCommand},
      {"info disclaimer", {}, "show the disclaimer and terms of use", infoDisclaimerCommand},
  };
  return kCommands;
}

ProgramCommandResult runProgramCommand(Simulator& sim, std::string_view line) {
  ProgramCommandResult result;
  const std::vector<std::string> words = splitWords(line);
  if (words.empty()) return result;
  const ProgramCommand* command = findCommand(words);
  if (command == nullptr) {
    // The reply names no commands, so it stays the same as rows are added.
    result.lines.push_back("Unknown program command \"" + std::string(words.front()) +
                           "\". Type help for the list.");
    return result;
  }
  const std::size_t nameLength = nameWords(*command).size();
  const std::span<const std::string> arguments(words.data() + nameLength,
                                               words.size() - nameLength);
  if (arguments.size() != command->argumentNames.size()) {
    result.lines.push_back("Usage: " + usageOf(*command));
    return result;
  }
  trapped(sim, "programCommand", [&] { command->run(sim, arguments, result); });
  return result;
}

std::optional<std::string> ProgramCommandLine::feed(const KeyEvent& event) {
  if (!active_ || event.kind != KeyEventKind::press) return std::nullopt;
  const bool abandoned = event.keyCode == key::kEscape || (event.ctrl && event.keyCode == 'C');
  if (event.keyCode == key::kEnter || abandoned) {
    active_ = false;
    return abandoned ? std::string() : std::exchange(text_, {});
  }
  if (event.keyCode == key::kBackspace) {
    if (!text_.empty()) text_.pop_back();
  } else if (!event.ctrl && event.character >= 0x20 && event.character < 0x7F) {
    text_.push_back(static_cast<char>(event.character));
  }
  return std::nullopt;
}

}  // namespace kovrel::terminal

// SPDX-License-Identifier: GPL-3.0-or-later
#include "console/configure_command.h"

#include "base/command_matching.h"
#include "base/output.h"

namespace kovrel {
namespace {

constexpr std::string_view kSourceQuestion =
    "Configuring from terminal, memory, or network [terminal]?";

void enterConfiguration(Simulator& sim) {
  writeConsoleLine(sim, "Enter configuration commands, one per line.  End with CNTL/Z.");
  enterMode(sim, CliMode::conf);
  resetInput(sim);
}

bool isPrefixOfTerminal(std::string_view word) {
  return !word.empty() && std::string_view("terminal").starts_with(word);
}

}  // namespace

std::string questionAnswer(const Simulator& sim, std::string_view line) {
  const std::size_t promptLength = sim.state.current.prompt.size();
  const std::string_view typed = line.size() > promptLength ? line.substr(promptLength) : "";
  return toLower(trimBlanks(typed));
}

void configureCommand(Simulator& sim, const CommandInput& input) {
  if (sim.router().mode != CliMode::priv) {
    unknownCommand(sim);
    return;
  }
  const auto& words = input.words;
  if (words.size() >= 3) {
    invalidInput(sim);
  } else if (words.size() == 2) {
    if (words[1] == "memory" || words[1] == "network") return;
    if (isPrefixOfTerminal(words[1])) {
      enterConfiguration(sim);
    } else {
      invalidInput(sim);
    }
  } else {
    askQuestion(sim, std::string(kSourceQuestion), Interaction::configureSource);
  }
}

void answerConfigureSource(Simulator& sim, std::string_view line) {
  const std::string answer = questionAnswer(sim, line);
  sim.setInteraction(Interaction::none);
  sim.router().prompt = sim.router().savedPrompt;
  if (answer == "terminal" || answer == "term") {
    enterConfiguration(sim);
  } else if (answer != "memory" && answer != "network") {
    writeConsoleLine(sim, "?Must be 'terminal', 'memory' or 'network'");
  }
}

}  // namespace kovrel

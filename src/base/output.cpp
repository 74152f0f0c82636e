// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/output.h"

#include <algorithm>
#include <vector>

namespace kovrel {
namespace {

// The columns at which the typed words of an entered line begin.
std::vector<std::size_t> typedWordStarts(const EnteredLine& entered) {
  std::vector<std::size_t> starts;
  const std::string& line = entered.text;
  std::size_t at = std::min(entered.typedFrom, line.size());
  while ((at = line.find_first_not_of(' ', at)) != std::string::npos) {
    starts.push_back(at);
    at = line.find(' ', at);
    if (at == std::string::npos) break;
  }
  return starts;
}

}  // namespace

void appendConsoleLine(Simulator& sim, std::string_view text, bool helpLine) {
  if (text.empty()) return;
  bool emphasised = false;
  if (sim.state.console.helpListingActive) {
    if (helpLine) {
      emphasised = text.front() == '$';
      if (emphasised) text.remove_prefix(1);
    } else {
      const auto& lookup = sim.state.console.helpEmphasis;
      emphasised = lookup && lookup(text);
    }
  }
  sim.console.appendOutput("\r\n");
  sim.console.appendOutput(text, emphasised);
}

void writeConsoleLine(Simulator& sim, std::string_view text, bool helpLine, bool sameLine) {
  if (sameLine) {
    sim.console.appendOutput(text);
    return;
  }
  appendConsoleLine(sim, text, helpLine);
  resetInput(sim);
}

void resetInput(Simulator& sim) { sim.console.setInput(sim.router().prompt); }

std::string modePrompt(const Simulator& sim, CliMode mode) {
  if (mode == CliMode::none) return {};
  return sim.state.current.config.hostname + promptSuffix(mode);
}

void enterMode(Simulator& sim, CliMode mode) {
  sim.router().mode = mode;
  sim.router().prompt = modePrompt(sim, mode);
}

void askQuestion(Simulator& sim, const std::string& question, Interaction interaction) {
  sim.router().savedPrompt = sim.router().prompt;
  sim.router().prompt = question;
  sim.setInteraction(interaction);
  sim.console.setInput(question);
}

void pauseConsole(Simulator& sim, int milliseconds) {
  if (sim.state.console.pasting) return;
  sim.console.refresh();
  sim.services.pauser.pause(milliseconds);
}

bool pauseConsoleUnlessEscaped(Simulator& sim, int milliseconds) {
  if (sim.state.console.pasting) return false;
  sim.console.refresh();
  return sim.services.pauser.pauseUnlessEscaped(milliseconds);
}

void noteEnteredLine(Simulator& sim, std::string_view line) {
  const std::string& prompt = sim.router().prompt;
  const std::size_t found = prompt.empty() ? std::string_view::npos : line.find(prompt);
  sim.state.console.entered = EnteredLine{
      std::string(line), found == std::string_view::npos ? 0 : found + prompt.size(), std::nullopt};
}

void markUnmatchedWord(Simulator& sim, std::size_t word, std::size_t wordCount) {
  EnteredLine& entered = sim.state.console.entered;
  const std::size_t typed = typedWordStarts(entered).size();
  if (wordCount == typed && word < typed) entered.unmatchedWord = word;
}

void incompleteCommand(Simulator& sim) {
  writeConsoleLine(sim, "% Incomplete command.");
  writeConsoleLine(sim, " ");
}

void invalidInput(Simulator& sim) {
  const EnteredLine& entered = sim.state.console.entered;
  const std::vector<std::size_t> starts = typedWordStarts(entered);
  std::size_t word = entered.unmatchedWord.value_or(1);
  if (word >= starts.size())
    word = starts.empty() ? 0 : std::min<std::size_t>(1, starts.size() - 1);
  const std::size_t column = starts.empty() ? entered.typedFrom : starts[word];
  writeConsoleLine(sim, std::string(column, ' ') + "^");
  writeConsoleLine(sim, "% Invalid input detected at '^' marker.");
}

void unrecognizedCommand(Simulator& sim) {
  sim.state.console.helpListingActive = false;
  writeConsoleLine(sim, "% Unrecognized command");
}

void ambiguousCommand(Simulator& sim, std::string_view typed) {
  writeConsoleLine(sim, "% Ambiguous command:  \"" + std::string(typed) + "\"");
}

void notAvailableCommand(Simulator& sim) {
  writeConsoleLine(sim, "% This command is not available in the simulator");
}

void unknownCommand(Simulator& sim) {
  if (sim.router().mode == CliMode::user) {
    writeConsoleLine(sim, "% Unknown command or computer name, or unable to find computer address");
  } else {
    invalidInput(sim);
  }
}

}  // namespace kovrel

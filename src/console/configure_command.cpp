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

FormOutcome configureFromTerminal(Simulator& sim, const Words&) {
  enterConfiguration(sim);
  return FormOutcome::done;
}

FormOutcome askSource(Simulator& sim, const Words&) {
  askQuestion(sim, std::string(kSourceQuestion), Interaction::configureSource);
  return FormOutcome::done;
}

FormOutcome takeNoSource(Simulator&, const Words&) { return FormOutcome::done; }

constexpr CommandForm kConfigureForms[] = {
    {"configure", askSource},
    {"configure terminal", configureFromTerminal},
    {"configure memory", takeNoSource},
    {"configure network", takeNoSource},
};

// The answer names a source by any beginning of its name; an empty answer takes the default.
bool names(std::string_view answer, std::string_view source) {
  return !answer.empty() && source.starts_with(answer);
}

}  // namespace

std::string questionAnswer(const Simulator& sim, std::string_view line) {
  const std::size_t promptLength = sim.state.current.prompt.size();
  const std::string_view typed = line.size() > promptLength ? line.substr(promptLength) : "";
  return toLower(trimBlanks(typed));
}

std::span<const CommandForm> configureForms() { return kConfigureForms; }

void answerConfigureSource(Simulator& sim, std::string_view line) {
  const std::string answer = questionAnswer(sim, line);
  sim.setInteraction(Interaction::none);
  sim.router().prompt = sim.router().savedPrompt;
  if (answer.empty() || names(answer, "terminal")) {
    enterConfiguration(sim);
  } else if (!names(answer, "memory") && !names(answer, "network")) {
    writeConsoleLine(sim, "?Must be 'terminal', 'memory' or 'network'");
  }
}

}  // namespace kovrel

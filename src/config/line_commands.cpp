// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/line_commands.h"

#include "base/command_matching.h"
#include "base/ip_arithmetic.h"
#include "base/output.h"
#include "config/command_forms.h"

namespace kovrel {
namespace {

constexpr int kMaxTimeoutMinutes = 35791;
constexpr int kMaxTimeoutSeconds = 2147483;

FormOutcome selectLine(Simulator& sim, TerminalLine line) {
  sim.router().currentLine = line;
  enterMode(sim, CliMode::configLine);
  return FormOutcome::done;
}

constexpr CommandForm kLineForms[] = {
    {"line aux 0", [](Simulator& sim, const Words&) { return selectLine(sim, TerminalLine::aux); }},
    {"line console 0",
     [](Simulator& sim, const Words&) { return selectLine(sim, TerminalLine::console); }},
    {"line vty 0 4",
     [](Simulator& sim, const Words&) { return selectLine(sim, TerminalLine::vty); }},
};

// Changes a field of the line selected by the last "line" command.
template <typename Change>
FormOutcome changeSelectedLine(Simulator& sim, Change change) {
  const TerminalLine selected = sim.state.current.currentLine;
  if (selected == TerminalLine::none) return refuseValue(sim);
  change(sim.running().line(selected));
  return FormOutcome::done;
}

FormOutcome setPassword(Simulator& sim, const Words& words) {
  const bool encrypted = sim.running().passwordEncryption;
  return changeSelectedLine(sim, [&](LineConfig& line) {
    line.password = words[1];
    line.passwordEncrypted = encrypted;
  });
}

FormOutcome setLogin(Simulator& sim, const Words&) {
  return changeSelectedLine(sim, [](LineConfig& line) { line.login = true; });
}

FormOutcome clearLogin(Simulator& sim, const Words&) {
  return changeSelectedLine(sim, [](LineConfig& line) { line.login = false; });
}

FormOutcome setLoggingSynchronous(Simulator& sim, const Words&) {
  return changeSelectedLine(sim, [](LineConfig& line) { line.loggingSynchronous = true; });
}

FormOutcome clearLoggingSynchronous(Simulator& sim, const Words&) {
  return changeSelectedLine(sim, [](LineConfig& line) { line.loggingSynchronous = false; });
}

// An exec-timeout number: shorter than 8 characters, within the bounds.
std::optional<int> timeoutValue(std::string_view word, int highest) {
  constexpr std::size_t kLongestTimeoutWord = 7;
  return boundedNumber(word, kLongestTimeoutWord, 0, highest);
}

// Minutes alone mean whole minutes: the seconds go back to 0.
FormOutcome setTimeoutMinutes(Simulator& sim, const Words& words) {
  const auto minutes = timeoutValue(words[1], kMaxTimeoutMinutes);
  if (!minutes) return refuseValue(sim);
  return changeSelectedLine(sim, [&](LineConfig& line) {
    line.execTimeoutMinutes = *minutes;
    line.execTimeoutSeconds = 0;
  });
}

FormOutcome setTimeout(Simulator& sim, const Words& words) {
  const auto minutes = timeoutValue(words[1], kMaxTimeoutMinutes);
  const auto seconds = timeoutValue(words[2], kMaxTimeoutSeconds);
  if (!minutes || !seconds) return refuseValue(sim);
  return changeSelectedLine(sim, [&](LineConfig& line) {
    line.execTimeoutMinutes = *minutes;
    line.execTimeoutSeconds = *seconds;
  });
}

constexpr CommandForm kPasswordForms[] = {{"password variable", setPassword}};
constexpr CommandForm kLoginForms[] = {{"login", setLogin}};
constexpr CommandForm kNoLoginForms[] = {
    {"no login", clearLogin},
    {"no logging synchronous", clearLoggingSynchronous},
};
constexpr CommandForm kLoggingForms[] = {{"logging synchronous", setLoggingSynchronous}};
constexpr CommandForm kExecTimeoutForms[] = {
    {"exec-timeout variable", setTimeoutMinutes},
    {"exec-timeout variable variable", setTimeout},
};

}  // namespace

void lineSelectionCommand(Simulator& sim, const CommandInput& input) {
  // "con" is the console's short name; the other lines have none.
  const std::string text =
      replaceAll(normalizeCommandLine(input.line, sim.router().prompt), "con ", "console ");
  runCommandForms(sim, splitWords(text), kLineForms);
}

void passwordCommand(Simulator& sim, const CommandInput& input) {
  runCommandForms(sim, input.words, kPasswordForms);
}

void loginCommand(Simulator& sim, const CommandInput& input) {
  runCommandForms(sim, input.words, kLoginForms);
}

void noLoginCommand(Simulator& sim, const CommandInput& input) {
  runCommandForms(sim, input.words, kNoLoginForms);
}

void loggingCommand(Simulator& sim, const CommandInput& input) {
  runCommandForms(sim, input.words, kLoggingForms);
}

void execTimeoutCommand(Simulator& sim, const CommandInput& input) {
  runCommandForms(sim, input.words, kExecTimeoutForms);
}

}  // namespace kovrel

// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/line_commands.h"

#include <array>

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

template <TerminalLine kLine>
FormOutcome selectLine(Simulator& sim, const Words&) {
  return selectLine(sim, kLine);
}

constexpr CommandForm kLineSelectionForms[] = {
    {"line aux 0", selectLine<TerminalLine::aux>},
    {"line console 0", selectLine<TerminalLine::console>},
    {"line vty 0 4", selectLine<TerminalLine::vty>},
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

constexpr CommandForm kLineForms[] = {
    {"password WORD", setPassword},
    {"login", setLogin},
    {"no login", clearLogin},
    {"logging synchronous", setLoggingSynchronous},
    {"no logging synchronous", clearLoggingSynchronous},
    {"exec-timeout <0-35791>", setTimeoutMinutes},
    {"exec-timeout <0-35791> <0-2147483>", setTimeout},
};

}  // namespace

std::span<const CommandForm> lineSelectionForms() { return kLineSelectionForms; }
std::span<const CommandForm> lineForms() { return kLineForms; }

}  // namespace kovrel

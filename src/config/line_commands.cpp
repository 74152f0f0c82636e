#include "config/line_commands.h"

#include <array>

#include "base/command_matching.h"
#include "base/ip_arithmetic.h"
#include "base/output.h"
#include "config/command_forms.h"

namespace kovrel {
namespace {

/// One terminal line and its fields in the configuration.
struct LineFields {
  TerminalLine line;
  std::string RouterConfig::*password;
  bool RouterConfig::*login;
  int RouterConfig::*timeoutMinutes;
  int RouterConfig::*timeoutSeconds;
};

constexpr std::array<LineFields, 3> kLines = {{
    {TerminalLine::aux, &RouterConfig::auxPassword, &RouterConfig::auxLogin,
     &RouterConfig::auxExecTimeoutMinutes, &RouterConfig::auxExecTimeoutSeconds},
    {TerminalLine::console, &RouterConfig::conPassword, &RouterConfig::conLogin,
     &RouterConfig::conExecTimeoutMinutes, &RouterConfig::conExecTimeoutSeconds},
    {TerminalLine::vty, &RouterConfig::vtyPassword, &RouterConfig::vtyLogin,
     &RouterConfig::vtyExecTimeoutMinutes, &RouterConfig::vtyExecTimeoutSeconds},
}};

constexpr int kMaxTimeoutMinutes = 35791;
constexpr int kMaxTimeoutSeconds = 2147483;

const LineFields* selectedLine(const Simulator& sim) {
  for (const LineFields& fields : kLines) {
    if (fields.line == sim.state.current.currentLine) return &fields;
  }
  return nullptr;
}

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
  const LineFields* fields = selectedLine(sim);
  if (fields == nullptr) return refuseValue(sim);
  change(*fields, sim.running());
  return FormOutcome::done;
}

FormOutcome setPassword(Simulator& sim, const Words& words) {
  return changeSelectedLine(sim, [&](const LineFields& line, RouterConfig& config) {
    config.*(line.password) = words[1];
  });
}

FormOutcome setLogin(Simulator& sim, const Words&) {
  return changeSelectedLine(
      sim, [](const LineFields& line, RouterConfig& config) { config.*(line.login) = true; });
}

FormOutcome clearLogin(Simulator& sim, const Words&) {
  return changeSelectedLine(
      sim, [](const LineFields& line, RouterConfig& config) { config.*(line.login) = false; });
}

// An exec-timeout number: shorter than 8 characters, within the bounds.
std::optional<int> timeoutValue(std::string_view word, int highest) {
  constexpr std::size_t kLongestTimeoutWord = 7;
  return boundedNumber(word, kLongestTimeoutWord, 0, highest);
}

FormOutcome setTimeoutMinutes(Simulator& sim, const Words& words) {
  const auto minutes = timeoutValue(words[1], kMaxTimeoutMinutes);
  if (!minutes) return refuseValue(sim);
  return changeSelectedLine(sim, [&](const LineFields& line, RouterConfig& config) {
    config.*(line.timeoutMinutes) = *minutes;
  });
}

FormOutcome setTimeout(Simulator& sim, const Words& words) {
  const auto minutes = timeoutValue(words[1], kMaxTimeoutMinutes);
  const auto seconds = timeoutValue(words[2], kMaxTimeoutSeconds);
  if (!minutes || !seconds) return refuseValue(sim);
  return changeSelectedLine(sim, [&](const LineFields& line, RouterConfig& config) {
    config.*(line.timeoutMinutes) = *minutes;
    config.*(line.timeoutSeconds) = *seconds;
  });
}

constexpr CommandForm kPasswordForms[] = {{"password variable", setPassword}};
constexpr CommandForm kLoginForms[] = {{"login", setLogin}};
constexpr CommandForm kNoLoginForms[] = {{"no login", clearLogin}};
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

void execTimeoutCommand(Simulator& sim, const CommandInput& input) {
  runCommandForms(sim, input.words, kExecTimeoutForms);
}

}  // namespace kovrel

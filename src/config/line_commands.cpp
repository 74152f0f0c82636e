#include "config/line_commands.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "catalogue/command_matching.h"
#include "console/output.h"

namespace kovrel {
namespace {

/// One terminal line: the word that selects it and its fields in the running configuration.
struct LineFields {
  std::string_view name;
  std::string_view pattern;
  std::string RouterConfig::*password;
  bool RouterConfig::*login;
  int RouterConfig::*timeoutMinutes;
  int RouterConfig::*timeoutSeconds;
};

constexpr std::array<LineFields, 3> kLines = {{
    {"aux", "line aux 0", &RouterConfig::auxPassword, &RouterConfig::auxLogin,
     &RouterConfig::auxExecTimeoutMinutes, &RouterConfig::auxExecTimeoutSeconds},
    {"con", "line console 0", &RouterConfig::conPassword, &RouterConfig::conLogin,
     &RouterConfig::conExecTimeoutMinutes, &RouterConfig::conExecTimeoutSeconds},
    {"vty", "line vty 0 4", &RouterConfig::vtyPassword, &RouterConfig::vtyLogin,
     &RouterConfig::vtyExecTimeoutMinutes, &RouterConfig::vtyExecTimeoutSeconds},
}};

const LineFields* selectedLine(const Simulator& sim) {
  for (const LineFields& line : kLines) {
    if (line.name == sim.state.current.currentLine) return &line;
  }
  return nullptr;
}

void replyToMismatch(Simulator& sim, MatchResult result) {
  if (result == MatchResult::incomplete) {
    incompleteCommand(sim);
  } else {
    invalidInput(sim);
  }
}

// A number word of the exec timeout: digits only, shorter than 8 characters, within the bounds.
std::optional<int> timeoutValue(const std::string& word, int highest) {
  if (word.empty() || word.size() >= 8) return std::nullopt;
  if (!std::ranges::all_of(word, [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }))
    return std::nullopt;
  const int value = std::stoi(word);
  if (value > highest) return std::nullopt;
  return value;
}

constexpr int kMaxTimeoutMinutes = 35791;
constexpr int kMaxTimeoutSeconds = 2147483;

}  // namespace

void lineSelectionCommand(Simulator& sim, const CommandInput& input) {
  const std::string& prompt = sim.router().prompt;
  const std::string line =
      prompt + replaceAll(normalizeCommandLine(input.line, prompt), "con ", "console ");
  bool incomplete = false;
  for (const LineFields& fields : kLines) {
    const MatchResult result = matchCommand(line, fields.pattern, prompt);
    if (result == MatchResult::match) {
      sim.router().currentLine = std::string(fields.name);
      enterMode(sim, CliMode::configLine);
      return;
    }
    incomplete = incomplete || result == MatchResult::incomplete;
  }
  replyToMismatch(sim, incomplete ? MatchResult::incomplete : MatchResult::mismatch);
}

void passwordCommand(Simulator& sim, const CommandInput& input) {
  const MatchResult result = matchCommand(input.line, "password variable", sim.router().prompt);
  const LineFields* fields = selectedLine(sim);
  if (result != MatchResult::match) {
    replyToMismatch(sim, result);
  } else if (fields == nullptr) {
    invalidInput(sim);
  } else {
    sim.running().*(fields->password) = input.words[1];
  }
}

void loginCommand(Simulator& sim, const CommandInput& input) {
  const MatchResult result = matchCommand(input.line, "login", sim.router().prompt);
  const LineFields* fields = selectedLine(sim);
  if (result != MatchResult::match) {
    replyToMismatch(sim, result);
  } else if (fields == nullptr) {
    invalidInput(sim);
  } else {
    sim.running().*(fields->login) = true;
  }
}

void noLoginCommand(Simulator& sim, const CommandInput& input) {
  const MatchResult result = matchCommand(input.line, "no login", sim.router().prompt);
  const LineFields* fields = selectedLine(sim);
  if (result != MatchResult::match) {
    replyToMismatch(sim, result);
  } else if (fields == nullptr) {
    invalidInput(sim);
  } else {
    sim.running().*(fields->login) = false;
  }
}

void execTimeoutCommand(Simulator& sim, const CommandInput& input) {
  const std::string& prompt = sim.router().prompt;
  const LineFields* fields = selectedLine(sim);
  const auto& words = input.words;
  if (matchCommand(input.line, "exec-timeout variable", prompt) == MatchResult::match) {
    const auto minutes = timeoutValue(words[1], kMaxTimeoutMinutes);
    if (!minutes || fields == nullptr) return invalidInput(sim);
    sim.running().*(fields->timeoutMinutes) = *minutes;
  } else if (matchCommand(input.line, "exec-timeout variable variable", prompt) ==
             MatchResult::match) {
    const auto minutes = timeoutValue(words[1], kMaxTimeoutMinutes);
    const auto seconds = timeoutValue(words[2], kMaxTimeoutSeconds);
    if (!minutes || !seconds || fields == nullptr) return invalidInput(sim);
    sim.running().*(fields->timeoutMinutes) = *minutes;
    sim.running().*(fields->timeoutSeconds) = *seconds;
  } else {
    replyToMismatch(sim, matchCommand(input.line, "exec-timeout variable", prompt));
  }
}

}  // namespace kovrel

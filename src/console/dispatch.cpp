// SPDX-License-Identifier: GPL-3.0-or-later
#include "console/dispatch.h"

#include <algorithm>
#include <array>

#include "base/command_matching.h"
#include "base/output.h"

namespace kovrel {
namespace {

// Words of other modes that user mode answers with the invalid-input reply; any other word it
// does not know may be a host name, and gets the unknown-command reply.
constexpr std::array<std::string_view, 10> kOtherModeWords = {
    "access-list", "bandwidth",   "banner", "cdp",       "clock",
    "copy",        "description", "ip",     "keepalive", "router",
};

void unknownFirstWord(Simulator& sim, std::string_view word) {
  const bool otherMode = std::find(kOtherModeWords.begin(), kOtherModeWords.end(), toLower(word)) !=
                         kOtherModeWords.end();
  if (sim.router().mode == CliMode::user && otherMode) {
    invalidInput(sim);
  } else {
    unknownCommand(sim);
  }
}

void runForm(Simulator& sim, const ParsedLine& parsed, std::size_t tokenCount) {
  // A value the form refuses is pointed at as the first value of the line.
  if (parsed.firstValueWord != 0) {
    markUnmatchedWord(sim, parsed.tokenOfWord[parsed.firstValueWord], tokenCount);
  }
  if (parsed.form->action(sim, parsed.words) == FormOutcome::notThisForm) invalidInput(sim);
}

}  // namespace

const CommandGrammars& commandGrammars(Simulator& sim) {
  if (!sim.grammars || sim.grammarsGeneration != sim.database.generation()) {
    sim.grammars = buildCommandGrammars(sim, commandTable());
    sim.grammarsGeneration = sim.database.generation();
  }
  return *sim.grammars;
}

GrammarScope grammarScope(Simulator& sim) {
  return {&commandGrammars(sim), sim.router().mode, sim.router().currentInterface};
}

void dispatchCommand(Simulator& sim, std::string_view line) {
  noteEnteredLine(sim, line);
  const std::string_view typed = typedText(line, sim.router().prompt);
  const std::vector<Token> tokens = tokenize(typed);
  if (tokens.empty()) return;  // an empty line only shows the prompt again
  const ParsedLine parsed = parseLine(grammarScope(sim), tokens);
  switch (parsed.status) {
    case ParseStatus::complete:
      return runForm(sim, parsed, tokens.size());
    case ParseStatus::incomplete:
      return incompleteCommand(sim);
    case ParseStatus::ambiguous:
      return ambiguousCommand(sim, trimBlanks(typed));
    case ParseStatus::unavailable:
      return notAvailableCommand(sim);
    case ParseStatus::invalid:
      markUnmatchedWord(sim, parsed.failedToken, tokens.size());
      if (parsed.failedToken == 0) return unknownFirstWord(sim, tokens.front().text);
      return invalidInput(sim);
  }
}

}  // namespace kovrel

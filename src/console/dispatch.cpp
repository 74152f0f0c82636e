// SPDX-License-Identifier: GPL-3.0-or-later
#include "console/dispatch.h"

#include <algorithm>

#include "base/command_matching.h"
#include "base/output.h"

namespace kovrel {
namespace {

const DispatchRow* findRow(std::string_view firstWord) {
  for (const DispatchRow& row : dispatchTable()) {
    if (std::find(row.firstWords.begin(), row.firstWords.end(), firstWord) != row.firstWords.end())
      return &row;
  }
  return nullptr;
}

const ModeAction* findAction(const DispatchRow& row, CliMode mode) {
  for (const ModeAction& action : row.actions) {
    if (!action.mode || *action.mode == mode) return &action;
  }
  return nullptr;
}

void replyForOtherModes(Simulator& sim, OtherModes reply) {
  switch (reply) {
    case OtherModes::invalidInput:
      invalidInput(sim);
      break;
    case OtherModes::unknownCommand:
      unknownCommand(sim);
      break;
    case OtherModes::none:
      break;
  }
}

}  // namespace

void doNothing(Simulator&, const CommandInput&) {}

void dispatchCommand(Simulator& sim, std::string_view line) {
  noteEnteredLine(sim, line);
  const std::vector<std::string> words =
      splitWords(normalizeCommandLine(line, sim.router().prompt));
  if (words.empty()) return;  // an empty line only shows the prompt again
  const DispatchRow* row = findRow(words.front());
  if (row == nullptr) {
    markUnmatchedWord(sim, 0, words.size());
    unknownCommand(sim);
    return;
  }
  const ModeAction* action = findAction(*row, sim.router().mode);
  if (action == nullptr) {
    markUnmatchedWord(sim, 0, words.size());
    replyForOtherModes(sim, row->otherModes);
    return;
  }
  action->handler(sim, CommandInput{line, words});
}

}  // namespace kovrel

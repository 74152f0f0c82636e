// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/context_help.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "base/command_matching.h"
#include "base/error_log.h"
#include "base/output.h"
#include "base/paging.h"
#include "catalogue/catalogue_check.h"
#include "catalogue/help_case_table.h"

namespace kovrel {
namespace {

using Words = std::vector<std::string>;

// Emphasis belongs to one request: whichever way the request ends, ordinary output afterwards
// is plain again. A question that was open when "?" was typed stays open: a paged answer ends
// the console's busy state, and a password question closed that way would let the next line in
// without its password.
class HelpRequestScope {
 public:
  explicit HelpRequestScope(Simulator& sim) : sim_(sim), pending_(sim.interactionPending()) {}
  ~HelpRequestScope() {
    sim_.state.console.helpListingActive = false;
    sim_.state.console.helpEmphasis = nullptr;
    sim_.setInteraction(pending_);
  }
  HelpRequestScope(const HelpRequestScope&) = delete;
  HelpRequestScope& operator=(const HelpRequestScope&) = delete;

 private:
  Simulator& sim_;
  Interaction pending_;
};

// A plain line of a help listing is emphasised when its first word, put in place of the "?" the
// student typed, names an implemented command.
bool namesImplementedCommand(Simulator& sim, const std::string& question, std::string_view line) {
  const std::string lowered = toLower(trimBlanks(line));
  const auto blank = lowered.find(' ');
  if (blank == std::string::npos) return false;
  const std::string word = lowered.substr(0, blank + 1);
  return checkIfCommandImplemented(sim, replaceAll(question, "?", word));
}

std::string joinWords(const Words& words) {
  std::string text;
  for (const std::string& word : words) {
    if (!text.empty()) text += ' ';
    text += word;
  }
  return text;
}

// The groups read abbreviations word by word, so a word that merely contains one ("flash")
// keeps its letters.
Words readWords(Words words, HelpReading reading) {
  for (std::string& word : words) {
    if (reading == HelpReading::show) {
      if (word == "sh") word = "show";
      if (word == "int") word = "interface";
    } else if (reading == HelpReading::copy) {
      if (word == "run") word = "running-config";
      if (word == "start") word = "startup-config";
    }
  }
  return words;
}

const HelpGroup* findGroup(std::string_view firstWord) {
  for (const HelpGroup& group : helpCaseTable()) {
    if (std::find(group.firstWords.begin(), group.firstWords.end(), firstWord) !=
        group.firstWords.end())
      return &group;
  }
  return nullptr;
}

bool caseApplies(const HelpCase& helpCase, CliMode mode, const Words& words,
                 std::string_view prompt) {
  if (!helpCase.modes.empty() &&
      std::find(helpCase.modes.begin(), helpCase.modes.end(), mode) == helpCase.modes.end()) {
    return false;
  }
  const std::string line = std::string(prompt) + joinWords(words);
  const bool matched =
      helpCase.patterns.empty() ||
      std::any_of(helpCase.patterns.begin(), helpCase.patterns.end(), [&](auto pattern) {
        return matchCommand(line, pattern, prompt) == MatchResult::match;
      });
  return matched && (helpCase.condition == nullptr || helpCase.condition(words));
}

void writeHelpText(Simulator& sim, std::string_view key) {
  const auto text = trapped(
      sim, "processContextHelp", [&] { return sim.database.cmdInfo(key); },
      std::optional<std::string>{});
  if (text) writePaged(sim, *text, helpTextUsesDollarLines(key));
}

void writeAnswer(Simulator& sim, const HelpAnswer& answer) {
  switch (answer.kind) {
    case HelpAnswerKind::helpText:
      writeHelpText(sim, answer.key);
      break;
    case HelpAnswerKind::lines:
      for (std::string_view line : answer.lines) writeConsoleLine(sim, line, line.starts_with('$'));
      break;
    case HelpAnswerKind::block: {
      std::string text;
      for (std::string_view line : answer.lines) text += "\r\n" + std::string(line);
      writePaged(sim, text, true);
      break;
    }
    case HelpAnswerKind::unknownReply:
      unknownCommand(sim);
      break;
    case HelpAnswerKind::nothing:
      break;
  }
}

void answerFromCaseTable(Simulator& sim, const Words& words) {
  const HelpGroup* group = findGroup(words.front());
  if (group == nullptr) {
    // The router shows the bare prompt again before refusing a word it does not know.
    writeConsoleLine(sim, sim.console.input());
    unrecognizedCommand(sim);
    return;
  }
  const RouterState& router = sim.state.current;
  const Words read = readWords(words, group->reading);
  for (const HelpCase& helpCase : group->cases) {
    if (caseApplies(helpCase, router.mode, helpCase.asTyped ? words : read, router.prompt)) {
      writeAnswer(sim, helpCase.answer);
      return;
    }
  }
  unrecognizedCommand(sim);
}

Words nextWordsOf(const std::vector<CatalogueRow>& rows, std::size_t position) {
  Words listed;
  for (const CatalogueRow& row : rows) {
    const Words rowWords = splitWords(row.cmd);
    if (position >= rowWords.size()) continue;
    // Words are compared whole, so "config" does not hide "configuration" or the other way round.
    if (std::find(listed.begin(), listed.end(), rowWords[position]) == listed.end()) {
      listed.push_back(rowWords[position]);
    }
  }
  return listed;
}

}  // namespace

void processContextHelp(Simulator& sim, std::string_view line) {
  const std::string question(line);
  writeConsoleLine(sim, question);
  noteEnteredLine(sim, question);
  HelpRequestScope scope(sim);
  const std::string text = normalizeCommandLine(question, sim.router().prompt);
  const Words words = splitWords(text);
  if (words.empty()) {
    unrecognizedCommand(sim);
    return;
  }
  if (words.back() != "?") {
    listCommandsStartingWithString(sim, text);
    return;
  }
  sim.state.console.helpListingActive = true;
  sim.state.console.helpEmphasis = [&sim, question](std::string_view listed) {
    return namesImplementedCommand(sim, question, listed);
  };
  answerFromCaseTable(sim, words);
}

void listCommandsStartingWithString(Simulator& sim, std::string_view text) {
  const std::string_view prefix = text.substr(0, text.empty() ? 0 : text.size() - 1);
  const bool wholeLines = text.find(' ') != std::string_view::npos;
  const CliMode mode = sim.router().mode;
  const auto table = wholeLines ? extendedTable(mode) : oneWordTable(mode);
  if (!table) {
    unrecognizedCommand(sim);
    return;
  }
  const auto rows = trapped(
      sim, "listCommandsStartingWithString",
      [&] { return sim.database.searchCatalogue(*table, prefix); }, std::vector<CatalogueRow>{});
  Words listed;
  if (wholeLines) {
    listed = nextWordsOf(rows, static_cast<std::size_t>(std::count(text.begin(), text.end(), ' ')));
  } else {
    for (const CatalogueRow& row : rows) listed.push_back(row.cmd);
  }
  if (listed.empty()) {
    unrecognizedCommand(sim);
    return;
  }
  std::string answer;
  for (const std::string& word : listed) answer += word + " ";
  writeConsoleLine(sim, answer);
}

void pageHelpText(Simulator& sim) {
  const auto text = trapped(
      sim, "procesHelp", [&] { return sim.database.cmdInfo("help"); },
      std::optional<std::string>{});
  if (text) writePaged(sim, *text, false);
}

void helpCommand(Simulator& sim, const CommandInput& input) {
  if (matchCommand(input.line, "help", sim.router().prompt) == MatchResult::match) {
    pageHelpText(sim);
  } else {
    unknownCommand(sim);
  }
}

}  // namespace kovrel

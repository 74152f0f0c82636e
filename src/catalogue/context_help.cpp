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
#include "catalogue/grammar.h"
#include "catalogue/help_case_table.h"

namespace kovrel {
namespace {

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
// student typed, names a command the simulator carries out.
bool namesImplementedCommand(const GrammarScope& scope, const std::string& question,
                             std::string_view line) {
  const std::string lowered = toLower(trimBlanks(line));
  const auto blank = lowered.find(' ');
  if (blank == std::string::npos) return false;
  return checkIfCommandImplemented(scope, question + " " + lowered.substr(0, blank));
}

std::string joinWords(const Words& words) {
  std::string text;
  for (const std::string& word : words) {
    if (!text.empty()) text += ' ';
    text += word;
  }
  return text;
}

const HelpGroup* findGroup(std::string_view firstWord) {
  for (const HelpGroup& group : helpCaseTable()) {
    const auto& words = group.firstWords;
    if (std::find(words.begin(), words.end(), firstWord) != words.end()) return &group;
  }
  return nullptr;
}

bool caseApplies(const HelpCase& helpCase, CliMode mode, const Words& words,
                 std::string_view prompt) {
  const auto& modes = helpCase.modes;
  if (!modes.empty() && std::find(modes.begin(), modes.end(), mode) == modes.end()) {
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

void answerFromCaseTable(Simulator& sim, CliMode mode, const Words& words) {
  const HelpGroup* group = findGroup(words.front());
  if (group == nullptr) {
    unrecognizedCommand(sim);
    return;
  }
  const std::string& prompt = sim.router().prompt;
  for (const HelpCase& helpCase : group->cases) {
    if (caseApplies(helpCase, mode, words, prompt)) {
      writeAnswer(sim, helpCase.answer);
      return;
    }
  }
  unrecognizedCommand(sim);
}

std::string joinNames(const std::vector<const GrammarNode*>& nodes) {
  std::string text;
  for (const GrammarNode* node : nodes) text += node->text + " ";
  return text;
}

// "sh?", "show i?": the keywords that begin with the last word, on one line.
void listKeywords(Simulator& sim, const GrammarScope& scope, std::span<const Token> tokens) {
  const ParsedLine before = parseLine(scope, tokens.first(tokens.size() - 1));
  const auto keywords = before.stopped
                            ? std::vector<const GrammarNode*>{}
                            : keywordsStartingWith(nextNodes(scope, before), tokens.back().text);
  if (keywords.empty()) return unrecognizedCommand(sim);
  writeConsoleLine(sim, joinNames(keywords));
}

// "show ?": the case table answers for the words as the grammar reads them.
void answerQuestionWord(Simulator& sim, const GrammarScope& scope, std::span<const Token> tokens) {
  const ParsedLine parsed = parseLine(scope, tokens);
  if (parsed.stopped && parsed.failedToken == 0) {
    // The router shows the bare prompt again before refusing a word it does not know.
    writeConsoleLine(sim, sim.console.input());
    return unrecognizedCommand(sim);
  }
  if (parsed.status == ParseStatus::ambiguous) {
    return ambiguousCommand(sim,
                            std::string(tokens.front().text.data(),
                                        tokens.back().text.data() + tokens.back().text.size()));
  }
  if (parsed.stopped) return unrecognizedCommand(sim);
  Words words = parsed.words;
  words.push_back("?");  // a lone "?" answers from the group of the word "?"
  std::string spelledOut;
  for (std::size_t i = 0; i + 1 < words.size(); ++i) spelledOut += (i ? " " : "") + words[i];
  const GrammarScope answering{scope.grammars, parsed.nodeMode, scope.interface};
  sim.state.console.helpListingActive = true;
  sim.state.console.helpEmphasis = [answering, spelledOut](std::string_view listed) {
    return namesImplementedCommand(answering, spelledOut, listed);
  };
  answerFromCaseTable(sim, parsed.nodeMode, words);
}

}  // namespace

void processContextHelp(Simulator& sim, const GrammarScope& scope, std::string_view line) {
  const std::string question(line);
  writeConsoleLine(sim, question);
  noteEnteredLine(sim, question);
  HelpRequestScope requestScope(sim);
  std::string_view typed = typedText(question, sim.router().prompt);
  if (typed.ends_with('?')) typed.remove_suffix(1);
  const std::vector<Token> tokens = tokenize(typed);
  const bool wordPrefix = !typed.empty() && !typed.ends_with(' ');
  if (wordPrefix) return listKeywords(sim, scope, tokens);
  answerQuestionWord(sim, scope, tokens);
}

void pageHelpText(Simulator& sim) {
  const auto text = trapped(
      sim, "procesHelp", [&] { return sim.database.cmdInfo("help"); },
      std::optional<std::string>{});
  if (text) writePaged(sim, *text, false);
}

FormOutcome helpCommand(Simulator& sim, const Words&) {
  pageHelpText(sim);
  return FormOutcome::done;
}

}  // namespace kovrel

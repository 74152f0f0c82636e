// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/completion.h"

#include "base/command_matching.h"

namespace kovrel {

std::string completePartialCommand(Simulator& sim, const GrammarScope& scope,
                                   std::string_view line) {
  const std::string_view typed = typedText(line, sim.router().prompt);
  const std::vector<Token> tokens = tokenize(typed);
  if (tokens.empty() || typed.ends_with(' ')) return std::string(typed);
  const ParsedLine before = parseLine(scope, std::span(tokens).first(tokens.size() - 1));
  if (before.stopped) return std::string(typed);
  const Token& last = tokens.back();
  const auto next = nextNodes(scope, before);
  const auto keywords = keywordsStartingWith(next, last.text);
  const std::string lower = toLower(last.text);
  const GrammarNode* chosen = keywords.size() == 1 ? keywords.front() : nullptr;
  for (const GrammarNode* keyword : keywords) {
    if (keyword->text == lower) chosen = keyword;
  }
  if (chosen == nullptr) return std::string(typed);
  return std::string(typed.substr(0, last.column)) + chosen->text + " ";
}

}  // namespace kovrel

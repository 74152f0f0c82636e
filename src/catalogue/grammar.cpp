// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/grammar.h"

#include <algorithm>

#include "base/command_matching.h"
#include "base/ip_arithmetic.h"

namespace kovrel {
namespace {

bool existsHere(const GrammarScope& scope, CliMode mode, const GrammarNode& node) {
  if (mode != CliMode::configIf || node.kind != NodeKind::keyword) return true;
  return (node.interfaces & (1u << static_cast<unsigned>(scope.interface))) != 0;
}

bool valueAccepts(const GrammarNode& node, std::string_view word) {
  switch (node.kind) {
    case NodeKind::address:
      return isValidIpAddress(word);
    case NodeKind::mask:
      return isValidSubnetMask(word);
    case NodeKind::routeMask:
      return isValidRouteMask(word);
    case NodeKind::number:
      return isNumberInRange(word, node.low, node.high);
    case NodeKind::word:
    case NodeKind::line:
      return true;
    case NodeKind::keyword:
      break;
  }
  return false;
}

/// Which child takes a word: one node, several keywords (ambiguous), or none.
struct Step {
  std::optional<std::uint32_t> child;
  bool ambiguous = false;
};

// A keyword is taken when typed in full, or by a prefix that no other keyword here shares; a
// value only when no keyword takes the word.
Step stepFrom(const GrammarScope& scope, CliMode mode, const ModeGrammar& grammar, std::uint32_t at,
              std::string_view word) {
  const std::string lower = toLower(word);
  std::vector<std::uint32_t> prefixed;
  for (const std::uint32_t child : grammar.nodes[at].children) {
    const GrammarNode& node = grammar.nodes[child];
    if (node.kind != NodeKind::keyword || !existsHere(scope, mode, node)) continue;
    if (node.text == lower) return {child, false};
    if (node.text.starts_with(lower)) prefixed.push_back(child);
  }
  if (prefixed.size() == 1) return {prefixed.front(), false};
  if (prefixed.size() > 1) return {std::nullopt, true};
  for (const std::uint32_t child : grammar.nodes[at].children) {
    if (valueAccepts(grammar.nodes[child], word)) return {child, false};
  }
  return {};
}

// "s0", "serial0", "e0": a keyword glued to the number after it.
std::optional<std::pair<std::uint32_t, std::uint32_t>> gluedStep(const GrammarScope& scope,
                                                                 CliMode mode,
                                                                 const ModeGrammar& grammar,
                                                                 std::uint32_t at,
                                                                 std::string_view word) {
  const auto digits = word.find_first_of("0123456789");
  if (digits == 0 || digits == std::string_view::npos) return std::nullopt;
  if (word.find_first_not_of("0123456789", digits) != std::string_view::npos) return std::nullopt;
  const Step first = stepFrom(scope, mode, grammar, at, word.substr(0, digits));
  if (!first.child || grammar.nodes[*first.child].kind != NodeKind::keyword) return std::nullopt;
  const Step second = stepFrom(scope, mode, grammar, *first.child, word.substr(digits));
  if (!second.child) return std::nullopt;
  return std::pair{*first.child, *second.child};
}

std::string restOfLine(std::span<const Token> tokens, std::size_t from) {
  const char* start = tokens[from].text.data();
  const char* end = tokens.back().text.data() + tokens.back().text.size();
  return std::string(start, static_cast<std::size_t>(end - start));
}

/// The walk's position: the grammar it is in and the node it stands on.
struct Walk {
  CliMode mode;
  const ModeGrammar* grammar;
  std::uint32_t at = 0;
  const GrammarNode& node() const { return grammar->nodes[at]; }
};

void takeNode(const GrammarScope& scope, Walk& walk, ParsedLine& parsed, std::uint32_t child,
              std::string word, std::size_t token) {
  walk.at = child;
  const GrammarNode& node = walk.node();
  if (node.kind != NodeKind::keyword && parsed.firstValueWord == 0) {
    parsed.firstValueWord = parsed.words.size();
  }
  parsed.words.push_back(node.kind == NodeKind::keyword ? node.text : std::move(word));
  parsed.tokenOfWord.push_back(token);
  if (node.jumpsTo) {
    // The words after "do" are a command of the other mode, parsed as if typed there.
    walk.mode = *node.jumpsTo;
    walk.grammar = &scope.grammars->of(walk.mode);
    walk.at = 0;
    parsed.words.clear();
    parsed.tokenOfWord.clear();
    parsed.firstValueWord = 0;
  }
}

ParseStatus statusAtEnd(const Walk& walk) {
  const GrammarNode& node = walk.node();
  if (node.form != nullptr) return ParseStatus::complete;
  if (walk.at != 0 && !node.carriedOut && !node.jumpsTo) return ParseStatus::unavailable;
  return ParseStatus::incomplete;
}

}  // namespace

std::vector<Token> tokenize(std::string_view typed) {
  std::vector<Token> tokens;
  std::size_t at = 0;
  while ((at = typed.find_first_not_of(' ', at)) != std::string_view::npos) {
    const auto end = std::min(typed.find(' ', at), typed.size());
    tokens.push_back({typed.substr(at, end - at), at});
    at = end;
  }
  return tokens;
}

ParsedLine parseLine(const GrammarScope& scope, std::span<const Token> tokens) {
  ParsedLine parsed;
  Walk walk{scope.mode, &scope.grammar()};
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    const std::string_view word = tokens[i].text;
    const Step step = stepFrom(scope, walk.mode, *walk.grammar, walk.at, word);
    if (step.child) {
      const bool rest = walk.grammar->nodes[*step.child].kind == NodeKind::line;
      takeNode(scope, walk, parsed, *step.child, rest ? restOfLine(tokens, i) : std::string(word),
               i);
      if (rest) break;
      continue;
    }
    const auto glued =
        step.ambiguous ? std::nullopt : gluedStep(scope, walk.mode, *walk.grammar, walk.at, word);
    if (glued) {
      const auto digits = word.find_first_of("0123456789");
      takeNode(scope, walk, parsed, glued->first, std::string(word.substr(0, digits)), i);
      takeNode(scope, walk, parsed, glued->second, std::string(word.substr(digits)), i);
      continue;
    }
    parsed.stopped = true;
    parsed.failedToken = i;
    parsed.status = step.ambiguous ? ParseStatus::ambiguous : ParseStatus::invalid;
    const GrammarNode& last = walk.node();
    if (!step.ambiguous && walk.at != 0 && !last.carriedOut) {
      parsed.status = ParseStatus::unavailable;
    }
    parsed.node = &last;
    parsed.nodeMode = walk.mode;
    return parsed;
  }
  parsed.status = statusAtEnd(walk);
  parsed.form = walk.node().form;
  parsed.node = &walk.node();
  parsed.nodeMode = walk.mode;
  return parsed;
}

std::vector<const GrammarNode*> nextNodes(const GrammarScope& scope, const ParsedLine& parsed) {
  std::vector<const GrammarNode*> next;
  if (parsed.node == nullptr) return next;
  CliMode mode = parsed.nodeMode;
  const GrammarNode* from = parsed.node;
  if (from->jumpsTo) {
    mode = *from->jumpsTo;
    from = &scope.grammars->of(mode).nodes.front();
  }
  const ModeGrammar& grammar = scope.grammars->of(mode);
  for (const std::uint32_t child : from->children) {
    const GrammarNode& node = grammar.nodes[child];
    if (existsHere(scope, mode, node)) next.push_back(&node);
  }
  return next;
}

std::vector<const GrammarNode*> keywordsStartingWith(std::span<const GrammarNode* const> next,
                                                     std::string_view prefix) {
  const std::string lower = toLower(prefix);
  std::vector<const GrammarNode*> found;
  for (const GrammarNode* node : next) {
    if (node->kind == NodeKind::keyword && node->text.starts_with(lower)) found.push_back(node);
  }
  return found;
}

}  // namespace kovrel

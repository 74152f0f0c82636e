// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/command_matching.h"

namespace kovrel {

std::string toLower(std::string_view text) {
  std::string lower(text);
  // Router words are ASCII; folding only A-Z keeps every other byte as typed whatever the locale.
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

std::string_view trimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

std::string normalizeCommandLine(std::string_view line, std::string_view prompt) {
  // A line without the prompt loses its first (length of prompt - 1) characters, as the router's
  // own prompt stripping does.
  const auto found = line.find(prompt);
  std::size_t start = found == std::string_view::npos ? (prompt.empty() ? 0 : prompt.size() - 1)
                                                      : found + prompt.size();
  if (start > line.size()) start = line.size();
  const std::string lower = toLower(trimBlanks(line.substr(start)));
  std::string collapsed;
  collapsed.reserve(lower.size());
  for (char c : lower) {
    if (c == ' ' && !collapsed.empty() && collapsed.back() == ' ') continue;
    collapsed.push_back(c);
  }
  return collapsed;
}

std::string_view typedText(std::string_view line, std::string_view prompt) {
  const auto found = prompt.empty() ? std::string_view::npos : line.find(prompt);
  return found == std::string_view::npos ? line : line.substr(found + prompt.size());
}

std::vector<std::string> splitWords(std::string_view text) {
  std::vector<std::string> words;
  if (text.empty()) return words;
  std::size_t start = 0;
  while (true) {
    const auto blank = text.find(' ', start);
    words.emplace_back(text.substr(start, blank - start));
    if (blank == std::string_view::npos) break;
    start = blank + 1;
  }
  return words;
}

MatchResult matchCommand(std::string_view line, std::string_view pattern, std::string_view prompt) {
  const auto typed = splitWords(normalizeCommandLine(line, prompt));
  const auto expected = splitWords(pattern);
  if (typed.size() > expected.size()) return MatchResult::mismatch;
  for (std::size_t i = 0; i < typed.size(); ++i) {
    if (expected[i] != "variable" && expected[i] != typed[i]) return MatchResult::mismatch;
  }
  return typed.size() < expected.size() ? MatchResult::incomplete : MatchResult::match;
}

std::string replaceAll(std::string text, std::string_view from, std::string_view to) {
  if (from.empty()) return text;
  std::size_t position = 0;
  while ((position = text.find(from, position)) != std::string::npos) {
    text.replace(position, from.size(), to);
    position += to.size();
  }
  return text;
}

}  // namespace kovrel

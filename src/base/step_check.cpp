// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/step_check.h"

#include <array>
#include <charconv>

namespace kovrel {
namespace {

// The vocabulary as data: each term is a shape of literal words and placeholders. Placeholders:
// T a text (quoted or one word), W a word, N a whole number, A a dotted-quad address, I an
// interface (serial0, serial1, ethernet0), L a line (console, aux, vty), O on or off, D in or out,
// B a banner (motd, exec, login), K a key, R a router (RouterA, RouterB), and a final "*" one or
// more further words.
struct TermShape {
  std::string_view shape;
  CheckKind kind;
};

constexpr std::array kShapes{
    TermShape{"typed T", CheckKind::typed},
    TermShape{"tried T", CheckKind::tried},
    TermShape{"pressed K", CheckKind::pressed},
    TermShape{"session opened", CheckKind::sessionOpened},
    TermShape{"session closed", CheckKind::sessionClosed},
    TermShape{"answered W", CheckKind::answered},
    TermShape{"copy finished", CheckKind::copyFinished},
    TermShape{"reloaded", CheckKind::reloaded},
    TermShape{"read", CheckKind::read},
    TermShape{"mode W", CheckKind::mode},
    TermShape{"hostname W", CheckKind::hostname},
    TermShape{"banner B T", CheckKind::banner},
    TermShape{"enable password W", CheckKind::enablePassword},
    TermShape{"enable secret W", CheckKind::enableSecret},
    TermShape{"line L password W", CheckKind::linePassword},
    TermShape{"line L login O", CheckKind::lineLogin},
    TermShape{"line L exec-timeout N N", CheckKind::lineTimeout},
    TermShape{"history size N", CheckKind::historySize},
    TermShape{"interface I address A A", CheckKind::interfaceAddress},
    TermShape{"interface I no-address", CheckKind::interfaceNoAddress},
    TermShape{"interface I up", CheckKind::interfaceUp},
    TermShape{"interface I clock-rate N", CheckKind::interfaceClockRate},
    TermShape{"interface I bandwidth N", CheckKind::interfaceBandwidth},
    TermShape{"interface I description T", CheckKind::interfaceDescription},
    TermShape{"interface I access-group N D", CheckKind::interfaceAccessGroup},
    TermShape{"interface I cdp O", CheckKind::interfaceCdp},
    TermShape{"domain-lookup O", CheckKind::domainLookup},
    TermShape{"domain-name W", CheckKind::domainName},
    TermShape{"name-servers *", CheckKind::nameServers},
    TermShape{"ip-host W *", CheckKind::hostEntry},
    TermShape{"http-server O", CheckKind::httpServer},
    TermShape{"cdp O", CheckKind::cdpRun},
    TermShape{"cdp timer N", CheckKind::cdpTimer},
    TermShape{"cdp holdtime N", CheckKind::cdpHoldtime},
    TermShape{"ip-routing O", CheckKind::ipRouting},
    TermShape{"rip O", CheckKind::ripRunning},
    TermShape{"rip network A", CheckKind::ripNetwork},
    TermShape{"igrp N O", CheckKind::igrpRunning},
    TermShape{"igrp N network A", CheckKind::igrpNetwork},
    TermShape{"access-list N none", CheckKind::accessListEmpty},
    TermShape{"access-list N W *", CheckKind::accessListEntry},
    TermShape{"saved equals running", CheckKind::savedEqualsRunning},
    TermShape{"saved hostname W", CheckKind::savedHostname},
    TermShape{"ping A succeeds", CheckKind::pingSucceeds},
    TermShape{"ping A succeeds from R", CheckKind::pingSucceeds},
    TermShape{"routerB configured", CheckKind::routerBConfigured},
};

struct Token {
  std::string text;
  bool quoted = false;
};

bool isNumber(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() && value >= 0;
}

bool isAddress(std::string_view text) {
  int parts = 0;
  for (std::size_t start = 0; start <= text.size(); ++parts) {
    const std::size_t dot = std::min(text.find('.', start), text.size());
    const std::string_view part = text.substr(start, dot - start);
    int value = 0;
    const auto [end, error] = std::from_chars(part.data(), part.data() + part.size(), value);
    if (part.empty() || error != std::errc() || end != part.data() + part.size() || value > 255)
      return false;
    start = dot + 1;
  }
  return parts == 4;
}

bool isOneOf(std::string_view word, std::initializer_list<std::string_view> choices) {
  for (std::string_view choice : choices) {
    if (word == choice) return true;
  }
  return false;
}

bool isKey(std::string_view word) {
  if (word.size() == 6 && word.starts_with("ctrl-") && word[5] >= 'a' && word[5] <= 'z')
    return true;
  return isOneOf(word, {"tab", "up", "down", "left", "right", "esc", "backspace"});
}

bool fitsPlaceholder(char placeholder, const Token& token) {
  const std::string& word = token.text;
  if (placeholder == 'T') return true;
  if (token.quoted) return false;
  switch (placeholder) {
    case 'W':
      return !word.empty();
    case 'N':
      return isNumber(word);
    case 'A':
      return isAddress(word);
    case 'I':
      return isOneOf(word, {"serial0", "serial1", "ethernet0"});
    case 'L':
      return isOneOf(word, {"console", "aux", "vty"});
    case 'O':
      return isOneOf(word, {"on", "off"});
    case 'D':
      return isOneOf(word, {"in", "out"});
    case 'B':
      return isOneOf(word, {"motd", "exec", "login"});
    case 'K':
      return isKey(word);
    case 'R':
      return isOneOf(word, {"RouterA", "RouterB"});
    default:
      return false;
  }
}

// The arguments of a term that fits the shape, or nothing.
std::optional<std::vector<std::string>> matchShape(std::string_view shape,
                                                   const std::vector<Token>& tokens) {
  std::vector<std::string> arguments;
  std::size_t index = 0;
  for (std::size_t start = 0; start < shape.size();) {
    const std::size_t end = std::min(shape.find(' ', start), shape.size());
    const std::string_view part = shape.substr(start, end - start);
    start = end + 1;
    if (part == "*") {
      if (index >= tokens.size()) return std::nullopt;
      for (; index < tokens.size(); ++index) arguments.push_back(tokens[index].text);
      return arguments;
    }
    if (index >= tokens.size()) return std::nullopt;
    const Token& token = tokens[index++];
    const bool placeholder = part.size() == 1 && part[0] >= 'A' && part[0] <= 'Z';
    if (placeholder) {
      if (!fitsPlaceholder(part[0], token)) return std::nullopt;
      arguments.push_back(token.text);
    } else if (token.quoted || token.text != part) {
      return std::nullopt;
    }
  }
  if (index != tokens.size()) return std::nullopt;
  return arguments;
}

// Words and "quoted texts"; false when a quote is left open.
bool tokenize(std::string_view line, std::vector<Token>& tokens) {
  for (std::size_t i = 0; i < line.size();) {
    if (line[i] == ' ' || line[i] == '\t') {
      ++i;
    } else if (line[i] == '"') {
      const std::size_t close = line.find('"', i + 1);
      if (close == std::string_view::npos) return false;
      tokens.push_back({std::string(line.substr(i + 1, close - i - 1)), true});
      i = close + 1;
    } else {
      const std::size_t end = std::min(line.find_first_of(" \t", i), line.size());
      tokens.push_back({std::string(line.substr(i, end - i)), false});
      i = end;
    }
  }
  return true;
}

std::optional<CheckTerm> parseTerm(std::vector<Token> tokens, std::string& error) {
  CheckTerm term;
  if (!tokens.empty() && !tokens.front().quoted && tokens.front().text == "not") {
    term.negated = true;
    tokens.erase(tokens.begin());
  }
  for (const TermShape& shape : kShapes) {
    if (auto arguments = matchShape(shape.shape, tokens)) {
      term.kind = shape.kind;
      term.arguments = std::move(*arguments);
      if (term.negated && isEvent(term.kind)) {
        error = "\"not\" only turns round a fact, not something the student did";
        return std::nullopt;
      }
      return term;
    }
  }
  std::string written;
  for (const Token& token : tokens) written += (written.empty() ? "" : " ") + token.text;
  error = "unknown check term: " + written;
  return std::nullopt;
}

std::optional<StepCheck> parseLine(std::string_view line, int expectedStep, std::string& error) {
  std::vector<Token> tokens;
  if (!tokenize(line, tokens)) {
    error = "a quote is not closed";
    return std::nullopt;
  }
  StepCheck check;
  if (tokens.empty() || tokens[0].quoted || !isNumber(tokens[0].text) ||
      std::stoi(tokens[0].text) != expectedStep) {
    error = "the line should start with the step number " + std::to_string(expectedStep);
    return std::nullopt;
  }
  check.step = expectedStep;
  std::size_t index = 1;
  if (index < tokens.size() && !tokens[index].quoted && tokens[index].text == "once") {
    check.once = true;
    ++index;
  }
  std::vector<Token> termTokens;
  for (; index <= tokens.size(); ++index) {
    const bool separator =
        index == tokens.size() || (!tokens[index].quoted && tokens[index].text == "and");
    if (!separator) {
      termTokens.push_back(tokens[index]);
      continue;
    }
    auto term = parseTerm(std::move(termTokens), error);
    if (!term) return std::nullopt;
    check.terms.push_back(std::move(*term));
    termTokens.clear();
  }
  return check;
}

}  // namespace

bool isEvent(CheckKind kind) { return kind <= CheckKind::read; }

ParsedChecks parseChecks(std::string_view text) {
  ParsedChecks result;
  int lineNumber = 0;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.find_first_not_of(" \t") == std::string_view::npos) continue;
    std::string error;
    auto check = parseLine(line, static_cast<int>(result.checks.size()) + 1, error);
    if (!check) {
      result.error = CheckSyntaxError{lineNumber, error};
      return result;
    }
    result.checks.push_back(std::move(*check));
  }
  return result;
}

int countStepHeadings(std::string_view lessonText) {
  int count = 0;
  bool title = true;  // the first line is the title, never a step
  for (std::size_t start = 0; start < lessonText.size();) {
    std::size_t end = lessonText.find('\n', start);
    if (end == std::string_view::npos) end = lessonText.size();
    const std::string_view line = lessonText.substr(start, end - start);
    start = end + 1;
    const std::size_t first = line.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) continue;
    const std::size_t wordEnd = std::min(line.find_first_of(" \t\r", first), line.size());
    const bool heading = line.substr(first, wordEnd - first).find("Step") != std::string_view::npos;
    if (heading && !title) ++count;
    title = false;
  }
  return count;
}

}  // namespace kovrel

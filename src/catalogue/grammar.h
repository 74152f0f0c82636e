// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/lesson_database.h"
#include "base/router_records.h"

namespace kovrel {

class Simulator;

using Words = std::vector<std::string>;

/// What a form made of the values the student typed.
enum class FormOutcome {
  done,         // the line was this form's: it acted, or answered the student itself
  notThisForm,  // a value was refused: the invalid-input reply points at the first value
};

/// The action of a form. `words` are the parsed line: every keyword spelt out in full and in
/// lower case, every value exactly as typed (a LINE value is the rest of the line as typed).
using FormAction = FormOutcome (*)(Simulator& sim, const Words& words);

/// One accepted form of a command and what it does. The pattern is a run of words: keywords in
/// lower case, and values written `A.B.C.D` (an address), `MASK` (a subnet mask), `ROUTEMASK` (a
/// route's mask, which may be all zeros or ones), `<1-99>` (a whole number in that range), `WORD`
/// (any one word) or `LINE` (the rest of the line). A value followed by "..." may be repeated.
struct CommandForm {
  std::string_view pattern;
  FormAction action;
};

/// The forms of one command mode, in groups as the modules that carry them out export them.
struct ModeCommands {
  CliMode mode;
  std::vector<std::span<const CommandForm>> forms;
  std::optional<CliMode> doMode;  // a mode whose commands "do" reaches from this one
};

/// What a grammar node matches.
/// A value's kind decides what it accepts: a mask of an interface has one to 31 ones, a route's
/// mask may also be all zeros (the default route) or all ones (one host).
enum class NodeKind { keyword, address, mask, routeMask, number, word, line };

/// One node of a mode's command tree: a keyword or a typed value, the form that ends there, and
/// the nodes that may follow it.
struct GrammarNode {
  NodeKind kind = NodeKind::keyword;
  std::string text;  // the keyword, or how help names the value ("A.B.C.D", "<1-99>", "WORD")
  long long low = 0;
  long long high = 0;
  bool repeats = false;
  std::uint8_t interfaces = 0b111;  // interface configuration: the interfaces it exists on
  const CommandForm* form = nullptr;
  bool carriedOut = false;         // a form ends here or below
  std::optional<CliMode> jumpsTo;  // "do": the words after it are another mode's
  std::vector<std::uint32_t> children;
};

/// The command tree of one mode; node 0 is the root, whose children are the first words.
struct ModeGrammar {
  std::vector<GrammarNode> nodes;
};

/// The command trees of every mode, built once from the catalogue rows and the forms.
struct CommandGrammars {
  std::array<ModeGrammar, 8> modes;
  const ModeGrammar& of(CliMode mode) const { return modes[static_cast<std::size_t>(mode)]; }
};

/// The catalogue rows of every mode (from the lesson database; none when it cannot be read) and
/// the forms of the handlers, merged into one tree per mode.
std::shared_ptr<const CommandGrammars> buildCommandGrammars(Simulator& sim,
                                                            std::span<const ModeCommands> commands);

/// The same from rows already read, per catalogue table.
std::shared_ptr<const CommandGrammars> buildCommandGrammars(
    const std::vector<std::vector<CatalogueRow>>& rowsByTable,
    std::span<const ModeCommands> commands);

/// One typed word and the column where it starts in the typed text.
struct Token {
  std::string_view text;
  std::size_t column = 0;
};

/// Splits typed text at blanks, keeping each word's column.
std::vector<Token> tokenize(std::string_view typed);

/// Where a walk through the tree may go: a grammar and the interface whose commands count.
struct GrammarScope {
  const CommandGrammars* grammars = nullptr;
  CliMode mode = CliMode::none;
  InterfaceNumber interface = kSerial0;
  const ModeGrammar& grammar() const { return grammars->of(mode); }
};

/// How far a line got through the tree.
enum class ParseStatus { complete, incomplete, invalid, ambiguous, unavailable };

/// A parsed line: its status, the form it names, the parsed words and, for every word, the
/// typed word it came from.
struct ParsedLine {
  ParseStatus status = ParseStatus::invalid;
  const CommandForm* form = nullptr;
  Words words;
  std::vector<std::size_t> tokenOfWord;
  bool stopped = false;               // a typed word was taken by no node
  std::size_t failedToken = 0;        // where it stopped: the typed word no node takes
  std::size_t firstValueWord = 0;     // the first value among `words` (0 when there is none)
  const GrammarNode* node = nullptr;  // the last node reached
  CliMode nodeMode = CliMode::none;   // the mode whose grammar holds `node`
};

/// Walks the typed words through the tree: a keyword is taken by any prefix no other keyword at
/// that place shares, a value by its type, "s0" as "s 0".
ParsedLine parseLine(const GrammarScope& scope, std::span<const Token> tokens);

/// The keywords (and values) that may follow `node`, in catalogue order, for the interface of
/// the scope. A "do" node gives the first words of its mode.
std::vector<const GrammarNode*> nextNodes(const GrammarScope& scope, const ParsedLine& parsed);

/// The keywords among `next` that begin with `prefix` (any case).
std::vector<const GrammarNode*> keywordsStartingWith(std::span<const GrammarNode* const> next,
                                                     std::string_view prefix);

}  // namespace kovrel

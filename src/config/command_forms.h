// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/command_input.h"
#include "base/command_matching.h"
#include "base/simulator.h"

namespace kovrel {

using Words = std::vector<std::string>;

/// What a form made of the values that stood at its "variable" positions.
enum class FormOutcome {
  done,         // the line was this form's: it acted, or answered the student itself
  notThisForm,  // a value was refused: the later forms and the error replies decide
};

using FormAction = FormOutcome (*)(Simulator& sim, const Words& words);

/// Whether a line that is an unfinished prefix of a form is answered "% Incomplete command.".
enum class Prefix { incomplete, invalid };

/// One accepted form of a command: its pattern, what it does on an exact match, and how an
/// unfinished prefix of it is answered. A pattern ending in " ..." takes any further words.
struct CommandForm {
  std::string_view pattern;
  FormAction action;
  Prefix prefix = Prefix::incomplete;
};

/// Gives the invalid-input reply for a value the form refuses outright; the line is answered.
FormOutcome refuseValue(Simulator& sim);

/// Compares normalised words with a pattern, as `matchCommand` does with a line.
MatchResult matchForm(const Words& words, std::string_view pattern);

/// Tries the forms in order and applies the first that matches exactly and accepts its values.
/// Returns false, printing nothing, when none did.
bool applyFirstForm(Simulator& sim, const Words& words, std::span<const CommandForm> forms);

/// How many leading words agree with a form's pattern; all of them past an open pattern's end.
std::size_t formMatchedWords(const Words& words, std::string_view pattern);

/// The common answer to a line no form took: "% Incomplete command." when it is an unfinished
/// prefix of a form marked so, otherwise the invalid-input reply.
void answerUnmatched(Simulator& sim, const Words& words, std::span<const CommandForm> forms);

/// `applyFirstForm`, then `answerUnmatched` when no form took the line.
void runCommandForms(Simulator& sim, const Words& words, std::span<const CommandForm> forms);

}  // namespace kovrel

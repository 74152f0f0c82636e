// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kovrel {

/// The result of comparing a command line with a pattern.
enum class MatchResult { match = 0, mismatch = 1, incomplete = 2 };

/// The typed part of an input line: the text after the first occurrence of `prompt`, trimmed of
/// blanks, lower-cased, with every run of blanks reduced to one.
std::string normalizeCommandLine(std::string_view line, std::string_view prompt);

/// What was typed after the prompt, exactly as typed; a line without the prompt is all typed.
std::string_view typedText(std::string_view line, std::string_view prompt);

/// Compares the normalised words of `line` with `pattern`, whose word "variable" matches any word.
MatchResult matchCommand(std::string_view line, std::string_view pattern, std::string_view prompt);

/// Splits a normalised text at single blanks; an empty text has no words.
std::vector<std::string> splitWords(std::string_view text);

/// Replaces every occurrence of `from` in `text` by `to`, scanning left to right.
std::string replaceAll(std::string text, std::string_view from, std::string_view to);

/// Lower-cases ASCII letters.
std::string toLower(std::string_view text);
/// Removes leading and trailing space characters.
std::string_view trimBlanks(std::string_view text);

}  // namespace kovrel

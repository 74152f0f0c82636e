// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <utility>

namespace kovrel::terminal {

/// Rewrites the console's CR LF line breaks for a terminal or a file, as the text streams out in
/// pieces: a CR at the end of one piece may meet its LF at the start of the next.
class LineEndingFilter {
 public:
  /// `lineBreak` replaces each CR LF: "\n" for a pipe, "\r\n" for a raw terminal.
  explicit LineEndingFilter(std::string lineBreak) : lineBreak_(std::move(lineBreak)) {}

  /// The converted text of the next piece; a trailing CR is held back until the next piece.
  std::string convert(std::string_view piece);
  /// Starts afresh (the output was replaced), returning a CR that was held back, if any.
  std::string reset();

 private:
  std::string lineBreak_;
  bool carriageReturnHeld_ = false;
};

/// The last `count` lines of `text` (all of it when it has no more).
std::string_view lastLines(std::string_view text, std::size_t count);

/// `text` with each control character other than LF and Tab shown as the terminal convention
/// "^X" ("^[" for Esc, "^?" for Delete): text from a lesson database never steers the terminal.
std::string showControlCharacters(std::string_view text);

/// Splits `text` at its leading line breaks (LF or CR LF): the breaks, then the rest.
std::pair<std::string_view, std::string_view> splitLeadingBreaks(std::string_view text);

}  // namespace kovrel::terminal

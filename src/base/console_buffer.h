// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "base/platform.h"

namespace kovrel {

/// Lines of output a console keeps, as a terminal's scrollback does: a session of any length, and
/// each router's parked console, then needs no more memory than this many lines.
inline constexpr std::size_t kScrollbackLines = 2000;

/// The console's two texts: the output pane and the one-line input box (prompt plus typed text),
/// with the default text-box editing that every front-end shares. Each change is passed on to the
/// view. Output lines are joined with CR LF, and the output never ends in a line break. The output
/// keeps its last `kScrollbackLines` lines.
class ConsoleBuffer {
 public:
  explicit ConsoleBuffer(ConsoleView& view) : view_(view) {}

  /// The output as the scrollback holds it; valid until the output next changes.
  std::string_view output() const { return std::string_view(output_).substr(start_); }
  /// How many bytes were ever written to the output (a replacement counts as written anew): a
  /// mark for `outputSince`.
  std::size_t writtenBytes() const { return written_; }
  /// What was written since the mark, as far as the scrollback still holds it.
  std::string_view outputSince(std::size_t mark) const;
  void appendOutput(std::string_view text, bool emphasised = false);
  void replaceOutput(std::string text);

  const std::string& input() const { return input_; }
  /// The input line as the student sees it: without the typed text of a password answer.
  std::string_view shownInput() const;
  std::size_t caret() const { return caret_; }
  /// Replaces the input line and puts the caret at its end.
  void setInput(std::string text);
  void setInput(std::string text, std::size_t caret);
  void setCaret(std::size_t caret);

  // The text-box behaviour shared by every front-end.
  void insertAtCaret(char character);
  void deleteBeforeCaret();
  void deleteAfterCaret();
  void moveCaretLeft();
  void moveCaretRight();
  void moveCaretToEnd() { setCaret(input_.size()); }

  /// Keeps what is typed after the first `shownLength` characters (the question) off the screen
  /// and out of every echo, until `showAllInput`; editing works on the hidden text as usual.
  void hideInputAfter(std::size_t shownLength);
  void showAllInput();

  void refresh() { view_.refresh(); }

 private:
  void inputChanged();
  void dropOldestLines();

  ConsoleView& view_;
  // The output is `output_` from `start_` on: the lines dropped before it are erased only now
  // and then, so that a line appended to a full scrollback does not move all the others.
  std::string output_;
  std::size_t start_ = 0;
  std::size_t outputBreaks_ = 0;  // line breaks in the output
  std::size_t written_ = 0;
  std::string input_;
  std::size_t caret_ = 0;
  std::size_t shownLength_ = std::string::npos;
};

}  // namespace kovrel

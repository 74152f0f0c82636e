// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/platform.h"
#include "base/rich_text.h"
#include "shell/terminal/line_endings.h"

namespace kovrel::terminal {

/// The console drawn on an ANSI terminal: the output scrolls as ordinary text and the input line
/// (prompt plus typed text) is redrawn in place on the row below it. Emphasis is bold; a replaced
/// output clears the screen and starts under a header line.
class TerminalScreen : public ConsoleView {
 public:
  using Writer = std::function<void(std::string_view)>;

  TerminalScreen(Writer write, std::string header)
      : write_(std::move(write)), header_(std::move(header)) {}

  void outputAppended(const std::string& text, bool emphasised) override;
  void outputReplaced(const std::string& text) override;
  void inputChanged(const std::string& text, std::size_t caret) override;
  /// Writes what a hold kept back: a pause or a wait for a key follows.
  void refresh() override;

  /// The terminal's size changed (or is first known).
  void resize(int columns);
  /// Shows `line` (the program command prompt and what was typed) instead of the router's input
  /// line; nothing shows the router's line again.
  void showProgramLine(std::optional<std::string> line);
  /// Lines of the front-end's own (program command replies, message boxes), shown under the
  /// output; `highlighted` draws them in reverse video.
  void showNotice(const std::vector<std::string>& lines, bool highlighted);
  /// Lines already laid out for the terminal (lesson text with its attributes), shown under the
  /// output as they are.
  void showRenderedLines(std::span<const std::string> lines);
  /// The terminal's width in columns.
  std::size_t columns() const { return columns_; }
  /// Leaves the cursor on a fresh line under the input line, for the shell that follows.
  void finish();
  /// While held, what the screen draws is kept and written at the next call or refresh: a paste
  /// is drawn a line at a time, not a key at a time.
  void holdDrawing(bool hold);

 private:
  void emit(const std::string& text);
  void redrawInput();
  std::string clearInput();
  std::string drawInput();
  std::string moveToOutputEnd(std::string_view& text);
  std::string renderOutput(std::string_view text, bool emphasised);

  Writer write_;
  std::string header_;
  std::size_t columns_ = 80;
  LineEndingFilter lineEndings_{"\n"};
  std::string lastOutputLine_;  // the output after its last line break, tabs expanded
  // The row above the input line is not the output's last line; at first nothing of the
  // output is drawn, and the cursor stands on the fresh row the shell left.
  bool detached_ = true;
  std::string input_;
  std::size_t caret_ = 0;
  std::optional<std::string> programLine_;
  std::size_t cursorRow_ = 0;  // the cursor's row within the input line, for erasing it
  bool held_ = false;
  std::string heldText_;
};

/// Replaces tabs with blanks to the next multiple of 8 columns, counted from `column` (the column
/// where the text starts, updated to where it ends); other control characters become "?".
std::string expandForTerminal(std::string_view text, std::size_t& column);

}  // namespace kovrel::terminal

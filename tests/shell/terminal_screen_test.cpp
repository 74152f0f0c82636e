// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/terminal/terminal_screen.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kovrel::terminal {
namespace {

using Lines = std::vector<std::string>;
using Cursor = std::pair<int, int>;  // row, column

/// Just enough of a VT100 to check what the view draws: text with the deferred wrap at the last
/// column, CR, LF with scrolling, cursor up (ESC[nA), column (ESC[nG), home (ESC[H), erase below
/// (ESC[J) and clear (ESC[2J); attributes (ESC[...m) are ignored.
class ScreenEmulator {
 public:
  ScreenEmulator(int columns, int rows) : columns_(columns), grid_(rows, blankRow(columns)) {}

  // The view writes each escape sequence whole, so one call holds all of it.
  void write(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      if (bytes[i] == '\x1b') {
        const std::size_t final = bytes.find_first_not_of("0123456789;", i + 2);
        control(bytes.substr(i + 2, final - i - 2), bytes.at(final));
        i = final;
      } else if (bytes[i] == '\r') {
        column_ = 0;
        pendingWrap_ = false;
      } else if (bytes[i] == '\n') {
        lineFeed();
      } else {
        put(bytes[i]);
      }
    }
  }
  /// The visible rows, trailing blanks removed.
  Lines rows() const {
    Lines result;
    for (std::string line : grid_) result.push_back(line.erase(line.find_last_not_of(' ') + 1));
    return result;
  }
  Cursor cursor() const { return {row_, column_}; }

 private:
  static std::string blankRow(int columns) { return std::string(columns, ' '); }
  void put(char character) {
    if (pendingWrap_) {
      column_ = 0;
      lineFeed();
    }
    grid_[row_][column_] = character;
    pendingWrap_ = column_ + 1 == columns_;
    if (!pendingWrap_) ++column_;
  }
  void lineFeed() {
    pendingWrap_ = false;
    if (row_ + 1 < static_cast<int>(grid_.size())) {
      ++row_;
      return;
    }
    grid_.erase(grid_.begin());
    grid_.push_back(blankRow(columns_));
  }
  void control(std::string_view parameters, char final) {
    const int number = parameters.empty() ? 0 : std::stoi(std::string(parameters));
    pendingWrap_ = false;
    if (final == 'A') row_ = std::max(0, row_ - std::max(number, 1));
    if (final == 'G') column_ = std::clamp(number - 1, 0, columns_ - 1);
    if (final == 'H') row_ = column_ = 0;
    if (final != 'J') return;
    for (int below = number == 2 ? 0 : row_ + 1; below < static_cast<int>(grid_.size()); ++below) {
      grid_[below] = blankRow(columns_);
    }
    if (number != 2) grid_[row_].replace(column_, columns_ - column_, columns_ - column_, ' ');
  }

  int columns_;
  Lines grid_;
  int row_ = 0;
  int column_ = 0;
  bool pendingWrap_ = false;
};

/// A terminal view drawing on an emulated screen of 20 columns and 6 rows.
class TerminalScreenTest : public ::testing::Test {
 protected:
  TerminalScreenTest() : screen_([this](std::string_view text) { emulator_.write(text); }, "HEAD") {
    screen_.resize(20);
    screen_.outputReplaced("boot\r\nPress RETURN.");
    screen_.inputChanged("", 0);
  }

  ScreenEmulator emulator_{20, 6};
  TerminalScreen screen_;
};

TEST_F(TerminalScreenTest, OutputStartsUnderTheHeaderAndAppendedLinesGoAboveTheInputLine) {
  screen_.inputChanged("R>", 2);
  EXPECT_EQ(emulator_.rows(), (Lines{"HEAD", "boot", "Press RETURN.", "R>", "", ""}));
  EXPECT_EQ(emulator_.cursor(), Cursor(3, 2));
  screen_.inputChanged("R>show", 6);
  screen_.outputAppended("\r\nR>show", false);
  screen_.outputAppended("\r\n% Bad", true);
  screen_.outputAppended(" input", false);  // a line continued in place
  screen_.inputChanged("R>", 2);
  EXPECT_EQ(emulator_.rows(),
            (Lines{"HEAD", "boot", "Press RETURN.", "R>show", "% Bad input", "R>"}));
}

TEST_F(TerminalScreenTest, AWrappedInputLineLeavesTheRowsAboveAloneAndTheCursorFollowsTheCaret) {
  std::string line = "R>";
  for (char next = 'a'; line.size() < 23; ++next) {
    line.push_back(next);
    screen_.inputChanged(line, line.size());
  }
  EXPECT_EQ(emulator_.rows(),
            (Lines{"HEAD", "boot", "Press RETURN.", "R>abcdefghijklmnopqr", "stu", ""}));
  EXPECT_EQ(emulator_.cursor(), Cursor(4, 3));
  screen_.inputChanged(line, 5);
  EXPECT_EQ(emulator_.cursor(), Cursor(3, 5));
  screen_.inputChanged(line.substr(0, 20), 20);  // exactly one row, caret at its end
  EXPECT_EQ(emulator_.cursor(), Cursor(4, 0));
  screen_.inputChanged("R>x", 3);
  EXPECT_EQ(emulator_.rows(), (Lines{"HEAD", "boot", "Press RETURN.", "R>x", "", ""}));
}

TEST_F(TerminalScreenTest, NoticesSitBetweenOutputAndInputAndOutputGoesOnBelowThem) {
  screen_.inputChanged("R>sh", 4);
  screen_.showProgramLine("program> fro");
  EXPECT_EQ(emulator_.rows()[3], "program> fro");
  screen_.showProgramLine(std::nullopt);
  screen_.showNotice({"Unknown."}, false);
  EXPECT_EQ(emulator_.rows(), (Lines{"HEAD", "boot", "Press RETURN.", "Unknown.", "R>sh", ""}));
  screen_.outputAppended(" more", false);  // continues the output's last line: shown again
  screen_.outputAppended("\r\nnext", false);
  EXPECT_EQ(emulator_.rows(),
            (Lines{"boot", "Press RETURN.", "Unknown.", "Press RETURN. more", "next", "R>sh"}));
}

TEST_F(TerminalScreenTest, LongOutputScrollsAndTabsAndControlsStayInTheirCells) {
  for (int i = 0; i < 6; ++i) screen_.outputAppended("\r\nline " + std::to_string(i), false);
  screen_.outputAppended("\r\na\tb\x07", false);
  screen_.inputChanged("R>", 2);
  EXPECT_EQ(emulator_.rows(), (Lines{"line 2", "line 3", "line 4", "line 5", "a       b^G", "R>"}));
}

// Before any output is drawn the row above the cursor is the shell's, never the output's.
TEST(TerminalScreenStart, OutputBeforeAnyReplacementStartsOnTheRowTheShellLeft) {
  ScreenEmulator emulator(20, 4);
  emulator.write("$ kovrel-term\r\n");
  TerminalScreen screen([&](std::string_view text) { emulator.write(text); }, "HEAD");
  screen.resize(20);
  screen.outputAppended("first", false);
  screen.outputAppended(" line", false);
  screen.inputChanged("R>", 2);
  EXPECT_EQ(emulator.rows(), (Lines{"$ kovrel-term", "first line", "R>", ""}));
}

}  // namespace
}  // namespace kovrel::terminal

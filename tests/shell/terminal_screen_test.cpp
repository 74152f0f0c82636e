#include "shell/terminal/terminal_screen.h"

#include <gtest/gtest.h>

#include "shell/screen_emulator.h"

namespace kovrel::terminal {
namespace {

using kovrel::testing::ScreenEmulator;
using Lines = std::vector<std::string>;

/// A terminal view drawing on an emulated 20-column screen.
class TerminalScreenTest : public ::testing::Test {
 protected:
  TerminalScreenTest()
      : emulator_(20, 6),
        screen_([this](std::string_view text) { emulator_.write(text); }, "HEAD") {
    screen_.resize(20);
  }

  void boot() {
    screen_.outputReplaced("boot\r\nPress RETURN.");
    screen_.inputChanged("", 0);
  }

  ScreenEmulator emulator_;
  TerminalScreen screen_;
};

TEST_F(TerminalScreenTest, ReplacedOutputStartsUnderTheHeaderWithTheInputBelow) {
  boot();
  screen_.inputChanged("R>", 2);
  EXPECT_EQ(emulator_.rows(), (Lines{"HEAD", "boot", "Press RETURN.", "R>", "", ""}));
  EXPECT_EQ(emulator_.cursorRow(), 3);
  EXPECT_EQ(emulator_.cursorColumn(), 2);
}

TEST_F(TerminalScreenTest, AppendedLinesGoAboveTheInputLine) {
  boot();
  screen_.inputChanged("R>show", 6);
  screen_.outputAppended("\r\nR>show", false);
  screen_.outputAppended("\r\n% Bad", true);
  screen_.outputAppended(" input", false);  // a line continued in place
  screen_.inputChanged("R>", 2);
  EXPECT_EQ(emulator_.rows(),
            (Lines{"HEAD", "boot", "Press RETURN.", "R>show", "% Bad input", "R>"}));
}

TEST_F(TerminalScreenTest, AnInputLineFillingARowLeavesTheRowsAboveAlone) {
  boot();
  std::string line = "R>";
  for (char next = 'a'; line.size() < 23; ++next) {
    line.push_back(next);
    screen_.inputChanged(line, line.size());
  }
  EXPECT_EQ(emulator_.rows(),
            (Lines{"HEAD", "boot", "Press RETURN.", "R>abcdefghijklmnopqr", "stu", ""}));
  EXPECT_EQ(emulator_.cursorRow(), 4);
  EXPECT_EQ(emulator_.cursorColumn(), 3);
  screen_.inputChanged(line.substr(0, 20), 20);  // exactly one row, caret at its end
  EXPECT_EQ(emulator_.cursorRow(), 4);
  EXPECT_EQ(emulator_.cursorColumn(), 0);
  screen_.inputChanged("R>x", 3);
  EXPECT_EQ(emulator_.rows(), (Lines{"HEAD", "boot", "Press RETURN.", "R>x", "", ""}));
}

TEST_F(TerminalScreenTest, TheCursorFollowsTheCaretIntoAWrappedLine) {
  boot();
  screen_.inputChanged("R>abcdefghijklmnopqrstuvw", 21);
  EXPECT_EQ(emulator_.cursorRow(), 4);
  EXPECT_EQ(emulator_.cursorColumn(), 1);
  screen_.inputChanged("R>abcdefghijklmnopqrstuvw", 5);
  EXPECT_EQ(emulator_.cursorRow(), 3);
  EXPECT_EQ(emulator_.cursorColumn(), 5);
}

TEST_F(TerminalScreenTest, NoticesSitBetweenOutputAndInputAndOutputGoesOnBelowThem) {
  boot();
  screen_.inputChanged("R>sh", 4);
  screen_.showProgramLine("program> fro");
  EXPECT_EQ(emulator_.rows()[3], "program> fro");
  screen_.showProgramLine(std::nullopt);
  screen_.showNotice({"Unknown."}, false);
  EXPECT_EQ(emulator_.rows(), (Lines{"HEAD", "boot", "Press RETURN.", "Unknown.", "R>sh", ""}));
  screen_.outputAppended(" more", false);  // continues the output's last line: shown again
  screen_.outputAppended("\r\nnext", false);
  EXPECT_EQ(emulator_.allLines(), (Lines{"HEAD", "boot", "Press RETURN.", "Unknown.",
                                         "Press RETURN. more", "next", "R>sh"}));
}

TEST_F(TerminalScreenTest, LongOutputScrollsAndTabsAndControlsStayInTheirCells) {
  boot();
  for (int i = 0; i < 6; ++i) screen_.outputAppended("\r\nline " + std::to_string(i), false);
  screen_.outputAppended("\r\na\tb\x07", false);
  screen_.inputChanged("R>", 2);
  EXPECT_EQ(emulator_.rows(), (Lines{"line 2", "line 3", "line 4", "line 5", "a       b?", "R>"}));
}

}  // namespace
}  // namespace kovrel::terminal

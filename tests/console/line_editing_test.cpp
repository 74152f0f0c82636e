#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/keyboard.h"
#include "support/fake_platform.h"

namespace kovrel {
namespace {

using testing::SimulatorFixture;

class LineEditingTest : public ::testing::Test {
 protected:
  void press(int keyCode, bool ctrl = false) { pressKey(fixture.sim, keyCode, ctrl, 0); }
  void up() { press(key::kUp); }
  void down() { press(key::kDown); }
  void left() { press(key::kLeft); }
  // Esc held down while a letter is typed.
  void withEscapeHeld(char letter) {
    keyDown(fixture.sim, key::kEscape, false);
    keyChar(fixture.sim, letter);
    keyUp(fixture.sim, key::kEscape);
  }
  std::size_t caret() const { return fixture.sim.console.caret(); }
  std::size_t typedStart() const { return fixture.prompt().size(); }
  const std::vector<std::string>& history() { return fixture.sim.router().history; }
  int historySize() { return fixture.running().historySize; }

  SimulatorFixture fixture;
};

// --- history browsing ---

TEST_F(LineEditingTest, UpOnEmptyHistoryKeepsTheLineBeingTyped) {
  fixture.startSession(CliMode::user);
  fixture.type("sho");
  up();
  EXPECT_EQ(fixture.input(), "Router>sho");
  down();
  EXPECT_EQ(fixture.input(), "Router>sho");
}

TEST_F(LineEditingTest, UpPastTheOldestEntryKeepsShowingIt) {
  fixture.startSession(CliMode::user);
  for (const char* line : {"one", "two", "three"}) fixture.enter(line);
  const std::vector<std::string> expected = {"Router>three", "Router>two", "Router>one",
                                             "Router>one"};
  for (const std::string& shown : expected) {
    up();
    EXPECT_EQ(fixture.input(), shown);
    EXPECT_EQ(caret(), shown.size());
  }
}

TEST_F(LineEditingTest, DownReturnsToTheDraftWithItsPromptAndThenStays) {
  fixture.startSession(CliMode::user);
  fixture.enter("one");
  fixture.enter("two");
  fixture.type("dra");
  up();
  up();
  EXPECT_EQ(fixture.input(), "Router>one");
  down();
  EXPECT_EQ(fixture.input(), "Router>two");
  down();
  EXPECT_EQ(fixture.input(), "Router>dra");
  down();
  EXPECT_EQ(fixture.input(), "Router>dra");
}

TEST_F(LineEditingTest, RecalledEntriesFollowTheCurrentPrompt) {
  fixture.startSession(CliMode::user);
  fixture.enter("one");
  fixture.enter("enable");
  up();
  EXPECT_EQ(fixture.input(), "Router#enable");
  up();
  EXPECT_EQ(fixture.input(), "Router#one");
}

TEST_F(LineEditingTest, EntriesKeepTheirTypingAndEmptyLinesAreNotRecorded) {
  fixture.startSession(CliMode::user);
  fixture.enter("  Show   CLOCK ");
  fixture.enter("");
  fixture.enter("   ");
  fixture.enter("x");
  fixture.enter("x");
  EXPECT_EQ(history(), (std::vector<std::string>{"  Show   CLOCK ", "   ", "x", "x"}));
}

TEST_F(LineEditingTest, PasswordAnswersStayOutOfTheHistoryConfigureAnswersGoIn) {
  fixture.startSession(CliMode::conf);
  fixture.enter("enable secret hidden");
  fixture.enter("end");
  fixture.enter("disable");
  fixture.enter("enable");
  fixture.enter("hidden");
  ASSERT_EQ(fixture.mode(), CliMode::priv);
  fixture.enter("configure");
  fixture.enter("terminal");
  ASSERT_EQ(fixture.mode(), CliMode::conf);
  for (const std::string& entry : history()) EXPECT_NE(entry, "hidden");
  EXPECT_EQ(history()[history().size() - 2], "configure");
  EXPECT_EQ(history().back(), "terminal");
}

TEST_F(LineEditingTest, ADraftTypedAfterAnotherPromptComesBackAsTheCurrentPrompt) {
  fixture.startSession(CliMode::conf);
  fixture.type("host");
  up();
  fixture.ctrl('Z');  // leaves configuration mode while browsing
  down();
  EXPECT_EQ(fixture.input(), "Router#");
}

TEST_F(LineEditingTest, BrowsingSurvivesAHistoryThatShrankUnderIt) {
  fixture.startSession(CliMode::user);
  fixture.enter("one");
  fixture.sim.router().historyIndex = 40;  // stale, as after a router was reloaded
  up();
  EXPECT_EQ(fixture.input(), "Router>one");
}

struct HistorySizeCase {
  const char* command;
  bool accepted;
  int sizeAfter;
};

class TerminalHistorySizeTest : public LineEditingTest,
                                public ::testing::WithParamInterface<HistorySizeCase> {};

TEST_P(TerminalHistorySizeTest, AcceptsOnlyOneTo256) {
  fixture.startSession(CliMode::user);
  fixture.enter(GetParam().command);
  const std::string reply = fixture.newOutput();
  EXPECT_EQ(reply.find("% Invalid input") == std::string::npos, GetParam().accepted) << reply;
  EXPECT_EQ(historySize(), GetParam().sizeAfter);
}

INSTANTIATE_TEST_SUITE_P(Sizes, TerminalHistorySizeTest,
                         ::testing::Values(HistorySizeCase{"terminal history size 0", false, 10},
                                           HistorySizeCase{"terminal history size 1", true, 1},
                                           HistorySizeCase{"terminal history size 256", true, 256},
                                           HistorySizeCase{"terminal history size 257", false, 10},
                                           HistorySizeCase{"terminal history size 1000", false, 10},
                                           HistorySizeCase{"terminal history size 0256", false, 10},
                                           HistorySizeCase{"terminal history size x", false, 10},
                                           HistorySizeCase{"terminal history length 5", false,
                                                           10}));

TEST_F(LineEditingTest, SizeOneRecallsOnlyTheLastCommand) {
  fixture.startSession(CliMode::user);
  fixture.enter("terminal history size 1");
  fixture.enter("one");
  fixture.enter("two");
  up();
  EXPECT_EQ(fixture.input(), "Router>two");
  up();
  EXPECT_EQ(fixture.input(), "Router>two");
}

TEST_F(LineEditingTest, SizeTwoKeepsTheLastTwoCommands) {
  fixture.startSession(CliMode::user);
  fixture.enter("terminal history size 2");
  for (const char* line : {"one", "two", "three"}) fixture.enter(line);
  EXPECT_EQ(history(), (std::vector<std::string>{"two", "three"}));
}

TEST_F(LineEditingTest, TerminalHistoryAloneResetsTheSizeToTen) {
  fixture.startSession(CliMode::user);
  fixture.enter("terminal history size 3");
  fixture.enter("terminal history");
  EXPECT_EQ(historySize(), 10);
}

TEST_F(LineEditingTest, TerminalNoHistoryTrimsButKeepsTheSize) {
  fixture.startSession(CliMode::user);
  for (const char* line : {"one", "two", "three"}) fixture.enter(line);
  fixture.enter("terminal history size 2");
  fixture.enter("terminal no history");
  EXPECT_EQ(historySize(), 2);
  EXPECT_EQ(history(),
            (std::vector<std::string>{"terminal history size 2", "terminal no history"}));
  up();
  EXPECT_EQ(fixture.input(), "Router>terminal no history");
}

TEST_F(LineEditingTest, TerminalRepliesForUnfinishedAndForeignLines) {
  struct Case {
    CliMode mode;
    const char* line;
    const char* reply;
  };
  const std::vector<Case> cases = {
      {CliMode::user, "terminal", "% Incomplete command."},
      {CliMode::priv, "terminal no", "% Incomplete command."},
      {CliMode::user, "terminal history size", "% Incomplete command."},
      {CliMode::user, "terminal length", "% Invalid input detected at '^' marker."},
      {CliMode::user, "terminal history size 5 6", "% Invalid input detected at '^' marker."},
      {CliMode::conf, "terminal history", "% Invalid input detected at '^' marker."},
  };
  for (const Case& c : cases) {
    SimulatorFixture console;
    console.startSession(c.mode);
    console.enter(c.line);
    EXPECT_NE(console.newOutput().find(c.reply), std::string::npos) << c.line;
    EXPECT_EQ(console.running().historySize, 10) << c.line;
  }
}

// --- editing keys ---

TEST_F(LineEditingTest, CaretKeysNeverEnterThePrompt) {
  fixture.startSession(CliMode::user);
  left();
  EXPECT_EQ(caret(), typedStart());
  press('B', true);
  EXPECT_EQ(caret(), typedStart());
  EXPECT_EQ(fixture.input(), "Router>");
  fixture.type("ab");
  for (int i = 0; i < 4; ++i) left();
  EXPECT_EQ(caret(), typedStart());
  fixture.type("\b");
  press('D', true);
  EXPECT_EQ(fixture.input(), "Router>ab");
  fixture.type("x");
  EXPECT_EQ(fixture.input(), "Router>xab");
}

TEST_F(LineEditingTest, ControlKeysMoveAndDelete) {
  fixture.startSession(CliMode::user);
  fixture.type("show ip");
  press('A', true);
  EXPECT_EQ(caret(), typedStart());
  press('F', true);
  press('F', true);
  EXPECT_EQ(caret(), typedStart() + 2);
  press('D', true);
  EXPECT_EQ(fixture.input(), "Router>sow ip");
  EXPECT_EQ(caret(), typedStart() + 1);
  press('E', true);
  EXPECT_EQ(caret(), fixture.input().size());
  press('F', true);
  EXPECT_EQ(caret(), fixture.input().size());
  press('B', true);
  EXPECT_EQ(caret(), fixture.input().size() - 1);
  press(key::kHome);
  EXPECT_EQ(caret(), fixture.input().size() - 1);
  press('U', true);
  EXPECT_EQ(fixture.input(), "Router>");
  EXPECT_EQ(caret(), typedStart());
}

TEST_F(LineEditingTest, PunctuationIsTypedNotTakenForEditingKeys) {
  fixture.startSession(CliMode::user);
  fixture.type("a%&(.$#'b");
  EXPECT_EQ(fixture.input(), "Router>a%&(.$#'b");
}

TEST_F(LineEditingTest, ControlRWritesTheLineAndKeepsIt) {
  fixture.startSession(CliMode::user);
  fixture.type("show ver");
  press('A', true);
  press('R', true);
  EXPECT_EQ(fixture.newOutput(), "\nRouter>show ver");
  EXPECT_EQ(fixture.input(), "Router>show ver");
  EXPECT_EQ(caret(), fixture.input().size());
}

struct WordDeletionCase {
  const char* typed;
  int caretFromEnd;
  const char* after;
  int caretAfter;  // counted from the start of the typed text
};

class ControlWTest : public LineEditingTest,
                     public ::testing::WithParamInterface<WordDeletionCase> {};

TEST_P(ControlWTest, DeletesTheWordBeforeTheCaret) {
  fixture.startSession(CliMode::priv);
  fixture.type(GetParam().typed);
  for (int i = 0; i < GetParam().caretFromEnd; ++i) left();
  press('W', true);
  EXPECT_EQ(fixture.input(), std::string("Router#") + GetParam().after);
  EXPECT_EQ(caret(), typedStart() + static_cast<std::size_t>(GetParam().caretAfter));
}

INSTANTIATE_TEST_SUITE_P(Positions, ControlWTest,
                         ::testing::Values(WordDeletionCase{"show ip", 0, "show ", 5},
                                           WordDeletionCase{"show ", 0, "", 0},
                                           WordDeletionCase{"show i", 0, "show ", 5},
                                           WordDeletionCase{"a", 0, "", 0},
                                           WordDeletionCase{"", 0, "", 0},
                                           WordDeletionCase{"show ip route", 6, "show  route", 5},
                                           WordDeletionCase{"show  ", 0, "show ", 5}));

TEST_F(LineEditingTest, EscapeWordMovementStopsAfterBlanks) {
  fixture.startSession(CliMode::user);
  fixture.type("show ip route");
  press('A', true);
  const std::vector<std::size_t> forward = {5, 8, 13, 13};
  for (std::size_t expected : forward) {
    withEscapeHeld('f');
    EXPECT_EQ(caret(), typedStart() + expected);
  }
  const std::vector<std::size_t> backward = {8, 5, 0, 0};
  for (std::size_t expected : backward) {
    withEscapeHeld('B');
    EXPECT_EQ(caret(), typedStart() + expected);
  }
  EXPECT_EQ(fixture.input(), "Router>show ip route");
}

TEST_F(LineEditingTest, EscapeReleasedBeforeTheLetterTypesIt) {
  fixture.startSession(CliMode::user);
  fixture.type("ab");
  press(key::kEscape);
  fixture.type("f");
  EXPECT_EQ(fixture.input(), "Router>abf");
}

TEST_F(LineEditingTest, TabEchoesTheLineThenCompletesIt) {
  fixture.startSession(CliMode::priv);
  fixture.type("sh");
  fixture.type("\t");
  EXPECT_EQ(fixture.newOutput(), "\nRouter#sh");
  EXPECT_EQ(fixture.input(), "Router#show ");
  EXPECT_EQ(caret(), fixture.input().size());
}

TEST_F(LineEditingTest, TabLeavesAnswersToQuestionsAlone) {
  fixture.startSession(CliMode::priv);
  fixture.enter("configure");
  fixture.newOutput();
  fixture.type("t\t");
  EXPECT_EQ(fixture.newOutput(), "");
  EXPECT_EQ(fixture.input(), "Configuring from terminal, memory, or network [terminal]?t");
}

TEST_F(LineEditingTest, KeysDoNothingBeforeTheSessionStarts) {
  fixture.type("\t");
  up();
  press('U', true);
  EXPECT_EQ(fixture.input(), "");
  EXPECT_EQ(fixture.newOutput(), "");
}

}  // namespace
}  // namespace kovrel

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

// Back to the draft with Down is in the history_and_completion transcript.
TEST_F(LineEditingTest, UpOnEmptyHistoryAndPastTheOldestEntry) {
  fixture.startSession(CliMode::user);
  fixture.type("sho");
  up();
  down();
  EXPECT_EQ(fixture.input(), "Router>sho");
  press('U', true);
  for (const char* line : {"one", "two", "three"}) fixture.enter(line);
  for (const std::string shown : {"Router>three", "Router>two", "Router>one", "Router>one"}) {
    up();
    EXPECT_EQ(fixture.input(), shown);
    EXPECT_EQ(caret(), shown.size());
  }
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
  for (const char* line : {"  Show   CLOCK ", "", "   ", "x", "x"}) fixture.enter(line);
  EXPECT_EQ(history(), (std::vector<std::string>{"  Show   CLOCK ", "   ", "x", "x"}));
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

TEST(TerminalHistorySize, AcceptsOnlyOneTo256) {
  for (const auto& [command, sizeAfter] :
       std::vector<std::pair<std::string, int>>{{"terminal history size 0", 10},
                                                {"terminal history size 1", 1},
                                                {"terminal history size 256", 256},
                                                {"terminal history size 257", 10},
                                                {"terminal history size 1000", 10},
                                                {"terminal history size 0256", 10},
                                                {"terminal history size x", 10},
                                                {"terminal history length 5", 10}}) {
    SimulatorFixture f;
    f.startSession(CliMode::user);
    f.enter(command);
    const std::string reply = f.newOutput();
    EXPECT_EQ(reply.find("% Invalid input") == std::string::npos, sizeAfter != 10) << reply;
    EXPECT_EQ(f.running().historySize, sizeAfter);
  }
}

TEST_F(LineEditingTest, SmallSizesKeepOnlyTheLastCommands) {
  fixture.startSession(CliMode::user);
  fixture.enter("terminal history size 2");
  for (const char* line : {"one", "two", "three"}) fixture.enter(line);
  EXPECT_EQ(history(), (std::vector<std::string>{"two", "three"}));
  fixture.enter("terminal history size 1");
  fixture.enter("four");
  up();
  up();
  EXPECT_EQ(fixture.input(), "Router>four");
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
  press('U', true);
  fixture.enter("terminal history");  // alone, it resets the size to ten
  EXPECT_EQ(historySize(), 10);
}

TEST_F(LineEditingTest, TerminalRepliesForUnfinishedAndForeignLines) {
  struct Case {
    CliMode mode;
    const char* line;
    const char* reply;
  };
  const char* incomplete = "\n% Incomplete command.\n ";
  const char* invalid = "\n \n% Invalid input detected at '^' marker.";
  const std::vector<Case> cases = {
      {CliMode::user, "terminal", incomplete},
      {CliMode::priv, "terminal no", incomplete},
      {CliMode::user, "terminal history size", incomplete},
      {CliMode::user, "terminal length", invalid},
      {CliMode::user, "terminal history size 5 6", invalid},
      {CliMode::conf, "terminal history", invalid},
  };
  for (const Case& c : cases) {
    SimulatorFixture console;
    console.startSession(c.mode);
    console.enter(c.line);
    EXPECT_TRUE(console.newOutput().ends_with(c.line + std::string(c.reply))) << c.line;
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
  fixture.type("ab\b\b\b\b");
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

TEST_F(LineEditingTest, ControlWDeletesTheWordBeforeTheCaret) {
  fixture.startSession(CliMode::priv);
  struct Case {
    const char* typed;
    int caretFromEnd;
    const char* after;
    std::size_t caretAfter;  // counted from the start of the typed text
  };
  for (const Case& c : std::vector<Case>{{"show ip", 0, "show ", 5},
                                         {"show ", 0, "", 0},
                                         {"a", 0, "", 0},
                                         {"", 0, "", 0},
                                         {"show ip route", 6, "show  route", 5},
                                         {"show  ", 0, "show ", 5}}) {
    press('U', true);
    fixture.type(c.typed);
    for (int i = 0; i < c.caretFromEnd; ++i) left();
    press('W', true);
    EXPECT_EQ(fixture.input(), std::string("Router#") + c.after) << c.typed;
    EXPECT_EQ(caret(), typedStart() + c.caretAfter) << c.typed;
  }
}

TEST_F(LineEditingTest, EscapeWordMovementStopsAfterBlanks) {
  fixture.startSession(CliMode::user);
  fixture.type("show ip route");
  press('A', true);
  for (std::size_t expected : {5u, 8u, 13u, 13u}) {
    withEscapeHeld('f');
    EXPECT_EQ(caret(), typedStart() + expected);
  }
  for (std::size_t expected : {8u, 5u, 0u, 0u}) {
    withEscapeHeld('B');
    EXPECT_EQ(caret(), typedStart() + expected);
  }
  EXPECT_EQ(fixture.input(), "Router>show ip route");
}

// Esc pressed and released, then B, moves as Esc held does; any other letter is typed.
TEST_F(LineEditingTest, EscapeThenALetter) {
  fixture.startSession(CliMode::user);
  fixture.type("ab cd");
  pressKey(fixture.sim, key::kEscape, false, key::kEscape);  // a front-end may send its character
  fixture.type("b");
  EXPECT_EQ(fixture.sim.console.caret(), 10u);
  press(key::kEscape);
  fixture.type("x");
  EXPECT_EQ(fixture.input(), "Router>ab xcd");
  press(key::kEscape);
  fixture.type("\rb");  // Enter takes the Esc: the next command starts with its "b"
  EXPECT_EQ(fixture.input(), "Router>b");
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
  fixture.type("show\t");
  up();
  press('U', true);
  EXPECT_EQ(fixture.input(), "");
  EXPECT_EQ(fixture.newOutput(), "");
}

}  // namespace
}  // namespace kovrel

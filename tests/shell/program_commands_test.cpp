// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/terminal/program_commands.h"

#include <gtest/gtest.h>

#include "console/keyboard.h"
#include "support/fake_platform.h"

namespace kovrel::terminal {
namespace {

using Lines = std::vector<std::string>;

// The transcript program_commands.txt covers quit, "quit now" and an unknown command.
TEST(ProgramCommands, NamesAreExactAndBlankLinesSayNothing) {
  testing::SimulatorFixture fixture;
  EXPECT_TRUE(runProgramCommand(fixture.sim, "  quit  ").quit);
  const std::vector<std::pair<std::string_view, Lines>> cases = {
      {"QUIT", {"Unknown program command \"QUIT\". Type help for the list."}},
      {"", {}},
      {"   ", {}},
  };
  for (const auto& [line, reply] : cases) {
    const ProgramCommandResult result = runProgramCommand(fixture.sim, line);
    EXPECT_FALSE(result.quit) << line;
    EXPECT_EQ(result.lines, reply) << line;
  }
  const Lines help = runProgramCommand(fixture.sim, "help").lines;
  ASSERT_EQ(help.size(), programCommands().size() + 1);
  EXPECT_EQ(help[4],
            "  lab [NAME...]        start a lab by key, number or caption; alone, list them");
  EXPECT_EQ(runProgramCommand(fixture.sim, "mode x").lines,
            Lines{"Usage: mode, mode learn, mode test"});
  EXPECT_EQ(runProgramCommand(fixture.sim, "card").lines,
            Lines{"Usage: card next, card back, card answer"});
}

TEST(ProgramCommandLine, EditsItsOwnLineUntilEnterOrEscOrCtrlC) {
  ProgramCommandLine line;
  EXPECT_FALSE(line.feed(pressOf('Q', false, 'q')));  // not started: ignored
  line.start();
  for (const char character : std::string("quiz"))
    line.feed(pressOf(character - 32, false, character));
  EXPECT_FALSE(line.feed(pressOf(key::kBackspace, false, 8)));
  EXPECT_FALSE(line.feed(pressOf('T', false, 't')));
  EXPECT_FALSE(line.feed(pressOf(key::kUp, false, 0)));  // no history yet
  EXPECT_EQ(line.text(), "quit");
  EXPECT_EQ(line.feed(pressOf(key::kEnter, false, 13)), "quit");
  EXPECT_FALSE(line.active());
  for (const KeyEvent abandon : {pressOf(key::kEscape, false, 27), pressOf('C', true, 0)}) {
    line.start();
    line.feed(pressOf('Q', false, 'q'));
    EXPECT_EQ(line.feed(abandon), "") << describeKey(abandon);
    EXPECT_FALSE(line.active());
  }
}

TEST(ProgramCommandLine, BrowsesItsHistoryAndCompletesCommandNames) {
  ProgramCommandLine line;
  auto typeLine = [&line](std::string_view text) {
    line.start();
    for (const char character : text) line.feed(pressOf(0, false, character));
  };
  const KeyEvent up = pressOf(key::kUp, false, 0);
  const KeyEvent down = pressOf(key::kDown, false, 0);
  const KeyEvent tab = pressOf(key::kTab, false, 9);
  for (const std::string_view text : {"lab 3", "steps"}) {
    typeLine(text);
    line.feed(pressOf(key::kEnter, false, 13));
  }
  typeLine("dra");
  line.feed(up);
  line.feed(up);
  line.feed(up);  // past the oldest line: stays there
  EXPECT_EQ(line.text(), "lab 3");
  line.feed(down);
  line.feed(down);
  EXPECT_EQ(line.text(), "dra");  // back to the line being typed
  typeLine("troubleshootings");
  line.feed(pressOf(key::kEscape, false, 27));  // abandoned lines stay out of the history
  line.start();
  line.feed(up);
  EXPECT_EQ(line.text(), "steps");
  const std::vector<std::pair<std::string_view, std::string_view>> completions = {
      {"ins", "instructions "}, {"tr", "troubleshooting"},           {"mode l", "mode learn "},
      {"xyz", "xyz"},           {"lab ROUTERM", "lab routerModes "}, {"lab rou", "lab router"},
      {"mode", "mode"},
  };
  for (const auto& [typed, completed] : completions) {
    typeLine(typed);
    line.feed(tab);
    EXPECT_EQ(line.text(), completed) << typed;
  }
  EXPECT_EQ(line.candidates(), (std::vector<std::string>{"mode", "mode learn", "mode test"}));
}

}  // namespace
}  // namespace kovrel::terminal

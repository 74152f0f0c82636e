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
  EXPECT_EQ(help[3], "  lab KEY             start the lab KEY (aboutTheLabs, routerModes, ...)");
}

TEST(ProgramCommandLine, EditsItsOwnLineUntilEnterOrEscOrCtrlC) {
  ProgramCommandLine line;
  EXPECT_FALSE(line.feed(pressOf('Q', false, 'q')));  // not started: ignored
  line.start();
  for (const char character : std::string("quiz"))
    line.feed(pressOf(character - 32, false, character));
  EXPECT_FALSE(line.feed(pressOf(key::kBackspace, false, 8)));
  EXPECT_FALSE(line.feed(pressOf('T', false, 't')));
  EXPECT_FALSE(line.feed(pressOf(key::kUp, false, 0)));  // no history here
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

}  // namespace
}  // namespace kovrel::terminal

#include "shell/terminal/program_commands.h"

#include <gtest/gtest.h>

#include <set>

#include "console/keyboard.h"
#include "support/fake_platform.h"

namespace kovrel::terminal {
namespace {

using kovrel::testing::SimulatorFixture;

TEST(ProgramCommands, TableHasUniqueNamesAndAnActionForEachRow) {
  std::set<std::string_view> names;
  for (const ProgramCommand& command : programCommands()) {
    EXPECT_TRUE(names.insert(command.name).second) << command.name;
    EXPECT_NE(command.run, nullptr) << command.name;
    EXPECT_FALSE(command.summary.empty()) << command.name;
  }
  EXPECT_TRUE(names.contains("quit"));
}

TEST(ProgramCommands, QuitEndsTheProgram) {
  SimulatorFixture fixture;
  EXPECT_TRUE(runProgramCommand(fixture.sim, "quit").quit);
  EXPECT_TRUE(runProgramCommand(fixture.sim, "  quit  ").quit);
}

TEST(ProgramCommands, HelpListsEveryCommandWithItsArguments) {
  SimulatorFixture fixture;
  const ProgramCommandResult result = runProgramCommand(fixture.sim, "help");
  ASSERT_EQ(result.lines.size(), programCommands().size() + 1);
  for (std::size_t i = 0; i < programCommands().size(); ++i) {
    const ProgramCommand& command = programCommands()[i];
    std::string usage = "  " + std::string(command.name);
    for (const std::string_view argument : command.argumentNames)
      usage += " " + std::string(argument);
    EXPECT_TRUE(result.lines[i + 1].starts_with(usage + " ")) << result.lines[i + 1];
    EXPECT_TRUE(result.lines[i + 1].ends_with(command.summary)) << result.lines[i + 1];
  }
}

TEST(ProgramCommands, BadCommandsSayOneLineAndChangeNothing) {
  struct Case {
    std::string_view line;
    std::string reply;  // empty: no reply at all
  };
  const std::vector<Case> cases = {
      {"frobnicate now", "Unknown program command \"frobnicate\". Type help for the list."},
      {"QUIT", "Unknown program command \"QUIT\". Type help for the list."},
      {"quit now", "Usage: quit"},
      {"", ""},
      {"   ", ""},
  };
  SimulatorFixture fixture;
  fixture.startSession();
  fixture.type("show");
  const std::string output = fixture.sim.console.output();
  for (const Case& entry : cases) {
    const ProgramCommandResult result = runProgramCommand(fixture.sim, entry.line);
    EXPECT_FALSE(result.quit) << entry.line;
    const std::vector<std::string> expected =
        entry.reply.empty() ? std::vector<std::string>{} : std::vector<std::string>{entry.reply};
    EXPECT_EQ(result.lines, expected) << entry.line;
  }
  EXPECT_EQ(fixture.sim.console.output(), output);
  EXPECT_EQ(fixture.input(), "Router>show");
  EXPECT_TRUE(fixture.platform.messages.empty());
}

TEST(ProgramCommandLine, EditsItsOwnLineUntilEnter) {
  ProgramCommandLine line;
  EXPECT_FALSE(line.feed(pressOf('Q', false, 'q')));  // not started: ignored
  line.start();
  for (const char character : std::string("quiz")) {
    EXPECT_FALSE(line.feed(pressOf(character - 'a' + 'A', false, character)));
  }
  EXPECT_FALSE(line.feed(pressOf(key::kBackspace, false, 8)));
  EXPECT_FALSE(line.feed(pressOf('T', false, 't')));
  EXPECT_FALSE(line.feed(pressOf(key::kUp, false, 0)));  // no history here
  EXPECT_EQ(line.text(), "quit");
  EXPECT_EQ(line.feed(pressOf(key::kEnter, false, 13)), "quit");
  EXPECT_FALSE(line.active());
}

TEST(ProgramCommandLine, EscAndCtrlCAbandonTheLine) {
  for (const KeyEvent abandon : {pressOf(key::kEscape, false, 27), pressOf('C', true, 0)}) {
    ProgramCommandLine line;
    line.start();
    line.feed(pressOf('Q', false, 'q'));
    EXPECT_EQ(line.feed(abandon), "") << describeKey(abandon);
    EXPECT_FALSE(line.active());
  }
}

}  // namespace
}  // namespace kovrel::terminal

#include "shell/terminal/scenario_commands.h"

#include <gtest/gtest.h>

#include "support/fake_platform.h"

namespace kovrel::terminal {
namespace {

using Lines = std::vector<std::string>;

class ScenarioCommandsTest : public ::testing::Test {
 protected:
  Lines run(std::string_view command) { return runProgramCommand(fixture.sim, command).lines; }
  TrainingState& training() { return fixture.sim.state.training; }

  testing::SimulatorFixture fixture;
};

TEST_F(ScenarioCommandsTest, StartScenariosByMenuNumberOrKey) {
  EXPECT_EQ(run("troubleshooting 5").size(), 1U);  // the study mode
  EXPECT_EQ(training().currentTroubleshooting, 5);
  EXPECT_EQ(training().topologyKind, 2);
  EXPECT_FALSE(runProgramCommand(fixture.sim, "test 3").richText.empty());
  EXPECT_EQ(training().currentTest, 3);
  run("lab ROUTERMODES");
  EXPECT_EQ(training().currentLabName, "routerModes");
  EXPECT_EQ(run("lab foo"), Lines{"No lab named 'foo'; type labs for the list"});
  EXPECT_EQ(run("lab"), run("labs"));
  EXPECT_EQ(training().currentLabName, "routerModes");
}

// The options that choose the first activity are in the troubleshooting transcripts.
TEST_F(ScenarioCommandsTest, RefusalsChangeNothing) {
  EXPECT_EQ(run("test 4"), Lines{"There are tests 1, 2 and 3."});
  EXPECT_EQ(run("troubleshooting x"), Lines{"There are troubleshooting scenarios 1 to 6."});
  EXPECT_EQ(run("router b"), Lines{"Only troubleshooting 4 to 6 have a second router."});
  EXPECT_EQ(training().currentActivity, Activity::lab);
  run("troubleshooting 4");
  EXPECT_EQ(run("router a"), Lines{"RouterA is already at the console."});
  EXPECT_EQ(run("network").front(), "Troubleshooting 4 and 5, RouterA at the console");
}

// The first locale variable that is set decides, as in the C library.
TEST(NetworkCommand, BoxDrawingOnlyInAUtf8Locale) {
  struct Case {
    const char* lcAll;
    const char* lcCtype;
    const char* lang;
    bool utf8;
  };
  const Case cases[] = {
      {nullptr, nullptr, "en_GB.UTF-8", true},
      {"C", nullptr, "en_GB.UTF-8", false},
      {"", "de_DE.utf8", "C", true},
      {nullptr, nullptr, nullptr, false},
  };
  for (const Case& row : cases) {
    EXPECT_EQ(localeIsUtf8(row.lcAll, row.lcCtype, row.lang), row.utf8);
  }
}

TEST_F(ScenarioCommandsTest, SwitchRefusedWhileTheRouterAsks) {
  run("troubleshooting 6");
  fixture.startSession(CliMode::priv);
  fixture.enter("copy running-config startup-config");
  EXPECT_TRUE(run("router b").empty());
  EXPECT_EQ(fixture.platform.messages, Lines{" Please switch router when at prompt"});
  EXPECT_EQ(fixture.running().hostname, "RouterA");
}

}  // namespace
}  // namespace kovrel::terminal

#include "shell/terminal/scenario_commands.h"

#include <gtest/gtest.h>

#include "shell/terminal/options.h"
#include "support/fake_platform.h"

namespace kovrel::terminal {
namespace {

using kovrel::testing::SimulatorFixture;

std::vector<std::string> linesOf(Simulator& sim, std::string_view command) {
  return runProgramCommand(sim, command).lines;
}

TEST(ScenarioCommands, StartScenariosByMenuNumber) {
  SimulatorFixture fixture;
  EXPECT_TRUE(linesOf(fixture.sim, "troubleshooting 5").empty());
  EXPECT_EQ(fixture.sim.state.training.currentTroubleshooting, 5);
  EXPECT_EQ(fixture.sim.state.training.topologyKind, 2);
  EXPECT_FALSE(runProgramCommand(fixture.sim, "test 3").richText.empty());
  EXPECT_EQ(fixture.sim.state.training.currentTest, 3);
  runProgramCommand(fixture.sim, "lab routerModes");
  EXPECT_EQ(fixture.sim.state.training.currentLabName, "routerModes");
}

TEST(ScenarioCommands, NumbersOutsideTheMenusChangeNothing) {
  SimulatorFixture fixture;
  EXPECT_EQ(linesOf(fixture.sim, "test 4"),
            std::vector<std::string>{"There are tests 1, 2 and 3."});
  EXPECT_EQ(linesOf(fixture.sim, "troubleshooting x"),
            std::vector<std::string>{"There are troubleshooting scenarios 1 to 6."});
  EXPECT_EQ(fixture.sim.state.training.currentActivity, Activity::lab);
}

TEST(ScenarioCommands, RouterButtonsInTheTwoRouterTopology) {
  SimulatorFixture fixture;
  EXPECT_EQ(linesOf(fixture.sim, "router b"),
            std::vector<std::string>{"Only troubleshooting 4 to 6 have a second router."});
  runProgramCommand(fixture.sim, "troubleshooting 4");
  EXPECT_EQ(linesOf(fixture.sim, "router a"),
            std::vector<std::string>{"RouterA is already at the console."});
  EXPECT_TRUE(linesOf(fixture.sim, "router b").empty());
  EXPECT_EQ(fixture.running().hostname, "RouterB");
  EXPECT_EQ(linesOf(fixture.sim, "network"),
            std::vector<std::string>{"twoRouterTopologyA_RouterB.jpg"});
  runProgramCommand(fixture.sim, "router a");
  EXPECT_EQ(fixture.running().hostname, "RouterA");
}

TEST(ScenarioCommands, SwitchRefusedWhileTheRouterAsks) {
  SimulatorFixture fixture;
  runProgramCommand(fixture.sim, "troubleshooting 6");
  fixture.startSession(CliMode::priv);
  fixture.enter("copy running-config startup-config");
  EXPECT_TRUE(linesOf(fixture.sim, "router b").empty());
  EXPECT_EQ(fixture.platform.messages,
            std::vector<std::string>{" Please switch router when at prompt"});
  EXPECT_EQ(fixture.running().hostname, "RouterA");
}

TEST(FirstActivityOptions, ChosenByOptionWithLabAsDefault) {
  EXPECT_EQ(parseOptions({}).options.firstActivity, FirstActivity::lab);
  EXPECT_EQ(parseOptions({}).options.firstActivityKey, "aboutTheLabs");
  const ParsedOptions scenario = parseOptions({"--troubleshooting", "4"});
  ASSERT_FALSE(scenario.exitStatus);
  EXPECT_EQ(scenario.options.firstActivity, FirstActivity::troubleshooting);
  EXPECT_EQ(scenario.options.firstActivityKey, "4");
  EXPECT_EQ(parseOptions({"--lab=routerModes"}).options.firstActivityKey, "routerModes");
  EXPECT_EQ(parseOptions({"--test", "2"}).options.firstActivity, FirstActivity::test);
  for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{
           {"--test", "4"}, {"--test", "one"}, {"--troubleshooting", "0"}, {"--lab="}}) {
    EXPECT_EQ(parseOptions(bad).exitStatus, 2) << bad[0];
  }
}

TEST(FirstActivityOptions, StartsTheChosenActivity) {
  SimulatorFixture fixture;
  const ParsedOptions parsed = parseOptions({"--troubleshooting", "6"});
  startFirstActivity(fixture.sim, parsed.options);
  EXPECT_EQ(fixture.sim.state.training.topologyKind, 2);
  EXPECT_EQ(fixture.running().hostname, "RouterA");
  EXPECT_EQ(fixture.running().ethernet0.ipAddress, "204.5.62.1");
}

}  // namespace
}  // namespace kovrel::terminal

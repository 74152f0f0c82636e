// SPDX-License-Identifier: GPL-3.0-or-later
// Each test's model solution, typed line by line into a freshly started test, must be accepted
// without a single error reply and must score 1000: the solutions are the answers the report
// hands to students. One more command after the solution spoils exactly one task.

#include <gtest/gtest.h>

#include "support/fake_platform.h"
#include "support/recording_rich_text.h"
#include "training/activity_menu.h"
#include "training/grading.h"
#include "training/instructions.h"
#include "training/router_switch.h"
#include "training/scenarios.h"

namespace kovrel {
namespace {

// Replays the model solution of `test` on a freshly started test.
void replaySolution(testing::SimulatorFixture& fixture, int test) {
  const std::string name = "test" + std::to_string(test);
  ASSERT_TRUE(startTest(fixture.sim, name));
  const std::optional<std::string> solution = fixture.sim.database.testText(name + "Solution");
  ASSERT_TRUE(solution.has_value());
  fixture.enter("");  // "Press RETURN to get started."
  fixture.newOutput();
  for (const std::string& line : splitLessonLines(*solution)) {
    // A two-router solution moves the console with a line of its own.
    if (line.starts_with("Switch to Router")) {
      const RouterId router = line[16] == 'B' ? RouterId::b : RouterId::a;
      ASSERT_EQ(switchRouter(fixture.sim, router), SwitchOutcome::switched) << line;
      if (fixture.mode() == CliMode::none) fixture.enter("");  // RouterB waits for Return
      continue;
    }
    // A question of the router (the copy dialog) takes its default with Enter.
    if (line.ends_with("]?") && fixture.sim.interactionPending() != Interaction::none) {
      fixture.enter("");
      continue;
    }
    // Each line shows the prompt the router shows at that moment (none while a banner is typed).
    const std::string prompt = fixture.prompt();
    ASSERT_EQ(line.substr(0, prompt.size()), prompt) << line;
    if (line.size() > prompt.size()) fixture.enter(line.substr(prompt.size()));
  }
  EXPECT_EQ(fixture.newOutput().find("\n% "), std::string::npos);  // no error reply
}

int testCount() { return static_cast<int>(testMenu().size()); }

TEST(ModelSolution, ReplayedOnAFreshTestScores1000AndGradingChangesNothing) {
  for (int test = 1; test <= testCount(); ++test) {
    testing::SimulatorFixture fixture;
    testing::RecordingRichText pane;
    fixture.sim.state.training.panes.report = &pane;
    replaySolution(fixture, test);
    const SimulatorState before = fixture.sim.state;
    const std::string report = openTestReport(fixture.sim);
    EXPECT_NE(report.find("Your Score: 1000\r\nYour Grade: Pass!"), std::string::npos) << report;
    EXPECT_EQ(report.find("Incorrect"), std::string::npos) << report;
    EXPECT_EQ(fixture.sim.state.current.config, before.current.config);
    EXPECT_EQ(fixture.sim.state.saved, before.saved);
    EXPECT_EQ(fixture.sim.state.training.currentActivity, Activity::testReport);
    const auto solution = fixture.sim.database.testText("test" + std::to_string(test) + "Solution");
    EXPECT_TRUE(report.ends_with(*solution));  // from the lesson database, unchanged
    EXPECT_NE(pane.text().find("Your Score: 1000"), std::string::npos);
  }
}

struct Spoil {
  int test;
  std::vector<const char*> lines;  // typed at the privileged prompt the solution ends at
  const char* label;               // the one task now "Incorrect"; none: still 1000
};

const Spoil kSpoils[] = {
    {1, {"terminal history size 10"}, "Part1> Setting terminal history to 12: "},
    {1, {"conf t", "banner motd #", "motd  banner#"}, "Part2> MOTD banner: "},
    {1, {"conf t", "line console 0", "exec-timeout 22 0"}, "   3a> Setting timeout: "},
    {1, {"conf t", "line console 0", "exec-timeout 33 33"}, "   3a> Setting timeout: "},
    {1, {"conf t", "line console 0", "no login"}, "   3b> Enabling login: "},
    {1, {"conf t", "line console 0", "password dor58"}, "   3c> Setting password: "},
    {1, {"conf t", "hostname Router"}, "Part4> Setting host name: "},
    {1, {"conf t", "no enable password", "enable secret pel39"}, "Part5> Setting unencrypted "},
    {1, {"conf t", "banner motd #", " MoTD BANNER #"}, nullptr},
    // Host names and passwords keep their case, so the case must be the task's.
    {1, {"conf t", "hostname TEST1"}, "Part4> Setting host name: "},
    {1, {"conf t", "line console 0", "password DOR584"}, "   3c> Setting password: "},
    {2, {"conf t", "banner exec #", "router#"}, "Part1> Setting EXEC banner: "},
    {2, {"conf t", "banner exec #", "  Router Test  #"}, nullptr},
    {2, {"conf t", "ip domain-lookup"}, "Part2> Disabling DNS lookup: "},
    {2, {"conf t", "line vty 0 4", "exec-timeout 30 0"}, "   3a> Setting timeout: "},
    {2, {"conf t", "line vty 0 4", "no login"}, "   3b> Enabling login: "},
    {2, {"conf t", "line vty 0 4", "password gut36"}, "   3c> Setting password: "},
    {2, {"conf t", "hostname test1"}, "Part4> Setting host name: "},
    {2,
     {"conf t", "no enable secret", "enable password tovir58"},
     "Part5> Setting enable secret: "},
    {3,
     {"conf t", "int e0", "ip address 220.14.5.6 255.255.0.0"},
     "   1a> Configuring ethernet 0 "},
    {3,
     {"conf t", "int e0", "ip address 220.14.5.7 255.255.255.0"},
     "   1a> Configuring ethernet "},
    {3, {"conf t", "int e0", "shutdown"}, "   1b> Bringing up ethernet 0: "},
    {3,
     {"conf t", "int s0", "ip address 194.23.2.3 255.255.255.0"},
     "   2a> Configuring serial 0 "},
    {3, {"conf t", "int s0", "shutdown"}, "   2b> Bringing up serial 0: "},
    {3, {"conf t", "int s0", "clock rate 64000"}, "   2c> Providing clocking: "},
    {3, {"conf t", "no router rip"}, "Part3> Enabling RIP routing: "},
    {4, {"conf t", "interface ethernet 0", "description second lan"}, nullptr},
    {5, {"conf t", "line vty 0 4", "exec-timeout 5 30"}, "   3c> Setting timeout: "},
    {5, {"conf t", "enable secret vault56"}, "Part1> Setting the enable secret: "},
    {5, {"conf t", "no banner login"}, "Part4> Login banner: "},
    {5, {"conf t", "line vty 0 4", "password VTY55"}, "   3a> Setting password: "},
    {6, {"conf t", "router rip"}, "Part3> No routing protocol on either router: "},
    {6, {"conf t", "ip route 10.6.1.0 255.255.255.0 serial 1"}, nullptr},
};

class SpoiledSolution : public ::testing::TestWithParam<Spoil> {};

TEST_P(SpoiledSolution, MarksOnlyThatTask) {
  const Spoil& c = GetParam();
  testing::SimulatorFixture fixture;
  replaySolution(fixture, c.test);
  for (const char* line : c.lines) fixture.enter(line);
  EXPECT_EQ(fixture.newOutput().find("\n% "), std::string::npos);
  const std::string report = openTestReport(fixture.sim);
  int graded = 0;
  for (const GradedTask& task : testGrading(c.test)->tasks) {
    graded += task.check != nullptr || task.network != nullptr;
  }
  const std::string score = std::to_string(c.label ? testScore(graded - 1, 1) : 1000);
  EXPECT_NE(report.find("Your Score: " + score + "\r\nYour Grade: Pass!"), std::string::npos);
  const std::size_t wrong = report.find("Incorrect");
  EXPECT_EQ(wrong == std::string::npos, !c.label);
  if (c.label) {
    EXPECT_EQ(report.rfind(c.label, wrong), report.rfind("\n", wrong) + 1) << report;
    EXPECT_EQ(report.find("Incorrect", wrong + 1), std::string::npos);
  }
}

INSTANTIATE_TEST_SUITE_P(Tests, SpoiledSolution, ::testing::ValuesIn(kSpoils));

TEST(TestTexts, EveryTestHasAStepHeadingForEachPartOfItsReport) {
  testing::SimulatorFixture fixture;
  for (int test = 1; test <= testCount(); ++test) {
    const std::optional<std::string> text =
        fixture.sim.database.testText("test" + std::to_string(test));
    ASSERT_TRUE(text.has_value());
    int headings = 0;
    for (const std::string& line : splitLessonLines(*text)) headings += isStepHeading(line);
    int parts = 0;
    for (const GradedTask& task : testGrading(test)->tasks) parts += task.label.starts_with("Part");
    EXPECT_EQ(headings, parts) << test;
  }
}

}  // namespace
}  // namespace kovrel

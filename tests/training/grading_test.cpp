#include "training/grading.h"

#include <gtest/gtest.h>

#include <functional>

#include "support/fake_platform.h"
#include "support/recording_rich_text.h"
#include "training/instructions.h"

namespace kovrel {
namespace {

using Mutation = std::function<void(RouterConfig&)>;

RouterState allRight(int test) {
  RouterState router;
  RouterConfig& c = router.config;
  if (test == 1) {
    c.historySize = 12;
    c.bannerMotd = "motd banner";
    c.conExecTimeoutMinutes = 22;
    c.conExecTimeoutSeconds = 33;
    c.conLogin = true;
    c.conPassword = "dor584";
    c.hostname = "test1";
    c.enablePassword = "pel39";
  } else if (test == 2) {
    c.bannerExec = "router test";
    c.domainLookup = false;
    c.vtyExecTimeoutMinutes = 30;
    c.vtyExecTimeoutSeconds = 20;
    c.vtyLogin = true;
    c.vtyPassword = "gut362";
    c.hostname = "test2";
    c.enableSecret = "tovir58";
  } else {
    c.ethernet0.shutdown = false;
    c.ethernet0.ipAddress = "220.14.5.6";
    c.ethernet0.subnetMask = "255.255.255.0";
    c.serial0.shutdown = false;
    c.serial0.clockRate = 56000;
    c.serial0.ipAddress = "194.23.2.1";
    c.serial0.subnetMask = "255.255.255.0";
    c.ripEnabled = true;
  }
  return router;
}

TestReport grade(int test, const RouterState& router) {
  return gradeTest(router, *testGrading(test), "Router>enable");
}

TEST(TestScore, RoundsHalvesToEvenAndGuardsAnEmptyTest) {
  struct Case {
    int correct, incorrect, score;
  };
  for (const Case& c :
       {Case{7, 0, 1000}, Case{0, 7, 0}, Case{6, 1, 857}, Case{5, 2, 714}, Case{5, 1, 833},
        Case{4, 2, 667}, Case{4, 1, 800}, Case{1, 15, 62}, Case{3, 13, 188}, Case{0, 0, 0}}) {
    EXPECT_EQ(testScore(c.correct, c.incorrect), c.score) << c.correct << "/" << c.incorrect;
  }
}

TEST(GradeTest, EveryTaskRightScores1000AndEveryTaskWrongScores0) {
  for (int test = 1; test <= 3; ++test) {
    const TestReport right = grade(test, allRight(test));
    EXPECT_EQ(right.score, 1000) << test;
    EXPECT_EQ(right.incorrectCount, 0) << test;
    EXPECT_NE(right.text.find("Your Grade: Pass!"), std::string::npos);
    const TestReport wrong = grade(test, RouterState{});
    EXPECT_EQ(wrong.score, 0) << test;
    EXPECT_EQ(wrong.correctCount, 0) << test;
    EXPECT_EQ(wrong.text.find("Correct"), std::string::npos) << test;
    EXPECT_NE(wrong.text.find("Your Grade: Fail!"), std::string::npos);
  }
}

// Each case spoils one task of an otherwise right router: exactly that line turns "Incorrect".
struct OneWrong {
  int test;
  std::string label;
  Mutation spoil;
};

class GradeOneWrong : public ::testing::TestWithParam<OneWrong> {};

TEST_P(GradeOneWrong, MarksOnlyThatTask) {
  const OneWrong& c = GetParam();
  RouterState router = allRight(c.test);
  c.spoil(router.config);
  const TestReport report = grade(c.test, router);
  EXPECT_EQ(report.score, c.test == 3 ? 833 : 857);  // one task of six or of seven
  EXPECT_EQ(report.incorrectCount, 1);
  EXPECT_NE(report.text.find(c.label + "Incorrect"), std::string::npos) << report.text;
  EXPECT_NE(report.text.find("Your Grade: Pass!"), std::string::npos);
}

const OneWrong kOneWrong[] = {
    {1, "Part1> Setting terminal history to 12: ", [](auto& c) { c.historySize = 10; }},
    {1, "Part2> MOTD banner: ", [](auto& c) { c.bannerMotd = "motd  banner"; }},
    {1, "   3a> Setting timeout: ", [](auto& c) { c.conExecTimeoutSeconds = 0; }},
    {1, "   3a> Setting timeout: ", [](auto& c) { c.conExecTimeoutMinutes = 33; }},
    {1, "   3b> Enabling login: ", [](auto& c) { c.conLogin = false; }},
    {1, "   3c> Setting password: ", [](auto& c) { c.conPassword.clear(); }},
    {1, "Part4> Setting host name: ", [](auto& c) { c.hostname = "Router"; }},
    {1, "Part5> Setting unencrypted priviledged mode password: ",
     [](auto& c) {
       c.enablePassword.clear();
       c.enableSecret = "pel39";
     }},
    {2, "Part1> Setting EXEC banner: ", [](auto& c) { c.bannerExec = "router"; }},
    {2, "Part2> Disabling DNS lookup: ", [](auto& c) { c.domainLookup = true; }},
    {2, "   3a> Setting timeout: ", [](auto& c) { c.vtyExecTimeoutSeconds = 0; }},
    {2, "   3b> Enabling login: ", [](auto& c) { c.vtyLogin = false; }},
    {2, "   3c> Setting password: ", [](auto& c) { c.vtyPassword = "gut36"; }},
    {2, "Part4> Setting host name: ", [](auto& c) { c.hostname = "test1"; }},
    {2, "Part5> Setting encrypted password: ",
     [](auto& c) {
       c.enableSecret.clear();
       c.enablePassword = "tovir58";
     }},
    {3, "   1a> Configuring ethernet 0 ip address: ",
     [](auto& c) { c.ethernet0.subnetMask = "255.255.0.0"; }},
    {3, "   1a> Configuring ethernet 0 ip address: ",
     [](auto& c) { c.ethernet0.ipAddress = "220.14.5.06"; }},
    {3, "   1b> Bringing up ethernet 0: ", [](auto& c) { c.ethernet0.shutdown = true; }},
    {3, "   2a> Configuring serial 0 ip address: ",
     [](auto& c) { c.serial0.ipAddress = " 194.23.2.1"; }},
    {3, "   2b> Bringing up serial 0: ", [](auto& c) { c.serial0.shutdown = true; }},
    {3, "   2c> Providing clocking: ", [](auto& c) { c.serial0.clockRate = 64000; }},
    {3, "Part3> Enabling RIP routing: ",
     [](auto& c) {
       c.ripEnabled = false;
       c.igrpEnabled = true;
     }},
};

INSTANTIATE_TEST_SUITE_P(AllTables, GradeOneWrong, ::testing::ValuesIn(kOneWrong));

TEST(GradeTest, EightHundredStillFails) {
  // No real test has five tasks; a table of five shows that 800 is still a fail.
  constexpr GradedTask kFive[] = {
      {"a: ", [](const RouterConfig&) { return true; }},
      {"b: ", [](const RouterConfig&) { return true; }},
      {"c: ", [](const RouterConfig&) { return true; }},
      {"d: ", [](const RouterConfig&) { return true; }},
      {"e: ", [](const RouterConfig&) { return false; }},
  };
  const TestReport report =
      gradeTest(RouterState{}, TestGrading{"T", kFive, "k", "Solution To T"}, "");
  EXPECT_EQ(report.score, 800);
  EXPECT_NE(report.text.find("Your Grade: Fail!"), std::string::npos);
  EXPECT_EQ(report.text.substr(report.text.size() - 4), "\r\n  ");
}

TEST(GradeTest, TextChecksForgiveCaseAndSurroundingBlanks) {
  RouterState router = allRight(1);
  router.config.bannerMotd = "  MoTD BANNER \r\n";
  router.config.hostname = " TEST1 ";
  router.config.conPassword = "DOR584";
  EXPECT_EQ(grade(1, router).score, 1000);

  RouterState test2 = allRight(2);
  test2.config.bannerExec = "\tRouter Test  ";
  test2.config.hostname = "Test2";
  EXPECT_EQ(grade(2, test2).score, 1000);
  EXPECT_EQ(testGrading(0), nullptr);
  EXPECT_EQ(testGrading(4), nullptr);
}

class ReportWindowTest : public ::testing::Test {
 protected:
  ReportWindowTest() { fixture.sim.state.training.panes.report = &pane; }
  testing::SimulatorFixture fixture;
  testing::RecordingRichText pane;
};

TEST_F(ReportWindowTest, GradesTheCurrentRouterWithoutChangingIt) {
  fixture.sim.state.training.currentActivity = Activity::test;
  fixture.sim.state.training.currentTest = 3;
  fixture.sim.state.current = allRight(3);
  fixture.sim.state.parkedA = allRight(1);
  const SimulatorState before = fixture.sim.state;
  const std::string report = openTestReport(fixture.sim);
  EXPECT_EQ(fixture.sim.state.current.config, before.current.config);
  EXPECT_EQ(fixture.sim.state.saved, before.saved);
  EXPECT_EQ(fixture.sim.state.training.currentActivity, Activity::testReport);
  EXPECT_NE(report.find("Your Score: 1000"), std::string::npos);
  // The model solution comes from the lesson database, unchanged.
  const auto solution = fixture.sim.database.testText("test3Solution");
  ASSERT_TRUE(solution.has_value());
  EXPECT_EQ(report.substr(report.size() - solution->size()), *solution);
  EXPECT_NE(pane.text().find("Your Score: 1000"), std::string::npos);
}

TEST_F(ReportWindowTest, NoValidTestLeavesTheWindowEmpty) {
  pane.insert("old report", kBodyStyle);
  fixture.sim.state.training.currentTest = 0;
  EXPECT_EQ(openTestReport(fixture.sim), "");
  EXPECT_EQ(pane.text(), "");
  EXPECT_EQ(fixture.sim.state.training.currentActivity, Activity::testReport);
}

TEST_F(ReportWindowTest, AMissingSolutionEndsTheReportAtItsHeading) {
  testing::SimulatorFixture noDatabase(false);
  noDatabase.sim.state.training.currentTest = 2;
  const std::string report = openTestReport(noDatabase.sim);
  EXPECT_EQ(report.substr(report.size() - 22), "Solution To Test 2\r\n  ");
}

}  // namespace
}  // namespace kovrel

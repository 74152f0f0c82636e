// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/grading.h"

#include <gtest/gtest.h>

#include "support/fake_platform.h"
#include "support/recording_rich_text.h"
#include "training/instructions.h"
#include "training/scenarios.h"
#include "training/step_tracker.h"

namespace kovrel {
namespace {

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

TEST(GradeTest, EightHundredStillFails) {
  // No real test has five tasks; a table of five shows that 800 is still a fail.
  constexpr GradedTask kFive[] = {
      {"a: ", [](const RouterConfig&) { return true; }},
      {"b: ", [](const RouterConfig&) { return true; }},
      {"c: ", [](const RouterConfig&) { return true; }},
      {"d: ", [](const RouterConfig&) { return true; }},
      {"e: ", [](const RouterConfig&) { return false; }},
  };
  testing::SimulatorFixture fixture;
  const TestReport report =
      gradeTest(fixture.sim, TestGrading{"T", kFive, "k", "Solution To T"}, "");
  EXPECT_EQ(report.score, 800);
  EXPECT_NE(report.text.find("Your Grade: Fail!"), std::string::npos);
  EXPECT_EQ(report.text.substr(report.text.size() - 4), "\r\n  ");
}

class ReportWindowTest : public ::testing::Test {
 protected:
  ReportWindowTest() { fixture.sim.state.training.panes.report = &pane; }
  testing::SimulatorFixture fixture;
  testing::RecordingRichText pane;
};

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

// After the model solution was shown, submitting again shows the kept report; a reset starts a
// new attempt, which is graded and kept again.
TEST_F(ReportWindowTest, ASubmittedTestIsShownAgainNotRegradedUntilAReset) {
  Simulator& sim = fixture.sim;
  ASSERT_TRUE(startTest(sim, "test1"));
  const std::string first = openTestReport(sim);
  sim.state.current.config.hostname = "Graded";
  const std::string again = openTestReport(sim);
  EXPECT_EQ(sim.progress.progress().tests.size(), 1u);
  EXPECT_NE(again.find("'Submitted already:'"), std::string::npos);
  const auto body = [](const std::string& report) { return report.substr(report.find("'D")); };
  EXPECT_EQ(body(again), body(first));
  EXPECT_NE(pane.text().find("Submitted already"), std::string::npos);

  ASSERT_TRUE(resetActivity(sim));
  EXPECT_EQ(sim.state.training.currentActivity, Activity::test);
  EXPECT_EQ(openTestReport(sim), first);
  EXPECT_EQ(sim.progress.progress().tests.size(), 2u);
}

}  // namespace
}  // namespace kovrel

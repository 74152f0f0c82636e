// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/grading.h"

#include <gtest/gtest.h>

#include "support/fake_platform.h"
#include "support/recording_rich_text.h"
#include "training/instructions.h"

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

}  // namespace
}  // namespace kovrel

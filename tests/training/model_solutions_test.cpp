// Each test's model solution, typed line by line into a freshly started test, must be accepted
// without a single error reply and must score 1000: the solutions are the answers the report
// hands to students.

#include <gtest/gtest.h>

#include "support/fake_platform.h"
#include "training/grading.h"
#include "training/instructions.h"
#include "training/scenarios.h"

namespace kovrel {
namespace {

class ModelSolution : public ::testing::TestWithParam<int> {};

TEST_P(ModelSolution, ReplayedOnAFreshTestScores1000) {
  const int test = GetParam();
  const std::string name = "test" + std::to_string(test);
  testing::SimulatorFixture fixture;
  ASSERT_TRUE(initTests(fixture.sim, name));
  const std::optional<std::string> solution = fixture.sim.database.testText(name + "Solution");
  ASSERT_TRUE(solution.has_value());
  fixture.enter("");  // "Press RETURN to get started."
  fixture.newOutput();
  for (const std::string& line : splitLessonLines(*solution)) {
    // Each line shows the prompt the router shows at that moment (none while a banner is typed).
    const std::string prompt = fixture.prompt();
    ASSERT_EQ(line.substr(0, prompt.size()), prompt) << line;
    if (line.size() > prompt.size()) fixture.enter(line.substr(prompt.size()));
  }
  EXPECT_EQ(fixture.newOutput().find('%'), std::string::npos);
  const std::string report = openTestReport(fixture.sim);
  EXPECT_NE(report.find("Your Score: 1000\r\nYour Grade: Pass!"), std::string::npos) << report;
  EXPECT_EQ(report.find("Incorrect"), std::string::npos) << report;
}

INSTANTIATE_TEST_SUITE_P(Tests, ModelSolution, ::testing::Values(1, 2, 3));

TEST(TestTexts, EveryTestHasAStepHeadingForEachPartOfItsReport) {
  testing::SimulatorFixture fixture;
  for (int test = 1; test <= 3; ++test) {
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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/hints.h"

#include <gtest/gtest.h>

#include "support/fake_platform.h"
#include "support/recording_rich_text.h"
#include "training/instructions.h"
#include "training/scenarios.h"
#include "training/step_tracker.h"

namespace kovrel {
namespace {

std::string plain(const std::vector<StyledRun>& runs) {
  std::string text;
  for (const StyledRun& run : runs) text += run.text;
  return text;
}

TEST(Hints, RevealedSolutionTextEndsBeforeTheNextHiddenHeading) {
  const std::string solution = "Fix\r\nIntro\r\n\r\nStep: A\r\na\r\n\r\nStep: B\r\nb";
  const struct {
    std::string_view text;
    int revealed;
    std::string_view expected;
  } cases[] = {
      {solution, 0, ""},
      {solution, 1, "Fix\r\nIntro\r\n\r\nStep: A\r\na"},
      {solution, 2, solution},
      {solution, 7, solution},
      {"Step: title\r\nStep: A", 1, "Step: title\r\nStep: A"},  // a title is no step
      {"Fix\r\nNo steps at all.", 1, "Fix\r\nNo steps at all."},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(revealedSolutionText(c.text, c.revealed), c.expected) << c.text << " " << c.revealed;
  }
}

TEST(Hints, LearnModeRevealsTheSolutionStepByStepUntilAResetHidesItAgain) {
  testing::SimulatorFixture f;
  testing::RecordingRichText pane;
  TrainingState& training = f.sim.state.training;
  training.panes.instructions = &pane;
  ASSERT_TRUE(startTroubleshooting(f.sim, "troubleshooting1"));
  SolutionHints hints = solutionHints(training);
  EXPECT_EQ(hints.state, HintState::offered);
  EXPECT_EQ(hints.revealed, 0);
  ASSERT_GT(hints.steps, 2);
  EXPECT_EQ(pane.text().find("Solution"), std::string::npos) << "hidden until asked for";

  EXPECT_TRUE(plain(revealHint(f.sim)).starts_with("Step1: "));
  EXPECT_TRUE(plain(revealHint(f.sim)).starts_with("Step2: "));
  EXPECT_EQ(solutionHints(training).revealed, 2);
  EXPECT_NE(pane.text().find("Step2: "), std::string::npos);
  EXPECT_EQ(pane.text().find("Step3: "), std::string::npos);

  // Test Mode keeps the solution to itself, and hints wait for Learn Mode.
  selectStudyMode(f.sim, false);
  EXPECT_EQ(solutionHints(training).state, HintState::testMode);
  EXPECT_TRUE(revealHint(f.sim).empty());
  EXPECT_TRUE(revealSolution(f.sim).empty());
  EXPECT_EQ(pane.text().find("Solution"), std::string::npos);
  selectStudyMode(f.sim, true);
  EXPECT_NE(pane.text().find("Step2: "), std::string::npos) << "revealed steps stay revealed";

  const std::string whole = plain(revealSolution(f.sim));
  EXPECT_TRUE(whole.starts_with("Solution To Troubleshooting 1")) << whole;
  EXPECT_NE(whole.find("Step" + std::to_string(hints.steps) + ": "), std::string::npos);
  EXPECT_EQ(solutionHints(training).state, HintState::allRevealed);
  EXPECT_TRUE(revealHint(f.sim).empty());
  EXPECT_EQ(plain(revealSolution(f.sim)), whole) << "shown again on request";

  ASSERT_TRUE(resetActivity(f.sim));
  EXPECT_EQ(solutionHints(training).revealed, 0);
  EXPECT_EQ(pane.text().find("Solution"), std::string::npos);

  startLab(f.sim, "routerModes");
  EXPECT_EQ(solutionHints(training).state, HintState::none);
  EXPECT_TRUE(revealSolution(f.sim).empty());
}

}  // namespace
}  // namespace kovrel

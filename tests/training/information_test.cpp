// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/information.h"

#include <gtest/gtest.h>

#include "support/fake_platform.h"
#include "support/recording_rich_text.h"
#include "training/activity_menu.h"

namespace kovrel {
namespace {

class InformationTest : public ::testing::Test {
 protected:
  InformationTest() {
    training().panes.information = &information;
    training().panes.instructions = &instructions;
    training().instructionText = "Lab\r\nIntro";
  }
  TrainingState& training() { return fixture.sim.state.training; }

  testing::SimulatorFixture fixture;
  testing::RecordingRichText information;
  testing::RecordingRichText instructions;
};

TEST_F(InformationTest, AMissingKeyKeepsAndShowsThePreviousText) {
  openInformation(fixture.sim, "disclaimer");
  const std::string shown = information.text();
  EXPECT_EQ(information.runs.front().style.alignment, TextAlignment::centre);
  const std::vector<StyledRun> runs = setText(fixture.sim, "noSuchText");
  EXPECT_EQ(training().currentActivity, Activity::information);
  EXPECT_EQ(training().informationText, *fixture.sim.database.misc("disclaimer"));
  EXPECT_EQ(information.text(), shown);
  EXPECT_EQ(plainText(runs), shown);
  EXPECT_EQ(information.clears, 2);
}

TEST_F(InformationTest, NeverWritesToTheInstructionPaneNorReplacesTheLesson) {
  training().informationText = "Info\r\nLine\r\nStep: heading\r\nDetail";
  displayWelcomeText(fixture.sim);
  EXPECT_EQ(information.text(), "Info\nLine\nStep1: heading\nDetail");
  training().learnMode = false;  // Test Mode applies to information texts too
  displayWelcomeText(fixture.sim);
  EXPECT_EQ(information.text(), "Info\nLine\nStep1: heading");
  openInformation(fixture.sim, "studyPlan");
  EXPECT_TRUE(instructions.operations.empty());
  EXPECT_EQ(training().instructionText, "Lab\r\nIntro");
}

TEST_F(InformationTest, WelcomeTextIsTheOneReadAtStartUp) {
  fixture.sim.state.welcomeText = "Welcome to Kovrel\r\nHello";
  openInformation(fixture.sim, "welcomeText");
  EXPECT_EQ(information.text(), "Welcome to Kovrel\nHello");
  fixture.sim.state.welcomeText.clear();
  openInformation(fixture.sim, "welcomeText");
  EXPECT_EQ(information.text(), "Welcome to Kovrel\nHello");
}

// The texts count the activities with placeholders, so that an added lab or scenario shows at once.
TEST_F(InformationTest, CountsComeFromTheMenus) {
  training().informationText = "Labs {labs}, tests {tests}, scenarios {scenarios}, {tests}";
  displayWelcomeText(fixture.sim);
  const std::string tests = std::to_string(testMenu().size());
  EXPECT_EQ(information.text(), "Labs " + std::to_string(labMenu().size() - 1) + ", tests " +
                                    tests + ", scenarios " +
                                    std::to_string(troubleshootingMenu().size()) + ", " + tests);
  openInformation(fixture.sim, "studyPlan");
  EXPECT_EQ(information.text().find('{'), std::string::npos);
}

}  // namespace
}  // namespace kovrel

// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/activity_menu.h"

#include <gtest/gtest.h>

#include "support/fake_platform.h"
#include "training/lesson_steps.h"

namespace kovrel {
namespace {

// A menu item whose key has no lesson would start an activity without instructions.
TEST(ActivityMenu, EveryItemHasItsLessonInTheDatabase) {
  testing::SimulatorFixture fixture;
  LessonDatabase& database = fixture.sim.database;
  for (const ActivityMenuItem& item : labMenu())
    EXPECT_TRUE(database.labText(item.key)) << item.key;
  for (const ActivityMenuItem& item : testMenu()) EXPECT_TRUE(database.testText(item.key));
  for (const ActivityMenuItem& item : troubleshootingMenu()) {
    EXPECT_TRUE(database.troubleshooting(item.key)) << item.key;
  }
}

TEST(ActivityMenu, FindsByKeyNumberOrCaptionAndNothingElse) {
  const std::vector<std::pair<std::string_view, std::string_view>> cases = {
      {"routermodes", "routerModes"},
      {"ROUTERMODES", "routerModes"},
      {"3", "routerModes"},
      {"  router   modes ", "routerModes"},
      {"36", "removingACL"},
      {"Saving/Loading Configuration", "savingLoadingConfiguration"},
      {"99", ""},
      {"0", ""},
      {"-1", ""},
      {"3x", ""},
      {"", ""},
      {"router", ""},
  };
  for (const auto& [name, key] : cases) {
    const std::optional<ActivityMenuItem> found = findMenuItem(labMenu(), name);
    EXPECT_EQ(found ? found->key : "", key) << name;
  }
  EXPECT_EQ(findMenuItem(testMenu(), "test 3: network configuration")->key, "test3");
}

TEST(LessonSteps, NumbersStepsAndKeepsTheirDetailsWithoutTrailingBlankLines) {
  const auto steps =
      lessonSteps("Step: title\r\nIntro\r\n\r\nStep: One\r\nType 'a'.\r\n\r\nStep: Two\r\n");
  ASSERT_EQ(steps.size(), 2U);
  EXPECT_EQ(steps[0].heading, "Step1: One");
  EXPECT_EQ(steps[0].details, std::vector<std::string>{"Type 'a'."});
  EXPECT_EQ(steps[1].heading, "Step2: Two");
  EXPECT_TRUE(steps[1].details.empty());
  const std::vector<StyledRun> learn = stepRuns(steps[0], true);
  ASSERT_EQ(learn.size(), 4U);
  EXPECT_EQ(learn[0].text, "Step1: One");
  EXPECT_TRUE(learn[2].style.bold);
  EXPECT_EQ(stepRuns(steps[0], false).size(), 1U);
  EXPECT_TRUE(lessonSteps("Title only\r\nno steps").empty());
}

}  // namespace
}  // namespace kovrel

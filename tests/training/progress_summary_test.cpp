// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/progress_summary.h"

#include <gtest/gtest.h>

#include "support/fake_platform.h"
#include "training/activity_menu.h"
#include "training/card_schedule.h"

namespace kovrel {
namespace {

// Noon UTC, so that the local date is the same in every time zone a test machine uses.
constexpr StoredTime kFirstDay = 1796126400;  // 2026-12-01
constexpr StoredTime kFifthDay = 1796472000;  // 2026-12-05

TEST(ProgressSummary, CountsLabsByTopicScoresScenariosAndCardsDue) {
  Progress progress;
  progress.labs["routerModes"] = {{1, 2}, kFirstDay};
  progress.labs["motdBanner"] = {{1}, std::nullopt};  // begun, not completed
  progress.labs["testingConnectivity"] = {{1}, kFirstDay};
  progress.tests = {{1, 500, kFirstDay},
                    {1, 900, kFirstDay},
                    {1, 900, kFifthDay},
                    {1, 700, kFifthDay},
                    {3, 1000, kFifthDay}};
  progress.solved = {{2, kFifthDay}};
  progress.cards = {{1, {2, kFirstDay}}, {2, {3, kFifthDay + kSecondsPerDay}}};
  const std::vector<std::string> labs = {"routerStartUp", "routerModes", "motdBanner",
                                         "testingConnectivity", "ripRouting"};
  const std::vector<FlashCard> cards = {{"q", "a", 1}, {"q", "a", 2}, {"q", "a", 3}};
  const ProgressSummary summary = summarizeProgress(progress, labs, cards, kFifthDay);

  EXPECT_EQ(summary.tests[0].attempts.size(), 4u);
  EXPECT_EQ(summary.tests[0].best->takenAt, kFirstDay);  // the first of equal best scores
  // The menus grow with the lessons, so the lines are compared where they stand.
  const std::vector<std::string> lines = progressSummaryLines(summary);
  ASSERT_EQ(lines.size(), 6 + testMenu().size() + 3);
  const std::vector<std::string> labLines = {
      "Labs done: 2 of 5",           "  Starting Up: 1 of 2", "  Configuring Banners: 0 of 1",
      "  Routing Protocols: 0 of 1", "  Labs: 1 of 1",        "Tests:"};
  EXPECT_EQ(std::vector(lines.begin(), lines.begin() + 6), labLines);
  EXPECT_EQ(lines[6], "  Test 1: Router Setup: best 900 (2026-12-01), last 700 (2026-12-05)");
  EXPECT_EQ(lines[7], "  Test 2: Lines And Name Lookup: not taken");
  EXPECT_EQ(lines[8],
            "  Test 3: Network Configuration: best 1000 (2026-12-05), last 1000 (2026-12-05)");
  const std::vector<std::string> tail = {
      "Troubleshooting solved: 1 of " + std::to_string(troubleshootingMenu().size()),
      "  Troubleshooting 2: The Remote LAN Is Out Of Reach (2026-12-05)",
      "Flash cards due today: 1 (2 of 3 studied)"};
  EXPECT_EQ(std::vector(lines.end() - 3, lines.end()), tail);
  EXPECT_TRUE(labCompleted(progress, "routerModes"));
  EXPECT_FALSE(labCompleted(progress, "motdBanner"));
  EXPECT_EQ(bestScore(progress, 1), 900);
  EXPECT_EQ(bestScore(progress, 2), std::nullopt);
}

TEST(ProgressSummary, EveryLabWithChecksCountsAndAnUnsavedRunSaysSo) {
  testing::SimulatorFixture fixture;
  const ProgressSummary summary = progressSummary(fixture.sim);
  // Every lab but the introduction to the labs has its steps checked.
  EXPECT_EQ(summary.labsTotal, static_cast<int>(labMenu().size()) - 1);
  EXPECT_EQ(summary.labsDone, 0);
  EXPECT_GT(summary.cardsTotal, 0);
  EXPECT_EQ(summary.tests.size(), testMenu().size());
  EXPECT_FALSE(summary.saved);
  EXPECT_EQ(progressSummaryLines(summary).back(), "This run's progress is not saved.");
}

}  // namespace
}  // namespace kovrel

// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/error_log.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/fake_platform.h"

namespace kovrel::testing {
namespace {

// A broken catalogue fails every lookup of a key press the same way.
TEST(ErrorLog, ShowsEachFailureOnceARunAndLogsEveryOneWithTheRepeats) {
  FakePlatform platform;
  Simulator sim(platform.services());
  for (int i = 0; i < 25; ++i) logError(sim, "completePartialCommand", 1, "no such column: cmd");
  logError(sim, "procesHelp", 1, "no such column: cmd");
  logError(sim, "completePartialCommand", 1, "no such table: confModeCmds");
  EXPECT_EQ(platform.messages.size(), 3u);
  EXPECT_EQ(std::count(platform.errorLines.begin(), platform.errorLines.end(),
                       "In function completePartialCommand"),
            26);
  EXPECT_NE(
      std::find(platform.errorLines.begin(), platform.errorLines.end(), " Repeats not shown : 24"),
      platform.errorLines.end());
  EXPECT_EQ(platform.truncations, 1);
}

TEST(ErrorLog, PutsTheDescriptionInTheBoxWhenTheLogCannotBeWritten) {
  FakePlatform platform;
  platform.logUnwritable = true;
  Simulator sim(platform.services());
  logError(sim, "setWelcomeText", 14, "unable to open database file");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_NE(platform.messages[0].find("no folder can be written"), std::string::npos);
  EXPECT_NE(platform.messages[0].find(" Description : unable to open database file"),
            std::string::npos);
}

}  // namespace
}  // namespace kovrel::testing

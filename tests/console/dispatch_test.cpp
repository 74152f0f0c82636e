// SPDX-License-Identifier: GPL-3.0-or-later
#include "console/dispatch.h"

#include <gtest/gtest.h>

#include <set>

namespace kovrel {
namespace {

TEST(DispatchTable, FirstWordsAreUniqueAndLowerCase) {
  std::set<std::string_view> seen;
  for (const DispatchRow& row : dispatchTable()) {
    ASSERT_FALSE(row.actions.empty());
    for (std::string_view word : row.firstWords) {
      EXPECT_TRUE(seen.insert(word).second) << "duplicate first word " << word;
      for (char c : word) EXPECT_FALSE(c >= 'A' && c <= 'Z') << word;
    }
  }
}

TEST(DispatchTable, ModeSpecificActionsComeBeforeEveryModeActions) {
  for (const DispatchRow& row : dispatchTable()) {
    bool everyModeSeen = false;
    for (const ModeAction& action : row.actions) {
      EXPECT_NE(action.handler, nullptr) << row.firstWords.front();
      EXPECT_FALSE(everyModeSeen) << "unreachable action in row " << row.firstWords.front();
      everyModeSeen = everyModeSeen || !action.mode.has_value();
    }
  }
}

}  // namespace
}  // namespace kovrel

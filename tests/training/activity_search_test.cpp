// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/activity_search.h"

#include <gtest/gtest.h>

#include "support/fake_platform.h"
#include "training/activity_menu.h"

namespace kovrel {
namespace {

TEST(ActivitySearch, FindsEveryWordTitlesFirstCardsLastAndNeverInASolution) {
  testing::SimulatorFixture fixture;
  const ActivitySearch search(fixture.sim.database);
  const auto found = [&](std::string_view query) {
    std::string keys;
    for (const SearchEntry* entry : search.find(query)) {
      keys += (entry->kind == SearchKind::flashCard ? std::string("card") : entry->key) + " ";
    }
    return keys;
  };
  EXPECT_EQ(search.size(), labMenu().size() + testMenu().size() + troubleshootingMenu().size() +
                               fixture.sim.database.flashCards().size());
  // The title's match comes before texts that mention it.
  EXPECT_TRUE(found("  Login   BANNER ").starts_with("loginBanner test1 "))
      << found("login banner");
  EXPECT_TRUE(found("banner").starts_with("motdBanner execBanner loginBanner "));
  EXPECT_TRUE(found("hosts router").find("troubleshooting1") != std::string::npos);
  // The repair of the first scenario gives Ethernet0 this address; only its solution says so.
  EXPECT_EQ(found("128.16.31.1").find("troubleshooting1"), std::string::npos);
  const std::string prompts = found("privileged mode");
  EXPECT_LT(prompts.find("routerModes"), prompts.find("card"));
  EXPECT_EQ(found(""), "");
  EXPECT_EQ(found("no-such-word-anywhere"), "");
}

}  // namespace
}  // namespace kovrel

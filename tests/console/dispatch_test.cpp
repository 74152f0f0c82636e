#include "console/dispatch.h"

#include <gtest/gtest.h>

#include <set>

#include "support/fake_platform.h"

namespace kovrel {
namespace {

using testing::SimulatorFixture;

const std::string kInvalid = "\n \n% Invalid input detected at '^' marker.";

struct ReplyCase {
  CliMode mode;
  std::string line;
  std::string reply;  // what follows the echoed line
};

class DispatchReplyTest : public ::testing::TestWithParam<ReplyCase> {};

TEST_P(DispatchReplyTest, AnswersByMode) {
  const auto& c = GetParam();
  SimulatorFixture f;
  f.startSession(c.mode);
  const std::string prompt = f.prompt();
  f.enter(c.line);
  EXPECT_EQ(f.newOutput(), "\n" + prompt + c.line + c.reply);
}

const std::string kUnknownUser =
    "\n% Unknown command or computer name, or unable to find computer address";

INSTANTIATE_TEST_SUITE_P(
    Replies, DispatchReplyTest,
    ::testing::Values(
        ReplyCase{CliMode::user, "frobnicate", kUnknownUser},
        ReplyCase{CliMode::priv, "frobnicate", kInvalid},
        ReplyCase{CliMode::conf, "frobnicate", kInvalid},
        ReplyCase{CliMode::user, "line", kUnknownUser},  // line outside conf: unknown command
        ReplyCase{CliMode::user, "access-list", kInvalid}, ReplyCase{CliMode::user, "", ""},
        ReplyCase{CliMode::priv, "     ", ""}, ReplyCase{CliMode::priv, "enable", ""},
        ReplyCase{CliMode::user, "disable", ""}, ReplyCase{CliMode::conf, "line console 0", ""},
        ReplyCase{CliMode::user, "exec-timeout 5", kUnknownUser},
        ReplyCase{CliMode::priv, "exit now", kInvalid},
        ReplyCase{CliMode::user, "logout now", kUnknownUser},
        ReplyCase{CliMode::priv, "logout now", kInvalid},
        ReplyCase{CliMode::priv, "disable now", kInvalid},
        ReplyCase{CliMode::user, "enable 15", kInvalid}, ReplyCase{CliMode::priv, "end", kInvalid},
        ReplyCase{CliMode::user, "end", kUnknownUser},
        ReplyCase{CliMode::conf, "end now", kInvalid},
        ReplyCase{CliMode::user, "configure terminal", kUnknownUser},
        ReplyCase{CliMode::priv, "configure terminal now", kInvalid},
        ReplyCase{CliMode::priv, "configure tx", kInvalid},
        ReplyCase{CliMode::priv, "configure memory", ""},
        ReplyCase{CliMode::priv, "configure network", ""},
        ReplyCase{CliMode::priv, "reload now", kInvalid},
        ReplyCase{CliMode::user, "reload", kUnknownUser},
        ReplyCase{CliMode::priv, "terminal", "\n% Incomplete command.\n "},
        ReplyCase{CliMode::conf, "terminal history", kInvalid}));

TEST(DispatchReplyTest, CommandsAreCaseInsensitiveWithBlanksCollapsed) {
  SimulatorFixture f;
  f.startSession(CliMode::priv);
  f.enter("   CONFIGURE    Terminal  ");
  EXPECT_EQ(f.mode(), CliMode::conf);
  EXPECT_EQ(f.prompt(), "Router(config)#");
}

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

#include "console/dispatch.h"

#include <gtest/gtest.h>

#include <set>

#include "support/fake_platform.h"

namespace kovrel {
namespace {

using testing::SimulatorFixture;

// Unknown words and plain "frobnicate" per mode are in the unknown_commands transcript.
TEST(DispatchReplyTest, AnswersByMode) {
  const std::string invalid = "\n \n% Invalid input detected at '^' marker.";
  const std::string unknown =
      "\n% Unknown command or computer name, or unable to find computer address";
  struct Case {
    CliMode mode;
    std::string line;
    std::string reply;  // what follows the echoed line
  };
  const std::vector<Case> cases = {
      {CliMode::user, "line", unknown},  // line outside conf: unknown command
      {CliMode::user, "access-list", invalid},
      {CliMode::priv, "     ", ""},
      {CliMode::priv, "enable", ""},
      {CliMode::user, "disable", ""},
      {CliMode::conf, "line console 0", ""},
      {CliMode::user, "exec-timeout 5", unknown},
      {CliMode::priv, "exit now", invalid},
      {CliMode::user, "logout now", unknown},
      {CliMode::priv, "logout now", invalid},
      {CliMode::priv, "disable now", invalid},
      {CliMode::user, "enable 15", invalid},
      {CliMode::priv, "end", invalid},
      {CliMode::user, "end", unknown},
      {CliMode::conf, "end now", invalid},
      {CliMode::user, "configure terminal", unknown},
      {CliMode::priv, "configure terminal now", invalid},
      {CliMode::priv, "configure tx", invalid},
      {CliMode::priv, "configure memory", ""},
      {CliMode::priv, "configure network", ""},
      {CliMode::priv, "reload now", invalid},
      {CliMode::user, "reload", unknown},
  };
  for (const Case& c : cases) {
    SimulatorFixture f;
    f.startSession(c.mode);
    const std::string prompt = f.prompt();
    f.enter(c.line);
    EXPECT_EQ(f.newOutput(), "\n" + prompt + c.line + c.reply);
  }
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

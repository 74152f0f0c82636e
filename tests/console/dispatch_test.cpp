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
      {CliMode::user, "blank_enter", unknown},  // no word stands for the empty line
      {CliMode::conf, "blank_enter", invalid},
  };
  for (const Case& c : cases) {
    SimulatorFixture f;
    f.startSession(c.mode);
    const std::string prompt = f.prompt();
    f.enter(c.line);
    EXPECT_EQ(f.newOutput(), "\n" + prompt + c.line + c.reply);
  }
}

// The marker stands under the first word that no accepted form takes at its position; where no
// word can be picked out (a value refused, short forms spelled out), under the word after the
// command word, or under the command word when it stands alone.
TEST(InvalidInputMarker, PointsAtTheRefusedWord) {
  struct Case {
    CliMode mode;
    std::string line;
    std::size_t column;
  };
  const std::vector<Case> cases = {
      {CliMode::conf, "ip adress 1.1.1.1", 18},  // Router(config)# is 15 columns
      {CliMode::conf, "  ip   adress  x", 22},
      {CliMode::conf, "hostname a b", 26},
      {CliMode::conf, "router igrp 0", 22},         // a value refused
      {CliMode::conf, "disable", 15},               // a command word this mode does not take
      {CliMode::priv, "show ip rout", 15},          // Router# is 7 columns
      {CliMode::priv, "show interfaces s0 x", 12},  // "s0" spelled out: no word can be picked
      {CliMode::priv, "ping 1.1.1.1 2", 20},
  };
  for (const Case& c : cases) {
    SimulatorFixture f;
    f.startSession(c.mode);
    f.enter(c.line);
    EXPECT_EQ(f.newOutputWithMarkers(),
              "\n" + std::string(c.mode == CliMode::conf ? "Router(config)#" : "Router#") + c.line +
                  "\n" + std::string(c.column, ' ') + "^\n% Invalid input detected at '^' marker.")
        << c.line;
  }
  SimulatorFixture f;  // Ctrl-Z after a lone word: under that word
  f.startSession(CliMode::conf);
  f.type("hostname");
  f.ctrl('Z');
  EXPECT_NE(f.newOutputWithMarkers().find("#hostname^Z\n               ^\n% Invalid"),
            std::string::npos);
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

#include <gtest/gtest.h>

#include "config_cases.h"

namespace kovrel {
namespace {

using testing::kIncomplete;
using testing::kInvalid;
using testing::SimulatorFixture;

std::string selection(const RouterState& r) { return r.currentLine + " " + r.prompt; }

// The vty line's password, login flag and timeout, then the console line's.
std::string lineSettings(const RouterState& r) {
  const RouterConfig& c = r.config;
  return c.vtyPassword + " " + std::to_string(c.vtyLogin) + " " +
         std::to_string(c.vtyExecTimeoutMinutes) + ":" + std::to_string(c.vtyExecTimeoutSeconds) +
         " | " + c.conPassword + " " + std::to_string(c.conLogin) + " " +
         std::to_string(c.conExecTimeoutMinutes);
}

TEST(LineCommands, SelectsOrRefuses) {
  const std::string refused = " Router(config)#";
  testing::checkCases({
      {{}, "line con 0", "", selection, "con Router(config-line)#"},
      {{}, "line console 0", "", selection, "con Router(config-line)#"},
      {{}, "line aux 0", "", selection, "aux Router(config-line)#"},
      {{}, "line vty 0 4", "", selection, "vty Router(config-line)#"},
      {{}, "line vty 0 15", kInvalid, selection, refused},
      {{}, "line vty 0", kIncomplete, selection, refused},
      {{}, "line", kIncomplete, selection, refused},
      {{}, "line tty 1", kInvalid, selection, refused},
  });
}

TEST(LineCommands, SettingsChangeOnlyTheSelectedLine) {
  testing::checkCases(
      {
          {{}, "password SeCret", "", lineSettings, "secret 0 10:0 |  0 10"},
          {{}, "password", kIncomplete},
          {{}, "password a b", kInvalid},
          {{}, "login", "", lineSettings, " 1 10:0 |  0 10"},
          {{}, "login now", kInvalid},
          {{"exit", "line con 0", "login"}, "no login", "", lineSettings, " 0 10:0 |  0 10"},
          {{}, "no", kIncomplete},
          {{}, "no password", kInvalid},
          {{}, "no exec-timeout", kInvalid},
          {{}, "exec-timeout 5", "", lineSettings, " 0 5:0 |  0 10"},
          {{}, "exec-timeout 5 30", "", lineSettings, " 0 5:30 |  0 10"},
          {{}, "exec-timeout 0 0", "", lineSettings, " 0 0:0 |  0 10"},
          {{}, "exec-timeout 35791 2147483", "", lineSettings, " 0 35791:2147483 |  0 10"},
          {{}, "exec-timeout 35792", kInvalid},
          {{}, "exec-timeout -1", kInvalid},
          {{}, "exec-timeout 5 2147484", kInvalid},
          {{}, "exec-timeout 00000005", kInvalid},
          {{}, "exec-timeout", kIncomplete},
          {{}, "exec-timeout 1 2 3", kInvalid},
      },
      {"line vty 0 4"});
}

TEST(LineCommands, ConsoleLoginWorksAfterConfiguringTheLine) {
  SimulatorFixture f;
  f.startSession(CliMode::conf);
  for (const char* line : {"line console 0", "password Door", "login", "end", "exit"})
    f.enter(line);
  EXPECT_EQ(f.mode(), CliMode::none);
  f.enter("");
  EXPECT_EQ(f.input(), "Password: ");
  f.enter("door");
  EXPECT_EQ(f.input(), "Router>");
}

}  // namespace
}  // namespace kovrel

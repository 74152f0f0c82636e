#include <gtest/gtest.h>

#include "support/fake_platform.h"

namespace kovrel {
namespace {

using testing::SimulatorFixture;

const std::string kInvalid = "\n \n% Invalid input detected at '^' marker.";
const std::string kIncomplete = "\n% Incomplete command.\n ";

struct LineSelectionCase {
  std::string line;
  std::string currentLine;  // empty: refused
  std::string reply;
};

class LineSelectionTest : public ::testing::TestWithParam<LineSelectionCase> {};

TEST_P(LineSelectionTest, SelectsOrRefuses) {
  const auto& c = GetParam();
  SimulatorFixture f;
  f.startSession(CliMode::conf);
  f.enter(c.line);
  EXPECT_EQ(f.newOutput(), "\nRouter(config)#" + c.line + c.reply);
  EXPECT_EQ(f.sim.router().currentLine, c.currentLine);
  EXPECT_EQ(f.prompt(), c.currentLine.empty() ? "Router(config)#" : "Router(config-line)#");
}

INSTANTIATE_TEST_SUITE_P(Lines, LineSelectionTest,
                         ::testing::Values(LineSelectionCase{"line con 0", "con", ""},
                                           LineSelectionCase{"line console 0", "con", ""},
                                           LineSelectionCase{"line aux 0", "aux", ""},
                                           LineSelectionCase{"line vty 0 4", "vty", ""},
                                           LineSelectionCase{"line vty 0 15", "", kInvalid},
                                           LineSelectionCase{"line vty 0", "", kIncomplete},
                                           LineSelectionCase{"line", "", kIncomplete},
                                           LineSelectionCase{"line tty 1", "", kInvalid}));

struct LineSettingCase {
  std::string line;
  std::string reply;
  std::string vtyPassword;
  bool vtyLogin;
  int minutes;
  int seconds;
};

class LineSettingTest : public ::testing::TestWithParam<LineSettingCase> {};

TEST_P(LineSettingTest, ChangesOnlyTheSelectedLine) {
  const auto& c = GetParam();
  SimulatorFixture f;
  f.startSession(CliMode::conf);
  f.enter("line vty 0 4");
  f.newOutput();
  f.enter(c.line);
  EXPECT_EQ(f.newOutput(), "\nRouter(config-line)#" + c.line + c.reply);
  const RouterConfig& config = f.running();
  EXPECT_EQ(config.vtyPassword, c.vtyPassword);
  EXPECT_EQ(config.vtyLogin, c.vtyLogin);
  EXPECT_EQ(config.vtyExecTimeoutMinutes, c.minutes);
  EXPECT_EQ(config.vtyExecTimeoutSeconds, c.seconds);
  EXPECT_EQ(config.conPassword, "");
  EXPECT_EQ(config.conExecTimeoutMinutes, 10);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, LineSettingTest,
    ::testing::Values(LineSettingCase{"password SeCret", "", "secret", false, 10, 0},
                      LineSettingCase{"password", kIncomplete, "", false, 10, 0},
                      LineSettingCase{"password a b", kInvalid, "", false, 10, 0},
                      LineSettingCase{"login", "", "", true, 10, 0},
                      LineSettingCase{"login now", kInvalid, "", false, 10, 0},
                      LineSettingCase{"no login", "", "", false, 10, 0},
                      LineSettingCase{"no", kIncomplete, "", false, 10, 0},
                      LineSettingCase{"no password", kInvalid, "", false, 10, 0},
                      LineSettingCase{"no exec-timeout", kInvalid, "", false, 10, 0},
                      LineSettingCase{"exec-timeout 5", "", "", false, 5, 0},
                      LineSettingCase{"exec-timeout 5 30", "", "", false, 5, 30},
                      LineSettingCase{"exec-timeout 0 0", "", "", false, 0, 0},
                      LineSettingCase{"exec-timeout 35791 2147483", "", "", false, 35791, 2147483},
                      LineSettingCase{"exec-timeout 35792", kInvalid, "", false, 10, 0},
                      LineSettingCase{"exec-timeout -1", kInvalid, "", false, 10, 0},
                      LineSettingCase{"exec-timeout 5 2147484", kInvalid, "", false, 10, 0},
                      LineSettingCase{"exec-timeout 00000005", kInvalid, "", false, 10, 0},
                      LineSettingCase{"exec-timeout", kIncomplete, "", false, 10, 0},
                      LineSettingCase{"exec-timeout 1 2 3", kInvalid, "", false, 10, 0}));

TEST(LineSettings, LoginThenNoLoginClearsTheFlag) {
  SimulatorFixture f;
  f.startSession(CliMode::conf);
  f.enter("line con 0");
  f.enter("login");
  EXPECT_TRUE(f.running().conLogin);
  f.enter("no login");
  EXPECT_FALSE(f.running().conLogin);
}

TEST(LineSettings, ConsoleLoginWorksAfterConfiguringTheLine) {
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

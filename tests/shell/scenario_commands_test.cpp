// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/terminal/scenario_commands.h"

#include <gtest/gtest.h>

#include "support/fake_platform.h"

namespace kovrel::terminal {
namespace {

using Lines = std::vector<std::string>;

class ScenarioCommandsTest : public ::testing::Test {
 protected:
  Lines run(std::string_view command) { return runProgramCommand(fixture.sim, command).lines; }

  testing::SimulatorFixture fixture;
};

// The first locale variable that is set decides, as in the C library.
TEST(NetworkCommand, BoxDrawingOnlyInAUtf8Locale) {
  struct Case {
    const char* lcAll;
    const char* lcCtype;
    const char* lang;
    bool utf8;
  };
  const Case cases[] = {
      {nullptr, nullptr, "en_GB.UTF-8", true},
      {"C", nullptr, "en_GB.UTF-8", false},
      {"", "de_DE.utf8", "C", true},
      {nullptr, nullptr, nullptr, false},
  };
  for (const Case& row : cases) {
    EXPECT_EQ(localeIsUtf8(row.lcAll, row.lcCtype, row.lang), row.utf8);
  }
}

TEST_F(ScenarioCommandsTest, SwitchRefusedWhileTheRouterAsks) {
  run("troubleshooting 6");
  fixture.startSession(CliMode::priv);
  fixture.enter("copy running-config startup-config");
  EXPECT_TRUE(run("router b").empty());
  EXPECT_EQ(fixture.platform.messages, Lines{" Please switch router when at prompt"});
  EXPECT_EQ(fixture.running().hostname, "RouterA");
}

}  // namespace
}  // namespace kovrel::terminal

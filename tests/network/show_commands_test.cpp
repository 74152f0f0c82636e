// SPDX-License-Identifier: GPL-3.0-or-later
#include "network/show_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "network/show_displays.h"
#include "support/fake_platform.h"

namespace kovrel {
namespace {

using testing::SimulatorFixture;

class ShowCommandsTest : public ::testing::Test {
 protected:
  // What the router wrote after echoing `line`.
  std::string reply(CliMode mode, std::string_view line) {
    if (console.mode() != mode) {
      SimulatorFixture fresh;
      fresh.startSession(mode);
      return replyIn(fresh, line);
    }
    return replyIn(console, line);
  }

  static std::string replyIn(SimulatorFixture& fixture, std::string_view line) {
    fixture.sim.state.console.pageLength = 1000;
    const std::string echo = "\n" + fixture.prompt() + std::string(line);
    fixture.enter(line);
    const std::string output = fixture.newOutput();
    EXPECT_EQ(output.substr(0, echo.size()), echo);
    return output.substr(std::min(echo.size(), output.size()));
  }

  void SetUp() override { console.startSession(CliMode::priv); }

  SimulatorFixture console;
};

TEST(ShowClockTest, ClockLineLayout) {
  std::tm time{};
  time.tm_hour = 7;
  time.tm_min = 5;
  time.tm_sec = 9;
  time.tm_wday = 3;
  time.tm_mon = 0;
  time.tm_mday = 6;
  time.tm_year = 127;
  EXPECT_EQ(clockLine(time), "*07:05:09 UTC Wed Jan 6 2027 ");
}

TEST_F(ShowCommandsTest, ClockReadsThePlatformClock) {
  const std::time_t when = std::chrono::system_clock::to_time_t(console.platform.clockNow);
  const std::tm local = *std::localtime(&when);
  EXPECT_EQ(reply(CliMode::priv, "show clock"), "\n" + clockLine(local));
  EXPECT_EQ(reply(CliMode::user, "show clock"), "\n" + clockLine(local));
}

TEST_F(ShowCommandsTest, StartupConfigurationIsTheSavedOne) {
  console.running().httpServer = true;
  console.sim.state.saved.serial1.ipAddress = "10.2.2.2";  // however it got there
  console.sim.state.saved.serial1.subnetMask = "255.255.255.0";
  console.sim.state.saved.bannerMotd = "saved";
  for (const char* line :
       {"show startup-config", "sh start", "show config", "show configuration"}) {
    const std::string output = reply(CliMode::priv, line);
    EXPECT_NE(output.find("banner motd ^C\nsaved\n^C"), std::string::npos) << line;
    EXPECT_EQ(output.find("ip http server"), std::string::npos) << line;
    EXPECT_EQ(output.find("\n ip address"), std::string::npos) << line;
  }
}

}  // namespace
}  // namespace kovrel

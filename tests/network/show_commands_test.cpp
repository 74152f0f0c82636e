#include "network/show_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "network/show_displays.h"
#include "support/fake_platform.h"

namespace kovrel {
namespace {

using testing::SimulatorFixture;

std::string crlfAsLf(std::string text) {
  std::string result;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    result.push_back(text[i]);
  }
  return result;
}

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

TEST(ShowNormalisationTest, ShortFormsSpelledOut) {
  struct Case {
    const char* typed;
    const char* user;
    const char* priv;
  };
  const std::vector<Case> cases = {
      {"sh", "show", "sh"},
      {"SH   Flash ", "show flash", "show flash"},
      {"sh int s0", "show int s0", "show interface serial 0"},
      {"show interface s 1", "show interface s 1", "show interface serial 1"},
      {"sh ip int e0", "show ip int e0", "show ip interface ethernet 0"},
      {"sh int", "show int", "show interface"},
      {"sh run", "show run", "show running-config"},
      {"show start", "show start", "show startup-config"},
      {"show run x", "show run x", "show run x"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(userShowText(std::string("Router>") + c.typed, "Router>"), c.user) << c.typed;
    EXPECT_EQ(privShowText(std::string("Router#") + c.typed, "Router#"), c.priv) << c.typed;
  }
}

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

TEST(ShowHostsTest, HostsGroupedByNameWithTheTrailingBlank) {
  RouterConfig config;
  config.domainName = "lab.net";
  config.nameServers = {"10.0.0.1", "10.0.0.2"};
  const std::string name24(24, 'a');
  const std::string name25(25, 'b');
  config.hosts = {{"web", "1.1.1.1"}, {name24, "3.3.3.3"}, {"web", "2.2.2.2"}, {name25, "4.4.4.4"}};
  EXPECT_EQ(crlfAsLf(renderHostTable(config)),
            "Default domain is lab.net\n"
            "Name/address lookup uses domain service \n"
            "Name servers are 10.0.0.1, 10.0.0.2\n"
            "\n"
            "Host                     Flags      Age Type   Address(es)\n"
            "web                      (perm, OK) 67   IP    1.1.1.1  2.2.2.2\n" +
                name24 + " (perm, OK) 67   IP    3.3.3.3\n" + name25 +
                "  (perm, OK) 67   IP    4.4.4.4\n");
  config.domainLookup = false;
  EXPECT_NE(renderHostTable(config).find("lookup uses static mappings\r\n\r\n"), std::string::npos);
  EXPECT_NE(renderHostTable(RouterConfig{}).find("Name servers are  255.255.255.255"),
            std::string::npos);
}

TEST(ShowIpProtocolsTest, RipThenOneIgrpBlockPerAutonomousSystem) {
  testing::FakePlatform random;
  random.randomValues = {0.0, 0.999};
  RouterConfig config;
  config.ripEnabled = true;
  config.ripNetworks = {"10.0.0.0"};
  config.igrpEnabled = true;
  config.igrpNetworks = {{10, "172.16.0.0"}, {20, "10.0.0.0"}, {10, "192.168.2.0"}};
  const std::string text = crlfAsLf(renderRoutingProtocols(config, random));
  EXPECT_TRUE(text.starts_with(
      "\nRouting Protocol is 'rip'\n  Sending updates every 30 seconds, next due in 1 seconds\n"));
  // AS 10 holds both its networks in one block, before AS 20 and its own "next due".
  EXPECT_NE(text.find("'igrp 10'\n  Sending updates every 90 seconds, next due in 90 seconds\n"),
            std::string::npos);
  EXPECT_NE(text.find("Networks:\n    172.16.0.0\n    192.168.2.0\n  Routing Information"),
            std::string::npos);
  EXPECT_LT(text.find("'igrp 10'"), text.find("'igrp 20'"));
  EXPECT_TRUE(
      text.ends_with("    10.0.0.0\n  Routing Information Sources:\n"
                     "    Gateway         Distance      Last Update\n"
                     "  Distance: (default is 100)"));
  // The RIP block keeps its own distance.
  EXPECT_NE(text.find("Last Update\n  Distance: (default is 120)\n    \nRouting Protocol is 'igrp"),
            std::string::npos);
}

TEST(ShowIpProtocolsTest, NothingWithoutRoutingOrStatements) {
  testing::FakePlatform random;
  RouterConfig config;
  config.ripEnabled = true;  // no network statement yet
  config.igrpEnabled = true;
  EXPECT_EQ(renderRoutingProtocols(config, random), "");
  config.ripNetworks = {"10.0.0.0"};
  config.ipRouting = false;
  EXPECT_EQ(renderRoutingProtocols(config, random), "");
}

TEST(ShowAccessListsTest, GroupedByListInOrderOfFirstOccurrence) {
  RouterConfig config;
  EXPECT_EQ(renderAccessLists(config), "");
  config.accessLists = {
      {4, "", "", 5},         {0, "10.2.0.0", "0.0.0.255", 1}, {3, "", "", 1},
      {6, "10.0.0.6", "", 5}, {5, "10.0.0.5", "", 1},          {1, "10.1.0.0", "0.0.255.255", 5},
  };
  EXPECT_EQ(crlfAsLf(renderAccessLists(config)),
            "\nStandard IP access list 5\n"
            "    permit any\n"
            "    deny   10.0.0.6\n"
            "    permit 10.1.0.0, wildcard bits 0.0.255.255\n"
            "Standard IP access list 1\n"
            "    deny   10.2.0.0, wildcard bits 0.0.0.255\n"
            "    deny   any\n"
            "    permit 10.0.0.5");
}

TEST_F(ShowCommandsTest, StartupConfigurationIsTheSavedOne) {
  console.running().httpServer = true;
  console.sim.state.saved.serial1.ipAddress = "10.2.2.2";  // however it got there
  console.sim.state.saved.serial1.subnetMask = "255.255.255.0";
  console.sim.state.saved.bannerMotd = "saved";
  for (const char* line :
       {"show startup-config", "sh start", "show config", "show configuration"}) {
    const std::string output = reply(CliMode::priv, line);
    EXPECT_NE(output.find("banner motd saved"), std::string::npos) << line;
    EXPECT_EQ(output.find("ip http server"), std::string::npos) << line;
    EXPECT_EQ(output.find("\n ip address"), std::string::npos) << line;
  }
}

}  // namespace
}  // namespace kovrel

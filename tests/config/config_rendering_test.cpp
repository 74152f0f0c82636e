#include "config/config_rendering.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kovrel {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

// Consecutive configuration lines as they appear in a rendering.
std::string lines(const std::vector<std::string>& lines) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) text += (i > 0 ? "\r\n" : "") + lines[i];
  return text;
}

const std::string kFactory =
    lines({"Current configuration:", "!", "Version 12#", "service timestamps debug uptime",
           "service timestamps log uptime", "no service password-encryption", "!",
           "hostname Router", "!", "!", "ip subnet-zero", "!", "!", "!",
           // interfaces
           "interface Ethernet0", " no ip address", " bandwidth 1000", " no ip directed-broadcast",
           " keepalive 10", " shutdown", "!", "interface Serial0", " no ip address",
           " bandwidth 1544", " no ip directed-broadcast", " no ip mroute-cache", " keepalive 10",
           " shutdown", " no fair-queue", "!", "interface serial1", " no ip address",
           " bandwidth 1544", " no ip directed-broadcast", " no ip mroute-cache", " keepalive 10",
           " shutdown", " no fair-queue", "!",
           // routing, lines
           "!", "!", "ip classless", "!", " !", "line con 0", " exec-timeout 10 0", "line aux 0",
           " exec-timeout 10 0", "line vty 0 4", " exec-timeout 10 0", "!", "end"});

TEST(ConfigRenderingTest, FactoryConfiguration) {
  EXPECT_EQ(renderConfiguration(RouterConfig{}), kFactory);
  RouterConfig igrpWithoutNetworks;
  igrpWithoutNetworks.igrpEnabled = true;
  EXPECT_EQ(renderConfiguration(igrpWithoutNetworks), kFactory);
}

TEST(ConfigRenderingTest, SecretLineNeverShowsTheSecret) {
  RouterConfig one;
  one.enableSecret = "alpha";
  RouterConfig other;
  other.enableSecret = "omega";
  EXPECT_EQ(renderConfiguration(one), renderConfiguration(other));
  EXPECT_THAT(renderConfiguration(one), Not(HasSubstr("alpha")));
}

TEST(ConfigRenderingTest, GlobalSettingsAndGroupedHosts) {
  RouterConfig config;
  config.hostname = "lab";
  config.enableSecret = "whatever";
  config.enablePassword = "letmein";
  config.domainLookup = false;
  config.hosts = {{"web", "1.1.1.1"}, {"mail", "3.3.3.3"}, {"web", "2.2.2.2"}};
  config.domainName = "example.net";
  config.nameServers = {"10.0.0.1", "10.0.0.2"};
  EXPECT_THAT(renderConfiguration(config),
              HasSubstr(lines({"hostname lab", "!", kEnableSecretLine, "enable password letmein",
                               "!", "ip subnet-zero", "no ip domain-lookup",
                               "ip host web 1.1.1.1 2.2.2.2 ", "ip host mail 3.3.3.3 ",
                               "ip domain-name example.net", "ip name-server 10.0.0.1 10.0.0.2 ",
                               "!", "!", "!", "interface Ethernet0"})));
}

TEST(ConfigRenderingTest, InterfacesWithDescriptionAddressAndFilters) {
  RouterConfig config;
  InterfaceConfig& serial = config.serial0;
  serial.description = "link to RouterB";
  serial.ipAddress = "10.1.1.1";
  serial.subnetMask = "255.255.255.0";
  serial.accessGroupOut = 12;
  serial.accessGroupIn = 7;
  serial.shutdown = false;
  serial.clockRate = 56000;
  serial.cdpEnable = false;
  serial.keepalive = 20;
  serial.bandwidth = 64;
  config.ethernet0.ipAddress = "192.168.1.1";
  config.ethernet0.subnetMask = "255.255.255.0";
  const std::string text = renderConfiguration(config);
  EXPECT_THAT(text, HasSubstr(lines({"interface Ethernet0", " bandwidth 1000",
                                     " ip address 192.168.1.1 255.255.255.0"})));
  EXPECT_THAT(text,
              HasSubstr(lines({"interface Serial0", " description link to RouterB", " bandwidth 64",
                               " ip address 10.1.1.1 255.255.255.0", " ip access-group 12 out",
                               " ip access-group 7 in", " no ip directed-broadcast",
                               " no ip mroute-cache", " keepalive 20", " no fair-queue",
                               " clockrate 56000", " no cdp enable", "!"})));
}

TEST(ConfigRenderingTest, RoutingGroupsAndAccessListsInterleaved) {
  RouterConfig config;
  config.ripEnabled = true;
  config.ripNetworks = {"10.0.0.0", "192.168.1.0"};
  config.igrpEnabled = true;
  config.igrpNetworks = {{10, "172.16.0.0"}, {20, "10.0.0.0"}, {10, "192.168.2.0"}};
  config.httpServer = true;
  config.accessLists = {{4, "", "", 1},
                        {3, "", "", 2},
                        {6, "10.0.0.6", "", 1},
                        {5, "10.0.0.5", "", 2},
                        {1, "10.1.0.0", "0.0.255.255", 1},
                        {0, "10.2.0.0", "0.0.0.255", 2}};
  EXPECT_THAT(renderConfiguration(config),
              HasSubstr(lines({"router rip",
                               " network 10.0.0.0",
                               " network 192.168.1.0",
                               "!",
                               "router igrp 10",
                               " network 172.16.0.0",
                               " network 192.168.2.0",
                               "!",
                               "router igrp 20",
                               " network 10.0.0.0",
                               "!",
                               "ip http server",
                               "ip classless",
                               "!",
                               "access-list 1 permit any",
                               "access-list 2 deny   any",
                               "access-list 1 deny   10.0.0.6",
                               "access-list 2 permit 10.0.0.5",
                               "access-list 1 permit 10.1.0.0, wildcard bits 0.0.255.255",
                               "access-list 2 deny   10.2.0.0, wildcard bits 0.0.0.255",
                               " !"})));
}

TEST(ConfigRenderingTest, CdpLinesFollowTheSettings) {
  struct Case {
    bool run;
    int timer;
    int holdtime;
    std::string lines;  // between "ip classless" and " !"
  };
  for (const Case& c : std::vector<Case>{{true, 60, 180, "!"},
                                         {true, 30, 180, "!\r\ncdp timer 30"},
                                         {true, 60, 90, "!\r\ncdp holdtime 90"},
                                         {true, 5, 10, "!\r\ncdp timer 5\r\ncdp holdtime 10"},
                                         {false, 30, 90, "!\r\nno cdp run"}}) {
    RouterConfig config;
    config.cdpRun = c.run;
    config.cdpTimer = c.timer;
    config.cdpHoldtime = c.holdtime;
    EXPECT_THAT(renderConfiguration(config), HasSubstr("ip classless\r\n" + c.lines + "\r\n !"));
  }
}

TEST(ConfigRenderingTest, BannersAsStoredAndLineSettings) {
  RouterConfig config;
  config.bannerMotd = "Authorised\r\nstaff only";
  config.bannerExec = "Hello";
  config.bannerLogin = "Log in";
  config.conPassword = "console";
  config.conLogin = true;
  config.auxExecTimeoutMinutes = 0;
  config.auxExecTimeoutSeconds = 30;
  config.vtyPassword = "telnet";
  config.vtyLogin = true;
  EXPECT_THAT(
      renderConfiguration(config),
      HasSubstr(lines({"banner exec Hello", "banner login Log in", "banner motd Authorised",
                       "staff only", " !", "line con 0", " exec-timeout 10 0", " password console",
                       " login", "line aux 0", " exec-timeout 0 30", "line vty 0 4",
                       " exec-timeout 10 0", " password telnet", " login", "!", "end"})));
}

}  // namespace
}  // namespace kovrel

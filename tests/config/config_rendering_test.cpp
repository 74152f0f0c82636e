#include "config/config_rendering.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kovrel {
namespace {

std::string joined(const std::vector<std::string>& lines) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) text += (i > 0 ? "\r\n" : "") + lines[i];
  return text;
}

// The lines of `text` from the one equal to `first` up to and including the one equal to `last`.
std::vector<std::string> section(const std::string& text, const std::string& first,
                                 const std::string& last) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  bool inside = false;
  while (start <= text.size()) {
    auto end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(start, end - start);
    inside = inside || line == first;
    if (inside) lines.push_back(line);
    if (inside && line == last) break;
    start = end + 2;
  }
  return lines;
}

const std::vector<std::string> kFactory = {
    "Current configuration:",
    "!",
    "Version 12#",
    "service timestamps debug uptime",
    "service timestamps log uptime",
    "no service password-encryption",
    "!",
    "hostname Router",
    "!",
    "!",
    "ip subnet-zero",
    "!",
    "!",
    "!",
    "interface Ethernet0",
    " no ip address",
    " bandwidth 1000",
    " no ip directed-broadcast",
    " keepalive 10",
    " shutdown",
    "!",
    "interface Serial0",
    " no ip address",
    " bandwidth 1544",
    " no ip directed-broadcast",
    " no ip mroute-cache",
    " keepalive 10",
    " shutdown",
    " no fair-queue",
    "!",
    "interface serial1",
    " no ip address",
    " bandwidth 1544",
    " no ip directed-broadcast",
    " no ip mroute-cache",
    " keepalive 10",
    " shutdown",
    " no fair-queue",
    "!",
    "!",
    "!",
    "ip classless",
    "!",
    " !",
    "line con 0",
    " exec-timeout 10 0",
    "line aux 0",
    " exec-timeout 10 0",
    "line vty 0 4",
    " exec-timeout 10 0",
    "!",
    "end",
};

TEST(ConfigRenderingTest, FactoryConfiguration) {
  EXPECT_EQ(renderConfiguration(RouterConfig{}), joined(kFactory));
}

TEST(ConfigRenderingTest, GlobalSettingsInTheirPlaces) {
  RouterConfig config;
  config.hostname = "lab";
  config.enableSecret = "whatever";
  config.enablePassword = "letmein";
  config.domainLookup = false;
  config.hosts = {{"web", "1.1.1.1"}};
  config.domainName = "example.net";
  config.nameServers = {"10.0.0.1", "10.0.0.2"};
  EXPECT_EQ(section(renderConfiguration(config), "hostname lab", "interface Ethernet0"),
            (std::vector<std::string>{
                "hostname lab",
                "!",
                kEnableSecretLine,
                "enable password letmein",
                "!",
                "ip subnet-zero",
                "no ip domain-lookup",
                "ip host web 1.1.1.1 ",
                "ip domain-name example.net",
                "ip name-server 10.0.0.1 10.0.0.2 ",
                "!",
                "!",
                "!",
                "interface Ethernet0",
            }));
}

TEST(ConfigRenderingTest, SecretLineNeverShowsTheSecret) {
  RouterConfig one;
  one.enableSecret = "alpha";
  RouterConfig other;
  other.enableSecret = "omega";
  const std::string text = renderConfiguration(one);
  EXPECT_EQ(text, renderConfiguration(other));
  EXPECT_EQ(text.find("alpha"), std::string::npos);
}

TEST(ConfigRenderingTest, InterfaceWithDescriptionAddressAndFilters) {
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
  EXPECT_EQ(section(renderConfiguration(config), "interface Serial0", "!"),
            (std::vector<std::string>{
                "interface Serial0",
                " description link to RouterB",
                " bandwidth 64",
                " ip address 10.1.1.1 255.255.255.0",
                " ip access-group 12 out",
                " ip access-group 7 in",
                " no ip directed-broadcast",
                " no ip mroute-cache",
                " keepalive 20",
                " no fair-queue",
                " clockrate 56000",
                " no cdp enable",
                "!",
            }));
}

TEST(ConfigRenderingTest, EthernetWithAddressButNoDescription) {
  RouterConfig config;
  config.ethernet0.ipAddress = "192.168.1.1";
  config.ethernet0.subnetMask = "255.255.255.0";
  EXPECT_EQ(section(renderConfiguration(config), "interface Ethernet0", "!"),
            (std::vector<std::string>{
                "interface Ethernet0",
                " bandwidth 1000",
                " ip address 192.168.1.1 255.255.255.0",
                " no ip directed-broadcast",
                " keepalive 10",
                " shutdown",
                "!",
            }));
}

TEST(ConfigRenderingTest, HostsGroupedByNameInOrderOfFirstOccurrence) {
  RouterConfig config;
  config.hosts = {{"web", "1.1.1.1"}, {"mail", "3.3.3.3"}, {"web", "2.2.2.2"}};
  EXPECT_EQ(section(renderConfiguration(config), "ip subnet-zero", "!"),
            (std::vector<std::string>{
                "ip subnet-zero",
                "ip host web 1.1.1.1 2.2.2.2 ",
                "ip host mail 3.3.3.3 ",
                "!",
            }));
}

TEST(ConfigRenderingTest, RipAndIgrpGroupsPerAutonomousSystem) {
  RouterConfig config;
  config.ripEnabled = true;
  config.ripNetworks = {"10.0.0.0", "192.168.1.0"};
  config.igrpEnabled = true;
  config.igrpNetworks = {{10, "172.16.0.0"}, {20, "10.0.0.0"}, {10, "192.168.2.0"}};
  EXPECT_EQ(section(renderConfiguration(config), "router rip", "ip classless"),
            (std::vector<std::string>{
                "router rip",
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
                "ip classless",
            }));
}

TEST(ConfigRenderingTest, IgrpWithoutNetworksRendersNothing) {
  RouterConfig config;
  config.igrpEnabled = true;
  EXPECT_EQ(renderConfiguration(config), joined(kFactory));
}

TEST(ConfigRenderingTest, AccessListLinesOfEveryKindStayInterleaved) {
  RouterConfig config;
  config.httpServer = true;
  config.accessLists = {
      {4, "", "", 1},
      {3, "", "", 2},
      {6, "10.0.0.6", "", 1},
      {5, "10.0.0.5", "", 2},
      {1, "10.1.0.0", "0.0.255.255", 1},
      {0, "10.2.0.0", "0.0.0.255", 2},
  };
  EXPECT_EQ(section(renderConfiguration(config), "ip http server", " !"),
            (std::vector<std::string>{
                "ip http server",
                "ip classless",
                "!",
                "access-list 1 permit any",
                "access-list 2 deny   any",
                "access-list 1 deny   10.0.0.6",
                "access-list 2 permit 10.0.0.5",
                "access-list 1 permit 10.1.0.0, wildcard bits 0.0.255.255",
                "access-list 2 deny   10.2.0.0, wildcard bits 0.0.0.255",
                " !",
            }));
}

TEST(ConfigRenderingTest, CdpLinesFollowTheSettings) {
  struct Case {
    bool run;
    int timer;
    int holdtime;
    std::vector<std::string> lines;  // between "!" after ip classless and " !"
  };
  const std::vector<Case> cases = {
      {true, 60, 180, {}},
      {true, 30, 180, {"cdp timer 30"}},
      {true, 60, 90, {"cdp holdtime 90"}},
      {true, 5, 10, {"cdp timer 5", "cdp holdtime 10"}},
      {false, 30, 90, {"no cdp run"}},
  };
  for (const Case& c : cases) {
    RouterConfig config;
    config.cdpRun = c.run;
    config.cdpTimer = c.timer;
    config.cdpHoldtime = c.holdtime;
    std::vector<std::string> expected = {"ip classless", "!"};
    expected.insert(expected.end(), c.lines.begin(), c.lines.end());
    expected.push_back(" !");
    EXPECT_EQ(section(renderConfiguration(config), "ip classless", " !"), expected)
        << c.timer << " " << c.holdtime;
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
  EXPECT_EQ(section(renderConfiguration(config), "banner exec Hello", "end"),
            (std::vector<std::string>{
                "banner exec Hello",
                "banner login Log in",
                "banner motd Authorised",
                "staff only",
                " !",
                "line con 0",
                " exec-timeout 10 0",
                " password console",
                " login",
                "line aux 0",
                " exec-timeout 0 30",
                "line vty 0 4",
                " exec-timeout 10 0",
                " password telnet",
                " login",
                "!",
                "end",
            }));
}

}  // namespace
}  // namespace kovrel

#include <gtest/gtest.h>

#include "config_cases.h"

namespace kovrel {
namespace {

using testing::ConfigCase;
using testing::kIncomplete;
using testing::kInvalid;
using testing::SimulatorFixture;

TEST(GlobalCommands, Hostname) {
  testing::checkCases({
      {{},
       "hostname RouterX",
       "",
       [](const RouterState& r) {
         EXPECT_EQ(r.config.hostname, "routerx");
         EXPECT_EQ(r.prompt, "routerx(config)#");
       }},
      {{}, "hostname", kIncomplete, {}},
      {{}, "hostname a b", kInvalid, {}},
  });
}

TEST(GlobalCommands, HostnameOnlyInGlobalConfiguration) {
  SimulatorFixture f;
  f.startSession(CliMode::conf);
  f.enter("interface serial 0");
  f.newOutput();
  f.enter("hostname x");
  EXPECT_EQ(f.newOutput(), "\nRouter(config-if)#hostname x" + kInvalid);
  f.enter("end");
  f.enter("disable");
  f.newOutput();
  f.enter("hostname x");
  EXPECT_EQ(f.newOutput(),
            "\nRouter>hostname x\n% Unknown command or computer name, or unable to find computer "
            "address");
  EXPECT_EQ(f.running().hostname, "Router");
}

TEST(GlobalCommands, EnablePasswordAndSecret) {
  testing::checkCases({
      {{},
       "enable secret TopSecret",
       "",
       [](const RouterState& r) { EXPECT_EQ(r.config.enableSecret, "topsecret"); }},
      {{},
       "enable password Door",
       "",
       [](const RouterState& r) { EXPECT_EQ(r.config.enablePassword, "door"); }},
      {{}, "enable", kIncomplete, {}},
      {{}, "enable secret", kIncomplete, {}},
      {{}, "enable password", kIncomplete, {}},
      {{}, "enable secret 5 x", kInvalid, {}},
      {{}, "enable letmein", kInvalid, {}},
  });
}

TEST(GlobalCommands, BannerCommandStartsEntry) {
  testing::checkCases({
      {{},
       "banner motd #",
       "\nEnter TEXT message.  End with the character '#'.",
       [](const RouterState& r) { EXPECT_EQ(r.prompt, ""); }},
      {{},
       "banner exec #hello#",
       "\nEnter TEXT message.  End with the character '#'.",
       [](const RouterState& r) { EXPECT_EQ(r.config.bannerExec, ""); }},
      {{}, "banner motd", kIncomplete, {}},
      {{}, "banner", kIncomplete, {}},
      {{}, "banner motd # hello #", kInvalid, {}},
      {{}, "banner welcome #", kInvalid, {}},
  });
}

TEST(GlobalCommands, BannerLinesEndAtTheDelimiter) {
  SimulatorFixture f;
  f.startSession(CliMode::conf);
  f.enter("banner motd #");
  EXPECT_EQ(f.sim.interactionPending(), Interaction::bannerLine);
  EXPECT_EQ(f.input(), "");
  f.enter("Hello  Student");
  f.enter("World# this is dropped");
  EXPECT_EQ(f.newOutput(),
            "\nRouter(config)#banner motd #\nEnter TEXT message.  End with the character '#'."
            "\nHello  Student\nWorld# this is dropped");
  EXPECT_EQ(f.running().bannerMotd, "Hello  Student\r\nWorld");
  EXPECT_EQ(f.prompt(), "Router(config)#");
  EXPECT_EQ(f.input(), "Router(config)#");
  EXPECT_EQ(f.sim.interactionPending(), Interaction::none);

  f.enter("banner login %");
  f.enter("%");
  EXPECT_EQ(f.running().bannerLogin, "");
  f.enter("banner exec X");  // the delimiter is taken from the lower-cased command
  f.enter("Line with X");
  f.enter("ends here x");
  EXPECT_EQ(f.running().bannerExec, "Line with X\r\nends here ");
  EXPECT_EQ(f.running().bannerMotd, "Hello  Student\r\nWorld");
}

TEST(GlobalCommands, GlobalIp) {
  const auto servers = [](std::vector<std::string> expected) {
    return [expected](const RouterState& r) { EXPECT_EQ(r.config.nameServers, expected); };
  };
  const auto hosts = [](std::vector<hostIpAssociation> expected) {
    return [expected](const RouterState& r) { EXPECT_EQ(r.config.hosts, expected); };
  };
  testing::checkCases({
      {{"no ip domain-lookup"},
       "ip domain-lookup",
       "",
       [](const RouterState& r) { EXPECT_TRUE(r.config.domainLookup); }},
      {{},
       "ip domain-name Example.COM",
       "",
       [](const RouterState& r) { EXPECT_EQ(r.config.domainName, "example.com"); }},
      {{}, "ip name-server 1.1.1.1 2.2.2.2", "", servers({"1.1.1.1", "2.2.2.2"})},
      {{"ip name-server 1.1.1.1 2.2.2.2"}, "ip name-server 3.3.3.3", "", servers({"3.3.3.3"})},
      {{},
       "ip name-server 1.1.1.1 1.1.1.2 1.1.1.3 1.1.1.4 1.1.1.5 1.1.1.6",
       "",
       servers({"1.1.1.1", "1.1.1.2", "1.1.1.3", "1.1.1.4", "1.1.1.5", "1.1.1.6"})},
      {{}, "ip name-server 1.1.1.1 1.1.1.2 1.1.1.3 1.1.1.4 1.1.1.5 1.1.1.6 1.1.1.7", kInvalid, {}},
      {{"ip name-server 1.1.1.1"}, "ip name-server 2.2.2.2 2.2.2", kInvalid, {}},
      {{}, "ip name-server", kInvalid, {}},
      {{}, "ip host web 1.1.1.1 2.2.2.2", "", hosts({{"web", "1.1.1.1"}, {"web", "2.2.2.2"}})},
      {{"ip host web 1.1.1.1 2.2.2.2", "ip host mail 3.3.3.3"},
       "ip host WEB 4.4.4.4",
       "",
       hosts({{"mail", "3.3.3.3"}, {"web", "4.4.4.4"}})},
      {{},
       "ip host a 1.0.0.1 1.0.0.2 1.0.0.3 1.0.0.4 1.0.0.5 1.0.0.6 1.0.0.7 1.0.0.8",
       "",
       [](const RouterState& r) { EXPECT_EQ(r.config.hosts.size(), 8u); }},
      {{},
       "ip host a 1.0.0.1 1.0.0.2 1.0.0.3 1.0.0.4 1.0.0.5 1.0.0.6 1.0.0.7 1.0.0.8 1.0.0.9",
       kInvalid,
       {}},
      {{"ip host web 1.1.1.1"}, "ip host web 2.2.2.2 1.1.1", kInvalid, {}},
      {{}, "ip host web", kIncomplete, {}},
      {{}, "ip host", kInvalid, {}},
      {{}, "ip http server", "", [](const RouterState& r) { EXPECT_TRUE(r.config.httpServer); }},
      {{"no ip routing"},
       "ip routing",
       "",
       [](const RouterState& r) { EXPECT_TRUE(r.config.ipRouting); }},
      {{}, "ip", kIncomplete, {}},
      {{}, "ip domain-name", kIncomplete, {}},
      {{}, "ip domain-name a b", kInvalid, {}},
      {{}, "ip http", kInvalid, {}},
      {{}, "ip address 10.1.1.1 255.0.0.0", kInvalid, {}},
  });
}

TEST(GlobalCommands, Cdp) {
  const auto timer = [](int seconds) {
    return [seconds](const RouterState& r) { EXPECT_EQ(r.config.cdpTimer, seconds); };
  };
  const auto holdtime = [](int seconds) {
    return [seconds](const RouterState& r) { EXPECT_EQ(r.config.cdpHoldtime, seconds); };
  };
  testing::checkCases({
      {{"no cdp run"}, "cdp run", "", [](const RouterState& r) { EXPECT_TRUE(r.config.cdpRun); }},
      {{}, "cdp timer 5", "", timer(5)},
      {{}, "cdp timer 900", "", timer(900)},
      {{}, "cdp timer 4", kInvalid, {}},
      {{}, "cdp timer 901", kInvalid, {}},
      {{}, "cdp timer 0030", kInvalid, {}},
      {{}, "cdp timer abc", kInvalid, {}},
      {{}, "cdp timer 30 40", kInvalid, {}},
      {{}, "cdp timer", kIncomplete, {}},
      {{}, "cdp", kIncomplete, {}},
      {{}, "cdp holdtime 10", "", holdtime(10)},
      {{}, "cdp holdtime 255", "", holdtime(255)},
      {{}, "cdp holdtime 9", kInvalid, {}},
      {{}, "cdp holdtime 256", kInvalid, {}},
      {{}, "cdp enable", kInvalid, {}},
  });
}

TEST(GlobalCommands, NoForms) {
  testing::checkCases({
      {{"enable secret s", "enable password p"},
       "no enable secret",
       "",
       [](const RouterState& r) {
         EXPECT_EQ(r.config.enableSecret, "");
         EXPECT_EQ(r.config.enablePassword, "p");
       }},
      {{"enable password p"},
       "no enable password",
       "",
       [](const RouterState& r) { EXPECT_EQ(r.config.enablePassword, ""); }},
      {{"banner exec #", "x#"},
       "no banner exec",
       "",
       [](const RouterState& r) { EXPECT_EQ(r.config.bannerExec, ""); }},
      {{"banner login #", "x#"},
       "no banner login",
       "",
       [](const RouterState& r) { EXPECT_EQ(r.config.bannerLogin, ""); }},
      {{"banner motd #", "x#"},
       "no banner motd",
       "",
       [](const RouterState& r) { EXPECT_EQ(r.config.bannerMotd, ""); }},
      {{"ip name-server 1.1.1.1"},
       "no ip name-server",
       "",
       [](const RouterState& r) { EXPECT_TRUE(r.config.nameServers.empty()); }},
      {{"ip host web 1.1.1.1 2.2.2.2", "ip host mail 3.3.3.3"},
       "no ip host web",
       "",
       [](const RouterState& r) {
         EXPECT_EQ(r.config.hosts, (std::vector<hostIpAssociation>{{"mail", "3.3.3.3"}}));
       }},
      {{"ip host web 1.1.1.1"}, "no ip host nothere", "", {}},
      {{"cdp holdtime 100"},
       "no cdp holdtime",
       "",
       [](const RouterState& r) { EXPECT_EQ(r.config.cdpHoldtime, 180); }},
      {{"cdp timer 100"},
       "no cdp timer",
       "",
       [](const RouterState& r) { EXPECT_EQ(r.config.cdpTimer, 60); }},
      {{}, "no cdp run", "", [](const RouterState& r) { EXPECT_FALSE(r.config.cdpRun); }},
      {{"ip http server"},
       "no ip http server",
       "",
       [](const RouterState& r) { EXPECT_FALSE(r.config.httpServer); }},
      {{},
       "no ip domain-lookup",
       "",
       [](const RouterState& r) { EXPECT_FALSE(r.config.domainLookup); }},
      {{}, "no hostname", kInvalid, {}},
      {{}, "no ip domain-name", kInvalid, {}},
      {{}, "no", kIncomplete, {}},
      {{}, "no ip", kIncomplete, {}},
      {{}, "no banner", kIncomplete, {}},
      {{}, "no ip host", kInvalid, {}},
      {{}, "no access-list", kIncomplete, {}},
      {{}, "no access-list 100", kInvalid, {}},
      {{}, "no router", kIncomplete, {}},
      {{}, "no router igrp 0", kInvalid, {}},
      {{}, "no enable secret now", kInvalid, {}},
  });
}

TEST(GlobalCommands, NoIpRoutingRemovesBothProtocols) {
  SimulatorFixture f;
  f.startSession(CliMode::conf);
  for (const char* line : {"router rip", "network 10.0.0.0", "exit", "router igrp 5",
                           "network 172.16.0.0", "exit", "no ip routing", "ip routing"}) {
    f.enter(line);
  }
  const RouterConfig& config = f.running();
  EXPECT_TRUE(config.ipRouting);
  EXPECT_FALSE(config.ripEnabled);
  EXPECT_FALSE(config.igrpEnabled);
  EXPECT_TRUE(config.ripNetworks.empty());
  EXPECT_TRUE(config.igrpNetworks.empty());
}

}  // namespace
}  // namespace kovrel

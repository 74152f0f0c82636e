#include <gtest/gtest.h>

#include "config_cases.h"

namespace kovrel {
namespace {

using testing::kIncomplete;
using testing::kInvalid;
using testing::SimulatorFixture;

std::string hostnameAndPrompt(const RouterState& r) { return r.config.hostname + " " + r.prompt; }
std::string passwords(const RouterState& r) {
  return r.config.enableSecret + "/" + r.config.enablePassword;
}
std::string banners(const RouterState& r) {
  return r.config.bannerMotd + "/" + r.config.bannerExec + "/" + r.config.bannerLogin;
}
std::string bannerEntry(const RouterState& r) { return "prompt:" + r.prompt; }
std::string domain(const RouterState& r) {
  return std::to_string(r.config.domainLookup) + " " + r.config.domainName;
}
std::string nameServers(const RouterState& r) {
  return testing::listed(r.config.nameServers, [](const std::string& s) { return s; });
}
std::string hosts(const RouterState& r) {
  return testing::listed(r.config.hosts, [](auto& h) { return h.hostName + "=" + h.address; });
}
std::string hostCount(const RouterState& r) { return std::to_string(r.config.hosts.size()); }
std::string switches(const RouterState& r) {  // HTTP server, IP routing, CDP
  return std::to_string(r.config.httpServer) + std::to_string(r.config.ipRouting) +
         std::to_string(r.config.cdpRun);
}
std::string cdpTimers(const RouterState& r) {
  return std::to_string(r.config.cdpTimer) + "/" + std::to_string(r.config.cdpHoldtime);
}

const std::vector<std::string> twoHosts = {"ip host web 1.1.1.1 2.2.2.2", "ip host mail 3.3.3.3"};
const std::string kBannerQuestion = "\nEnter TEXT message.  End with the character '#'.";

TEST(GlobalCommands, HostnameAndEnablePasswords) {
  testing::checkCases({
      {{}, "hostname RouterX", "", hostnameAndPrompt, "routerx routerx(config)#"},
      {{}, "hostname", kIncomplete},
      {{}, "hostname a b", kInvalid},
      {{}, "enable secret TopSecret", "", passwords, "topsecret/"},
      {{}, "enable password Door", "", passwords, "/door"},
      {{}, "enable", kIncomplete},
      {{}, "enable secret 5 x", kInvalid},
      {{"interface serial 0"}, "hostname x", kInvalid},
  });
}

TEST(GlobalCommands, BannerCommand) {
  testing::checkCases({
      {{}, "banner motd #", kBannerQuestion, bannerEntry, "prompt:"},
      {{}, "banner exec #hello#", kBannerQuestion, banners, "//"},
      {{}, "banner motd", kIncomplete},
      {{}, "banner motd # hello #", kInvalid},
      {{}, "banner welcome #", kInvalid},
  });
}

TEST(GlobalCommands, BannerLinesEndAtTheDelimiter) {
  SimulatorFixture f;
  f.startSession(CliMode::conf);
  f.enter("banner motd #");
  EXPECT_EQ(f.input(), "");
  f.enter("Hello  Student");
  EXPECT_EQ(f.sim.interactionPending(), Interaction::bannerLine);
  f.enter("World# this is dropped");
  EXPECT_EQ(f.newOutput(), "\nRouter(config)#banner motd #" + kBannerQuestion +
                               "\nHello  Student\nWorld# this is dropped");
  EXPECT_EQ(f.running().bannerMotd, "Hello  Student\r\nWorld");
  EXPECT_EQ(f.input(), "Router(config)#");
  EXPECT_EQ(f.sim.interactionPending(), Interaction::none);

  f.enter("banner login %");
  f.enter("%");
  f.enter("banner exec X");  // the delimiter comes from the lower-cased command
  f.enter("Line with X");
  f.enter("ends here x");
  EXPECT_EQ(banners(f.sim.router()), "Hello  Student\r\nWorld/Line with X\r\nends here /");
  EXPECT_EQ(f.sim.router().history.back(), "banner exec X") << "banner lines are never recorded";
}

TEST(GlobalCommands, GlobalIp) {
  const std::string sixServers = "1.0.0.1 1.0.0.2 1.0.0.3 1.0.0.4 1.0.0.5 1.0.0.6";
  const std::string eightHosts = "1.0.0.1 1.0.0.2 1.0.0.3 1.0.0.4 1.0.0.5 1.0.0.6 1.0.0.7 1.0.0.8";
  testing::checkCases({
      {{"no ip domain-lookup"}, "ip domain-lookup", "", domain, "1 "},
      {{}, "ip domain-name Example.COM", "", domain, "1 example.com"},
      {{"ip name-server 1.1.1.1 2.2.2.2"}, "ip name-server 3.3.3.3", "", nameServers, "3.3.3.3"},
      {{}, "ip name-server " + sixServers, "", nameServers, sixServers},
      {{}, "ip name-server " + sixServers + " 1.0.0.7", kInvalid},
      {{"ip name-server 1.1.1.1"}, "ip name-server 2.2.2.2 2.2.2", kInvalid},
      {{}, "ip name-server", kInvalid},
      {{}, "ip host web 1.1.1.1 2.2.2.2", "", hosts, "web=1.1.1.1 web=2.2.2.2"},
      {twoHosts, "ip host WEB 4.4.4.4", "", hosts, "mail=3.3.3.3 web=4.4.4.4"},
      {{}, "ip host a " + eightHosts, "", hostCount, "8"},
      {{}, "ip host a " + eightHosts + " 1.0.0.9", kInvalid},
      {{"ip host web 1.1.1.1"}, "ip host web 2.2.2.2 1.1.1", kInvalid},
      {{}, "ip host web", kIncomplete},
      {{}, "ip host", kInvalid},
      {{}, "ip http server", "", switches, "111"},
      {{"no ip routing"}, "ip routing", "", switches, "011"},
      {{}, "ip", kIncomplete},
      {{}, "ip domain-name", kIncomplete},
      {{}, "ip http", kInvalid},
  });
}

TEST(GlobalCommands, Cdp) {
  testing::checkCases({
      {{"no cdp run"}, "cdp run", "", switches, "011"},
      {{}, "cdp timer 5", "", cdpTimers, "5/180"},
      {{}, "cdp holdtime 10", "", cdpTimers, "60/10"},
      {{}, "cdp holdtime 255", "", cdpTimers, "60/255"},
      {{}, "cdp timer 4", kInvalid},
      {{}, "cdp timer 901", kInvalid},
      {{}, "cdp timer 0030", kInvalid},
      {{}, "cdp holdtime 9", kInvalid},
      {{}, "cdp timer", kIncomplete},
      {{}, "cdp", kIncomplete},
      {{}, "cdp enable", kInvalid},
  });
}

TEST(GlobalCommands, NoForms) {
  const std::vector<std::string> allBanners = {"banner motd #",  "m#", "banner exec #", "e#",
                                               "banner login #", "l#"};
  testing::checkCases({
      {{"enable secret s", "enable password p"}, "no enable secret", "", passwords, "/p"},
      {{"enable secret s", "enable password p"}, "no enable password", "", passwords, "s/"},
      {allBanners, "no banner motd", "", banners, "/e/l"},
      {allBanners, "no banner exec", "", banners, "m//l"},
      {allBanners, "no banner login", "", banners, "m/e/"},
      {{"ip name-server 1.1.1.1"}, "no ip name-server", "", nameServers, ""},
      {twoHosts, "no ip host web", "", hosts, "mail=3.3.3.3"},
      {{"ip host web 1.1.1.1"}, "no ip host nothere", ""},
      {{"cdp timer 100", "cdp holdtime 100"}, "no cdp holdtime", "", cdpTimers, "100/180"},
      {{"cdp timer 100", "cdp holdtime 100"}, "no cdp timer", "", cdpTimers, "60/100"},
      {{"ip http server"}, "no cdp run", "", switches, "110"},
      {{"ip http server"}, "no ip http server", "", switches, "011"},
      {{}, "no ip domain-lookup", "", domain, "0 "},
      {{}, "no hostname", kInvalid},
      {{}, "no", kIncomplete},
      {{}, "no ip", kIncomplete},
      {{}, "no banner", kIncomplete},
      {{}, "no ip host", kInvalid},
      {{}, "no access-list", kIncomplete},
      {{}, "no access-list 100", kInvalid},
      {{}, "no router", kIncomplete},
      {{}, "no router igrp 0", kInvalid},
  });
}

}  // namespace
}  // namespace kovrel

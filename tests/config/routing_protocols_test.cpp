#include <gtest/gtest.h>

#include "config_cases.h"

namespace kovrel {
namespace {

using testing::kIncomplete;
using testing::kInvalid;
using testing::SimulatorFixture;

using IgrpNetworks = std::vector<asNetworkAssociation>;

std::function<void(const RouterState&)> ripNetworks(std::vector<std::string> expected) {
  return [expected](const RouterState& r) { EXPECT_EQ(r.config.ripNetworks, expected); };
}

std::function<void(const RouterState&)> igrpNetworks(IgrpNetworks expected, bool enabled = true) {
  return [expected, enabled](const RouterState& r) {
    EXPECT_EQ(r.config.igrpNetworks, expected);
    EXPECT_EQ(r.config.igrpEnabled, enabled);
  };
}

TEST(RoutingProtocols, RouterEntersItsMode) {
  const auto entered = [](CliMode mode, int asNumber) {
    return [mode, asNumber](const RouterState& r) {
      EXPECT_EQ(r.mode, mode);
      EXPECT_EQ(r.prompt, "Router(config-router)#");
      EXPECT_EQ(r.igrpAsNumber, asNumber);
      EXPECT_EQ(r.config.ripEnabled, mode == CliMode::configRouterRip);
      EXPECT_EQ(r.config.igrpEnabled, mode == CliMode::configRouterIgrp);
    };
  };
  testing::checkCases({
      {{}, "router rip", "", entered(CliMode::configRouterRip, 0)},
      {{}, "router igrp 65535", "", entered(CliMode::configRouterIgrp, 65535)},
      {{}, "router igrp 1", "", entered(CliMode::configRouterIgrp, 1)},
      {{}, "router igrp 0", kInvalid, {}},
      {{}, "router igrp 65536", kInvalid, {}},
      {{}, "router igrp", kIncomplete, {}},
      {{}, "router", kIncomplete, {}},
      {{}, "router ospf 1", kInvalid, {}},
      {{}, "router rip now", kInvalid, {}},
      {{"no ip routing"}, "router rip", "\nIP routing not enabled", {}},
      {{"no ip routing"}, "router igrp 5", "\nIP routing not enabled", {}},
  });
}

TEST(RoutingProtocols, RipNetworksAreClassful) {
  testing::checkCases(
      {
          {{}, "network 10.1.2.3", "", ripNetworks({"10.0.0.0"})},
          {{"network 10.1.2.3"}, "network 10.9.9.9", "", ripNetworks({"10.0.0.0"})},
          {{"network 10.1.2.3"}, "network 172.16.5.1", "", ripNetworks({"10.0.0.0", "172.16.0.0"})},
          {{}, "network 192.168.1.7", "", ripNetworks({"192.168.1.0"})},
          {{}, "network 10.1.1", kInvalid, {}},
          {{}, "network", kIncomplete, {}},
          {{}, "network 10.0.0.0 255.0.0.0", kInvalid, {}},
          {{"network 10.1.2.3", "network 172.16.0.0"},
           "no network 10.200.0.1",
           "",
           ripNetworks({"172.16.0.0"})},
          {{"network 10.1.2.3"}, "no network 10.1.1", kInvalid, {}},
          {{}, "no network", kIncomplete, {}},
          {{}, "no", kIncomplete, {}},
          {{}, "no router rip", kInvalid, {}},
      },
      {"router rip"});
}

TEST(RoutingProtocols, IgrpNetworksCarryTheirAs) {
  testing::checkCases(
      {
          {{}, "network 10.1.1.1", "", igrpNetworks({{10, "10.0.0.0"}})},
          {{"network 10.1.1.1"}, "network 10.2.2.2", "", igrpNetworks({{10, "10.0.0.0"}})},
          {{"network 10.0.0.0", "exit", "router igrp 20"},
           "network 10.0.0.0",
           "",
           igrpNetworks({{10, "10.0.0.0"}, {20, "10.0.0.0"}})},
          {{"network 10.0.0.0", "network 172.16.0.0", "exit", "router igrp 20", "network 10.0.0.0"},
           "no network 10.0.0.0",
           "",
           igrpNetworks({{10, "172.16.0.0"}})},
          {{}, "network 300.1.1.1", kInvalid, {}},
          {{}, "network", kIncomplete, {}},
      },
      {"router igrp 10"});
}

TEST(RoutingProtocols, NoRouter) {
  const std::vector<std::string> twoProcesses = {"router igrp 10", "network 10.0.0.0",   "exit",
                                                 "router igrp 20", "network 172.16.0.0", "exit"};
  testing::checkCases({
      {{"router rip", "network 10.0.0.0", "exit"},
       "no router rip",
       "",
       [](const RouterState& r) {
         EXPECT_FALSE(r.config.ripEnabled);
         EXPECT_EQ(r.config.ripNetworks, std::vector<std::string>{"10.0.0.0"});
       }},
      {{"router igrp 10", "network 10.0.0.0", "exit"},
       "no router igrp 10",
       "",
       igrpNetworks({}, false)},
      {twoProcesses, "no router igrp 10", "", igrpNetworks({{20, "172.16.0.0"}}, true)},
      {twoProcesses, "no router igrp 65536", kInvalid, {}},
  });
}

TEST(RoutingProtocols, RipComesBackWithItsNetworks) {
  SimulatorFixture f;
  f.startSession(CliMode::conf);
  for (const char* line :
       {"router rip", "network 10.0.0.0", "exit", "no router rip", "router rip"}) {
    f.enter(line);
  }
  EXPECT_TRUE(f.running().ripEnabled);
  EXPECT_EQ(f.running().ripNetworks, std::vector<std::string>{"10.0.0.0"});
}

}  // namespace
}  // namespace kovrel

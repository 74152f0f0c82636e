#include <gtest/gtest.h>

#include "config_cases.h"

namespace kovrel {
namespace {

using testing::kIncomplete;
using testing::kInvalid;

// Mode, IGRP AS, RIP and IGRP switches and IP routing.
std::string routerMode(const RouterState& r) {
  return std::string(cliModeName(r.mode)) + " " + r.prompt + " as" +
         std::to_string(r.igrpAsNumber) + " " + std::to_string(r.config.ripEnabled) +
         std::to_string(r.config.igrpEnabled) + std::to_string(r.config.ipRouting);
}
std::string ripNetworks(const RouterState& r) {
  return std::to_string(r.config.ripEnabled) + " " +
         testing::listed(r.config.ripNetworks, [](const std::string& n) { return n; });
}
std::string igrpNetworks(const RouterState& r) {
  return std::to_string(r.config.igrpEnabled) + " " +
         testing::listed(r.config.igrpNetworks, [](const asNetworkAssociation& n) {
           return std::to_string(n.asNumber) + ":" + n.network;
         });
}

TEST(RoutingProtocols, RouterEntersItsMode) {
  const std::string router = "Router(config-router)#";
  const std::vector<std::string> bothProcesses = {"router rip",    "network 10.0.0.0",   "exit",
                                                  "router igrp 5", "network 172.16.0.0", "exit",
                                                  "no ip routing"};
  testing::checkCases({
      {{}, "router rip", "", routerMode, "config-routerRip " + router + " as0 101"},
      {{}, "router igrp 65535", "", routerMode, "config-routerIgrp " + router + " as65535 011"},
      {{}, "router igrp 0", kInvalid},
      {{}, "router igrp 65536", kInvalid},
      {{}, "router igrp", kIncomplete},
      {{}, "router", kIncomplete},
      {{}, "router ospf 1", kInvalid},
      {{"no ip routing"}, "router rip", "\nIP routing not enabled"},
      {{"no ip routing"}, "router igrp 5", "\nIP routing not enabled"},
      {bothProcesses, "ip routing", "", [](auto& r) { return ripNetworks(r) + igrpNetworks(r); },
       "0 0 "},
  });
}

TEST(RoutingProtocols, RipNetworksAreClassful) {
  const std::vector<std::string> twoNetworks = {"network 10.1.2.3", "network 172.16.0.0"};
  testing::checkCases(
      {
          {{}, "network 10.1.2.3", "", ripNetworks, "1 10.0.0.0"},
          {{"network 10.1.2.3"}, "network 10.9.9.9", "", ripNetworks, "1 10.0.0.0"},
          {{"network 10.1.2.3"}, "network 172.16.5.1", "", ripNetworks, "1 10.0.0.0 172.16.0.0"},
          {{}, "network 10.1.1", kInvalid},
          {{}, "network", kIncomplete},
          {twoNetworks, "no network 10.200.0.1", "", ripNetworks, "1 172.16.0.0"},
          {{}, "no network", kIncomplete},
          {{}, "no router rip", kInvalid},
          {{"network 10.0.0.0", "exit"}, "no router rip", "", ripNetworks, "0 10.0.0.0"},
          {{"network 10.0.0.0", "exit", "no router rip"},
           "router rip",
           "",
           ripNetworks,
           "1 10.0.0.0"},
      },
      {"router rip"});
}

TEST(RoutingProtocols, IgrpNetworksCarryTheirAs) {
  const std::vector<std::string> twoProcesses = {"network 10.0.0.0", "exit", "router igrp 20",
                                                 "network 10.0.0.0", "network 172.16.0.0"};
  testing::checkCases(
      {
          {{}, "network 10.1.1.1", "", igrpNetworks, "1 10:10.0.0.0"},
          {{"network 10.1.1.1"}, "network 10.2.2.2", "", igrpNetworks, "1 10:10.0.0.0"},
          {twoProcesses, "no network 10.0.0.0", "", igrpNetworks, "1 20:172.16.0.0"},
          {{"network 10.0.0.0", "exit"}, "no router igrp 10", "", igrpNetworks, "0 "},
          {{"network 10.0.0.0", "exit", "router igrp 20"},
           "network 10.0.0.0",
           "",
           igrpNetworks,
           "1 10:10.0.0.0 20:10.0.0.0"},
          {{"exit", "router igrp 20", "network 172.16.0.0", "exit"},
           "no router igrp 10",
           "",
           igrpNetworks,
           "1 20:172.16.0.0"},
          {{"exit"}, "no router igrp 65536", kInvalid},
          {{}, "network 300.1.1.1", kInvalid},
      },
      {"router igrp 10"});
}

}  // namespace
}  // namespace kovrel

#include <gtest/gtest.h>

#include "config_cases.h"

namespace kovrel {
namespace {

using testing::ConfigCase;
using testing::kIncomplete;
using testing::kInvalid;
using testing::SimulatorFixture;

const InterfaceConfig& serial0(const RouterState& r) { return r.config.serial0; }

TEST(InterfaceCommands, SelectionTakesEveryShortForm) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"interface serial 0", "0"},
      {"int s0", "0"},
      {"INT S 0", "0"},
      {"interface serial 1", "1"},
      {"int s1", "1"},
      {"interface s 1", "1"},
      {"int e0", "2"},
      {"interface E 0", "2"},
      {"interface ethernet 0", "2"},
      {"int   ethernet   0", "2"},
      {"interface ethernet0", ""},
      {"interface serial0", ""},
      {"interface serial 2", ""},
      {"interface fastethernet 0", ""},
  };
  for (const auto& [line, selected] : cases) {
    SCOPED_TRACE(line);
    SimulatorFixture f;
    f.startSession(CliMode::conf);
    f.enter(line);
    EXPECT_EQ(f.newOutput(), "\nRouter(config)#" + line + (selected.empty() ? kInvalid : ""));
    EXPECT_EQ(f.sim.router().currentInterface, selected);
    EXPECT_EQ(f.prompt(), selected.empty() ? "Router(config)#" : "Router(config-if)#");
  }
  testing::checkCases({
      {{}, "interface serial", kIncomplete, {}},
      {{}, "interface", kIncomplete, {}},
      {{}, "int", kInvalid, {}},  // only "int " followed by a word is short for "interface"
  });
}

TEST(InterfaceCommands, DescriptionAddressAndGroups) {
  const std::string eighty(80, 'd');
  testing::checkCases(
      {
          {{},
           "description Link  To HQ",
           "",
           [](const RouterState& r) { EXPECT_EQ(serial0(r).description, "link to hq"); }},
          {{"description old"},
           "description",
           "",
           [](const RouterState& r) { EXPECT_EQ(serial0(r).description, ""); }},
          {{},
           "description " + eighty,
           "",
           [eighty](const RouterState& r) { EXPECT_EQ(serial0(r).description, eighty); }},
          {{}, "description " + eighty + "d", kInvalid, {}},
          {{},
           "ip address 10.1.1.1 255.255.255.0",
           "",
           [](const RouterState& r) {
             EXPECT_EQ(serial0(r).ipAddress, "10.1.1.1");
             EXPECT_EQ(serial0(r).subnetMask, "255.255.255.0");
             EXPECT_EQ(r.config.ethernet0.ipAddress, "");
           }},
          {{},
           "ip address 010.1.1.1 255.255.255.0",
           "",
           [](const RouterState& r) { EXPECT_EQ(serial0(r).ipAddress, "010.1.1.1"); }},
          {{}, "ip address 10.1.1.1", kIncomplete, {}},
          {{}, "ip address 10.1.1", kInvalid, {}},
          {{}, "ip address 10.1.1.1 255.255.255.255", kInvalid, {}},
          {{}, "ip address 10.1.1.1 255.0.255.0", kInvalid, {}},
          {{}, "ip address 10.1.1.1 255.255.255.0 secondary", kInvalid, {}},
          {{}, "ip address", kIncomplete, {}},
          {{}, "ip", kIncomplete, {}},
          {{},
           "ip access-group 5",
           "",
           [](const RouterState& r) { EXPECT_EQ(serial0(r).accessGroupOut, 5); }},
          {{},
           "ip access-group 7 out",
           "",
           [](const RouterState& r) { EXPECT_EQ(serial0(r).accessGroupOut, 7); }},
          {{},
           "ip access-group 99 in",
           "",
           [](const RouterState& r) {
             EXPECT_EQ(serial0(r).accessGroupIn, 99);
             EXPECT_EQ(serial0(r).accessGroupOut, 0);
           }},
          {{}, "ip access-group 100 in", kInvalid, {}},
          {{}, "ip access-group 100", kInvalid, {}},
          {{}, "ip access-group 5 sideways", kInvalid, {}},
          {{}, "ip access-group", kIncomplete, {}},
      },
      {"interface serial 0"});
}

TEST(InterfaceCommands, AddressOnAnotherInterfacesNetworkIsRefused) {
  SimulatorFixture f;
  f.startSession(CliMode::conf);
  for (const char* line :
       {"interface serial 0", "ip address 10.1.1.1 255.255.255.0", "exit", "int e0"}) {
    f.enter(line);
  }
  f.newOutput();
  f.enter("ip address 10.1.1.2 255.255.255.0");
  EXPECT_EQ(
      f.newOutput(),
      "\nRouter(config-if)#ip address 10.1.1.2 255.255.255.0\n10.1.1.0 overlaps with Serial 0");
  EXPECT_EQ(f.running().ethernet0.ipAddress, "");
  f.enter("exit");
  f.enter("int s0");
  f.enter("ip address 10.1.1.9 255.255.255.0");  // the interface's own network is no overlap
  EXPECT_EQ(f.running().serial0.ipAddress, "10.1.1.9");
}

TEST(InterfaceCommands, NumericSettings) {
  const auto keepalive = [](int value) {
    return [value](const RouterState& r) { EXPECT_EQ(serial0(r).keepalive, value); };
  };
  const auto bandwidth = [](int value) {
    return [value](const RouterState& r) { EXPECT_EQ(serial0(r).bandwidth, value); };
  };
  const auto clockRate = [](int value) {
    return [value](const RouterState& r) { EXPECT_EQ(serial0(r).clockRate, value); };
  };
  testing::checkCases(
      {
          {{}, "keepalive 0", "", keepalive(0)},
          {{}, "keepalive 32767", "", keepalive(32767)},
          {{}, "keepalive 32768", kInvalid, {}},
          {{}, "keepalive 000001", kInvalid, {}},
          {{}, "keepalive", kIncomplete, {}},
          {{}, "keepalive 1 2", kInvalid, {}},
          {{"no shutdown"},
           "shutdown",
           "",
           [](const RouterState& r) { EXPECT_TRUE(serial0(r).shutdown); }},
          {{"no shutdown"}, "shutdown now", kInvalid, {}},
          {{}, "bandwidth 1", "", bandwidth(1)},
          {{}, "bandwidth 10000000", "", bandwidth(10000000)},
          {{}, "bandwidth 0", kInvalid, {}},
          {{}, "bandwidth 10000001", kInvalid, {}},
          {{}, "bandwidth fast", kInvalid, {}},
          {{}, "bandwidth", kIncomplete, {}},
          {{}, "clock rate 64000", "", clockRate(64000)},
          {{}, "clock rate 4000000", "", clockRate(4000000)},
          {{}, "clock rate 64001", "\nUnknown clock rate", {}},
          {{}, "clock rate 200", kInvalid, {}},
          {{}, "clock rate 4000001", kInvalid, {}},
          {{}, "clock rate 12345678", kInvalid, {}},
          {{}, "clock rate", kIncomplete, {}},
          {{}, "clock", kIncomplete, {}},
          {{}, "clock speed 64000", kInvalid, {}},
      },
      {"interface serial 0"});
}

TEST(InterfaceCommands, ClockRateIsForSerialInterfacesOnly) {
  testing::checkCases(
      {
          {{}, "clock rate 64000", kInvalid, {}},
          {{}, "no clock rate", kInvalid, {}},
      },
      {"interface ethernet 0"});
}

TEST(InterfaceCommands, CdpAndNoForms) {
  const auto leftForPrivileged = [](bool cdpRun) {
    return [cdpRun](const RouterState& r) {
      EXPECT_EQ(r.config.cdpRun, cdpRun);
      EXPECT_EQ(r.mode, CliMode::priv);
      EXPECT_EQ(r.prompt, "Router#");
    };
  };
  testing::checkCases(
      {
          {{"no cdp enable"},
           "cdp enable",
           "",
           [](const RouterState& r) { EXPECT_TRUE(serial0(r).cdpEnable); }},
          {{"exit", "no cdp run", "int s0"}, "cdp run", "", leftForPrivileged(true)},
          {{}, "cdp", kIncomplete, {}},
          {{}, "cdp timer 60", kInvalid, {}},
          {{}, "no shutdown", "", [](const RouterState& r) { EXPECT_FALSE(serial0(r).shutdown); }},
          {{}, "no shut", "", [](const RouterState& r) { EXPECT_FALSE(serial0(r).shutdown); }},
          {{}, "no cdp run", "", leftForPrivileged(false)},
          {{},
           "no cdp enable",
           "",
           [](const RouterState& r) { EXPECT_FALSE(serial0(r).cdpEnable); }},
          {{"ip address 10.1.1.1 255.255.255.0"},
           "no ip address",
           "",
           [](const RouterState& r) {
             EXPECT_EQ(serial0(r).ipAddress, "");
             EXPECT_EQ(serial0(r).subnetMask, "255.255.255.0");
           }},
          {{"ip access-group 5 in", "ip access-group 6"},
           "no ip access-group in",
           "",
           [](const RouterState& r) {
             EXPECT_EQ(serial0(r).accessGroupIn, 0);
             EXPECT_EQ(serial0(r).accessGroupOut, 6);
           }},
          {{"ip access-group 5 in", "ip access-group 6"},
           "no ip access-group 9 out",
           "",
           [](const RouterState& r) {
             EXPECT_EQ(serial0(r).accessGroupIn, 5);
             EXPECT_EQ(serial0(r).accessGroupOut, 0);
           }},
          {{"ip access-group 5"}, "no ip access-group 5", kInvalid, {}},
          {{"ip access-group 5"}, "no ip access-group 100 out", kInvalid, {}},
          {{"ip access-group 5"}, "no ip access-group 5 sideways", kInvalid, {}},
          {{}, "no ip access-group", kIncomplete, {}},
          {{"clock rate 64000"},
           "no clock rate",
           "",
           [](const RouterState& r) { EXPECT_EQ(serial0(r).clockRate, 0); }},
          {{}, "no description", kInvalid, {}},
          {{}, "no keepalive", kInvalid, {}},
          {{}, "no", kIncomplete, {}},
          {{}, "no ip", kIncomplete, {}},
          {{}, "no clock", kIncomplete, {}},
      },
      {"interface serial 0"});
}

}  // namespace
}  // namespace kovrel

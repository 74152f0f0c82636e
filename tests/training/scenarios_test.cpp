#include "training/scenarios.h"

#include <gtest/gtest.h>

#include "base/activity_listener.h"
#include "support/fake_platform.h"
#include "training/router_switch.h"
#include "training/scenarios_addresses.h"
#include "training/scenarios_presets.h"

namespace kovrel::testing {
namespace {

/// Records what the engine asks of the front-end's panes.
class RecordingListener : public ActivityListener {
 public:
  void activityStarted(const ActivityPanes& panes) override { started.push_back(panes); }
  void routerSwitched(int router) override { switches.push_back(router); }
  std::vector<ActivityPanes> started;
  std::vector<int> switches;
};

class ScenariosTest : public ::testing::Test {
 protected:
  void SetUp() override { fixture.sim.state.training.listener = &listener; }
  TrainingState& training() { return fixture.sim.state.training; }
  SimulatorFixture fixture;
  RecordingListener listener;
};

TEST_F(ScenariosTest, FirstLabBootsLaterLabsKeepTheRouter) {
  initLabs(fixture.sim, "aboutTheLabs");
  EXPECT_NE(fixture.newOutput().find("Router con0 is now available"), std::string::npos);
  EXPECT_NE(training().instructionText.find("About"), std::string::npos);
  fixture.startSession(CliMode::conf);
  fixture.enter("hostname lab1");
  fixture.newOutput();
  initLabs(fixture.sim, "routerModes");
  EXPECT_EQ(fixture.newOutput(), "");  // no boot
  EXPECT_EQ(fixture.running().hostname, "lab1");
  EXPECT_EQ(training().currentLabName, "routerModes");
  EXPECT_EQ(training().topologyKind, 1);
  const std::string text = training().instructionText;
  initLabs(fixture.sim, "noSuchLab");  // no lesson: the previous text stays
  EXPECT_EQ(training().instructionText, text);
}

TEST_F(ScenariosTest, EveryTestStartsFromAFreshRouter) {
  initLabs(fixture.sim, "aboutTheLabs");
  fixture.startSession(CliMode::conf);
  fixture.enter("hostname lab1");
  fixture.enter("interface ethernet 0");
  fixture.enter("ip address 192.160.5.1 255.255.255.0");
  ASSERT_TRUE(initTests(fixture.sim, "test2"));
  EXPECT_EQ(fixture.running().hostname, "Router");
  EXPECT_EQ(fixture.running().ethernet0, InterfaceConfig::ethernetFactory());
  EXPECT_EQ(fixture.prompt(), "");
  EXPECT_EQ(training().currentActivity, Activity::test);
  EXPECT_EQ(training().currentTest, 2);
  ASSERT_TRUE(initTests(fixture.sim, "test3"));
  EXPECT_EQ(training().addresses.lanHost1, "220.14.5.2");
}

TEST_F(ScenariosTest, UnknownTestOrScenarioChangesNothing) {
  initLabs(fixture.sim, "aboutTheLabs");
  const TrainingState before = training();
  for (const char* name : {"test0", "test4", "test1x", "Test1"}) {
    EXPECT_FALSE(initTests(fixture.sim, name)) << name;
  }
  EXPECT_FALSE(inittroubleshooting(fixture.sim, "troubleshooting7"));
  EXPECT_EQ(training().currentActivity, before.currentActivity);
  EXPECT_EQ(training().addresses, before.addresses);
  EXPECT_EQ(listener.started.size(), 1u);
}

TEST_F(ScenariosTest, ListenerLearnsThePanes) {
  initLabs(fixture.sim, "aboutTheLabs");
  initLabs(fixture.sim, "routerModes");
  initTests(fixture.sim, "test1");
  inittroubleshooting(fixture.sim, "troubleshooting5");
  initLabs(fixture.sim, "routerModes");
  ASSERT_EQ(listener.started.size(), 5u);
  EXPECT_EQ(listener.started[0],
            (ActivityPanes{Activity::lab, TopologyPane::singleRouter, true, true, false}));
  EXPECT_EQ(listener.started[2],
            (ActivityPanes{Activity::test, TopologyPane::singleRouter, true, false, true}));
  EXPECT_EQ(listener.started[3], (ActivityPanes{Activity::troubleshooting, TopologyPane::twoRouter,
                                                true, false, false}));
}

// The fault of each scenario, on the router at the console after the start.
struct PresetCase {
  int scenario;
  int topology;
  const char* serial0Address;
  bool serial0Shutdown;
  int serial0ClockRate;
  const char* ethernetAddress;
  bool ethernetShutdown;
  bool ripEnabled;
  std::vector<std::string> ripNetworks;
};

const PresetCase kPresetCases[] = {
    {1, 1, "", true, 0, "192.34.5.6", false, false, {}},
    {2, 1, "196.101.5.1", true, 0, "192.34.6.1", false, true, {"192.34.6.0", "196.101.5.0"}},
    {3, 1, "196.101.5.1", true, 0, "192.34.6.1", false, false, {}},
    {4, 2, "", true, 0, "202.16.92.1", false, false, {}},
    {5, 2, "196.56.12.1", false, 56000, "202.16.92.1", false, true, {"202.16.92.0", "196.56.12.0"}},
    {6, 2, "204.56.7.1", false, 56000, "204.5.62.1", false, true, {"204.5.62.0", "204.56.7.0"}},
};

class TroubleshootingPresetTest : public ::testing::TestWithParam<PresetCase> {};

TEST_P(TroubleshootingPresetTest, RouterAtTheConsole) {
  const PresetCase& c = GetParam();
  SimulatorFixture fixture;
  // Leftovers of an earlier scenario must not leak into this one.
  ASSERT_TRUE(
      inittroubleshooting(fixture.sim, c.scenario == 6 ? "troubleshooting5" : "troubleshooting6"));
  ASSERT_TRUE(inittroubleshooting(fixture.sim, "troubleshooting" + std::to_string(c.scenario)));
  const RouterConfig& router = fixture.running();
  EXPECT_EQ(fixture.sim.state.training.topologyKind, c.topology);
  EXPECT_EQ(router.hostname, c.topology == 2 ? "RouterA" : "Router");
  EXPECT_EQ(router.serial0.ipAddress, c.serial0Address);
  EXPECT_EQ(router.serial0.subnetMask, *c.serial0Address ? "255.255.255.0" : "");
  EXPECT_EQ(router.serial0.shutdown, c.serial0Shutdown);
  EXPECT_EQ(router.serial0.clockRate, c.serial0ClockRate);
  EXPECT_EQ(router.ethernet0.ipAddress, c.ethernetAddress);
  EXPECT_EQ(router.ethernet0.subnetMask, "255.255.255.0");
  EXPECT_EQ(router.ethernet0.shutdown, c.ethernetShutdown);
  EXPECT_EQ(router.serial1, InterfaceConfig::serialFactory());
  EXPECT_EQ(router.ripEnabled, c.ripEnabled);
  EXPECT_EQ(router.ripNetworks, c.ripNetworks);
  EXPECT_TRUE(router.accessLists.empty());
  EXPECT_NE(fixture.sim.console.output().find(router.hostname + " con0 is now available"),
            std::string::npos);
  const TrainingState& training = fixture.sim.state.training;
  EXPECT_EQ(training.currentTroubleshooting, c.scenario);
  EXPECT_NE(training.solutionText.find("Solution To Troubleshooting " + std::to_string(c.scenario)),
            std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Scenarios, TroubleshootingPresetTest, ::testing::ValuesIn(kPresetCases),
                         [](const auto& test) { return std::to_string(test.param.scenario); });

// RouterB's part: in its parked record at the start, and again on the live record once built.
struct RouterBCase {
  int scenario;
  const char* serial1Address;
  bool serial1Shutdown;
  const char* ethernetAddress;
  bool ethernetShutdown;
  int ethernetGroupOut;
  std::vector<std::string> ripNetworks;
  std::size_t aclEntries;
};

const RouterBCase kRouterBCases[] = {
    {4, "", true, "220.14.5.1", false, 0, {}, 0},
    {5, "196.56.12.2", false, "220.14.5.1", true, 0, {"196.56.12.0"}, 0},
    {6, "204.56.7.2", false, "208.109.1.1", false, 12, {"204.56.7.0", "208.109.1.0"}, 1},
};

void expectRouterBPart(const RouterConfig& router, const RouterBCase& c) {
  EXPECT_EQ(router.serial1.ipAddress, c.serial1Address);
  EXPECT_EQ(router.serial1.shutdown, c.serial1Shutdown);
  EXPECT_EQ(router.serial1.clockRate, 0);
  EXPECT_EQ(router.ethernet0.ipAddress, c.ethernetAddress);
  EXPECT_EQ(router.ethernet0.shutdown, c.ethernetShutdown);
  EXPECT_EQ(router.ethernet0.accessGroupOut, c.ethernetGroupOut);
  EXPECT_EQ(router.serial0.ipAddress, "");
  EXPECT_EQ(router.ripEnabled, !c.ripNetworks.empty());
  EXPECT_EQ(router.ripNetworks, c.ripNetworks);
  ASSERT_EQ(router.accessLists.size(), c.aclEntries);
  if (c.aclEntries == 1) {
    EXPECT_EQ(router.accessLists[0], (accessListInfo{3, "", "0.0.0.0", 12}));
  }
}

class RouterBPresetTest : public ::testing::TestWithParam<RouterBCase> {};

TEST_P(RouterBPresetTest, ParkedAtStartAndLiveAfterFirstVisit) {
  const RouterBCase& c = GetParam();
  SimulatorFixture fixture;
  ASSERT_TRUE(inittroubleshooting(fixture.sim, "troubleshooting" + std::to_string(c.scenario)));
  EXPECT_TRUE(fixture.sim.state.parkedB.config.hostname.empty());
  expectRouterBPart(fixture.sim.state.parkedB.config, c);
  ASSERT_EQ(switchRouter(fixture.sim, 1), SwitchOutcome::switched);
  EXPECT_EQ(fixture.running().hostname, "RouterB");
  expectRouterBPart(fixture.running(), c);
}

INSTANTIATE_TEST_SUITE_P(Scenarios, RouterBPresetTest, ::testing::ValuesIn(kRouterBCases),
                         [](const auto& test) { return std::to_string(test.param.scenario); });

TEST_F(ScenariosTest, TwoRouterStartReturnsTheConsoleToRouterA) {
  ASSERT_TRUE(inittroubleshooting(fixture.sim, "troubleshooting4"));
  ASSERT_EQ(switchRouter(fixture.sim, 1), SwitchOutcome::switched);
  fixture.enter("");
  fixture.type("half typed");
  ASSERT_TRUE(inittroubleshooting(fixture.sim, "troubleshooting6"));
  EXPECT_EQ(fixture.sim.state.currentRouter, 0);
  EXPECT_EQ(fixture.running().hostname, "RouterA");
  EXPECT_EQ(fixture.running().serial0.ipAddress, "204.56.7.1");
  EXPECT_TRUE(fixture.sim.state.parkedB.config.hostname.empty());  // RouterB is built again
  EXPECT_EQ(fixture.sim.state.parkedB.config.ethernet0.ipAddress, "208.109.1.1");
  EXPECT_EQ(listener.switches, (std::vector<int>{1, 0}));
}

TEST_F(ScenariosTest, TwoRouterAddressSetsKeepTheLabOnlyAddresses) {
  initLabs(fixture.sim, "aboutTheLabs");
  ASSERT_TRUE(inittroubleshooting(fixture.sim, "troubleshooting4"));
  const AddressSet& addresses = training().addresses;
  EXPECT_EQ(addresses.lanHost1, "202.16.92.6");
  EXPECT_EQ(addresses.remoteLanNetwork, "220.14.5.0");
  EXPECT_EQ(addresses.neighbourSerialAddress, "220.155.5.2");  // unchanged from the lab set
  ASSERT_TRUE(inittroubleshooting(fixture.sim, "troubleshooting6"));
  EXPECT_EQ(addresses.remoteLanNetwork, "208.109.1.0");
  ASSERT_TRUE(inittroubleshooting(fixture.sim, "troubleshooting1"));
  EXPECT_EQ(addresses.lanNetwork, "128.16.0.0");
  EXPECT_EQ(addresses.remoteLanNetwork, "208.109.1.0");  // unchanged
}

}  // namespace
}  // namespace kovrel::testing

// SPDX-License-Identifier: GPL-3.0-or-later
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
  void routerSwitched(RouterId router) override { switches.push_back(router); }
  std::vector<ActivityPanes> started;
  std::vector<RouterId> switches;
};

class ScenariosTest : public ::testing::Test {
 protected:
  void SetUp() override { fixture.sim.state.training.listener = &listener; }
  TrainingState& training() { return fixture.sim.state.training; }
  SimulatorFixture fixture;
  RecordingListener listener;
};

TEST_F(ScenariosTest, FirstLabBootsLaterLabsKeepTheRouter) {
  startLab(fixture.sim, "aboutTheLabs");
  EXPECT_NE(fixture.newOutput().find("Router con0 is now available"), std::string::npos);
  EXPECT_NE(training().instructionText.find("About"), std::string::npos);
  fixture.startSession(CliMode::conf);
  fixture.enter("hostname lab1");
  fixture.newOutput();
  startLab(fixture.sim, "routerModes");
  EXPECT_EQ(fixture.newOutput(), "");  // no boot
  EXPECT_EQ(fixture.running().hostname, "lab1");
  EXPECT_EQ(training().currentLabName, "routerModes");
  EXPECT_EQ(training().topology, Topology::lab);
  const std::string text = training().instructionText;
  startLab(fixture.sim, "noSuchLab");  // no lesson: the previous text stays
  EXPECT_EQ(training().instructionText, text);
}

// A lab on the other network starts both routers afresh; labs on one network carry over.
TEST_F(ScenariosTest, ALabOnAnotherNetworkStartsFromFreshRouters) {
  startLab(fixture.sim, "routerModes");
  fixture.startSession(CliMode::conf);
  fixture.enter("interface ethernet 0");
  fixture.enter("ip address 192.160.5.1 255.255.255.0");
  startLab(fixture.sim, "twoRoutersWithRip");
  EXPECT_EQ(training().topology, Topology::twoRouters);
  EXPECT_EQ(fixture.running().hostname, "RouterA");
  EXPECT_EQ(fixture.running().ethernet0, InterfaceConfig::ethernetFactory());
  EXPECT_EQ(listener.started.back().topology, TopologyPane::twoRouter);
  ASSERT_EQ(switchRouter(fixture.sim, RouterId::b), SwitchOutcome::switched);
  EXPECT_EQ(fixture.running().ethernet0, InterfaceConfig::ethernetFactory());  // no faults
  fixture.startSession(CliMode::conf);
  fixture.enter("interface ethernet 0");
  fixture.enter("ip address 192.168.20.1 255.255.255.0");
  startLab(fixture.sim, "twoRoutersWithRip");  // the same network: RouterB keeps its work
  EXPECT_EQ(fixture.sim.state.currentRouter, RouterId::b);
  EXPECT_EQ(fixture.running().ethernet0.ipAddress, "192.168.20.1");
  ASSERT_TRUE(startTroubleshooting(fixture.sim, "troubleshooting4"));
  startLab(fixture.sim, "twoRoutersWithRip");  // after the faults of a scenario: fresh again
  EXPECT_EQ(fixture.running().ethernet0, InterfaceConfig::ethernetFactory());
  startLab(fixture.sim, "routerModes");
  EXPECT_EQ(training().topology, Topology::lab);
  EXPECT_EQ(fixture.running().hostname, "Router");
  EXPECT_EQ(fixture.sim.state.currentRouter, RouterId::a);
}

TEST_F(ScenariosTest, EveryTestStartsFromAFreshRouter) {
  startLab(fixture.sim, "aboutTheLabs");
  fixture.startSession(CliMode::conf);
  fixture.enter("hostname lab1");
  fixture.enter("interface ethernet 0");
  fixture.enter("ip address 192.160.5.1 255.255.255.0");
  ASSERT_TRUE(startTest(fixture.sim, "test2"));
  EXPECT_EQ(fixture.running().hostname, "Router");
  EXPECT_EQ(fixture.running().ethernet0, InterfaceConfig::ethernetFactory());
  EXPECT_EQ(fixture.prompt(), "");
  EXPECT_EQ(training().currentActivity, Activity::test);
  EXPECT_EQ(training().currentTest, 2);
  ASSERT_TRUE(startTest(fixture.sim, "test3"));
  EXPECT_EQ(training().addresses.lanHost1, "220.14.5.2");
}

TEST_F(ScenariosTest, UnknownTestOrScenarioChangesNothing) {
  startLab(fixture.sim, "aboutTheLabs");
  const TrainingState before = training();
  for (const char* name : {"test0", "test9", "test1x", "Test1"}) {
    EXPECT_FALSE(startTest(fixture.sim, name)) << name;
  }
  for (const char* name : {"troubleshooting0", "troubleshooting99", "troubleshooting"}) {
    EXPECT_FALSE(startTroubleshooting(fixture.sim, name)) << name;
  }
  EXPECT_EQ(training().currentActivity, before.currentActivity);
  EXPECT_EQ(training().addresses, before.addresses);
  EXPECT_EQ(listener.started.size(), 1u);
}

TEST_F(ScenariosTest, ListenerLearnsThePanes) {
  startLab(fixture.sim, "aboutTheLabs");
  startLab(fixture.sim, "routerModes");
  startTest(fixture.sim, "test1");
  startTroubleshooting(fixture.sim, "troubleshooting5");
  startLab(fixture.sim, "routerModes");
  ASSERT_EQ(listener.started.size(), 5u);
  EXPECT_EQ(listener.started[0],
            (ActivityPanes{Activity::lab, TopologyPane::singleRouter, true, true, false}));
  EXPECT_EQ(listener.started[2],
            (ActivityPanes{Activity::test, TopologyPane::singleRouter, true, false, true}));
  EXPECT_EQ(listener.started[3], (ActivityPanes{Activity::troubleshooting, TopologyPane::twoRouter,
                                                true, false, false}));
}

// The presets themselves are proved by the troubleshooting transcripts and the lesson replay; here
// a start must not depend on what ran before, and RouterB is built on its first visit as parked.
TEST(TroubleshootingStart, LeavesNoTraceOfEarlierWorkAndBuildsRouterBAsParked) {
  for (int scenario = 1; scenario <= troubleshootingCount(); ++scenario) {
    const std::string name = "troubleshooting" + std::to_string(scenario);
    SimulatorFixture fresh;
    ASSERT_TRUE(startTroubleshooting(fresh.sim, name));
    SimulatorFixture used;
    ASSERT_TRUE(
        startTroubleshooting(used.sim, scenario == 6 ? "troubleshooting5" : "troubleshooting6"));
    switchRouter(used.sim, RouterId::b);
    for (const char* line :
         {"", "enable", "conf t", "hostname x", "enable secret s", "ip host web 1.1.1.1",
          "access-list 7 deny any", "int s1", "bandwidth 64", "ip address 10.9.9.9 255.0.0.0",
          "router rip", "network 10.0.0.0"}) {
      used.enter(line);
    }
    ASSERT_TRUE(startTroubleshooting(used.sim, name));
    EXPECT_EQ(used.running(), fresh.running()) << name;
    EXPECT_EQ(used.sim.state.training.topology, fresh.sim.state.training.topology);
    EXPECT_NE(used.sim.console.output().find(fresh.running().hostname + " con0 is now available"),
              std::string::npos);
    EXPECT_EQ(used.sim.state.training.currentTroubleshooting, scenario);
    EXPECT_NE(used.sim.state.training.solutionText.find("Solution To Troubleshooting " +
                                                        std::to_string(scenario)),
              std::string::npos);
    if (fresh.sim.state.training.topology != Topology::twoRouters) continue;
    EXPECT_EQ(used.sim.state.parkedB.config, fresh.sim.state.parkedB.config) << name;
    const RouterConfig parked = fresh.sim.state.parkedB.config;
    EXPECT_FALSE(fresh.sim.state.routerBVisited);
    ASSERT_EQ(switchRouter(fresh.sim, RouterId::b), SwitchOutcome::switched);
    RouterConfig live = fresh.running();
    EXPECT_EQ(live, parked) << name;
  }
}

TEST_F(ScenariosTest, TwoRouterStartReturnsTheConsoleToRouterA) {
  ASSERT_TRUE(startTroubleshooting(fixture.sim, "troubleshooting4"));
  ASSERT_EQ(switchRouter(fixture.sim, RouterId::b), SwitchOutcome::switched);
  fixture.enter("");
  fixture.type("half typed");
  ASSERT_TRUE(startTroubleshooting(fixture.sim, "troubleshooting6"));
  EXPECT_EQ(fixture.sim.state.currentRouter, RouterId::a);
  EXPECT_EQ(fixture.running().hostname, "RouterA");
  EXPECT_EQ(fixture.running().serial0.ipAddress, "204.56.7.1");
  EXPECT_FALSE(fixture.sim.state.routerBVisited);  // RouterB is built again
  EXPECT_EQ(fixture.sim.state.parkedB.config.ethernet0.ipAddress, "208.109.1.1");
  EXPECT_EQ(listener.switches, (std::vector<RouterId>{RouterId::b, RouterId::a}));
}

TEST_F(ScenariosTest, TwoRouterAddressSetsKeepTheLabOnlyAddresses) {
  startLab(fixture.sim, "aboutTheLabs");
  ASSERT_TRUE(startTroubleshooting(fixture.sim, "troubleshooting4"));
  const AddressSet& addresses = training().addresses;
  EXPECT_EQ(addresses.lanHost1, "202.16.92.6");
  EXPECT_EQ(addresses.remoteLanNetwork, "220.14.5.0");
  EXPECT_EQ(addresses.neighbourSerialAddress, "220.155.5.2");  // unchanged from the lab set
  ASSERT_TRUE(startTroubleshooting(fixture.sim, "troubleshooting6"));
  EXPECT_EQ(addresses.remoteLanNetwork, "208.109.1.0");
  ASSERT_TRUE(startTroubleshooting(fixture.sim, "troubleshooting1"));
  EXPECT_EQ(addresses.lanNetwork, "128.16.0.0");
  EXPECT_EQ(addresses.remoteLanNetwork, "208.109.1.0");  // unchanged
}

}  // namespace
}  // namespace kovrel::testing

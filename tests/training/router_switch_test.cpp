// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/router_switch.h"

#include <gtest/gtest.h>

#include "network/interface_status.h"
#include "support/fake_platform.h"
#include "training/scenarios.h"

namespace kovrel::testing {
namespace {

class RouterSwitchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(startTroubleshooting(fixture.sim, "troubleshooting4"));
    fixture.startSession(CliMode::priv);
  }
  SimulatorFixture fixture;
};

TEST_F(RouterSwitchTest, FirstVisitBootsRouterB) {
  EXPECT_EQ(switchRouter(fixture.sim, RouterId::b), SwitchOutcome::switched);
  EXPECT_EQ(fixture.sim.state.currentRouter, RouterId::b);
  const std::string_view output = fixture.sim.console.output();
  EXPECT_NE(output.find("RouterB con0 is now available"), std::string::npos);
  EXPECT_TRUE(output.ends_with("Press RETURN to get started."));
  EXPECT_EQ(fixture.prompt(), "");
  EXPECT_EQ(fixture.running().hostname, "RouterB");
  EXPECT_TRUE(fixture.sim.state.routerBVisited);
  fixture.enter("");
  EXPECT_EQ(fixture.prompt(), "RouterB>");
}

TEST_F(RouterSwitchTest, ConsolesAreKeptWithHalfTypedInput) {
  fixture.type("show ver");
  const std::string consoleOfA(fixture.sim.console.output());
  ASSERT_EQ(switchRouter(fixture.sim, RouterId::b), SwitchOutcome::switched);
  fixture.enter("");
  fixture.type("ena");
  const std::string consoleOfB(fixture.sim.console.output());

  ASSERT_EQ(switchRouter(fixture.sim, RouterId::a), SwitchOutcome::switched);
  EXPECT_EQ(fixture.sim.console.output(), consoleOfA);
  EXPECT_EQ(fixture.input(), "RouterA#show ver");
  EXPECT_EQ(fixture.running().hostname, "RouterA");

  ASSERT_EQ(switchRouter(fixture.sim, RouterId::b), SwitchOutcome::switched);
  EXPECT_EQ(fixture.sim.console.output(), consoleOfB);  // no second boot
  EXPECT_EQ(fixture.input(), "RouterB>ena");
  fixture.type("ble\r");
  EXPECT_EQ(fixture.prompt(), "RouterB#");
}

TEST_F(RouterSwitchTest, RefusedWhileAQuestionIsOpen) {
  fixture.enter("copy running-config startup-config");
  const std::string output(fixture.sim.console.output());
  EXPECT_EQ(switchRouter(fixture.sim, RouterId::b), SwitchOutcome::refusedBusy);
  EXPECT_EQ(fixture.platform.messages,
            std::vector<std::string>{" Please switch router when at prompt"});
  EXPECT_EQ(fixture.sim.state.currentRouter, RouterId::a);
  EXPECT_EQ(fixture.sim.console.output(), output);
  EXPECT_EQ(fixture.input(), "Destination filename [startup-config]?");
  EXPECT_FALSE(fixture.sim.state.routerBVisited);
}

TEST_F(RouterSwitchTest, NoSwitchToTheSameRouterOrInTheLabTopology) {
  const std::string output(fixture.sim.console.output());
  EXPECT_EQ(switchRouter(fixture.sim, RouterId::a), SwitchOutcome::alreadyThere);
  EXPECT_EQ(fixture.sim.console.output(), output);
  startLab(fixture.sim, "aboutTheLabs");
  EXPECT_EQ(switchRouter(fixture.sim, RouterId::b), SwitchOutcome::noSecondRouter);
  EXPECT_EQ(fixture.sim.state.currentRouter, RouterId::a);
}

TEST_F(RouterSwitchTest, OtherRouterIsSeenAsLastLeft) {
  for (const char* line :
       {"configure terminal", "interface serial 0", "clock rate 64000", "no shutdown", "end"}) {
    fixture.enter(line);
  }
  ASSERT_EQ(switchRouter(fixture.sim, RouterId::b), SwitchOutcome::switched);
  for (const char* line :
       {"", "enable", "configure terminal", "interface serial 1", "no shutdown"}) {
    fixture.enter(line);
  }
  EXPECT_EQ(interfaceStatusLine(fixture.sim, kSerial1), "Serial1 is up, line protocol is up");
  fixture.enter("exit");
  fixture.enter("interface serial 0");
  fixture.enter("no shutdown");  // opened, but no cable reaches RouterB's Serial0
  EXPECT_EQ(interfaceStatusLine(fixture.sim, kSerial0), "Serial0 is down, line protocol is down");
  fixture.enter("end");
  ASSERT_EQ(switchRouter(fixture.sim, RouterId::a), SwitchOutcome::switched);
  EXPECT_EQ(interfaceStatusLine(fixture.sim, kSerial0), "Serial0 is up, line protocol is up");
}

}  // namespace
}  // namespace kovrel::testing

#include "network/cdp_displays.h"

#include <gtest/gtest.h>

#include "network/network_records.h"
#include "support/fake_platform.h"

namespace kovrel::testing {
namespace {

class CdpDisplaysTest : public ::testing::Test {
 protected:
  void SetUp() override { fixture.startSession(CliMode::priv); }
  std::string show(const std::string& line) {
    fixture.enter(line);
    std::string output = fixture.newOutput();
    return output.substr(output.find('\n', 1) + 1);  // without the echoed command line
  }
  SimulatorFixture fixture;
};

TEST_F(CdpDisplaysTest, GlobalSettingsFollowTimerAndHoldtime) {
  fixture.running().cdpTimer = 30;
  fixture.running().cdpHoldtime = 120;
  EXPECT_EQ(show("show cdp"),
            "Global CDP information:\n"
            "        Sending CDP packets every 30 seconds\n"
            "        Sending a holdtime value of 120 seconds");
}

TEST_F(CdpDisplaysTest, InterfaceBlocksSkipInterfacesWithoutCdp) {
  fixture.running().serial1.cdpEnable = false;
  openInterface(fixture.running(), kSerial0, "", 64000);
  EXPECT_EQ(show("show cdp interface"),
            "Serial0 is administratively up, line protocol is up\n"
            "  Encapsulation HDLC\n"
            "  Sending CDP packets every 60 seconds\n"
            "  Holdtime is 180 seconds\n"
            "Ethernet0 is administratively down, line protocol is down\n"
            "  Encapsulation ARPA\n"
            "  Sending CDP packets every 60 seconds\n"
            "  Holdtime is 180 seconds");
  fixture.enter("show cdp interface serial 1");
  EXPECT_EQ(fixture.newOutput(), "\nRouter#show cdp interface serial 1");
  EXPECT_EQ(show("show cdp interface ethernet 0").substr(0, 9), "Ethernet0");
}

const char* kNeighborHeader =
    "Capability Codes: R - Router, T - Trans Bridge, B - Source Route Bridge\n"
    "                  S - Switch, H - Host, I - IGMP, r - Repeater\n"
    " \n"
    "Device ID        Local Intrfce     Holdtme    Capability  Platform  Port ID";

TEST_F(CdpDisplaysTest, NeighbourListedWhileSerial0IsUp) {
  EXPECT_EQ(show("show cdp neighbors"), kNeighborHeader);
  openInterface(fixture.running(), kSerial0, "");  // open, but no clock: still down
  EXPECT_EQ(show("show cdp neighbors"), kNeighborHeader);
  fixture.running().serial0.clockRate = 64000;
  EXPECT_EQ(show("show cdp neighbors"),
            std::string(kNeighborHeader) +
                "\nRouterB          Ser   0           150         R          2501      Ser  1");
  fixture.sim.state.training.topologyKind = kTwoRouterTopology;  // no neighbour table at all
  fixture.enter("show cdp neighbors");
  EXPECT_EQ(fixture.newOutput(), "\nRouter#show cdp neighbors");
}

TEST_F(CdpDisplaysTest, EveryFormAnswersNotEnabledWithoutCdp) {
  fixture.running().cdpRun = false;
  for (const char* line :
       {"show cdp", "show cdp interface", "show cdp interface s1", "show cdp neighbors"}) {
    EXPECT_EQ(show(line), "% CDP is not enabled") << line;
  }
}

}  // namespace
}  // namespace kovrel::testing

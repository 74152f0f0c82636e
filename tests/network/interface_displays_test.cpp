// SPDX-License-Identifier: GPL-3.0-or-later
#include "network/interface_displays.h"

#include <gtest/gtest.h>

#include "network/network_records.h"
#include "support/fake_platform.h"

namespace kovrel::testing {
namespace {

TEST(InterfaceDisplay, LinesInOrderWithDescriptionAndAddress) {
  NetworkRecords records = labRecords();
  openInterface(records.own, kSerial0, "220.155.5.1", 64000, "255.255.255.252");
  records.own.serial0.description = "link to the neighbour";
  records.own.serial0.keepalive = 0;
  EXPECT_EQ(renderInterfaceDisplay(records.view(), kSerial0, "  counters"),
            "Serial0 is up, line protocol is up\r\n"
            "  Hardware is KX-570\r\n"
            "  Description: link to the neighbour\r\n"
            "  MTU 1500 bytes, BW 1544 Kbit, DLY 20000 usec, rely 255/255, load 1/255\r\n"
            "  Encapsulation HDLC, loopback not set, keepalive set (0 sec)\r\n"
            "  Hardware is KX-570\r\n"
            "  Internet address is 220.155.5.1/30\r\n"
            "  counters\r\n");
  const std::string ethernet = renderInterfaceDisplay(records.view(), kEthernet0, "");
  EXPECT_NE(ethernet.find("BW 10000 Kbit"), std::string::npos);
  EXPECT_NE(ethernet.find("Encapsulation ARPA, loopback not set, keepalive set (10 sec)"),
            std::string::npos);
  EXPECT_EQ(ethernet.find("Internet address"), std::string::npos);
}

// "show ip interface", "show protocols" and the displays without a lesson database are in the
// interface_displays transcript.

class InterfaceShowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fixture.sim.state.console.pageLength = 200;
    fixture.startSession(CliMode::priv);
  }
  SimulatorFixture fixture;
};

TEST_F(InterfaceShowTest, ShowInterfacesClosesEachInterfaceWithTheLessonText) {
  fixture.enter("show interfaces");
  const std::string output = fixture.newOutput();
  EXPECT_LT(output.find("Serial0 is"), output.find("Serial1 is"));
  EXPECT_LT(output.find("Serial1 is"), output.find("Ethernet0 is"));
  std::size_t count = 0;
  for (auto at = output.find("Last input never"); at != std::string::npos;
       at = output.find("Last input never", at + 1)) {
    ++count;
  }
  EXPECT_EQ(count, 3u);
}

}  // namespace
}  // namespace kovrel::testing

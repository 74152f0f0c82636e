// SPDX-License-Identifier: GPL-3.0-or-later
#include "network/ping.h"

#include <gtest/gtest.h>

#include <regex>

#include "network/network_records.h"
#include "support/fake_platform.h"

namespace kovrel::testing {
namespace {

class PingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    applyAddressSet(fixture.sim.state.training.addresses, AddressSetName::lab);
    fixture.startSession(CliMode::priv);
    fixture.platform.pauses.clear();
  }
  // Ethernet0 opened in the records, not by commands: the router has no change to tell of.
  void openLan() {
    openInterface(fixture.running(), kEthernet0, "192.160.5.1");
    fixture.sim.router().announcedStates.reset();
  }
  int probePauses() const {
    return static_cast<int>(std::count(fixture.platform.pauses.begin(),
                                       fixture.platform.pauses.end(), kPingProbePauseMs));
  }
  SimulatorFixture fixture;
};

const std::string kHeader =
    "\nRouter#ping 192.160.5.6"
    "\nType escape sequence to abort."
    "\nSending 5, 100-byte ICMP Echos to 192.160.5.6, timeout is 2 seconds:";

TEST_F(PingTest, UnreachableAddress) {
  fixture.enter("ping 192.160.5.6");
  EXPECT_EQ(fixture.newOutput(), kHeader + "\n.....\nSuccess rate is 0 percent (0/5)");
  EXPECT_EQ(probePauses(), 5);
  EXPECT_EQ(fixture.input(), "Router#");
}

TEST_F(PingTest, ReachableAddressWithFixedTimes) {
  openLan();
  fixture.platform.randomValues = {0.0, 0.5, 0.99};
  fixture.enter("ping 192.160.5.6");
  EXPECT_EQ(fixture.newOutput(),
            kHeader + "\n!!!!!\n" +
                "Success rate is 100 percent (5/5), round-trip min/avg/max =  20,27,34 ms ");
  EXPECT_EQ(probePauses(), 5);
}

TEST_F(PingTest, RoundTripTimesStayInRangeInUserModeToo) {
  fixture.enter("disable");
  openLan();
  const std::regex success(R"(round-trip min/avg/max =  (\d+),(\d+),(\d+) ms $)");
  for (double r : {0.0, 0.7, 0.999999}) {
    fixture.platform.randomValues = {r};
    fixture.enter("ping 192.160.5.1");
    const std::string output = fixture.newOutput();
    std::smatch numbers;
    ASSERT_TRUE(std::regex_search(output, numbers, success)) << output;
    for (int i : {1, 2, 3}) {
      EXPECT_GE(std::stoi(numbers[i]), 15 + 5 * i) << r;
      EXPECT_LE(std::stoi(numbers[i]), 19 + 5 * i) << r;
    }
  }
}

}  // namespace
}  // namespace kovrel::testing

#include "network/interface_status.h"

#include <gtest/gtest.h>

#include "network/network_records.h"

namespace kovrel::testing {
namespace {

// One interface of the router at the console, and the far end of the serial link (RouterB's
// Serial1 when RouterA is at the console, RouterA's Serial0 when RouterB is).
struct StatusCase {
  const char* name;
  int topology;
  int router;
  int interfaceNumber;
  bool shutdown;
  int clockRate;
  bool farEndShutdown;
  int farEndClockRate;
  const char* admin;
  const char* lineProtocol;
};

constexpr const char* kUp = ", line protocol is up";
constexpr const char* kDown = ", line protocol is down";

const StatusCase kStatusCases[] = {
    // The lab topology: Serial0 needs its clock, the other interfaces only opening.
    {"LabSerial0ShutWithClock", 1, 0, kSerial0, true, 64000, true, 0,
     "Serial0 is administratively down", kDown},
    {"LabSerial0OpenWithoutClock", 1, 0, kSerial0, false, 0, true, 0,
     "Serial0 is administratively down", kDown},
    {"LabSerial0OpenWithClock", 1, 0, kSerial0, false, 64000, true, 0,
     "Serial0 is administratively up", kUp},
    {"LabSerial1Open", 1, 0, kSerial1, false, 0, true, 0, "Serial1 is administratively up", kUp},
    {"LabSerial1Shut", 1, 0, kSerial1, true, 0, true, 0, "Serial1 is administratively down", kDown},
    {"LabEthernetOpen", 1, 0, kEthernet0, false, 0, true, 0, "Ethernet0 is administratively up",
     kUp},
    {"LabEthernetShut", 1, 0, kEthernet0, true, 0, true, 0, "Ethernet0 is administratively down",
     kDown},
    // RouterA at the console of the two-router topology.
    {"RouterALinkFarEndShut", 2, 0, kSerial0, false, 64000, true, 0,
     "Serial0 is administratively up", kDown},
    {"RouterALinkBothOpen", 2, 0, kSerial0, false, 64000, false, 0,
     "Serial0 is administratively up", kUp},
    {"RouterALinkWithoutClock", 2, 0, kSerial0, false, 0, false, 0,
     "Serial0 is administratively down", kDown},
    {"RouterASerial1AlwaysDown", 2, 0, kSerial1, false, 64000, false, 0,
     "Serial1 is administratively down", kDown},
    {"RouterAEthernetOpen", 2, 0, kEthernet0, false, 0, true, 0, "Ethernet0 is administratively up",
     kUp},
    {"RouterAEthernetShut", 2, 0, kEthernet0, true, 0, false, 0,
     "Ethernet0 is administratively down", kDown},
    // RouterB at the console: the clock comes from RouterA's parked Serial0.
    {"RouterBLinkFarEndWithoutClock", 2, 1, kSerial1, false, 0, false, 0,
     "Serial1 is administratively up", kDown},
    {"RouterBLinkFarEndClocked", 2, 1, kSerial1, false, 0, false, 56000,
     "Serial1 is administratively up", kUp},
    {"RouterBLinkFarEndShut", 2, 1, kSerial1, false, 0, true, 56000,
     "Serial1 is administratively up", kDown},
    {"RouterBLinkShut", 2, 1, kSerial1, true, 0, false, 56000, "Serial1 is administratively down",
     kDown},
    {"RouterBSerial0AlwaysDown", 2, 1, kSerial0, false, 64000, false, 56000,
     "Serial0 is administratively down", kDown},
    {"RouterBEthernetOpen", 2, 1, kEthernet0, false, 0, true, 0, "Ethernet0 is administratively up",
     kUp},
};

class InterfaceStatusTest : public ::testing::TestWithParam<StatusCase> {};

TEST_P(InterfaceStatusTest, StatusTexts) {
  const StatusCase& c = GetParam();
  NetworkRecords records;
  records.topologyKind = c.topology;
  records.currentRouter = c.router;
  InterfaceConfig& interface = records.own.interface(c.interfaceNumber);
  interface.shutdown = c.shutdown;
  interface.clockRate = c.clockRate;
  for (InterfaceConfig* farEnd : {&records.other.serial0, &records.other.serial1}) {
    farEnd->shutdown = c.farEndShutdown;
    farEnd->clockRate = c.farEndClockRate;
  }
  const NetworkView net = records.view();
  EXPECT_EQ(interfaceAdminStatus(net, c.interfaceNumber), c.admin);
  EXPECT_EQ(interfaceLineProtocol(net, c.interfaceNumber), c.lineProtocol);
  EXPECT_EQ(interfaceStatusLine(net, c.interfaceNumber), std::string(c.admin) + c.lineProtocol);
  const bool up = std::string(c.admin).ends_with("up") && std::string(c.lineProtocol) == kUp;
  EXPECT_EQ(interfaceUp(net, c.interfaceNumber), up);
}

INSTANTIATE_TEST_SUITE_P(Table, InterfaceStatusTest, ::testing::ValuesIn(kStatusCases),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(InterfaceStatus, AddressesNeverChangeTheStatus) {
  NetworkRecords records = labRecords();
  openInterface(records.own, kSerial0, "", 64000);
  EXPECT_TRUE(interfaceUp(records.view(), kSerial0));
  records.own.serial0.keepalive = 0;
  records.own.serial0.bandwidth = 1;
  EXPECT_TRUE(interfaceUp(records.view(), kSerial0));
}

TEST(InterfaceStatus, UnknownTopologyHasNoTexts) {
  NetworkRecords records;
  records.topologyKind = 0;
  openInterface(records.own, kEthernet0, "10.1.1.1");
  EXPECT_EQ(interfaceStatusLine(records.view(), kEthernet0), "");
  EXPECT_FALSE(interfaceUp(records.view(), kEthernet0));
}

}  // namespace
}  // namespace kovrel::testing

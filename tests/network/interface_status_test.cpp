#include "network/interface_status.h"

#include <gtest/gtest.h>

#include "network/network_records.h"

namespace kovrel::testing {
namespace {

// One interface of the router at the console, and the far end of the serial link (RouterB's
// Serial1 when RouterA is at the console, RouterA's Serial0 when RouterB is).
struct StatusCase {
  const char* name;
  int topology, router;
  InterfaceNumber interfaceNumber;
  bool shutdown;
  int clockRate;
  bool farEndShutdown;
  int farEndClockRate;
  bool adminUp, lineUp;
};

const StatusCase kStatusCases[] = {
    // The lab topology: Serial0 needs its clock, the other interfaces only opening.
    {"LabSerial0ShutWithClock", 1, 0, kSerial0, true, 64000, true, 0, false, false},
    {"LabSerial0OpenWithoutClock", 1, 0, kSerial0, false, 0, true, 0, false, false},
    {"LabSerial0OpenWithClock", 1, 0, kSerial0, false, 64000, true, 0, true, true},
    {"LabSerial1Open", 1, 0, kSerial1, false, 0, true, 0, true, true},
    {"LabEthernetOpen", 1, 0, kEthernet0, false, 0, true, 0, true, true},
    {"LabEthernetShut", 1, 0, kEthernet0, true, 0, true, 0, false, false},
    // RouterA at the console of the two-router topology.
    {"RouterALinkFarEndShut", 2, 0, kSerial0, false, 64000, true, 0, true, false},
    {"RouterALinkBothOpen", 2, 0, kSerial0, false, 64000, false, 0, true, true},
    {"RouterALinkWithoutClock", 2, 0, kSerial0, false, 0, false, 0, false, false},
    {"RouterASerial1AlwaysDown", 2, 0, kSerial1, false, 64000, false, 0, false, false},
    {"RouterAEthernetOpen", 2, 0, kEthernet0, false, 0, true, 0, true, true},
    // RouterB at the console: the clock comes from RouterA's parked Serial0.
    {"RouterBLinkFarEndWithoutClock", 2, 1, kSerial1, false, 0, false, 0, true, false},
    {"RouterBLinkFarEndClocked", 2, 1, kSerial1, false, 0, false, 56000, true, true},
    {"RouterBLinkFarEndShut", 2, 1, kSerial1, false, 0, true, 56000, true, false},
    {"RouterBLinkShut", 2, 1, kSerial1, true, 0, false, 56000, false, false},
    {"RouterBSerial0AlwaysDown", 2, 1, kSerial0, false, 64000, false, 56000, false, false},
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
  const char* names[] = {"Serial0", "Serial1", "Ethernet0"};
  const std::string admin = std::string(names[c.interfaceNumber - kSerial0]) +
                            " is administratively " + (c.adminUp ? "up" : "down");
  const std::string line = c.lineUp ? ", line protocol is up" : ", line protocol is down";
  const NetworkView net = records.view();
  EXPECT_EQ(interfaceAdminStatus(net, c.interfaceNumber), admin);
  EXPECT_EQ(interfaceLineProtocol(net, c.interfaceNumber), line);
  EXPECT_EQ(interfaceStatusLine(net, c.interfaceNumber), admin + line);
  EXPECT_EQ(interfaceUp(net, c.interfaceNumber), c.adminUp && c.lineUp);
}

INSTANTIATE_TEST_SUITE_P(Table, InterfaceStatusTest, ::testing::ValuesIn(kStatusCases),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(InterfaceStatus, UnknownTopologyHasNoTexts) {
  NetworkRecords records;
  records.topologyKind = 0;
  openInterface(records.own, kEthernet0, "10.1.1.1");
  EXPECT_EQ(interfaceStatusLine(records.view(), kEthernet0), "");
  EXPECT_FALSE(interfaceUp(records.view(), kEthernet0));
}

}  // namespace
}  // namespace kovrel::testing

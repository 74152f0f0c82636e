// SPDX-License-Identifier: GPL-3.0-or-later
#include "network/interface_status.h"

#include <gtest/gtest.h>

#include "network/network_records.h"

namespace kovrel::testing {
namespace {

// One interface of the router at the console, and the far end of the serial link (RouterB's
// Serial1 when RouterA is at the console, RouterA's Serial0 when RouterB is).
struct StatusCase {
  const char* name;
  Topology topology;
  RouterId router;
  InterfaceNumber interfaceNumber;
  bool shutdown;
  int clockRate;
  bool farEndShutdown;
  int farEndClockRate;
  LinkStatus status;
  bool lineUp;
};

constexpr LinkStatus kAdminDown = LinkStatus::administrativelyDown;
constexpr LinkStatus kDown = LinkStatus::down;
constexpr LinkStatus kUp = LinkStatus::up;

const StatusCase kStatusCases[] = {
    // The lab topology: Serial0 is the clocking end of its cable; no cable reaches Serial1.
    {"LabSerial0ShutWithClock", Topology::lab, RouterId::a, kSerial0, true, 64000, true, 0,
     kAdminDown, false},
    {"LabSerial0OpenWithoutClock", Topology::lab, RouterId::a, kSerial0, false, 0, true, 0, kUp,
     false},
    {"LabSerial0OpenWithClock", Topology::lab, RouterId::a, kSerial0, false, 64000, true, 0, kUp,
     true},
    {"LabSerial1Open", Topology::lab, RouterId::a, kSerial1, false, 0, true, 0, kDown, false},
    {"LabEthernetOpen", Topology::lab, RouterId::a, kEthernet0, false, 0, true, 0, kUp, true},
    {"LabEthernetShut", Topology::lab, RouterId::a, kEthernet0, true, 0, true, 0, kAdminDown,
     false},
    // RouterA at the console of the two-router topology.
    {"RouterALinkFarEndShut", Topology::twoRouters, RouterId::a, kSerial0, false, 64000, true, 0,
     kUp, false},
    {"RouterALinkBothOpen", Topology::twoRouters, RouterId::a, kSerial0, false, 64000, false, 0,
     kUp, true},
    {"RouterALinkWithoutClock", Topology::twoRouters, RouterId::a, kSerial0, false, 0, false, 0,
     kUp, false},
    {"RouterASerial1WithoutCable", Topology::twoRouters, RouterId::a, kSerial1, false, 64000, false,
     0, kDown, false},
    {"RouterAEthernetOpen", Topology::twoRouters, RouterId::a, kEthernet0, false, 0, true, 0, kUp,
     true},
    // RouterB at the console: the clock comes from RouterA's parked Serial0.
    {"RouterBLinkFarEndWithoutClock", Topology::twoRouters, RouterId::b, kSerial1, false, 0, false,
     0, kUp, false},
    {"RouterBLinkFarEndClocked", Topology::twoRouters, RouterId::b, kSerial1, false, 0, false,
     56000, kUp, true},
    {"RouterBLinkFarEndShut", Topology::twoRouters, RouterId::b, kSerial1, false, 0, true, 56000,
     kUp, false},
    {"RouterBLinkShut", Topology::twoRouters, RouterId::b, kSerial1, true, 0, false, 56000,
     kAdminDown, false},
    {"RouterBSerial0WithoutCable", Topology::twoRouters, RouterId::b, kSerial0, false, 64000, false,
     56000, kDown, false},
};

class InterfaceStatusTest : public ::testing::TestWithParam<StatusCase> {};

TEST_P(InterfaceStatusTest, StatusTexts) {
  const StatusCase& c = GetParam();
  NetworkRecords records;
  records.topology = c.topology;
  records.currentRouter = c.router;
  InterfaceConfig& interface = records.own.interface(c.interfaceNumber);
  interface.shutdown = c.shutdown;
  interface.clockRate = c.clockRate;
  for (InterfaceConfig* farEnd : {&records.other.serial0, &records.other.serial1}) {
    farEnd->shutdown = c.farEndShutdown;
    farEnd->clockRate = c.farEndClockRate;
  }
  const char* names[] = {"Serial0", "Serial1", "Ethernet0"};
  const char* states[] = {"administratively down", "down", "up"};
  const std::string admin = std::string(names[c.interfaceNumber - kSerial0]) + " is " +
                            states[static_cast<int>(c.status)];
  const std::string line = c.lineUp ? ", line protocol is up" : ", line protocol is down";
  const NetworkView net = records.view();
  EXPECT_EQ(interfaceAdminStatus(net, c.interfaceNumber), admin);
  EXPECT_EQ(interfaceLineProtocol(net, c.interfaceNumber), line);
  EXPECT_EQ(interfaceStatusLine(net, c.interfaceNumber), admin + line);
  EXPECT_EQ(interfaceUp(net, c.interfaceNumber), c.lineUp);
}

INSTANTIATE_TEST_SUITE_P(Table, InterfaceStatusTest, ::testing::ValuesIn(kStatusCases),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace kovrel::testing

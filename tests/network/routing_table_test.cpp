// SPDX-License-Identifier: GPL-3.0-or-later
#include "network/routing_table.h"

#include <gtest/gtest.h>

#include "network/network_records.h"
#include "support/fake_platform.h"

namespace kovrel::testing {
namespace {

// The exact legend is pinned by the troubleshooting transcripts; here it is taken as rendered.
const std::string kGateway = "\r\nGateway of last resort is not set\r\n       ";

class RoutingTableTest : public ::testing::Test {
 protected:
  FakePlatform random;
  // What a router without any route shows: the legend, the gateway line and the redirect cache.
  const std::string header = renderRoutingTable(labRecords().view(), random);
};

NetworkRecords labRip() {
  NetworkRecords records = labRecords();
  openInterface(records.own, kSerial0, "220.155.5.1", 64000);
  records.own.ripEnabled = true;
  records.own.ripNetworks = {"220.155.5.0"};
  return records;
}

TEST_F(RoutingTableTest, LabWithRipRouteFromNeighbour) {
  NetworkRecords records = labRip();
  openInterface(records.own, kEthernet0, "192.160.5.1");
  random.randomValues = {0.99};
  EXPECT_EQ(renderRoutingTable(records.view(), random),
            header +
                "\r\nC   220.155.5.0/24 is directly connected, Serial 0"
                "\r\nC   192.160.5.0/24 is directly connected, Ethernet 0"
                "\r\nR   192.54.5.0/24 [120/1] via 220.155.5.2, 00:00:29, Serial 0");
}

TEST_F(RoutingTableTest, WithoutIpRoutingOnlyGatewayAndConnectedRoutes) {
  NetworkRecords records = labRecords();
  openInterface(records.own, kEthernet0, "10.1.0.1", 0, "255.255.0.0");
  records.own.ipRouting = false;
  EXPECT_EQ(renderRoutingTable(records.view(), random),
            kGateway + "\r\nC   10.1.0.0/16 is directly connected, Ethernet 0");
}

TEST_F(RoutingTableTest, InterfacesDownOrWithoutAddressGiveNoRoute) {
  NetworkRecords records = labRecords();
  openInterface(records.own, kSerial0, "220.155.5.1");  // no clock: down
  openInterface(records.own, kEthernet0, "");           // up, no address
  records.own.serial1.ipAddress = "10.1.1.1";           // address, shut down
  records.own.serial1.subnetMask = "255.255.255.0";
  EXPECT_EQ(renderRoutingTable(records.view(), random), header);
  EXPECT_TRUE(header.starts_with("\r\nCodes: C - connected, S - static, I - IGRP, R - RIP"));
  EXPECT_TRUE(header.ends_with(kGateway + "\r\nHost               Gateway           Last Use    "
                                          "Total Uses  Interface\r\nICMP redirect cache is empty"));
}

TEST_F(RoutingTableTest, NoRipRouteWithoutEveryCondition) {
  const std::pair<const char*, void (*)(NetworkRecords&)> cases[] = {
      {"LabSerialOutsideScenarioNetwork",
       [](NetworkRecords& r) {
         openInterface(r.own, kSerial0, "192.0.2.1", 64000);
         r.own.ripNetworks = {"192.0.2.0"};
       }},
      {"LabWithoutIpRouting", [](NetworkRecords& r) { r.own.ipRouting = false; }},
      {"FarLanShut", [](NetworkRecords& r) { r.other.ethernet0.shutdown = true; }},
      {"FarLanNotAdvertised", [](NetworkRecords& r) { r.other.ripNetworks = {"204.56.7.0"}; }},
      {"OwnLinkNotDeclared", [](NetworkRecords& r) { r.own.ripNetworks = {"204.5.62.0"}; }},
  };
  for (const auto& [name, change] : cases) {
    NetworkRecords records =
        std::string(name).starts_with("Lab") ? labRip() : workingTwoRouters(false);
    EXPECT_NE(ripRouteLine(records.view(), random), "") << name;
    change(records);
    EXPECT_EQ(ripRouteLine(records.view(), random), "") << name;
  }
}

TEST_F(RoutingTableTest, RouteAgeStaysInItsRange) {
  const NetworkRecords records = labRip();
  for (double r : {0.0, 0.999999, 1.0}) {
    random.randomValues = {r};
    random.nextRandom = 0;
    const std::string line = ripRouteLine(records.view(), random);
    const int age = std::stoi(line.substr(line.find("00:00:") + 6, 2));
    EXPECT_GE(age, 25) << r;
    EXPECT_LE(age, 29) << r;
  }
}

TEST_F(RoutingTableTest, TwoRouterRouteOnBothRouters) {
  random.randomValues = {0.0};
  NetworkRecords atA = workingTwoRouters(false);
  EXPECT_EQ(ripRouteLine(atA.view(), random),
            "R   208.109.1.0/24 [120/1] via 204.56.7.2, 00:00:25, Serial 0");
  NetworkRecords atB = workingTwoRouters(true);
  EXPECT_EQ(ripRouteLine(atB.view(), random),
            "R   204.5.62.0/24 [120/1] via 204.56.7.1, 00:00:25, Serial 1");
}

TEST_F(RoutingTableTest, TwoRouterConnectedLinkNeedsTheFarEnd) {
  NetworkRecords records = workingTwoRouters(false);
  records.other.serial1.shutdown = true;
  EXPECT_EQ(renderRoutingTable(records.view(), random),
            header + "\r\nC   204.5.62.0/24 is directly connected, Ethernet 0");
}

TEST_F(RoutingTableTest, TwoRouterWithoutIpRoutingKeepsOnlyConnectedRoutes) {
  NetworkRecords records = workingTwoRouters(true);
  records.own.ipRouting = false;
  EXPECT_EQ(renderRoutingTable(records.view(), random),
            kGateway +
                "\r\nC   204.56.7.0/24 is directly connected, Serial 1"
                "\r\nC   208.109.1.0/24 is directly connected, Ethernet 0");
}

}  // namespace
}  // namespace kovrel::testing

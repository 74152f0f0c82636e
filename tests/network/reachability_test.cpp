// SPDX-License-Identifier: GPL-3.0-or-later
#include "network/reachability.h"

#include <gtest/gtest.h>

#include "network/access_list_check.h"
#include "network/network_records.h"

namespace kovrel::testing {
namespace {

// --- Access lists -------------------------------------------------------------------------

struct AclCase {
  const char* name;
  std::vector<AccessListEntry> entries;
  int group;
  const char* target;
  bool denied;
};

// Lists without entries, first-match order and deny-host entries are in the reachability tables.
const AclCase kAclCases[] = {
    {"GroupZeroDeniesNothing", {aclEntry(1, denyAny)}, 0, "10.1.1.1", false},
    {"PermitHostMatches", {aclEntry(1, permitHost, "10.1.1.1")}, 1, "10.1.1.1", false},
    {"PermitHostOtherTarget", {aclEntry(1, permitHost, "10.1.1.1")}, 1, "10.1.1.2", true},
    {"PermitWildcardOutside",
     {aclEntry(1, permitAddress, "10.1.1.0", "0.0.0.255")},
     1,
     "10.1.2.7",
     true},
    {"OtherListsSkipped", {aclEntry(2, denyAny), aclEntry(1, permitAny)}, 1, "10.1.1.1", false},
};

class AccessListDeniesTest : public ::testing::TestWithParam<AclCase> {};

TEST_P(AccessListDeniesTest, Decision) {
  RouterConfig router;
  router.accessLists = GetParam().entries;
  EXPECT_EQ(accessListDenies(GetParam().group, GetParam().target, router), GetParam().denied);
}

INSTANTIATE_TEST_SUITE_P(Table, AccessListDeniesTest, ::testing::ValuesIn(kAclCases),
                         [](const auto& test) { return std::string(test.param.name); });

// --- Lab topology -------------------------------------------------------------------------

struct ReachCase {
  const char* name;
  void (*setup)(RouterConfig&);
  const char* target;
  bool reachable;
};

void lanUp(RouterConfig& r) { openInterface(r, kEthernet0, "192.160.5.1"); }
void lanShut(RouterConfig& r) {
  lanUp(r);
  r.ethernet0.shutdown = true;
}
void lanElsewhere(RouterConfig& r) { openInterface(r, kEthernet0, "10.1.1.1"); }
void lanListOut(RouterConfig& r, std::vector<AccessListEntry> entries, int group) {
  lanUp(r);
  r.accessLists = std::move(entries);
  r.ethernet0.accessGroupOut = group;
}
void denyLanFirst(RouterConfig& r) {
  lanListOut(r, {aclEntry(1, denyAddress, "192.160.5.0", "0.0.0.255"), aclEntry(1, permitAny)}, 1);
}
void permitAnyFirst(RouterConfig& r) {
  lanListOut(r, {aclEntry(1, permitAny), aclEntry(1, denyAddress, "192.160.5.0", "0.0.0.255")}, 1);
}
void emptyListOut(RouterConfig& r) { lanListOut(r, {aclEntry(1, permitAny)}, 7); }
void missingListOut(RouterConfig& r) { lanListOut(r, {}, 7); }
void denyingListIn(RouterConfig& r) {
  lanUp(r);
  r.accessLists = {aclEntry(1, denyAny)};
  r.ethernet0.accessGroupIn = 1;
}
void serialUp(RouterConfig& r) { openInterface(r, kSerial0, "220.155.5.1", 64000); }
void serialNoClock(RouterConfig& r) { openInterface(r, kSerial0, "220.155.5.1"); }
void ripForSerial(RouterConfig& r) {
  serialUp(r);
  r.ripNetworks = {"220.155.5.0"};
}
void ripRunning(RouterConfig& r) {
  ripForSerial(r);
  r.ripEnabled = true;
}
void ripElsewhere(RouterConfig& r) {
  openInterface(r, kSerial0, "192.0.2.1", 64000);
  r.ripNetworks = {"192.0.2.0"};
  r.ripEnabled = true;
}
void serialDeniesNeighbour(RouterConfig& r) {
  ripRunning(r);
  r.accessLists = {aclEntry(3, denyHost, "220.155.5.2"), aclEntry(3, permitAny)};
  r.serial0.accessGroupOut = 3;
}
void serial1Up(RouterConfig& r) { openInterface(r, kSerial1, "10.9.9.1"); }

const ReachCase kLabCases[] = {
    {"LanHostWithLanUp", lanUp, "192.160.5.6", true},
    {"OwnEthernetAddress", lanUp, "192.160.5.1", true},
    {"LanHostWithLanShut", lanShut, "192.160.5.6", false},
    {"OwnEthernetAddressShut", lanShut, "192.160.5.1", false},
    {"LanHostWithLanInOtherNetwork", lanElsewhere, "192.160.5.6", false},
    {"OwnAddressInOtherNetwork", lanElsewhere, "10.1.1.1", true},
    {"UnknownHostOnLan", lanUp, "192.160.5.9", false},
    {"DenyFirstBlocksLanHost", denyLanFirst, "192.160.5.6", false},
    {"DenyFirstKeepsOwnAddress", denyLanFirst, "192.160.5.1", true},
    {"PermitFirstLetsLanHost", permitAnyFirst, "192.160.5.5", true},
    {"EmptyListDeniesWhileOtherListExists", emptyListOut, "192.160.5.6", false},
    {"MissingListWithoutAnyEntriesDeniesNothing", missingListOut, "192.160.5.6", true},
    {"InboundListIsNotConsulted", denyingListIn, "192.160.5.6", true},
    {"OwnSerialAddress", serialUp, "220.155.5.1", true},
    {"OwnSerialAddressWithoutClock", serialNoClock, "220.155.5.1", false},
    {"NeighbourWithoutRipNetwork", serialUp, "220.155.5.2", false},
    {"NeighbourWithRipNetworkRipOff", ripForSerial, "220.155.5.2", true},
    {"NeighbourLanWithRipOff", ripForSerial, "192.54.5.15", false},
    {"NeighbourLanWithRip", ripRunning, "192.54.5.15", true},
    {"NeighbourGatewayWithRip", ripRunning, "192.54.5.1", true},
    {"SerialInOtherNetworkWithRip", ripElsewhere, "220.155.5.2", false},
    {"SerialOutboundListDeniesNeighbour", serialDeniesNeighbour, "220.155.5.2", false},
    {"SerialOutboundListLetsOthersThrough", serialDeniesNeighbour, "192.54.5.15", true},
    {"Serial1AddressNeverAnswers", serial1Up, "10.9.9.1", false},
};

class LabReachabilityTest : public ::testing::TestWithParam<ReachCase> {};

TEST_P(LabReachabilityTest, Answers) {
  NetworkRecords records = labRecords();
  GetParam().setup(records.own);
  EXPECT_EQ(testReachability(records.view(), GetParam().target), GetParam().reachable);
}

INSTANTIATE_TEST_SUITE_P(Table, LabReachabilityTest, ::testing::ValuesIn(kLabCases),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace kovrel::testing

#include "network/reachability.h"

#include <gtest/gtest.h>

#include <functional>

#include "network/access_list_check.h"
#include "network/lab_topology.h"
#include "network/network_records.h"
#include "network/two_router_topology.h"

namespace kovrel::testing {
namespace {

// --- Access lists -------------------------------------------------------------------------

struct AclCase {
  const char* name;
  std::vector<accessListInfo> entries;
  int group;
  const char* target;
  bool denied;
};

const AclCase kAclCases[] = {
    {"NoEntriesAtAllDeniesNothing", {}, 5, "10.1.1.1", false},
    {"GroupZeroDeniesNothing", {aclEntry(1, kDenyAny)}, 0, "10.1.1.1", false},
    {"ListWithoutEntriesDeniesEverything", {aclEntry(1, kPermitAny)}, 5, "10.1.1.1", true},
    {"PermitAny", {aclEntry(1, kPermitAny)}, 1, "10.1.1.1", false},
    {"DenyAny", {aclEntry(1, kDenyAny)}, 1, "10.1.1.1", true},
    {"PermitHostMatches", {aclEntry(1, kPermitHost, "10.1.1.1")}, 1, "10.1.1.1", false},
    {"PermitHostOtherTargetFallsThrough",
     {aclEntry(1, kPermitHost, "10.1.1.1")},
     1,
     "10.1.1.2",
     true},
    {"DenyHostThenPermitAny",
     {aclEntry(1, kDenyHost, "10.1.1.1"), aclEntry(1, kPermitAny)},
     1,
     "10.1.1.1",
     true},
    {"DenyHostOtherTargetReachesPermitAny",
     {aclEntry(1, kDenyHost, "10.1.1.1"), aclEntry(1, kPermitAny)},
     1,
     "10.1.1.2",
     false},
    {"DenyWildcardFirst",
     {aclEntry(1, kDenyWildcard, "10.1.1.0", "0.0.0.255"), aclEntry(1, kPermitAny)},
     1,
     "10.1.1.7",
     true},
    {"PermitAnyFirst",
     {aclEntry(1, kPermitAny), aclEntry(1, kDenyWildcard, "10.1.1.0", "0.0.0.255")},
     1,
     "10.1.1.7",
     false},
    {"PermitWildcardOutsideRange",
     {aclEntry(1, kPermitWildcard, "10.1.1.0", "0.0.0.255")},
     1,
     "10.1.2.7",
     true},
    {"EntriesOfOtherListsSkipped",
     {aclEntry(2, kDenyAny), aclEntry(1, kPermitAny)},
     1,
     "10.1.1.1",
     false},
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

using Setup = std::function<void(RouterConfig&)>;

struct ReachCase {
  const char* name;
  Setup setup;
  const char* target;
  bool reachable;
};

void lanUp(RouterConfig& r) { openInterface(r, kEthernet0, "192.160.5.1"); }
void serialInLabNetwork(RouterConfig& r) { openInterface(r, kSerial0, "220.155.5.1", 64000); }
void ripForSerial(RouterConfig& r) {
  serialInLabNetwork(r);
  r.ripNetworks = {"220.155.5.0"};
}
void ripRunning(RouterConfig& r) {
  ripForSerial(r);
  r.ripEnabled = true;
}
void denyLanFirst(RouterConfig& r) {
  lanUp(r);
  r.accessLists = {aclEntry(1, kDenyWildcard, "192.160.5.0", "0.0.0.255"), aclEntry(1, kPermitAny)};
  r.ethernet0.accessGroupOut = 1;
}
void permitAnyFirst(RouterConfig& r) {
  lanUp(r);
  r.accessLists = {aclEntry(1, kPermitAny), aclEntry(1, kDenyWildcard, "192.160.5.0", "0.0.0.255")};
  r.ethernet0.accessGroupOut = 1;
}

const ReachCase kLabCases[] = {
    {"LanHostWithLanUp", lanUp, "192.160.5.6", true},
    {"SecondLanHost", lanUp, "192.160.5.5", true},
    {"OwnEthernetAddress", lanUp, "192.160.5.1", true},
    {"LanHostWithLanShut",
     [](RouterConfig& r) {
       lanUp(r);
       r.ethernet0.shutdown = true;
     },
     "192.160.5.6", false},
    {"OwnEthernetAddressShut",
     [](RouterConfig& r) {
       lanUp(r);
       r.ethernet0.shutdown = true;
     },
     "192.160.5.1", false},
    {"LanHostWithLanInOtherNetwork",
     [](RouterConfig& r) { openInterface(r, kEthernet0, "10.1.1.1"); }, "192.160.5.6", false},
    {"OwnAddressInOtherNetwork", [](RouterConfig& r) { openInterface(r, kEthernet0, "10.1.1.1"); },
     "10.1.1.1", true},
    {"UnknownHostOnLan", lanUp, "192.160.5.9", false},
    {"DenyFirstBlocksLanHost1", denyLanFirst, "192.160.5.6", false},
    {"DenyFirstBlocksLanHost2", denyLanFirst, "192.160.5.5", false},
    {"DenyFirstKeepsOwnAddress", denyLanFirst, "192.160.5.1", true},
    {"PermitFirstLetsLanHost1", permitAnyFirst, "192.160.5.6", true},
    {"PermitFirstLetsLanHost2", permitAnyFirst, "192.160.5.5", true},
    {"EmptyListDeniesWhileOtherListExists",
     [](RouterConfig& r) {
       lanUp(r);
       r.accessLists = {aclEntry(1, kPermitAny)};
       r.ethernet0.accessGroupOut = 7;
     },
     "192.160.5.6", false},
    {"MissingListWithoutAnyEntriesDeniesNothing",
     [](RouterConfig& r) {
       lanUp(r);
       r.ethernet0.accessGroupOut = 7;
     },
     "192.160.5.6", true},
    {"InboundListIsNotConsulted",
     [](RouterConfig& r) {
       lanUp(r);
       r.accessLists = {aclEntry(1, kDenyAny)};
       r.ethernet0.accessGroupIn = 1;
     },
     "192.160.5.6", true},
    {"OwnSerialAddress", serialInLabNetwork, "220.155.5.1", true},
    {"OwnSerialAddressWithoutClock",
     [](RouterConfig& r) { openInterface(r, kSerial0, "220.155.5.1"); }, "220.155.5.1", false},
    {"NeighbourWithoutRipNetwork", serialInLabNetwork, "220.155.5.2", false},
    {"NeighbourWithRipNetworkRipOff", ripForSerial, "220.155.5.2", true},
    {"NeighbourLanWithRipOff", ripForSerial, "192.54.5.15", false},
    {"NeighbourGatewayWithRipOff", ripForSerial, "192.54.5.1", false},
    {"NeighbourLanWithRip", ripRunning, "192.54.5.15", true},
    {"SecondNeighbourLanHostWithRip", ripRunning, "192.54.5.20", true},
    {"NeighbourGatewayWithRip", ripRunning, "192.54.5.1", true},
    {"SerialInOtherNetworkWithRip",
     [](RouterConfig& r) {
       openInterface(r, kSerial0, "192.0.2.1", 64000);
       r.ripNetworks = {"192.0.2.0"};
       r.ripEnabled = true;
     },
     "220.155.5.2", false},
    {"SerialOutboundListDeniesNeighbour",
     [](RouterConfig& r) {
       ripRunning(r);
       r.accessLists = {aclEntry(3, kDenyHost, "220.155.5.2"), aclEntry(3, kPermitAny)};
       r.serial0.accessGroupOut = 3;
     },
     "220.155.5.2", false},
    {"SerialOutboundListLetsOthersThrough",
     [](RouterConfig& r) {
       ripRunning(r);
       r.accessLists = {aclEntry(3, kDenyHost, "220.155.5.2"), aclEntry(3, kPermitAny)};
       r.serial0.accessGroupOut = 3;
     },
     "192.54.5.15", true},
    {"Serial1AddressNeverAnswers", [](RouterConfig& r) { openInterface(r, kSerial1, "10.9.9.1"); },
     "10.9.9.1", false},
};

class LabReachabilityTest : public ::testing::TestWithParam<ReachCase> {};

TEST_P(LabReachabilityTest, Answers) {
  NetworkRecords records = labRecords();
  GetParam().setup(records.own);
  EXPECT_EQ(testReachability(records.view(), GetParam().target), GetParam().reachable);
}

INSTANTIATE_TEST_SUITE_P(Table, LabReachabilityTest, ::testing::ValuesIn(kLabCases),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(LabReachability, UnknownTopologyReachesNothing) {
  NetworkRecords records = labRecords();
  lanUp(records.own);
  records.topologyKind = 3;
  EXPECT_FALSE(testReachability(records.view(), "192.160.5.1"));
}

}  // namespace
}  // namespace kovrel::testing

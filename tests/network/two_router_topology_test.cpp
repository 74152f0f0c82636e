// SPDX-License-Identifier: GPL-3.0-or-later
#include "network/two_router_topology.h"

#include <gtest/gtest.h>

#include "network/network_records.h"
#include "network/reachability.h"

namespace kovrel::testing {
namespace {

RouterConfig& routerA(NetworkRecords& r) {
  return r.currentRouter == RouterId::a ? r.own : r.other;
}
RouterConfig& routerB(NetworkRecords& r) {
  return r.currentRouter == RouterId::b ? r.own : r.other;
}

using Change = void (*)(NetworkRecords&);

void noChange(NetworkRecords&) {}
void linkFarEndShut(NetworkRecords& r) { routerB(r).serial1.shutdown = true; }
void noClock(NetworkRecords& r) { routerA(r).serial0.clockRate = 0; }
void linkNetworksDiffer(NetworkRecords& r) { routerB(r).serial1.ipAddress = "204.56.8.2"; }
void routingOffAtA(NetworkRecords& r) { routerA(r).ipRouting = false; }
void ripOffAtB(NetworkRecords& r) { routerB(r).ripEnabled = false; }
void bKeepsLanToItself(NetworkRecords& r) { routerB(r).ripNetworks = {"204.56.7.0"}; }
void aKeepsLinkToItself(NetworkRecords& r) { routerA(r).ripNetworks = {"204.5.62.0"}; }
void bKeepsLanOnly(NetworkRecords& r) { routerB(r).ripNetworks = {"208.109.1.0"}; }
void bLanShut(NetworkRecords& r) { routerB(r).ethernet0.shutdown = true; }
void bLanElsewhere(NetworkRecords& r) {
  openInterface(routerB(r), kEthernet0, "208.110.1.1");
  routerB(r).ripNetworks = {"204.56.7.0", "208.110.1.0"};
}
void bLanDeniesEverything(NetworkRecords& r) {
  routerB(r).accessLists = {aclEntry(12, denyAny)};
  routerB(r).ethernet0.accessGroupOut = 12;
}
void aLinkDeniesHost(NetworkRecords& r) {
  routerA(r).accessLists = {aclEntry(4, denyHost, "208.109.1.12"), aclEntry(4, permitAny)};
  routerA(r).serial0.accessGroupOut = 4;
}
void bLinkDeniesInbound(NetworkRecords& r) {
  routerB(r).accessLists = {aclEntry(9, denyAny)};
  routerB(r).serial1.accessGroupIn = 9;
}
void aSerial1Configured(NetworkRecords& r) { openInterface(routerA(r), kSerial1, "10.7.7.1"); }
void bSerial0Configured(NetworkRecords& r) { openInterface(routerB(r), kSerial0, "10.8.8.1"); }

struct TwoRouterCase {
  const char* name;
  bool routerBAtConsole;
  Change change;
  const char* target;
  bool reachable;
};

const TwoRouterCase kCases[] = {
    // RouterA at the console.
    {"AOwnLan", false, noChange, "204.5.62.12", true},
    {"AFarLinkEnd", false, noChange, "204.56.7.2", true},
    {"AFarLinkEndWhileFarEndShut", false, linkFarEndShut, "204.56.7.2", false},
    {"AFarLinkEndWithoutClock", false, noClock, "204.56.7.2", false},
    {"AFarLinkEndInOtherNetwork", false, linkNetworksDiffer, "204.56.7.2", false},
    {"AFarLinkEndFilteredInbound", false, bLinkDeniesInbound, "204.56.7.2", false},
    {"AFarEthernet", false, noChange, "208.109.1.1", true},
    {"AFarEthernetWithoutRouting", false, routingOffAtA, "208.109.1.1", false},
    {"AFarEthernetWithoutRipAtB", false, ripOffAtB, "208.109.1.1", false},
    {"AFarEthernetNotAdvertised", false, bKeepsLanToItself, "208.109.1.1", false},
    {"AFarEthernetLinkNotDeclaredAtA", false, aKeepsLinkToItself, "208.109.1.1", false},
    {"AFarLanHost", false, noChange, "208.109.1.12", true},
    {"AFarLanHostFilteredAtFarLan", false, bLanDeniesEverything, "208.109.1.12", false},
    {"AFarLanHostFilteredOnLink", false, aLinkDeniesHost, "208.109.1.12", false},
    {"AOtherFarLanHostPassesLinkFilter", false, aLinkDeniesHost, "208.109.1.14", true},
    {"AFarLanInWrongNetwork", false, bLanElsewhere, "208.109.1.12", false},
    {"AOwnSerial1NeverAnswers", false, aSerial1Configured, "10.7.7.1", false},
    {"AOwnLinkAddressWithoutClock", false, noClock, "204.56.7.1", false},
    // RouterB at the console.
    {"BFarLinkEnd", true, noChange, "204.56.7.1", true},
    {"BFarLinkEndWithoutClock", true, noClock, "204.56.7.1", false},
    {"BFarLanHost", true, noChange, "204.5.62.12", true},
    {"BFarLanHostFilteredAtOwnLan", true, bLanDeniesEverything, "204.5.62.12", true},
    {"BOwnLanFilteredOutbound", true, bLanDeniesEverything, "208.109.1.12", false},
    {"BOwnSerial0NeverAnswers", true, bSerial0Configured, "10.8.8.1", false},
    {"BOwnLinkAddressNeedsTheLinkUp", true, noClock, "204.56.7.2", false},
};

class TwoRouterReachabilityTest : public ::testing::TestWithParam<TwoRouterCase> {};

TEST_P(TwoRouterReachabilityTest, Answers) {
  NetworkRecords records = workingTwoRouters(GetParam().routerBAtConsole);
  GetParam().change(records);
  const RouterConfig ownBefore = records.own, otherBefore = records.other;
  EXPECT_EQ(testReachability(records.view(), GetParam().target), GetParam().reachable);
  EXPECT_EQ(records.own, ownBefore);
  EXPECT_EQ(records.other, otherBefore);
}

INSTANTIATE_TEST_SUITE_P(Table, TwoRouterReachabilityTest, ::testing::ValuesIn(kCases),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(TwoRouterPredicates, EachPredicateFailsOnItsOwnCause) {
  for (bool routerBAtConsole : {false, true}) {
    const NetworkRecords records = workingTwoRouters(routerBAtConsole);
    const NetworkView net = records.view();
    EXPECT_TRUE(serialLinkUp(net) && otherAdvertisesSerial(net) && ripAdjacency(net) &&
                otherAdvertisesLan(net) && otherLanMatchesPreset(net));
  }
  const auto with = [](Change change) {
    NetworkRecords records = workingTwoRouters();
    change(records);
    return records;
  };
  EXPECT_FALSE(serialLinkUp(with(linkFarEndShut).view()));
  EXPECT_TRUE(serialLinkUp(with(aKeepsLinkToItself).view()));
  EXPECT_FALSE(ripAdjacency(with(aKeepsLinkToItself).view()));
  EXPECT_FALSE(otherAdvertisesSerial(with(bKeepsLanOnly).view()));
  EXPECT_FALSE(ripAdjacency(with(bKeepsLanOnly).view()));
  EXPECT_TRUE(ripAdjacency(with(bLanShut).view()));
  EXPECT_FALSE(otherAdvertisesLan(with(bLanShut).view()));
  EXPECT_TRUE(otherAdvertisesLan(with(bLanElsewhere).view()));
  EXPECT_FALSE(otherLanMatchesPreset(with(bLanElsewhere).view()));
}

}  // namespace
}  // namespace kovrel::testing

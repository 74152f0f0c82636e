// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "network/network_records.h"
#include "network/reachability.h"
#include "network/routes.h"

namespace kovrel::testing {
namespace {

// Troubleshooting 6's two routers with both links and LANs up but no routing protocol: RouterA
// 204.5.62.1 (LAN) and 204.56.7.1 (link), RouterB 204.56.7.2 (link) and 208.109.1.1 (LAN).
NetworkRecords unroutedTwoRouters(bool routerBAtConsole) {
  NetworkRecords records = workingTwoRouters(routerBAtConsole);
  for (RouterConfig* router : {&records.own, &records.other}) {
    router->ripEnabled = false;
    router->ripNetworks.clear();
  }
  return records;
}

RouterConfig& routerA(NetworkRecords& r) {
  return r.currentRouter == RouterId::a ? r.own : r.other;
}
RouterConfig& routerB(NetworkRecords& r) {
  return r.currentRouter == RouterId::b ? r.own : r.other;
}

void route(RouterConfig& router, const char* network, const char* mask, const char* nextHop,
           int distance = 1) {
  router.staticRoutes.push_back({network, mask, nextHop, std::nullopt, distance});
}
void routeOut(RouterConfig& router, const char* network, const char* mask, InterfaceNumber way) {
  router.staticRoutes.push_back({network, mask, "", way, 1});
}
void rip(RouterConfig& router, std::vector<std::string> networks) {
  router.ripEnabled = true;
  router.ripNetworks = std::move(networks);
}
void igrp(RouterConfig& router, int as, std::vector<std::string> networks) {
  router.igrpEnabled = true;
  for (std::string& network : networks) router.igrpNetworks.push_back({as, std::move(network)});
}

using Setup = void (*)(NetworkRecords&);

void nothing(NetworkRecords&) {}
void staticBothWays(NetworkRecords& r) {
  route(routerA(r), "208.109.1.0", "255.255.255.0", "204.56.7.2");
  route(routerB(r), "204.5.62.0", "255.255.255.0", "204.56.7.1");
}
void staticAToBOnly(NetworkRecords& r) {
  route(routerA(r), "208.109.1.0", "255.255.255.0", "204.56.7.2");
}
void defaultBothWays(NetworkRecords& r) {
  route(routerA(r), "0.0.0.0", "0.0.0.0", "204.56.7.2");
  routeOut(routerB(r), "0.0.0.0", "0.0.0.0", kSerial1);
}
void staticWrongWay(NetworkRecords& r) {
  staticBothWays(r);
  routerA(r).staticRoutes[0].nextHop = "204.5.62.9";  // a host of A's own LAN, no router
}
void staticToAbsentNeighbour(NetworkRecords& r) {
  staticBothWays(r);
  routerA(r).staticRoutes[0].nextHop = "10.1.1.1";  // on no network of A: never used
}
void ripBothWays(NetworkRecords& r) {
  rip(routerA(r), {"204.5.62.0", "204.56.7.0"});
  rip(routerB(r), {"204.56.7.0", "208.109.1.0"});
}
void igrpBothWays(NetworkRecords& r) {
  igrp(routerA(r), 10, {"204.5.62.0", "204.56.7.0"});
  igrp(routerB(r), 10, {"204.56.7.0", "208.109.1.0"});
}
void igrpOtherSystems(NetworkRecords& r) {
  igrp(routerA(r), 10, {"204.5.62.0", "204.56.7.0"});
  igrp(routerB(r), 20, {"204.56.7.0", "208.109.1.0"});
}
void ripAndIgrp(NetworkRecords& r) {
  ripBothWays(r);
  igrpBothWays(r);
}
// A wrong static route outranks RIP; given a distance above RIP's it only stands by.
void ripWithWrongStatic(NetworkRecords& r) {
  ripBothWays(r);
  route(routerA(r), "208.109.1.0", "255.255.255.0", "204.5.62.9");
}
void ripWithFloatingStatic(NetworkRecords& r) {
  ripBothWays(r);
  route(routerA(r), "208.109.1.0", "255.255.255.0", "204.5.62.9", 130);
}
void staticWithRoutingOff(NetworkRecords& r) {
  staticBothWays(r);
  routerA(r).ipRouting = false;
}
void staticOverDeadLink(NetworkRecords& r) {
  staticBothWays(r);
  routerA(r).serial0.clockRate = 0;
}

constexpr std::optional<RouteSource> kNoRoute = std::nullopt;
constexpr auto kStatic = RouteSource::staticRoute;
constexpr auto kRip = RouteSource::rip;
constexpr auto kIgrp = RouteSource::igrp;

struct Decision {
  const char* name;
  bool routerBAtConsole;
  Setup setup;
  const char* target;
  std::optional<RouteSource> chosen;  // the route the router at the console takes to the target
  bool reachable;
};

const Decision kDecisions[] = {
    {"NoRoutingNoRoute", false, nothing, "208.109.1.12", kNoRoute, false},
    {"StaticBothWays", false, staticBothWays, "208.109.1.12", kStatic, true},
    {"StaticBothWaysFromB", true, staticBothWays, "204.5.62.12", kStatic, true},
    {"StaticToFarRouterLan", false, staticBothWays, "208.109.1.1", kStatic, true},
    {"StaticOneWayNoAnswer", false, staticAToBOnly, "208.109.1.12", kStatic, false},
    {"StaticOneWayReverseHasNoRoute", true, staticAToBOnly, "204.5.62.12", kNoRoute, false},
    {"DefaultRoutesBothWays", false, defaultBothWays, "208.109.1.12", kStatic, true},
    {"DefaultRouteOutOfInterface", true, defaultBothWays, "204.5.62.13", kStatic, true},
    {"StaticLeadsAstray", false, staticWrongWay, "208.109.1.12", kStatic, false},
    {"StaticNextHopOnNoNetwork", false, staticToAbsentNeighbour, "208.109.1.12", kNoRoute, false},
    {"StaticNeedsIpRouting", false, staticWithRoutingOff, "208.109.1.12", kNoRoute, false},
    {"StaticOverDeadLink", false, staticOverDeadLink, "208.109.1.12", kNoRoute, false},
    {"Rip", false, ripBothWays, "208.109.1.12", kRip, true},
    {"Igrp", false, igrpBothWays, "208.109.1.12", kIgrp, true},
    {"IgrpNeedsOneSystem", false, igrpOtherSystems, "208.109.1.12", kNoRoute, false},
    {"IgrpOutranksRip", true, ripAndIgrp, "204.5.62.12", kIgrp, true},
    {"StaticOutranksRip", false, ripWithWrongStatic, "208.109.1.12", kStatic, false},
    {"FloatingStaticStandsBy", false, ripWithFloatingStatic, "208.109.1.12", kRip, true},
};

class RoutingDecisionTest : public ::testing::TestWithParam<Decision> {};

TEST_P(RoutingDecisionTest, RouteAndAnswer) {
  const Decision& c = GetParam();
  NetworkRecords records = unroutedTwoRouters(c.routerBAtConsole);
  c.setup(records);
  const std::optional<Route> taken = routeTo(routingTable(records.view()), c.target);
  const std::optional<RouteSource> source = taken && taken->source != RouteSource::connected
                                                ? std::optional(taken->source)
                                                : std::nullopt;
  EXPECT_EQ(source, c.chosen);
  EXPECT_EQ(testReachability(records.view(), c.target), c.reachable);
}

INSTANTIATE_TEST_SUITE_P(Table, RoutingDecisionTest, ::testing::ValuesIn(kDecisions),
                         [](const auto& test) { return std::string(test.param.name); });

// The lab router's neighbour runs RIP; a static route over Serial0 reaches its LAN without it.
TEST(RoutingDecisions, LabStaticRouteReachesTheNeighboursLan) {
  NetworkRecords records = labRecords();
  openInterface(records.own, kSerial0, "220.155.5.1", 64000);
  const char* remoteHost = records.addresses.remoteHost1.c_str();
  EXPECT_FALSE(testReachability(records.view(), remoteHost));
  route(records.own, "192.54.5.0", "255.255.255.0", "220.155.5.2");
  EXPECT_TRUE(testReachability(records.view(), remoteHost));
  records.own.staticRoutes = {};
  openInterface(records.own, kEthernet0, "192.160.5.1");
  routeOut(records.own, "0.0.0.0", "0.0.0.0", kEthernet0);  // the wrong way out
  EXPECT_FALSE(testReachability(records.view(), remoteHost));
}

}  // namespace
}  // namespace kovrel::testing

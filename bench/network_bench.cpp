// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the network questions: every ping, route display and status line works the answer out
// again from both routers' configurations, so each must stay far below what a student notices.

#include <benchmark/benchmark.h>

#include "network/network_records.h"
#include "network/reachability.h"
#include "network/routing_table.h"
#include "support/fake_platform.h"

namespace kovrel {
namespace {

using testing::NetworkRecords;

// A far LAN host: every two-router predicate and both access-list checks run.
void BM_TwoRouterReachability(benchmark::State& state) {
  const NetworkRecords records = testing::workingTwoRouters();
  const NetworkView net = records.view();
  for (auto _ : state) benchmark::DoNotOptimize(testReachability(net, "208.109.1.12"));
}
BENCHMARK(BM_TwoRouterReachability);

void BM_TwoRouterRoutingTable(benchmark::State& state) {
  const NetworkRecords records = testing::workingTwoRouters();
  const NetworkView net = records.view();
  testing::FakePlatform random;
  for (auto _ : state) benchmark::DoNotOptimize(renderRoutingTable(net, random));
}
BENCHMARK(BM_TwoRouterRoutingTable);

}  // namespace
}  // namespace kovrel

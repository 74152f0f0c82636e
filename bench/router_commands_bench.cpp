// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the everyday commands a student checks a network with: each line typed key by key and
// dispatched in the lab network, and a trace that runs to hop 30 with its pauses skipped, as in a
// batch run.

#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "network/traceroute.h"
#include "support/fake_platform.h"
#include "training/scenarios.h"

namespace kovrel {
namespace {

using testing::SimulatorFixture;

// The lab router with its LAN and its link to the neighbour configured and a static route over it.
void configureLabRouter(SimulatorFixture& console) {
  startLab(console.sim, "aboutTheLabs");
  console.startSession(CliMode::conf);
  for (const char* line :
       {"interface ethernet 0", "ip address 192.160.5.1 255.255.255.0", "no shutdown",
        "interface serial 0", "ip address 220.155.5.1 255.255.255.0", "clock rate 64000",
        "no shutdown", "exit", "ip route 192.54.5.0 255.255.255.0 220.155.5.2", "end"}) {
    console.enter(line);
  }
  console.sim.state.console.pageLength = 1000;
}

const char* const kEverydayCommands[] = {
    "show ip interface brief", "show controllers serial 0", "show arp",     "show ip route",
    "ping 192.54.5.15",        "traceroute 192.54.5.15",    "write memory",
};

void BM_DispatchEverydayCommand(benchmark::State& state) {
  SimulatorFixture console;
  configureLabRouter(console);
  const char* command = kEverydayCommands[state.range(0)];
  state.SetLabel(command);
  int iteration = 0;
  for (auto _ : state) {
    console.enter(command);
    bench::clearRecords(console, ++iteration);
  }
}
BENCHMARK(BM_DispatchEverydayCommand)
    ->DenseRange(0, static_cast<int>(std::size(kEverydayCommands)) - 1);

// A static route typed and removed again in global configuration mode.
void BM_DispatchStaticRoute(benchmark::State& state) {
  SimulatorFixture console;
  configureLabRouter(console);
  console.enter("configure terminal");
  int iteration = 0;
  for (auto _ : state) {
    console.enter("ip route 10.0.0.0 255.0.0.0 220.155.5.2 5");
    console.enter("no ip route 10.0.0.0 255.0.0.0");
    bench::clearRecords(console, ++iteration);
  }
}
BENCHMARK(BM_DispatchStaticRoute);

// Nothing answers beyond the neighbour: 29 silent hops after the first.
void BM_TracerouteThirtyHops(benchmark::State& state) {
  SimulatorFixture console;
  configureLabRouter(console);
  console.enter("configure terminal");
  console.enter("ip route 10.0.0.0 255.0.0.0 220.155.5.2");
  console.enter("end");
  int iteration = 0;
  for (auto _ : state) {
    traceroute(console.sim, "10.1.2.3");
    bench::clearRecords(console, ++iteration);
  }
}
BENCHMARK(BM_TracerouteThirtyHops);

}  // namespace
}  // namespace kovrel

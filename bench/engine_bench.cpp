// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the console's hot path (one command line typed key by key, dispatched, its display
// written) and of the configuration display (rendering and paging a full configuration). Pauses
// are recorded by the fake platform, never slept.

#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "config/config_rendering.h"
#include "network/show_displays.h"
#include "support/fake_platform.h"

namespace kovrel {
namespace {

using testing::SimulatorFixture;

using bench::clearRecords;

RouterConfig fullConfiguration() {
  RouterConfig config;
  config.hostname = "branch";
  config.enableSecret = "secret";
  config.enablePassword = "enable";
  config.bannerMotd = "Authorised access only\r\nAll sessions are recorded";
  config.domainName = "lab.example";
  config.nameServers = {"10.0.0.1", "10.0.0.2", "10.0.0.3"};
  config.hosts = {{"web", "10.1.1.1"}, {"mail", "10.1.1.2"}, {"web", "10.1.1.3"}};
  config.httpServer = true;
  config.cdpTimer = 30;
  config.line(TerminalLine::console) = {.password = "console", .login = true};
  config.line(TerminalLine::vty) = {.password = "remote", .login = true};
  for (InterfaceNumber number : {kSerial0, kSerial1, kEthernet0}) {
    InterfaceConfig& interface = config.interface(number);
    interface.description = "interface " + std::to_string(number);
    interface.ipAddress = "10." + std::to_string(number) + ".0.1";
    interface.subnetMask = "255.255.0.0";
    interface.shutdown = false;
    interface.accessGroupIn = 10 + number;
  }
  config.serial0.clockRate = 64000;
  config.ripEnabled = true;
  config.ripNetworks = {"10.0.0.0", "192.168.1.0"};
  config.igrpEnabled = true;
  config.igrpNetworks = {{10, "172.16.0.0"}, {20, "10.0.0.0"}, {10, "192.168.2.0"}};
  for (int list = 1; list <= 4; ++list) {
    config.accessLists.push_back({AccessEntryKind::permitAddress,
                                  "10." + std::to_string(list) + ".0.0", "0.0.255.255", list});
    config.accessLists.push_back(
        {AccessEntryKind::denyHost, "192.168.0." + std::to_string(list), "", list});
    config.accessLists.push_back({AccessEntryKind::permitAny, "", "", list});
  }
  return config;
}

void BM_TypeAndDispatchShowVersion(benchmark::State& state) {
  SimulatorFixture console;
  console.startSession(CliMode::priv);
  console.sim.state.console.pageLength = 1000;
  int iteration = 0;
  for (auto _ : state) {
    console.enter("show version");
    clearRecords(console, ++iteration);
  }
  benchmark::DoNotOptimize(console.sim.console.output().size());
}
BENCHMARK(BM_TypeAndDispatchShowVersion);

void BM_RenderFullConfiguration(benchmark::State& state) {
  const RouterConfig config = fullConfiguration();
  for (auto _ : state) benchmark::DoNotOptimize(renderConfiguration(config));
}
BENCHMARK(BM_RenderFullConfiguration);

// The whole display: "Building configuration...", rendering and paging, with one " --More--"
// answered by Space every 24 lines as a student reading it through would.
void BM_ShowFullConfigurationPaged(benchmark::State& state) {
  SimulatorFixture console;
  console.startSession(CliMode::priv);
  console.sim.state.console.pageLength = 24;
  const RouterConfig config = fullConfiguration();
  int iteration = 0;
  for (auto _ : state) {
    console.platform.pagingKeys.assign(8, ' ');
    showConfiguration(console.sim, config);
    clearRecords(console, ++iteration);
  }
}
BENCHMARK(BM_ShowFullConfigurationPaged);

}  // namespace
}  // namespace kovrel

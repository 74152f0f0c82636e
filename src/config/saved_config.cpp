// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/saved_config.h"

namespace kovrel {
namespace {

void keepAddresses(InterfaceConfig& target, const InterfaceConfig& source) {
  target.ipAddress = source.ipAddress;
  target.subnetMask = source.subnetMask;
}

}  // namespace

RouterConfig withoutInterfaceAddresses(RouterConfig config) {
  for (InterfaceNumber number : {kSerial0, kSerial1, kEthernet0}) {
    config.interface(number).ipAddress.clear();
    config.interface(number).subnetMask.clear();
  }
  return config;
}

void resetStartupConfig(Simulator& sim) {
  sim.setInteraction(Interaction::none);
  sim.state.saved = RouterConfig{};
}

void loadStartupConfig(Simulator& sim) {
  sim.setInteraction(Interaction::none);
  RouterConfig& running = sim.running();
  RouterConfig loaded = sim.state.saved;
  for (InterfaceNumber number : {kSerial0, kSerial1, kEthernet0}) {
    keepAddresses(loaded.interface(number), running.interface(number));
  }
  running = std::move(loaded);
}

void saveRunningConfig(Simulator& sim, std::string_view target) {
  sim.setInteraction(Interaction::none);
  sim.state.saveScratch = withoutInterfaceAddresses(sim.running());
  if (target == "startup-config") sim.state.saved = sim.state.saveScratch;
}

}  // namespace kovrel

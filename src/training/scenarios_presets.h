// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/router_records.h"
#include "base/simulator.h"

namespace kovrel {

/// One interface of a faulty configuration: opened or shut down, with an address (mask
/// 255.255.255.0 unless another is named), a clock rate and an outbound access list where the
/// fault needs them.
struct InterfacePreset {
  InterfaceNumber interfaceNumber = kSerial0;
  bool shutdown = true;
  std::string ipAddress;
  int clockRate = 0;
  int accessGroupOut = 0;
  std::string subnetMask = "";  // empty: 255.255.255.0
};

/// What a troubleshooting scenario sets on one router; everything else keeps its factory value,
/// and interfaces not named have no address.
struct RouterPreset {
  std::vector<InterfacePreset> interfaces;
  bool ripEnabled = false;
  std::vector<std::string> ripNetworks;
  std::vector<AccessListEntry> accessLists;
  std::vector<StaticRoute> staticRoutes = {};
  bool vtyLogin = false;  // the vty lines ask for a password (none is set)
};

/// A scenario's faults: for the one router (scenarios 1 to 3) or for RouterA and RouterB.
struct TroubleshootingPreset {
  RouterPreset routerA;
  std::optional<RouterPreset> routerB;
};

/// The faults of each troubleshooting scenario; none for any other number.
std::optional<TroubleshootingPreset> troubleshootingPreset(int scenario);

/// Writes a router's part of the faults into a configuration.
void applyRouterPreset(RouterConfig& config, const RouterPreset& preset);

/// Applies a scenario's faults to the router at the console. With RouterA at the console of a
/// two-router scenario, the parked RouterB record gets its part at the same time; RouterB gets it
/// again when it is built on its first visit.
void applyTroubleshootingPresets(Simulator& sim, int scenario);

}  // namespace kovrel

// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/scenarios_presets.h"

namespace kovrel {
namespace {

constexpr const char* kPresetMask = "255.255.255.0";

InterfacePreset open(InterfaceNumber number, const char* address, int clockRate = 0) {
  return {number, false, address, clockRate, 0};
}

InterfacePreset shut(InterfaceNumber number, const char* address = "") {
  return {number, true, address, 0, 0};
}

TroubleshootingPreset scenario6() {
  InterfacePreset routerBLan = open(kEthernet0, "208.109.1.1");
  routerBLan.accessGroupOut = 12;
  return {
      {{open(kSerial0, "204.56.7.1", 56000), open(kEthernet0, "204.5.62.1")},
       true,
       {"204.5.62.0", "204.56.7.0"},
       {}},
      RouterPreset{{open(kSerial1, "204.56.7.2"), routerBLan},
                   true,
                   {"204.56.7.0", "208.109.1.0"},
                   {AccessListEntry{AccessEntryKind::denyAny, "", "0.0.0.0", 12}}},
  };
}

}  // namespace

std::optional<TroubleshootingPreset> troubleshootingPreset(int scenario) {
  switch (scenario) {
    case 1:
      return TroubleshootingPreset{{{open(kEthernet0, "192.34.5.6")}, false, {}, {}}, {}};
    case 2:
      return TroubleshootingPreset{{{open(kEthernet0, "192.34.6.1"), shut(kSerial0, "196.101.5.1")},
                                    true,
                                    {"192.34.6.0", "196.101.5.0"},
                                    {}},
                                   {}};
    case 3:  // the link works, but RIP names a mistyped network instead of it
      return TroubleshootingPreset{
          {{open(kEthernet0, "192.34.6.1"), open(kSerial0, "196.101.5.1", 56000)},
           true,
           {"192.34.6.0", "196.110.5.0"},
           {}},
          {}};
    case 4:
      return TroubleshootingPreset{
          {{open(kEthernet0, "202.16.92.1")}, false, {}, {}},
          RouterPreset{{shut(kSerial1), open(kEthernet0, "220.14.5.1")}, false, {}, {}}};
    case 5:
      return TroubleshootingPreset{
          {{open(kSerial0, "196.56.12.1", 56000), open(kEthernet0, "202.16.92.1")},
           true,
           {"202.16.92.0", "196.56.12.0"},
           {}},
          RouterPreset{{open(kSerial1, "196.56.12.2"), shut(kEthernet0, "220.14.5.1")},
                       true,
                       {"196.56.12.0"},
                       {}}};
    case 6:
      return scenario6();
    case 7:  // the right address, but with the mask of a subnet that the class B LAN does not use
      return TroubleshootingPreset{{{open(kEthernet0, "172.20.1.1")}, false, {}, {}}, {}};
    case 8:  // the clock rate set at the DTE end of the cable instead of the DCE end
      return TroubleshootingPreset{
          {{open(kSerial0, "199.1.2.1"), open(kEthernet0, "201.10.4.1")},
           true,
           {"199.1.2.0", "201.10.4.0"},
           {}},
          RouterPreset{{open(kSerial1, "199.1.2.2", 64000), open(kEthernet0, "203.7.9.1")},
                       true,
                       {"199.1.2.0", "203.7.9.0"},
                       {}}};
    default:
      return std::nullopt;
  }
}

void applyRouterPreset(RouterConfig& config, const RouterPreset& preset) {
  // A fault must not depend on what an earlier scenario left: unnamed interfaces have no address.
  for (InterfaceNumber number : {kSerial0, kSerial1, kEthernet0}) {
    config.interface(number).ipAddress.clear();
    config.interface(number).subnetMask.clear();
  }
  for (const InterfacePreset& settings : preset.interfaces) {
    InterfaceConfig& interface = config.interface(settings.interfaceNumber);
    interface.shutdown = settings.shutdown;
    interface.ipAddress = settings.ipAddress;
    interface.subnetMask = settings.ipAddress.empty() ? "" : kPresetMask;
    interface.clockRate = settings.clockRate;
    interface.accessGroupOut = settings.accessGroupOut;
  }
  config.ripEnabled = preset.ripEnabled;
  config.ripNetworks = preset.ripNetworks;
  config.accessLists = preset.accessLists;
}

void applyTroubleshootingPresets(Simulator& sim, int scenario) {
  const std::optional<TroubleshootingPreset> preset = troubleshootingPreset(scenario);
  if (!preset) return;
  if (!preset->routerB) {
    applyRouterPreset(sim.running(), preset->routerA);
  } else if (sim.state.currentRouter == RouterId::a) {
    applyRouterPreset(sim.running(), preset->routerA);
    applyRouterPreset(sim.state.parkedB.config, *preset->routerB);
  } else {
    applyRouterPreset(sim.running(), *preset->routerB);
  }
}

}  // namespace kovrel

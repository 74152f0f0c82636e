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

// One end of a point-to-point link addressed as a /30 subnet.
InterfacePreset link30(InterfaceNumber number, const char* address, int clockRate = 0) {
  return {number, false, address, clockRate, 0, "255.255.255.252"};
}

StaticRoute routeVia(const char* network, const char* nextHop) {
  return {network, "255.255.255.0", nextHop, std::nullopt, 1};
}

// Static routes only, over a /30 link: the two LANs, the link and each router's routes.
TroubleshootingPreset staticPair(std::vector<InterfacePreset> routerA,
                                 std::vector<StaticRoute> routesA,
                                 std::vector<InterfacePreset> routerB,
                                 std::vector<StaticRoute> routesB) {
  TroubleshootingPreset preset{{std::move(routerA), false, {}, {}, std::move(routesA)},
                               RouterPreset{}};
  preset.routerB = RouterPreset{std::move(routerB), false, {}, {}, std::move(routesB)};
  return preset;
}

TroubleshootingPreset scenario11() {
  RouterPreset routerB{{open(kSerial1, "192.168.70.2"), open(kEthernet0, "192.168.60.1")},
                       true,
                       {"192.168.60.0", "192.168.70.0"},
                       {}};
  routerB.vtyLogin = true;
  return {{{open(kSerial0, "192.168.70.1", 64000), open(kEthernet0, "192.168.50.1")},
           true,
           {"192.168.50.0", "192.168.70.0"},
           {}},
          routerB};
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
    case 9:  // a static route there, none back
      return staticPair({link30(kSerial0, "172.16.3.1", 64000), open(kEthernet0, "172.16.1.1")},
                        {routeVia("172.16.2.0", "172.16.3.2")},
                        {link30(kSerial1, "172.16.3.2"), open(kEthernet0, "172.16.2.1")}, {});
    case 10:  // a next hop outside the link
      return staticPair({link30(kSerial0, "10.20.3.1", 64000), open(kEthernet0, "10.20.1.1")},
                        {routeVia("10.20.2.0", "10.20.3.6")},
                        {link30(kSerial1, "10.20.3.2"), open(kEthernet0, "10.20.2.1")},
                        {routeVia("10.20.1.0", "10.20.3.1")});
    case 11:  // vty lines that ask for a password nobody set
      return scenario11();
    case 12:  // the far end of the link in the next /30 subnet
      return staticPair({link30(kSerial0, "10.30.3.1", 64000), open(kEthernet0, "10.30.1.1")},
                        {routeVia("10.30.2.0", "10.30.3.2")},
                        {link30(kSerial1, "10.30.3.5"), open(kEthernet0, "10.30.2.1")},
                        {routeVia("10.30.1.0", "10.30.3.1")});
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
    interface.subnetMask = settings.ipAddress.empty()    ? ""
                           : settings.subnetMask.empty() ? kPresetMask
                                                         : settings.subnetMask;
    interface.clockRate = settings.clockRate;
    interface.accessGroupOut = settings.accessGroupOut;
  }
  config.ripEnabled = preset.ripEnabled;
  config.ripNetworks = preset.ripNetworks;
  config.accessLists = preset.accessLists;
  config.staticRoutes = preset.staticRoutes;
  config.line(TerminalLine::vty).login = preset.vtyLogin;
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

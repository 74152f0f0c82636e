// SPDX-License-Identifier: GPL-3.0-or-later
#include "network/show_commands.h"

#include <array>

#include "network/cdp_displays.h"
#include "network/interface_displays.h"
#include "network/link_displays.h"
#include "network/routing_table.h"
#include "network/show_displays.h"

namespace kovrel {
namespace {

// A form that runs a display over the interfaces it names.
template <ShowDisplay kDisplay, InterfaceNumber... kInterfaces>
FormOutcome show(Simulator& sim, const Words&) {
  static constexpr std::array<InterfaceNumber, sizeof...(kInterfaces)> kNamed = {kInterfaces...};
  kDisplay(sim, kNamed);
  return FormOutcome::done;
}

constexpr CommandForm kUserForms[] = {
    {"show", show<showSubcommandsHint>},
    {"show flash", show<showFlash>},
    {"show clock", show<showClock>},
    {"show history", show<showHistory>},
    {"show hosts", show<showHosts>},
    {"show ip protocols", show<showIpProtocols>},
    {"show users", show<showUsers>},
    {"show version", show<showVersion>},
    // The everyday checks of the network need no privileges.
    {"show interfaces", show<showInterfaces, kSerial0, kSerial1, kEthernet0>},
    {"show interfaces serial 0", show<showInterfaces, kSerial0>},
    {"show interfaces serial 1", show<showInterfaces, kSerial1>},
    {"show interfaces ethernet 0", show<showInterfaces, kEthernet0>},
    {"show ip route", show<showIpRoute>},
    {"show ip interface brief", show<showInterfaceBrief>},
};

constexpr CommandForm kPrivForms[] = {
    {"show", show<showSubcommandsHint>},
    {"show flash", show<showFlash>},
    {"show cdp", show<showCdp>},
    {"show cdp interface", show<showCdpInterface, kSerial0, kSerial1, kEthernet0>},
    {"show cdp interface serial 0", show<showCdpInterface, kSerial0>},
    {"show cdp interface serial 1", show<showCdpInterface, kSerial1>},
    {"show cdp interface ethernet 0", show<showCdpInterface, kEthernet0>},
    {"show cdp neighbors", show<showCdpNeighbors>},
    {"show clock", show<showClock>},
    {"show history", show<showHistory>},
    {"show hosts", show<showHosts>},
    {"show interfaces", show<showInterfaces, kSerial0, kSerial1, kEthernet0>},
    {"show interfaces serial 0", show<showInterfaces, kSerial0>},
    {"show interfaces serial 1", show<showInterfaces, kSerial1>},
    {"show interfaces ethernet 0", show<showInterfaces, kEthernet0>},
    {"show ip interface", show<showIpInterfaces, kEthernet0, kSerial0, kSerial1>},
    {"show ip interface brief", show<showInterfaceBrief>},
    {"show ip interface serial 0", show<showIpInterfaces, kSerial0>},
    {"show ip interface serial 1", show<showIpInterfaces, kSerial1>},
    {"show ip interface ethernet 0", show<showIpInterfaces, kEthernet0>},
    {"show ip access-lists", show<showAccessLists>},
    {"show access-lists", show<showAccessLists>},
    {"show ip protocols", show<showIpProtocols>},
    {"show ip route", show<showIpRoute>},
    {"show running-config", show<showRunningConfig>},
    {"show startup-config", show<showStartupConfig>},
    {"show config", show<showStartupConfig>},
    {"show configuration", show<showStartupConfig>},
    {"show protocols", show<showProtocols>},
    {"show controllers", show<showSerialControllers, kSerial0, kSerial1>},
    {"show controllers serial 0", show<showSerialControllers, kSerial0>},
    {"show controllers serial 1", show<showSerialControllers, kSerial1>},
    {"show arp", show<showArp>},
    {"show ip arp", show<showArp>},
    {"show users", show<showUsers>},
    {"show version", show<showVersion>},
};

}  // namespace

std::span<const CommandForm> userShowForms() { return kUserForms; }
std::span<const CommandForm> privShowForms() { return kPrivForms; }

}  // namespace kovrel

// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/activity_menu.h"

#include <array>
#include <cctype>
#include <charconv>
#include <string>

namespace kovrel {
namespace {

constexpr std::array<ActivityMenuItem, 45> kLabs = {{
    {"Labs", "About The Labs", "aboutTheLabs"},
    {"Starting Up", "Router StartUp", "routerStartUp"},
    {"Starting Up", "Router Modes", "routerModes"},
    {"Help And Editing", "System Help Commands", "systemHelpCommands"},
    {"Help And Editing", "Terminal History", "terminalHistory"},
    {"Help And Editing", "Enhanced Editing", "enhancedEditing"},
    {"Help And Editing", "Router Status", "routerStatus"},
    {"Configuring Banners", "MOTD Banner", "motdBanner"},
    {"Configuring Banners", "EXEC Banner", "execBanner"},
    {"Configuring Banners", "Login Banner", "loginBanner"},
    {"Line Configuration", "Console Configuration", "consoleConfiguration"},
    {"Line Configuration", "Auxiliary Configuration", "auxiliaryConfiguration"},
    {"Line Configuration", "Virtual Terminal Configuration", "virtualTerminalConfiguration"},
    {"Passwords And Identification", "Setting Hostname", "settingHostname"},
    {"Passwords And Identification", "Managing Passwords", "managingPasswords"},
    {"Passwords And Identification", "Password Encryption", "passwordEncryption"},
    {"Configuring Interfaces", "Configuring Serial Interface", "configuringSerialInterface"},
    {"Configuring Interfaces", "Configuring Ethernet Interface", "configuringEthernetInterface"},
    {"Configuring Interfaces", "Viewing Interface Status", "viewingInterfaceStatus"},
    {"Configuration Management", "Viewing Configuration", "viewingConfiguration"},
    {"Configuration Management", "Saving/Loading Configuration", "savingLoadingConfiguration"},
    {"Configuration Management", "Loading Configuration From TFTP Server",
     "loadingConfigurationFromTFTPServer"},
    {"Configuration Management", "Write And Erase", "writeAndErase"},
    {"Domain, Hosts And Servers", "Domain Configuration", "domainConfiguration"},
    {"Domain, Hosts And Servers", "Host Name Mapping", "hostNameMapping"},
    {"Domain, Hosts And Servers", "Name Server And Http Server", "nameServerAndHttpServer"},
    {"Routing Protocols", "RIP Routing", "ripRouting"},
    {"Routing Protocols", "IGRP Routing", "igrpRouting"},
    {"Routing Protocols", "Managing IP Routing", "managingIPRouting"},
    {"Managing CDP", "Configuring CDP Timers", "configuringCDPTimers"},
    {"Managing CDP", "Viewing CDP Information", "viewingCDPInformation"},
    {"Managing CDP", "Enabling/Disabling CDP", "enablingDisablingCDP"},
    {"Labs", "Testing Connectivity", "testingConnectivity"},
    {"Managing ACL", "Defining ACL", "definingACL"},
    {"Managing ACL", "Applying ACL", "applyingACL"},
    {"Managing ACL", "Removing ACL", "removingACL"},
    {"Static Routes", "Static Routes", "staticRoutes"},
    {"Static Routes", "Default Route", "defaultRoute"},
    {"Checking A Network", "Interface Summary", "interfaceSummary"},
    {"Checking A Network", "Tracing A Path", "tracingAPath"},
    {"Checking A Network", "ARP Cache", "arpCache"},
    {"Serial Cable Ends", "DCE And DTE Ends", "dceAndDteEnds"},
    {"Two Routers", "Telnet Between Routers", "telnetBetweenRouters", Topology::twoRouters},
    {"Two Routers", "Two Routers With RIP", "twoRoutersWithRip", Topology::twoRouters},
    {"Two Routers", "Static Routes Over A /30 Link", "staticRoutesOnASlash30Link",
     Topology::twoRouters},
}};

constexpr std::array<ActivityMenuItem, 6> kTests = {{
    {"Tests", "Test 1: Router Setup", "test1"},
    {"Tests", "Test 2: Lines And Name Lookup", "test2"},
    {"Tests", "Test 3: Network Configuration", "test3"},
    {"Tests", "Test 4: Two Routers From Scratch", "test4", Topology::twoRouters},
    {"Tests", "Test 5: Remote Access And Passwords", "test5"},
    {"Tests", "Test 6: Static Routes Between Two Routers", "test6", Topology::twoRouters},
}};

constexpr std::array<ActivityMenuItem, 12> kTroubleshooting = {{
    {"Troubleshooting", "Troubleshooting 1: LAN Hosts Cannot Reach The Router", "troubleshooting1"},
    {"Troubleshooting", "Troubleshooting 2: The Remote LAN Is Out Of Reach", "troubleshooting2"},
    {"Troubleshooting", "Troubleshooting 3: Routes That Never Arrive", "troubleshooting3"},
    {"Troubleshooting", "Troubleshooting 4: Two Routers, No Link", "troubleshooting4"},
    {"Troubleshooting", "Troubleshooting 5: One LAN Stays Hidden", "troubleshooting5"},
    {"Troubleshooting", "Troubleshooting 6: Routes Without Traffic", "troubleshooting6"},
    {"Troubleshooting", "Troubleshooting 7: Some Office Hosts Stay Silent", "troubleshooting7"},
    {"Troubleshooting", "Troubleshooting 8: A Link That Never Comes Up", "troubleshooting8"},
    {"Troubleshooting", "Troubleshooting 9: The Far LAN Stays Silent", "troubleshooting9"},
    {"Troubleshooting", "Troubleshooting 10: A Route On Paper Only", "troubleshooting10"},
    {"Troubleshooting", "Troubleshooting 11: The Remote Console Stays Closed", "troubleshooting11"},
    {"Troubleshooting", "Troubleshooting 12: A Link Up But Mute", "troubleshooting12"},
}};

// Lower case with every run of blanks made one blank and none at the ends, so that a caption
// typed by hand matches however it was spaced.
std::string folded(std::string_view text) {
  std::string result;
  for (const char character : text) {
    const auto byte = static_cast<unsigned char>(character);
    if (std::isspace(byte)) {
      if (!result.empty() && result.back() != ' ') result.push_back(' ');
    } else {
      result.push_back(static_cast<char>(std::tolower(byte)));
    }
  }
  if (!result.empty() && result.back() == ' ') result.pop_back();
  return result;
}

std::optional<std::size_t> menuNumber(std::string_view text, std::size_t count) {
  std::size_t number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (number < 1 || number > count) return std::nullopt;
  return number - 1;
}

}  // namespace

std::span<const ActivityMenuItem> labMenu() { return kLabs; }

Topology labTopology(std::string_view key) {
  for (const ActivityMenuItem& lab : kLabs) {
    if (lab.key == key) return lab.topology;
  }
  return Topology::lab;
}
std::span<const ActivityMenuItem> testMenu() { return kTests; }
std::span<const ActivityMenuItem> troubleshootingMenu() { return kTroubleshooting; }

std::optional<ActivityMenuItem> findMenuItem(std::span<const ActivityMenuItem> menu,
                                             std::string_view name) {
  const std::string wanted = folded(name);
  if (wanted.empty()) return std::nullopt;
  if (const auto index = menuNumber(wanted, menu.size())) return menu[*index];
  for (const ActivityMenuItem& item : menu) {
    if (folded(item.key) == wanted || folded(item.caption) == wanted) return item;
  }
  return std::nullopt;
}

}  // namespace kovrel

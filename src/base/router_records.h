// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace kovrel {

/// One interface's settings. The address and mask belong to the running configuration only: the
/// saved configuration never holds them, and loading it leaves them alone.
struct InterfaceConfig {
  bool shutdown = true;
  int bandwidth = 1544;  // kbit/s; Ethernet0 starts at 10000, its 10 Mbit/s
  int clockRate = 0;     // bit/s; 0 = none
  std::string description;
  int keepalive = 10;
  bool cdpEnable = true;
  std::string ipAddress;  // dotted quad as typed; empty = none
  std::string subnetMask;
  int accessGroupOut = 0;  // access-list number; 0 = none
  int accessGroupIn = 0;

  static InterfaceConfig serialFactory() { return {}; }
  static InterfaceConfig ethernetFactory() {
    InterfaceConfig ethernet;
    ethernet.bandwidth = 10000;
    return ethernet;
  }
  bool operator==(const InterfaceConfig&) const = default;
};

/// One name-to-address pair of the static host table; a name with several addresses has one item
/// per address.
struct HostAddress {
  std::string hostName;
  std::string address;
  bool operator==(const HostAddress&) const = default;
};

/// One "network" statement under "router igrp", with the AS number it was given under.
struct IgrpNetwork {
  int asNumber = 0;
  std::string network;
  bool operator==(const IgrpNetwork&) const = default;
};

/// What a standard access-list entry matches and whether it permits or denies it: any source,
/// one host, or the addresses an address and wildcard pair covers.
enum class AccessEntryKind { denyAddress, permitAddress, denyAny, permitAny, permitHost, denyHost };

/// One line of a standard access list.
struct AccessListEntry {
  AccessEntryKind entryKind = AccessEntryKind::denyAddress;
  std::string address;
  std::string wildcard;
  int listNumber = 0;
  bool operator==(const AccessListEntry&) const = default;
};

/// The interface numbers every per-interface operation takes.
enum InterfaceNumber { kSerial0 = 0, kSerial1 = 1, kEthernet0 = 2 };

/// One "ip route" statement: where packets for a network go, to a next-hop address or out of an
/// interface, and how much the route is trusted (administrative distance, lower wins).
struct StaticRoute {
  std::string network;  // dotted quads as typed
  std::string mask;
  std::string nextHop;  // empty when the route names an interface
  std::optional<InterfaceNumber> interface;
  int distance = 1;
  bool operator==(const StaticRoute&) const = default;
};

/// The interface's name as the router writes it: "Serial0", "Serial1", "Ethernet0".
std::string interfaceName(InterfaceNumber number);

/// The code the command catalogue marks an interface's rows with: "0", "1" or "2".
std::string catalogueInterfaceCode(InterfaceNumber number);

/// The router's terminal lines; "line" selects one, and its commands change that line's fields.
/// `none`: no line selected yet.
enum class TerminalLine { none, aux, console, vty };

/// One terminal line's settings: the console, the auxiliary port and the remote (vty) lines all
/// have the same few.
struct LineConfig {
  std::string password;
  bool passwordEncrypted = false;  // shown as "password 7 ..." since password encryption ran
  bool login = false;
  int execTimeoutMinutes = 10;
  int execTimeoutSeconds = 0;
  // A router message re-shows the prompt and the typed text after it, instead of breaking in.
  bool loggingSynchronous = false;
  bool operator==(const LineConfig&) const = default;
};

/// A router's configuration: the running configuration inside `RouterState`, and the saved
/// ("startup-config") configuration that both routers share. Member initialisers are the factory
/// defaults.
struct RouterConfig {
  int historySize = 10;
  std::string hostname = "Router";
  std::string enableSecret;
  std::string enablePassword;
  bool enablePasswordEncrypted = false;
  bool passwordEncryption = false;  // service password-encryption
  std::string bannerMotd;
  std::string bannerExec;
  std::string bannerLogin;
  bool domainLookup = true;
  std::string domainName;
  bool httpServer = false;
  std::array<LineConfig, 3> lines;  // aux 0, con 0, vty 0 4
  bool cdpRun = true;
  int cdpTimer = 60;
  int cdpHoldtime = 180;
  InterfaceConfig serial0 = InterfaceConfig::serialFactory();
  InterfaceConfig serial1 = InterfaceConfig::serialFactory();
  InterfaceConfig ethernet0 = InterfaceConfig::ethernetFactory();
  std::vector<std::string> nameServers;
  std::vector<HostAddress> hosts;
  std::vector<std::string> ripNetworks;
  bool ripEnabled = false;
  bool igrpEnabled = false;
  std::vector<IgrpNetwork> igrpNetworks;
  std::vector<AccessListEntry> accessLists;
  bool ipRouting = true;
  std::vector<StaticRoute> staticRoutes;

  InterfaceConfig& interface(InterfaceNumber number);
  const InterfaceConfig& interface(InterfaceNumber number) const;
  /// The settings of a terminal line; `TerminalLine::none` has none, and gives the console's.
  LineConfig& line(TerminalLine which);
  const LineConfig& line(TerminalLine which) const;
  bool operator==(const RouterConfig&) const = default;
};

/// The console modes. The prompt of every mode is the host name followed by the mode's suffix.
enum class CliMode {
  none,  // no session: "Press RETURN to get started."
  user,
  priv,
  conf,
  configIf,
  configLine,
  configRouterRip,
  configRouterIgrp,
};

/// The mode's name as the router's catalogue and lessons call it ("user", "priv", "config-if",
/// ...).
const char* cliModeName(CliMode mode);
/// The prompt suffix of a mode (">", "#", "(config)#", ...); empty for `CliMode::none`.
const char* promptSuffix(CliMode mode);
bool isConfigurationMode(CliMode mode);

/// Where the copy dialog stands: the question whose answer the next entered line is.
enum class CopyDialogStep {
  none,
  saveDestination,  // copy running-config startup-config
  loadDestination,  // copy startup-config running-config
  tftpHost,         // copy tftp running-config
  tftpSource,
  tftpDestination,
};

/// The first half of an interface's status line: shut down in the configuration, open with
/// nothing at the other end of its cable, or open and joined to something.
enum class LinkStatus { administrativelyDown, down, up };

/// Both halves of an interface's status line, as the router last announced them.
struct InterfaceState {
  LinkStatus status = LinkStatus::administrativelyDown;
  bool protocolUp = false;
  bool operator==(const InterfaceState&) const = default;
};

/// Serial0, Serial1 and Ethernet0, in the order of `InterfaceNumber`.
using InterfaceStates = std::array<InterfaceState, 3>;

/// The live state of one router: its console session and its running configuration.
struct RouterState {
  std::string prompt;
  std::string savedPrompt;
  std::vector<std::string> history;
  int historyIndex = 1;
  std::string historyDraft;
  CliMode mode = CliMode::none;
  TerminalLine currentLine = TerminalLine::none;
  int passwordTries = 0;
  InterfaceNumber currentInterface = kSerial0;  // the one "interface" selected last
  CopyDialogStep copyDialogStep = CopyDialogStep::none;
  int igrpAsNumber = 0;     // running state only, never saved
  std::string consoleText;  // the console output while this router is parked
  std::string inputText;    // the input line while this router is parked
  // What the link messages last told of: changes since are announced. Nothing before the session's
  // first command, so a boot and a scenario's set-up announce nothing.
  std::optional<InterfaceStates> announcedStates;
  // The LAN hosts that answered a ping since the router booted: its ARP cache.
  std::vector<std::string> arpEntries;
  RouterConfig config;  // the running configuration

  /// The current interface's record; Serial0 when none is selected.
  InterfaceConfig& selectedInterface() { return config.interface(currentInterface); }
};

}  // namespace kovrel

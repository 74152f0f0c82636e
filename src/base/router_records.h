#pragma once

#include <string>
#include <vector>

namespace kovrel {

/// One interface's settings. The address and mask belong to the running configuration only: the
/// saved configuration never holds them, and loading it leaves them alone.
struct InterfaceConfig {
  bool shutdown = true;
  int bandwidth = 1544;  // kbit/s; Ethernet0 starts at 1000
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
    ethernet.bandwidth = 1000;
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

/// The code the command catalogue marks an interface's rows with: "0", "1" or "2".
std::string catalogueInterfaceCode(InterfaceNumber number);

/// A router's configuration: the running configuration inside `RouterState`, and the saved
/// ("startup-config") configuration that both routers share. Member initialisers are the factory
/// defaults.
struct RouterConfig {
  int historySize = 10;
  std::string hostname = "Router";
  std::string enableSecret;
  std::string enablePassword;
  std::string bannerMotd;
  std::string bannerExec;
  std::string bannerLogin;
  bool auxLogin = false;
  bool conLogin = false;
  bool vtyLogin = false;
  std::string auxPassword;
  std::string conPassword;
  std::string vtyPassword;
  bool domainLookup = true;
  std::string domainName;
  bool httpServer = false;
  int auxExecTimeoutMinutes = 10;
  int auxExecTimeoutSeconds = 0;
  int conExecTimeoutMinutes = 10;
  int conExecTimeoutSeconds = 0;
  int vtyExecTimeoutMinutes = 10;
  int vtyExecTimeoutSeconds = 0;
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

  InterfaceConfig& interface(InterfaceNumber number);
  const InterfaceConfig& interface(InterfaceNumber number) const;
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

/// The terminal line that "line" selected last; its password, login and exec-timeout commands
/// change that line's fields.
enum class TerminalLine { none, aux, console, vty };

/// Where the copy dialog stands: the question whose answer the next entered line is.
enum class CopyDialogStep {
  none,
  saveDestination,  // copy running-config startup-config
  loadDestination,  // copy startup-config running-config
  tftpHost,         // copy tftp running-config
  tftpSource,
  tftpDestination,
};

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
  RouterConfig config;      // the running configuration

  /// The current interface's record; Serial0 when none is selected.
  InterfaceConfig& selectedInterface() { return config.interface(currentInterface); }
};

}  // namespace kovrel

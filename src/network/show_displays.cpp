// SPDX-License-Identifier: GPL-3.0-or-later
#include "network/show_displays.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <optional>
#include <vector>

#include "base/error_log.h"
#include "base/output.h"
#include "base/paging.h"
#include "config/config_rendering.h"
#include "config/saved_config.h"

namespace kovrel {
namespace {

constexpr int kBuildingConfigurationPauseMs = 1200;
constexpr std::size_t kHostColumnWidth = 24;

std::string hostLine(const RouterConfig& config, const std::string& name) {
  std::string line = name;
  // A name too long for its column is still kept apart from the flags by one blank.
  if (line.size() > kHostColumnWidth) {
    line += ' ';
  } else {
    line.resize(kHostColumnWidth, ' ');
  }
  line += " (perm, OK) 67   IP    ";
  bool first = true;
  for (const HostAddress& host : config.hosts) {
    if (host.hostName != name) continue;
    if (!first) line += "  ";
    line += host.address;
    first = false;
  }
  return line;
}

// A countdown from 1 to `period` seconds; only ever shown, never acted on.
int nextDue(RandomSource& random, int period) {
  return static_cast<int>(random.nextUnit() * period + 1);
}

void ripBlock(std::string& text, const RouterConfig& config, RandomSource& random) {
  text += "\r\nRouting Protocol is 'rip'";
  text += "\r\n  Sending updates every 30 seconds, next due in " +
          std::to_string(nextDue(random, 30)) + " seconds";
  text += "\r\n  Invalid after 180 seconds, hold down 180, flushed after 240";
  text += "\r\n  Outgoing update filter list for all interfaces is";
  text += "\r\n  Incoming update filter list for all interfaces is";
  text += "\r\n  Redistributing: rip";
  text += "\r\n  Default version control: send version 1, receive any version";
  text += "\r\n  Routing for Networks:";
  for (const std::string& network : config.ripNetworks) text += "\r\n    " + network;
  text += "\r\n  Routing Information Sources:";
  text += "\r\n    Gateway         Distance      Last Update";
  text += "\r\n  Distance: (default is 120)";
}

void igrpBlock(std::string& text, const RouterConfig& config, int asNumber, RandomSource& random) {
  const std::string as = std::to_string(asNumber);
  text += "\r\n    ";
  text += "\r\nRouting Protocol is 'igrp " + as + "'";
  text += "\r\n  Sending updates every 90 seconds, next due in " +
          std::to_string(nextDue(random, 90)) + " seconds";
  text += "\r\n  Invalid after 270 seconds, hold down 280, flushed after 630";
  text += "\r\n  Outgoing update filter list for all interfaces is";
  text += "\r\n  Incoming update filter list for all interfaces is";
  text += "\r\n  Default networks flagged in outgoing updates";
  text += "\r\n  Default networks accepted from incoming updates";
  text += "\r\n  IGRP metric weight K1=1, K2=0, K3=1, K4=0, K5=0";
  text += "\r\n  IGRP maximum hopcount 100";
  text += "\r\n  IGRP maximum metric variance 1";
  text += "\r\n  Redistributing: igrp " + as;
  text += "\r\n  Routing for Networks:";
  for (const IgrpNetwork& network : config.igrpNetworks) {
    if (network.asNumber == asNumber) text += "\r\n    " + network.network;
  }
  text += "\r\n  Routing Information Sources:";
  text += "\r\n    Gateway         Distance      Last Update";
  text += "\r\n  Distance: (default is 100)";
}

// The texts of a few displays live in the lesson database; a missing row shows nothing.
void pageDatabaseText(Simulator& sim, std::string_view key) {
  const auto text = trapped(
      sim, "showCommand", [&] { return sim.database.cmdInfo(key); }, std::optional<std::string>{});
  if (text) writePaged(sim, *text);
}

}  // namespace

std::string renderHostTable(const RouterConfig& config) {
  std::string text = config.domainName.empty() ? "Default domain is not set"
                                               : "Default domain is " + config.domainName;
  text += "\r\n";
  if (config.domainLookup) {
    text += "Name/address lookup uses domain service \r\nName servers are ";
    if (config.nameServers.empty()) text += " 255.255.255.255";
    for (std::size_t i = 0; i < config.nameServers.size(); ++i) {
      text += (i > 0 ? ", " : "") + config.nameServers[i];
    }
    text += "\r\n\r\n";
  } else {
    text += "Name/address lookup uses static mappings\r\n\r\n";
  }
  text += "Host                     Flags      Age Type   Address(es)\r\n";
  for (const std::string& name : firstOccurrences(config.hosts, &HostAddress::hostName)) {
    text += hostLine(config, name) + "\r\n";
  }
  return text;
}

std::string renderRoutingProtocols(const RouterConfig& config, RandomSource& random) {
  if (!config.ipRouting) return {};
  std::string text;
  if (config.ripEnabled && !config.ripNetworks.empty()) ripBlock(text, config, random);
  if (config.igrpEnabled) {
    for (int as : firstOccurrences(config.igrpNetworks, &IgrpNetwork::asNumber)) {
      igrpBlock(text, config, as, random);
    }
  }
  return text;
}

std::string renderAccessLists(const RouterConfig& config) {
  std::string text;
  for (int number : firstOccurrences(config.accessLists, &AccessListEntry::listNumber)) {
    text += "\r\nStandard IP access list " + std::to_string(number);
    for (const AccessListEntry& entry : config.accessLists) {
      if (entry.listNumber == number) text += "\r\n   " + accessListEntryText(entry);
    }
  }
  return text;
}

std::string clockLine(const std::tm& local) {
  static constexpr std::array<const char*, 7> kWeekdays = {"Sun", "Mon", "Tue", "Wed",
                                                           "Thu", "Fri", "Sat"};
  static constexpr std::array<const char*, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  char time[16];
  std::snprintf(time, sizeof time, "%02d:%02d:%02d", local.tm_hour, local.tm_min, local.tm_sec);
  return std::string("*") + time + " UTC " +
         kWeekdays[static_cast<std::size_t>(local.tm_wday % 7)] + " " +
         kMonths[static_cast<std::size_t>(local.tm_mon % 12)] + " " +
         std::to_string(local.tm_mday) + " " + std::to_string(local.tm_year + 1900) + " ";
}

void showSubcommandsHint(Simulator& sim, std::span<const InterfaceNumber>) {
  writeConsoleLine(sim, "% Type 'show ?' for a list of subcommands");
}

void showFlash(Simulator& sim, std::span<const InterfaceNumber>) {
  pageDatabaseText(sim, "show_flash");
}
void showUsers(Simulator& sim, std::span<const InterfaceNumber>) {
  pageDatabaseText(sim, "show_users");
}
void showVersion(Simulator& sim, std::span<const InterfaceNumber>) {
  pageDatabaseText(sim, "show_version");
}

void showClock(Simulator& sim, std::span<const InterfaceNumber>) {
  const std::time_t now = std::chrono::system_clock::to_time_t(sim.services.clock.now());
  // The engine runs on one thread, so the library's shared conversion buffer is safe here.
  const std::tm* local = std::localtime(&now);
  writeConsoleLine(sim, local ? clockLine(*local) : clockLine(std::tm{}));
}

void showHistory(Simulator& sim, std::span<const InterfaceNumber>) {
  // A copy: writing never changes the history, but the loop should not depend on that.
  const std::vector<std::string> history = sim.router().history;
  for (const std::string& line : history) writeConsoleLine(sim, "  " + line);
}

void showHosts(Simulator& sim, std::span<const InterfaceNumber>) {
  writePaged(sim, renderHostTable(sim.running()));
}

void showIpProtocols(Simulator& sim, std::span<const InterfaceNumber>) {
  if (!sim.running().ipRouting) return;
  writePaged(sim, renderRoutingProtocols(sim.running(), sim.services.random));
}

void showAccessLists(Simulator& sim, std::span<const InterfaceNumber>) {
  writePaged(sim, renderAccessLists(sim.running()));
}

void showRunningConfig(Simulator& sim, std::span<const InterfaceNumber>) {
  showConfiguration(sim, sim.running());
}

void showStartupConfig(Simulator& sim, std::span<const InterfaceNumber>) {
  // The saved configuration keeps no interface addresses, whoever filled it.
  showConfiguration(sim, withoutInterfaceAddresses(sim.state.saved));
}

void showConfiguration(Simulator& sim, const RouterConfig& config) {
  writeConsoleLine(sim, "\r\nBuilding configuration...");
  sim.console.setInput("");
  pauseConsole(sim, kBuildingConfigurationPauseMs);
  // The display opens with an empty line, which takes its place on the first page.
  writePaged(sim, "\r\n" + renderConfiguration(config));
}

}  // namespace kovrel

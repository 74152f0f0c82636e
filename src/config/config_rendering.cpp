// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/config_rendering.h"

#include <string_view>
#include <vector>

#include "config/access_lists.h"
#include "config/password_encryption.h"
#include "config/static_routes.h"

namespace kovrel {
namespace {

/// Collects the display's lines; joined with CR LF at the end.
class Lines {
 public:
  void add(std::string line) { lines_.push_back(std::move(line)); }
  void addIf(bool condition, std::string line) {
    if (condition) add(std::move(line));
  }
  std::string joined() const {
    std::string text;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
      if (i > 0) text += "\r\n";
      text += lines_[i];
    }
    return text;
  }

 private:
  std::vector<std::string> lines_;
};

// The lines both kinds of interface share, in the order the router lists them.
void interfaceCommon(Lines& out, const InterfaceConfig& interface) {
  out.addIf(!interface.description.empty(), " description " + interface.description);
  out.addIf(interface.ipAddress.empty(), " no ip address");
  out.add(" bandwidth " + std::to_string(interface.bandwidth));
  out.addIf(!interface.ipAddress.empty(),
            " ip address " + interface.ipAddress + " " + interface.subnetMask);
  out.addIf(interface.accessGroupOut != 0,
            " ip access-group " + std::to_string(interface.accessGroupOut) + " out");
  out.addIf(interface.accessGroupIn != 0,
            " ip access-group " + std::to_string(interface.accessGroupIn) + " in");
  out.add(" no ip directed-broadcast");
}

void ethernetBlock(Lines& out, const InterfaceConfig& interface) {
  interfaceCommon(out, interface);
  out.add(" keepalive " + std::to_string(interface.keepalive));
  out.addIf(interface.shutdown, " shutdown");
  out.add("!");
}

void serialBlock(Lines& out, const InterfaceConfig& interface) {
  interfaceCommon(out, interface);
  out.add(" no ip mroute-cache");
  out.add(" keepalive " + std::to_string(interface.keepalive));
  out.addIf(interface.shutdown, " shutdown");
  out.add(" no fair-queue");
  out.addIf(interface.clockRate > 0, " clockrate " + std::to_string(interface.clockRate));
  out.addIf(!interface.cdpEnable, " no cdp enable");
  out.add("!");
}

// One line per host name, however many addresses it was given; every address ends in a blank.
void hostLines(Lines& out, const std::vector<HostAddress>& hosts) {
  for (const std::string& name : firstOccurrences(hosts, &HostAddress::hostName)) {
    std::string line = "ip host " + name + " ";
    for (const HostAddress& host : hosts) {
      if (host.hostName == name) line += host.address + " ";
    }
    out.add(std::move(line));
  }
}

void igrpGroups(Lines& out, const std::vector<IgrpNetwork>& networks) {
  for (int asNumber : firstOccurrences(networks, &IgrpNetwork::asNumber)) {
    out.add("!");
    out.add("router igrp " + std::to_string(asNumber));
    for (const IgrpNetwork& network : networks) {
      if (network.asNumber == asNumber) out.add(" network " + network.network);
    }
  }
}

}  // namespace

std::string accessListEntryText(const AccessListEntry& entry) {
  switch (entry.entryKind) {
    case AccessEntryKind::permitAny:
      return " permit any";
    case AccessEntryKind::denyAny:
      return " deny   any";
    case AccessEntryKind::denyHost:
      return " deny   " + entry.address;
    case AccessEntryKind::permitHost:
      return " permit " + entry.address;
    case AccessEntryKind::permitAddress:
      return " permit " + entry.address + ", wildcard bits " + entry.wildcard;
    case AccessEntryKind::denyAddress:
      return " deny   " + entry.address + ", wildcard bits " + entry.wildcard;
  }
  return {};
}

namespace {

void lineBlock(Lines& out, std::string header, const LineConfig& line) {
  out.add(std::move(header));
  out.add(" exec-timeout " + std::to_string(line.execTimeoutMinutes) + " " +
          std::to_string(line.execTimeoutSeconds));
  out.addIf(!line.password.empty(),
            " password " + shownPassword(line.password, line.passwordEncrypted));
  out.addIf(line.loggingSynchronous, " logging synchronous");
  out.addIf(line.login, " login");
}

void globalSection(Lines& out, const RouterConfig& config) {
  for (std::string_view line :
       {"Current configuration:", "!", "version 4.2", "service timestamps debug uptime",
        "service timestamps log uptime"}) {
    out.add(std::string(line));
  }
  out.add(config.passwordEncryption ? "service password-encryption"
                                    : "no service password-encryption");
  out.add("!");
  out.add("hostname " + config.hostname);
  out.add("!");
  out.addIf(!config.enableSecret.empty(), kEnableSecretLine);
  out.addIf(
      !config.enablePassword.empty(),
      "enable password " + shownPassword(config.enablePassword, config.enablePasswordEncrypted));
  out.add("!");
  out.add("ip subnet-zero");
  out.addIf(!config.domainLookup, "no ip domain-lookup");
  hostLines(out, config.hosts);
  out.addIf(!config.domainName.empty(), "ip domain-name " + config.domainName);
  if (!config.nameServers.empty()) {
    std::string line = "ip name-server ";
    for (const std::string& server : config.nameServers) line += server + " ";
    out.add(std::move(line));
  }
  for (int i = 0; i < 3; ++i) out.add("!");
}

void routingSection(Lines& out, const RouterConfig& config) {
  out.add("!");
  if (config.ripEnabled) {
    out.add("router rip");
    for (const std::string& network : config.ripNetworks) out.add(" network " + network);
  }
  if (config.igrpEnabled) igrpGroups(out, config.igrpNetworks);
  out.add("!");
  out.addIf(config.httpServer, "ip http server");
  out.add("ip classless");
  for (const StaticRoute& route : config.staticRoutes) out.add(staticRouteLine(route));
  out.add("!");
  for (const AccessListEntry& entry : config.accessLists) {
    out.add("access-list " + std::to_string(entry.listNumber) + accessListEntryText(entry));
  }
}

// A banner is shown between "^C" delimiters whatever character the student ended it with, its
// text on the lines between them.
void addBanner(Lines& out, std::string_view kind, const std::string& text) {
  if (text.empty()) return;
  out.add("banner " + std::string(kind) + " ^C");
  out.add(text);
  out.add("^C");
}

void cdpAndBanners(Lines& out, const RouterConfig& config) {
  if (config.cdpRun) {
    out.addIf(config.cdpTimer != 60, "cdp timer " + std::to_string(config.cdpTimer));
    out.addIf(config.cdpHoldtime != 180, "cdp holdtime " + std::to_string(config.cdpHoldtime));
  } else {
    out.add("no cdp run");
  }
  addBanner(out, "exec", config.bannerExec);
  addBanner(out, "login", config.bannerLogin);
  addBanner(out, "motd", config.bannerMotd);
}

}  // namespace

std::string renderConfiguration(const RouterConfig& config) {
  Lines out;
  globalSection(out, config);
  out.add("interface Ethernet0");
  ethernetBlock(out, config.ethernet0);
  out.add("interface Serial0");
  serialBlock(out, config.serial0);
  out.add("interface Serial1");
  serialBlock(out, config.serial1);
  routingSection(out, config);
  cdpAndBanners(out, config);
  out.add(" !");
  lineBlock(out, "line con 0", config.line(TerminalLine::console));
  lineBlock(out, "line aux 0", config.line(TerminalLine::aux));
  lineBlock(out, "line vty 0 4", config.line(TerminalLine::vty));
  out.add("!");
  out.add("end");
  return out.joined();
}

}  // namespace kovrel

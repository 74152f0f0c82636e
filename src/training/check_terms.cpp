// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/check_terms.h"

#include <algorithm>
#include <charconv>

#include "base/command_matching.h"
#include "config/saved_config.h"
#include "network/network_view.h"
#include "network/reachability.h"

namespace kovrel {
namespace {

using Arguments = std::vector<std::string>;

int number(const std::string& text) {
  int value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

// Texts forgive the case and the blanks and line breaks around what was typed, as the test grading
// does; "none" stands for nothing set.
bool textIs(std::string_view field, const std::string& expected) {
  const auto first = field.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return expected == "none" || expected.empty();
  const auto last = field.find_last_not_of(" \t\r\n");
  return toLower(field.substr(first, last - first + 1)) == toLower(expected);
}

bool onOff(bool value, const std::string& word) { return value == (word == "on"); }

InterfaceNumber interfaceNamed(const std::string& name) {
  if (name == "serial1") return kSerial1;
  if (name == "ethernet0") return kEthernet0;
  return kSerial0;
}

bool interfaceFact(const InterfaceConfig& interface, CheckKind kind, const Arguments& a) {
  switch (kind) {
    case CheckKind::interfaceAddress:
      return interface.ipAddress == a[1] && interface.subnetMask == a[2];
    case CheckKind::interfaceNoAddress:
      return interface.ipAddress.empty();
    case CheckKind::interfaceUp:
      return !interface.shutdown;
    case CheckKind::interfaceClockRate:
      return interface.clockRate == number(a[1]);
    case CheckKind::interfaceBandwidth:
      return interface.bandwidth == number(a[1]);
    case CheckKind::interfaceDescription:
      return textIs(interface.description, a[1]);
    case CheckKind::interfaceAccessGroup:
      return (a[2] == "in" ? interface.accessGroupIn : interface.accessGroupOut) == number(a[1]);
    case CheckKind::interfaceCdp:
      return onOff(interface.cdpEnable, a[1]);
    default:
      return false;
  }
}

const LineConfig& lineFields(const RouterConfig& c, const std::string& line) {
  if (line == "aux") return c.line(TerminalLine::aux);
  if (line == "vty") return c.line(TerminalLine::vty);
  return c.line(TerminalLine::console);
}

bool accessEntryIs(const AccessListEntry& entry, const Arguments& a) {
  if (entry.listNumber != number(a[0])) return false;
  const bool permit = a[1] == "permit";
  if (a.size() == 3 && a[2] == "any") {
    return entry.entryKind == (permit ? AccessEntryKind::permitAny : AccessEntryKind::denyAny);
  }
  if (a.size() == 4 && a[2] == "host") {
    return entry.entryKind == (permit ? AccessEntryKind::permitHost : AccessEntryKind::denyHost) &&
           entry.address == a[3];
  }
  return a.size() == 4 &&
         entry.entryKind ==
             (permit ? AccessEntryKind::permitAddress : AccessEntryKind::denyAddress) &&
         entry.address == a[2] && entry.wildcard == a[3];
}

bool listIs(const std::vector<std::string>& list, const Arguments& a, std::size_t from) {
  if (a.size() == from + 1 && a[from] == "none") return list.empty();
  return std::equal(list.begin(), list.end(), a.begin() + static_cast<std::ptrdiff_t>(from),
                    a.end());
}

bool hostEntryIs(const RouterConfig& c, const Arguments& a) {
  std::vector<std::string> addresses;
  for (const HostAddress& host : c.hosts) {
    if (toLower(host.hostName) == toLower(a[0])) addresses.push_back(host.address);
  }
  return listIs(addresses, a, 1);
}

bool igrpRuns(const Simulator& sim, int asNumber) {
  const RouterConfig& c = sim.state.current.config;
  const bool named = sim.state.current.igrpAsNumber == asNumber ||
                     std::any_of(c.igrpNetworks.begin(), c.igrpNetworks.end(),
                                 [&](const IgrpNetwork& n) { return n.asNumber == asNumber; });
  return c.igrpEnabled && named;
}

// The router a ping starts from: the one at the console, or the one named.
bool pingSucceeds(const Simulator& sim, const Arguments& a) {
  NetworkView view = networkView(sim);
  if (a.size() < 2) return testReachability(view, a[0]);
  const RouterId from = a[1] == "RouterB" ? RouterId::b : RouterId::a;
  if (from == sim.state.currentRouter) return testReachability(view, a[0]);
  const SimulatorState& s = sim.state;
  const RouterConfig& parked = from == RouterId::a ? s.parkedA.config : s.parkedB.config;
  return testReachability(
      NetworkView{parked, s.current.config, s.training.addresses, s.training.topology, from}, a[0]);
}

bool routerBConfigured(const Simulator& sim) {
  const SimulatorState& s = sim.state;
  const RouterState& b = s.currentRouter == RouterId::b ? s.current : s.parkedB;
  if (b.config.hostname.empty()) return false;
  RouterConfig fresh;
  fresh.hostname = b.config.hostname;
  return !(b.config == fresh);
}

bool globalFact(const Simulator& sim, const CheckKind kind, const Arguments& a) {
  const RouterConfig& c = sim.state.current.config;
  switch (kind) {
    case CheckKind::mode:
      return cliModeName(sim.state.current.mode) == a[0];
    case CheckKind::hostname:
      return textIs(c.hostname, a[0]);
    case CheckKind::banner:
      return textIs(a[0] == "motd"   ? c.bannerMotd
                    : a[0] == "exec" ? c.bannerExec
                                     : c.bannerLogin,
                    a[1]);
    case CheckKind::enablePassword:
      return textIs(c.enablePassword, a[0]);
    case CheckKind::enableSecret:
      return textIs(c.enableSecret, a[0]);
    case CheckKind::linePassword:
      return textIs(lineFields(c, a[0]).password, a[1]);
    case CheckKind::lineLogin:
      return onOff(lineFields(c, a[0]).login, a[1]);
    case CheckKind::lineTimeout: {
      const LineConfig& line = lineFields(c, a[0]);
      return line.execTimeoutMinutes == number(a[1]) && line.execTimeoutSeconds == number(a[2]);
    }
    case CheckKind::historySize:
      return c.historySize == number(a[0]);
    case CheckKind::domainLookup:
      return onOff(c.domainLookup, a[0]);
    case CheckKind::domainName:
      return textIs(c.domainName, a[0]);
    case CheckKind::nameServers:
      return listIs(c.nameServers, a, 0);
    case CheckKind::hostEntry:
      return hostEntryIs(c, a);
    case CheckKind::httpServer:
      return onOff(c.httpServer, a[0]);
    case CheckKind::cdpRun:
      return onOff(c.cdpRun, a[0]);
    case CheckKind::cdpTimer:
      return c.cdpTimer == number(a[0]);
    case CheckKind::cdpHoldtime:
      return c.cdpHoldtime == number(a[0]);
    case CheckKind::ipRouting:
      return onOff(c.ipRouting, a[0]);
    case CheckKind::ripRunning:
      return onOff(c.ripEnabled, a[0]);
    case CheckKind::ripNetwork:
      return std::find(c.ripNetworks.begin(), c.ripNetworks.end(), a[0]) != c.ripNetworks.end();
    case CheckKind::igrpRunning:
      return onOff(igrpRuns(sim, number(a[0])), a[1]);
    case CheckKind::igrpNetwork:
      return std::find(c.igrpNetworks.begin(), c.igrpNetworks.end(),
                       IgrpNetwork{number(a[0]), a[1]}) != c.igrpNetworks.end();
    case CheckKind::accessListEmpty:
      return std::none_of(c.accessLists.begin(), c.accessLists.end(),
                          [&](const AccessListEntry& e) { return e.listNumber == number(a[0]); });
    case CheckKind::accessListEntry:
      return std::any_of(c.accessLists.begin(), c.accessLists.end(),
                         [&](const AccessListEntry& e) { return accessEntryIs(e, a); });
    case CheckKind::savedEqualsRunning:
      return withoutInterfaceAddresses(c) == withoutInterfaceAddresses(sim.state.saved);
    case CheckKind::savedHostname:
      return textIs(sim.state.saved.hostname, a[0]);
    case CheckKind::pingSucceeds:
      return pingSucceeds(sim, a);
    case CheckKind::routerBConfigured:
      return routerBConfigured(sim);
    default:
      return false;
  }
}

}  // namespace

bool factHolds(const Simulator& sim, const CheckTerm& term) {
  if (isEvent(term.kind)) return false;
  const bool interfaceTerm =
      term.kind >= CheckKind::interfaceAddress && term.kind <= CheckKind::interfaceCdp;
  const bool holds =
      interfaceTerm
          ? interfaceFact(sim.state.current.config.interface(interfaceNamed(term.arguments[0])),
                          term.kind, term.arguments)
          : globalFact(sim, term.kind, term.arguments);
  return holds != term.negated;
}

}  // namespace kovrel

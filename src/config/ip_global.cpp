// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/ip_global.h"

#include <algorithm>
#include <span>

#include "base/ip_arithmetic.h"
#include "base/output.h"
#include "config/command_forms.h"
#include "config/static_routes.h"

namespace kovrel {
namespace {

constexpr std::size_t kMostNameServers = 6;
constexpr std::size_t kMostHostAddresses = 8;

bool allValidAddresses(std::span<const std::string> words) {
  return std::all_of(words.begin(), words.end(),
                     [](const std::string& word) { return isValidIpAddress(word); });
}

FormOutcome enableDomainLookup(Simulator& sim, const Words&) {
  sim.running().domainLookup = true;
  return FormOutcome::done;
}

FormOutcome setDomainName(Simulator& sim, const Words& words) {
  sim.running().domainName = words[2];
  return FormOutcome::done;
}

// The command replaces the whole list; every address is checked before the old list goes.
FormOutcome setNameServers(Simulator& sim, const Words& words) {
  const auto addresses = std::span(words).subspan(2);
  if (addresses.size() > kMostNameServers || !allValidAddresses(addresses)) {
    return refuseValue(sim);
  }
  sim.running().nameServers.assign(addresses.begin(), addresses.end());
  return FormOutcome::done;
}

// A name's addresses are replaced as a group; the other names keep their places in the table.
FormOutcome setHostAddresses(Simulator& sim, const Words& words) {
  const auto addresses = std::span(words).subspan(3);
  if (addresses.size() > kMostHostAddresses || !allValidAddresses(addresses)) {
    return refuseValue(sim);
  }
  auto& hosts = sim.running().hosts;
  const std::string& name = words[2];
  std::erase_if(hosts, [&name](const HostAddress& host) { return host.hostName == name; });
  for (const std::string& address : addresses) hosts.push_back({name, address});
  return FormOutcome::done;
}

FormOutcome enableHttpServer(Simulator& sim, const Words&) {
  sim.running().httpServer = true;
  return FormOutcome::done;
}

FormOutcome enableIpRouting(Simulator& sim, const Words&) {
  sim.running().ipRouting = true;
  return FormOutcome::done;
}

constexpr CommandForm kGlobalIpForms[] = {
    {"ip domain-lookup", enableDomainLookup},
    {"ip domain-name WORD", setDomainName},
    {"ip name-server A.B.C.D...", setNameServers},
    {"ip host WORD A.B.C.D...", setHostAddresses},
    {"ip http server", enableHttpServer},
    {"ip routing", enableIpRouting},
    // The next hop or the interface, and the distance, are read by the action.
    {"ip route A.B.C.D ROUTEMASK WORD...", addStaticRoute},
};

}  // namespace

std::span<const CommandForm> globalIpForms() { return kGlobalIpForms; }

}  // namespace kovrel

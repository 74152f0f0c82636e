// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/routing_protocols.h"

#include <algorithm>

#include "base/ip_arithmetic.h"
#include "base/output.h"
#include "config/command_forms.h"

namespace kovrel {
namespace {

std::optional<int> asNumberOf(std::string_view word) { return numberInRange(word, 1, 65535); }

constexpr std::string_view kRoutingOff = "IP routing not enabled";

FormOutcome startRip(Simulator& sim, const Words&) {
  if (!sim.running().ipRouting) {
    writeConsoleLine(sim, kRoutingOff);
    return FormOutcome::done;
  }
  sim.running().ripEnabled = true;
  enterMode(sim, CliMode::configRouterRip);
  return FormOutcome::done;
}

FormOutcome startIgrp(Simulator& sim, const Words& words) {
  const auto asNumber = asNumberOf(words[2]);
  if (!asNumber) return FormOutcome::notThisForm;
  if (!sim.running().ipRouting) {
    writeConsoleLine(sim, kRoutingOff);
    return FormOutcome::done;
  }
  // Later "network" commands are filed under the AS of the last "router igrp".
  sim.router().igrpAsNumber = *asNumber;
  sim.running().igrpEnabled = true;
  enterMode(sim, CliMode::configRouterIgrp);
  return FormOutcome::done;
}

FormOutcome addRipNetwork(Simulator& sim, const Words& words) {
  if (!isValidIpAddress(words[1])) return FormOutcome::notThisForm;
  const std::string network = classfulNetwork(words[1]);
  auto& networks = sim.running().ripNetworks;
  const bool known =
      std::any_of(networks.begin(), networks.end(),
                  [&network](const std::string& item) { return trimBlanks(item) == network; });
  if (!known) networks.push_back(network);
  return FormOutcome::done;
}

FormOutcome addIgrpNetwork(Simulator& sim, const Words& words) {
  if (!isValidIpAddress(words[1])) return FormOutcome::notThisForm;
  const IgrpNetwork item{sim.router().igrpAsNumber, classfulNetwork(words[1])};
  auto& networks = sim.running().igrpNetworks;
  if (std::find(networks.begin(), networks.end(), item) == networks.end()) networks.push_back(item);
  return FormOutcome::done;
}

FormOutcome removeRipNetwork(Simulator& sim, const Words& words) {
  if (!isValidIpAddress(words[2])) return FormOutcome::notThisForm;
  std::erase(sim.running().ripNetworks, classfulNetwork(words[2]));
  return FormOutcome::done;
}

FormOutcome removeIgrpNetwork(Simulator& sim, const Words& words) {
  if (!isValidIpAddress(words[2])) return FormOutcome::notThisForm;
  const std::string network = classfulNetwork(words[2]);
  std::erase_if(sim.running().igrpNetworks,
                [&network](const IgrpNetwork& item) { return item.network == network; });
  return FormOutcome::done;
}

constexpr CommandForm kRouterForms[] = {
    {"router rip", startRip},
    {"router igrp <1-65535>", startIgrp},
};
constexpr CommandForm kRipForms[] = {
    {"network A.B.C.D", addRipNetwork},
    {"no network A.B.C.D", removeRipNetwork},
};
constexpr CommandForm kIgrpForms[] = {
    {"network A.B.C.D", addIgrpNetwork},
    {"no network A.B.C.D", removeIgrpNetwork},
};

}  // namespace

std::span<const CommandForm> routerForms() { return kRouterForms; }
std::span<const CommandForm> ripForms() { return kRipForms; }
std::span<const CommandForm> igrpForms() { return kIgrpForms; }

void stopRip(Simulator& sim) { sim.running().ripEnabled = false; }

bool removeIgrpProcess(Simulator& sim, std::string_view asNumber) {
  const auto number = asNumberOf(asNumber);
  if (!number) return false;
  auto& networks = sim.running().igrpNetworks;
  std::erase_if(networks, [&number](const IgrpNetwork& item) { return item.asNumber == *number; });
  if (networks.empty()) sim.running().igrpEnabled = false;
  return true;
}

void stopIpRouting(Simulator& sim) {
  RouterConfig& config = sim.running();
  config.ipRouting = false;
  config.ripEnabled = false;
  config.igrpEnabled = false;
  config.ripNetworks.clear();
  config.igrpNetworks.clear();
}

}  // namespace kovrel

// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/cdp_commands.h"

#include "base/ip_arithmetic.h"
#include "base/output.h"
#include "config/command_forms.h"

namespace kovrel {
namespace {

constexpr std::size_t kLongestCdpValue = 3;

FormOutcome startCdp(Simulator& sim, const Words&) {
  sim.running().cdpRun = true;
  return FormOutcome::done;
}

FormOutcome setCdpTimer(Simulator& sim, const Words& words) {
  const auto seconds = boundedNumber(words[2], kLongestCdpValue, 5, 900);
  if (!seconds) return FormOutcome::notThisForm;
  sim.running().cdpTimer = *seconds;
  return FormOutcome::done;
}

FormOutcome setCdpHoldtime(Simulator& sim, const Words& words) {
  const auto seconds = boundedNumber(words[2], kLongestCdpValue, 10, 255);
  if (!seconds) return FormOutcome::notThisForm;
  sim.running().cdpHoldtime = *seconds;
  return FormOutcome::done;
}

FormOutcome enableInterfaceCdp(Simulator& sim, const Words&) {
  sim.router().selectedInterface().cdpEnable = true;
  return FormOutcome::done;
}

// The router takes "cdp run" in interface mode as a global command and leaves the interface.
FormOutcome startCdpFromInterfaceMode(Simulator& sim, const Words&) {
  sim.running().cdpRun = true;
  enterMode(sim, CliMode::priv);
  writeConsoleLine(sim, "");
  return FormOutcome::done;
}

constexpr CommandForm kGlobalCdpForms[] = {
    {"cdp run", startCdp},
    {"cdp timer <5-900>", setCdpTimer},
    {"cdp holdtime <10-255>", setCdpHoldtime},
};

constexpr CommandForm kInterfaceCdpForms[] = {
    {"cdp enable", enableInterfaceCdp},
    {"cdp run", startCdpFromInterfaceMode},
};

}  // namespace

std::span<const CommandForm> globalCdpForms() { return kGlobalCdpForms; }
std::span<const CommandForm> interfaceCdpForms() { return kInterfaceCdpForms; }

void stopCdpFromInterfaceMode(Simulator& sim) {
  sim.running().cdpRun = false;
  enterMode(sim, CliMode::priv);
  writeConsoleLine(sim, "");
}

}  // namespace kovrel

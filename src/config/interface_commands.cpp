// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/interface_commands.h"

#include <algorithm>
#include <array>

#include "base/ip_arithmetic.h"
#include "base/output.h"
#include "config/cdp_commands.h"
#include "config/command_forms.h"

namespace kovrel {
namespace {

constexpr std::size_t kLongestDescription = 80;
constexpr std::array<int, 18> kKnownClockRates = {
    1200,   2400,   4800,   9600,   19200,  38400,   56000,   64000,   72000,
    125000, 148000, 250000, 500000, 800000, 1000000, 1300000, 2000000, 4000000};

InterfaceNumber selectedNumber(const Simulator& sim) { return sim.state.current.currentInterface; }

InterfaceConfig& selected(Simulator& sim) { return sim.router().selectedInterface(); }

std::optional<int> standardListNumber(std::string_view word) { return numberInRange(word, 1, 99); }

template <InterfaceNumber kInterface>
FormOutcome selectInterface(Simulator& sim, const Words&) {
  sim.router().currentInterface = kInterface;
  enterMode(sim, CliMode::configIf);
  return FormOutcome::done;
}

constexpr CommandForm kSelectionForms[] = {
    {"interface serial 0", selectInterface<kSerial0>},
    {"interface serial 1", selectInterface<kSerial1>},
    {"interface ethernet 0", selectInterface<kEthernet0>},
};

FormOutcome setOutboundGroup(Simulator& sim, const Words& words) {
  const auto number = standardListNumber(words[2]);
  if (!number) return FormOutcome::notThisForm;
  selected(sim).accessGroupOut = *number;
  return FormOutcome::done;
}

FormOutcome setInboundGroup(Simulator& sim, const Words& words) {
  const auto number = standardListNumber(words[2]);
  if (!number) return FormOutcome::notThisForm;
  selected(sim).accessGroupIn = *number;
  return FormOutcome::done;
}

// Two interfaces on one network would make routing ambiguous, so the second is refused.
FormOutcome setAddress(Simulator& sim, const Words& words) {
  const std::string& address = words[2];
  const std::string& mask = words[3];
  if (!isValidIpAddress(address) || !isValidSubnetMask(mask)) return FormOutcome::notThisForm;
  if (const auto overlap =
          checkInterfaceOverlap(sim.running(), address, mask, selectedNumber(sim))) {
    writeConsoleLine(sim, overlapMessage(*overlap));
    return FormOutcome::done;
  }
  selected(sim).ipAddress = address;
  selected(sim).subnetMask = mask;
  return FormOutcome::done;
}

FormOutcome setKeepalive(Simulator& sim, const Words& words) {
  const auto seconds = boundedNumber(words[1], 5, 0, 32767);
  if (!seconds) return FormOutcome::notThisForm;
  selected(sim).keepalive = *seconds;
  return FormOutcome::done;
}

FormOutcome shutDown(Simulator& sim, const Words&) {
  selected(sim).shutdown = true;
  return FormOutcome::done;
}

FormOutcome setBandwidth(Simulator& sim, const Words& words) {
  const auto kilobits = boundedNumber(words[1], 8, 1, 10'000'000);
  if (!kilobits) return FormOutcome::notThisForm;
  selected(sim).bandwidth = *kilobits;
  return FormOutcome::done;
}

// Only a serial interface's cable end supplies a clock, and only at the rates the router knows.
FormOutcome setClockRate(Simulator& sim, const Words& words) {
  const auto rate = boundedNumber(words[2], 7, 300, 4'000'000);
  if (!rate || selectedNumber(sim) == kEthernet0) return refuseValue(sim);
  if (std::find(kKnownClockRates.begin(), kKnownClockRates.end(), *rate) ==
      kKnownClockRates.end()) {
    writeConsoleLine(sim, "Unknown clock rate");
    return FormOutcome::done;
  }
  selected(sim).clockRate = *rate;
  return FormOutcome::done;
}

// The topology may keep an interface down; the command is accepted either way.
FormOutcome bringUp(Simulator& sim, const Words&) {
  selected(sim).shutdown = false;
  return FormOutcome::done;
}

FormOutcome stopCdpHere(Simulator& sim, const Words&) {
  stopCdpFromInterfaceMode(sim);
  return FormOutcome::done;
}

FormOutcome disableInterfaceCdp(Simulator& sim, const Words&) {
  selected(sim).cdpEnable = false;
  return FormOutcome::done;
}

// The mask stays behind; only the address marks an interface as addressed.
FormOutcome removeAddress(Simulator& sim, const Words&) {
  selected(sim).ipAddress.clear();
  return FormOutcome::done;
}

FormOutcome removeClockRate(Simulator& sim, const Words&) {
  if (selectedNumber(sim) == kEthernet0) return refuseValue(sim);
  selected(sim).clockRate = 0;
  return FormOutcome::done;
}

// Clears the group of one direction ("in" or "out"); false for any other word.
bool clearAccessGroup(Simulator& sim, std::string_view direction) {
  if (direction == "in") {
    selected(sim).accessGroupIn = 0;
  } else if (direction == "out") {
    selected(sim).accessGroupOut = 0;
  } else {
    return false;
  }
  return true;
}

// The list number only has to be a standard one; it need not be the list applied.
FormOutcome clearGroup(Simulator& sim, const Words& words) {
  if (!clearAccessGroup(sim, words.back())) return FormOutcome::notThisForm;
  return FormOutcome::done;
}

FormOutcome clearDescription(Simulator& sim, const Words&) {
  selected(sim).description.clear();
  return FormOutcome::done;
}

FormOutcome setDescription(Simulator& sim, const Words& words) {
  const std::string& description = words[1];
  if (description.size() > kLongestDescription) return FormOutcome::notThisForm;
  selected(sim).description = description;
  return FormOutcome::done;
}

constexpr CommandForm kInterfaceForms[] = {
    {"description", clearDescription},
    {"description LINE", setDescription},
    {"ip access-group <1-99>", setOutboundGroup},
    {"ip access-group <1-99> out", setOutboundGroup},
    {"ip access-group <1-99> in", setInboundGroup},
    {"ip address A.B.C.D MASK", setAddress},
    {"keepalive <0-32767>", setKeepalive},
    {"shutdown", shutDown},
    {"bandwidth <1-10000000>", setBandwidth},
    {"clock rate <300-4000000>", setClockRate},
    {"no shutdown", bringUp},
    {"no cdp run", stopCdpHere},
    {"no cdp enable", disableInterfaceCdp},
    {"no ip address", removeAddress},
    {"no ip access-group in", clearGroup},
    {"no ip access-group out", clearGroup},
    {"no ip access-group <1-99> in", clearGroup},
    {"no ip access-group <1-99> out", clearGroup},
    {"no clock rate", removeClockRate},
};

}  // namespace

std::span<const CommandForm> interfaceSelectionForms() { return kSelectionForms; }
std::span<const CommandForm> interfaceForms() { return kInterfaceForms; }

}  // namespace kovrel

// SPDX-License-Identifier: GPL-3.0-or-later
#include "network/ping.h"

#include <algorithm>

#include "base/ip_arithmetic.h"
#include "base/output.h"
#include "base/paging.h"
#include "network/reachability.h"
#include "network/routing_table.h"

namespace kovrel {

std::string pingResultLine(bool reachable, int sent, RandomSource& random) {
  const std::string count = std::to_string(sent);
  if (!reachable) return "Success rate is 0 percent (0/" + count + ")";
  const int minimum = randomWholeNumber(random, 20, 5);
  const int average = randomWholeNumber(random, 25, 5);
  const int maximum = randomWholeNumber(random, 30, 5);
  return "Success rate is 100 percent (" + count + "/" + count +
         "), round-trip min/avg/max =  " + std::to_string(minimum) + "," + std::to_string(average) +
         "," + std::to_string(maximum) + " ms ";
}

void pingOutput(Simulator& sim, std::string_view target, bool reachable) {
  writePaged(sim, "\r\nType escape sequence to abort.\r\nSending 5, 100-byte ICMP Echos to " +
                      std::string(target) + ", timeout is 2 seconds:");
  // One mark per probe: "!" for an echo reply, "." for a probe that timed out.
  const std::string_view probeMark = reachable ? "!" : ".";
  writeConsoleLine(sim, probeMark);
  sim.console.setInput("");
  sim.console.refresh();
  // A pause before each further mark and before the result.
  int sent = 1;
  while (!pauseConsoleUnlessEscaped(sim, kPingProbePauseMs) && sent < kPingProbes) {
    writeConsoleLine(sim, probeMark, false, true);
    ++sent;
  }
  writeConsoleLine(sim, pingResultLine(reachable, sent, sim.services.random));
}

namespace {

// A host of the router's own LAN that answered is now in its ARP cache.
void rememberLanHost(Simulator& sim, const std::string& target) {
  const NetworkView net = networkView(sim);
  const InterfaceConfig& lan = net.own.ethernet0;
  if (lan.ipAddress.empty() || target == lan.ipAddress) return;
  if (networkAddress(target, lan.subnetMask) != interfaceNetwork(lan)) return;
  std::vector<std::string>& entries = sim.router().arpEntries;
  if (std::find(entries.begin(), entries.end(), target) == entries.end()) entries.push_back(target);
}

}  // namespace

FormOutcome pingCommand(Simulator& sim, const Words& words) {
  // Host names are not looked up: only an address can be pinged.
  if (!isValidIpAddress(words[1])) return FormOutcome::notThisForm;
  const bool reachable = testReachability(networkView(sim), words[1]);
  if (reachable) rememberLanHost(sim, words[1]);
  pingOutput(sim, words[1], reachable);
  return FormOutcome::done;
}

}  // namespace kovrel

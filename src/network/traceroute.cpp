// SPDX-License-Identifier: GPL-3.0-or-later
#include "network/traceroute.h"

#include <cstdio>

#include "base/command_matching.h"
#include "base/ip_arithmetic.h"
#include "base/output.h"
#include "network/reachability.h"
#include "network/routes.h"
#include "network/routing_table.h"

namespace kovrel {
namespace {

// The neighbour's end of the serial link: the router a trace beyond it passes first.
std::string neighbourLinkAddress(const NetworkView& net) {
  if (net.topology == Topology::lab) return net.addresses.neighbourSerialAddress;
  return net.other.interface(otherLinkInterface(net)).ipAddress;
}

InterfaceNumber linkInterface(const NetworkView& net) {
  return net.topology == Topology::lab ? kSerial0 : ownLinkInterface(net);
}

// The neighbour answers for its own interfaces: a trace to one of them ends at the first hop.
bool isNeighbourAddress(const NetworkView& net, std::string_view target) {
  if (net.topology == Topology::lab) {
    return target == net.addresses.neighbourSerialAddress || target == net.addresses.remoteGateway;
  }
  for (InterfaceNumber number : {kSerial0, kSerial1, kEthernet0}) {
    const std::string& address = net.other.interface(number).ipAddress;
    if (!address.empty() && target == address) return true;
  }
  return false;
}

std::string hopNumber(int hop) {
  char text[8];
  std::snprintf(text, sizeof text, "%3d", hop);
  return text;
}

}  // namespace

TracePath tracePath(const NetworkView& net, std::string_view target) {
  const std::string neighbour = neighbourLinkAddress(net);
  const bool reached = testReachability(net, target);
  const std::optional<Route> route = routeTo(routingTable(net), target);
  const bool beyondNeighbour = route && route->source != RouteSource::connected &&
                               leadsTo(*route, linkInterface(net), neighbour) &&
                               !isNeighbourAddress(net, target);
  if (reached) {
    if (beyondNeighbour) return {{neighbour, std::string(target)}, true};
    return {{std::string(target)}, true};
  }
  // The packets leave over the link, but nothing beyond the neighbour answers.
  if (beyondNeighbour && !neighbour.empty() && testReachability(net, neighbour)) {
    return {{neighbour}, false};
  }
  return {{}, false};
}

std::string answeredHopLine(int hop, const std::string& address, RandomSource& random) {
  std::string line = hopNumber(hop) + " " + address;
  for (int probe = 0; probe < 3; ++probe) {
    line += " " + std::to_string(randomWholeNumber(random, 4 + 8 * hop, 9)) + " msec";
  }
  return line;
}

std::string silentHopLine(int hop) { return hopNumber(hop) + "  *  *  *"; }

void traceroute(Simulator& sim, std::string_view target) {
  const TracePath path = tracePath(networkView(sim), target);
  writeConsoleLine(sim, "Type escape sequence to abort.");
  writeConsoleLine(sim, "Tracing the route to " + std::string(target));
  writeConsoleLine(sim, " ");
  sim.console.setInput("");
  int hop = 1;
  for (const std::string& address : path.hops) {
    appendConsoleLine(sim, answeredHopLine(hop++, address, sim.services.random), false);
  }
  if (!path.reachesTarget) {
    for (; hop <= kMostTraceHops; ++hop) {
      if (pauseConsoleUnlessEscaped(sim, kSilentHopPauseMs)) break;
      appendConsoleLine(sim, silentHopLine(hop), false);
    }
  }
  resetInput(sim);
}

FormOutcome tracerouteCommand(Simulator& sim, const Words& words) {
  if (!isValidIpAddress(words[1])) return FormOutcome::notThisForm;
  traceroute(sim, words[1]);
  return FormOutcome::done;
}

}  // namespace kovrel

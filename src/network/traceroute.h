// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "catalogue/grammar.h"
#include "network/network_view.h"

namespace kovrel {

/// The hops that answer a trace, in order, and whether the last of them is the target itself.
struct TracePath {
  std::vector<std::string> hops;
  bool reachesTarget = false;
  bool operator==(const TracePath&) const = default;
};

/// A trace stops at hop 30 when nothing answers.
inline constexpr int kMostTraceHops = 30;
/// The pause before each hop that gives no answer: its three probes time out.
inline constexpr int kSilentHopPauseMs = 3000;

/// The path to `target`: the target alone when it is on a network of the router or answers
/// there; the neighbour's end of the link and then the target when it lies beyond the neighbour;
/// the neighbour alone when the trace gets that far and no further; nothing else.
TracePath tracePath(const NetworkView& net, std::string_view target);

/// The line of a hop that answers: "  1 220.155.5.2 12 msec 16 msec 12 msec".
std::string answeredHopLine(int hop, const std::string& address, RandomSource& random);
/// The line of a hop that gives no answer: "  3  *  *  *".
std::string silentHopLine(int hop);

/// `traceroute ADDRESS` in user and privileged mode.
FormOutcome tracerouteCommand(Simulator& sim, const Words& words);

/// Runs the trace on the console, each silent hop after the router's pause; the escape sequence
/// (Ctrl-^ or Ctrl-C) aborts it.
void traceroute(Simulator& sim, std::string_view target);

}  // namespace kovrel

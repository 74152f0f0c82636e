// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "base/platform.h"
#include "base/simulator.h"
#include "catalogue/grammar.h"

namespace kovrel {

/// The pause before each probe's dot and before the result: five of them, 2.5 seconds in all.
inline constexpr int kPingProbePauseMs = 500;
inline constexpr int kPingProbes = 5;

/// The last line of the dialogue for `sent` probes: the success line with round-trip times drawn
/// from `random` (min 20 to 24, avg 25 to 29, max 30 to 34 ms), or the failure line.
std::string pingResultLine(bool reachable, int sent, RandomSource& random);

/// The ping dialogue for a target: the two header lines (paged), five marks a probe pause apart,
/// then the result line. The escape sequence during a pause stops the probes; the result counts
/// those sent.
void pingOutput(Simulator& sim, std::string_view target, bool reachable);

/// "ping WORD" in user and privileged mode: one dotted-quad address, tested by the reachability
/// rules of the active topology. Host names are not resolved.
FormOutcome pingCommand(Simulator& sim, const Words& words);

}  // namespace kovrel

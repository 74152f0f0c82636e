// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string_view>

#include "base/simulator.h"
#include "catalogue/grammar.h"

namespace kovrel {

/// "router rip" and "router igrp AS": switch the protocol on and enter its configuration mode.
std::span<const CommandForm> routerForms();

/// "network A" and "no network A" under router rip: declare or remove the classful network of A.
std::span<const CommandForm> ripForms();
/// The same under router igrp; "no network" removes the network from every AS.
std::span<const CommandForm> igrpForms();

/// "no router rip": RIP off; its networks stay for a later "router rip".
void stopRip(Simulator& sim);

/// "no router igrp AS": removes the networks of that AS, and IGRP goes off with the last of
/// them. False, changing nothing, when the AS number is out of range.
bool removeIgrpProcess(Simulator& sim, std::string_view asNumber);

/// "no ip routing": both protocols off and their networks gone.
void stopIpRouting(Simulator& sim);

}  // namespace kovrel

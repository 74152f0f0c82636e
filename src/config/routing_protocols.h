// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "base/command_input.h"
#include "base/simulator.h"

namespace kovrel {

/// "router rip" and "router igrp AS": switch the protocol on and enter its configuration mode.
void routerCommand(Simulator& sim, const CommandInput& input);

/// "network A" under router rip / router igrp: declares the classful network of A.
void ripNetworkCommand(Simulator& sim, const CommandInput& input);
void igrpNetworkCommand(Simulator& sim, const CommandInput& input);

/// "no network A" under router rip / router igrp. Under IGRP the network goes from every AS.
void ripNoNetworkCommand(Simulator& sim, const CommandInput& input);
void igrpNoNetworkCommand(Simulator& sim, const CommandInput& input);

/// "no router rip": RIP off; its networks stay for a later "router rip".
void stopRip(Simulator& sim);

/// "no router igrp AS": removes the networks of that AS, and IGRP goes off with the last of
/// them. False, changing nothing, when the AS number is out of range.
bool removeIgrpProcess(Simulator& sim, std::string_view asNumber);

/// "no ip routing": both protocols off and their networks gone.
void stopIpRouting(Simulator& sim);

}  // namespace kovrel

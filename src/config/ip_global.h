// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/command_input.h"
#include "base/simulator.h"

namespace kovrel {

/// The "ip" commands of global configuration mode: domain lookup and name, name servers, the
/// static host table, the HTTP server and IP routing.
void globalIpCommand(Simulator& sim, const CommandInput& input);

}  // namespace kovrel

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

#include "base/simulator.h"
#include "catalogue/grammar.h"

namespace kovrel {

/// The "ip" commands of global configuration mode: domain lookup and name, name servers, the
/// static host table, the HTTP server and IP routing.
std::span<const CommandForm> globalIpForms();

}  // namespace kovrel

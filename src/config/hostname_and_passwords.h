// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

#include "base/simulator.h"
#include "catalogue/grammar.h"

namespace kovrel {

/// "hostname NAME" (the prompt follows the new name at once), "enable password WORD" and
/// "enable secret WORD" in global configuration mode. Names and passwords keep their case.
std::span<const CommandForm> hostnameAndPasswordForms();

}  // namespace kovrel

#pragma once

#include "base/simulator.h"

namespace kovrel {

/// Whether "no shutdown" may bring the interface up in the current topology. The command is
/// accepted either way; where the topology keeps an interface down, it simply stays shut down.
bool noShutdownAllowed(const Simulator& sim, InterfaceNumber interfaceNumber);

}  // namespace kovrel

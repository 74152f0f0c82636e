#pragma once

#include <string_view>

#include "console/simulator.h"

namespace kovrel {

/// "?" typed at the console: answers what may follow at that point. `line` is the whole input
/// line, prompt included, ending in "?".
void processContextHelp(Simulator& sim, std::string_view line);

}  // namespace kovrel

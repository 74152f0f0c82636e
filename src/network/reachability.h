#pragma once

#include <string_view>

#include "console/simulator.h"

namespace kovrel {

/// Whether the router at the console reaches `host` through the lab topology of the current
/// activity (the TFTP copy asks this of its server).
bool labTopologyReaches(Simulator& sim, std::string_view host);

}  // namespace kovrel

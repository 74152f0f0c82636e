// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "base/simulator.h"

namespace kovrel {

/// Sets the saved configuration to the factory defaults. Interface addresses are never part of
/// it, so they are left alone.
void resetStartupConfig(Simulator& sim);

/// Copies the saved configuration into the router at the console. Its interface addresses,
/// session fields and IGRP AS number stay as they are.
void loadStartupConfig(Simulator& sim);

/// Copies the running configuration into the save scratch record and, for "startup-config", into
/// the saved configuration. The saved copy keeps no interface addresses.
void saveRunningConfig(Simulator& sim, std::string_view target);

/// The configuration without the parts that only the running configuration holds.
RouterConfig withoutInterfaceAddresses(RouterConfig config);

}  // namespace kovrel

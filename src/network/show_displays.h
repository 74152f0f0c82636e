// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ctime>
#include <span>
#include <string>

#include "base/platform.h"
#include "base/router_records.h"
#include "base/simulator.h"

namespace kovrel {

// Renderers: a configuration in, the display's text out (lines joined by CR LF, as paged).

/// The static host table with the domain settings above it (`show hosts`).
std::string renderHostTable(const RouterConfig& config);
/// The routing protocols in use (`show ip protocols`); empty when IP routing is off. The
/// "next due" countdowns are cosmetic and drawn from `random`.
std::string renderRoutingProtocols(const RouterConfig& config, RandomSource& random);
/// The standard access lists, grouped by list number (`show access-lists`).
std::string renderAccessLists(const RouterConfig& config);
/// The clock line for a local date and time (`show clock`).
std::string clockLine(const std::tm& local);

// Displays of the show tables. Each takes the interfaces its row names; these ignore them.

void showSubcommandsHint(Simulator& sim, std::span<const InterfaceNumber> interfaces);
void showFlash(Simulator& sim, std::span<const InterfaceNumber> interfaces);
void showUsers(Simulator& sim, std::span<const InterfaceNumber> interfaces);
void showVersion(Simulator& sim, std::span<const InterfaceNumber> interfaces);
void showClock(Simulator& sim, std::span<const InterfaceNumber> interfaces);
void showHistory(Simulator& sim, std::span<const InterfaceNumber> interfaces);
void showHosts(Simulator& sim, std::span<const InterfaceNumber> interfaces);
void showIpProtocols(Simulator& sim, std::span<const InterfaceNumber> interfaces);
void showAccessLists(Simulator& sim, std::span<const InterfaceNumber> interfaces);
void showRunningConfig(Simulator& sim, std::span<const InterfaceNumber> interfaces);
void showStartupConfig(Simulator& sim, std::span<const InterfaceNumber> interfaces);

/// "Building configuration...", the router's pause, then the configuration page by page.
void showConfiguration(Simulator& sim, const RouterConfig& config);

}  // namespace kovrel

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>
#include <vector>

#include "network/network_view.h"

namespace kovrel {

// Renderers: the lines of each CDP display, written one by one.

/// The global CDP settings (`show cdp`).
std::vector<std::string> renderCdpGlobal(const RouterConfig& config);
/// The CDP block of one interface; no lines when CDP is disabled on it.
std::vector<std::string> renderCdpInterface(const NetworkView& net,
                                            InterfaceNumber interfaceNumber);
/// The neighbour table: the imaginary neighbour of the lab topology is listed while Serial0 is
/// administratively up. The two-router topology has no table at all.
std::vector<std::string> renderCdpNeighbors(const NetworkView& net);

inline constexpr std::string_view kCdpNotEnabled = "% CDP is not enabled";

// Displays of the privileged show table. With CDP switched off each answers kCdpNotEnabled.

void showCdp(Simulator& sim, std::span<const InterfaceNumber> interfaces = {});
void showCdpInterface(Simulator& sim, std::span<const InterfaceNumber> interfaces);
void showCdpNeighbors(Simulator& sim, std::span<const InterfaceNumber> interfaces = {});

}  // namespace kovrel

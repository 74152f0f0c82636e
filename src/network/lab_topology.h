// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>
#include <vector>

#include "network/network_view.h"

namespace kovrel {

// The lab topology: one router with a LAN on Ethernet0 and, on Serial0, an imaginary neighbour
// that always runs RIP and has a LAN of its own. Whether an address answers follows from the
// router's configuration and the scenario's addresses.

/// Whether a list of RIP network statements holds `network` (both compared without surrounding
/// blanks).
bool hasRipNetwork(const std::vector<std::string>& ripNetworks, std::string_view network);
/// Whether the router at the console has a RIP network statement for `network`.
bool isRipNetwork(const NetworkView& net, std::string_view network);

/// Ethernet0's own address when Ethernet0 is up, or a host of its LAN when Ethernet0 is up in
/// `lanNetwork` and its outbound access list lets the host through. The caller decides which
/// targets are hosts of that LAN.
bool ownLanReaches(const NetworkView& net, std::string_view target, std::string_view lanNetwork);

/// The Ethernet side of the lab topology: Ethernet0's own address, `lanHost1` and `lanHost2`.
bool ethernetSideReaches(const NetworkView& net, std::string_view target);

/// The Serial0 side: the router's own Serial0 address; the neighbour's serial address when Serial0
/// is in `serialNetwork` and RIP has a network statement for it; the neighbour's LAN as well when
/// RIP is on. The outbound access list of Serial0 applies to all of them.
bool serialSideReaches(const NetworkView& net, std::string_view target);

/// Whether `target` answers in the lab topology.
bool labReachability(const NetworkView& net, std::string_view target);

/// The one route the neighbour teaches by RIP: present when Serial0 is up in `serialNetwork` with
/// a RIP network statement for it, and RIP and IP routing are on.
bool labRipRouteLearnt(const NetworkView& net);

}  // namespace kovrel

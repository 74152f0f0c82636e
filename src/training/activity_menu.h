// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "base/training_state.h"

namespace kovrel {

/// One item of the activity menus: the sub-menu it sits in, the caption the student reads and the
/// key its launcher takes (`startLab`, `startTest`, `startTroubleshooting`).
struct ActivityMenuItem {
  std::string_view group;
  std::string_view caption;
  std::string_view key;
  Topology topology = Topology::lab;  // the network the activity runs on
};

/// The labs in menu order, grouped by topic; their position in this list (from 1) is the number a
/// front-end may offer for them.
std::span<const ActivityMenuItem> labMenu();
/// The network the lab `key` runs on; the lab network for a key that is not in the menu.
Topology labTopology(std::string_view key);

/// The tests, in menu order.
std::span<const ActivityMenuItem> testMenu();
/// The troubleshooting scenarios, in menu order (their number is their position, from 1).
std::span<const ActivityMenuItem> troubleshootingMenu();

/// The item a student means by `name`: its key in any letter case, its number in the list, or its
/// caption (letter case and runs of blanks do not matter). Nothing when no item fits.
std::optional<ActivityMenuItem> findMenuItem(std::span<const ActivityMenuItem> menu,
                                             std::string_view name);

}  // namespace kovrel

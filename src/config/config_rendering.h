// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "base/router_records.h"

namespace kovrel {

/// The secret itself is never shown: every configuration with a secret prints this same line.
inline constexpr const char* kEnableSecretLine =
    "enable secret password $1$qHtW$Zk4mPa9LrVx2NcYb8DfGe.";

/// The distinct values of `key` in the order their first items occur: host names, IGRP AS numbers
/// and access-list numbers are shown grouped this way.
template <typename Item, typename Key>
std::vector<Key> firstOccurrences(const std::vector<Item>& items, Key Item::*key) {
  std::vector<Key> keys;
  for (const Item& item : items) {
    if (std::find(keys.begin(), keys.end(), item.*key) == keys.end()) keys.push_back(item.*key);
  }
  return keys;
}

/// What follows the list number in an access-list line, beginning with a blank (" permit any",
/// " deny   10.0.0.0, wildcard bits 0.255.255.255"); the configuration and the access-list
/// display both print entries this way.
std::string accessListEntryText(const AccessListEntry& entry);

/// Renders a configuration (running or saved) as the configuration display prints it: the lines
/// in their fixed order, joined by CR LF, with no line break before the first or after the last.
std::string renderConfiguration(const RouterConfig& config);

}  // namespace kovrel

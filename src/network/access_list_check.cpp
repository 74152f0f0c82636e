// SPDX-License-Identifier: GPL-3.0-or-later
#include "network/access_list_check.h"

#include <optional>

#include "base/ip_arithmetic.h"

namespace kovrel {
namespace {

// Whether the entry covers the target, and if so whether it denies it.
std::optional<bool> entryDenies(const AccessListEntry& entry, std::string_view target) {
  switch (entry.entryKind) {
    case AccessEntryKind::permitAny:
      return false;
    case AccessEntryKind::denyAny:
      return true;
    case AccessEntryKind::permitHost:
      if (target == entry.address) return false;
      return std::nullopt;
    case AccessEntryKind::denyHost:
      if (target == entry.address) return true;
      return std::nullopt;
    case AccessEntryKind::denyAddress:
    case AccessEntryKind::permitAddress:
      if (!matchesWildcard(target, entry.address, entry.wildcard)) return std::nullopt;
      return entry.entryKind == AccessEntryKind::denyAddress;
  }
  return std::nullopt;
}

}  // namespace

bool accessListDenies(int groupNumber, std::string_view target, const RouterConfig& router) {
  if (router.accessLists.empty() || groupNumber == 0) return false;
  for (const AccessListEntry& entry : router.accessLists) {
    if (entry.listNumber != groupNumber) continue;
    if (const auto denies = entryDenies(entry, target)) return *denies;
  }
  return true;
}

}  // namespace kovrel

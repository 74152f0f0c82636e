#include "network/access_list_check.h"

#include <optional>

#include "base/ip_arithmetic.h"

namespace kovrel {
namespace {

// The entry kinds of a standard access list as the configuration stores them.
enum EntryKind {
  kDenyWildcard = 0,
  kPermitWildcard = 1,
  kDenyAny = 3,
  kPermitAny = 4,
  kPermitHost = 5,
  kDenyHost = 6,
};

// Whether the entry covers the target, and if so whether it denies it.
std::optional<bool> entryDenies(const accessListInfo& entry, std::string_view target) {
  switch (entry.entryKind) {
    case kPermitAny:
      return false;
    case kDenyAny:
      return true;
    case kPermitHost:
      if (target == entry.address) return false;
      return std::nullopt;
    case kDenyHost:
      if (target == entry.address) return true;
      return std::nullopt;
    case kDenyWildcard:
    case kPermitWildcard:
      if (!matchesWildcard(target, entry.address, entry.wildcard)) return std::nullopt;
      return entry.entryKind == kDenyWildcard;
    default:
      return std::nullopt;
  }
}

}  // namespace

bool accessListDenies(int groupNumber, std::string_view target, const RouterConfig& router) {
  if (router.accessLists.empty() || groupNumber == 0) return false;
  for (const accessListInfo& entry : router.accessLists) {
    if (entry.listNumber != groupNumber) continue;
    if (const auto denies = entryDenies(entry, target)) return *denies;
  }
  return true;
}

}  // namespace kovrel

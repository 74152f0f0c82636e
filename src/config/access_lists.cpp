// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/access_lists.h"

#include <algorithm>

#include "base/ip_arithmetic.h"
#include "base/output.h"
#include "config/command_forms.h"

namespace kovrel {
namespace {

constexpr int kLowestListNumber = 1;
constexpr int kHighestListNumber = 99;
constexpr std::string_view kNoWildcard = "0.0.0.0";

std::optional<int> standardListNumber(std::string_view word) {
  return numberInRange(word, kLowestListNumber, kHighestListNumber);
}

// The entry a line describes: its kind, and the address and wildcard where the form has them.
template <AccessEntryKind kKind, std::size_t kAddressWord = 0, std::size_t kWildcardWord = 0>
FormOutcome addEntry(Simulator& sim, const Words& words) {
  const auto number = standardListNumber(words[1]);
  if (!number) return FormOutcome::notThisForm;
  AccessListEntry entry{kKind, "", std::string(kNoWildcard), *number};
  if constexpr (kAddressWord != 0) entry.address = words[kAddressWord];
  if constexpr (kWildcardWord != 0) entry.wildcard = words[kWildcardWord];
  auto& entries = sim.running().accessLists;
  if (std::find(entries.begin(), entries.end(), entry) == entries.end()) entries.push_back(entry);
  return FormOutcome::done;
}

using enum AccessEntryKind;

constexpr CommandForm kAccessListForms[] = {
    {"access-list <1-99> deny any", addEntry<denyAny>},
    {"access-list <1-99> permit any", addEntry<permitAny>},
    {"access-list <1-99> permit host A.B.C.D", addEntry<permitHost, 4>},
    {"access-list <1-99> deny host A.B.C.D", addEntry<denyHost, 4>},
    {"access-list <1-99> permit A.B.C.D A.B.C.D", addEntry<permitAddress, 3, 4>},
    {"access-list <1-99> deny A.B.C.D A.B.C.D", addEntry<denyAddress, 3, 4>},
};

}  // namespace

std::span<const CommandForm> accessListForms() { return kAccessListForms; }

bool removeAccessList(Simulator& sim, std::string_view listNumber) {
  const auto number = standardListNumber(listNumber);
  if (!number) return false;
  std::erase_if(sim.running().accessLists,
                [&number](const AccessListEntry& entry) { return entry.listNumber == *number; });
  return true;
}

}  // namespace kovrel

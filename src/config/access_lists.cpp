// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/access_lists.h"

#include <algorithm>
#include <array>

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

/// One form of an entry: its pattern, its kind, and where its address and wildcard stand
/// (position 0 when the form has none).
struct EntryForm {
  std::string_view pattern;
  AccessEntryKind kind;
  std::size_t addressWord;
  std::size_t wildcardWord;
};

// Order matters: "permit host A" must be tried before "permit A W" would read "host" as the
// address.
constexpr std::array<EntryForm, 6> kEntryForms = {{
    {"access-list variable deny any", AccessEntryKind::denyAny, 0, 0},
    {"access-list variable permit any", AccessEntryKind::permitAny, 0, 0},
    {"access-list variable permit host variable", AccessEntryKind::permitHost, 4, 0},
    {"access-list variable deny host variable", AccessEntryKind::denyHost, 4, 0},
    {"access-list variable permit variable variable", AccessEntryKind::permitAddress, 3, 4},
    {"access-list variable deny variable variable", AccessEntryKind::denyAddress, 3, 4},
}};

// The entry a form describes, or nothing when the number or an address is refused.
std::optional<AccessListEntry> entryOf(const EntryForm& form, const Words& words) {
  const auto number = standardListNumber(words[1]);
  if (!number) return std::nullopt;
  AccessListEntry entry{form.kind, "", std::string(kNoWildcard), *number};
  if (form.addressWord != 0) {
    if (!isValidIpAddress(words[form.addressWord])) return std::nullopt;
    entry.address = words[form.addressWord];
  }
  if (form.wildcardWord != 0) {
    if (!isValidIpAddress(words[form.wildcardWord])) return std::nullopt;
    entry.wildcard = words[form.wildcardWord];
  }
  return entry;
}

void addEntry(Simulator& sim, const AccessListEntry& entry) {
  auto& entries = sim.running().accessLists;
  if (std::find(entries.begin(), entries.end(), entry) == entries.end()) entries.push_back(entry);
}

// A short line is incomplete only when what is there is right so far: a standard list number,
// and for the address forms an address.
bool isUnfinishedEntry(const Words& words) {
  if (words.size() < 2) return true;
  if (!standardListNumber(words[1])) return false;
  for (std::size_t i = 0; i < kEntryForms.size(); ++i) {
    if (matchForm(words, kEntryForms[i].pattern) != MatchResult::incomplete) continue;
    const bool addressForm = kEntryForms[i].wildcardWord != 0;
    if (!addressForm || words.size() < 4 || isValidIpAddress(words[3])) return true;
  }
  return false;
}

}  // namespace

void accessListCommand(Simulator& sim, const CommandInput& input) {
  const Words& words = input.words;
  for (const EntryForm& form : kEntryForms) {
    if (matchForm(words, form.pattern) != MatchResult::match) continue;
    if (const auto entry = entryOf(form, words)) return addEntry(sim, *entry);
  }
  // Every refused value is answered, so that a mistyped address never looks like success.
  if (isUnfinishedEntry(words)) {
    incompleteCommand(sim);
  } else {
    invalidInput(sim);
  }
}

bool removeAccessList(Simulator& sim, std::string_view listNumber) {
  const auto number = standardListNumber(listNumber);
  if (!number) return false;
  std::erase_if(sim.running().accessLists,
                [&number](const AccessListEntry& entry) { return entry.listNumber == *number; });
  return true;
}

}  // namespace kovrel

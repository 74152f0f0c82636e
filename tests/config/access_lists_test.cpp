#include <gtest/gtest.h>

#include "config_cases.h"

namespace kovrel {
namespace {

using testing::kIncomplete;
using testing::kInvalid;

// Each entry as "list:kind:address:wildcard".
std::string entries(const RouterState& r) {
  return testing::listed(r.config.accessLists, [](const accessListInfo& e) {
    return std::to_string(e.listNumber) + ":" + std::to_string(e.entryKind) + ":" + e.address +
           ":" + e.wildcard;
  });
}

TEST(AccessLists, EntriesOfEveryKind) {
  const std::vector<std::string> three = {"access-list 1 deny host 10.1.1.1",
                                          "access-list 2 permit any", "access-list 1 permit any"};
  testing::checkCases({
      {{}, "access-list 1 deny any", "", entries, "1:3::0.0.0.0"},
      {{}, "access-list 99 permit any", "", entries, "99:4::0.0.0.0"},
      {{}, "access-list 2 permit host 10.1.1.1", "", entries, "2:5:10.1.1.1:0.0.0.0"},
      {{}, "access-list 3 deny host 10.1.1.1", "", entries, "3:6:10.1.1.1:0.0.0.0"},
      {{}, "access-list 1 permit 10.1.1.0 0.0.0.255", "", entries, "1:1:10.1.1.0:0.0.0.255"},
      {{}, "access-list 1 deny 10.1.1.0 0.0.0.255", "", entries, "1:0:10.1.1.0:0.0.0.255"},
      {{"access-list 1 permit any"}, "access-list 1 permit any", "", entries, "1:4::0.0.0.0"},
      {{three[0], three[1]},
       three[2],
       "",
       entries,
       "1:6:10.1.1.1:0.0.0.0 2:4::0.0.0.0 1:4::0.0.0.0"},
      {three, "no access-list 1", "", entries, "2:4::0.0.0.0"},
      {{"access-list 2 permit any"}, "no access-list 3", ""},
      // An interface keeps its group when the list goes.
      {{"access-list 5 permit any", "int s0", "ip access-group 5 in", "exit"},
       "no access-list 5",
       "",
       [](auto& r) { return entries(r) + std::to_string(r.config.serial0.accessGroupIn); },
       "5"},
  });
}

TEST(AccessLists, RefusedLinesChangeNothing) {
  testing::checkCases({
      {{}, "access-list 100 permit any", kInvalid},
      {{}, "access-list 0 deny any", kInvalid},
      {{}, "access-list", kIncomplete},
      {{}, "access-list 1", kIncomplete},
      {{}, "access-list 1 permit host", kIncomplete},
      {{}, "access-list 1 permit 10.1.1.1", kIncomplete},
      {{}, "access-list 1 permit ten", kInvalid},
      // A mistyped address is always answered, never dropped silently.
      {{}, "access-list 1 permit 10.1.1.0 0.0.0.999", kInvalid},
      {{}, "access-list 1 deny host 10.1.1", kInvalid},
      {{}, "access-list 1 permit any log", kInvalid},
  });
}

}  // namespace
}  // namespace kovrel

#include "config/access_lists.h"

#include <gtest/gtest.h>

#include "config_cases.h"

namespace kovrel {
namespace {

using testing::kIncomplete;
using testing::kInvalid;

using Entries = std::vector<accessListInfo>;

std::function<void(const RouterState&)> entries(Entries expected) {
  return [expected](const RouterState& r) { EXPECT_EQ(r.config.accessLists, expected); };
}

TEST(AccessLists, EntriesOfEveryKind) {
  testing::checkCases({
      {{}, "access-list 1 deny any", "", entries({{kDenyAny, "", "0.0.0.0", 1}})},
      {{}, "access-list 99 permit any", "", entries({{kPermitAny, "", "0.0.0.0", 99}})},
      {{},
       "access-list 2 permit host 10.1.1.1",
       "",
       entries({{kPermitHost, "10.1.1.1", "0.0.0.0", 2}})},
      {{},
       "access-list 3 deny host 10.1.1.1",
       "",
       entries({{kDenyHost, "10.1.1.1", "0.0.0.0", 3}})},
      {{},
       "access-list 1 permit 10.1.1.0 0.0.0.255",
       "",
       entries({{kPermitAddress, "10.1.1.0", "0.0.0.255", 1}})},
      {{},
       "access-list 1 deny 10.1.1.0 0.0.0.255",
       "",
       entries({{kDenyAddress, "10.1.1.0", "0.0.0.255", 1}})},
      {{"access-list 1 permit any"},
       "access-list 1 permit any",
       "",
       entries({{kPermitAny, "", "0.0.0.0", 1}})},
  });
}

TEST(AccessLists, RefusedLinesChangeNothing) {
  testing::checkCases({
      {{}, "access-list 100 permit any", kInvalid, {}},
      {{}, "access-list 0 deny any", kInvalid, {}},
      {{}, "access-list x deny any", kInvalid, {}},
      {{}, "access-list 1", kIncomplete, {}},
      {{}, "access-list 1 permit", kIncomplete, {}},
      {{}, "access-list 1 permit host", kIncomplete, {}},
      {{}, "access-list 1 permit 10.1.1.1", kIncomplete, {}},
      {{}, "access-list 1 permit ten", kInvalid, {}},
      {{}, "access-list 100 permit", kInvalid, {}},
      {{}, "access-list", kIncomplete, {}},
      {{}, "access-list 1 deny 10.1.1.0 0.0.0.999", kInvalid, {}},
      // An address the router cannot read is always answered, never silently dropped.
      {{}, "access-list 1 permit 10.1.1.0 0.0.0.999", kInvalid, {}},
      {{}, "access-list 1 permit host 10.1.1", kInvalid, {}},
      {{}, "access-list 1 deny host 10.1.1", kInvalid, {}},
      {{}, "access-list 1 permit any log", kInvalid, {}},
      {{}, "access-list 1 allow any", kInvalid, {}},
  });
}

TEST(AccessLists, OrderIsKeptAndNoAccessListRemovesOneList) {
  testing::checkCases({
      {{"access-list 1 deny host 10.1.1.1", "access-list 2 permit any", "access-list 1 permit any"},
       "no access-list 1",
       "",
       entries({{kPermitAny, "", "0.0.0.0", 2}})},
      {{"access-list 2 permit any"}, "no access-list 3", "", {}},
  });
  testing::checkCases({
      {{"access-list 1 deny host 10.1.1.1", "access-list 2 permit any"},
       "access-list 1 permit any",
       "",
       entries({{kDenyHost, "10.1.1.1", "0.0.0.0", 1},
                {kPermitAny, "", "0.0.0.0", 2},
                {kPermitAny, "", "0.0.0.0", 1}})},
  });
}

TEST(AccessLists, InterfaceGroupsOutliveTheirList) {
  testing::checkCases({
      {{"access-list 5 permit any", "int s0", "ip access-group 5 in", "exit"},
       "no access-list 5",
       "",
       [](const RouterState& r) {
         EXPECT_TRUE(r.config.accessLists.empty());
         EXPECT_EQ(r.config.serial0.accessGroupIn, 5);
       }},
  });
}

}  // namespace
}  // namespace kovrel

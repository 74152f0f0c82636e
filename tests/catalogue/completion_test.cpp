#include "catalogue/completion.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/catalogue_modes.h"
#include "catalogue/scratch_database.h"
#include "console/keyboard.h"

namespace kovrel {
namespace {

using testing::Port;
using testing::SimulatorFixture;
using testing::walkInto;

// --- the common rule on its own ---

TEST(CompletionRuleTest, AgreesOnlyWhenTheFirstRowBeginsEveryOther) {
  const struct {
    std::vector<std::string> rows;
    const char* searched;
    bool agree;
    const char* shared;
    const char* addedRest;
  } cases[] = {
      {{"show"}, "sh", true, "show", "ow"},
      {{"terminal history", "terminal history size"},
       "terminal h",
       true,
       "terminal history",
       "istory"},
      {{"show history", "show hosts"}, "show h", false, "show h", ""},
      {{"show interfaces serial 0", "show interfaces serial 1"},
       "show interfaces s",
       false,
       "show interfaces serial ",
       ""},
      // A shorter row after the first one breaks the agreement.
      {{"show interfaces", "show"}, "sh", false, "show", ""},
      {{"exit"}, "exit", true, "exit", ""},
  };
  for (const auto& c : cases) {
    const Completion completion = completeFromRows(c.rows, c.searched);
    EXPECT_EQ(completion.agree, c.agree) << c.searched;
    EXPECT_EQ(completion.shared, c.shared) << c.searched;
    EXPECT_EQ(completion.addedRest, c.addedRest) << c.searched;
  }
}

// --- completion in every mode, on the catalogue the program ships with ---

struct CompletionCase {
  CliMode mode;
  const char* typed;
  const char* completed;
  Port port = Port::serial0;
};

class CompletionTest : public ::testing::TestWithParam<CompletionCase> {};

TEST_P(CompletionTest, CompletesFromTheCatalogueOfTheMode) {
  SimulatorFixture console;
  walkInto(console, GetParam().mode, GetParam().port);
  const std::string line = console.prompt() + GetParam().typed;
  EXPECT_EQ(completePartialCommand(console.sim, line), GetParam().completed);
  EXPECT_TRUE(console.platform.errorLines.empty());
}

using enum CliMode;

INSTANTIATE_TEST_SUITE_P(
    UserMode, CompletionTest,
    ::testing::Values(CompletionCase{user, "sh", "show "}, CompletionCase{user, "SH", "SHow "},
                      CompletionCase{user, "  sh", "  show "}, CompletionCase{user, "sh ", "show "},
                      CompletionCase{user, "en", "enable "}, CompletionCase{user, "e", "e"},
                      CompletionCase{user, "show ver", "show version "},
                      CompletionCase{user, "sh ver", "sh version "},
                      CompletionCase{user, "show h", "show h"},
                      CompletionCase{user, "SHOW  H", "show h"},
                      CompletionCase{user, "terminal h", "terminal history "},
                      CompletionCase{user, "xyz", "xyz"}, CompletionCase{user, "", ""},
                      CompletionCase{user, "   ", "   "}));

INSTANTIATE_TEST_SUITE_P(
    PrivilegedMode, CompletionTest,
    ::testing::Values(CompletionCase{priv, "sh", "show "},
                      CompletionCase{priv, "conf", "configure "}, CompletionCase{priv, "c", "c"},
                      CompletionCase{priv, "configure t", "configure terminal "},
                      CompletionCase{priv, "copy r", "copy running-config "},
                      CompletionCase{priv, "copy running-config s",
                                     "copy running-config startup-config "},
                      CompletionCase{priv, "show int", "show interfaces "},
                      CompletionCase{priv, "show int s", "show interfaces serial "},
                      CompletionCase{priv, "show int e", "show int ethernet 0 "},
                      CompletionCase{priv, "sh ip int b", "sh ip int brief "},
                      CompletionCase{priv, "show cdp int", "show cdp interface "},
                      CompletionCase{priv, "show ip r", "show ip route "},
                      CompletionCase{priv, "show ip ", "show ip "},
                      CompletionCase{priv, "sh run", "sh running-config "}));

INSTANTIATE_TEST_SUITE_P(
    GlobalConfiguration, CompletionTest,
    ::testing::Values(CompletionCase{conf, "int", "interface "},
                      CompletionCase{conf, "interface s", "interface serial "},
                      CompletionCase{conf, "interface e", "interface ethernet 0 "},
                      CompletionCase{conf, "ro", "router "},
                      CompletionCase{conf, "router r", "router rip "},
                      CompletionCase{conf, "access-list 10 p", "access-list 10 permit "},
                      CompletionCase{conf, "access-list 10 permit a", "access-list 10 permit any "},
                      CompletionCase{conf, "Access-List 7 D", "Access-List 7 Deny "},
                      CompletionCase{conf, "access-list 10", "access-list 10 "},
                      CompletionCase{conf, "access-list 99 r", "access-list 99 remark "},
                      CompletionCase{conf, "access-list 100 p", "access-list 100 p"},
                      CompletionCase{conf, "access-list 0 p", "access-list 0 p"},
                      CompletionCase{conf, "access-list 1234567890 p", "access-list 1234567890 p"},
                      CompletionCase{conf, "no ip h", "no ip h"},
                      CompletionCase{conf, "no ip ht", "no ip http server "}));

INSTANTIATE_TEST_SUITE_P(
    InterfaceConfiguration, CompletionTest,
    ::testing::Values(
        CompletionCase{configIf, "c", "c"}, CompletionCase{configIf, "c", "cdp ", Port::ethernet0},
        CompletionCase{configIf, "clock r", "clock rate "},
        CompletionCase{configIf, "clock r", "clock r", Port::ethernet0},
        CompletionCase{configIf, "ip ad", "ip address "},
        CompletionCase{configIf, "IP ADD", "IP ADDress "}, CompletionCase{configIf, "ip a", "ip a"},
        CompletionCase{configIf, "ip acc", "ip access-group "},
        CompletionCase{configIf, "ip access-group 10 o", "ip access-group 10 out "},
        CompletionCase{configIf, "ip access-group 10 o", "ip access-group 10 out ",
                       Port::ethernet0},
        CompletionCase{configIf, "ip access-group 100 o", "ip access-group 100 o"},
        CompletionCase{configIf, "ip access-group 10", "ip access-group 10"},
        CompletionCase{configIf, "no ip access-group 5 i", "no ip access-group 5 in "},
        CompletionCase{configIf, "no ip access-group 5", "no ip access-group 5 "},
        CompletionCase{configIf, "no sh", "no shutdown "}));

INSTANTIATE_TEST_SUITE_P(LineAndRouterModes, CompletionTest,
                         ::testing::Values(CompletionCase{configLine, "pa", "password "},
                                           CompletionCase{configLine, "exe", "exec-timeout "},
                                           CompletionCase{configLine, "password Se", "password Se"},
                                           CompletionCase{configRouterRip, "net", "network "},
                                           CompletionCase{configRouterRip, "no net", "no network "},
                                           CompletionCase{configRouterRip, "n", "n"},
                                           CompletionCase{configRouterIgrp, "net", "network "},
                                           CompletionCase{configRouterIgrp, "no n",
                                                          "no network "}));

TEST(CompletionKeysTest, TabInPrivilegedModeTurnsShIntoShow) {
  SimulatorFixture console;
  walkInto(console, CliMode::priv);
  console.type("sh\t");
  EXPECT_EQ(console.input(), "Router#show ");
  console.type("run\t");
  EXPECT_EQ(console.input(), "Router#show running-config ");
  EXPECT_EQ(console.newOutput(), "\nRouter#sh\nRouter#show run");
}

TEST(CompletionFailureTest, AFailedSearchIsLoggedAndLeavesTheLineAsTyped) {
  testing::ScratchFolder folder;
  SimulatorFixture console;
  walkInto(console, CliMode::priv);
  // A lesson database without catalogues: every search fails.
  console.sim.database.open(
      testing::makeDatabase(folder.path() / "bare.db", "CREATE TABLE cmdInfo (cmd, display)"));
  EXPECT_EQ(completePartialCommand(console.sim, "Router#Sh"), "Sh");
  ASSERT_GE(console.platform.errorLines.size(), 2u);
  EXPECT_EQ(console.platform.errorLines[1], "In function completePartialCommand");
  walkInto(console, CliMode::conf);
  console.platform.errorLines.clear();
  EXPECT_EQ(completePartialCommand(console.sim, "Router(config)#access-list 5 p"),
            "access-list 5 p");
  ASSERT_GE(console.platform.errorLines.size(), 2u);
  EXPECT_EQ(console.platform.errorLines[1], "In function completeAccessListCmd");
}

TEST(CompletionFailureTest, AccessGroupSearchFailureIsLoggedUnderItsOwnName) {
  testing::ScratchFolder folder;
  SimulatorFixture console;
  walkInto(console, CliMode::configIf);
  console.sim.database.open(
      testing::makeDatabase(folder.path() / "bare.db", "CREATE TABLE cmdInfo (cmd, display)"));
  EXPECT_EQ(completePartialCommand(console.sim, "Router(config-if)#ip acc"), "ip acc");
  ASSERT_GE(console.platform.errorLines.size(), 2u);
  EXPECT_EQ(console.platform.errorLines[1], "In function completeAccessGroupCmd");
}

TEST(CompletionFailureTest, TypedQuotesAndWildcardsAreSearchedLiterally) {
  SimulatorFixture console;
  walkInto(console, CliMode::priv);
  for (const char* typed : {"s%", "sh_", "it's", "show '", "show %"}) {
    EXPECT_EQ(completePartialCommand(console.sim, std::string("Router#") + typed), typed);
  }
  EXPECT_TRUE(console.platform.errorLines.empty());
}

}  // namespace
}  // namespace kovrel

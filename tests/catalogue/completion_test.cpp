#include "catalogue/completion.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/catalogue_modes.h"
#include "catalogue/scratch_database.h"

namespace kovrel {
namespace {

using testing::Port;
using testing::SimulatorFixture;
using testing::walkInto;
using enum CliMode;

TEST(CompletionRuleTest, AgreesOnlyWhenTheFirstRowBeginsEveryOther) {
  const struct {
    std::vector<std::string> rows;
    const char* searched;
    bool agree;
    const char* shared;
    const char* addedRest;
  } cases[] = {
      {{"show interfaces serial 0", "show interfaces serial 1"},
       "show interfaces s",
       false,
       "show interfaces serial ",
       ""},
      // A shorter row after the first one breaks the agreement.
      {{"show interfaces", "show"}, "sh", false, "show", ""},
      {{"terminal history", "terminal history size"},
       "terminal h",
       true,
       "terminal history",
       "istory"},
  };
  for (const auto& c : cases) {
    const Completion completion = completeFromRows(c.rows, c.searched);
    EXPECT_EQ(completion.agree, c.agree) << c.searched;
    EXPECT_EQ(completion.shared, c.shared) << c.searched;
    EXPECT_EQ(completion.addedRest, c.addedRest) << c.searched;
  }
}

// On the catalogue the program ships with: typed capitals and blanks are kept when the rows agree,
// list numbers out of range complete nothing, serial-only rows are not found on Ethernet0.
TEST(CompletionTest, CompletesFromTheCatalogueOfTheMode) {
  const struct {
    CliMode mode;
    const char* typed;
    const char* completed;
    Port port = Port::serial0;
  } cases[] = {
      {user, "SH", "SHow "},
      {user, "  sh", "  show "},
      {user, "sh ver", "sh version "},
      {user, "SHOW  H", "show h"},
      {user, "terminal h", "terminal history "},
      {user, "", ""},
      {user, "   ", "   "},
      {priv, "c", "c"},
      {priv, "copy running-config s", "copy running-config startup-config "},
      {priv, "show int s", "show interfaces serial "},
      {priv, "show int e", "show int ethernet 0 "},
      {priv, "sh ip int b", "sh ip int brief "},
      {priv, "sh run", "sh running-config "},
      {conf, "interface e", "interface ethernet 0 "},
      {conf, "Access-List 7 D", "Access-List 7 Deny "},
      {conf, "access-list 10", "access-list 10 "},
      {conf, "access-list 99 r", "access-list 99 remark "},
      {conf, "access-list 100 p", "access-list 100 p"},
      {conf, "access-list 1234567890 p", "access-list 1234567890 p"},
      {conf, "no ip h", "no ip h"},
      {conf, "no ip ht", "no ip http server "},
      {configIf, "c", "c"},
      {configIf, "c", "cdp ", Port::ethernet0},
      {configIf, "IP ADD", "IP ADDress "},
      {configIf, "ip access-group 10 o", "ip access-group 10 out "},
      {configIf, "ip access-group 100 o", "ip access-group 100 o"},
      {configIf, "ip access-group 10", "ip access-group 10"},
      {configIf, "no ip access-group 5 i", "no ip access-group 5 in "},
      {configIf, "no ip access-group 5", "no ip access-group 5 "},
      {configLine, "password Se", "password Se"},
      {configRouterRip, "no net", "no network "},
      {configRouterIgrp, "no n", "no network "},
  };
  for (const auto& c : cases) {
    SimulatorFixture console;
    walkInto(console, c.mode, c.port);
    EXPECT_EQ(completePartialCommand(console.sim, console.prompt() + c.typed), c.completed)
        << cliModeName(c.mode) << ": " << c.typed;
    EXPECT_TRUE(console.platform.errorLines.empty());
  }
}

TEST(CompletionFailureTest, AFailedSearchIsLoggedUnderItsOwnNameAndLeavesTheLineAsTyped) {
  const struct {
    CliMode mode;
    const char* typed;
    const char* function;
  } cases[] = {
      {priv, "Sh", "completePartialCommand"},
      {conf, "access-list 5 p", "completeAccessListCmd"},
      {configIf, "ip acc", "completeAccessGroupCmd"},
  };
  for (const auto& c : cases) {
    testing::ScratchFolder folder;
    SimulatorFixture console;
    walkInto(console, c.mode);
    // A lesson database without catalogues: every search fails.
    console.sim.database.open(
        testing::makeDatabase(folder.path() / "bare.db", "CREATE TABLE cmdInfo (cmd, display)"));
    EXPECT_EQ(completePartialCommand(console.sim, console.prompt() + c.typed), c.typed);
    ASSERT_GE(console.platform.errorLines.size(), 2u);
    EXPECT_EQ(console.platform.errorLines[1], std::string("In function ") + c.function);
  }
}

TEST(CompletionFailureTest, TypedQuotesAndWildcardsAreSearchedLiterally) {
  SimulatorFixture console;
  walkInto(console, priv);
  for (const char* typed : {"s%", "sh_", "it's", "show '", "show %"}) {
    EXPECT_EQ(completePartialCommand(console.sim, std::string("Router#") + typed), typed);
  }
  EXPECT_TRUE(console.platform.errorLines.empty());
}

}  // namespace
}  // namespace kovrel

// SPDX-License-Identifier: GPL-3.0-or-later
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

// Completion on the catalogue the program ships with, mode by mode, is in the
// completion_by_mode transcript.

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
  // No typed line, however long, reaches a limit of the database: completion, then "?".
  const std::string longLine(60'000, '%');
  EXPECT_EQ(completePartialCommand(console.sim, "Router#" + longLine), longLine);
  console.type("show " + longLine + "?");
  EXPECT_TRUE(console.platform.errorLines.empty());
  EXPECT_TRUE(console.platform.messages.empty());
}

}  // namespace
}  // namespace kovrel

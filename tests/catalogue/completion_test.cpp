// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/completion.h"

#include <gtest/gtest.h>

#include <string>

#include "catalogue/catalogue_modes.h"
#include "console/dispatch.h"

namespace kovrel {
namespace {

using testing::SimulatorFixture;
using testing::walkInto;
using enum CliMode;

std::string complete(SimulatorFixture& console, const std::string& line) {
  return completePartialCommand(console.sim, grammarScope(console.sim), line);
}

// Completion on the catalogue the program ships with, mode by mode, is in the
// completion_by_mode transcript; that Tab, help and dispatch agree is the grammar's property test.

TEST(CompletionTest, TypedQuotesWildcardsAndLongLinesComeBackAsTyped) {
  SimulatorFixture console;
  walkInto(console, priv);
  for (const char* typed : {"s%", "sh_", "it's", "show '", "show %"}) {
    EXPECT_EQ(complete(console, std::string("Router#") + typed), typed);
  }
  // No typed line, however long, reaches a limit of the database: completion, then "?".
  const std::string longLine(60'000, '%');
  EXPECT_EQ(complete(console, "Router#" + longLine), longLine);
  console.type("show " + longLine + "?");
  EXPECT_TRUE(console.platform.errorLines.empty());
  EXPECT_TRUE(console.platform.messages.empty());
}

}  // namespace
}  // namespace kovrel

// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/command_reference.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/fake_platform.h"

namespace kovrel {
namespace {

// The reference is read from the same texts as the console's "?": each mode's listing, with the
// mode's catalogue saying what is carried out.
TEST(CommandReference, ListsEveryModeWithHelpTextsAndMarksWhatIsNotCarriedOut) {
  testing::SimulatorFixture fixture;
  const std::vector<ReferenceCommand> commands = commandReference(fixture.sim.database);
  const auto find = [&](std::string_view mode, std::string_view word) {
    const auto found = std::ranges::find_if(commands, [&](const ReferenceCommand& command) {
      return command.mode == mode && command.command == word;
    });
    return found == commands.end() ? ReferenceCommand{} : *found;
  };
  EXPECT_TRUE(find("User EXEC", "enable").carriedOut);
  EXPECT_EQ(find("User EXEC", "enable").help, "Enter privileged mode");
  EXPECT_FALSE(find("User EXEC", "pad").carriedOut);
  EXPECT_TRUE(find("Interface configuration", "shutdown").carriedOut);
  EXPECT_TRUE(find("IGRP router configuration", "network").carriedOut);
  std::vector<std::string> modes;
  for (const ReferenceCommand& command : commands) {
    EXPECT_FALSE(command.help.empty()) << command.command;
    if (modes.empty() || modes.back() != command.mode) modes.push_back(command.mode);
  }
  EXPECT_EQ(modes.size(), 7U);
}

}  // namespace
}  // namespace kovrel

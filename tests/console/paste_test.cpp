// SPDX-License-Identifier: GPL-3.0-or-later
#include "console/paste.h"

#include <gtest/gtest.h>

#include "support/fake_platform.h"

namespace kovrel {
namespace {

using testing::SimulatorFixture;

// A long paste runs at the console's own speed: no pause, no " --More--" waits for a key, and a
// cancel half way leaves the lines already typed in place and counts the rest.
TEST(Paste, RunsWithoutPausesAndStopsWhereItIsCancelled) {
  SimulatorFixture f;
  f.startSession(CliMode::priv);
  f.sim.state.console.pageLength = 5;
  std::string text = "show running-config\r\nping 10.0.0.1\rconfigure terminal\n";
  for (int line = 3; line < 2000; ++line) text += "hostname H" + std::to_string(line) + "\n";
  int asked = 0;
  const PasteResult result = typePaste(f.sim, text, [&] { return ++asked > 1000; });
  EXPECT_EQ(result.typedLines, 1000U);
  EXPECT_EQ(result.untypedLines, 1000U);
  EXPECT_TRUE(f.platform.pauses.empty());
  EXPECT_EQ(f.platform.keysWaitedFor, 0);
  EXPECT_EQ(f.running().hostname, "H999");
  EXPECT_EQ(f.input(), "H999(config)#");
  EXPECT_FALSE(f.sim.state.console.pasting);
  EXPECT_EQ(pasteCancelledNotice(result), "Paste cancelled: 1000 lines not typed (1000 typed).");
  EXPECT_EQ(pasteCancelledNotice({1, 1}), "Paste cancelled: 1 line not typed (1 typed).");
}

// The last pasted line runs as if typed: its display waits for the student. Bytes beyond ASCII
// are dropped, and a last line without a line break stays in the input line.
TEST(Paste, TheLastLineRunsAsTypedAndAnUnfinishedOneWaits) {
  SimulatorFixture f;
  f.startSession(CliMode::priv);
  f.sim.state.console.pageLength = 5;
  const PasteResult whole = typePaste(
      f.sim, "show running-config\r\nsh\xc3\xa9ow running-config\r\n", [] { return false; });
  EXPECT_EQ(whole.typedLines, 2U);
  EXPECT_FALSE(whole.cancelled());
  EXPECT_EQ(f.platform.keysWaitedFor, 1);
  EXPECT_EQ(f.platform.pauses.front(), 1200) << "Building configuration... of the last line";
  const PasteResult unfinished = typePaste(f.sim, "\nconf", [] { return false; });
  EXPECT_EQ(unfinished.typedLines, 2U);
  EXPECT_EQ(f.input(), "Router#conf");
}

}  // namespace
}  // namespace kovrel

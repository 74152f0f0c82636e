// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "support/fake_platform.h"

namespace kovrel {
namespace {

using testing::SimulatorFixture;

// Line modes, Ctrl-Z and exit from privileged mode are in the line_modes_and_ctrl_z transcript.

// The banner's end restores the configuration prompt, so the mode must still be configuration.
TEST(ModeTransitions, CtrlZDuringBannerEntryKeepsModeAndPromptInStep) {
  SimulatorFixture f;
  f.startSession(CliMode::conf);
  f.enter("banner motd #");
  f.ctrl('Z');
  EXPECT_EQ(f.mode(), CliMode::conf);
  EXPECT_EQ(f.sim.interactionPending(), Interaction::bannerLine);
  f.enter("hello#");
  EXPECT_EQ(f.mode(), CliMode::conf);
  EXPECT_EQ(f.input(), "Router(config)#");
  EXPECT_EQ(f.running().bannerMotd, "hello");
}

}  // namespace
}  // namespace kovrel

// SPDX-License-Identifier: GPL-3.0-or-later
// The study feedback's program commands as kovrel-term shows them.

#include "shell/terminal/feedback_commands.h"

#include <gtest/gtest.h>

#include "support/fake_platform.h"
#include "training/activity_menu.h"
#include "training/scenarios.h"

namespace kovrel::terminal {
namespace {

std::string shown(const ProgramCommandResult& result) {
  std::string text;
  for (const std::string& line : result.lines) text += line + "\n";
  return text;
}

TEST(FeedbackCommands, CheckResetAndProgressFollowTheStudentsWork) {
  testing::SimulatorFixture f;
  EXPECT_EQ(shown(runProgramCommand(f.sim, "check")).substr(0, 32),
            "There are no steps to check here");
  startLab(f.sim, "configuringSerialInterface");
  f.startSession(CliMode::conf);
  f.enter("interface serial 0");
  f.enter("clock rate 56000");
  const std::string x(tickMark(true));
  const std::string o(tickMark(false));
  EXPECT_EQ(shown(runProgramCommand(f.sim, "check")),
            x + " Step1: Select the interface Serial0\n" + o +
                " Step2: Describe the interface as link to neighbour\n" + o +
                " Step3: Give Serial0 the address 220.155.5.1 with the mask 255.255.255.0\n" + x +
                " Step4: Provide a clock rate of 56000 bits per second\n" + o +
                " Step5: Set the bandwidth to 56 kilobits per second\n" + o +
                " Step6: Bring the interface up\n" + o +
                " Step7: Check the interface\n2 of 7 steps done.\n");
  // What was typed is lost, so a reset asks first.
  EXPECT_EQ(shown(runProgramCommand(f.sim, "reset")),
            "Nothing was started; the activity in progress goes on.\n");
  EXPECT_EQ(f.running().serial0.clockRate, 56000);
  EXPECT_EQ(shown(runProgramCommand(f.sim, "reset", [](const std::string&) { return true; })),
            "The activity starts afresh from a clean router.\n");
  EXPECT_EQ(f.running().serial0.clockRate, 0);
  EXPECT_NE(shown(runProgramCommand(f.sim, "check")).find("0 of 7 steps done."), std::string::npos);

  ASSERT_TRUE(startTest(f.sim, "test3"));
  EXPECT_EQ(shown(runProgramCommand(f.sim, "check")),
            "A test is checked when you hand it in: report grades it.\n");
  runProgramCommand(f.sim, "report");
  startTroubleshooting(f.sim, "troubleshooting1");
  EXPECT_EQ(shown(runProgramCommand(f.sim, "check")),
            "Troubleshooting 1 is still open: the goal's ping fails.\n");
  const std::string progress = shown(runProgramCommand(f.sim, "progress"));
  const std::string labCount = std::to_string(labMenu().size() - 1);  // "About The Labs" is none
  EXPECT_NE(progress.find("Labs done: 0 of " + labCount + "\n"), std::string::npos) << progress;
  EXPECT_NE(progress.find("  Configuring Interfaces: 0 of 3\n"), std::string::npos) << progress;
  EXPECT_NE(
      progress.find("Test 3: Network Configuration: best 0 (2027-01-15), last 0 (2027-01-15)"),
      std::string::npos)
      << progress;
  EXPECT_NE(progress.find("Troubleshooting solved: none\n"), std::string::npos) << progress;
  EXPECT_NE(progress.find("Flash cards due today: 0"), std::string::npos) << progress;

  f.sim.progress.recordLabCompleted("routerModes", 0);
  const std::string labs = shown(runProgramCommand(f.sim, "labs"));
  EXPECT_NE(labs.find("routerModes  " + x + "\n"), std::string::npos) << labs;
  EXPECT_NE(labs.find("routerStartUp\n"), std::string::npos) << labs;
}

}  // namespace
}  // namespace kovrel::terminal

#include <gtest/gtest.h>

#include "support/fake_platform.h"

namespace kovrel {
namespace {

using testing::SimulatorFixture;

// User, privileged and global configuration mode with exit and end are in the session_modes
// transcript; this walk adds the line modes.
TEST(ModeTransitions, WalkThroughTheLineModesAndBack) {
  SimulatorFixture f;
  f.startSession(CliMode::priv);
  const std::vector<std::pair<std::string, std::string>> steps = {
      {"configure terminal", "Router(config)#"},
      {"line console 0", "Router(config-line)#"},
      {"exit", "Router(config)#"},
      {"line vty 0 4", "Router(config-line)#"},
      {"end", "Router#"},
      {"conf t", "Router(config)#"},
      {"exit", "Router#"}};
  for (const auto& [line, prompt] : steps) {
    f.enter(line);
    EXPECT_EQ(f.input(), prompt) << "after " << line;
  }
}

TEST(ModeTransitions, CtrlZLeavesConfigurationAfterAnyReplyToTheLine) {
  const std::string configured = "\n3d13h: %SYS-5-CONFIG_I: Configured from console by console";
  struct Case {
    CliMode mode;
    const char* before;  // entered first
    const char* typed;
    std::string output;
    const char* prompt;
  };
  for (const Case& c : std::vector<Case>{
           {CliMode::conf, "", "hostname",
            "\nRouter(config)#hostname^Z\n \n% Invalid input detected at '^' marker." + configured,
            "Router#"},
           {CliMode::conf, "line aux 0", "", "\nRouter(config-line)#^Z" + configured, "Router#"},
           {CliMode::user, "", "show", "\nRouter>show^Z", "Router>"}}) {
    SimulatorFixture f;
    f.startSession(c.mode);
    if (*c.before != '\0') f.enter(c.before);
    f.newOutput();
    f.type(c.typed);
    f.ctrl('Z');
    EXPECT_EQ(f.newOutput(), c.output);
    EXPECT_EQ(f.input(), c.prompt);
  }
}

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

TEST(ModeTransitions, ExitEndsTheSessionAndClearsHistory) {
  SimulatorFixture f;
  f.startSession(CliMode::priv);
  f.enter("exit");
  EXPECT_EQ(f.mode(), CliMode::none);
  EXPECT_EQ(f.prompt(), "");
  EXPECT_TRUE(f.sim.router().history.empty());
  EXPECT_NE(f.sim.console.output().find("Router con0 is now available"), std::string::npos);
  EXPECT_TRUE(f.sim.console.output().ends_with("Press RETURN to get started."));
}

}  // namespace
}  // namespace kovrel

#include <gtest/gtest.h>

#include "support/fake_platform.h"

namespace kovrel {
namespace {

using testing::SimulatorFixture;

TEST(ModeTransitions, ReturnStartsTheSessionInUserMode) {
  SimulatorFixture f;
  EXPECT_EQ(f.mode(), CliMode::none);
  f.type("show");  // nothing can be typed before the session starts
  EXPECT_EQ(f.input(), "");
  f.enter("");
  EXPECT_EQ(f.mode(), CliMode::user);
  EXPECT_EQ(f.input(), "Router>");
}

TEST(ModeTransitions, WalkThroughEveryPromptAndBack) {
  SimulatorFixture f;
  f.startSession(CliMode::user);
  const std::vector<std::pair<std::string, std::string>> steps = {
      {"enable", "Router#"},
      {"configure terminal", "Router(config)#"},
      {"line console 0", "Router(config-line)#"},
      {"exit", "Router(config)#"},
      {"line vty 0 4", "Router(config-line)#"},
      {"end", "Router#"},
      {"conf t", "Router(config)#"},
      {"exit", "Router#"},
      {"disable", "Router>"},
  };
  for (const auto& [line, prompt] : steps) {
    f.enter(line);
    EXPECT_EQ(f.input(), prompt) << "after " << line;
  }
}

TEST(ModeTransitions, ExitFromConfigurationWritesTheMessageEndDoesNot) {
  SimulatorFixture f;
  f.startSession(CliMode::conf);
  f.enter("exit");
  EXPECT_EQ(f.newOutput(),
            "\nRouter(config)#exit\n3d13h: %SYS-5-CONFIG_I: Configured from console by console");
  f.enter("configure terminal");
  f.newOutput();
  f.enter("end");
  EXPECT_EQ(f.newOutput(), "\nRouter(config)#end");
  EXPECT_EQ(f.prompt(), "Router#");
}

TEST(ModeTransitions, CtrlZAfterAWordRepliesInvalidThenConfigured) {
  SimulatorFixture f;
  f.startSession(CliMode::conf);
  f.type("hostname");
  f.ctrl('Z');
  EXPECT_EQ(f.newOutput(),
            "\nRouter(config)#hostname^Z\n \n% Invalid input detected at '^' marker.\n"
            "3d13h: %SYS-5-CONFIG_I: Configured from console by console");
  EXPECT_EQ(f.input(), "Router#");
}

TEST(ModeTransitions, CtrlZOnAnEmptyLineOnlyLeavesConfiguration) {
  SimulatorFixture f;
  f.startSession(CliMode::conf);
  f.enter("line aux 0");
  f.newOutput();
  f.ctrl('Z');
  EXPECT_EQ(f.newOutput(),
            "\nRouter(config-line)#^Z\n3d13h: %SYS-5-CONFIG_I: Configured from console by console");
  EXPECT_EQ(f.mode(), CliMode::priv);
}

TEST(ModeTransitions, CtrlZOutsideConfigurationOnlyEchoes) {
  SimulatorFixture f;
  f.startSession(CliMode::user);
  f.type("show");
  f.ctrl('Z');
  EXPECT_EQ(f.newOutput(), "\nRouter>show^Z");
  EXPECT_EQ(f.input(), "Router>");
  EXPECT_EQ(f.mode(), CliMode::user);
}

TEST(ModeTransitions, ExitAndLogoutEndTheSessionAndClearHistory) {
  for (const char* command : {"exit", "logout"}) {
    SimulatorFixture f;
    f.startSession(CliMode::priv);
    f.enter(command);
    EXPECT_EQ(f.mode(), CliMode::none);
    EXPECT_EQ(f.prompt(), "");
    EXPECT_TRUE(f.sim.router().history.empty());
    EXPECT_NE(f.sim.console.output().find("Router con0 is now available"), std::string::npos);
    EXPECT_TRUE(f.sim.console.output().ends_with("Press RETURN to get started."));
  }
}

TEST(ModeTransitions, BackspaceNeverErasesThePrompt) {
  SimulatorFixture f;
  f.startSession(CliMode::user);
  f.type("ab\b\b\b\b");
  EXPECT_EQ(f.input(), "Router>");
  f.type("x");
  EXPECT_EQ(f.input(), "Router>x");
}

}  // namespace
}  // namespace kovrel

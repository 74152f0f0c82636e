// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/context_help.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
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

// A console in `mode` whose screen is long enough that no listing stops at " --More--".
class HelpConsole : public SimulatorFixture {
 public:
  explicit HelpConsole(CliMode mode, Port port = Port::serial0, bool withDatabase = true)
      : SimulatorFixture(withDatabase) {
    walkInto(*this, mode, port);
    sim.state.console.pageLength = 500;
    platform.emphasised.clear();
  }

  /// Clears the line, types the question (ending in "?") and returns what was written after its
  /// echo.
  std::string ask(const std::string& typed) {
    ctrl('U');
    const std::string echo = "\n" + prompt() + typed;
    type(typed);
    const std::string written = newOutput();
    EXPECT_TRUE(written.starts_with(echo)) << written;
    return written.substr(std::min(echo.size(), written.size()));
  }

  std::string helpText(const std::string& key) {
    return sim.database.cmdInfo(key).value_or("<no row " + key + ">");
  }
};

// The help text as the console shows it: CR LF become line breaks and "$" markers disappear.
std::string shown(const std::string& text) {
  std::string result;
  for (std::size_t start = 0; start <= text.size();) {
    std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (line.starts_with('$')) line.erase(0, 1);
    if (!line.empty()) result += "\n" + line;
    start = end + 2;
  }
  return result;
}

const std::string kUnrecognized = "\n% Unrecognized command";

// The fixed answers of each mode are in the context_help_answers transcript.

// Without catalogues the grammar holds only what the simulator carries out.
TEST(ContextHelpTest, AFailedCatalogueReadIsLoggedAndTheCommandsStillWork) {
  testing::ScratchFolder folder;
  HelpConsole console(priv);
  console.sim.database.open(
      testing::makeDatabase(folder.path() / "bare.db", "CREATE TABLE cmdInfo (cmd, display)"));
  EXPECT_EQ(console.ask("sh?"), "\nshow ");
  EXPECT_EQ(console.ask("con?"), "\nconfigure ");
  ASSERT_GE(console.platform.errorLines.size(), 2u);
  EXPECT_EQ(console.platform.errorLines[1], "In function buildCommandGrammars");
}

TEST(ContextHelpTest, KeysAnswerWithTheirHelpTexts) {
  const struct {
    CliMode mode;
    const char* typed;
    const char* key;
  } cases[] = {
      {user, "?", "usermode_cmds"},
      {priv, "?", "privmode_cmds"},
      {conf, "?", "confmode_cmds"},
      {configLine, "?", "linemode_cmds"},
      {configIf, "?", "ifmode_cmds"},
      {configRouterRip, "?", "configRouterMode_rip_cmds"},
      {configRouterIgrp, "?", "configRouterMode_igrp_cmds"},
      {user, "show ip ?", "show_ip_?_user"},
      {priv, "show cdp int ?", "show_cdp_interface_?"},
      {priv, "sh int ?", "show_interfaces_?"},
      {priv, "copy tftp ?", "copy_run_?"},
      {conf, "access-list 7 deny ?", "access_list_<1-99>_variable_?"},
      {conf, "no ip http ?", "no_ip_http_?"},
      {configIf, "no ?", "no_?_ifmode"},
      {configRouterIgrp, "no ?", "no_?_configRouterIgrpMode"},
  };
  for (const auto& c : cases) {
    HelpConsole console(c.mode);
    EXPECT_EQ(console.ask(c.typed), shown(console.helpText(c.key))) << c.typed;
    // The line stands again as typed, to go on with.
    EXPECT_EQ(console.input(),
              console.prompt() + std::string(c.typed).substr(0, strlen(c.typed) - 1))
        << c.typed;
  }
}

TEST(ContextHelpTest, SerialOnlyCommandsArePlainOnEthernet) {
  HelpConsole serial(configIf, Port::serial0);
  serial.ask("?");
  HelpConsole ethernet(configIf, Port::ethernet0);
  ethernet.ask("?");
  auto clockLines = [](const std::vector<std::string>& lines) {
    return std::ranges::count_if(lines,
                                 [](const auto& line) { return line.starts_with("  clock"); });
  };
  EXPECT_EQ(clockLines(serial.platform.emphasised), 1);
  EXPECT_EQ(clockLines(ethernet.platform.emphasised), 0);
  EXPECT_EQ(ethernet.platform.emphasised.size() + 1, serial.platform.emphasised.size());
}

TEST(ContextHelpTest, EmphasisEndsWithEveryRequest) {
  for (const char* typed : {"show ?", "foo ?", "show flash ?", "configure terminal ?", "sh?"}) {
    HelpConsole console(priv);
    console.ask(typed);
    EXPECT_FALSE(console.sim.state.console.helpListingActive) << typed;
    const auto emphasisedBefore = console.platform.emphasised.size();
    console.enter("show clock");
    console.enter("show history");
    EXPECT_EQ(console.platform.emphasised.size(), emphasisedBefore) << typed;
  }
}

TEST(ContextHelpTest, HelpPagesItsTextInEveryModeWithoutEmphasis) {
  for (const CliMode mode : {user, priv, conf, configIf, configLine, configRouterRip}) {
    HelpConsole console(mode);
    console.enter("help");
    EXPECT_EQ(console.newOutput(),
              "\n" + console.prompt() + "help" + shown(console.helpText("help")));
    EXPECT_TRUE(console.platform.emphasised.empty());
  }
}

TEST(ContextHelpTest, MissingTextsWriteNothingAndRaiseNothing) {
  HelpConsole console(priv, Port::serial0, false);
  EXPECT_EQ(console.ask("show ?"), "");
  EXPECT_EQ(console.ask("?"), "");
  console.enter("help");
  EXPECT_EQ(console.newOutput(), "\nRouter#help");
  EXPECT_TRUE(console.platform.messages.empty());
  EXPECT_TRUE(console.platform.errorLines.empty());
}

TEST(ContextHelpTest, QuestionMarkAtThePasswordQuestionAnswersAndKeepsItOpen) {
  HelpConsole console(conf);
  for (const char* line : {"enable secret s", "end", "disable", "enable"}) console.enter(line);
  console.newOutput();
  // The typed answer is hidden, so help sees the question alone and the answer never shows.
  console.type("x?");
  EXPECT_EQ(console.newOutput(), "\nPassword: ?" + shown(console.helpText("usermode_cmds")));
  EXPECT_EQ(console.input(), "Password: ");
  EXPECT_EQ(console.sim.interactionPending(), Interaction::enableSecret);
  EXPECT_EQ(console.input(), "Password: ");
  console.enter("wrong");
  EXPECT_EQ(console.mode(), CliMode::user);
  console.enter("s");
  EXPECT_EQ(console.mode(), CliMode::priv);
}

}  // namespace
}  // namespace kovrel

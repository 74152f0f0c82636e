#include "catalogue/context_help.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "catalogue/catalogue_modes.h"
#include "catalogue/scratch_database.h"

namespace kovrel {
namespace {

using testing::Port;
using testing::SimulatorFixture;
using testing::walkInto;

// A console in `mode` whose screen is long enough that no listing stops at " --More--".
class HelpConsole : public SimulatorFixture {
 public:
  explicit HelpConsole(CliMode mode, Port port = Port::serial0, bool withDatabase = true)
      : SimulatorFixture(withDatabase) {
    walkInto(*this, mode, port);
    sim.state.console.pageLength = 500;
    platform.emphasised.clear();
  }

  /// Types the question (ending in "?") and returns what was written after its echo.
  std::string ask(const std::string& typed) {
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

std::string asWritten(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += "\n" + line;
  return text;
}

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
const std::string kInvalid = "\n \n% Invalid input detected at '^' marker.";

// --- word prefixes ---

TEST(ContextHelpPrefixTest, ListsTheMatchingWordsOnOneLine) {
  const struct {
    CliMode mode;
    const char* typed;
    const char* answer;
  } cases[] = {
      {CliMode::priv, "sh?", "\nshow "},
      {CliMode::priv, "s?", "\nshow setup systat "},
      {CliMode::priv, "show ip?", "\nip "},
      {CliMode::priv, "show i?", "\ninterfaces ip "},
      // Whole words are compared: "config" does not hide "configuration".
      {CliMode::priv, "show con?", "\nconfig configuration controllers "},
      {CliMode::user, "SHOW   V?", "\nversion "},
      {CliMode::conf, "ip do?", "\ndomain-lookup domain-name "},
      {CliMode::configIf, "cl?", "\nclock "},
      {CliMode::configRouterRip, "no n?", "\nnetwork "},
      {CliMode::priv, "xyz?", kUnrecognized.c_str()},
      {CliMode::conf, "show v?", kUnrecognized.c_str()},
      {CliMode::configLine, "password x?", kUnrecognized.c_str()},
      {CliMode::priv, "it's?", kUnrecognized.c_str()},
      {CliMode::priv, "s%?", kUnrecognized.c_str()},
  };
  for (const auto& c : cases) {
    HelpConsole console(c.mode);
    EXPECT_EQ(console.ask(c.typed), c.answer) << c.typed;
    EXPECT_TRUE(console.platform.emphasised.empty()) << c.typed;
    EXPECT_EQ(console.input(), console.prompt()) << c.typed;
    EXPECT_TRUE(console.platform.errorLines.empty()) << c.typed;
  }
}

TEST(ContextHelpPrefixTest, AFailedSearchIsLoggedAndAnsweredAsUnrecognized) {
  testing::ScratchFolder folder;
  HelpConsole console(CliMode::priv);
  console.sim.database.open(
      testing::makeDatabase(folder.path() / "bare.db", "CREATE TABLE cmdInfo (cmd, display)"));
  EXPECT_EQ(console.ask("sh?"), kUnrecognized);
  ASSERT_GE(console.platform.errorLines.size(), 2u);
  EXPECT_EQ(console.platform.errorLines[1], "In function listCommandsStartingWithString");
}

// --- the case table, group by group ---

struct FixedAnswerCase {
  CliMode mode;
  const char* typed;
  std::vector<std::string> lines;  // as shown, "$" removed
  Port port = Port::serial0;
};

class ContextHelpFixedTest : public ::testing::TestWithParam<FixedAnswerCase> {};

TEST_P(ContextHelpFixedTest, WritesTheRoutersLines) {
  HelpConsole console(GetParam().mode, GetParam().port);
  EXPECT_EQ(console.ask(GetParam().typed), asWritten(GetParam().lines));
  EXPECT_FALSE(console.sim.state.console.helpListingActive);
  EXPECT_EQ(console.input(), console.prompt());
}

using enum CliMode;

INSTANTIATE_TEST_SUITE_P(
    Configuration, ContextHelpFixedTest,
    ::testing::Values(
        FixedAnswerCase{
            conf, "access-list 10 permit host ?", {"  Hostname or A.B.C.D  Host address", " "}},
        FixedAnswerCase{conf,
                        "access-list 10 deny any ?",
                        {"  log  Log matches against this entry", "  <cr>", " "}},
        FixedAnswerCase{conf,
                        "access-list 10 deny 10.1.1.0 ?",
                        {"  A.B.C.D  Wildcard bits", "  log      Log matches against this entry",
                         "  <cr>", " "}},
        FixedAnswerCase{conf,
                        "banner motd ?",
                        {"LINE  c banner-text c, where 'c' is a delimiting character", " "}},
        FixedAnswerCase{conf, "banner motd # ?", {"LINE    <cr>", " "}},
        FixedAnswerCase{
            conf, "cdp timer ?", {"  <5-900>  Rate at which CDP packets are sent (in sec)", " "}},
        FixedAnswerCase{conf, "hostname ?", {" WORD  This system's network name", " "}},
        FixedAnswerCase{conf, "hostname r1 ?", {}},
        FixedAnswerCase{conf,
                        "line ?",
                        {"<0-6>    First Line number", "aux      Auxiliary line",
                         "console  Primary terminal line", "vty      Virtual terminal"}},
        FixedAnswerCase{conf, "line vty ?", {"<0-4>    First Line number", " "}},
        FixedAnswerCase{conf, "line vty 0 ?", {}},
        FixedAnswerCase{conf,
                        "ip host web ?",
                        {"  <0-65535>  Default telnet port number",
                         " A.B.C.D    Host IP address (maximum of 8)", " "}},
        FixedAnswerCase{conf, "no router igrp ?", {"  <1-65535>  Autonomous system number", " "}},
        FixedAnswerCase{
            conf,
            "no access-list ?",
            {"  <1-99>       IP standard access list", "  <100-199>    IP extended access list",
             "  <1100-1199>  Extended 48-bit MAC address access list",
             "  <1300-1999>  IP standard access list (expanded range)",
             "  <200-299>    Protocol type-code access list",
             "  <2000-2699>  IP extended access list (expanded range)",
             "  <700-799>    48-bit MAC address access list", "  "}},
        FixedAnswerCase{conf, "router igrp ?", {"  <1-65535>  Autonomous system number", " "}},
        FixedAnswerCase{conf, "enable secret ?", {"% Unrecognized command"}}));

INSTANTIATE_TEST_SUITE_P(
    InterfaceLineAndRouter, ContextHelpFixedTest,
    ::testing::Values(
        FixedAnswerCase{configIf, "bandwidth ?", {"  <1-10000000>  Bandwidth in kilobits", " "}},
        FixedAnswerCase{configIf, "ip address 10.1.1.1 ?", {"  A.B.C.D  IP subnet mask", " "}},
        FixedAnswerCase{configIf, "ip address 10.1.1 ?", {"% Unrecognized command"}},
        FixedAnswerCase{configIf,
                        "ip access-group 5 ?",
                        {"  in   inbound packets", "  out  outbound packets", " "}},
        FixedAnswerCase{configIf, "ip access-group 100 ?", {"% Unrecognized command"}},
        FixedAnswerCase{configIf,
                        "no ip access-group 5 ?",
                        {"  in   inbound packets", "  out  outbound packets", "   "}},
        FixedAnswerCase{configIf, "no shutdown ?", {"  <cr>", " "}},
        FixedAnswerCase{
            configIf, "cdp ?", {"  enable  Enable CDP on interface", " "}, Port::ethernet0},
        FixedAnswerCase{
            configLine, "exec-timeout 5 ?", {"  <0-2147483>  Timeout in seconds <cr>", " "}},
        FixedAnswerCase{configLine, "exec-timeout 35792 ?", {"% Unrecognized command"}},
        FixedAnswerCase{configLine, "password x y ?", {"LINE    <cr>", " "}},
        FixedAnswerCase{configRouterRip, "network ?", {"   A.B.C.D  Network number", " "}},
        FixedAnswerCase{configRouterIgrp, "no network ?", {"   A.B.C.D  Network number", " "}}));

INSTANTIATE_TEST_SUITE_P(
    ExecModes, ContextHelpFixedTest,
    ::testing::Values(
        FixedAnswerCase{user, "enable ?", {"<0-15>  Enable level", "<cr>", " "}},
        FixedAnswerCase{priv, "en ?", {"<0-15>  Enable level", "<cr>", " "}},
        FixedAnswerCase{user,
                        "ping ?",
                        {"  WORD  Ping destination address or hostname", "  ip    IP echo",
                         "  tag   Tag encapsulated IP echo", " "}},
        FixedAnswerCase{
            priv, "no ?", {" debug  Disable debugging functions (see also 'undebug')", " "}},
        FixedAnswerCase{priv, "configure terminal ?", {}},
        FixedAnswerCase{user, "terminal history ?", {" size  Set history buffer size", " <cr>"}},
        FixedAnswerCase{priv, "terminal history size ?", {"<0-256>  Size of history buffer"}},
        FixedAnswerCase{user,
                        "terminal length ?",
                        {"% Unknown command or computer name, or unable to find computer address"}},
        FixedAnswerCase{priv, "sh int serial ?", {"  <0-1>  Serial interface number", " "}},
        FixedAnswerCase{priv, "show int ethernet ?", {"  <0-0>  Ethernet interface number", " "}},
        FixedAnswerCase{priv, "sh ip int serial ?", {"  <0-1>  Serial interface number", "  "}},
        FixedAnswerCase{
            priv,
            "show ip interface ?",
            {"  Ethernet  IEEE 802.3", "  Null      Null interface", "  Serial    Serial",
             "  brief     Brief summary of IP status and configuration", "  <cr>", "  "}},
        FixedAnswerCase{priv, "show flash ?", {"% Unrecognized command"}},
        FixedAnswerCase{user, "show cdp ?", {"% Unrecognized command"}}));

TEST(ContextHelpTableTest, UnknownAndMisplacedWordsAreRefused) {
  const struct {
    CliMode mode;
    const char* typed;
    std::string answer;
  } cases[] = {
      // A first word of no group: the bare prompt, then the refusal.
      {CliMode::priv, "foo ?", "\nRouter#" + kUnrecognized},
      {CliMode::conf, "conf ?", "\nRouter(config)#" + kUnrecognized},
      // A group whose modes do not include the current one.
      {CliMode::conf, "show ?", kUnrecognized},
      {CliMode::user, "configure ?", kUnrecognized},
      {CliMode::configIf, "enable ?", kUnrecognized},
      {CliMode::conf, "access-list 100 ?", kUnrecognized},
      {CliMode::conf, "access-list 5 allow ?", kUnrecognized},
      {CliMode::conf, "terminal history ?", kInvalid},
  };
  for (const auto& c : cases) {
    HelpConsole console(c.mode);
    EXPECT_EQ(console.ask(c.typed), c.answer) << c.typed;
    EXPECT_FALSE(console.sim.state.console.helpListingActive) << c.typed;
  }
}

TEST(ContextHelpTableTest, KeysAnswerWithTheirHelpTexts) {
  const struct {
    CliMode mode;
    const char* typed;
    const char* key;
    Port port = Port::serial0;
  } cases[] = {
      {CliMode::user, "?", "usermode_cmds"},
      {CliMode::priv, "?", "privmode_cmds"},
      {CliMode::conf, "?", "confmode_cmds"},
      {CliMode::configLine, "?", "linemode_cmds"},
      {CliMode::configIf, "?", "ifmode_cmds"},
      {CliMode::configRouterRip, "?", "configRouterMode_rip_cmds"},
      {CliMode::configRouterIgrp, "?", "configRouterMode_igrp_cmds"},
      {CliMode::user, "show ?", "show_user"},
      {CliMode::priv, "sh ?", "show_priv"},
      {CliMode::user, "show ip ?", "show_ip_?_user"},
      {CliMode::priv, "show ip ?", "show_ip_?_priv"},
      {CliMode::priv, "show cdp int ?", "show_cdp_interface_?"},
      {CliMode::priv, "sh int ?", "show_interfaces_?"},
      {CliMode::priv, "show int ?", "show_interfaces_?"},
      {CliMode::priv, "copy ?", "copy_?"},
      {CliMode::priv, "copy run ?", "copy_run_?"},
      {CliMode::priv, "copy tftp ?", "copy_run_?"},
      {CliMode::priv, "configure ?", "configure_?"},
      {CliMode::priv, "terminal ?", "terminal_?"},
      {CliMode::conf, "access-list ?", "access_list_?"},
      {CliMode::conf, "access-list 7 ?", "access_list_<1-99>_?"},
      {CliMode::conf, "access-list 7 deny ?", "access_list_<1-99>_variable_?"},
      {CliMode::conf, "int ?", "interface_?"},
      {CliMode::conf, "enable ?", "enable_?"},
      {CliMode::conf, "no enable ?", "no_enable_?"},
      {CliMode::conf, "no ip http ?", "no_ip_http_?"},
      {CliMode::configIf, "no ?", "no_?_ifmode"},
      {CliMode::configIf, "clock rate ?", "clock_rate_?"},
      {CliMode::configLine, "password ?", "password_?"},
      {CliMode::configRouterIgrp, "no ?", "no_?_configRouterIgrpMode"},
  };
  for (const auto& c : cases) {
    HelpConsole console(c.mode, c.port);
    EXPECT_EQ(console.ask(c.typed), shown(console.helpText(c.key))) << c.typed;
    EXPECT_EQ(console.input(), console.prompt()) << c.typed;
  }
}

// --- emphasis ---

TEST(ContextHelpEmphasisTest, ListingLinesFollowTheCatalogue) {
  HelpConsole console(CliMode::priv);
  console.ask("show ?");
  const auto& emphasised = console.platform.emphasised;
  auto isEmphasised = [&](const std::string& start) {
    return std::ranges::any_of(emphasised,
                               [&](const std::string& line) { return line.starts_with(start); });
  };
  EXPECT_TRUE(isEmphasised("  access-lists "));
  EXPECT_TRUE(isEmphasised("  running-config "));
  EXPECT_TRUE(isEmphasised("  ip "));
  EXPECT_FALSE(isEmphasised("  arp "));
  EXPECT_FALSE(isEmphasised("  tech-support "));
}

TEST(ContextHelpEmphasisTest, SerialOnlyCommandsArePlainOnEthernet) {
  HelpConsole serial(CliMode::configIf, Port::serial0);
  serial.ask("?");
  HelpConsole ethernet(CliMode::configIf, Port::ethernet0);
  ethernet.ask("?");
  auto clockLines = [](const std::vector<std::string>& lines) {
    return std::ranges::count_if(lines,
                                 [](const auto& line) { return line.starts_with("  clock"); });
  };
  EXPECT_EQ(clockLines(serial.platform.emphasised), 1);
  EXPECT_EQ(clockLines(ethernet.platform.emphasised), 0);
  EXPECT_EQ(ethernet.platform.emphasised.size() + 1, serial.platform.emphasised.size());
}

TEST(ContextHelpEmphasisTest, DollarLinesAreEmphasisedWithoutTheirMarker) {
  HelpConsole console(CliMode::conf);
  console.ask("access-list 5 ?");
  EXPECT_EQ(console.platform.emphasised,
            (std::vector<std::string>{"  deny    Drop the packets that match",
                                      "  permit  Pass the packets that match"}));
}

TEST(ContextHelpEmphasisTest, EndsWithEveryRequest) {
  for (const char* typed : {"show ?", "foo ?", "show flash ?", "configure terminal ?", "sh?"}) {
    HelpConsole console(CliMode::priv);
    console.ask(typed);
    EXPECT_FALSE(console.sim.state.console.helpListingActive) << typed;
    const auto emphasisedBefore = console.platform.emphasised.size();
    console.enter("show clock");
    console.enter("show history");
    EXPECT_EQ(console.platform.emphasised.size(), emphasisedBefore) << typed;
  }
}

// --- the help command and missing texts ---

TEST(ContextHelpCommandTest, HelpPagesItsTextInEveryModeWithoutEmphasis) {
  for (const CliMode mode : {user, priv, conf, configIf, configLine, configRouterRip}) {
    HelpConsole console(mode);
    console.enter("help");
    const std::string written = console.newOutput();
    EXPECT_EQ(written, "\n" + console.prompt() + "help" + shown(console.helpText("help")));
    EXPECT_TRUE(console.platform.emphasised.empty());
  }
}

TEST(ContextHelpCommandTest, HelpWithMoreWordsIsRefused) {
  HelpConsole user(CliMode::user);
  user.enter("help me");
  EXPECT_EQ(user.newOutput(),
            "\nRouter>help me\n% Unknown command or computer name, or unable to find computer "
            "address");
  HelpConsole conf(CliMode::conf);
  conf.enter("help me");
  EXPECT_EQ(conf.newOutput(), "\nRouter(config)#help me" + kInvalid);
}

TEST(ContextHelpCommandTest, MissingTextsWriteNothingAndRaiseNothing) {
  HelpConsole console(CliMode::priv, Port::serial0, false);
  EXPECT_EQ(console.ask("show ?"), "");
  EXPECT_EQ(console.ask("?"), "");
  console.enter("help");
  EXPECT_EQ(console.newOutput(), "\nRouter#help");
  EXPECT_TRUE(console.platform.messages.empty());
  EXPECT_TRUE(console.platform.errorLines.empty());
}

TEST(ContextHelpCommandTest, QuestionMarkAtThePasswordQuestionStillAsks) {
  HelpConsole console(CliMode::conf);
  console.enter("enable secret s");
  console.enter("end");
  console.enter("disable");
  console.enter("enable");
  console.newOutput();
  console.type("x?");
  EXPECT_EQ(console.newOutput(), "\nPassword: x?" + kUnrecognized);
  EXPECT_EQ(console.input(), "Password: ");
}

TEST(ContextHelpCommandTest, APagedAnswerKeepsThePasswordQuestionOpen) {
  HelpConsole console(CliMode::conf);
  console.enter("enable secret s");
  console.enter("end");
  console.enter("disable");
  console.enter("enable");
  console.newOutput();
  EXPECT_EQ(console.ask("?"), shown(console.helpText("usermode_cmds")));
  EXPECT_EQ(console.sim.interactionPending(), Interaction::enableSecret);
  EXPECT_EQ(console.input(), "Password: ");
  console.enter("wrong");
  EXPECT_EQ(console.mode(), CliMode::user);
  console.enter("s");
  EXPECT_EQ(console.mode(), CliMode::priv);
}

}  // namespace
}  // namespace kovrel

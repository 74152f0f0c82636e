// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "console/keyboard.h"
#include "support/fake_platform.h"

namespace kovrel {
namespace {

using testing::SimulatorFixture;

// Plays a key sequence: "^A" is Ctrl-A, "{up}" a named key, "{esc+f}" an f typed while Esc is
// held, "{ESC}" an Esc that sends its character; anything else is typed ('\r' Enter, '\b'
// Backspace, '\t' Tab).
void play(Simulator& sim, std::string_view keys) {
  static const std::map<std::string, int, std::less<>> kNamed = {{"up", key::kUp},
                                                                 {"down", key::kDown},
                                                                 {"left", key::kLeft},
                                                                 {"home", key::kHome},
                                                                 {"esc", key::kEscape}};
  for (std::size_t i = 0; i < keys.size(); ++i) {
    if (keys[i] == '^') {
      pressKey(sim, keys[++i], true, 0);
    } else if (keys[i] == '{') {
      const std::size_t end = keys.find('}', i);
      const std::string_view name = keys.substr(i + 1, end - i - 1);
      if (name == "ESC") {
        pressKey(sim, key::kEscape, false, key::kEscape);
      } else if (name.starts_with("esc+")) {
        keyDown(sim, key::kEscape, false);
        keyChar(sim, name.back());
        keyUp(sim, key::kEscape);
      } else {
        pressKey(sim, kNamed.find(name)->second, false, 0);
      }
      i = end;
    } else {
      typeCharacter(sim, keys[i]);
    }
  }
}

// After each step's keys, the input line shows `shown`, with '|' where the caret stands.
struct Step {
  const char* keys;
  const char* shown;
};

struct KeyCase {
  const char* name;
  std::optional<CliMode> session;  // none: the router still waits for Return
  std::vector<Step> steps;
};

const KeyCase kKeyCases[] = {
    {"UpOnEmptyHistoryAndPastTheOldest",
     CliMode::user,
     {{"sho{up}{down}", "Router>sho|"},
      {"^Uone\rtwo\rthree\r{up}", "Router>three|"},
      {"{up}{up}", "Router>one|"},
      {"{up}", "Router>one|"}}},
    {"RecalledEntriesFollowThePrompt", CliMode::user, {{"one\renable\r{up}{up}", "Router#one|"}}},
    {"EntriesKeepTheirTypingEmptyLinesAreNotKept",
     CliMode::user,
     {{"  Show   CLOCK \r\r   \rx\rx\r{up}{up}{up}", "Router>   |"},
      {"{up}{up}", "Router>  Show   CLOCK |"}}},
    {"DraftAfterAnotherPromptComesBackWithTheCurrentOne",
     CliMode::conf,
     {{"host{up}^Z{down}", "Router#|"}}},
    {"SmallHistorySizesKeepTheLastCommands",
     CliMode::user,
     {{"terminal history size 2\rone\rtwo\rthree\r{up}{up}{up}", "Router>two|"},
      {"^Uterminal history size 1\rfour\r{up}{up}", "Router>four|"}}},
    {"TerminalNoHistoryTrims",
     CliMode::user,
     {{"one\rterminal history size 2\rterminal no history\r{up}{up}{up}",
       "Router>terminal history size 2|"}}},
    {"CaretKeysNeverEnterThePrompt",
     CliMode::user,
     {{"{left}^B", "Router>|"},
      {"ab\b\b\b\b", "Router>|"},
      {"ab{left}{left}{left}{left}\b^D", "Router>|ab"},
      {"x", "Router>x|ab"}}},
    {"ControlKeysMoveAndDelete",
     CliMode::user,
     {{"show ip^A", "Router>|show ip"},
      {"^F^F^D", "Router>s|ow ip"},
      {"^E^F", "Router>sow ip|"},
      {"^B{home}", "Router>sow i|p"},
      {"^U", "Router>|"}}},
    {"PunctuationIsTyped", CliMode::user, {{"a%&(.$#'b", "Router>a%&(.$#'b|"}}},
    {"ControlRKeepsTheLine", CliMode::user, {{"show ver^A^R", "Router>show ver|"}}},
    {"ControlW",
     CliMode::priv,
     {{"show ip^W", "Router#show |"},
      {"^W", "Router#|"},
      {"a^W^W", "Router#|"},
      {"show ip route{left}{left}{left}{left}{left}{left}^W", "Router#show | route"},
      {"^Ushow  ^W", "Router#show |"}}},
    {"EscapeWordMovementStopsAfterBlanks",
     CliMode::user,
     {{"show ip route^A{esc+f}", "Router>show |ip route"},
      {"{esc+f}{esc+f}{esc+f}", "Router>show ip route|"},
      {"{esc+B}{esc+B}", "Router>show |ip route"},
      {"{esc+B}{esc+B}", "Router>|show ip route"}}},
    // Esc pressed and released, then B, moves as Esc held does; any other letter is typed, and
    // Enter takes the Esc too. "{ESC}" sends the key's character, as some front-ends do.
    {"EscapeThenALetter",
     CliMode::user,
     {{"ab cd{ESC}b", "Router>ab |cd"}, {"{esc}x", "Router>ab x|cd"}, {"{esc}\rb", "Router>b|"}}},
    {"TabLeavesAnswersToQuestionsAlone",
     CliMode::priv,
     {{"configure\rt\t", "Configuring from terminal, memory, or network [terminal]?t|"}}},
    {"KeysDoNothingBeforeTheSession", std::nullopt, {{"show\t{up}^U", "|"}}},
};

class KeyTable : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyTable, InputLineAndCaret) {
  SimulatorFixture fixture;
  if (GetParam().session) fixture.startSession(*GetParam().session);
  for (const Step& step : GetParam().steps) {
    play(fixture.sim, step.keys);
    std::string shown = fixture.input();
    shown.insert(fixture.sim.console.caret(), "|");
    EXPECT_EQ(shown, step.shown) << step.keys;
  }
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyTable, ::testing::ValuesIn(kKeyCases),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(LineEditing, OutputOfControlRAndOfKeysBeforeTheSession) {
  SimulatorFixture fixture;
  play(fixture.sim, "show\t{up}^U");
  EXPECT_EQ(fixture.newOutput(), "");
  fixture.startSession(CliMode::user);
  play(fixture.sim, "show ver^A^R");
  EXPECT_EQ(fixture.newOutput(), "\nRouter>show ver");
}

TEST(LineEditing, BrowsingSurvivesAHistoryThatShrankUnderIt) {
  SimulatorFixture fixture;
  fixture.startSession(CliMode::user);
  fixture.enter("one");
  fixture.sim.router().historyIndex = 40;  // stale, as after a router was reloaded
  play(fixture.sim, "{up}");
  EXPECT_EQ(fixture.input(), "Router>one");
}

TEST(TerminalHistorySize, AcceptsZeroTo256AndRefusesUnfinishedLines) {
  const std::string incomplete = "\n% Incomplete command.\n ";
  const std::string invalid = "\n \n% Invalid input detected at '^' marker.";
  const struct {
    CliMode mode;
    const char* line;
    int sizeAfter;  // 3: unchanged
    std::string reply;
  } cases[] = {
      {CliMode::user, "terminal history size 1", 1, ""},
      {CliMode::user, "terminal history size 256", 256, ""},
      {CliMode::user, "terminal history size 0", 0, ""},
      {CliMode::priv, "terminal history", 3, ""},  // alone, it only switches the history on
      {CliMode::priv, "terminal no history size", 10, ""},  // the default again
      {CliMode::priv, "terminal no history size 5", 3, invalid},
      {CliMode::user, "terminal no history", 3, ""},
      {CliMode::user, "terminal history size 257", 3, invalid},
      {CliMode::user, "terminal history size 0256", 3, invalid},
      {CliMode::user, "terminal history size x", 3, invalid},
      {CliMode::user, "terminal history length 5", 3, invalid},
      {CliMode::user, "terminal history size 5 6", 3, invalid},
      {CliMode::user, "terminal length", 3, "\n% This command is not available in the simulator"},
      {CliMode::conf, "terminal history", 10, invalid},
      {CliMode::user, "terminal", 3, incomplete},
      {CliMode::priv, "terminal no", 3, incomplete},
      {CliMode::user, "terminal history size", 3, incomplete},
  };
  for (const auto& c : cases) {
    SimulatorFixture f;
    f.startSession(c.mode);
    if (c.mode != CliMode::conf) f.enter("terminal history size 3");
    f.newOutput();
    f.enter(c.line);
    EXPECT_TRUE(f.newOutput().ends_with(c.line + c.reply)) << c.line;
    EXPECT_EQ(f.running().historySize, c.sizeAfter) << c.line;
  }
}

}  // namespace
}  // namespace kovrel

// SPDX-License-Identifier: GPL-3.0-or-later
// Every lab and troubleshooting solution, followed as a student reads it: the commands its steps
// quote are typed with the keys its prose names, and the router must answer without an error
// reply the step does not announce, and show the prompts the text states. The grammar the texts
// keep is described in data/README.md ("Lessons are followed by a test").

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>

#include "console/keyboard.h"
#include "support/fake_platform.h"
#include "training/instructions.h"
#include "training/router_switch.h"
#include "training/scenarios.h"
#include "training/scenarios_addresses.h"
#include "training/step_tracker.h"

namespace kovrel {
namespace {

constexpr std::string_view kErrorReplies[] = {"% Invalid input", "% Incomplete command",
                                              "% Unrecognized command", "% Unknown command"};

// Lab keys in menu order: the labs_NN files in name order, their sections in file order.
std::vector<std::string> labKeys() {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(KOVREL_LESSON_SOURCES)) {
    if (entry.path().filename().string().starts_with("labs_")) files.push_back(entry.path());
  }
  std::ranges::sort(files);
  std::vector<std::string> keys;
  for (const auto& file : files) {
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
      if (line.starts_with("@@ Labs ")) keys.push_back(line.substr(8, line.find(' ', 8) - 8));
    }
  }
  return keys;
}

// Sentences of a line: split after ".", ";", "!" or "?" followed by a blank, never inside quotes.
std::vector<std::string> sentences(const std::string& line) {
  std::vector<std::string> found(1);
  bool quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    found.back() += line[i];
    quoted = quoted != (line[i] == '\'');
    const bool end = !quoted && std::string_view(".;!?").find(line[i]) != std::string::npos;
    if (end && i + 1 < line.size() && line[i + 1] == ' ') {
      found.emplace_back();
      ++i;
    }
  }
  return found;
}

bool has(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

struct Key {
  int code;
  bool ctrl;
  int character;
};

// The key a word of the prose names after "press", if it names one.
std::optional<Key> namedKey(const std::string& word) {
  static const std::pair<std::string_view, Key> kKeys[] = {
      {"Enter", {key::kEnter, false, 13}},  {"Tab", {key::kTab, false, 9}},
      {"Space", {key::kSpace, false, ' '}}, {"Backspace", {key::kBackspace, false, 8}},
      {"Esc", {key::kEscape, false, 0}},    {"Up", {key::kUp, false, 0}},
      {"Down", {key::kDown, false, 0}},     {"Left", {key::kLeft, false, 0}},
      {"Right", {key::kRight, false, 0}}};
  for (const auto& [name, key] : kKeys) {
    if (word == name) return key;
  }
  if (word.size() == 6 && word.starts_with("Ctrl-")) return Key{word[5], true, 0};
  if (word.size() == 1 && std::isupper(static_cast<unsigned char>(word[0]))) {
    return Key{word[0], false, std::tolower(static_cast<unsigned char>(word[0]))};
  }
  return std::nullopt;
}

int repeatCount(const std::string& rest) {
  if (rest.starts_with(" twice")) return 2;
  if (rest.starts_with(" three times") || rest.starts_with(" a few times")) return 3;
  if (rest.starts_with(" five times")) return 5;
  return 1;
}

/// Follows lesson texts on one simulator and reports what the router answered wrongly.
class Replay {
 public:
  Replay(testing::SimulatorFixture& f, std::string lesson, bool anyHostName = false)
      : f_(f), lesson_(std::move(lesson)), anyHostName_(anyHostName) {}

  void text(const std::string& lessonText) {
    std::vector<std::string> step;
    for (const std::string& line : splitLessonLines(lessonText)) {
      if (isStepHeading(line)) {
        runStep(step);
        step.clear();
      }
      if (!step.empty() || isStepHeading(line)) step.push_back(line);
    }
    runStep(step);
  }

  bool lastPingSucceeded() const { return lastPingSucceeded_; }
  /// Asks that each step's check is not done before the step's own keys and done after them.
  void checkTicks() { checkTicks_ = true; }

 private:
  // A step that only asks to read is done as soon as the steps before it are.
  void checkTick(std::size_t index, bool after) {
    const StepProgress& steps = f_.sim.state.training.steps;
    if (!checkTicks_) return;
    if (index >= steps.checks.size()) return fail("no check for this step", "");
    const bool readOnly = steps.checks[index].terms.front().kind == CheckKind::read;
    if (after && !steps.done[index]) fail("the step is not ticked after its commands", "");
    if (!after && !readOnly && steps.done[index])
      fail("the step is ticked before its commands", "");
  }

  void runStep(const std::vector<std::string>& step) {
    if (step.empty()) return;
    const std::size_t index = stepIndex_++;
    checkTick(index, false);
    heading_ = step.front();
    std::string all;
    for (const std::string& line : step) all += line + "\n";
    announced_.clear();
    seen_.clear();
    for (std::string_view reply : kErrorReplies) {
      if (has(all, reply)) announced_.emplace(reply);
    }
    for (std::size_t i = 1; i < step.size(); ++i) {
      for (const std::string& sentence : sentences(step[i])) follow(sentence);
    }
    for (const std::string& reply : announced_) {
      if (!seen_.contains(reply))
        fail("the step announces " + reply + ", the router never said it", "");
    }
    checkTick(index, true);
  }

  void follow(const std::string& sentence) {
    std::string action = sentence;
    if (sentence.starts_with("If ")) {
      const std::size_t comma = sentence.find(", ");
      if (comma == std::string::npos || !conditionHolds(sentence.substr(0, comma))) return;
      action = sentence.substr(comma + 2);
    }
    const bool opensSession = has(action, "pen a session");
    if (opensSession && f_.mode() == CliMode::none) f_.type("\r");
    static const std::regex kSwitch("Router([AB]) button");
    std::smatch button;
    if (std::regex_search(action, button, kSwitch))
      switchRouter(f_.sim, button[1] == "A" ? RouterId::a : RouterId::b);
    playEvents(action, opensSession);
    check(sentence, sentence.starts_with("If ") ? "" : action);
  }

  bool conditionHolds(const std::string& condition) const {
    const CliMode mode = f_.mode();
    if (has(condition, "Press RETURN")) return mode == CliMode::none;
    if (has(condition, "shows a prompt")) return mode != CliMode::none;
    if (has(condition, "ends in #")) return mode == CliMode::priv;
    if (has(condition, "(config")) return mode != CliMode::none && isConfigurationMode(mode);
    return false;  // any other condition describes a detour the replay does not take
  }

  // Quoted texts are typed in sentences that say to type them; keys follow "press" anywhere.
  void playEvents(const std::string& action, bool opensSession) {
    static const std::regex kTyping(R"(\b([Tt]ype|[Aa]nswer with|[Cc]heck with)\b)");
    const bool typing = std::regex_search(action, kTyping);
    const bool noEnter = has(action, "without pressing Enter") || has(action, "not press Enter");
    const bool paging = has(action, "--More--");
    std::vector<std::string> parts(1);
    for (char c : action) {
      if (c == '\'') {
        parts.emplace_back();
      } else {
        parts.back() += c;
      }
    }
    for (std::size_t i = 0; i < parts.size(); ++i) {
      if (i % 2 == 1) {
        const bool keyName =
            parts[i].size() == 1 && i + 1 < parts.size() && parts[i + 1].starts_with(" key");
        if (keyName) {
          f_.type(parts[i]);
        } else if (typing) {
          f_.type(parts[i]);
          const bool keyFollows = i + 1 < parts.size() && has(parts[i + 1].substr(0, 12), "press");
          if (!noEnter && !keyFollows && !parts[i].ends_with('?')) f_.type("\r");
        }
      } else if (!paging) {
        pressKeys(parts[i], opensSession);
      }
    }
  }

  void pressKeys(const std::string& prose, bool opensSession) {
    static const std::regex kPress(R"(\b[Pp]ress(?: the)? ([A-Z][\w-]*)(?: arrow)?(?: key)?)");
    for (auto it = std::sregex_iterator(prose.begin(), prose.end(), kPress);
         it != std::sregex_iterator(); ++it) {
      const std::optional<Key> key = namedKey((*it)[1]);
      const bool negated = it->prefix().str().ends_with("not ");
      if (!key || negated || (opensSession && key->code == key::kEnter)) continue;
      const int count = repeatCount(it->suffix().str());
      for (int n = 0; n < count; ++n) pressKey(f_.sim, key->code, key->ctrl, key->character);
    }
  }

  // Error replies the step does not announce, and the prompt a sentence states.
  void check(const std::string& sentence, const std::string& statement) {
    const std::string output = f_.newOutput();
    for (std::string_view reply : kErrorReplies) {
      if (!has(output, reply)) continue;
      seen_.emplace(reply);
      if (!announced_.contains(std::string(reply))) fail(sentence, output);
    }
    if (const auto at = output.rfind("Success rate is "); at != std::string::npos) {
      lastPingSucceeded_ = output.compare(at, 20, "Success rate is 100 ") == 0;
    }
    // A ping result the text states must be the one the router gave.
    for (const bool success : {true, false}) {
      if (has(statement, success ? "Success rate is 100" : "Success rate is 0 ") &&
          lastPingSucceeded_ != success) {
        fail(sentence, "the last ping " + std::string(success ? "failed" : "succeeded"));
      }
    }
    static const std::regex kPrompt(
        R"((?:^|\s)([A-Za-z][\w-]*(?:\([a-z-]+\))?[#>])(?=[.,;:]?(\s|$)))");
    std::smatch stated;
    if (has(statement, "prompt") && std::regex_search(statement, stated, kPrompt)) {
      // In one long session a lab may have renamed the router; the texts write the factory name.
      std::string expected = stated[1];
      if (anyHostName_ && expected.starts_with("Router") &&
          !std::isalpha(static_cast<unsigned char>(expected[6]))) {
        expected = f_.running().hostname + expected.substr(6);
      }
      if (expected != f_.prompt()) fail(sentence, "prompt shown: " + f_.prompt());
    }
  }

  void fail(const std::string& sentence, const std::string& output) {
    ADD_FAILURE() << lesson_ << " / " << heading_ << "\n  " << sentence << "\n" << output;
  }

  testing::SimulatorFixture& f_;
  std::string lesson_;
  bool anyHostName_;
  std::string heading_;
  std::set<std::string> announced_;  // error replies the step names: expected
  std::set<std::string> seen_;
  bool lastPingSucceeded_ = false;
  bool checkTicks_ = false;
  std::size_t stepIndex_ = 0;
};

TEST(LessonReplay, EveryLabFromAFreshRouter) {
  for (const std::string& key : labKeys()) {
    testing::SimulatorFixture f;
    startLab(f.sim, key);
    selectStudyMode(f.sim, true);
    f.newOutput();
    Replay replay(f, key);
    replay.checkTicks();
    replay.text(f.sim.state.training.instructionText);
    EXPECT_TRUE(key == "aboutTheLabs" || allStepsDone(f.sim)) << key << ": not every step done";
    const auto& labs = f.sim.progress.progress().labs;
    const bool completed = labs.contains(key) && labs.at(key).completedAt.has_value();
    EXPECT_EQ(completed, key != "aboutTheLabs") << key << ": completion not recorded";
  }
}

TEST(LessonReplay, AllLabsInMenuOrderInOneSession) {
  testing::SimulatorFixture f;
  const std::vector<std::string> keys = labKeys();
  EXPECT_GE(keys.size(), 34u);
  for (const std::string& key : keys) {
    startLab(f.sim, key);
    f.newOutput();
    Replay(f, "in order: " + key, true).text(f.sim.state.training.instructionText);
  }
}

TEST(LessonReplay, EveryTroubleshootingSolutionEndsWithASuccessfulPing) {
  for (int n = 1; n <= troubleshootingCount(); ++n) {
    const std::string name = "troubleshooting" + std::to_string(n);
    testing::SimulatorFixture f;
    ASSERT_TRUE(startTroubleshooting(f.sim, name));
    f.newOutput();
    Replay replay(f, name);
    replay.text(f.sim.state.training.solutionText);
    EXPECT_TRUE(replay.lastPingSucceeded()) << name;
    // The success is announced once, after the ping that brought it.
    const std::string announcement = "Troubleshooting " + std::to_string(n) + " solved.";
    const std::string& all = f.platform.transcript;
    EXPECT_NE(all.find(announcement), std::string::npos) << name;
    EXPECT_EQ(all.find(announcement), all.rfind(announcement)) << name;
    EXPECT_TRUE(f.sim.progress.progress().solved.contains(n)) << name;
  }
}

}  // namespace
}  // namespace kovrel

// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/paging.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "support/fake_platform.h"

namespace kovrel {
namespace {

using testing::FakePlatform;

/// Answers " --More--" from a list of keys ("q" when it runs out) and notes what the console
/// showed while it waited.
class RecordingKeys : public KeyWaiter {
 public:
  explicit RecordingKeys(Simulator*& sim) : sim_(sim) {}
  int waitForKey() override {
    inputs.push_back(sim_->console.input());
    busy.push_back(sim_->interactionPending() == Interaction::paging);
    outputAtWait.emplace_back(sim_->console.output());
    if (keys.empty()) return 'q';
    const int key = keys.front();
    keys.pop_front();
    return key;
  }
  std::deque<int> keys;
  std::vector<std::string> inputs;
  std::vector<bool> busy;
  std::vector<std::string> outputAtWait;

 private:
  Simulator*& sim_;
};

/// A console on the fake platform whose " --More--" keys are recorded, at the privileged prompt.
class PagingConsole {
 public:
  PagingConsole() : keys(simPointer), sim(Services{fake, fake, keys, fake, fake, fake, fake}) {
    simPointer = &sim;
    sim.router().prompt = "Router#";
    sim.router().mode = CliMode::priv;
  }

  // Lines "1" .. "n" joined by CR LF.
  static std::string numbered(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i) text += (i > 1 ? "\r\n" : "") + std::to_string(i);
    return text;
  }

  std::string page(std::string_view text, int pageLength, std::deque<int> answers) {
    sim.state.console.pageLength = pageLength;
    keys.keys = std::move(answers);
    writePaged(sim, text);
    return std::string(sim.console.output());
  }

  int waits() const { return static_cast<int>(keys.inputs.size()); }
  int linePauses() const {
    int count = 0;
    for (int pause : fake.pauses) count += pause == kPagedLinePauseMs ? 1 : 0;
    return count;
  }

  Simulator* simPointer = nullptr;
  FakePlatform fake;
  RecordingKeys keys;
  Simulator sim;
};

class PagingTest : public ::testing::Test, public PagingConsole {};

TEST(PagingTableTest, PagesByTheKeysAnswered) {
  struct PagingCase {
    const char* name;
    int lines;
    int pageLength;
    std::deque<int> keys;
    int expectedWritten;  // lines "1" .. expectedWritten appear, nothing after
    int expectedWaits;
  };
  const std::vector<PagingCase> cases = {
      {"single line", 1, 3, {}, 1, 0},
      {"exactly one page", 3, 3, {}, 3, 0},
      {"one page plus a line, space", 4, 3, {' '}, 4, 1},
      {"one page plus a line, q", 4, 3, {'q'}, 3, 1},
      {"space shows the next page", 9, 3, {' ', 'x'}, 6, 2},
      {"space to the end", 9, 3, {' ', ' '}, 9, 2},
      {"enter shows exactly one more line", 9, 3, {'\r', '\r', 'q'}, 5, 3},
      {"enter then space resumes whole pages", 9, 3, {'\r', ' ', ' '}, 9, 3},
      {"any other key ends the display", 9, 3, {'n'}, 3, 1},
      {"a page length below one stops after every line", 3, 0, {' ', ' '}, 3, 2},
  };
  for (const PagingCase& c : cases) {
    SCOPED_TRACE(c.name);
    PagingConsole fresh;
    const std::string output = fresh.page(PagingConsole::numbered(c.lines), c.pageLength, c.keys);
    EXPECT_EQ(output, "\r\n" + PagingConsole::numbered(c.expectedWritten));
    EXPECT_EQ(fresh.waits(), c.expectedWaits);
    EXPECT_EQ(fresh.sim.interactionPending(), Interaction::none);
    EXPECT_EQ(fresh.sim.console.input(), "Router#");
  }
}

TEST_F(PagingTest, WaitsAtMoreWithTheConsoleBusy) {
  page(numbered(5), 2, {' ', ' '});
  EXPECT_EQ(keys.inputs, std::vector<std::string>(2, " --More--"));
  EXPECT_EQ(keys.busy, std::vector<bool>(2, true));
  EXPECT_EQ(keys.outputAtWait[0], "\r\n1\r\n2");
  EXPECT_EQ(keys.outputAtWait[1], "\r\n1\r\n2\r\n3\r\n4");
}

TEST_F(PagingTest, PausesAfterEveryLineButTheLast) {
  page(numbered(5), 24, {});
  EXPECT_EQ(fake.pauses, std::vector<int>(4, kPagedLinePauseMs));
  EXPECT_EQ(fake.refreshes, 4);  // each pause repaints first
  fake.pauses.clear();
  page(numbered(10), 3, {'q'});  // an abandoned display pauses only for what it wrote
  EXPECT_EQ(linePauses(), 3);
}

TEST(PagingTableTest, EmptyLinesCountTowardsThePageButAreNotWritten) {
  struct Case {
    std::string text;
    int pageLength;
    std::string output;
    int waits, linePauses;  // -1: not checked
  };
  for (const Case& c : std::vector<Case>{{"a\r\n\r\nb\r\nc", 2, "\r\na", 1, -1},
                                         {"\r\nx\r\n", 24, "\r\nx", 0, 2},
                                         {"", 24, "", 0, 0}}) {
    PagingConsole fresh;
    EXPECT_EQ(fresh.page(c.text, c.pageLength, {'q'}), c.output);
    EXPECT_EQ(fresh.waits(), c.waits);
    if (c.linePauses >= 0) {
      EXPECT_EQ(fresh.linePauses(), c.linePauses);
    }
    EXPECT_EQ(fresh.sim.console.input(), "Router#");
  }
}

TEST_F(PagingTest, HelpListingsEmphasiseDollarLines) {
  sim.state.console.helpListingActive = true;
  sim.state.console.pageLength = 24;
  writePaged(sim, "$bold line\r\nplain line", true);
  EXPECT_EQ(sim.console.output(), "\r\nbold line\r\nplain line");
  EXPECT_EQ(fake.emphasised, std::vector<std::string>{"bold line"});
}

}  // namespace
}  // namespace kovrel

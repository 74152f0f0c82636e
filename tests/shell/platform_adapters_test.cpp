// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/terminal/platform_adapters.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <fstream>
#include <iterator>

namespace kovrel::terminal {
namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& path) {
  std::ifstream in(path);
  return {std::istreambuf_iterator<char>(in), {}};
}

class ErrorLogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "kovrel-log-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
  }
  void TearDown() override { fs::remove_all(root_); }

  fs::path root_;
};

TEST_F(ErrorLogTest, TruncatesAtTheFirstReportOfARunAndAppendsAfterwards) {
  fs::create_directories(root_ / "app");
  std::ofstream(root_ / "app" / "ErrorLog.txt") << "a report of an earlier run\n";
  FileErrorLog log(root_ / "app", root_ / "state");
  EXPECT_EQ(log.write({"first", " "}, true), (root_ / "app" / "ErrorLog.txt").string());
  EXPECT_EQ(log.write({"second"}, false), (root_ / "app" / "ErrorLog.txt").string());
  EXPECT_EQ(readFile(root_ / "app" / "ErrorLog.txt"), "first\n \nsecond\n");
  EXPECT_FALSE(fs::exists(root_ / "state"));
}

TEST_F(ErrorLogTest, FallsBackToTheStateFolderAndThrowsWhenNoFolderTakesTheLog) {
  // A folder below a plain file can never be created, not even by root.
  std::ofstream(root_ / "plain-file") << "";
  FileErrorLog log(root_ / "plain-file" / "app", root_ / "state" / "kovrel");
  const fs::path fallback = root_ / "state" / "kovrel" / "ErrorLog.txt";
  EXPECT_EQ(log.write({"first"}, true), fallback.string());
  EXPECT_EQ(log.write({"second"}, false), fallback.string());
  EXPECT_EQ(readFile(fallback), "first\nsecond\n");
  FileErrorLog lost(root_ / "plain-file" / "app", root_ / "plain-file" / "state");
  EXPECT_THROW(lost.write({"lost"}, true), std::runtime_error);
}

TEST(StateFolder, FollowsXdgStateHome) {
  const char* saved = std::getenv("XDG_STATE_HOME");
  const std::string savedValue = saved != nullptr ? saved : "";
  setenv("XDG_STATE_HOME", "/var/tmp/state", 1);
  EXPECT_EQ(stateFolder(), fs::path("/var/tmp/state/kovrel"));
  setenv("XDG_STATE_HOME", "relative/ignored", 1);
  EXPECT_EQ(stateFolder().filename(), "kovrel");
  EXPECT_NE(stateFolder(), fs::path("relative/ignored/kovrel"));
  if (saved != nullptr) {
    setenv("XDG_STATE_HOME", savedValue.c_str(), 1);
  } else {
    unsetenv("XDG_STATE_HOME");
  }
}

TEST(SeededRandom, RepeatsItsNumbersForOneSeedAndStaysBelowOne) {
  SeededRandom first(42), second(42), other(43);
  bool differs = false;
  for (int i = 0; i < 1000; ++i) {
    const double value = first.nextUnit();
    EXPECT_TRUE(value == second.nextUnit() && value >= 0.0 && value < 1.0) << i << ": " << value;
    differs = differs || value != other.nextUnit();
  }
  EXPECT_TRUE(differs);
}

}  // namespace
}  // namespace kovrel::terminal

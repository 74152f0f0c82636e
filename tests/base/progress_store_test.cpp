// SPDX-License-Identifier: GPL-3.0-or-later
// The progress file: what is recorded comes back in the next run, and no fault of the file stops
// the program, changes the file or loses what the run itself did.

#include "base/progress_store.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

namespace kovrel {
namespace {

namespace fs = std::filesystem;

class ProgressFile : public ::testing::Test {
 public:
  void SetUp() override {
    folder = fs::temp_directory_path() /
             ("kovrel-progress-" + std::to_string(::getpid()) + "-" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder);
    fs::create_directories(folder);
    path = (folder / "progress.db").string();
  }
  void TearDown() override {
    std::error_code ignored;
    fs::permissions(folder, fs::perms::owner_all, ignored);
    fs::remove_all(folder, ignored);
  }
  std::string bytes() const {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  void sql(const std::string& statement) const {
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    sqlite3_exec(db, statement.c_str(), nullptr, nullptr, nullptr);
    sqlite3_close(db);
  }

  fs::path folder;
  std::string path;
};

void recordOneOfEach(ProgressStore& store) {
  store.recordStep("ripRouting", 2, 100);
  store.recordStep("ripRouting", 2, 150);  // a step is kept with its first time
  store.recordLabCompleted("ripRouting", 200);
  store.recordTest(3, 833, 300);
  store.recordTest(3, 1000, 400);
  store.recordSolved(4, 500);
  store.recordCard(17, {3, 600});
}

TEST_F(ProgressFile, WhatARunRecordsComesBackInTheNext) {
  {
    ProgressStore store;
    ASSERT_TRUE(store.open(path)) << store.takeNotice().value_or("");
    recordOneOfEach(store);
  }
  ProgressStore next;
  ASSERT_TRUE(next.open(path));
  const Progress& p = next.progress();
  EXPECT_EQ(p.labs.at("ripRouting").stepsDone, std::set<int>{2});
  EXPECT_EQ(p.labs.at("ripRouting").completedAt, 200);
  ASSERT_EQ(p.tests.size(), 2u);
  EXPECT_EQ(p.tests[1].score, 1000);
  EXPECT_EQ(p.solved.at(4), 500);
  EXPECT_EQ(p.cards.at(17).box, 3);
  EXPECT_EQ(p.cards.at(17).due, 600);
  EXPECT_FALSE(next.takeNotice());
}

TEST_F(ProgressFile, AFileThatCannotBeUsedNeverStopsTheRunNorChanges) {
  const struct {
    std::string_view name;
    std::function<void(ProgressFile&)> prepare;
    std::string_view why;
    bool opens;  // the fault shows only when the first event is written
  } cases[] = {
      {"corrupt", [](ProgressFile& t) { std::ofstream(t.path) << std::string(4096, 'x'); },
       "damaged or not a progress file", false},
      {"newer version",
       [](ProgressFile& t) { t.sql("PRAGMA user_version = 9; CREATE TABLE future (x);"); },
       "newer version", false},
      {"not a file", [](ProgressFile& t) { fs::create_directory(t.path); }, "not a regular file",
       false},
      {"full disk",
       [](ProgressFile& t) {
         ProgressStore store;
         store.open(t.path);
       },
       "disk is full", true},
  };
  for (const auto& c : cases) {
    SetUp();
    c.prepare(*this);
    const std::string before = fs::is_regular_file(path) ? bytes() : std::string();
    ProgressStore store;
    EXPECT_EQ(store.open(path), c.opens) << c.name;
    recordOneOfEach(store);
    if (c.opens) {
      // The file may not grow beyond its pages: the steps of a long lab fill it up.
      store.limitPages(1);
      for (int step = 10; step < 200; ++step) store.recordStep(std::string(300, 'l'), step, step);
    }
    const auto notice = store.takeNotice();
    ASSERT_TRUE(notice) << c.name;
    EXPECT_NE(notice->find(path), std::string::npos) << *notice;
    EXPECT_NE(notice->find(c.why), std::string::npos) << *notice;
    EXPECT_FALSE(store.takeNotice()) << c.name << ": said more than once";
    EXPECT_FALSE(store.saving()) << c.name;
    // The run keeps what it did in memory.
    EXPECT_EQ(store.progress().tests.size(), 2u) << c.name;
    if (!c.opens && fs::is_regular_file(path)) {
      EXPECT_EQ(bytes(), before) << c.name;
    }
    TearDown();
  }
}

// The superuser writes any file, so a read-only file can only be tried as someone else.
TEST_F(ProgressFile, AReadOnlyFileIsShownButNotWritten) {
  if (::geteuid() == 0) GTEST_SKIP() << "the superuser can write a read-only file";
  {
    ProgressStore store;
    ASSERT_TRUE(store.open(path));
    store.recordSolved(1, 10);
  }
  fs::permissions(path, fs::perms::owner_read);
  fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
  const std::string before = bytes();
  ProgressStore store;
  EXPECT_FALSE(store.open(path));
  EXPECT_EQ(store.progress().solved.count(1), 1u);
  store.recordSolved(2, 20);
  const auto notice = store.takeNotice();
  ASSERT_TRUE(notice);
  EXPECT_NE(notice->find("read-only"), std::string::npos) << *notice;
  EXPECT_EQ(bytes(), before);
}

TEST_F(ProgressFile, ALockedFileIsReadButNotWaitedForForever) {
  {
    ProgressStore store;
    ASSERT_TRUE(store.open(path));
    store.recordSolved(1, 10);
  }
  sqlite3* other = nullptr;
  sqlite3_open(path.c_str(), &other);
  sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr);
  ProgressStore store;
  store.setBusyTimeout(0);
  store.open(path);
  EXPECT_EQ(store.progress().solved.count(1), 1u);
  store.recordSolved(2, 20);
  const auto notice = store.takeNotice();
  ASSERT_TRUE(notice);
  EXPECT_NE(notice->find("locked by another program"), std::string::npos) << *notice;
  EXPECT_EQ(store.progress().solved.count(2), 1u);
  sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
  sqlite3_close(other);
}

TEST_F(ProgressFile, TwoProgramsWritingInTurnKeepEverything) {
  ProgressStore first;
  ProgressStore second;
  ASSERT_TRUE(first.open(path));
  ASSERT_TRUE(second.open(path));
  for (int i = 0; i < 20; ++i) {
    (i % 2 == 0 ? first : second).recordTest(1, i, i);
  }
  EXPECT_FALSE(first.takeNotice());
  EXPECT_FALSE(second.takeNotice());
  ProgressStore third;
  ASSERT_TRUE(third.open(path));
  EXPECT_EQ(third.progress().tests.size(), 20u);
}

TEST(DefaultProgressPath, FollowsTheDataHomeThenTheHomeFolder) {
  EXPECT_EQ(defaultProgressPath("/data", "/home/s"), "/data/kovrel/progress.db");
  EXPECT_EQ(defaultProgressPath("relative", "/home/s"), "/home/s/.local/share/kovrel/progress.db");
  EXPECT_EQ(defaultProgressPath(nullptr, "/home/s"), "/home/s/.local/share/kovrel/progress.db");
  EXPECT_EQ(defaultProgressPath("", ""), "");
  EXPECT_EQ(defaultProgressPath(nullptr, nullptr), "");
}

}  // namespace
}  // namespace kovrel

// SPDX-License-Identifier: GPL-3.0-or-later
#include "console/session.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdio>

#include "base/error_log.h"
#include "config/saved_config.h"
#include "support/fake_platform.h"

namespace kovrel {
namespace {

using testing::FakePlatform;
using testing::SimulatorFixture;

TEST(Boot, WithoutDatabaseOnlyTheFixedLinesAppear) {
  SimulatorFixture f(false);
  EXPECT_EQ(f.sim.console.output(),
            "\r\n \r\nRouter con0 is now available\r\n \r\n \r\nPress RETURN to get started.");
}

// Cancelling a reload and the configure question are in the questions transcript.
TEST(Reload, YBootsTheSavedConfiguration) {
  SimulatorFixture f;
  f.startSession(CliMode::priv);
  f.running().hostname = "edge";
  f.running().serial0.ipAddress = "10.0.0.1";
  f.running().serial0.subnetMask = "255.0.0.0";
  saveRunningConfig(f.sim, "startup-config");
  f.enter("reload");
  f.newOutput();
  f.type("Y");
  EXPECT_NE(f.platform.transcript.find("Proceed with reload? [confirm]Y\r\n"
                                       ": %SYS-5-RELOAD: Reload requested\f"),
            std::string::npos);
  EXPECT_EQ(f.platform.pauses, std::vector<int>{2000});
  EXPECT_EQ(f.running().hostname, "edge");
  EXPECT_EQ(f.running().serial0.ipAddress, "10.0.0.1") << "addresses survive a reload";
  EXPECT_EQ(f.mode(), CliMode::none);
  EXPECT_NE(f.sim.console.output().find("edge con0 is now available"), std::string::npos);
}

TEST(Startup, MissingDatabaseIsReportedAndTheProgramGoesOn) {
  FakePlatform platform;
  Simulator sim(platform.services());
  setWelcomeText(sim, "/nonexistent/folder/DataStore.db");
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_TRUE(platform.messages[0].starts_with(
      "The Application encountered an error. Behavior maybe unpredictable.\n"
      " Please see details at "));
  EXPECT_EQ(platform.messages[1], " Not Able To Access DB. Please Check README.");
  EXPECT_EQ(platform.truncations, 1);
  ASSERT_GE(platform.errorLines.size(), 6u);
  EXPECT_TRUE(platform.errorLines[0].starts_with("Error Occureed at "));
  EXPECT_EQ(platform.errorLines[1], "In function setWelcomeText");
  EXPECT_TRUE(sim.state.bootText.empty());
  startFreshRouter(sim);
  EXPECT_TRUE(sim.console.output().ends_with("Press RETURN to get started."));
}

TEST(Startup, ADatabaseWithoutTheProgramNameIsReportedButStillUsed) {
  const std::string path = ::testing::TempDir() + "/foreign_lessons.db";
  std::remove(path.c_str());
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
  sqlite3_exec(db,
               "CREATE TABLE cmdInfo(cmd TEXT, display TEXT);"
               "CREATE TABLE Misc(id TEXT, contents TEXT);"
               "INSERT INTO cmdInfo VALUES('bootText', 'Foreign boot');"
               "INSERT INTO Misc VALUES('welcomeText', 'Welcome to somewhere else');",
               nullptr, nullptr, nullptr);
  sqlite3_close(db);
  FakePlatform platform;
  Simulator sim(platform.services());
  setWelcomeText(sim, path);
  EXPECT_EQ(platform.messages,
            std::vector<std::string>{" Not Able To Access DB. Please Check README."});
  EXPECT_EQ(sim.state.bootText, "Foreign boot");
  EXPECT_TRUE(platform.errorLines.empty());
}

TEST(ErrorLog, AnythingThrownIsTrappedAndLogged) {
  FakePlatform platform;
  Simulator sim(platform.services());
  EXPECT_EQ(trapped(
                sim, "throwsAnInt", []() -> int { throw 42; }, 0),
            0);
  ASSERT_GE(platform.errorLines.size(), 2u);
  EXPECT_EQ(platform.errorLines[1], "In function throwsAnInt");
}

TEST(ErrorLog, TruncatesOnlyAtTheFirstErrorOfARun) {
  FakePlatform platform;
  Simulator sim(platform.services());
  setWelcomeText(sim, "/nonexistent/a.db");
  setWelcomeText(sim, "/nonexistent/b.db");
  EXPECT_EQ(platform.truncations, 1);
  EXPECT_EQ(platform.errorLines.size(), 12u);
}

}  // namespace
}  // namespace kovrel

// SPDX-License-Identifier: GPL-3.0-or-later
// kovrel-term against what a student's machine can throw at it: every way a lesson database can
// be broken, output that cannot be written, and a session long enough to flood a pipe.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <functional>
#include <thread>

#include "catalogue/scratch_database.h"

namespace kovrel::testing {
namespace {

namespace fs = std::filesystem;

enum class Destination { file, fullDevice, closedPipe };

struct RunResult {
  int status = -1;
  std::string output;
  std::string errors;
};

std::string readAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// Runs kovrel-term on `keys` with standard output sent to `destination`.
RunResult runTerm(const ScratchFolder& folder, std::vector<std::string> arguments,
                  const std::string& keys, Destination destination = Destination::file) {
  const fs::path in = folder.write("keys", keys), out = folder.path() / "out",
                 err = folder.path() / "err";
  int unread[2];
  if (pipe(unread) != 0) throw std::runtime_error("no pipe");
  // Run from the scratch folder, so that the error log lands there, not beside the build's
  // programs.
  const fs::path program = folder.path() / "kovrel-term";
  std::error_code linked;
  if (!fs::exists(program)) fs::create_hard_link(KOVREL_TERM_BINARY, program, linked);
  if (linked) fs::copy_file(KOVREL_TERM_BINARY, program);
  arguments.insert(arguments.begin(), {program.string(), "--batch"});
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  const pid_t child = fork();
  if (child == 0) {
    dup2(open(in.c_str(), O_RDONLY), 0);
    if (destination == Destination::closedPipe) {
      // As a shell leaves it: the program itself must turn the signal into a failed write.
      signal(SIGPIPE, SIG_DFL);
      dup2(unread[1], 1);
    } else {
      const char* target = destination == Destination::file ? out.c_str() : "/dev/full";
      dup2(open(target, O_WRONLY | O_CREAT | O_TRUNC, 0644), 1);
    }
    dup2(open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 2);
    close(unread[0]);
    execv(argv[0], argv.data());
    _exit(127);
  }
  close(unread[0]);
  close(unread[1]);
  int status = 0;
  waitpid(child, &status, 0);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status), readAll(out),
          readAll(err)};
}

void runSql(const fs::path& file, const std::string& sql) {
  sqlite3* db = nullptr;
  sqlite3_open(file.c_str(), &db);
  char* error = nullptr;
  const int code = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
  const std::string message = error != nullptr ? error : "";
  sqlite3_free(error);
  sqlite3_close(db);
  if (code != SQLITE_OK) throw std::runtime_error(sql + ": " + message);
}

fs::path copyOfLessons(const ScratchFolder& folder) {
  const fs::path copy = folder.path() / "DataStore.db";
  fs::copy_file(KOVREL_TEST_DATABASE, copy, fs::copy_options::overwrite_existing);
  return copy;
}

// Sets the database up and returns the path to give --db.
using Breakage = std::function<fs::path(const ScratchFolder& folder)>;

Breakage sql(std::string statements) {
  return [statements](const ScratchFolder& folder) {
    const fs::path file = copyOfLessons(folder);
    runSql(file, statements);
    return file;
  };
}

fs::path truncatedLessons(const ScratchFolder& folder) {
  const fs::path file = copyOfLessons(folder);
  fs::resize_file(file, fs::file_size(file) / 3);
  return file;
}

fs::path randomBytes(const ScratchFolder& folder) {
  std::string bytes;
  for (unsigned i = 0; i < 8192; ++i) bytes.push_back(static_cast<char>(i * 2654435761u >> 24));
  return folder.write("DataStore.db", bytes);
}

fs::path fifo(const ScratchFolder& folder) {
  const fs::path file = folder.path() / "DataStore.db";
  mkfifo(file.c_str(), 0644);
  return file;
}

constexpr std::string_view kNoDatabase = " Not Able To Access DB. Please Check README.";
constexpr std::string_view kErrorBox = "The Application encountered an error.";

// Whatever is wrong with the database, the program starts, says so, and the router console
// works: Return, enable, a completion and a help listing, then show version.
TEST(HostileRuns, EveryBrokenDatabaseStartsSaysSoAndKeepsTheConsoleWorking) {
  const std::string million(1 << 20, 'x');
  const struct {
    const char* name;
    Breakage breakage;
    std::string_view saying;        // on standard error; empty: nothing is wrong enough to say
    std::string_view showing = "";  // on standard output besides the prompt
  } cases[] = {
      {"missing", [](const auto& f) { return f.path() / "none.db"; }, kNoDatabase},
      {"empty", [](const auto& f) { return f.write("DataStore.db", ""); }, kNoDatabase},
      {"random bytes", randomBytes, kNoDatabase},
      {"truncated", truncatedLessons, kErrorBox},
      {"a directory", [](const auto& f) { return f.path(); }, kNoDatabase},
      {"a FIFO", fifo, kNoDatabase},
      {"table dropped", sql("DROP TABLE privModeCmds"), kErrorBox},
      {"table renamed", sql("ALTER TABLE Misc RENAME TO Other"), kNoDatabase},
      {"column dropped", sql("ALTER TABLE privModeCmds DROP COLUMN implemented"), kErrorBox},
      {"column renamed", sql("ALTER TABLE privModeCmds RENAME COLUMN cmd TO command"), kErrorBox},
      {"NULL texts", sql("UPDATE cmdInfo SET display = NULL; UPDATE privModeCmds SET cmd = NULL"),
       ""},
      {"1 MB texts",
       sql("UPDATE cmdInfo SET display = '" + million +
           "' WHERE cmd = 'show_version';"
           "INSERT INTO privModeCmds (cmd, implemented) VALUES ('s" +
           million + "', 1)"),
       "", "xxxxxxxxxx"},
      {"control bytes",
       sql("UPDATE cmdInfo SET display = 'boot' || char(27) || '[2J' || char(7) || char(0) || "
           "'end' WHERE cmd = 'bootText'"),
       "", "boot^[[2J^G"},
      {"read-only",
       [](const auto& f) {
         const fs::path file = copyOfLessons(f);
         fs::permissions(file, fs::perms::owner_read | fs::perms::group_read);
         return file;
       },
       ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ScratchFolder folder;
    const fs::path database = c.breakage(folder);
    const RunResult result =
        runTerm(folder, {"--db", database.string()}, "\renable\rsh\t?\rshow version\r");
    EXPECT_EQ(result.status, 0);
    if (c.saying.empty()) {
      EXPECT_EQ(result.errors, "");
    }
    EXPECT_NE(result.errors.find(c.saying), std::string::npos) << result.errors;
    // One box per failure, however many lookups it failed.
    EXPECT_LE(std::count(result.errors.begin(), result.errors.end(), '\n'), 16) << result.errors;
    EXPECT_NE(result.output.find("\nRouter#show version"), std::string::npos) << result.output;
    EXPECT_NE(result.output.find(c.showing), std::string::npos);
  }
}

// Another program holding the database (the build replacing it) is waited for, not reported.
TEST(HostileRuns, ALockedDatabaseIsWaitedForAndThenReported) {
  for (const int holdMilliseconds : {300, 4000}) {
    ScratchFolder folder;
    const fs::path database = copyOfLessons(folder);
    sqlite3* holder = nullptr;
    sqlite3_open(database.c_str(), &holder);
    sqlite3_exec(holder, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr);
    std::thread release([&] {
      std::this_thread::sleep_for(std::chrono::milliseconds(holdMilliseconds));
      sqlite3_exec(holder, "COMMIT", nullptr, nullptr, nullptr);
    });
    const RunResult result = runTerm(folder, {"--db", database.string()}, "\renable\r");
    release.join();
    sqlite3_close(holder);
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(result.output.find("\nRouter#"), std::string::npos);
    if (holdMilliseconds < 1000) {
      EXPECT_EQ(result.errors, "");
    } else {
      EXPECT_NE(result.errors.find(kNoDatabase), std::string::npos) << result.errors;
    }
  }
}

TEST(HostileRuns, OutputThatCannotBeWrittenIsReportedWithAFailingStatus) {
  for (const Destination destination : {Destination::fullDevice, Destination::closedPipe}) {
    ScratchFolder folder;
    const RunResult result = runTerm(folder, {"--db", KOVREL_TRANSCRIPT_DATABASE},
                                     "\renable\rshow version\r", destination);
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.errors.starts_with("kovrel-term: cannot write the console"))
        << result.errors;
  }
}

// Switching routers hands each console back; written whole, every switch would repeat the
// session so far.
TEST(HostileRuns, SwitchingRoutersWritesAScreenNotTheWholeSession) {
  std::string keys = "\renable\r";
  for (int round = 0; round < 400; ++round) keys += "show version\r \x1drouter b\r\x1drouter a\r";
  ScratchFolder folder;
  const RunResult result =
      runTerm(folder, {"--db", KOVREL_TEST_DATABASE, "--troubleshooting", "4"}, keys);
  EXPECT_EQ(result.status, 0);
  EXPECT_LT(result.output.size(), 5'000'000u);
}

}  // namespace
}  // namespace kovrel::testing

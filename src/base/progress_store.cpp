// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/progress_store.h"

#include <sqlite3.h>

#include <filesystem>
#include <stdexcept>
#include <utility>

namespace kovrel {
namespace {

/// Why the file cannot be used, in the student's words.
struct StoreFault : std::runtime_error {
  using std::runtime_error::runtime_error;
};

std::string describe(sqlite3* db, int code) {
  switch (code & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
      return "it is locked by another program";
    case SQLITE_READONLY:
      return "it cannot be written (read-only)";
    case SQLITE_FULL:
      return "the disk is full";
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
      return "it is damaged or not a progress file";
    case SQLITE_CANTOPEN:
      return "it cannot be opened";
    default:
      return db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(code);
  }
}

/// One prepared statement with bound parameters, finalised on every way out.
class Query {
 public:
  Query(sqlite3* db, const char* sql) : db_(db) {
    check(sqlite3_prepare_v2(db, sql, -1, &statement_, nullptr));
  }
  ~Query() { sqlite3_finalize(statement_); }
  Query(const Query&) = delete;
  Query& operator=(const Query&) = delete;

  Query& bind(int index, std::string_view text) {
    check(sqlite3_bind_text(statement_, index, text.data(), static_cast<int>(text.size()),
                            SQLITE_TRANSIENT));
    return *this;
  }
  Query& bind(int index, std::int64_t number) {
    check(sqlite3_bind_int64(statement_, index, number));
    return *this;
  }
  /// True while a row is there.
  bool step() {
    const int code = sqlite3_step(statement_);
    if (code == SQLITE_ROW) return true;
    if (code != SQLITE_DONE) check(code);
    return false;
  }
  std::int64_t number(int column) const { return sqlite3_column_int64(statement_, column); }
  std::string text(int column) const {
    const auto* bytes = sqlite3_column_text(statement_, column);
    return bytes == nullptr ? std::string() : reinterpret_cast<const char*>(bytes);
  }

 private:
  void check(int code) const {
    if (code != SQLITE_OK) throw StoreFault(describe(db_, code));
  }
  sqlite3* db_;
  sqlite3_stmt* statement_ = nullptr;
};

void run(sqlite3* db, const char* sql) {
  Query query(db, sql);
  while (query.step()) {
  }
}

constexpr const char* kSchema[] = {
    "CREATE TABLE IF NOT EXISTS lab_steps (lab TEXT NOT NULL, step INTEGER NOT NULL, "
    "done_at INTEGER NOT NULL, PRIMARY KEY (lab, step))",
    "CREATE TABLE IF NOT EXISTS labs_completed (lab TEXT PRIMARY KEY, completed_at INTEGER NOT "
    "NULL)",
    "CREATE TABLE IF NOT EXISTS test_scores (id INTEGER PRIMARY KEY, test INTEGER NOT NULL, "
    "score INTEGER NOT NULL, taken_at INTEGER NOT NULL)",
    "CREATE TABLE IF NOT EXISTS troubleshooting_solved (scenario INTEGER PRIMARY KEY, "
    "solved_at INTEGER NOT NULL)",
    "CREATE TABLE IF NOT EXISTS cards (card INTEGER PRIMARY KEY, box INTEGER NOT NULL, "
    "due INTEGER NOT NULL)",
};

}  // namespace

ProgressStore::~ProgressStore() { close(); }

void ProgressStore::close() {
  if (connection_ != nullptr) sqlite3_close(connection_);
  connection_ = nullptr;
}

std::string defaultProgressPath(const char* dataHome, const char* home) {
  if (dataHome != nullptr && dataHome[0] == '/')
    return std::string(dataHome) + "/kovrel/progress.db";
  if (home != nullptr && home[0] != '\0')
    return std::string(home) + "/.local/share/kovrel/progress.db";
  return {};
}

bool ProgressStore::open(const std::string& path) {
  close();
  path_ = path;
  progress_ = Progress{};
  try {
    std::error_code ignored;
    const auto folder = std::filesystem::path(path).parent_path();
    if (!folder.empty()) std::filesystem::create_directories(folder, ignored);
    // Only a regular file (or none yet) is opened: a FIFO or a device would hang or mislead.
    if (std::filesystem::exists(path, ignored) && !std::filesystem::is_regular_file(path, ignored))
      throw StoreFault("it is not a regular file");
    const int code = sqlite3_open_v2(path.c_str(), &connection_,
                                     SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (code != SQLITE_OK) throw StoreFault(describe(connection_, code));
    sqlite3_busy_timeout(connection_, busyTimeoutMs_);
    prepareFile();
    if (sqlite3_db_readonly(connection_, "main") == 1) {
      // What a read-only file holds is still shown; only saving is impossible.
      try {
        readFile();
      } catch (const StoreFault&) {
      }
      throw StoreFault(describe(nullptr, SQLITE_READONLY));
    }
    readFile();
  } catch (const StoreFault& fault) {
    stopSaving(fault.what());
  }
  return saving();
}

// A new file gets the layout; a file of a newer program is left as it is.
void ProgressStore::prepareFile() {
  std::int64_t found = 0;
  {
    Query version(connection_, "PRAGMA user_version");
    if (version.step()) found = version.number(0);
  }  // finished before the journal mode changes, which needs no statement running
  if (found > kSchemaVersion) {
    throw StoreFault("it was written by a newer version of the program");
  }
  if (sqlite3_db_readonly(connection_, "main") == 1) return;
  run(connection_, "PRAGMA journal_mode=WAL");
  if (found == kSchemaVersion) return;
  run(connection_, "BEGIN IMMEDIATE");
  try {
    for (const char* statement : kSchema) run(connection_, statement);
    run(connection_, "PRAGMA user_version = 1");
    run(connection_, "COMMIT");
  } catch (const StoreFault&) {
    sqlite3_exec(connection_, "ROLLBACK", nullptr, nullptr, nullptr);
    throw;
  }
}

void ProgressStore::readFile() {
  Query steps(connection_, "SELECT lab, step FROM lab_steps");
  while (steps.step()) progress_.labs[steps.text(0)].stepsDone.insert(int(steps.number(1)));
  Query labs(connection_, "SELECT lab, completed_at FROM labs_completed");
  while (labs.step()) progress_.labs[labs.text(0)].completedAt = labs.number(1);
  Query tests(connection_, "SELECT test, score, taken_at FROM test_scores ORDER BY id");
  while (tests.step()) {
    progress_.tests.push_back({int(tests.number(0)), int(tests.number(1)), tests.number(2)});
  }
  Query solved(connection_, "SELECT scenario, solved_at FROM troubleshooting_solved");
  while (solved.step()) progress_.solved[int(solved.number(0))] = solved.number(1);
  Query cards(connection_, "SELECT card, box, due FROM cards");
  while (cards.step()) {
    progress_.cards[int(cards.number(0))] = {int(cards.number(1)), cards.number(2)};
  }
}

void ProgressStore::stopSaving(const std::string& why) {
  close();
  if (!noticeGiven_) {
    notice_ = "Progress file " + path_ + ": " + why + ". Your progress in this run is not saved.";
    noticeGiven_ = true;
  }
}

std::optional<std::string> ProgressStore::takeNotice() { return std::exchange(notice_, {}); }

void ProgressStore::limitPages(int pages) {
  if (connection_ == nullptr) return;
  const std::string sql = "PRAGMA max_page_count = " + std::to_string(pages);
  sqlite3_exec(connection_, sql.c_str(), nullptr, nullptr, nullptr);
}

template <typename Write>
void ProgressStore::persist(Write write) {
  if (connection_ == nullptr) return;
  try {
    run(connection_, "BEGIN IMMEDIATE");
    try {
      write(connection_);
      run(connection_, "COMMIT");
    } catch (const StoreFault&) {
      sqlite3_exec(connection_, "ROLLBACK", nullptr, nullptr, nullptr);
      throw;
    }
  } catch (const StoreFault& fault) {
    stopSaving(fault.what());
  }
}

void ProgressStore::recordStep(std::string_view lab, int step, StoredTime at) {
  if (!progress_.labs[std::string(lab)].stepsDone.insert(step).second) return;
  persist([&](sqlite3* db) {
    Query(db, "INSERT OR IGNORE INTO lab_steps (lab, step, done_at) VALUES (?1, ?2, ?3)")
        .bind(1, lab)
        .bind(2, std::int64_t{step})
        .bind(3, at)
        .step();
  });
}

void ProgressStore::recordLabCompleted(std::string_view lab, StoredTime at) {
  LabRecord& record = progress_.labs[std::string(lab)];
  if (record.completedAt) return;
  record.completedAt = at;
  persist([&](sqlite3* db) {
    Query(db, "INSERT OR IGNORE INTO labs_completed (lab, completed_at) VALUES (?1, ?2)")
        .bind(1, lab)
        .bind(2, at)
        .step();
  });
}

void ProgressStore::recordTest(int test, int score, StoredTime at) {
  progress_.tests.push_back({test, score, at});
  persist([&](sqlite3* db) {
    Query(db, "INSERT INTO test_scores (test, score, taken_at) VALUES (?1, ?2, ?3)")
        .bind(1, std::int64_t{test})
        .bind(2, std::int64_t{score})
        .bind(3, at)
        .step();
  });
}

void ProgressStore::recordSolved(int scenario, StoredTime at) {
  if (!progress_.solved.emplace(scenario, at).second) return;
  persist([&](sqlite3* db) {
    Query(db, "INSERT OR IGNORE INTO troubleshooting_solved (scenario, solved_at) VALUES (?1, ?2)")
        .bind(1, std::int64_t{scenario})
        .bind(2, at)
        .step();
  });
}

void ProgressStore::recordCard(int card, const CardRecord& record) {
  progress_.cards[card] = record;
  persist([&](sqlite3* db) {
    Query(db, "INSERT OR REPLACE INTO cards (card, box, due) VALUES (?1, ?2, ?3)")
        .bind(1, std::int64_t{card})
        .bind(2, std::int64_t{record.box})
        .bind(3, record.due)
        .step();
  });
}

}  // namespace kovrel

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;

namespace kovrel {

/// Seconds since 1970 (UTC), the way the progress file keeps every time.
using StoredTime = std::int64_t;

inline StoredTime storedTime(std::chrono::system_clock::time_point time) {
  return std::chrono::duration_cast<std::chrono::seconds>(time.time_since_epoch()).count();
}

/// One lab's progress: the steps ever done and when the lab was first completed.
struct LabRecord {
  std::set<int> stepsDone;
  std::optional<StoredTime> completedAt;
};

/// One graded test submission.
struct TestAttempt {
  int test = 0;
  int score = 0;
  StoredTime takenAt = 0;
};

/// Where a flash card stands in the Leitner schedule: its box (1 to 5) and when it is due.
struct CardRecord {
  int box = 1;
  StoredTime due = 0;
};

/// Everything the student has achieved, as kept between runs.
struct Progress {
  std::map<std::string, LabRecord> labs;
  std::vector<TestAttempt> tests;  // in the order they were taken
  std::map<int, StoredTime> solved;
  std::map<int, CardRecord> cards;
};

/// The progress file's usual place, as the XDG rules name the user's data folder:
/// `$XDG_DATA_HOME/kovrel/progress.db` when that is an absolute path, else
/// `~/.local/share/kovrel/progress.db`; empty when neither is known (the progress is then kept in
/// memory only).
std::string defaultProgressPath(const char* dataHome, const char* home);

/// The student's progress, held in memory and kept in an SQLite file when one could be opened.
/// Every event is one transaction. A file that is corrupt, locked, read-only, of a newer version
/// or full is never changed: the store leaves a notice saying which file and why, and carries on
/// in memory, so the run goes on without saving.
class ProgressStore {
 public:
  ProgressStore() = default;
  ~ProgressStore();
  ProgressStore(const ProgressStore&) = delete;
  ProgressStore& operator=(const ProgressStore&) = delete;

  /// The version of the file layout this program writes.
  static constexpr int kSchemaVersion = 1;

  /// Opens (creating where needed) the file and reads what it holds. False when the progress will
  /// not be saved; `takeNotice` then says why.
  bool open(const std::string& path);
  void close();
  bool saving() const { return connection_ != nullptr; }
  const std::string& path() const { return path_; }
  const Progress& progress() const { return progress_; }

  /// Caps the file at a number of pages, as a nearly full disk would (for tests).
  void limitPages(int pages);
  /// How long a file locked by another program is waited for before giving up (from the next
  /// open).
  void setBusyTimeout(int milliseconds) { busyTimeoutMs_ = milliseconds; }

  void recordStep(std::string_view lab, int step, StoredTime at);
  void recordLabCompleted(std::string_view lab, StoredTime at);
  void recordTest(int test, int score, StoredTime at);
  void recordSolved(int scenario, StoredTime at);
  void recordCard(int card, const CardRecord& record);

  /// The one message about a file that cannot be used, once; nothing afterwards.
  std::optional<std::string> takeNotice();

 private:
  void prepareFile();
  void readFile();
  /// Runs one event's statements in a transaction; on a fault, stops saving with a notice.
  template <typename Write>
  void persist(Write write);
  void stopSaving(const std::string& why);

  sqlite3* connection_ = nullptr;
  std::string path_;
  Progress progress_;
  std::optional<std::string> notice_;
  bool noticeGiven_ = false;
  int busyTimeoutMs_ = 2000;
};

}  // namespace kovrel

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

namespace kovrel::testing {

/// A folder of its own for one test, removed afterwards. Named after the test and the process, so
/// tests running side by side (and other build folders running the same tests) never share one.
class ScratchFolder {
 public:
  ScratchFolder() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = std::filesystem::temp_directory_path() /
            ("kovrel-" + std::string(test->test_suite_name()) + "-" + test->name() + "-" +
             std::to_string(::getpid()));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

  /// Writes `contents` byte for byte to `name` inside the folder (sub-folders are made).
  std::filesystem::path write(const std::string& name, const std::string& contents) const {
    const auto file = path_ / name;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << contents;
    return file;
  }

 private:
  std::filesystem::path path_;
};

/// Makes a database file by running `sql` (several statements) in a new file.
inline std::filesystem::path makeDatabase(const std::filesystem::path& file,
                                          const std::string& sql) {
  sqlite3* db = nullptr;
  sqlite3_open(file.c_str(), &db);
  char* error = nullptr;
  // One transaction without syncing: the file is scratch, and a sync per statement is slow.
  const std::string script = "PRAGMA synchronous = OFF; BEGIN; " + sql + "; COMMIT;";
  const int code = sqlite3_exec(db, script.c_str(), nullptr, nullptr, &error);
  const std::string message = error != nullptr ? error : "";
  sqlite3_free(error);
  sqlite3_close(db);
  if (code != SQLITE_OK) throw std::runtime_error("test database: " + message);
  return file;
}

}  // namespace kovrel::testing

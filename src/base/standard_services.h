// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "base/platform.h"

namespace kovrel {

// The platform services every front-end builds the same way, from the standard library alone.

inline constexpr const char* kErrorLogName = "ErrorLog.txt";
inline constexpr const char* kDatabaseName = "DataStore.db";

/// Where the lesson database and the pictures are: beside the executable in a build folder, or in
/// share/kovrel under the executable's prefix once installed. The executable's folder when neither
/// holds the database (the start-up message then tells the user).
std::filesystem::path findDataFolder(const std::filesystem::path& executableFolder);

/// The wall clock.
class SystemClock : public Clock {
 public:
  std::chrono::system_clock::time_point now() override { return std::chrono::system_clock::now(); }
};

/// Random numbers from a Mersenne twister; a given seed repeats a run's cosmetic numbers exactly.
class SeededRandom : public RandomSource {
 public:
  explicit SeededRandom(std::optional<std::uint32_t> seed);
  double nextUnit() override;

 private:
  std::mt19937 generator_;
};

/// ErrorLog.txt in the application folder, truncated at the first error of a run and appended
/// afterwards. When that folder cannot be written (an installed program), the log goes to the
/// fallback folder instead, so that no report is lost without a trace.
class FileErrorLog : public ErrorLogSink {
 public:
  FileErrorLog(std::filesystem::path applicationFolder, std::filesystem::path fallbackFolder)
      : applicationFolder_(std::move(applicationFolder)),
        fallbackFolder_(std::move(fallbackFolder)) {}

  /// Writes the lines; returns the log's full path. Throws when neither folder can be written.
  std::string write(const std::vector<std::string>& lines, bool truncate) override;

 private:
  bool tryWrite(const std::filesystem::path& path, const std::vector<std::string>& lines,
                bool truncate);

  std::filesystem::path applicationFolder_;
  std::filesystem::path fallbackFolder_;
  std::filesystem::path chosen_;  // the log of this run, once the first report found a place
};

}  // namespace kovrel

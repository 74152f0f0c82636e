// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kovrel::terminal {

/// The menu the first activity of a run comes from.
enum class FirstActivity { lab, test, troubleshooting };

/// How `kovrel-term` was asked to run.
struct Options {
  std::string databasePath;       // empty: DataStore.db in the application folder
  std::string progressPath;       // empty: the user's data folder, or none in batch mode
  std::optional<int> pageLength;  // empty: the terminal's rows, or 24 in batch mode
  std::optional<int> columns;     // empty: the terminal's columns, or 80 in batch mode
  std::optional<std::uint32_t> seed;
  std::optional<std::chrono::system_clock::time_point> clockStart;  // empty: the wall clock
  bool ansi = false;
  bool batch = false;
  FirstActivity firstActivity = FirstActivity::lab;
  std::string firstActivityKey =
      "aboutTheLabs";  // the lab's key, or the test's or scenario's number
};

/// The outcome of reading the command line: either options to run with, or a text to print and an
/// exit status (0 after --help and --version, 2 after a bad option).
struct ParsedOptions {
  Options options;
  std::optional<int> exitStatus;
  std::string standardOutput;
  std::string standardError;
};

/// Reads the arguments after the program name. Values follow their option as the next argument
/// or after "=" (`--seed 7`, `--seed=7`).
ParsedOptions parseOptions(const std::vector<std::string>& arguments);

/// The --help text.
std::string usageText();

inline constexpr int kDefaultBatchPageLength = 24;

}  // namespace kovrel::terminal

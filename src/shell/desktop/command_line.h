// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kovrel::desktop {

/// How the desktop program was asked to run.
struct DesktopOptions {
  std::string dataFolder;    // empty: share/kovrel under the program's prefix, or beside it
  std::string progressFile;  // empty: progress.db in the user's data folder
  bool measureStartup = false;
};

/// The outcome of reading the command line: options to run with, or a text to print and an exit
/// status (0 after --help and --version, 2 after a bad option).
struct DesktopCommandLine {
  DesktopOptions options;
  std::optional<int> exitStatus;
  std::string standardOutput;
  std::string standardError;
};

/// Before the window system starts, the arguments still hold Qt's own options (-platform NAME,
/// -style NAME), so only --help and --version are answered and the rest is left for later;
/// afterwards, Qt has taken its options out and anything unknown is refused.
enum class UnknownArguments { skip, refuse };

/// Reads the arguments after the program name, without any Qt class, so that --help and
/// --version answer in a terminal with no display. Values follow their option as the next
/// argument or after "=" (`--data DIR`, `--data=DIR`).
DesktopCommandLine readDesktopCommandLine(const std::vector<std::string>& arguments,
                                          UnknownArguments unknown);

/// The --help text, built from the option table.
std::string desktopUsageText();

}  // namespace kovrel::desktop

// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/terminal/options.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <ctime>
#include <string_view>

#include "base/program_version.h"
#include "training/activity_menu.h"

namespace kovrel::terminal {
namespace {

constexpr std::string_view kProgramName = "kovrel-term";

// Sets one option from its value; returns an error text, empty when the value was good.
using OptionSetter = std::string (*)(Options& options, std::string_view value);

/// One command-line option: its name, the name of its value (empty for a switch), its help line
/// and what it sets. The usage text is built from this table.
struct OptionSpec {
  std::string_view name;
  std::string_view valueName;
  std::string_view help;
  OptionSetter set;
};

template <typename Number>
std::optional<Number> parseNumber(std::string_view text) {
  Number value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::string setDatabase(Options& options, std::string_view value) {
  if (value.empty()) return "--db needs a file name";
  options.databasePath = value;
  return "";
}

std::string setProgress(Options& options, std::string_view value) {
  if (value.empty()) return "--progress needs a file name";
  options.progressPath = value;
  return "";
}

std::string setPageLength(Options& options, std::string_view value) {
  // The console keeps the page length in a 16-bit field, and a page holds at least one line.
  const auto number = parseNumber<int>(value);
  if (!number || *number < 1 || *number > 32767) {
    return "--page-length needs a whole number from 1 to 32767, not '" + std::string(value) + "'";
  }
  options.pageLength = *number;
  return "";
}

std::string setColumns(Options& options, std::string_view value) {
  const auto number = parseNumber<int>(value);
  if (!number || *number < 20 || *number > 1000) {
    return "--columns needs a whole number from 20 to 1000, not '" + std::string(value) + "'";
  }
  options.columns = *number;
  return "";
}

std::string setSeed(Options& options, std::string_view value) {
  const auto number = parseNumber<std::uint32_t>(value);
  if (!number) {
    return "--seed needs a whole number from 0 to 4294967295, not '" + std::string(value) + "'";
  }
  options.seed = *number;
  return "";
}

// The years the router's clock can be set to: its software knows none before 1993, and a clock
// read in nanoseconds since 1970 runs out in 2262, so a run of a few decades stays far inside.
constexpr int kFirstClockYear = 1993;
constexpr int kLastClockYear = 2099;

// A local date and time, YYYY-MM-DDTHH:MM:SS, as the router's clock shows it.
std::optional<std::chrono::system_clock::time_point> parseLocalTime(std::string_view text) {
  if (text.size() != 19 || text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':' ||
      text[16] != ':') {
    return std::nullopt;
  }
  const auto year = parseNumber<int>(text.substr(0, 4));
  const auto month = parseNumber<unsigned>(text.substr(5, 2));
  const auto day = parseNumber<unsigned>(text.substr(8, 2));
  const auto hour = parseNumber<int>(text.substr(11, 2));
  const auto minute = parseNumber<int>(text.substr(14, 2));
  const auto second = parseNumber<int>(text.substr(17, 2));
  if (!year || !month || !day || !hour || !minute || !second || *hour > 23 || *minute > 59 ||
      *second > 59 || *year < kFirstClockYear || *year > kLastClockYear ||
      !std::chrono::year_month_day(std::chrono::year(*year), std::chrono::month(*month),
                                   std::chrono::day(*day))
           .ok()) {
    return std::nullopt;
  }
  std::tm local{};
  local.tm_year = *year - 1900;
  local.tm_mon = static_cast<int>(*month) - 1;
  local.tm_mday = static_cast<int>(*day);
  local.tm_hour = *hour;
  local.tm_min = *minute;
  local.tm_sec = *second;
  local.tm_isdst = -1;
  const std::time_t seconds = std::mktime(&local);
  if (seconds == static_cast<std::time_t>(-1)) return std::nullopt;
  return std::chrono::system_clock::from_time_t(seconds);
}

std::string setClock(Options& options, std::string_view value) {
  options.clockStart = parseLocalTime(value);
  if (options.clockStart) return "";
  return "--clock needs a date and time from " + std::to_string(kFirstClockYear) + " to " +
         std::to_string(kLastClockYear) + " as YYYY-MM-DDTHH:MM:SS, not '" + std::string(value) +
         "'";
}

// The first activity: a lab by its key, a test or a troubleshooting scenario by its number.
std::string setFirstActivity(Options& options, FirstActivity activity, std::string_view value,
                             int last) {
  options.firstActivity = activity;
  options.firstActivityKey = value;
  if (activity == FirstActivity::lab) {
    const std::optional<ActivityMenuItem> lab = findMenuItem(labMenu(), value);
    if (!lab) return "--lab needs a lab's key, number or caption, not '" + std::string(value) + "'";
    options.firstActivityKey = lab->key;
    return "";
  }
  const auto number = parseNumber<int>(value);
  if (number && *number >= 1 && *number <= last) return "";
  const char* name = activity == FirstActivity::test ? "--test" : "--troubleshooting";
  return std::string(name) + " needs a number from 1 to " + std::to_string(last) + ", not '" +
         std::string(value) + "'";
}

constexpr std::array<OptionSpec, 13> kOptions = {{
    {"--db", "PATH", "lesson database to use (default: DataStore.db beside the program)",
     setDatabase},
    {"--progress", "PATH",
     "progress file (default: ~/.local/share/kovrel/progress.db; batch runs keep none)",
     setProgress},
    {"--page-length", "N",
     "lines per page before \" --More--\" (default: terminal rows, 24 in batch)", setPageLength},
    {"--columns", "N", "width that lesson texts wrap to (default: terminal columns, 80 in batch)",
     setColumns},
    {"--seed", "N", "seed of the random numbers (timers, ping times) for repeatable runs", setSeed},
    {"--clock", "TIME",
     "start the router's clock at TIME, local, as YYYY-MM-DDTHH:MM:SS, years 1993 to 2099 (for "
     "repeatable runs)",
     setClock},
    {"--ansi", "", "batch mode: show emphasised text bold with ANSI escapes",
     [](Options& options, std::string_view) -> std::string {
       options.ansi = true;
       return "";
     }},
    {"--batch", "", "read key bytes from standard input and write the console to standard output",
     [](Options& options, std::string_view) -> std::string {
       options.batch = true;
       return "";
     }},
    {"--lab", "NAME", "start with a lab: its key, number or caption (default: aboutTheLabs)",
     [](Options& options, std::string_view value) {
       return setFirstActivity(options, FirstActivity::lab, value, 0);
     }},
    {"--test", "N", "start with test N (1 to the number of tests)",
     [](Options& options, std::string_view value) {
       return setFirstActivity(options, FirstActivity::test, value,
                               static_cast<int>(testMenu().size()));
     }},
    {"--troubleshooting", "N", "start with troubleshooting scenario N (1 to the last)",
     [](Options& options, std::string_view value) {
       return setFirstActivity(options, FirstActivity::troubleshooting, value,
                               static_cast<int>(troubleshootingMenu().size()));
     }},
    {"--help", "", "show this help and exit", nullptr},
    {"--version", "", "show the version and exit", nullptr},
}};

const OptionSpec* findOption(std::string_view name) {
  for (const OptionSpec& spec : kOptions) {
    if (spec.name == name) return &spec;
  }
  return nullptr;
}

ParsedOptions failure(const std::string& message) {
  ParsedOptions result;
  result.exitStatus = 2;
  result.standardError = std::string(kProgramName) + ": " + message + "\nTry '" +
                         std::string(kProgramName) + " --help' for more information.\n";
  return result;
}

ParsedOptions finish(int status, std::string text) {
  ParsedOptions result;
  result.exitStatus = status;
  result.standardOutput = std::move(text);
  return result;
}

// The --help text fits a terminal of the usual width: a description that does not fit goes on
// under itself, its column kept.
constexpr std::size_t kHelpWidth = 80;

std::string wrappedDescription(std::string_view text, std::size_t column) {
  std::string wrapped;
  std::size_t lineLength = column;
  while (!text.empty()) {
    const std::size_t blank = text.find(' ');
    const std::string_view word = text.substr(0, blank);
    text = blank == std::string_view::npos ? std::string_view() : text.substr(blank + 1);
    if (lineLength > column && lineLength + 1 + word.size() > kHelpWidth) {
      wrapped += "\n" + std::string(column, ' ');
      lineLength = column;
    } else if (lineLength > column) {
      wrapped += ' ';
      ++lineLength;
    }
    wrapped += word;
    lineLength += word.size();
  }
  return wrapped;
}

}  // namespace

std::string usageText() {
  std::string text = "Usage: " + std::string(kProgramName) +
                     " [OPTION]...\n"
                     "The console of the Kovrel Router Simulator in a terminal. Interactive when\n"
                     "standard input is a terminal; Ctrl-] then 'quit' ends the program.\n"
                     "Ctrl-] then 'labs', 'tests' or 'troubleshootings' lists the activities,\n"
                     "and 'help' every program command.\n\n"
                     "Options:\n";
  auto left = [](const OptionSpec& spec) {
    std::string usage = "  " + std::string(spec.name);
    if (!spec.valueName.empty()) usage += " " + std::string(spec.valueName);
    return usage;
  };
  std::size_t width = 0;
  for (const OptionSpec& spec : kOptions) width = std::max(width, left(spec).size());
  for (const OptionSpec& spec : kOptions) {
    std::string usage = left(spec);
    usage.resize(width + 2, ' ');
    text += usage + wrappedDescription(spec.help, usage.size()) + "\n";
  }
  return text;
}

ParsedOptions parseOptions(const std::vector<std::string>& arguments) {
  ParsedOptions result;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i];
    const std::size_t equals = argument.find('=');
    const std::string_view name = argument.substr(0, equals);
    const OptionSpec* spec = findOption(name);
    if (spec == nullptr) {
      if (!argument.starts_with("-")) return failure("unexpected argument '" + arguments[i] + "'");
      return failure("unknown option '" + std::string(name) + "'");
    }
    if (name == "--help") return finish(0, usageText());
    if (name == "--version") return finish(0, versionText(kProgramName));
    std::string_view value;
    if (spec->valueName.empty()) {
      if (equals != std::string_view::npos) return failure(std::string(name) + " takes no value");
    } else if (equals != std::string_view::npos) {
      value = argument.substr(equals + 1);
    } else if (i + 1 < arguments.size()) {
      value = arguments[++i];
    } else {
      return failure(std::string(name) + " needs a value (" + std::string(spec->valueName) + ")");
    }
    const std::string error = spec->set(result.options, value);
    if (!error.empty()) return failure(error);
  }
  return result;
}

}  // namespace kovrel::terminal

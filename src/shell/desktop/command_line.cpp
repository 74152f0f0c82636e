// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/desktop/command_line.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "base/program_version.h"

namespace kovrel::desktop {
namespace {

constexpr std::string_view kProgramName = "kovrel";

enum class OptionKind { data, progress, measureStartup, help, version };

/// One command-line option: its names, the name of its value (empty for a switch) and its help
/// line. The usage text and the reader both walk this table.
struct OptionSpec {
  OptionKind kind;
  std::string_view shortName;  // empty when there is none
  std::string_view name;
  std::string_view valueName;
  std::string_view help;
};

constexpr std::array<OptionSpec, 5> kOptions = {{
    {OptionKind::data, "", "--data", "FOLDER",
     "the folder of DataStore.db and the pictures (default: share/kovrel under the program's "
     "prefix)"},
    {OptionKind::progress, "", "--progress", "PATH",
     "the file that keeps labs done, test scores, scenarios solved and flash cards (default: "
     "~/.local/share/kovrel/progress.db)"},
    {OptionKind::measureStartup, "", "--measure-startup", "",
     "print the milliseconds until the window shows the welcome text, then quit"},
    {OptionKind::help, "-h", "--help", "", "show this help and exit"},
    {OptionKind::version, "-v", "--version", "", "show the version and exit"},
}};

const OptionSpec* findOption(std::string_view name) {
  for (const OptionSpec& spec : kOptions) {
    if (name == spec.name || (!spec.shortName.empty() && name == spec.shortName)) return &spec;
  }
  return nullptr;
}

DesktopCommandLine finish(int status, std::string text) {
  DesktopCommandLine result;
  result.exitStatus = status;
  result.standardOutput = std::move(text);
  return result;
}

DesktopCommandLine failure(const std::string& message) {
  DesktopCommandLine result;
  result.exitStatus = 2;
  result.standardError = std::string(kProgramName) + ": " + message + "\nTry '" +
                         std::string(kProgramName) + " --help' for more information.\n";
  return result;
}

std::string optionColumn(const OptionSpec& spec) {
  std::string column = "  ";
  column += spec.shortName.empty() ? std::string("    ") : std::string(spec.shortName) + ", ";
  column += spec.name;
  if (!spec.valueName.empty()) column += " " + std::string(spec.valueName);
  return column;
}

// A description that does not fit an 80-column terminal goes on under itself, its column kept.
std::string wrapped(std::string_view text, std::size_t column) {
  constexpr std::size_t kWidth = 80;
  std::string result;
  std::size_t length = column;
  while (!text.empty()) {
    const std::size_t blank = text.find(' ');
    const std::string_view word = text.substr(0, blank);
    text = blank == std::string_view::npos ? std::string_view() : text.substr(blank + 1);
    if (length > column && length + 1 + word.size() > kWidth) {
      result += "\n" + std::string(column, ' ');
      length = column;
    } else if (length > column) {
      result += ' ';
      ++length;
    }
    result += word;
    length += word.size();
  }
  return result;
}

}  // namespace

std::string desktopUsageText() {
  std::string text =
      "Usage: " + std::string(kProgramName) +
      " [OPTION]...\n"
      "The Kovrel Router Simulator in a window: the console of a small router, with\n"
      "guided labs, graded tests, troubleshooting scenarios and flash cards.\n\n"
      "Options:\n";
  std::size_t width = 0;
  for (const OptionSpec& spec : kOptions) width = std::max(width, optionColumn(spec).size());
  for (const OptionSpec& spec : kOptions) {
    std::string column = optionColumn(spec);
    column.resize(width + 2, ' ');
    text += column + wrapped(spec.help, column.size()) + "\n";
  }
  text +=
      "\nQt's own options, such as -platform NAME and -style NAME, are taken as well.\n"
      "Without a display, kovrel-term runs the same console in a terminal.\n";
  return text;
}

DesktopCommandLine readDesktopCommandLine(const std::vector<std::string>& arguments,
                                          UnknownArguments unknown) {
  DesktopCommandLine result;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i];
    const std::size_t equals = argument.starts_with("--") ? argument.find('=') : argument.npos;
    const std::string_view name = argument.substr(0, equals);
    const OptionSpec* spec = findOption(name);
    if (spec == nullptr) {
      if (unknown == UnknownArguments::skip) continue;
      if (!argument.starts_with("-")) return failure("unexpected argument '" + arguments[i] + "'");
      return failure("unknown option '" + std::string(name) + "'");
    }
    if (spec->kind == OptionKind::help) return finish(0, desktopUsageText());
    if (spec->kind == OptionKind::version) return finish(0, versionText(kProgramName));
    if (spec->valueName.empty()) {
      if (equals != argument.npos) return failure(std::string(name) + " takes no value");
      result.options.measureStartup = true;
      continue;
    }
    std::string value;
    if (equals != argument.npos) {
      value = argument.substr(equals + 1);
    } else if (i + 1 < arguments.size()) {
      value = arguments[++i];
    } else {
      return failure(std::string(name) + " needs a value (" + std::string(spec->valueName) + ")");
    }
    const bool data = spec->kind == OptionKind::data;
    if (value.empty())
      return failure(std::string(name) + (data ? " needs a folder" : " needs a file"));
    (data ? result.options.dataFolder : result.options.progressFile) = value;
  }
  return result;
}

}  // namespace kovrel::desktop

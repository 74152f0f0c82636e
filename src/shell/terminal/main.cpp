// SPDX-License-Identifier: GPL-3.0-or-later
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "shell/terminal/batch_runner.h"
#include "shell/terminal/interactive_terminal.h"
#include "shell/terminal/options.h"

int main(int argc, char** argv) {
  using namespace kovrel::terminal;
  // A reader that went away (a pipe into head, a closed terminal) makes a write fail, which the
  // run reports, instead of ending the program without a word.
  std::signal(SIGPIPE, SIG_IGN);
  const ParsedOptions parsed = parseOptions(std::vector<std::string>(argv + 1, argv + argc));
  if (parsed.exitStatus) {
    std::fputs(parsed.standardOutput.c_str(), stdout);
    std::fputs(parsed.standardError.c_str(), stderr);
    return *parsed.exitStatus;
  }
  try {
    if (parsed.options.batch || !isatty(STDIN_FILENO)) {
      return runBatch(parsed.options, STDIN_FILENO, stdout, stderr);
    }
    return runInteractive(parsed.options, STDIN_FILENO, STDOUT_FILENO);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "kovrel-term: %s\n", error.what());
  } catch (...) {
    std::fprintf(stderr, "kovrel-term: unexpected failure\n");
  }
  return 1;
}

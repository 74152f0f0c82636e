// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/error_log.h"

#include <ctime>
#include <vector>

namespace kovrel {
namespace {

std::string formatTimestamp(std::chrono::system_clock::time_point when) {
  const std::time_t seconds = std::chrono::system_clock::to_time_t(when);
  std::tm local{};
  localtime_r(&seconds, &local);
  char text[64];
  std::strftime(text, sizeof text, "%m/%d/%Y %I:%M:%S %p", &local);
  return text;
}

}  // namespace

void logError(Simulator& sim, std::string_view operationName, int errorNumber,
              std::string_view description) {
  std::vector<std::string> lines = {
      "Error Occureed at " + formatTimestamp(sim.services.clock.now()),
      "In function " + std::string(operationName),
      " Error number  =" + std::to_string(errorNumber),
      " Description : " + std::string(description),
  };
  // One broken table can fail every lookup of a key press; the student sees each distinct
  // failure once a run, and the log keeps every one with the count of those not shown.
  const std::string failure = std::string(operationName) + '\n' + std::to_string(errorNumber) +
                              '\n' + std::string(description);
  const int repeats = sim.state.errorRepeats[failure]++;
  if (repeats > 0) lines.push_back(" Repeats not shown : " + std::to_string(repeats));
  lines.insert(lines.end(), {" ", " "});
  const bool firstOfRun = !sim.state.errorLoggedThisRun;
  sim.state.errorLoggedThisRun = true;
  std::string message =
      "The Application encountered an error. Behavior maybe unpredictable.\n Please see details "
      "at ";
  try {
    message += sim.services.errorLog.write(lines, firstOfRun);
  } catch (const std::exception& error) {
    // With nowhere to keep the report, the box itself must say what went wrong.
    message += std::string("(the log could not be written: ") + error.what() + ")\n" + lines[1] +
               "\n" + lines[2] + "\n" + lines[3];
  }
  if (repeats == 0) sim.services.messageBox.show(message);
}

}  // namespace kovrel

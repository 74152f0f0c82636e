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
  const std::vector<std::string> lines = {
      "Error Occureed at " + formatTimestamp(sim.services.clock.now()),
      "In function " + std::string(operationName),
      " Error number  =" + std::to_string(errorNumber),
      " Description : " + std::string(description),
      " ",
      " ",
  };
  const bool firstOfRun = !sim.state.errorLoggedThisRun;
  sim.state.errorLoggedThisRun = true;
  std::string path;
  try {
    path = sim.services.errorLog.write(lines, firstOfRun);
  } catch (const std::exception& error) {
    path = std::string("(the log could not be written: ") + error.what() + ")";
  }
  sim.services.messageBox.show(
      "The Application encountered an error. Behavior maybe unpredictable.\n Please see details "
      "at " +
      path);
}

}  // namespace kovrel

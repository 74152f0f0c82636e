// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <exception>
#include <string>
#include <string_view>

#include "base/simulator.h"

namespace kovrel {

/// Records a trapped failure: the lines of the error log (truncated at the first error of a run,
/// appended afterwards), then the message box that points the user to it.
void logError(Simulator& sim, std::string_view operationName, int errorNumber,
              std::string_view description);

/// Runs `step`; a failure inside it is logged under `operationName` and `fallback` is returned, so
/// a broken database or a fault in one step never ends the program.
template <typename Step, typename Result>
Result trapped(Simulator& sim, std::string_view operationName, Step&& step, Result fallback) {
  try {
    return step();
  } catch (const DatabaseError& error) {
    logError(sim, operationName, error.code(), error.what());
  } catch (const std::exception& error) {
    logError(sim, operationName, -1, error.what());
  } catch (...) {
    logError(sim, operationName, -1, "a failure that is no standard exception");
  }
  return fallback;
}

template <typename Step>
void trapped(Simulator& sim, std::string_view operationName, Step&& step) {
  trapped(
      sim, operationName,
      [&] {
        step();
        return true;
      },
      false);
}

}  // namespace kovrel

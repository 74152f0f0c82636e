// SPDX-License-Identifier: GPL-3.0-or-later
#include "console/terminal_command.h"

#include <algorithm>

#include "base/ip_arithmetic.h"
#include "base/output.h"

namespace kovrel {
namespace {

constexpr int kMaxHistorySize = 256;
constexpr int kDefaultHistorySize = 10;

FormOutcome setHistorySize(Simulator& sim, const Words& words) {
  const auto size = boundedNumber(words[3], 3, 0, kMaxHistorySize);
  if (!size) return FormOutcome::notThisForm;
  sim.running().historySize = *size;
  return FormOutcome::done;
}

// The history is always on, so switching it on changes nothing; the size stays as it is.
FormOutcome historyOn(Simulator&, const Words&) { return FormOutcome::done; }

FormOutcome defaultHistorySize(Simulator& sim, const Words&) {
  sim.running().historySize = kDefaultHistorySize;
  return FormOutcome::done;
}

FormOutcome noHistory(Simulator& sim, const Words&) {
  trimHistory(sim.router());
  return FormOutcome::done;
}

constexpr CommandForm kTerminalForms[] = {
    {"terminal history", historyOn},
    {"terminal history size <0-256>", setHistorySize},
    {"terminal no history", noHistory},
    {"terminal no history size", defaultHistorySize},
};

}  // namespace

void trimHistory(RouterState& router) {
  auto& history = router.history;
  const auto limit = static_cast<std::size_t>(std::max(router.config.historySize, 0));
  if (history.size() > limit) history.erase(history.begin(), history.end() - limit);
  router.historyIndex = static_cast<int>(history.size()) + 1;
}

void manageHistory(Simulator& sim) {
  RouterState& router = sim.router();
  const std::string& line = sim.console.input();
  if (line.size() > router.prompt.size())
    router.history.push_back(line.substr(router.prompt.size()));
  trimHistory(router);
}

std::span<const CommandForm> terminalForms() { return kTerminalForms; }

}  // namespace kovrel

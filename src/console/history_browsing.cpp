// SPDX-License-Identifier: GPL-3.0-or-later
#include "console/history_browsing.h"

#include <algorithm>

namespace kovrel {
namespace {

int historyCount(const RouterState& router) { return static_cast<int>(router.history.size()); }

// A history that shrank under a stale browse position (a new router, `terminal no history`)
// would otherwise recall nothing or read past its end.
void keepIndexInRange(RouterState& router) {
  router.historyIndex = std::clamp(router.historyIndex, 1, historyCount(router) + 1);
}

void showEntry(Simulator& sim) {
  const RouterState& router = sim.state.current;
  const auto entry = static_cast<std::size_t>(router.historyIndex - 1);
  sim.console.setInput(router.prompt + router.history[entry]);
}

// The draft keeps the prompt it was typed after; once the prompt has changed since (Ctrl-Z left
// configuration mode while browsing), bringing it back would put a stale prompt in front of the
// command, so only the current prompt returns.
void restoreDraft(Simulator& sim) {
  const RouterState& router = sim.state.current;
  if (router.historyDraft.starts_with(router.prompt)) {
    sim.console.setInput(router.historyDraft);
  } else {
    sim.console.setInput(router.prompt);
  }
}

}  // namespace

void browseHistoryBack(Simulator& sim) {
  RouterState& router = sim.router();
  keepIndexInRange(router);
  const int count = historyCount(router);
  if (router.historyIndex == count + 1) router.historyDraft = sim.console.input();
  --router.historyIndex;
  if (router.historyIndex == 0) {
    router.historyIndex = 1;
    if (count == 0) {
      restoreDraft(sim);
      return;
    }
  }
  showEntry(sim);
}

void browseHistoryForward(Simulator& sim) {
  RouterState& router = sim.router();
  keepIndexInRange(router);
  const int count = historyCount(router);
  if (router.historyIndex == count) {
    router.historyIndex = count + 1;
    restoreDraft(sim);
  } else if (router.historyIndex >= 1 && router.historyIndex < count) {
    ++router.historyIndex;
    showEntry(sim);
  }
}

}  // namespace kovrel

// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/paging.h"

#include <algorithm>
#include <string>
#include <vector>

#include "base/output.h"

namespace kovrel {
namespace {

constexpr int kSpaceKey = 32;
constexpr int kEnterKey = 13;

std::vector<std::string_view> splitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (auto end = text.find("\r\n"); end != std::string_view::npos;
       end = text.find("\r\n", start)) {
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  lines.push_back(text.substr(start));
  return lines;
}

enum class PagingAnswer { nextPage, nextLine, stop };

// The student answers " --More--" with one key; the engine waits for it through the platform so
// that every front-end (window, terminal, batch input) can deliver it its own way.
PagingAnswer askForMore(Simulator& sim) {
  sim.console.setInput(std::string(kMorePrompt));
  const int key = sim.state.console.pasting ? kSpaceKey : sim.services.keyWaiter.waitForKey();
  if (key == kSpaceKey) {
    sim.console.setInput("");
    return PagingAnswer::nextPage;
  }
  if (key == kEnterKey) return PagingAnswer::nextLine;
  return PagingAnswer::stop;
}

}  // namespace

void writePaged(Simulator& sim, std::string_view text, bool helpLine) {
  sim.setInteraction(Interaction::paging);
  sim.console.setInput("");
  // A page length below one would never let the display stop; the console always shows a line.
  const std::size_t pageLength =
      static_cast<std::size_t>(std::max(1, sim.state.console.pageLength));
  const std::vector<std::string_view> lines = splitLines(text);
  bool moreRequested = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    // Empty lines are not written, but they still take their place on the page.
    appendConsoleLine(sim, lines[i], helpLine);
    const bool last = i + 1 == lines.size();
    if (last) break;
    pauseConsole(sim, kPagedLinePauseMs);
    if ((i + 1) % pageLength != 0 && !moreRequested) continue;
    const PagingAnswer answer = askForMore(sim);
    if (answer == PagingAnswer::stop) break;
    moreRequested = answer == PagingAnswer::nextLine;
  }
  sim.setInteraction(Interaction::none);
  resetInput(sim);
}

}  // namespace kovrel

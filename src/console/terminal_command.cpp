// SPDX-License-Identifier: GPL-3.0-or-later
#include "console/terminal_command.h"

#include <algorithm>
#include <cctype>

#include "base/output.h"

namespace kovrel {
namespace {

constexpr int kMaxHistorySize = 256;

bool isDigits(const std::string& word) {
  return !word.empty() && std::all_of(word.begin(), word.end(), [](char c) {
    return std::isdigit(static_cast<unsigned char>(c));
  });
}

constexpr int kDefaultHistorySize = 10;

void fourWords(Simulator& sim, const std::vector<std::string>& words) {
  if (words[1] == "no" && words[2] == "history" && words[3] == "size") {
    sim.running().historySize = kDefaultHistorySize;
    return;
  }
  const bool sizeWords = words[1] == "history" && words[2] == "size";
  const std::string& number = words[3];
  if (!sizeWords || !isDigits(number) || number.size() >= 4) {
    invalidInput(sim);
    return;
  }
  const int size = std::stoi(number);
  if (size > kMaxHistorySize) {
    invalidInput(sim);
    return;
  }
  sim.running().historySize = size;
}

void twoWords(Simulator& sim, const std::string& second) {
  // The history is always on, so switching it on changes nothing; the size stays as it is.
  if (second == "history") {
    return;
  } else if (second == "no") {
    incompleteCommand(sim);
  } else {
    invalidInput(sim);
  }
}

void threeWords(Simulator& sim, const std::string& second, const std::string& third) {
  if (second == "history" && third == "size") {
    incompleteCommand(sim);
  } else if (second == "no" && third == "history") {
    trimHistory(sim.router());
  } else {
    invalidInput(sim);
  }
}

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

void terminalCommand(Simulator& sim, const CommandInput& input) {
  const CliMode mode = sim.router().mode;
  const auto& words = input.words;
  if (mode != CliMode::user && mode != CliMode::priv) {
    unknownCommand(sim);
  } else if (words.size() > 4) {
    invalidInput(sim);
  } else if (words.size() == 1) {
    incompleteCommand(sim);
  } else if (words.size() == 2) {
    twoWords(sim, words[1]);
  } else if (words.size() == 3) {
    threeWords(sim, words[1], words[2]);
  } else {
    fourWords(sim, words);
  }
}

}  // namespace kovrel

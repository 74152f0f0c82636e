// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cctype>
#include <utility>

#include "console/keyboard.h"
#include "shell/terminal/program_commands.h"
#include "training/activity_menu.h"

namespace kovrel::terminal {
namespace {

// A history long enough for a session's program commands, and short enough to browse by key.
constexpr std::size_t kHistoryLength = 50;

std::size_t commonPrefixLength(const std::vector<std::string>& names) {
  std::size_t length = names.front().size();
  for (const std::string& name : names) {
    const auto [differs, unused] =
        std::mismatch(name.begin(), name.end(), names.front().begin(), names.front().end());
    length = std::min(length, static_cast<std::size_t>(differs - name.begin()));
  }
  return length;
}

bool startsWithFolded(std::string_view text, std::string_view start) {
  return text.size() >= start.size() &&
         std::equal(start.begin(), start.end(), text.begin(), [](char a, char b) {
           return std::tolower(static_cast<unsigned char>(a)) ==
                  std::tolower(static_cast<unsigned char>(b));
         });
}

}  // namespace

std::vector<std::string> completionsOf(std::string_view text) {
  // After "lab " the names are the labs' keys, whose letter case the command ignores too.
  constexpr std::string_view kLab = "lab ";
  if (text.starts_with(kLab)) {
    const std::string_view typed = text.substr(kLab.size());
    std::vector<std::string> keys;
    for (const ActivityMenuItem& lab : labMenu()) {
      if (startsWithFolded(lab.key, typed))
        keys.push_back(std::string(kLab) + std::string(lab.key));
    }
    return keys;
  }
  std::vector<std::string> names;
  for (const ProgramCommand& command : programCommands()) {
    const std::string name(command.name);
    if (name.starts_with(text) && std::find(names.begin(), names.end(), name) == names.end()) {
      names.push_back(name);
    }
  }
  return names;
}

void ProgramCommandLine::start() {
  active_ = true;
  text_.clear();
  draft_.clear();
  candidates_.clear();
  historyIndex_ = history_.size();
}

std::optional<std::string> ProgramCommandLine::feed(const KeyEvent& event) {
  if (!active_ || event.kind != KeyEventKind::press) return std::nullopt;
  candidates_.clear();
  const bool abandoned = event.keyCode == key::kEscape || (event.ctrl && event.keyCode == 'C');
  if (event.keyCode == key::kEnter || abandoned) {
    active_ = false;
    if (abandoned) return std::string();
    if (!text_.empty() && (history_.empty() || history_.back() != text_)) {
      history_.push_back(text_);
      if (history_.size() > kHistoryLength) history_.erase(history_.begin());
    }
    return std::exchange(text_, {});
  }
  if (event.keyCode == key::kUp || event.keyCode == key::kDown) {
    browseHistory(event.keyCode == key::kUp ? -1 : 1);
  } else if (event.keyCode == key::kTab) {
    complete();
  } else if (event.keyCode == key::kBackspace) {
    if (!text_.empty()) text_.pop_back();
  } else if (!event.ctrl && event.character >= 0x20 && event.character < 0x7F) {
    text_.push_back(static_cast<char>(event.character));
  }
  return std::nullopt;
}

void ProgramCommandLine::browseHistory(int step) {
  if (step < 0 && historyIndex_ == 0) return;
  if (step > 0 && historyIndex_ >= history_.size()) return;
  if (historyIndex_ == history_.size()) draft_ = text_;
  historyIndex_ = step < 0 ? historyIndex_ - 1 : historyIndex_ + 1;
  text_ = historyIndex_ < history_.size() ? history_[historyIndex_] : draft_;
}

void ProgramCommandLine::complete() {
  const std::size_t typed = text_.find_first_not_of(' ');
  const std::string_view start =
      typed == std::string::npos ? std::string_view() : std::string_view(text_).substr(typed);
  const std::vector<std::string> names = completionsOf(start);
  if (names.empty()) return;
  const std::size_t common = commonPrefixLength(names);
  if (names.size() == 1) {
    text_ = names.front() + " ";
  } else if (common > start.size()) {
    text_ = names.front().substr(0, common);
  } else {
    candidates_ = names;
  }
}

}  // namespace kovrel::terminal

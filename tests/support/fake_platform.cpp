// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fake_platform.h"

#include <stdexcept>

#include "console/keyboard.h"
#include "console/session.h"

namespace kovrel::testing {

void FakePlatform::outputAppended(const std::string& text, bool isEmphasised) {
  transcript += text;
  if (isEmphasised) emphasised.push_back(text);
}

void FakePlatform::outputReplaced(const std::string& text) {
  ++replacements;
  transcript += "\f" + text;
}

int FakePlatform::waitForKey() {
  ++keysWaitedFor;
  if (pagingKeys.empty()) return 'q';
  const int key = pagingKeys.front();
  pagingKeys.pop_front();
  return key;
}

double FakePlatform::nextUnit() {
  if (randomValues.empty()) return 0.5;
  const double value = randomValues[nextRandom % randomValues.size()];
  ++nextRandom;
  return value;
}

std::string FakePlatform::write(const std::vector<std::string>& lines, bool truncate) {
  if (logUnwritable) throw std::runtime_error("no folder can be written");
  if (truncate) {
    ++truncations;
    errorLines.clear();
  }
  errorLines.insert(errorLines.end(), lines.begin(), lines.end());
  return "/app/ErrorLog.txt";
}

SimulatorFixture::SimulatorFixture(bool withDatabase) : sim(platform.services()) {
  setWelcomeText(sim, withDatabase ? KOVREL_TEST_DATABASE : "/nonexistent/DataStore.db");
  platform.messages.clear();
  platform.errorLines.clear();
  startFreshRouter(sim);
  replacementsSeen_ = platform.replacements;
  mark_ = platform.transcript.size();
}

void SimulatorFixture::type(std::string_view text) { typeText(sim, text); }

void SimulatorFixture::enter(std::string_view line) {
  typeText(sim, line);
  typeCharacter(sim, '\r');
}

void SimulatorFixture::ctrl(char letter) { pressKey(sim, letter, true, 0); }

std::string SimulatorFixture::newOutput() {
  std::string output = newOutputWithMarkers();
  static constexpr std::string_view kReply = "\n% Invalid input detected at '^' marker.";
  for (std::size_t at = output.find(kReply); at != std::string::npos;
       at = output.find(kReply, at + kReply.size())) {
    const std::size_t markerStart = output.rfind('\n', at - 1);
    if (markerStart == std::string::npos || markerStart == 0) continue;
    const std::size_t lineStart = output.rfind('\n', markerStart - 1);
    if (lineStart == std::string::npos) continue;
    const std::string marker = output.substr(markerStart + 1, at - markerStart - 1);
    const std::string line = output.substr(lineStart + 1, markerStart - lineStart - 1);
    const std::size_t column = marker.size() - 1;
    const auto wordStartsAt = [&line](std::size_t c) {
      return c < line.size() && line[c] != ' ' &&
             (c == 0 || std::string_view(" #>").find(line[c - 1]) != std::string_view::npos);
    };
    if (marker.ends_with('^') && marker.find_first_not_of(' ') == column && wordStartsAt(column)) {
      output.replace(markerStart + 1, marker.size(), " ");
      at = markerStart;
    }
  }
  return output;
}

std::string SimulatorFixture::newOutputWithMarkers() {
  // Read from what the view was told, not from the console, which drops its oldest lines in a
  // long session.
  const std::string& all = platform.transcript;
  if (platform.replacements != replacementsSeen_) {  // the output was replaced as a whole
    replacementsSeen_ = platform.replacements;
    mark_ = all.rfind('\f') + 1;
  }
  if (mark_ > all.size()) mark_ = 0;  // the records were cleared
  std::string text = all.substr(mark_);
  mark_ = all.size();
  std::string result;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    result.push_back(text[i]);
  }
  return result;
}

void SimulatorFixture::startSession(CliMode mode) {
  enter("");
  if (mode != CliMode::user) enter("enable");
  if (mode == CliMode::conf) enter("configure terminal");
  newOutput();
}

}  // namespace kovrel::testing

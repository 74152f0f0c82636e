// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary input to a fresh simulator on the recording fakes, through the same front-end a
// batch run uses, and checks after every key what must hold whatever the student types. The
// first bytes choose the first activity, the page length, how often the routers switch and the
// grader runs, the clock and the random numbers; the rest are key bytes as a terminal sends them:
// pastes between their marks, and after Ctrl-] a program command line with its own editing,
// history and Tab (which may start another activity part way, or open the flash cards).

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/output.h"
#include "base/simulator.h"
#include "console/session.h"
#include "shell/terminal/key_front_end.h"
#include "shell/terminal/key_reader.h"
#include "support/fake_platform.h"
#include "training/activity_menu.h"
#include "training/grading.h"

namespace {

using kovrel::CliMode;
using kovrel::Interaction;
using kovrel::Simulator;
using kovrel::terminal::KeyEvent;

[[noreturn]] void violated(const char* invariant, const std::string& detail) {
  std::fprintf(stderr, "console_fuzzer: invariant broken: %s\n%s\n", invariant, detail.c_str());
  std::abort();
}

bool holdsControlBytes(std::string_view text) {
  for (const char character : text) {
    const auto byte = static_cast<unsigned char>(character);
    if ((byte < 0x20 && character != '\r' && character != '\n') || byte == 0x7F) return true;
  }
  return false;
}

/// The recording fakes, with the console's output checked as it is written and the " --More--"
/// keys taken from the same reader as everything else.
class FuzzPlatform : public kovrel::testing::FakePlatform {
 public:
  explicit FuzzPlatform(kovrel::terminal::KeyReader& keys) : keys_(keys) {}

  void outputAppended(const std::string& text, bool) override { checkText(text); }
  void outputReplaced(const std::string& text) override { checkText(text); }
  int waitForKey() override { return keys_.answerMore(); }

  static void checkText(std::string_view text) {
    if (holdsControlBytes(text))
      violated("output holds only text and line breaks", std::string(text));
  }

 private:
  kovrel::terminal::KeyReader& keys_;
};

/// What the first bytes of an input set.
struct Header {
  static constexpr std::size_t kSize = 10;
  std::uint8_t activity;
  int pageLength;
  unsigned switchEvery;  // 0: the routers switch only when asked
  unsigned gradeEvery;   // 0: the grader runs only when asked
  std::chrono::system_clock::time_point clock;
  std::vector<double> random;

  explicit Header(const std::uint8_t* data) : activity(data[0]) {
    pageLength = 1 + data[1] % 30;
    switchEvery = data[2] % 64u;
    gradeEvery = data[3] % 64u;
    // Any moment the clock option takes, 1993 to 2099.
    const std::uint32_t seconds = static_cast<std::uint32_t>(data[4]) << 24 |
                                  static_cast<std::uint32_t>(data[5]) << 16 | data[6] << 8 |
                                  data[7];
    constexpr std::int64_t kFirst = 725'846'400;   // 1993-01-01
    constexpr std::int64_t kSpan = 3'376'684'800;  // to 2100-01-01
    clock = std::chrono::system_clock::time_point(std::chrono::seconds(kFirst + seconds % kSpan));
    random = {data[8] / 256.0, data[9] / 256.0, 0.999};
  }
};

// The first activity: the low two bits choose a lab, a test, a troubleshooting scenario or the
// cards, the rest its number in its menu.
std::string firstCommand(std::uint8_t choice) {
  const unsigned number = choice >> 2u;
  const auto pick = [number](std::span<const kovrel::ActivityMenuItem> menu) {
    return std::to_string(number % menu.size() + 1);
  };
  switch (choice & 3u) {
    case 0:
      return "lab " + pick(kovrel::labMenu());
    case 1:
      return "test " + pick(kovrel::testMenu());
    case 2:
      return "troubleshooting " + pick(kovrel::troubleshootingMenu());
    default:
      return "cards";
  }
}

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t at = 0; at < prefix.size(); ++at) {
    const auto lower = [](char c) {
      return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
    };
    if (lower(text[at]) != lower(prefix[at])) return false;
  }
  return true;
}

void checkConsole(Simulator& sim, const FuzzPlatform& platform) {
  const auto& router = sim.state.current;
  const auto interaction = static_cast<int>(sim.interactionPending());
  if (interaction < 0 || interaction > static_cast<int>(kovrel::kLastInteraction) ||
      sim.interactionPending() == Interaction::paging) {
    violated("interactionPending is a known code, and no display is left open",
             std::to_string(interaction));
  }
  const auto mode = static_cast<int>(router.mode);
  if (mode < 0 || mode > static_cast<int>(CliMode::configRouterIgrp)) {
    violated("the mode is a known mode", std::to_string(mode));
  }
  if (sim.interactionPending() == Interaction::none &&
      router.prompt != kovrel::modePrompt(sim, router.mode)) {
    violated("the prompt agrees with the mode", router.prompt);
  }
  // The enable password's first question is written in lower case ("password: "), so the
  // question is compared without regard to case.
  if (!startsWithIgnoringCase(sim.console.input(), router.prompt)) {
    violated("the input line begins with the prompt or the open question",
             router.prompt + " | " + sim.console.input());
  }
  if (holdsControlBytes(sim.console.input())) violated("the input line holds only text", "");
  if (sim.state.console.pasting) violated("no paste is left running", "");
  if (!platform.errorLines.empty()) {
    violated("no error reaches the error log", platform.errorLines[3]);
  }
}

// Counting the output's lines costs more than most keys; it is checked now and then and at the end.
void checkScrollback(const Simulator& sim) {
  const std::string_view output = sim.console.output();
  const auto lineBreaks = static_cast<std::size_t>(std::count(output.begin(), output.end(), '\n'));
  if (lineBreaks >= kovrel::kScrollbackLines) {
    violated("the output keeps within its scrollback", std::to_string(lineBreaks));
  }
}

std::size_t count(std::string_view text, std::string_view word) {
  std::size_t found = 0;
  for (std::size_t at = text.find(word); at != std::string_view::npos; at = text.find(word, at + 1))
    ++found;
  return found;
}

// Every test the engine grades judges the router as it stands: a score from 0 to 1000 made of its
// parts.
void checkGrading(const Simulator& sim) {
  for (int test = 1; const kovrel::TestGrading* grading = kovrel::testGrading(test); ++test) {
    const kovrel::TestReport report = kovrel::gradeTest(sim, *grading, "");
    // A task is graded by its check on the configuration or on the whole network; a heading by
    // neither.
    const auto graded = static_cast<int>(
        std::count_if(grading->tasks.begin(), grading->tasks.end(),
                      [](const auto& task) { return task.check || task.network; }));
    const bool parts =
        report.correctCount + report.incorrectCount == graded &&
        count(report.text, "Incorrect") == static_cast<std::size_t>(report.incorrectCount) &&
        report.score == kovrel::testScore(report.correctCount, report.incorrectCount);
    if (report.score < 0 || report.score > 1000 || !parts ||
        report.text.find("Your Score: " + std::to_string(report.score)) == std::string::npos) {
      violated("the report's score is from 0 to 1000 and the sum of its parts", report.text);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < Header::kSize) return 0;
  const Header header(data);
  kovrel::terminal::StringByteSource source(
      std::string(reinterpret_cast<const char*>(data) + Header::kSize, size - Header::kSize));
  kovrel::terminal::KeyReader keys(source);
  FuzzPlatform platform(keys);
  platform.clockNow = header.clock;
  platform.randomValues = header.random;
  Simulator sim(platform.services());
  kovrel::setWelcomeText(sim, KOVREL_FUZZ_DATABASE);
  if (!platform.messages.empty()) violated("the lesson database opens", platform.messages[0]);
  sim.state.console.pageLength = header.pageLength;
  kovrel::terminal::KeyFrontEnd frontEnd(
      sim, keys, platform, {false, 80},
      [](std::string_view text) { FuzzPlatform::checkText(text); });
  frontEnd.setPasteCancel([&keys] { return keys.takeCancelKey(); });
  if (frontEnd.runCommand(firstCommand(header.activity))) return 0;
  checkConsole(sim, platform);
  unsigned pressed = 0;
  while (const std::optional<KeyEvent> event = keys.next()) {
    if (frontEnd.handle(*event)) break;
    ++pressed;
    if (header.switchEvery != 0 && pressed % header.switchEvery == 0) {
      frontEnd.runCommand(pressed / header.switchEvery % 2 == 1 ? "router b" : "router a");
    }
    if (header.gradeEvery != 0 && pressed % header.gradeEvery == 0) checkGrading(sim);
    checkConsole(sim, platform);
    if (pressed % 256 == 0) checkScrollback(sim);
  }
  checkGrading(sim);
  checkScrollback(sim);
  return 0;
}

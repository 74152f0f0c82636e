// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/terminal/batch_runner.h"

#include <cerrno>
#include <cstring>

#include "base/simulator.h"
#include "shell/terminal/key_front_end.h"
#include "shell/terminal/platform_adapters.h"
#include "shell/terminal/session_start.h"

namespace kovrel::terminal {
namespace {

constexpr std::string_view kBoldOn = "\x1b[1m";
constexpr std::string_view kBoldOff = "\x1b[0m";
constexpr char kFormFeed = '\x0c';
// Lesson texts are laid out for a terminal of the usual width unless --columns says otherwise.
constexpr int kBatchColumns = 80;

}  // namespace

void BatchView::outputAppended(const std::string& text, bool emphasised) {
  const std::string converted = showControlCharacters(lineEndings_.convert(text));
  if (!emphasised || !ansi_) {
    put(converted);
    return;
  }
  // The line break before an emphasised line stays outside the bold, so no line starts bold.
  const auto [breaks, rest] = splitLeadingBreaks(converted);
  put(breaks);
  if (rest.empty()) return;
  put(kBoldOn);
  put(rest);
  put(kBoldOff);
}

void BatchView::outputReplaced(const std::string& text) {
  put(lineEndings_.reset());
  put(std::string_view(&kFormFeed, 1));
  // A replaced console comes back whole (a router's parked session); written whole each time,
  // switching back and forth would write its history again and again.
  put(showControlCharacters(lineEndings_.convert(lastLines(text, pageLines_))));
}

void BatchView::put(std::string_view text) {
  if (text.empty()) return;
  errno = 0;
  if (std::fwrite(text.data(), 1, text.size(), out_) != text.size() && writeError_ == 0) {
    writeError_ = errno != 0 ? errno : EIO;
  }
}

int BatchView::finish() {
  errno = 0;
  if (std::fflush(out_) != 0 && writeError_ == 0) writeError_ = errno != 0 ? errno : EIO;
  if (writeError_ == 0 && std::ferror(out_) != 0) writeError_ = EIO;
  return writeError_;
}

void BatchView::writeOwn(std::string_view text) {
  put(lineEndings_.reset());
  put(text);
}

int BatchKeyWaiter::waitForKey() {
  view_.writeOwn("\n --More--");
  view_.refresh();
  return keys_.answerMore();
}

void StreamMessageBox::show(const std::string& text) {
  std::fflush(flushFirst_);
  std::string line;
  for (const char character : text) {
    if (character == '\n') {
      std::fprintf(err_, "%s\n", line.c_str());
      line.clear();
    } else if (character != '\r') {
      line.push_back(character);
    }
  }
  if (text.empty() || text.back() != '\n') std::fprintf(err_, "%s\n", line.c_str());
  std::fflush(err_);
}

int runBatch(const Options& options, int inputFd, std::FILE* out, std::FILE* err) {
  FdByteSource input(inputFd, false);
  KeyReader keys(input);
  const int pageLength = options.pageLength.value_or(kDefaultBatchPageLength);
  BatchView view(out, options.ansi, static_cast<std::size_t>(pageLength));
  BatchKeyWaiter keyWaiter(keys, view);
  StreamMessageBox messageBox(err, out);
  SkippingPauser pauser([&keys] { return keys.takeEscapeSequence(); });
  SystemClock systemClock;
  StartedClock startedClock(options.clockStart.value_or(std::chrono::system_clock::time_point{}),
                            [&pauser] { return pauser.skipped(); });
  Clock& clock = options.clockStart ? static_cast<Clock&>(startedClock) : systemClock;
  SeededRandom random(options.seed);
  FileErrorLog errorLog(applicationFolder(), stateFolder());
  Simulator sim(Services{view, pauser, keyWaiter, messageBox, clock, random, errorLog});
  sim.state.console.pageLength = pageLength;

  startProgram(sim, options);
  const std::size_t columns = static_cast<std::size_t>(options.columns.value_or(kBatchColumns));
  KeyFrontEnd frontEnd(sim, keys, keyWaiter, {options.ansi, columns},
                       [&view](std::string_view text) { view.writeOwn(text); });
  // Nobody can press a key while a batch paste is typed: only a failed write stops it.
  frontEnd.setPasteCancel([&view] { return view.failed(); });
  // Nobody reads a console that cannot be written; the run stops at the first failed write.
  while (!view.failed()) {
    const std::optional<KeyEvent> event = keys.next();
    if (!event || frontEnd.handle(*event)) break;
  }
  view.writeOwn("\n" + std::string(sim.console.shownInput()) + "\n");
  if (const int error = view.finish(); error != 0) {
    std::fprintf(err, "kovrel-term: cannot write the console to standard output: %s\n",
                 std::strerror(error));
    return 1;
  }
  return 0;
}

}  // namespace kovrel::terminal

#include "shell/terminal/batch_runner.h"

#include "base/simulator.h"
#include "shell/terminal/platform_adapters.h"
#include "shell/terminal/program_commands.h"
#include "shell/terminal/rich_text_renderer.h"
#include "shell/terminal/session_start.h"

namespace kovrel::terminal {
namespace {

constexpr std::string_view kBoldOn = "\x1b[1m";
constexpr std::string_view kBoldOff = "\x1b[0m";
constexpr char kFormFeed = '\x0c';
// Lesson texts are laid out for a terminal of the usual width; their titles are centred in it.
constexpr std::size_t kBatchColumns = 80;

// Runs the program command typed after Ctrl-]; returns whether the program should end.
bool runTypedProgramCommand(Simulator& sim, BatchView& view, const std::string& line, bool ansi) {
  const ProgramCommandResult result = runProgramCommand(sim, line);
  for (const std::string& reply : result.lines) view.writeOwn("\n" + reply);
  for (const std::string& reply : renderRichTextLines(result.richText, {ansi, kBatchColumns})) {
    view.writeOwn("\n" + reply);
  }
  return result.quit;
}

}  // namespace

void BatchView::outputAppended(const std::string& text, bool emphasised) {
  const std::string converted = lineEndings_.convert(text);
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
  std::fputc(kFormFeed, out_);
  put(lineEndings_.convert(text));
}

void BatchView::writeOwn(std::string_view text) {
  put(lineEndings_.reset());
  put(text);
}

int BatchKeyWaiter::waitForKey() {
  view_.writeOwn("\n --More--");
  view_.refresh();
  const std::optional<KeyEvent> event = keys_.next();
  return event ? pagingCode(*event) : 'q';
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
  BatchView view(out, options.ansi);
  BatchKeyWaiter keyWaiter(keys, view);
  StreamMessageBox messageBox(err, out);
  SkippingPauser pauser;
  SystemClock clock;
  SeededRandom random(options.seed);
  FileErrorLog errorLog(applicationFolder(), stateFolder());
  Simulator sim(Services{view, pauser, keyWaiter, messageBox, clock, random, errorLog});
  sim.state.console.pageLength = options.pageLength.value_or(kDefaultBatchPageLength);

  startProgram(sim, options);
  ProgramCommandLine programLine;
  while (const std::optional<KeyEvent> event = keys.next()) {
    if (programLine.active()) {
      const std::optional<std::string> line = programLine.feed(*event);
      if (line && runTypedProgramCommand(sim, view, *line, options.ansi)) break;
    } else if (event->kind == KeyEventKind::programCommand) {
      programLine.start();
    } else {
      deliverKey(sim, *event);
    }
  }
  view.writeOwn("\n" + sim.console.input() + "\n");
  std::fflush(out);
  return 0;
}

}  // namespace kovrel::terminal

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "base/platform.h"
#include "shell/terminal/key_reader.h"
#include "shell/terminal/line_endings.h"
#include "shell/terminal/options.h"

namespace kovrel::terminal {

/// The console as a stream of text: what the router appends is written as it comes, CR LF as LF; a
/// replaced output is a form feed and what a screen of `pageLines` lines shows of the new text,
/// its last lines. Emphasis is plain, or bold with --ansi.
class BatchView : public ConsoleView {
 public:
  BatchView(std::FILE* out, bool ansi, std::size_t pageLines)
      : out_(out), ansi_(ansi), pageLines_(pageLines) {}

  void outputAppended(const std::string& text, bool emphasised) override;
  void outputReplaced(const std::string& text) override;
  void inputChanged(const std::string&, std::size_t) override {}
  void refresh() override { std::fflush(out_); }

  /// The front-end's own text (" --More--", program command replies, the last input line).
  void writeOwn(std::string_view text);

  /// Writes what is still buffered; returns the error number of the first write that failed (a
  /// full disk, a closed pipe), or 0.
  int finish();
  bool failed() const { return writeError_ != 0 || std::ferror(out_) != 0; }

 private:
  void put(std::string_view text);

  std::FILE* out_;
  bool ansi_;
  std::size_t pageLines_;
  int writeError_ = 0;
  LineEndingFilter lineEndings_{"\n"};
};

/// A " --More--" pause in a batch run: shows the pause, then takes the next key of the input.
/// When input has ended, the pause ends as if "q" was pressed.
class BatchKeyWaiter : public KeyWaiter {
 public:
  BatchKeyWaiter(KeyReader& keys, BatchView& view) : keys_(keys), view_(view) {}
  int waitForKey() override;

 private:
  KeyReader& keys_;
  BatchView& view_;
};

/// Message boxes of a batch run go to standard error, one line per line of their text.
class StreamMessageBox : public MessageBox {
 public:
  StreamMessageBox(std::FILE* err, std::FILE* flushFirst) : err_(err), flushFirst_(flushFirst) {}
  void show(const std::string& text) override;

 private:
  std::FILE* err_;
  std::FILE* flushFirst_;  // the console stream, flushed first so the two keep their order
};

/// Runs the console on key bytes from `inputFd` until input ends or `quit`; returns the exit
/// status.
int runBatch(const Options& options, int inputFd, std::FILE* out, std::FILE* err);

}  // namespace kovrel::terminal

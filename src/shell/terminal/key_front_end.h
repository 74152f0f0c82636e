// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string_view>

#include "base/platform.h"
#include "shell/terminal/card_viewer.h"
#include "shell/terminal/key_reader.h"
#include "shell/terminal/program_commands.h"
#include "shell/terminal/rich_text_renderer.h"

namespace kovrel::terminal {

/// The front-end's part of a run that reads its keys from a `KeyReader` and draws no screen of
/// its own (a batch run, the fuzzer): the program command line with its yes-or-no questions, the
/// flash-card viewer and pastes; every other key goes to the router console. Its own text goes to
/// `writeOwn`, and its replies page at `pager` like the router's long displays.
class KeyFrontEnd {
 public:
  using Writer = std::function<void(std::string_view text)>;

  KeyFrontEnd(Simulator& sim, KeyReader& keys, KeyWaiter& pager, RichTextRendering rendering,
              Writer writeOwn)
      : sim_(sim),
        keys_(keys),
        pager_(pager),
        rendering_(rendering),
        writeOwn_(std::move(writeOwn)) {}

  /// Asked before each line of a paste: whether it should stop (a key typed meanwhile, a failed
  /// write). Never, unless set.
  void setPasteCancel(std::function<bool()> cancelRequested) {
    pasteCancel_ = std::move(cancelRequested);
  }

  /// Handles one event of the reader, a whole paste for `pasteStart`; returns whether the program
  /// should end.
  bool handle(const KeyEvent& event);
  /// Runs a program command line as if typed after Ctrl-]; returns whether the program should end.
  bool runCommand(std::string_view line);

 private:
  bool handleKey(const KeyEvent& event);
  bool handleProgramKey(const KeyEvent& event);
  void show(const ProgramCommandResult& result);
  bool askYesNo(const std::string& question);

  Simulator& sim_;
  KeyReader& keys_;
  KeyWaiter& pager_;
  RichTextRendering rendering_;
  Writer writeOwn_;
  std::function<bool()> pasteCancel_;
  ProgramCommandLine programLine_;
  CardViewer cards_;
};

}  // namespace kovrel::terminal

// SPDX-License-Identifier: GPL-3.0-or-later
#include "console/line_editing.h"

#include <array>

#include "base/output.h"
#include "catalogue/completion.h"
#include "console/dispatch.h"
#include "console/history_browsing.h"
#include "console/keyboard.h"
#include "console/mode_commands.h"

namespace kovrel {
namespace {

/// One editing key: its key code, whether Ctrl must be held, and what it does.
struct EditingKey {
  int keyCode;
  bool ctrl;
  void (*apply)(Simulator& sim);
};

std::size_t caretOf(const Simulator& sim) { return sim.console.caret(); }

bool caretAfterTypedStart(const Simulator& sim) { return caretOf(sim) > typedTextStart(sim); }

// Left never enters the prompt: at the start of the typed text it stays where it is.
void caretLeft(Simulator& sim) {
  if (caretAfterTypedStart(sim)) sim.console.moveCaretLeft();
}

void caretRight(Simulator& sim) { sim.console.moveCaretRight(); }
void caretToTypedStart(Simulator& sim) { sim.console.setCaret(typedTextStart(sim)); }
void caretToEnd(Simulator& sim) { sim.console.moveCaretToEnd(); }

void deleteBeforeCaret(Simulator& sim) {
  if (caretAfterTypedStart(sim)) sim.console.deleteBeforeCaret();
}

void eraseTypedText(Simulator& sim) { resetInput(sim); }

void redisplayLine(Simulator& sim) {
  const std::string line = sim.console.input();
  writeConsoleLine(sim, std::string(sim.console.shownInput()));
  sim.console.setInput(line);
}

// Deletes the word before the caret back to (not including) the blank before it; a blank right
// before the caret goes with the word. The prompt is never touched.
void deleteWordBeforeCaret(Simulator& sim) {
  std::string line = sim.console.input();
  const auto promptLength = static_cast<std::ptrdiff_t>(typedTextStart(sim));
  auto caret = static_cast<std::ptrdiff_t>(caretOf(sim));
  auto at = [&](std::ptrdiff_t position) -> char& {
    return line[static_cast<std::size_t>(position - 1)];
  };
  std::ptrdiff_t i = caret - 1;
  for (; i >= promptLength + 1; --i) {
    if (at(i) == ' ') break;
    line.erase(static_cast<std::size_t>(i), 1);
    caret = i;
  }
  if (i < promptLength + 1) i = promptLength;
  if (caret > promptLength) {
    line.erase(static_cast<std::size_t>(i), 1);
    caret = i;
  }
  sim.console.setInput(line, static_cast<std::size_t>(caret));
}

// Tab echoes the line as Enter would and puts the completed command after the prompt. Answers
// to questions (passwords above all) are never completed from the command catalogue.
void completeCommand(Simulator& sim) {
  if (sim.interactionPending() != Interaction::none) return;
  const std::string line = sim.console.input();
  sim.console.appendOutput("\r\n" + line);
  sim.console.setInput(sim.router().prompt + completePartialCommand(sim, grammarScope(sim), line));
}

// History browsing serves command lines and the answers that are recorded in the history.
bool historyAvailable(const Simulator& sim) {
  const Interaction pending = sim.interactionPending();
  return pending == Interaction::none || pending == Interaction::configureSource ||
         pending == Interaction::copyDialog;
}

void historyBack(Simulator& sim) {
  if (historyAvailable(sim)) browseHistoryBack(sim);
}

void historyForward(Simulator& sim) {
  if (historyAvailable(sim)) browseHistoryForward(sim);
}

void doNothingKey(Simulator&) {}

const std::array<EditingKey, 14> kEditingKeys = {{
    {key::kLeft, false, caretLeft},
    {key::kUp, false, historyBack},
    {key::kDown, false, historyForward},
    {key::kHome, false, doNothingKey},
    {key::kTab, false, completeCommand},
    {'A', true, caretToTypedStart},
    {'B', true, caretLeft},
    {'D', true, deleteBeforeCaret},
    {'E', true, caretToEnd},
    {'F', true, caretRight},
    {'R', true, redisplayLine},
    {'U', true, eraseTypedText},
    {'W', true, deleteWordBeforeCaret},
    {'Z', true, endOfConfiguration},
}};

// A caret left inside the prompt (a click in the input box) goes back to the typed text before
// any key acts on it.
void keepCaretOutOfPrompt(Simulator& sim) {
  if (caretOf(sim) < typedTextStart(sim)) sim.console.setCaret(typedTextStart(sim));
}

}  // namespace

std::size_t typedTextStart(const Simulator& sim) { return sim.state.current.prompt.size(); }

bool applyEditingKey(Simulator& sim, int keyCode, bool ctrl) {
  keepCaretOutOfPrompt(sim);
  for (const EditingKey& editing : kEditingKeys) {
    if (editing.keyCode == keyCode && editing.ctrl == ctrl) {
      editing.apply(sim);
      return true;
    }
  }
  return false;
}

bool applyWordMovement(Simulator& sim, int character) {
  const bool forward = character == 'f' || character == 'F';
  const bool backward = character == 'b' || character == 'B';
  if (!forward && !backward) return false;
  const std::string& line = sim.console.input();
  const std::size_t start = typedTextStart(sim);
  std::size_t caret = std::max(caretOf(sim), start);
  if (forward) {
    // Just after the next blank that follows the caret, or the end of the line.
    const auto blank = line.find(' ', caret);
    caret = blank == std::string::npos ? line.size() : blank + 1;
  } else {
    // Just after the blank before the word the caret is in or after, or the typed text's start.
    std::size_t found = start;
    for (std::size_t index = caret; index >= start + 2; --index) {
      if (line[index - 2] == ' ') {
        found = index - 1;
        break;
      }
    }
    caret = found;
  }
  sim.console.setCaret(caret);
  sim.state.console.escapePending = false;
  return true;
}

}  // namespace kovrel

// SPDX-License-Identifier: GPL-3.0-or-later
#include "console/keyboard.h"

#include <algorithm>
#include <utility>

#include "base/error_log.h"
#include "catalogue/context_help.h"
#include "console/dispatch.h"
#include "console/enter_key.h"
#include "console/line_editing.h"
#include "console/nvram_commands.h"
#include "console/session.h"

namespace kovrel {
namespace {

constexpr int kEnterCharacter = 13;
constexpr int kBackspaceCharacter = 8;
constexpr int kTabCharacter = 9;

bool sessionStarted(const Simulator& sim) { return sim.state.current.mode != CliMode::none; }

// The input box's own handling of a key the engine did not consume.
void defaultKeyDown(Simulator& sim, int keyCode) {
  switch (keyCode) {
    case key::kRight:
      sim.console.moveCaretRight();
      break;
    case key::kEnd:
      sim.console.moveCaretToEnd();
      break;
    case key::kDelete:
      if (sim.console.caret() >= typedTextStart(sim)) sim.console.deleteAfterCaret();
      break;
    default:
      break;
  }
}

void defaultKeyChar(Simulator& sim, int code) {
  if (code == kBackspaceCharacter) {
    sim.console.deleteBeforeCaret();
  } else if (code >= 32 && code < 127) {
    sim.console.insertAtCaret(static_cast<char>(code));
  }
}

// The engine's part of a typed character; true when consumed.
bool onKeyChar(Simulator& sim, int code) {
  // Esc acts on the one character after its own, whether it is still held or was released.
  const bool escaped =
      code != key::kEscape && std::exchange(sim.state.console.escapePending, false);
  if (code == kTabCharacter) return true;
  if (code == '?') {
    // Before a session starts there is nothing to help with: the key is ignored.
    if (!sessionStarted(sim)) return true;
    const std::string typed = sim.console.input();
    const bool commandLine = sim.interactionPending() == Interaction::none;
    processContextHelp(sim, grammarScope(sim), std::string(sim.console.shownInput()) + "?");
    // As on a router, what was typed stands on the input line again to go on with; an answer to
    // a question is not kept.
    if (commandLine && sim.interactionPending() == Interaction::none) sim.console.setInput(typed);
    return true;
  }
  // A [confirm] question takes the very next key as its answer.
  if (sim.interactionPending() == Interaction::reloadConfirm) {
    answerReloadConfirmation(sim, code);
    return true;
  }
  if (sim.interactionPending() == Interaction::eraseConfirm) {
    answerEraseConfirmation(sim, code);
    return true;
  }
  if (code == kEnterCharacter) {
    handleEnter(sim);
    return true;
  }
  if (!sessionStarted(sim)) return true;
  if (code == kBackspaceCharacter && sim.console.caret() <= typedTextStart(sim)) return true;
  if (escaped) return applyWordMovement(sim, code);
  return false;
}

}  // namespace

int keyCodeOf(char character) {
  if (character >= 'a' && character <= 'z') return character - 'a' + 'A';
  switch (character) {
    case '\r':
    case '\n':
      return key::kEnter;
    case '\t':
      return key::kTab;
    case '\b':
      return key::kBackspace;
    default:
      break;
  }
  // Capitals, digits and the space bar share their key codes with their characters; punctuation
  // must not, or "%" would arrive as Left, "&" as Up and "." as Delete.
  const bool ownKey = character == ' ' || (character >= '0' && character <= '9') ||
                      (character >= 'A' && character <= 'Z');
  return ownKey ? static_cast<unsigned char>(character) : 0;
}

bool keyDown(Simulator& sim, int keyCode, bool ctrl) {
  if (!sessionStarted(sim)) return true;
  if (keyCode == key::kEscape) sim.state.console.escapePending = true;
  if (applyEditingKey(sim, keyCode, ctrl)) return true;
  defaultKeyDown(sim, keyCode);
  return false;
}

void keyChar(Simulator& sim, int code) {
  if (!onKeyChar(sim, code)) defaultKeyChar(sim, code);
}

void keyUp(Simulator&, int) {}

void pressKey(Simulator& sim, int keyCode, bool ctrl, int character) {
  const auto& observer = sim.state.training.keyObserver;
  HandledKey handled;
  if (observer) {
    const std::size_t typedFrom = std::min(typedTextStart(sim), sim.console.input().size());
    handled = {keyCode,
               ctrl,
               character,
               sim.state.current.mode,
               static_cast<int>(sim.interactionPending()),
               sim.console.input().substr(typedFrom),
               sim.console.writtenBytes()};
  }
  // As in a desktop input box, a consumed key-down only suppresses the box's own handling of the
  // key; its character still arrives.
  trapped(sim, "keyPress", [&] {
    keyDown(sim, keyCode, ctrl);
    if (character != 0) keyChar(sim, character);
    keyUp(sim, keyCode);
    if (observer) observer(sim, handled);
  });
}

int pagingKey(int keyCode, bool ctrl, int character) {
  if (character != 0) return character;
  if (ctrl && keyCode >= 'A' && keyCode <= 'Z') return keyCode - 'A' + 1;
  return keyCode;
}

void typeCharacter(Simulator& sim, char character) {
  const int code = character == '\n' ? kEnterCharacter : static_cast<unsigned char>(character);
  pressKey(sim, keyCodeOf(character), false, code);
}

void typeText(Simulator& sim, std::string_view text) {
  for (char character : text) typeCharacter(sim, character);
}

}  // namespace kovrel

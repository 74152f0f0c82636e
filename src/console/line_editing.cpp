#include "console/line_editing.h"

#include <array>

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

void keepCaretOutOfPrompt(Simulator& sim) {
  if (sim.console.caret() > typedTextStart(sim)) sim.console.moveCaretLeft();
}

void doNothingKey(Simulator&) {}

const std::array<EditingKey, 5> kEditingKeys = {{
    {key::kLeft, false, keepCaretOutOfPrompt},
    {key::kHome, false, doNothingKey},
    {key::kUp, false, doNothingKey},
    {key::kDown, false, doNothingKey},
    {'Z', true, endOfConfiguration},
}};

}  // namespace

std::size_t typedTextStart(const Simulator& sim) { return sim.state.current.prompt.size(); }

bool applyEditingKey(Simulator& sim, int keyCode, bool ctrl) {
  for (const EditingKey& editing : kEditingKeys) {
    if (editing.keyCode == keyCode && editing.ctrl == ctrl) {
      editing.apply(sim);
      return true;
    }
  }
  return false;
}

bool applyWordMovement(Simulator&, int) { return false; }

}  // namespace kovrel

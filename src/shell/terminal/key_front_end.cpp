// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/terminal/key_front_end.h"

#include "base/simulator.h"
#include "shell/terminal/pasted_keys.h"
#include "shell/terminal/text_pager.h"

namespace kovrel::terminal {

bool KeyFrontEnd::handle(const KeyEvent& event) {
  if (event.kind != KeyEventKind::pasteStart) return handleKey(event);
  bool quit = false;
  typePastedKeys(
      sim_, keys_.takePaste(), [this](const KeyEvent& key) { return handleKey(key); },
      [this] { return pasteCancel_ && pasteCancel_(); }, quit);
  return quit;
}

bool KeyFrontEnd::handleKey(const KeyEvent& event) {
  if (programLine_.active()) return handleProgramKey(event);
  if (event.kind == KeyEventKind::programCommand) {
    cards_.close();
    programLine_.start();
  } else if (cards_.active()) {
    show(cards_.feed(sim_, event));
  } else {
    deliverKey(sim_, event);
  }
  return false;
}

bool KeyFrontEnd::handleProgramKey(const KeyEvent& event) {
  const std::optional<std::string> line = programLine_.feed(event);
  std::string candidates;
  for (const std::string& name : programLine_.candidates()) candidates += "  " + name;
  if (!candidates.empty()) writeOwn_("\n" + candidates.substr(2));
  return line && runCommand(*line);
}

bool KeyFrontEnd::runCommand(std::string_view line) {
  const ProgramCommandResult result = runProgramCommand(
      sim_, line, [this](const std::string& question) { return askYesNo(question); });
  show(result);
  if (result.openCardViewer) cards_.open();
  return result.quit;
}

// The answer is the next key, shown after the question as typed; only y says yes.
bool KeyFrontEnd::askYesNo(const std::string& question) {
  writeOwn_("\n" + question + " (y/n) ");
  const int answer = keys_.answerMore();
  if (answer > ' ' && answer < 0x7F) writeOwn_(std::string(1, static_cast<char>(answer)));
  return answer == 'y' || answer == 'Y';
}

void KeyFrontEnd::show(const ProgramCommandResult& result) {
  const auto pageLength = static_cast<std::size_t>(sim_.state.console.pageLength);
  pageText(
      layOut(result, rendering_), pageLength,
      [this](std::span<const std::string> lines) {
        for (const std::string& line : lines) writeOwn_("\n" + line);
      },
      [this] { return pager_.waitForKey(); });
}

}  // namespace kovrel::terminal

#include "shell/desktop/engine_session.h"

#include "base/error_log.h"
#include "console/keyboard.h"

namespace kovrel::desktop {
namespace {

// The console takes ASCII only; a pasted CR LF, CR or LF is one Enter.
std::string pastedKeys(const QString& text) {
  QString lines = text;
  lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  std::string keys;
  for (const QChar character : lines) {
    if (character.unicode() < 128) keys.push_back(static_cast<char>(character.unicode()));
  }
  return keys;
}

}  // namespace

EngineSession::EngineSession(ConsoleView& view, QWidget* messageParent,
                             const SessionFolders& folders)
    : messageBox_(messageParent),
      random_(folders.seed),
      errorLog_(folders.applicationFolder, folders.stateFolder),
      sim_(Services{view, pauser_, keyWaiter_, messageBox_, clock_, random_, errorLog_}) {
  pauser_.setWaitListener([this] { startWaiting(); });
  keyWaiter_.setWaitListener([this](bool waiting) {
    if (waiting) startWaiting();
    emit keyWaitChanged(waiting);
  });
}

void EngineSession::startWaiting() {
  if (busy_) return;
  busy_ = true;
  emit busyChanged(true);
}

EngineSession::RunningScope::RunningScope(EngineSession& session) : session_(session) {
  ++session_.depth_;
}

EngineSession::RunningScope::~RunningScope() {
  if (--session_.depth_ > 0 || !session_.busy_) return;
  session_.busy_ = false;
  emit session_.busyChanged(false);
}

bool EngineSession::run(const std::function<void()>& command) {
  if (running()) return false;
  RunningScope scope(*this);
  trapped(sim_, "menuCommand", command);
  return true;
}

void EngineSession::pressKey(const ConsoleKey& pressed) {
  if (keyWaiter_.answer(pagingKey(pressed.keyCode, pressed.ctrl, pressed.character))) return;
  if (running()) return;
  RunningScope scope(*this);
  if (pressed.keyCode == key::kEscape) {
    // Esc stays held until its key-up, so that a letter typed meanwhile moves by words.
    trapped(sim_, "keyPress", [&] {
      keyDown(sim_, pressed.keyCode, pressed.ctrl);
      keyChar(sim_, pressed.character);
    });
    return;
  }
  kovrel::pressKey(sim_, pressed.keyCode, pressed.ctrl, pressed.character);
}

void EngineSession::releaseKey(int keyCode) {
  // Every other key came up already as part of its press.
  if (keyCode != key::kEscape || running()) return;
  trapped(sim_, "keyUp", [&] { keyUp(sim_, keyCode); });
}

void EngineSession::paste(const QString& text) {
  if (running()) return;
  RunningScope scope(*this);
  keyWaiter_.setPasting(true);
  typeText(sim_, pastedKeys(text));
  keyWaiter_.setPasting(false);
}

void EngineSession::abandonWaits() {
  pauser_.setInstant(true);
  keyWaiter_.answer('q');
}

}  // namespace kovrel::desktop

// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/desktop/engine_session.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>

#include "base/error_log.h"
#include "console/keyboard.h"
#include "console/paste.h"

namespace kovrel::desktop {
namespace {

// A paste hands the window its events this often (whichever comes first), so that Esc, Ctrl-C
// and a close reach it.
constexpr int kPasteEventsEveryMs = 20;
constexpr int kPasteEventsEveryLines = 50;
// Keys typed ahead beyond this many while the router works are dropped, as a full buffer would.
constexpr std::size_t kTypeAheadLimit = 4096;

bool stopsAPaste(const ConsoleKey& pressed) {
  return pressed.keyCode == key::kEscape || (pressed.ctrl && pressed.keyCode == 'C');
}

// The router's escape sequence: Ctrl-^ (typed as Ctrl-Shift-6) or Ctrl-C.
bool isEscapeSequence(const ConsoleKey& pressed) {
  return pressed.ctrl && (pressed.keyCode == '6' || pressed.keyCode == 'C');
}

}  // namespace

EngineSession::EngineSession(ConsoleView& view, QWidget* messageParent,
                             const SessionFolders& folders)
    : messageBox_(messageParent),
      random_(folders.seed),
      errorLog_(folders.applicationFolder, folders.stateFolder),
      sim_(Services{view, pauser_, keyWaiter_, messageBox_, clock_, random_, errorLog_}) {
  pauser_.setWaitListener([this] { startWaiting(); });
  // Keys typed during the command's earlier waits stay queued for the console; the escape
  // sequence among them counts.
  pauser_.setTypedEscape([this] {
    const auto found = std::find_if(typedAhead_.begin(), typedAhead_.end(), isEscapeSequence);
    if (found == typedAhead_.end()) return false;
    typedAhead_.erase(found);
    return true;
  });
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
  if (pasting_ && stopsAPaste(pressed)) {
    pasteStopped_ = true;
    return;
  }
  if (isEscapeSequence(pressed) && pauser_.escape()) return;
  if (running()) {
    if (typedAhead_.size() < kTypeAheadLimit) typedAhead_.push_back(pressed);
    return;
  }
  deliver(pressed);
  typeAhead();
}

void EngineSession::deliver(const ConsoleKey& pressed) {
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

// Keys typed while the router worked, in their order, once it is free again.
void EngineSession::typeAhead() {
  while (!running() && !typedAhead_.empty()) {
    const ConsoleKey next = typedAhead_.front();
    typedAhead_.pop_front();
    deliver(next);
  }
}

void EngineSession::releaseKey(int keyCode) {
  // Every other key came up already as part of its press.
  if (keyCode != key::kEscape || running()) return;
  trapped(sim_, "keyUp", [&] { keyUp(sim_, keyCode); });
}

void EngineSession::paste(const QString& text) {
  if (running()) return;
  PasteResult result;
  {
    RunningScope scope(*this);
    startWaiting();  // the menus wait until the paste is typed
    pasting_ = true;
    pasteStopped_ = false;
    QElapsedTimer sinceEvents;
    sinceEvents.start();
    int linesSinceEvents = 0;
    result = typePaste(sim_, text.toStdString(), [&] {
      if (++linesSinceEvents >= kPasteEventsEveryLines ||
          sinceEvents.elapsed() >= kPasteEventsEveryMs) {
        QCoreApplication::processEvents();
        sinceEvents.restart();
        linesSinceEvents = 0;
      }
      return pasteStopped_;
    });
    pasting_ = false;
  }
  if (result.cancelled()) emit notice(QString::fromStdString(pasteCancelledNotice(result)));
  typeAhead();
}

void EngineSession::abandonWaits() {
  pasteStopped_ = true;
  typedAhead_.clear();
  pauser_.cutShort();
  keyWaiter_.answer('q');
}

}  // namespace kovrel::desktop

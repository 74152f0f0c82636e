// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>

#include "base/platform.h"

class QEventLoop;

namespace kovrel::desktop {

/// The router's imitated delays in a window: the window is repainted, then time passes in a local
/// event loop, so the display scrolls visibly. Clicks and keys are handled at once meanwhile (the
/// window refuses commands while the engine is busy), never held back to act after the pause; a
/// close cuts the pause short. "Router speed: Instant" makes every pause return at once; the
/// engine and the paging are the same.
class WindowPauser : public Pauser {
 public:
  void pause(int milliseconds) override;
  bool pauseUnlessEscaped(int milliseconds) override;
  void setInstant(bool instant) { instant_ = instant; }
  bool instant() const { return instant_; }
  /// Ends the pause under way and makes the rest instant: the window is closing.
  void cutShort();
  /// The escape sequence was typed: ends the escapable pause under way, which reports it. False
  /// when none runs, so that the key goes on as typed.
  bool escape();
  /// Takes the escape sequence when it was typed ahead, before an escapable pause began.
  void setTypedEscape(std::function<bool()> take) { takeTypedEscape_ = std::move(take); }
  /// Told before the window's event loop runs for a pause.
  void setWaitListener(std::function<void()> listener) { waitListener_ = std::move(listener); }

 private:
  bool instant_ = false;
  bool escapable_ = false;
  bool escaped_ = false;
  QEventLoop* loop_ = nullptr;
  std::function<bool()> takeTypedEscape_;
  std::function<void()> waitListener_;
};

/// The " --More--" wait: a local event loop that ends on the next key the console hands it.
class WindowKeyWaiter : public KeyWaiter {
 public:
  int waitForKey() override;
  /// Answers the open wait; false when nothing waits (the key then goes to the console).
  bool answer(int code);
  bool waiting() const { return loop_ != nullptr; }
  /// Told true when a wait starts and false when it ends.
  void setWaitListener(std::function<void(bool waiting)> listener) {
    waitListener_ = std::move(listener);
  }

 private:
  QEventLoop* loop_ = nullptr;
  std::optional<int> key_;
  std::function<void(bool)> waitListener_;
};

/// Message boxes and yes/no questions over the main window. Tests turn the modal boxes off, read
/// the last message and choose the answer every question gets.
class WindowMessageBox : public MessageBox {
 public:
  explicit WindowMessageBox(QWidget* parent) : parent_(parent) {}
  void show(const std::string& text) override;
  /// Asks the student; true for Yes. Without the modal box the answer set for tests is given.
  bool confirm(const QString& question);
  void setModal(bool modal) { modal_ = modal; }
  void setTestAnswer(bool yes) { testAnswer_ = yes; }
  const QString& lastMessage() const { return lastMessage_; }

 private:
  QPointer<QWidget> parent_;
  bool modal_ = true;
  bool testAnswer_ = true;
  QString lastMessage_;
};

}  // namespace kovrel::desktop

// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/desktop/desktop_services.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>
#include <utility>

namespace kovrel::desktop {

void WindowPauser::pause(int milliseconds) {
  if (instant_ || milliseconds <= 0) return;
  if (waitListener_) waitListener_();
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop_ = &loop;
  loop.exec();
  loop_ = nullptr;
}

bool WindowPauser::pauseUnlessEscaped(int milliseconds) {
  if (takeTypedEscape_ && takeTypedEscape_()) return true;
  escapable_ = true;
  escaped_ = false;
  pause(milliseconds);
  escapable_ = false;
  return std::exchange(escaped_, false);
}

bool WindowPauser::escape() {
  if (!escapable_ || loop_ == nullptr) return false;
  escaped_ = true;
  loop_->quit();
  return true;
}

void WindowPauser::cutShort() {
  instant_ = true;
  if (loop_ != nullptr) loop_->quit();
}

int WindowKeyWaiter::waitForKey() {
  constexpr int kQuit = 'q';
  QEventLoop loop;
  key_.reset();
  loop_ = &loop;
  if (waitListener_) waitListener_(true);
  loop.exec();
  if (waitListener_) waitListener_(false);
  loop_ = nullptr;
  // A loop left without a key means the program is closing: the display stops.
  return key_.value_or(kQuit);
}

bool WindowKeyWaiter::answer(int code) {
  if (loop_ == nullptr) return false;
  key_ = code;
  loop_->quit();
  return true;
}

void WindowMessageBox::show(const std::string& text) {
  lastMessage_ = QString::fromStdString(text);
  if (!modal_) return;
  QMessageBox::information(parent_, QCoreApplication::applicationName(), lastMessage_);
}

bool WindowMessageBox::confirm(const QString& question) {
  lastMessage_ = question;
  if (!modal_) return testAnswer_;
  return QMessageBox::question(parent_, QCoreApplication::applicationName(), question,
                               QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace kovrel::desktop

#include "shell/desktop/desktop_services.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>

namespace kovrel::desktop {

void WindowPauser::pause(int milliseconds) {
  if (instant_ || milliseconds <= 0) return;
  if (waitListener_) waitListener_();
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  // Keys typed meanwhile wait in the queue, as they would in the router's own buffer.
  loop.exec(QEventLoop::ExcludeUserInputEvents);
}

int WindowKeyWaiter::waitForKey() {
  constexpr int kSpace = 32;
  constexpr int kQuit = 'q';
  if (pasting_) return kSpace;
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

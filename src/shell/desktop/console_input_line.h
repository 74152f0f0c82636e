// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

#include "shell/desktop/key_translation.h"

namespace kovrel::desktop {

/// The console's one-line input box. It draws the engine's input line and caret and edits nothing
/// itself: every key goes out as a console key, so editing, history, Tab and "?" behave exactly
/// as the engine says.
class ConsoleInputLine : public QWidget {
  Q_OBJECT

 public:
  explicit ConsoleInputLine(QWidget* parent = nullptr);

  void setLine(const QString& text, int caret);
  /// The caret shows while the console takes keys and the line has the focus.
  void setCaretShown(bool shown);
  const QString& text() const { return text_; }
  int caret() const { return caret_; }
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 signals:
  void keyPressed(kovrel::desktop::ConsoleKey key);
  void keyReleased(int keyCode);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  // Tab belongs to the router (completion), not to the window's focus chain.
  bool focusNextPrevChild(bool) override { return false; }

 private:
  QString text_;
  int caret_ = 0;
  bool caretShown_ = true;
};

}  // namespace kovrel::desktop

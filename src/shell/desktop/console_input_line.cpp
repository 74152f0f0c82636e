// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/desktop/console_input_line.h"

#include <QKeyEvent>
#include <QPainter>

namespace kovrel::desktop {
namespace {

constexpr int kMargin = 4;

}  // namespace

ConsoleInputLine::ConsoleInputLine(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_InputMethodEnabled, false);
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Base);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  setCursor(Qt::IBeamCursor);
}

void ConsoleInputLine::setLine(const QString& text, int caret) {
  text_ = text;
  caret_ = std::clamp(caret, 0, static_cast<int>(text.size()));
  update();
}

void ConsoleInputLine::setCaretShown(bool shown) {
  caretShown_ = shown;
  update();
}

QSize ConsoleInputLine::sizeHint() const {
  return {fontMetrics().averageCharWidth() * 40, fontMetrics().height() + 2 * kMargin};
}

void ConsoleInputLine::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QFontMetrics metrics = fontMetrics();
  const int caretX = metrics.horizontalAdvance(text_.left(caret_));
  // A line wider than the box scrolls so that the caret stays in view.
  const int room = width() - 2 * kMargin - 2;
  const int shift = std::max(0, caretX - room);
  const int baseline = kMargin + metrics.ascent();
  painter.setClipRect(rect().adjusted(1, 1, -1, -1));
  painter.setPen(palette().color(QPalette::Text));
  painter.drawText(kMargin - shift, baseline, text_);
  if (hasFocus() && caretShown_) {
    painter.fillRect(kMargin - shift + caretX, kMargin, 2, metrics.height(),
                     palette().color(QPalette::Text));
  }
  painter.setClipping(false);
  painter.setPen(palette().color(hasFocus() ? QPalette::Highlight : QPalette::Mid));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void ConsoleInputLine::keyPressEvent(QKeyEvent* event) {
  if (const std::optional<ConsoleKey> key = consoleKeyFor(*event)) {
    emit keyPressed(*key);
    event->accept();
  } else {
    QWidget::keyPressEvent(event);
  }
}

void ConsoleInputLine::keyReleaseEvent(QKeyEvent* event) {
  if (const int code = releasedKeyCode(*event)) emit keyReleased(code);
}

void ConsoleInputLine::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update();
}

void ConsoleInputLine::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
}

}  // namespace kovrel::desktop

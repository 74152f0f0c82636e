#include "shell/desktop/console_input_line.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>

namespace kovrel::desktop {
namespace {

constexpr int kMargin = 4;

bool isCopy(const QKeyEvent& event) {
  return event.modifiers() == (Qt::ControlModifier | Qt::ShiftModifier) && event.key() == Qt::Key_C;
}

bool isPaste(const QKeyEvent& event) {
  const bool ctrlShiftV =
      event.modifiers() == (Qt::ControlModifier | Qt::ShiftModifier) && event.key() == Qt::Key_V;
  const bool shiftInsert = event.modifiers() == Qt::ShiftModifier && event.key() == Qt::Key_Insert;
  return ctrlShiftV || shiftInsert;
}

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
  if (isCopy(*event)) {
    emit copyRequested();
  } else if (isPaste(*event)) {
    emit pasteRequested();
  } else if (const std::optional<ConsoleKey> key = consoleKeyFor(*event)) {
    emit keyPressed(*key);
  } else {
    QWidget::keyPressEvent(event);
    return;
  }
  event->accept();
}

void ConsoleInputLine::keyReleaseEvent(QKeyEvent* event) {
  if (const int code = releasedKeyCode(*event)) emit keyReleased(code);
}

void ConsoleInputLine::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  connect(menu.addAction(tr("Copy\tCtrl+Shift+C")), &QAction::triggered, this,
          &ConsoleInputLine::copyRequested);
  connect(menu.addAction(tr("Paste\tCtrl+Shift+V")), &QAction::triggered, this,
          &ConsoleInputLine::pasteRequested);
  menu.exec(event->globalPos());
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

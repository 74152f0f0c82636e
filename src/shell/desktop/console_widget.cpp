// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/desktop/console_widget.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>
#include <utility>

#include "base/console_buffer.h"

namespace kovrel::desktop {
namespace {

// The engine joins lines with CR LF; the pane keeps one paragraph per line.
QString paneText(const std::string& text) {
  QString converted = QString::fromStdString(text);
  converted.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  converted.remove(QLatin1Char('\r'));
  return converted;
}

}  // namespace

ConsoleWidget::ConsoleWidget(QWidget* parent)
    : QWidget(parent), output_(new QPlainTextEdit(this)), input_(new ConsoleInputLine(this)) {
  output_->setReadOnly(true);
  // The router's columns stay as it wrote them; a narrow window scrolls sideways instead, so that
  // every line of a page is one line of the pane and a page always fits.
  output_->setLineWrapMode(QPlainTextEdit::NoWrap);
  output_->setUndoRedoEnabled(false);
  // The pane keeps what the engine keeps, so that a long session does not grow without end.
  output_->setMaximumBlockCount(static_cast<int>(kScrollbackLines));
  output_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  output_->setFocusPolicy(Qt::ClickFocus);
  output_->setContextMenuPolicy(Qt::CustomContextMenu);
  output_->viewport()->installEventFilter(this);
  connect(output_, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& position) { showMenu(output_, position); });
  input_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(input_, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& position) { showMenu(input_, position); });

  output_->setAccessibleName(tr("Console output"));
  output_->setAccessibleDescription(tr("What the router has written; select text to copy it"));
  input_->setAccessibleName(tr("Console input"));
  input_->setAccessibleDescription(tr("The prompt and the command being typed"));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  layout->addWidget(output_, 1);
  layout->addWidget(input_);
  setFocusProxy(input_);
  setFontPointSize(QFontDatabase::systemFont(QFontDatabase::FixedFont).pointSizeF());

  connect(input_, &ConsoleInputLine::keyPressed, this, &ConsoleWidget::keyPressed);
  connect(input_, &ConsoleInputLine::keyReleased, this, &ConsoleWidget::keyReleased);
  createActions();
}

// Ctrl+C and Ctrl+V belong to the router, so copy and paste take the terminal's Shift forms; the
// shortcuts work anywhere in the console.
void ConsoleWidget::createActions() {
  copy_ = new QAction(tr("&Copy"), this);
  copy_->setShortcut(QKeySequence(tr("Ctrl+Shift+C")));
  copy_->setStatusTip(tr("Copy the text selected in the console"));
  connect(copy_, &QAction::triggered, output_, &QPlainTextEdit::copy);
  paste_ = new QAction(tr("&Paste"), this);
  paste_->setShortcuts({QKeySequence(tr("Ctrl+Shift+V")), QKeySequence(tr("Shift+Ins"))});
  paste_->setStatusTip(tr("Type the clipboard's text into the console"));
  connect(paste_, &QAction::triggered, this, &ConsoleWidget::paste);
  selectAll_ = new QAction(tr("Select &All"), this);
  selectAll_->setStatusTip(tr("Select the console's whole output"));
  connect(selectAll_, &QAction::triggered, output_, &QPlainTextEdit::selectAll);
  for (QAction* action : {copy_, paste_, selectAll_}) {
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(action);
  }
}

QString ConsoleWidget::transcript() {
  return output()->toPlainText() + input_->text() + QLatin1Char('\n');
}

void ConsoleWidget::outputAppended(const std::string& text, bool emphasised) {
  if (!pendingOutput_.isEmpty() && pendingEmphasised_ != emphasised) showPendingOutput();
  pendingOutput_ += paneText(text);
  pendingEmphasised_ = emphasised;
  showOutputSoon();
}

void ConsoleWidget::outputReplaced(const std::string& text) {
  pendingOutput_.clear();
  output_->setPlainText(paneText(text));
  showOutputSoon();
}

void ConsoleWidget::inputChanged(const std::string& text, std::size_t caret) {
  input_->setLine(QString::fromStdString(text), static_cast<int>(caret));
}

void ConsoleWidget::refresh() {
  showPendingOutput();
  output_->viewport()->repaint();
  input_->repaint();
}

int ConsoleWidget::pageLength() const {
  const double lineHeight = output_->fontMetrics().lineSpacing();
  const double height = output_->viewport()->height();
  // Only whole lines count: a page must never push its first line out of sight.
  return std::max(1, static_cast<int>(std::floor(height / lineHeight)));
}

void ConsoleWidget::setFontPointSize(double points) {
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPointSizeF(points);
  output_->setFont(font);
  input_->setFont(font);
  input_->updateGeometry();
  // Room for half the router's 80 columns and a few lines, whatever the zoom, so that the window
  // still fits a screen of 800 by 600 pixels.
  output_->setMinimumSize(QFontMetrics(font).averageCharWidth() * 40,
                          QFontMetrics(font).lineSpacing() * 4);
}

void ConsoleWidget::setTypingAccepted(bool accepted) {
  input_->setCaretShown(accepted);
  output_->verticalScrollBar()->setEnabled(accepted);
}

// Each insertion lays the pane out again and each scroll moves its whole picture: the lines of a
// display go in together and scroll once, before the engine pauses or when the window next
// handles its events.
void ConsoleWidget::showOutputSoon() {
  if (showPending_) return;
  showPending_ = true;
  QTimer::singleShot(0, this, &ConsoleWidget::showPendingOutput);
}

void ConsoleWidget::showPendingOutput() {
  if (!pendingOutput_.isEmpty()) {
    QTextCursor cursor(output_->document());
    cursor.movePosition(QTextCursor::End);
    QTextCharFormat format;
    format.setFontWeight(pendingEmphasised_ ? QFont::Bold : QFont::Normal);
    cursor.insertText(std::exchange(pendingOutput_, QString()), format);
  }
  if (!std::exchange(showPending_, false)) return;
  QScrollBar* bar = output_->verticalScrollBar();
  bar->setValue(bar->maximum());
}

bool ConsoleWidget::eventFilter(QObject* watched, QEvent* event) {
  if (watched == output_->viewport()) {
    if (event->type() == QEvent::Resize || event->type() == QEvent::FontChange) {
      if (const int lines = pageLength(); lines != pageLength_) {
        pageLength_ = lines;
        emit pageLengthChanged(lines);
      }
    } else if (event->type() == QEvent::MouseButtonRelease &&
               static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
      // The output pane is for reading and copying; typing goes on in the input line.
      input_->setFocus(Qt::MouseFocusReason);
    }
  }
  return QWidget::eventFilter(watched, event);
}

void ConsoleWidget::paste() {
  const QString text = QApplication::clipboard()->text();
  if (!text.isEmpty()) emit pasteRequested(text);
}

void ConsoleWidget::showMenu(QWidget* over, const QPoint& position) {
  copy_->setEnabled(output_->textCursor().hasSelection());
  QMenu menu(this);
  menu.addActions({copy_, paste_, selectAll_});
  menu.exec(over->mapToGlobal(position));
  copy_->setEnabled(true);
  input_->setFocus(Qt::PopupFocusReason);
}

}  // namespace kovrel::desktop

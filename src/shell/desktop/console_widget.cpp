#include "shell/desktop/console_widget.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QVBoxLayout>
#include <cmath>

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
  output_->setUndoRedoEnabled(false);
  output_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  output_->setFocusPolicy(Qt::ClickFocus);
  output_->setContextMenuPolicy(Qt::CustomContextMenu);
  output_->viewport()->installEventFilter(this);
  connect(output_, &QWidget::customContextMenuRequested, this, &ConsoleWidget::showOutputMenu);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  layout->addWidget(output_, 1);
  layout->addWidget(input_);
  setFocusProxy(input_);
  setFontPointSize(QFontDatabase::systemFont(QFontDatabase::FixedFont).pointSizeF());

  connect(input_, &ConsoleInputLine::keyPressed, this, &ConsoleWidget::keyPressed);
  connect(input_, &ConsoleInputLine::keyReleased, this, &ConsoleWidget::keyReleased);
  connect(input_, &ConsoleInputLine::copyRequested, this, &ConsoleWidget::copySelection);
  connect(input_, &ConsoleInputLine::pasteRequested, this, &ConsoleWidget::paste);
}

void ConsoleWidget::outputAppended(const std::string& text, bool emphasised) {
  QTextCursor cursor(output_->document());
  cursor.movePosition(QTextCursor::End);
  QTextCharFormat format;
  format.setFontWeight(emphasised ? QFont::Bold : QFont::Normal);
  cursor.insertText(paneText(text), format);
  scrollToEnd();
}

void ConsoleWidget::outputReplaced(const std::string& text) {
  output_->setPlainText(paneText(text));
  scrollToEnd();
}

void ConsoleWidget::inputChanged(const std::string& text, std::size_t caret) {
  input_->setLine(QString::fromStdString(text), static_cast<int>(caret));
}

void ConsoleWidget::refresh() {
  output_->viewport()->repaint();
  input_->repaint();
}

int ConsoleWidget::pageLength() const {
  const double lineHeight = output_->fontMetrics().lineSpacing();
  const double height = output_->viewport()->height();
  return std::max(1, static_cast<int>(std::lround(height / lineHeight)));
}

void ConsoleWidget::setFontPointSize(double points) {
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPointSizeF(points);
  output_->setFont(font);
  input_->setFont(font);
  input_->updateGeometry();
  // Room for the router's 80 columns and a few lines, whatever the zoom.
  output_->setMinimumSize(QFontMetrics(font).averageCharWidth() * 82,
                          QFontMetrics(font).lineSpacing() * 4);
}

void ConsoleWidget::setTypingAccepted(bool accepted) {
  input_->setCaretShown(accepted);
  output_->verticalScrollBar()->setEnabled(accepted);
}

void ConsoleWidget::scrollToEnd() {
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

void ConsoleWidget::copySelection() { output_->copy(); }

void ConsoleWidget::paste() {
  const QString text = QApplication::clipboard()->text();
  if (!text.isEmpty()) emit pasteRequested(text);
}

void ConsoleWidget::showOutputMenu(const QPoint& position) {
  QMenu menu(this);
  QAction* copy = menu.addAction(tr("Copy\tCtrl+Shift+C"));
  copy->setEnabled(output_->textCursor().hasSelection());
  connect(copy, &QAction::triggered, this, &ConsoleWidget::copySelection);
  connect(menu.addAction(tr("Paste\tCtrl+Shift+V")), &QAction::triggered, this,
          &ConsoleWidget::paste);
  connect(menu.addAction(tr("Select All")), &QAction::triggered, output_,
          &QPlainTextEdit::selectAll);
  menu.exec(output_->mapToGlobal(position));
  input_->setFocus(Qt::PopupFocusReason);
}

}  // namespace kovrel::desktop

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAction>
#include <QPlainTextEdit>
#include <QWidget>

#include "base/platform.h"
#include "shell/desktop/console_input_line.h"

namespace kovrel::desktop {

/// The console window: a read-only output pane over the one-line input box. It renders what the
/// engine tells it and hands on keys, pastes and its page length; it knows nothing of the engine.
class ConsoleWidget : public QWidget, public ConsoleView {
  Q_OBJECT

 public:
  explicit ConsoleWidget(QWidget* parent = nullptr);

  void outputAppended(const std::string& text, bool emphasised) override;
  void outputReplaced(const std::string& text) override;
  void inputChanged(const std::string& text, std::size_t caret) override;
  void refresh() override;

  /// The text lines the output pane shows at its present height, at least 1.
  int pageLength() const;
  void setFontPointSize(double points);
  void focusInput() { input_->setFocus(Qt::OtherFocusReason); }
  /// While the router works the input line shows no caret and the output does not scroll back,
  /// so that the lines arriving stay in view.
  void setTypingAccepted(bool accepted);

  /// The output pane, with every line the engine wrote in it.
  QPlainTextEdit* output() {
    showPendingOutput();
    return output_;
  }
  ConsoleInputLine* input() const { return input_; }
  /// The whole session as text: the output, then the input line.
  QString transcript();
  QAction* copyAction() const { return copy_; }
  /// Disabled while the engine is busy: a paste is typed into the router.
  QAction* pasteAction() const { return paste_; }

 signals:
  void keyPressed(kovrel::desktop::ConsoleKey key);
  void keyReleased(int keyCode);
  /// The clipboard text to type, key by key.
  void pasteRequested(const QString& text);
  void pageLengthChanged(int lines);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void createActions();
  void paste();
  void showMenu(QWidget* over, const QPoint& position);
  void showOutputSoon();
  void showPendingOutput();

  QPlainTextEdit* output_;
  ConsoleInputLine* input_;
  QAction* copy_ = nullptr;
  QAction* paste_ = nullptr;
  QAction* selectAll_ = nullptr;
  int pageLength_ = 0;
  // Output not yet in the pane: a display's lines go in at once, not a line at a time.
  QString pendingOutput_;
  bool pendingEmphasised_ = false;
  bool showPending_ = false;
};

}  // namespace kovrel::desktop

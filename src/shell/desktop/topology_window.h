// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QSplitter;

namespace kovrel::desktop {

class ConsoleWidget;
class RichTextPane;
class StepChecklist;

/// The topology window: the instruction pane (with the step checklist beside it and a banner
/// above it once the work is done) above the console in a splitter the student can drag. In the
/// two-router scenarios it carries the RouterA and RouterB buttons.
class TopologyWindow : public QWidget {
  Q_OBJECT

 public:
  explicit TopologyWindow(QWidget* parent = nullptr);

  /// One router (labs, tests, troubleshooting 1 to 3) or two with their buttons.
  void setTwoRouters(bool twoRouters);
  bool twoRouters() const { return twoRouters_; }
  /// Marks the router at the console (0 RouterA, 1 RouterB).
  void setCurrentRouter(int router);
  /// The router buttons are greyed while the engine is busy.
  void setRouterButtonsEnabled(bool enabled);

  /// The banner above the instructions: shown with its text, hidden when the text is empty.
  void setBanner(const QString& text);

  RichTextPane* instructions() const { return instructions_; }
  StepChecklist* checklist() const { return checklist_; }
  QLabel* banner() const { return banner_; }
  QSplitter* stepsSplitter() const { return stepsSplitter_; }
  ConsoleWidget* console() const { return console_; }
  QPushButton* routerButton(int router) const { return router == 0 ? routerA_ : routerB_; }
  QSplitter* splitter() const { return splitter_; }

 signals:
  void routerRequested(int router);

 private:
  QWidget* buildRouterBar();

  QWidget* buildInstructionArea();

  RichTextPane* instructions_;
  StepChecklist* checklist_;
  QLabel* banner_;
  QSplitter* stepsSplitter_;
  ConsoleWidget* console_;
  QSplitter* splitter_;
  QWidget* routerBar_ = nullptr;
  QLabel* routerLabel_ = nullptr;
  QPushButton* routerA_ = nullptr;
  QPushButton* routerB_ = nullptr;
  bool twoRouters_ = false;
};

}  // namespace kovrel::desktop

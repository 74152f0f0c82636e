// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "training/flash_cards.h"

class QPlainTextEdit;
class QPushButton;

namespace kovrel::desktop {

/// The flash-card viewer: the question and answer boxes and the back, forward and "Show Answer"
/// buttons, enabled as the engine's view of the deck says.
class FlashCardViewer : public QWidget {
  Q_OBJECT

 public:
  explicit FlashCardViewer(QWidget* parent = nullptr);

  /// Shows the card and the buttons; the focus goes to a button, never to a box.
  void showCard(const FlashCardView& view);
  void setFontPointSize(double points);

  QPlainTextEdit* questionBox() const { return question_; }
  QPlainTextEdit* answerBox() const { return answer_; }
  QPushButton* back() const { return back_; }
  QPushButton* forward() const { return forward_; }
  QPushButton* showAnswer() const { return showAnswer_; }

 signals:
  void backClicked();
  void forwardClicked();
  void showAnswerClicked();

 private:
  QPlainTextEdit* question_;
  QPlainTextEdit* answer_;
  QPushButton* back_;
  QPushButton* forward_;
  QPushButton* showAnswer_;
};

}  // namespace kovrel::desktop

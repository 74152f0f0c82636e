// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "training/flash_cards.h"

class QComboBox;
class QPlainTextEdit;
class QPushButton;

namespace kovrel::desktop {

/// The flash-card viewer: the question and answer boxes, the back, forward and "Show Answer"
/// buttons, "Knew It" and "Not Yet" for a revealed card, and the topic the deck is limited to;
/// the buttons are enabled as the engine's view of the deck says.
class FlashCardViewer : public QWidget {
  Q_OBJECT

 public:
  explicit FlashCardViewer(QWidget* parent = nullptr);

  /// Shows the card and the buttons; the focus goes to a button, never to a box.
  void showCard(const FlashCardView& view);
  void setFontPointSize(double points);
  /// The topics offered, "All topics" first; `chosen` stays selected (empty: all).
  void setTopics(const std::vector<std::string>& topics, const std::string& chosen);

  QPlainTextEdit* questionBox() const { return question_; }
  QPlainTextEdit* answerBox() const { return answer_; }
  QPushButton* back() const { return back_; }
  QPushButton* forward() const { return forward_; }
  QPushButton* showAnswer() const { return showAnswer_; }
  QPushButton* knewIt() const { return knewIt_; }
  QPushButton* notYet() const { return notYet_; }
  QComboBox* topic() const { return topic_; }

 signals:
  void backClicked();
  void forwardClicked();
  void showAnswerClicked();
  void rated(bool knewIt);
  /// The student chose a topic; empty for every card.
  void topicChosen(const std::string& topic);

 private:
  QPlainTextEdit* question_;
  QPlainTextEdit* answer_;
  QPushButton* back_;
  QPushButton* forward_;
  QPushButton* showAnswer_;
  QPushButton* knewIt_;
  QPushButton* notYet_;
  QComboBox* topic_;
};

}  // namespace kovrel::desktop

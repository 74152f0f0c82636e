// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/desktop/flash_card_viewer.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace kovrel::desktop {
namespace {

QPlainTextEdit* cardBox(QWidget* parent) {
  auto* box = new QPlainTextEdit(parent);
  box->setReadOnly(true);
  // The boxes never hold a caret: the keyboard stays with the buttons.
  box->setFocusPolicy(Qt::NoFocus);
  box->setTextInteractionFlags(Qt::NoTextInteraction);
  return box;
}

QString boxText(const std::string& text) {
  QString converted = QString::fromStdString(text);
  converted.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  return converted;
}

}  // namespace

FlashCardViewer::FlashCardViewer(QWidget* parent)
    : QWidget(parent),
      question_(cardBox(this)),
      answer_(cardBox(this)),
      back_(new QPushButton(tr("Back"), this)),
      forward_(new QPushButton(tr("Forward"), this)),
      showAnswer_(new QPushButton(tr("Show Answer"), this)),
      knewIt_(new QPushButton(tr("Knew It"), this)),
      notYet_(new QPushButton(tr("Not Yet"), this)),
      topic_(new QComboBox(this)) {
  auto* title = new QLabel(tr("Flash Cards"), this);
  QFont titleFont = title->font();
  titleFont.setBold(true);
  titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
  title->setFont(titleFont);
  title->setAlignment(Qt::AlignHCenter);
  auto* topicLabel = new QLabel(tr("&Topic:"), this);
  topicLabel->setBuddy(topic_);
  auto* heading = new QHBoxLayout;
  heading->addWidget(title, 1);
  heading->addWidget(topicLabel);
  heading->addWidget(topic_);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  for (QPushButton* button : {back_, showAnswer_, forward_}) {
    button->setMinimumWidth(button->sizeHint().width() * 3 / 2);
    buttons->addWidget(button);
  }
  buttons->addSpacing(16);
  for (QPushButton* button : {knewIt_, notYet_}) buttons->addWidget(button);
  buttons->addStretch(1);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(heading);
  layout->addWidget(question_, 1);
  layout->addWidget(answer_, 1);
  layout->addLayout(buttons);

  question_->setAccessibleName(tr("Flash card question"));
  answer_->setAccessibleName(tr("Flash card answer"));
  answer_->setAccessibleDescription(tr("Empty until Show Answer is chosen"));
  back_->setAccessibleDescription(tr("The previous card"));
  forward_->setAccessibleDescription(tr("The next card"));
  showAnswer_->setAccessibleDescription(tr("Reveal the answer of this card"));
  knewIt_->setAccessibleDescription(tr("The card comes back later; the next card follows"));
  notYet_->setAccessibleDescription(tr("The card comes back soon; the next card follows"));
  topic_->setAccessibleName(tr("Topic"));
  topic_->setAccessibleDescription(tr("Study the cards of one topic only"));

  connect(back_, &QPushButton::clicked, this, &FlashCardViewer::backClicked);
  connect(forward_, &QPushButton::clicked, this, &FlashCardViewer::forwardClicked);
  connect(showAnswer_, &QPushButton::clicked, this, &FlashCardViewer::showAnswerClicked);
  connect(knewIt_, &QPushButton::clicked, this, [this] { emit rated(true); });
  connect(notYet_, &QPushButton::clicked, this, [this] { emit rated(false); });
  // `activated` only: filling the list chooses nothing.
  connect(topic_, &QComboBox::activated, this, [this](int index) {
    emit topicChosen(topic_->itemData(index).toString().toStdString());
  });
  showCard({});
}

void FlashCardViewer::showCard(const FlashCardView& view) {
  question_->setPlainText(boxText(view.questionBox));
  answer_->setPlainText(boxText(view.answerBox));
  back_->setEnabled(view.backEnabled);
  forward_->setEnabled(view.forwardEnabled);
  showAnswer_->setEnabled(view.showAnswerEnabled && !view.rateEnabled);
  knewIt_->setEnabled(view.rateEnabled);
  notYet_->setEnabled(view.rateEnabled);
  if (view.rateEnabled) {
    knewIt_->setFocus(Qt::OtherFocusReason);
  } else if (view.showAnswerEnabled) {
    showAnswer_->setFocus(Qt::OtherFocusReason);
  } else if (view.forwardEnabled) {
    forward_->setFocus(Qt::OtherFocusReason);
  }
}

void FlashCardViewer::setTopics(const std::vector<std::string>& topics, const std::string& chosen) {
  topic_->clear();
  topic_->addItem(tr("All topics"), QString());
  for (const std::string& name : topics) {
    const QString topic = QString::fromStdString(name);
    topic_->addItem(topic, topic);
  }
  topic_->setCurrentIndex(std::max(0, topic_->findData(QString::fromStdString(chosen))));
}

void FlashCardViewer::setFontPointSize(double points) {
  for (QPlainTextEdit* box : {question_, answer_}) {
    QFont font = box->font();
    font.setPointSizeF(points);
    box->setFont(font);
  }
}

}  // namespace kovrel::desktop

// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/desktop/flash_card_viewer.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

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
      showAnswer_(new QPushButton(tr("Show Answer"), this)) {
  auto* title = new QLabel(tr("Flash Cards"), this);
  QFont titleFont = title->font();
  titleFont.setBold(true);
  titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
  title->setFont(titleFont);
  title->setAlignment(Qt::AlignHCenter);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  for (QPushButton* button : {back_, showAnswer_, forward_}) {
    button->setMinimumWidth(button->sizeHint().width() * 3 / 2);
    buttons->addWidget(button);
  }
  buttons->addStretch(1);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(title);
  layout->addWidget(question_, 1);
  layout->addWidget(answer_, 1);
  layout->addLayout(buttons);

  question_->setAccessibleName(tr("Flash card question"));
  answer_->setAccessibleName(tr("Flash card answer"));
  answer_->setAccessibleDescription(tr("Empty until Show Answer is chosen"));
  back_->setAccessibleDescription(tr("The previous card"));
  forward_->setAccessibleDescription(tr("The next card"));
  showAnswer_->setAccessibleDescription(tr("Reveal the answer of this card"));

  connect(back_, &QPushButton::clicked, this, &FlashCardViewer::backClicked);
  connect(forward_, &QPushButton::clicked, this, &FlashCardViewer::forwardClicked);
  connect(showAnswer_, &QPushButton::clicked, this, &FlashCardViewer::showAnswerClicked);
  showCard({});
}

void FlashCardViewer::showCard(const FlashCardView& view) {
  question_->setPlainText(boxText(view.questionBox));
  answer_->setPlainText(boxText(view.answerBox));
  back_->setEnabled(view.backEnabled);
  forward_->setEnabled(view.forwardEnabled);
  showAnswer_->setEnabled(view.showAnswerEnabled);
  if (view.forwardEnabled) {
    forward_->setFocus(Qt::OtherFocusReason);
  } else if (view.showAnswerEnabled) {
    showAnswer_->setFocus(Qt::OtherFocusReason);
  }
}

void FlashCardViewer::setFontPointSize(double points) {
  for (QPlainTextEdit* box : {question_, answer_}) {
    QFont font = box->font();
    font.setPointSizeF(points);
    box->setFont(font);
  }
}

}  // namespace kovrel::desktop

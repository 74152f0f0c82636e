// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/desktop/search_dialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace kovrel::desktop {
namespace {

QString kindName(SearchKind kind) {
  switch (kind) {
    case SearchKind::lab:
      return SearchDialog::tr("Lab");
    case SearchKind::test:
      return SearchDialog::tr("Test");
    case SearchKind::troubleshooting:
      return SearchDialog::tr("Troubleshooting");
    case SearchKind::flashCard:
      return SearchDialog::tr("Flash card");
  }
  return {};
}

}  // namespace

SearchDialog::SearchDialog(std::unique_ptr<ActivitySearch> search, Opener opener, QWidget* parent)
    : QDialog(parent),
      search_(std::move(search)),
      opener_(std::move(opener)),
      query_(new QLineEdit(this)),
      results_(new QListWidget(this)) {
  setWindowTitle(tr("Search"));
  query_->setPlaceholderText(tr("Words of a title or a task, for example: banner motd"));
  query_->setClearButtonEnabled(true);
  query_->setAccessibleName(tr("Search words"));
  query_->installEventFilter(this);
  results_->setAccessibleName(tr("Search results"));
  results_->setAccessibleDescription(tr("Enter or a double click opens the one chosen"));
  auto* label = new QLabel(tr("&Find:"), this);
  label->setBuddy(query_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addWidget(query_);
  layout->addWidget(results_, 1);
  resize(560, 420);
  connect(query_, &QLineEdit::textChanged, this, &SearchDialog::showResults);
  connect(query_, &QLineEdit::returnPressed, this, &SearchDialog::openChosen);
  connect(results_, &QListWidget::itemActivated, this, &SearchDialog::openChosen);
}

SearchDialog::~SearchDialog() = default;

void SearchDialog::open() {
  query_->selectAll();
  query_->setFocus(Qt::ShortcutFocusReason);
  show();
  raise();
  activateWindow();
}

void SearchDialog::showResults(const QString& text) {
  results_->clear();
  shown_ = search_->find(text.toStdString());
  for (const SearchEntry* entry : shown_) {
    results_->addItem(kindName(entry->kind) + QStringLiteral(": ") +
                      QString::fromStdString(entry->title));
  }
  results_->setCurrentRow(0);
}

void SearchDialog::openChosen() {
  const int row = results_->currentRow();
  if (row < 0 || row >= static_cast<int>(shown_.size())) return;
  hide();
  opener_(*shown_[static_cast<std::size_t>(row)]);
}

// Up and Down in the words move through the results, so the hands stay on the keys.
bool SearchDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == query_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Down || key == Qt::Key_Up) {
      const int row = results_->currentRow() + (key == Qt::Key_Down ? 1 : -1);
      if (row >= 0 && row < results_->count()) results_->setCurrentRow(row);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace kovrel::desktop

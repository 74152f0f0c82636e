// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/desktop/command_reference_window.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kovrel::desktop {
namespace {

QTreeWidgetItem* commandItem(const ReferenceCommand& command, QTreeWidgetItem* mode) {
  auto* item = new QTreeWidgetItem(mode);
  item->setText(0, QString::fromStdString(command.command));
  item->setText(1, QString::fromStdString(command.help));
  if (!command.carriedOut) {
    item->setText(2, CommandReferenceWindow::tr("not carried out"));
    // Italic rather than a colour of its own, so that both palettes show it well.
    QFont italic = item->font(0);
    italic.setItalic(true);
    for (int column = 0; column < 3; ++column) item->setFont(column, italic);
  }
  return item;
}

}  // namespace

CommandReferenceWindow::CommandReferenceWindow(const std::vector<ReferenceCommand>& commands,
                                               QWidget* parent)
    : QWidget(parent), filter_(new QLineEdit(this)), tree_(new QTreeWidget(this)) {
  setWindowFlag(Qt::Window);
  setWindowTitle(tr("Command Reference"));
  filter_->setPlaceholderText(tr("Words of a command or its help text"));
  filter_->setClearButtonEnabled(true);
  filter_->setAccessibleName(tr("Filter commands"));
  tree_->setAccessibleName(tr("Commands by mode"));
  tree_->setAccessibleDescription(
      tr("Each mode's commands with their help text; those marked are listed but not carried out"));
  tree_->setHeaderLabels({tr("Command"), tr("Help"), tr("In the simulator")});
  tree_->setRootIsDecorated(true);
  tree_->setUniformRowHeights(true);
  QTreeWidgetItem* mode = nullptr;
  for (const ReferenceCommand& command : commands) {
    if (mode == nullptr || mode->text(0) != QString::fromStdString(command.mode)) {
      mode = new QTreeWidgetItem(tree_, {QString::fromStdString(command.mode)});
      mode->setFirstColumnSpanned(true);
      QFont bold = mode->font(0);
      bold.setBold(true);
      mode->setFont(0, bold);
    }
    commandItem(command, mode);
  }
  tree_->expandAll();
  tree_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  tree_->header()->setSectionResizeMode(1, QHeaderView::Stretch);
  tree_->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);

  auto* label = new QLabel(tr("&Filter:"), this);
  label->setBuddy(filter_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addWidget(filter_);
  layout->addWidget(tree_, 1);
  resize(760, 560);
  connect(filter_, &QLineEdit::textChanged, this, &CommandReferenceWindow::setFilter);
}

void CommandReferenceWindow::setFilter(const QString& words) {
  const QStringList wanted = words.split(QLatin1Char(' '), Qt::SkipEmptyParts);
  for (int m = 0; m < tree_->topLevelItemCount(); ++m) {
    QTreeWidgetItem* mode = tree_->topLevelItem(m);
    bool anyShown = false;
    for (int c = 0; c < mode->childCount(); ++c) {
      QTreeWidgetItem* item = mode->child(c);
      const QString text = item->text(0) + QLatin1Char(' ') + item->text(1);
      const bool shown = std::all_of(wanted.begin(), wanted.end(), [&](const QString& word) {
        return text.contains(word, Qt::CaseInsensitive);
      });
      item->setHidden(!shown);
      anyShown = anyShown || shown;
    }
    mode->setHidden(!anyShown);
  }
}

int CommandReferenceWindow::shownCount() const {
  int shown = 0;
  for (int m = 0; m < tree_->topLevelItemCount(); ++m) {
    const QTreeWidgetItem* mode = tree_->topLevelItem(m);
    for (int c = 0; c < mode->childCount(); ++c) shown += mode->child(c)->isHidden() ? 0 : 1;
  }
  return shown;
}

}  // namespace kovrel::desktop

// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/desktop/step_checklist.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace kovrel::desktop {

StepChecklist::StepChecklist(QWidget* parent)
    : QWidget(parent), count_(new QLabel(this)), list_(new QListWidget(this)) {
  count_->setWordWrap(true);
  QFont bold = count_->font();
  bold.setBold(true);
  count_->setFont(bold);
  list_->setWordWrap(true);
  list_->setSelectionMode(QAbstractItemView::NoSelection);
  list_->setFocusPolicy(Qt::TabFocus);
  list_->setAccessibleName(tr("Steps"));
  list_->setAccessibleDescription(tr("Each step of the lab, ticked once the router shows it done"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(count_);
  layout->addWidget(list_, 1);
  setMinimumWidth(150);
  hide();
}

void StepChecklist::showSteps(const std::vector<StepStatus>& steps) {
  setVisible(!steps.empty());
  list_->clear();
  int done = 0;
  for (const StepStatus& step : steps) {
    const QString heading = step.heading.empty() ? tr("Step %1").arg(step.number)
                                                 : QString::fromStdString(step.heading);
    auto* item = new QListWidgetItem(heading, list_);
    // A tick the student reads, never one to click: the router decides what is done.
    item->setFlags(Qt::ItemIsEnabled);
    item->setCheckState(step.done ? Qt::Checked : Qt::Unchecked);
    done += step.done;
  }
  count_->setText(tr("%1 of %2 steps done").arg(done).arg(steps.size()));
}

std::vector<bool> StepChecklist::ticks() const {
  std::vector<bool> ticked;
  for (int row = 0; row < list_->count(); ++row)
    ticked.push_back(list_->item(row)->checkState() == Qt::Checked);
  return ticked;
}

}  // namespace kovrel::desktop

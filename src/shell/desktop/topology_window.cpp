// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/desktop/topology_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

#include "shell/desktop/console_widget.h"
#include "shell/desktop/rich_text_pane.h"
#include "shell/desktop/step_checklist.h"

namespace kovrel::desktop {

TopologyWindow::TopologyWindow(QWidget* parent)
    : QWidget(parent),
      instructions_(new RichTextPane(this)),
      checklist_(new StepChecklist(this)),
      banner_(new QLabel(this)),
      stepsSplitter_(new QSplitter(Qt::Horizontal, this)),
      console_(new ConsoleWidget(this)),
      splitter_(new QSplitter(Qt::Vertical, this)) {
  instructions_->setFocusPolicy(Qt::ClickFocus);
  instructions_->setAccessibleName(tr("Instructions"));
  instructions_->setAccessibleDescription(tr("The task of the lab, test or scenario"));
  splitter_->addWidget(buildInstructionArea());
  splitter_->addWidget(console_);
  splitter_->setChildrenCollapsible(false);
  splitter_->setStretchFactor(0, 2);
  splitter_->setStretchFactor(1, 3);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(buildRouterBar());
  layout->addWidget(splitter_, 1);
  setFocusProxy(console_);
  setTwoRouters(false);
}

QWidget* TopologyWindow::buildInstructionArea() {
  auto* area = new QWidget(this);
  // The banner takes the palette's selection colours, so that it stands out in either theme.
  banner_->setParent(area);
  banner_->setAutoFillBackground(true);
  banner_->setBackgroundRole(QPalette::Highlight);
  banner_->setForegroundRole(QPalette::HighlightedText);
  banner_->setMargin(6);
  banner_->setWordWrap(true);
  QFont bold = banner_->font();
  bold.setBold(true);
  bold.setPointSizeF(bold.pointSizeF() * 1.2);
  banner_->setFont(bold);
  banner_->setAccessibleName(tr("Solved"));
  banner_->hide();
  stepsSplitter_->setParent(area);
  stepsSplitter_->addWidget(instructions_);
  stepsSplitter_->addWidget(checklist_);
  stepsSplitter_->setChildrenCollapsible(false);
  stepsSplitter_->setStretchFactor(0, 3);
  stepsSplitter_->setStretchFactor(1, 1);
  auto* layout = new QVBoxLayout(area);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(4);
  layout->addWidget(banner_);
  layout->addWidget(stepsSplitter_, 1);
  return area;
}

void TopologyWindow::setBanner(const QString& text) {
  banner_->setText(text);
  banner_->setVisible(!text.isEmpty());
}

QWidget* TopologyWindow::buildRouterBar() {
  routerBar_ = new QWidget(this);
  routerLabel_ = new QLabel(tr("Router at the console:"), routerBar_);
  routerA_ = new QPushButton(tr("RouterA"), routerBar_);
  routerB_ = new QPushButton(tr("RouterB"), routerBar_);
  routerA_->setAccessibleDescription(tr("Bring RouterA to the console"));
  routerB_->setAccessibleDescription(tr("Bring RouterB to the console"));
  auto* layout = new QHBoxLayout(routerBar_);
  layout->setContentsMargins(0, 0, 0, 4);
  layout->addWidget(routerLabel_);
  for (QPushButton* button : {routerA_, routerB_}) {
    button->setCheckable(true);
    // The button marks the router at the console; only the engine's switch changes that.
    button->setFocusPolicy(Qt::TabFocus);
    layout->addWidget(button);
  }
  layout->addStretch(1);
  connect(routerA_, &QPushButton::clicked, this, [this] {
    setCurrentRouter(routerB_->isChecked() ? 1 : 0);
    emit routerRequested(0);
  });
  connect(routerB_, &QPushButton::clicked, this, [this] {
    setCurrentRouter(routerA_->isChecked() ? 0 : 1);
    emit routerRequested(1);
  });
  return routerBar_;
}

void TopologyWindow::setTwoRouters(bool twoRouters) {
  twoRouters_ = twoRouters;
  routerBar_->setVisible(twoRouters);
  setCurrentRouter(0);
}

void TopologyWindow::setCurrentRouter(int router) {
  routerA_->setChecked(router == 0);
  routerB_->setChecked(router == 1);
}

void TopologyWindow::setRouterButtonsEnabled(bool enabled) {
  routerA_->setEnabled(enabled);
  routerB_->setEnabled(enabled);
}

}  // namespace kovrel::desktop

// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/desktop/picture_viewer.h"

#include <QPainter>
#include <QSvgRenderer>

namespace kovrel::desktop {

PictureViewer::PictureViewer(QWidget* parent) : QWidget(parent), renderer_(new QSvgRenderer(this)) {
  setBackgroundRole(QPalette::Base);
  setAutoFillBackground(true);
  setMinimumSize(240, 120);
  setAccessibleName(tr("Network picture"));
  setAccessibleDescription(
      tr("The routers, their links and LANs, and the state of each interface"));
}

void PictureViewer::showSvg(const QByteArray& svg) {
  renderer_->load(svg);
  update();
}

QSize PictureViewer::naturalSize() const {
  const QSize natural = renderer_->isValid() ? renderer_->defaultSize() : QSize(640, 260);
  return natural * zoom_;
}

QRect PictureViewer::pictureRect() const {
  QRect shown(QPoint(0, 0), naturalSize().scaled(size(), Qt::KeepAspectRatio));
  shown.moveCenter(rect().center());
  return shown;
}

void PictureViewer::paintEvent(QPaintEvent*) {
  if (!renderer_->isValid()) return;
  QPainter painter(this);
  renderer_->render(&painter, pictureRect());
}

}  // namespace kovrel::desktop

#include "shell/desktop/picture_viewer.h"

#include <QSvgRenderer>
#include <QSvgWidget>

namespace kovrel::desktop {

PictureViewer::PictureViewer(QWidget* parent) : QScrollArea(parent), picture_(new QSvgWidget) {
  setWidget(picture_);
  setWidgetResizable(false);
  setAlignment(Qt::AlignCenter);
  setBackgroundRole(QPalette::Base);
}

void PictureViewer::showSvg(const QByteArray& svg) {
  picture_->load(svg);
  fitSize();
}

void PictureViewer::setZoom(double factor) {
  zoom_ = factor;
  fitSize();
}

void PictureViewer::fitSize() {
  const QSize natural = picture_->renderer()->defaultSize();
  picture_->resize(natural * zoom_);
}

}  // namespace kovrel::desktop

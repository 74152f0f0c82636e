#pragma once

#include <QByteArray>
#include <QScrollArea>

class QSvgWidget;

namespace kovrel::desktop {

/// The network picture viewer: an SVG drawing in a scroll area, at its own size times the zoom.
class PictureViewer : public QScrollArea {
  Q_OBJECT

 public:
  explicit PictureViewer(QWidget* parent = nullptr);

  void showSvg(const QByteArray& svg);
  void setZoom(double factor);
  QSvgWidget* picture() const { return picture_; }

 private:
  void fitSize();

  QSvgWidget* picture_;
  double zoom_ = 1.0;
};

}  // namespace kovrel::desktop

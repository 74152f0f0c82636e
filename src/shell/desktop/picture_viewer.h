// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QWidget>

class QSvgRenderer;

namespace kovrel::desktop {

/// The network picture viewer: the engine's SVG drawing scaled to the window with its aspect
/// ratio kept, centred on the window's base colour. It opens at the drawing's own size times
/// the zoom, or smaller when the screen has not the room.
class PictureViewer : public QWidget {
  Q_OBJECT

 public:
  explicit PictureViewer(QWidget* parent = nullptr);

  void showSvg(const QByteArray& svg);
  void setZoom(double factor) { zoom_ = factor; }
  /// The drawing's own size times the zoom.
  QSize naturalSize() const;
  /// Where the drawing is painted: as large as the window allows, its shape kept.
  QRect pictureRect() const;
  QSize sizeHint() const override { return naturalSize(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QSvgRenderer* renderer_;
  double zoom_ = 1.0;
};

}  // namespace kovrel::desktop

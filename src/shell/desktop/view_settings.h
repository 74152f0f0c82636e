// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPalette>

class QMenu;
class QWidget;

namespace kovrel::desktop {

/// The colours of the windows: the desktop's own scheme, or light or dark whatever it is.
enum class PaletteChoice { desktop, light, dark };

/// The View menu's settings: zoom, colours and router speed. They are the only things the program
/// keeps between runs (with QSettings); the router and the lessons always start afresh.
class ViewSettings : public QObject {
  Q_OBJECT

 public:
  explicit ViewSettings(QObject* parent = nullptr);

  /// The "View" menu, with its actions bound to these settings.
  QMenu* buildMenu(QWidget* parent);

  double zoomFactor() const { return 1.0 + 0.1 * zoomStep_; }
  bool instant() const { return instant_; }
  bool dark() const;
  PaletteChoice paletteChoice() const { return palette_; }

  void zoomBy(int steps);
  void resetZoom();
  void setPaletteChoice(PaletteChoice choice);
  void setInstant(bool instant);

 signals:
  void zoomChanged(double factor);
  void instantChanged(bool instant);
  void paletteChanged(bool dark);

 private:
  void applyPalette();
  void save() const;

  QPalette desktopPalette_;
  int zoomStep_ = 0;
  PaletteChoice palette_ = PaletteChoice::desktop;
  bool instant_ = false;
};

}  // namespace kovrel::desktop

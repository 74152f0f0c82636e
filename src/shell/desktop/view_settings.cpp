// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/desktop/view_settings.h"

#include <QActionGroup>
#include <QApplication>
#include <QMenu>
#include <QSettings>
#include <QStyle>
#include <algorithm>

namespace kovrel::desktop {
namespace {

constexpr int kSmallestZoomStep = -5;
constexpr int kLargestZoomStep = 15;
constexpr const char* kPaletteNames[] = {"desktop", "light", "dark"};

QPalette darkPalette() {
  QPalette palette;
  const QColor window(45, 45, 48), base(30, 30, 30), text(230, 230, 230);
  palette.setColor(QPalette::Window, window);
  palette.setColor(QPalette::WindowText, text);
  palette.setColor(QPalette::Base, base);
  palette.setColor(QPalette::AlternateBase, window);
  palette.setColor(QPalette::Text, text);
  palette.setColor(QPalette::Button, window);
  palette.setColor(QPalette::ButtonText, text);
  palette.setColor(QPalette::ToolTipBase, base);
  palette.setColor(QPalette::ToolTipText, text);
  palette.setColor(QPalette::Highlight, QColor(42, 130, 218));
  palette.setColor(QPalette::HighlightedText, Qt::white);
  palette.setColor(QPalette::Link, QColor(90, 170, 255));
  // The shades Fusion draws frames, rims and bevels with.
  palette.setColor(QPalette::Light, QColor(80, 80, 84));
  palette.setColor(QPalette::Midlight, QColor(62, 62, 66));
  palette.setColor(QPalette::Mid, QColor(140, 140, 146));
  palette.setColor(QPalette::Dark, QColor(25, 25, 27));
  palette.setColor(QPalette::Shadow, QColor(10, 10, 10));
  palette.setColor(QPalette::PlaceholderText, QColor(150, 150, 150));
  for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    palette.setColor(QPalette::Disabled, role, QColor(127, 127, 127));
  }
  return palette;
}

PaletteChoice paletteNamed(const QString& name) {
  for (int i = 0; i < 3; ++i) {
    if (name == QLatin1String(kPaletteNames[i])) return static_cast<PaletteChoice>(i);
  }
  return PaletteChoice::desktop;
}

}  // namespace

ViewSettings::ViewSettings(QObject* parent)
    : QObject(parent), desktopPalette_(QApplication::palette()) {
  const QSettings settings;
  zoomStep_ =
      std::clamp(settings.value("view/zoomStep", 0).toInt(), kSmallestZoomStep, kLargestZoomStep);
  palette_ = paletteNamed(settings.value("view/palette").toString());
  instant_ = settings.value("view/routerSpeed").toString() == QLatin1String("instant");
  applyPalette();
}

bool ViewSettings::dark() const {
  return QApplication::palette().color(QPalette::Window).lightness() < 128;
}

void ViewSettings::zoomBy(int steps) {
  const int step = std::clamp(zoomStep_ + steps, kSmallestZoomStep, kLargestZoomStep);
  if (step == zoomStep_) return;
  zoomStep_ = step;
  save();
  emit zoomChanged(zoomFactor());
}

void ViewSettings::resetZoom() { zoomBy(-zoomStep_); }

void ViewSettings::setPaletteChoice(PaletteChoice choice) {
  palette_ = choice;
  save();
  applyPalette();
  emit paletteChanged(dark());
}

void ViewSettings::setInstant(bool instant) {
  instant_ = instant;
  save();
  emit instantChanged(instant);
}

void ViewSettings::applyPalette() {
  switch (palette_) {
    case PaletteChoice::desktop:
      QApplication::setPalette(desktopPalette_);
      break;
    case PaletteChoice::light:
      QApplication::setPalette(QApplication::style()->standardPalette());
      break;
    case PaletteChoice::dark:
      QApplication::setPalette(darkPalette());
      break;
  }
}

void ViewSettings::save() const {
  QSettings settings;
  settings.setValue("view/zoomStep", zoomStep_);
  settings.setValue("view/palette", QLatin1String(kPaletteNames[static_cast<int>(palette_)]));
  settings.setValue("view/routerSpeed", instant_ ? "instant" : "realistic");
}

QMenu* ViewSettings::buildMenu(QWidget* parent) {
  auto* menu = new QMenu(tr("&View"), parent);
  QAction* zoomIn = menu->addAction(tr("Zoom &In"), this, [this] { zoomBy(1); });
  zoomIn->setShortcuts({QKeySequence::ZoomIn, QKeySequence(tr("Ctrl+="))});
  zoomIn->setStatusTip(tr("Larger text in every window"));
  QAction* zoomOut = menu->addAction(tr("Zoom &Out"), this, [this] { zoomBy(-1); });
  zoomOut->setShortcut(QKeySequence::ZoomOut);
  zoomOut->setStatusTip(tr("Smaller text in every window"));
  QAction* reset = menu->addAction(tr("&Reset Zoom"), this, [this] { resetZoom(); });
  reset->setShortcut(QKeySequence(tr("Ctrl+0")));
  reset->setStatusTip(tr("Text at its normal size"));
  menu->addSeparator();

  QMenu* colours = menu->addMenu(tr("&Colours"));
  auto* paletteGroup = new QActionGroup(colours);
  const QString paletteCaptions[] = {tr("Follow &Desktop"), tr("&Light"), tr("D&ark")};
  for (int i = 0; i < 3; ++i) {
    QAction* action = colours->addAction(
        paletteCaptions[i], this, [this, i] { setPaletteChoice(static_cast<PaletteChoice>(i)); });
    action->setCheckable(true);
    action->setChecked(static_cast<int>(palette_) == i);
    action->setStatusTip(tr("The colours of every window"));
    paletteGroup->addAction(action);
  }

  QMenu* speed = menu->addMenu(tr("Router &speed"));
  auto* speedGroup = new QActionGroup(speed);
  QAction* realistic = speed->addAction(tr("&Realistic"), this, [this] { setInstant(false); });
  realistic->setStatusTip(tr("The router pauses as a real one does while it works"));
  QAction* instantAction = speed->addAction(tr("&Instant"), this, [this] { setInstant(true); });
  instantAction->setStatusTip(tr("The router answers at once"));
  for (QAction* action : {realistic, instantAction}) {
    action->setCheckable(true);
    speedGroup->addAction(action);
  }
  (instant_ ? instantAction : realistic)->setChecked(true);
  return menu;
}

}  // namespace kovrel::desktop

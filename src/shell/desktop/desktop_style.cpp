// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/desktop/desktop_style.h"

#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

namespace kovrel::desktop {

DesktopStyle::DesktopStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void DesktopStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
  QProxyStyle::drawPrimitive(element, option, painter, widget);
  const bool radio = element == PE_IndicatorRadioButton;
  if (!radio && element != PE_IndicatorCheckBox) return;
  if (option->palette.color(QPalette::Window).lightness() >= 128) return;
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing);
  painter->setBrush(Qt::NoBrush);
  painter->setPen(QPen(option->palette.color(QPalette::Mid), 1.2));
  const QRectF rim = QRectF(option->rect).adjusted(1.0, 1.0, -1.0, -1.0);
  if (radio) {
    painter->drawEllipse(rim);
  } else {
    painter->drawRoundedRect(rim, 2.0, 2.0);
  }
  painter->restore();
}

void installDesktopStyle() {
  if (qobject_cast<DesktopStyle*>(QApplication::style()) == nullptr) {
    QApplication::setStyle(new DesktopStyle);
  }
}

}  // namespace kovrel::desktop

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

namespace kovrel::desktop {

/// The program's widget style: Fusion, with the rim of radio buttons and check boxes drawn in
/// the palette's Mid colour as well, because Fusion draws it darker than the window, which
/// vanishes on a dark palette.
class DesktopStyle : public QProxyStyle {
  Q_OBJECT

 public:
  DesktopStyle();

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};

/// Makes DesktopStyle the application's style, once.
void installDesktopStyle();

}  // namespace kovrel::desktop

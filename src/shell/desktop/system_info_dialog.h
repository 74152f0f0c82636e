// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QList>
#include <QPair>
#include <QString>

namespace kovrel::desktop {

/// This machine's facts for a support question: operating system, kernel, processor
/// architecture, and the screen's size and dots per inch.
class SystemInfoDialog : public QDialog {
  Q_OBJECT

 public:
  explicit SystemInfoDialog(QWidget* parent = nullptr);

  /// The facts as captions and values, in the order the dialog lists them.
  static QList<QPair<QString, QString>> facts(const QWidget* onScreen);
};

}  // namespace kovrel::desktop

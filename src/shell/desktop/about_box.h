// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>

namespace kovrel::desktop {

/// "About Us": the logo, the program's version, the Qt and SQLite versions it runs on, and a
/// "System Info..." button for this machine's facts.
class AboutBox : public QDialog {
  Q_OBJECT

 public:
  AboutBox(const QString& logoFile, QWidget* parent = nullptr);

  /// The versions as the box lists them.
  static QString versionText();
};

}  // namespace kovrel::desktop

// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/desktop/about_box.h"

#include <sqlite3.h>

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QSvgRenderer>
#include <QSvgWidget>
#include <QVBoxLayout>

#include "base/program_version.h"
#include "shell/desktop/system_info_dialog.h"

namespace kovrel::desktop {

QString AboutBox::versionText() {
  return tr("Version %1\nQt %2, SQLite %3")
      .arg(QString::fromStdString(std::string(programVersion())), QLatin1String(qVersion()),
           QLatin1String(sqlite3_libversion()));
}

AboutBox::AboutBox(const QString& logoFile, QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("About Kovrel Router Simulator"));
  auto* layout = new QVBoxLayout(this);
  if (QFileInfo::exists(logoFile)) {
    auto* logo = new QSvgWidget(logoFile, this);
    logo->setFixedSize(logo->renderer()->defaultSize());
    layout->addWidget(logo, 0, Qt::AlignHCenter);
  }
  auto* name = new QLabel(tr("Kovrel Router Simulator"), this);
  QFont nameFont = name->font();
  nameFont.setBold(true);
  nameFont.setPointSizeF(nameFont.pointSizeF() * 1.5);
  name->setFont(nameFont);
  layout->addWidget(name, 0, Qt::AlignHCenter);
  auto* text = new QLabel(
      tr("A training program for network-certification students:\nthe console of a small "
         "router, with labs, tests, troubleshooting and flash cards.") +
          QStringLiteral("\n\n") + versionText(),
      this);
  text->setAlignment(Qt::AlignHCenter);
  text->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(text);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  QPushButton* systemInfo = buttons->addButton(tr("System Info..."), QDialogButtonBox::ActionRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(systemInfo, &QPushButton::clicked, this, [this] {
    SystemInfoDialog dialog(this);
    dialog.exec();
  });
  layout->addWidget(buttons);
}

}  // namespace kovrel::desktop

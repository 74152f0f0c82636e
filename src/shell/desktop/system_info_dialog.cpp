// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/desktop/system_info_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QScreen>
#include <QSysInfo>
#include <QVBoxLayout>

namespace kovrel::desktop {

QList<QPair<QString, QString>> SystemInfoDialog::facts(const QWidget* onScreen) {
  QList<QPair<QString, QString>> list{
      {tr("Operating system"), QSysInfo::prettyProductName()},
      {tr("Kernel"), QSysInfo::kernelType() + QLatin1Char(' ') + QSysInfo::kernelVersion()},
      {tr("CPU architecture"), QSysInfo::currentCpuArchitecture()},
  };
  const QScreen* screen = onScreen != nullptr ? onScreen->screen() : QApplication::primaryScreen();
  if (screen != nullptr) {
    const QSize size = screen->size();
    list.append({tr("Screen size"), tr("%1 x %2 pixels").arg(size.width()).arg(size.height())});
    list.append({tr("Screen DPI"), QString::number(qRound(screen->logicalDotsPerInch()))});
  }
  return list;
}

SystemInfoDialog::SystemInfoDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("System Info"));
  auto* form = new QFormLayout;
  for (const auto& [caption, value] : facts(parent)) {
    auto* label = new QLabel(value, this);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow(caption + QLatin1Char(':'), label);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
}

}  // namespace kovrel::desktop

// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/desktop/document_export.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

namespace kovrel::desktop {
namespace {

QString tr(const char* text) {
  return QCoreApplication::translate("kovrel::desktop::DocumentExport", text);
}

QString withImagesInside(QString html, const DocumentImages& images) {
  for (const auto& [name, image] : images) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    html.replace(QStringLiteral("src=\"%1\"").arg(name),
                 QStringLiteral("src=\"data:image/png;base64,%1\"")
                     .arg(QString::fromLatin1(png.toBase64())));
  }
  return html;
}

bool writeAll(QFile& file, const QByteArray& bytes) {
  return file.write(bytes) == bytes.size() && file.flush();
}

}  // namespace

bool saveDocument(const QTextDocument& document, const QString& path, const DocumentImages& images,
                  QString& error) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    error = file.errorString();
    return false;
  }
  bool written = true;
  if (path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
    QPdfWriter writer(&file);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(300);
    writer.setTitle(document.metaInformation(QTextDocument::DocumentTitle));
    writer.setCreator(QCoreApplication::applicationName());
    document.print(&writer);
    written = file.error() == QFileDevice::NoError && file.flush();
  } else {
    written = writeAll(file, withImagesInside(document.toHtml(), images).toUtf8());
  }
  if (!written) error = file.errorString();
  return written;
}

QString askDocumentPath(QWidget* parent, const QString& title, const QString& suggestedName) {
  const QString pdf = tr("PDF document (*.pdf)");
  const QString html = tr("Web page (*.html)");
  QString chosen = pdf;
  QString path = QFileDialog::getSaveFileName(parent, title, suggestedName + QLatin1String(".pdf"),
                                              pdf + QLatin1String(";;") + html, &chosen);
  if (path.isEmpty()) return path;
  const bool known = path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive) ||
                     path.endsWith(QLatin1String(".html"), Qt::CaseInsensitive) ||
                     path.endsWith(QLatin1String(".htm"), Qt::CaseInsensitive);
  if (!known) path += chosen == html ? QLatin1String(".html") : QLatin1String(".pdf");
  return path;
}

}  // namespace kovrel::desktop

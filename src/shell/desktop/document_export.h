// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>
#include <QPair>
#include <QString>

class QTextDocument;
class QWidget;

namespace kovrel::desktop {

/// Pictures a document refers to by name; a saved HTML file carries them inside itself.
using DocumentImages = QList<QPair<QString, QImage>>;

/// Writes the document as a PDF page when the path ends in ".pdf" and as an HTML file otherwise,
/// each picture of `images` inside the HTML. False, with the reason in `error`, when the file
/// cannot be written.
bool saveDocument(const QTextDocument& document, const QString& path, const DocumentImages& images,
                  QString& error);

/// Asks where to save, offering PDF and HTML; an empty path when the student cancels. A name
/// without a known ending gets the one of the chosen format.
QString askDocumentPath(QWidget* parent, const QString& title, const QString& suggestedName);

}  // namespace kovrel::desktop

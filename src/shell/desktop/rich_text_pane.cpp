// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/desktop/rich_text_pane.h"

#include <QEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

namespace kovrel::desktop {
namespace {

// Grade colours that stay readable on the dark palette as well as on the light one.
QColor gradeColour(TextColour colour, const QPalette& palette) {
  const bool dark = palette.color(QPalette::Base).lightness() < 128;
  if (colour == TextColour::green) return dark ? QColor(110, 217, 138) : QColor(19, 118, 44);
  return dark ? QColor(255, 110, 110) : QColor(200, 0, 0);
}

QTextCharFormat charFormat(const TextStyle& style, double zoom, const QPalette& palette) {
  QTextCharFormat format;
  format.setFontPointSize(style.pointSize * zoom);
  format.setFontWeight(style.bold ? QFont::Bold : QFont::Normal);
  format.setFontUnderline(style.underline);
  format.setFontItalic(style.italic);
  if (style.colour != TextColour::standard)
    format.setForeground(gradeColour(style.colour, palette));
  return format;
}

}  // namespace

RichTextPane::RichTextPane(QWidget* parent) : QTextEdit(parent) {
  setReadOnly(true);
  setUndoRedoEnabled(false);
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void RichTextPane::clear() {
  runs_.clear();
  QTextEdit::clear();
}

void RichTextPane::moveToEnd() { moveCursor(QTextCursor::End); }

void RichTextPane::moveToStart() {
  moveCursor(QTextCursor::Start);
  verticalScrollBar()->setValue(0);
}

void RichTextPane::insert(std::string_view text, const TextStyle& style) {
  runs_.push_back({std::string(text), style});
  draw(runs_.back());
}

// The engine writes only at the end, so the runs drawn in order rebuild the pane exactly.
void RichTextPane::draw(const StyledRun& run) {
  QTextCursor cursor(document());
  cursor.movePosition(QTextCursor::End);
  const QTextCharFormat format = charFormat(run.style, zoom_, palette());
  const QStringList paragraphs = QString::fromStdString(run.text).split(QLatin1Char('\n'));
  for (qsizetype i = 0; i < paragraphs.size(); ++i) {
    if (i > 0) cursor.insertBlock(QTextBlockFormat(), format);
    if (paragraphs[i].isEmpty()) continue;
    if (cursor.block().text().isEmpty()) {
      QTextBlockFormat block = cursor.blockFormat();
      block.setAlignment(run.style.alignment == TextAlignment::centre ? Qt::AlignHCenter
                                                                      : Qt::AlignLeft);
      cursor.setBlockFormat(block);
    }
    cursor.insertText(paragraphs[i], format);
  }
}

void RichTextPane::redraw() {
  const int scrolled = verticalScrollBar()->value();
  QTextEdit::clear();
  for (const StyledRun& run : runs_) draw(run);
  verticalScrollBar()->setValue(scrolled);
}

void RichTextPane::setZoom(double factor) {
  zoom_ = factor;
  redraw();
}

void RichTextPane::changeEvent(QEvent* event) {
  QTextEdit::changeEvent(event);
  if (event->type() == QEvent::PaletteChange) redraw();
}

}  // namespace kovrel::desktop

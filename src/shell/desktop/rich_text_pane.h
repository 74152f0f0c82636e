// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTextEdit>
#include <vector>

#include "base/rich_text.h"

namespace kovrel::desktop {

/// A read-only rich-text pane the engine writes lesson texts into: the instruction pane, the
/// information window and the test report. It keeps the runs it was given, so that a zoom or a
/// change of palette draws them again at the new size and colours.
class RichTextPane : public QTextEdit, public RichTextTarget {
  Q_OBJECT

 public:
  explicit RichTextPane(QWidget* parent = nullptr);

  void clear() override;
  void moveToEnd() override;
  void moveToStart() override;
  void insert(std::string_view text, const TextStyle& style) override;

  /// Scales every point size by `factor` (1.0 is the lesson's own size).
  void setZoom(double factor);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void draw(const StyledRun& run);
  void redraw();

  std::vector<StyledRun> runs_;
  double zoom_ = 1.0;
};

}  // namespace kovrel::desktop

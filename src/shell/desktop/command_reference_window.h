// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <vector>

#include "training/command_reference.h"

class QLineEdit;
class QTreeWidget;

namespace kovrel::desktop {

/// The command reference: every command of every mode with its help text, grouped by mode, the
/// ones the simulator does not carry out marked and greyed. Words typed in the filter keep the
/// commands whose word or help text holds them all.
class CommandReferenceWindow : public QWidget {
  Q_OBJECT

 public:
  CommandReferenceWindow(const std::vector<ReferenceCommand>& commands, QWidget* parent = nullptr);

  void setFilter(const QString& words);
  QLineEdit* filter() const { return filter_; }
  QTreeWidget* tree() const { return tree_; }
  /// The commands the filter leaves shown.
  int shownCount() const;

 private:
  QLineEdit* filter_;
  QTreeWidget* tree_;
};

}  // namespace kovrel::desktop

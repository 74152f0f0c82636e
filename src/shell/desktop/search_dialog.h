// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <vector>

#include "training/activity_search.h"

class QLineEdit;
class QListWidget;

namespace kovrel::desktop {

/// The search box: words typed find labs, tests, troubleshooting scenarios and flash cards by
/// their titles and task texts; Enter or a double click opens the one chosen.
class SearchDialog : public QDialog {
  Q_OBJECT

 public:
  using Opener = std::function<void(const SearchEntry& entry)>;
  SearchDialog(std::unique_ptr<ActivitySearch> search, Opener opener, QWidget* parent = nullptr);
  ~SearchDialog() override;

  /// Shows the dialog with the words selected, ready for new ones.
  void open();
  QLineEdit* query() const { return query_; }
  QListWidget* results() const { return results_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void showResults(const QString& text);
  void openChosen();

  std::unique_ptr<ActivitySearch> search_;
  Opener opener_;
  QLineEdit* query_;
  QListWidget* results_;
  std::vector<const SearchEntry*> shown_;  // the results listed, in list order
};

}  // namespace kovrel::desktop

// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/desktop/progress_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTextDocument>
#include <QVBoxLayout>

#include "shell/desktop/score_chart.h"

namespace kovrel::desktop {
namespace {

const QString kChartName = QStringLiteral("score-chart.png");

QString text(const std::string& value) { return QString::fromStdString(value); }

QTableWidget* table(const QStringList& headings, const QString& name, QWidget* parent) {
  auto* widget = new QTableWidget(0, static_cast<int>(headings.size()), parent);
  widget->setHorizontalHeaderLabels(headings);
  widget->setEditTriggers(QAbstractItemView::NoEditTriggers);
  widget->setSelectionMode(QAbstractItemView::NoSelection);
  widget->setAlternatingRowColors(true);
  widget->verticalHeader()->hide();
  widget->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  widget->horizontalHeader()->setStretchLastSection(true);
  widget->setAccessibleName(name);
  return widget;
}

void setRow(QTableWidget* widget, int row, const QStringList& cells) {
  for (int column = 0; column < cells.size(); ++column) {
    auto* item = new QTableWidgetItem(cells[column]);
    if (column > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    widget->setItem(row, column, item);
  }
}

QLabel* heading(QWidget* parent) {
  auto* label = new QLabel(parent);
  QFont bold = label->font();
  bold.setBold(true);
  label->setFont(bold);
  return label;
}

QString score(const std::optional<TestAttempt>& attempt) {
  return attempt ? QString::number(attempt->score) : QString();
}

QString date(const std::optional<TestAttempt>& attempt) {
  return attempt ? text(storedDate(attempt->takenAt)) : QString();
}

QString htmlTable(const QTableWidget* widget) {
  QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\"><tr>");
  for (int column = 0; column < widget->columnCount(); ++column)
    html += "<th>" + widget->horizontalHeaderItem(column)->text().toHtmlEscaped() + "</th>";
  html += QLatin1String("</tr>");
  for (int row = 0; row < widget->rowCount(); ++row) {
    html += QLatin1String("<tr>");
    for (int column = 0; column < widget->columnCount(); ++column) {
      const QTableWidgetItem* item = widget->item(row, column);
      html += "<td>" + (item ? item->text().toHtmlEscaped() : QString()) + "</td>";
    }
    html += QLatin1String("</tr>");
  }
  return html + QLatin1String("</table>");
}

}  // namespace

ProgressWindow::ProgressWindow(QWidget* parent)
    : QWidget(parent),
      labsDone_(heading(this)),
      labs_(table({tr("Topic"), tr("Done"), tr("Labs")}, tr("Labs done by topic"), this)),
      tests_(table({tr("Test"), tr("Best"), tr("On"), tr("Last"), tr("On"), tr("Submissions")},
                   tr("Test scores"), this)),
      solved_(
          table({tr("Scenario"), tr("Solved on")}, tr("Troubleshooting scenarios solved"), this)),
      solvedHeading_(heading(this)),
      cards_(heading(this)),
      notSaved_(new QLabel(this)),
      chart_(new ScoreChart(this)),
      save_(new QPushButton(tr("Save As..."), this)) {
  setWindowTitle(tr("Progress"));
  auto* testsHeading = heading(this);
  testsHeading->setText(tr("Tests"));
  auto* left = new QVBoxLayout;
  left->addWidget(labsDone_);
  left->addWidget(labs_, 3);
  left->addWidget(solvedHeading_);
  left->addWidget(solved_, 2);
  left->addWidget(cards_);
  auto* right = new QVBoxLayout;
  right->addWidget(testsHeading);
  right->addWidget(tests_, 2);
  right->addWidget(chart_, 3);
  auto* columns = new QHBoxLayout;
  columns->addLayout(left, 2);
  columns->addLayout(right, 3);
  auto* close = new QPushButton(tr("Close"), this);
  save_->setAccessibleDescription(tr("Save the progress summary as a PDF or HTML page"));
  close->setAccessibleDescription(tr("Close the progress window"));
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(notSaved_, 1);
  buttons->addWidget(save_);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns, 1);
  layout->addLayout(buttons);
  connect(save_, &QPushButton::clicked, this, &ProgressWindow::saveRequested);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  resize(920, 600);
}

ProgressWindow::~ProgressWindow() = default;

void ProgressWindow::showSummary(const ProgressSummary& summary) {
  summary_ = summary;
  labsDone_->setText(tr("Labs done: %1 of %2").arg(summary.labsDone).arg(summary.labsTotal));
  fillLabs();
  fillTests();
  fillSolved();
  solvedHeading_->setText(
      tr("Troubleshooting solved: %1 of %2").arg(summary.solved.size()).arg(summary.scenarioCount));
  cards_->setText(tr("Flash cards due today: %1 (%2 of %3 studied)")
                      .arg(summary.cardsDue)
                      .arg(summary.cardsStudied)
                      .arg(summary.cardsTotal));
  notSaved_->setText(summary.saved ? QString() : tr("This run's progress is not saved."));
  chart_->setTests(summary.tests);
}

void ProgressWindow::fillLabs() {
  labs_->setRowCount(static_cast<int>(summary_.labGroups.size()));
  int row = 0;
  for (const LabGroupProgress& group : summary_.labGroups) {
    setRow(labs_, row++,
           {text(group.group), QString::number(group.done), QString::number(group.total)});
  }
}

void ProgressWindow::fillTests() {
  tests_->setRowCount(static_cast<int>(summary_.tests.size()));
  int row = 0;
  for (const TestProgress& test : summary_.tests) {
    setRow(tests_, row++,
           {text(test.caption), score(test.best), date(test.best), score(test.last),
            date(test.last), QString::number(test.attempts.size())});
  }
}

void ProgressWindow::fillSolved() {
  solved_->setRowCount(static_cast<int>(summary_.solved.size()));
  int row = 0;
  for (const SolvedScenario& scenario : summary_.solved)
    setRow(solved_, row++, {text(scenario.caption), text(storedDate(scenario.solvedAt))});
}

std::unique_ptr<QTextDocument> ProgressWindow::document(DocumentImages& images) const {
  images = {{kChartName, chart_->image(QSize(640, 280))}};
  QString html = "<h1>" + tr("Progress").toHtmlEscaped() + "</h1>";
  html += "<h2>" + labsDone_->text().toHtmlEscaped() + "</h2>" + htmlTable(labs_);
  html += "<h2>" + tr("Tests").toHtmlEscaped() + "</h2>" + htmlTable(tests_);
  html += "<p><img src=\"" + kChartName + "\" width=\"640\" height=\"280\"></p>";
  html += "<h2>" + solvedHeading_->text().toHtmlEscaped() + "</h2>" + htmlTable(solved_);
  html += "<h2>" + cards_->text().toHtmlEscaped() + "</h2>";
  if (!summary_.saved) html += "<p>" + notSaved_->text().toHtmlEscaped() + "</p>";
  auto page = std::make_unique<QTextDocument>();
  page->setMetaInformation(QTextDocument::DocumentTitle, tr("Progress"));
  page->addResource(QTextDocument::ImageResource, QUrl(kChartName), images.front().second);
  page->setHtml(html);
  return page;
}

}  // namespace kovrel::desktop

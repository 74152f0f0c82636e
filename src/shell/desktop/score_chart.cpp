// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/desktop/score_chart.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <map>

namespace kovrel::desktop {
namespace {

constexpr int kMaximumScore = 1000;
constexpr int kPassMark = 801;

// Hues far apart, so that five lines stay apart; light lines on a dark palette, deep on a light.
QColor seriesColour(std::size_t index, const QPalette& palette) {
  static constexpr int kHues[] = {215, 25, 130, 285, 50};
  const bool dark = palette.color(QPalette::Base).lightness() < 128;
  return QColor::fromHsv(kHues[index % std::size(kHues)], dark ? 150 : 220, dark ? 255 : 175);
}

// Every submission's place on the x axis: its position among all submissions by time.
std::map<std::pair<StoredTime, int>, int> submissionOrder(const std::vector<TestProgress>& tests) {
  std::map<std::pair<StoredTime, int>, int> order;
  for (const TestProgress& test : tests) {
    for (std::size_t i = 0; i < test.attempts.size(); ++i)
      order[{test.attempts[i].takenAt, test.number * 1000 + static_cast<int>(i)}] = 0;
  }
  int position = 0;
  for (auto& entry : order) entry.second = position++;
  return order;
}

void paintAxes(QPainter& painter, const QRectF& plot, const QPalette& palette) {
  const QFontMetricsF metrics(painter.font());
  painter.setPen(QPen(palette.color(QPalette::Mid), 1.0));
  for (const int score : {0, 250, 500, 750, kMaximumScore}) {
    const double y = plot.bottom() - plot.height() * score / kMaximumScore;
    painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    const QString label = QString::number(score);
    painter.setPen(palette.color(QPalette::Text));
    painter.drawText(
        QPointF(plot.left() - metrics.horizontalAdvance(label) - 6, y + metrics.ascent() / 2 - 1),
        label);
    painter.setPen(QPen(palette.color(QPalette::Mid), 1.0));
  }
  const double passY = plot.bottom() - plot.height() * kPassMark / kMaximumScore;
  painter.setPen(QPen(palette.color(QPalette::Text), 1.0, Qt::DashLine));
  painter.drawLine(QPointF(plot.left(), passY), QPointF(plot.right(), passY));
  painter.drawText(
      QPointF(plot.right() - metrics.horizontalAdvance(QStringLiteral("pass")) - 2, passY - 3),
      QStringLiteral("pass"));
}

void paintLegend(QPainter& painter, const QRectF& area, const std::vector<TestProgress>& tests,
                 const QPalette& palette) {
  const QFontMetricsF metrics(painter.font());
  double x = area.left();
  for (std::size_t i = 0; i < tests.size(); ++i) {
    const QString name = QStringLiteral("Test %1").arg(tests[i].number);
    painter.fillRect(QRectF(x, area.top() + 4, 14, 8), seriesColour(i, palette));
    painter.setPen(palette.color(QPalette::Text));
    painter.drawText(QPointF(x + 18, area.top() + metrics.ascent()), name);
    x += 18 + metrics.horizontalAdvance(name) + 16;
  }
}

}  // namespace

void paintScoreChart(QPainter& painter, const QRectF& area, const std::vector<TestProgress>& tests,
                     const QPalette& palette) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  const auto order = submissionOrder(tests);
  const QFontMetricsF metrics(painter.font());
  if (order.empty()) {
    painter.setPen(palette.color(QPalette::Text));
    painter.drawText(area, Qt::AlignCenter, QObject::tr("No test submitted yet"));
    painter.restore();
    return;
  }
  paintLegend(painter, area, tests, palette);
  const double left = area.left() + metrics.horizontalAdvance(QStringLiteral("1000")) + 10;
  const QRectF plot(left, area.top() + metrics.height() * 2, area.right() - left - 10,
                    area.height() - metrics.height() * 3.5);
  paintAxes(painter, plot, palette);
  const int steps = std::max<int>(1, static_cast<int>(order.size()) - 1);
  for (std::size_t t = 0; t < tests.size(); ++t) {
    const TestProgress& test = tests[t];
    QPainterPath line;
    painter.setPen(QPen(seriesColour(t, palette), 2.0));
    painter.setBrush(seriesColour(t, palette));
    for (std::size_t i = 0; i < test.attempts.size(); ++i) {
      const int position =
          order.at({test.attempts[i].takenAt, test.number * 1000 + static_cast<int>(i)});
      const QPointF point(
          order.size() == 1 ? plot.center().x() : plot.left() + plot.width() * position / steps,
          plot.bottom() - plot.height() * test.attempts[i].score / kMaximumScore);
      if (i == 0)
        line.moveTo(point);
      else
        line.lineTo(point);
      painter.drawEllipse(point, 3.5, 3.5);
    }
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(line);
  }
  painter.setPen(palette.color(QPalette::Text));
  const QString first = QString::fromStdString(storedDate(order.begin()->first.first));
  const QString last = QString::fromStdString(storedDate(order.rbegin()->first.first));
  const double baseline = plot.bottom() + metrics.height() + 2;
  painter.drawText(QPointF(plot.left(), baseline), first);
  painter.drawText(QPointF(plot.right() - metrics.horizontalAdvance(last), baseline), last);
  painter.restore();
}

ScoreChart::ScoreChart(QWidget* parent) : QWidget(parent) {
  setMinimumSize(280, 160);
  setAccessibleName(tr("Test scores over time"));
}

void ScoreChart::setTests(std::vector<TestProgress> tests) {
  tests_ = std::move(tests);
  int points = pointCount();
  setAccessibleDescription(points == 0 ? tr("No test submitted yet")
                                       : tr("%n score(s), oldest first", nullptr, points));
  update();
}

int ScoreChart::pointCount() const {
  int points = 0;
  for (const TestProgress& test : tests_) points += static_cast<int>(test.attempts.size());
  return points;
}

QImage ScoreChart::image(QSize size) const {
  QImage picture(size, QImage::Format_ARGB32);
  picture.fill(Qt::white);
  QPalette page = palette();
  page.setColor(QPalette::Base, Qt::white);
  page.setColor(QPalette::Text, Qt::black);
  page.setColor(QPalette::Mid, Qt::lightGray);
  QPainter painter(&picture);
  paintScoreChart(painter, QRectF(QPointF(0, 0), size), tests_, page);
  return picture;
}

void ScoreChart::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Base));
  paintScoreChart(painter, QRectF(rect()).adjusted(8, 8, -8, -8), tests_, palette());
}

}  // namespace kovrel::desktop

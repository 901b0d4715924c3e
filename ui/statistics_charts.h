// The statistics window's four charts, drawn with QPainter: win share over time, yaku bars, the
// histogram of margins and the share of months won by the month.
#pragma once

#include <QStringList>
#include <QWidget>
#include <vector>

namespace pg::ui {

// Lines over the matches in order, each value 0..1.
class ShareLineChart : public QWidget {
  Q_OBJECT

 public:
  explicit ShareLineChart(QWidget* parent);
  void SetLines(std::vector<double> share, std::vector<double> moving);
  // What the chart says when it has nothing to draw.
  void SetEmptyText(QString text);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<double> share_;
  std::vector<double> moving_;
  QString emptyText_;
};

// Bars with a label under (vertical) or beside (horizontal) each; values shown on the bars. A label
// may take two lines under a vertical bar.
class BarChart : public QWidget {
  Q_OBJECT

 public:
  enum class Kind { Counts, Shares };
  BarChart(QWidget* parent, Qt::Orientation orientation, Kind kind);
  void SetBars(QStringList labels, std::vector<double> values);
  void SetEmptyText(QString text);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Qt::Orientation orientation_;
  Kind kind_;
  QStringList labels_;
  std::vector<double> values_;
  QString emptyText_;
};

}  // namespace pg::ui

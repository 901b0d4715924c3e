// The statistics charts, drawn by hand: Qt Charts is GPL-only, and these need little.
#include "ui/statistics_charts.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace pg::ui {

namespace {

const QColor kPaper(255, 252, 244);
const QColor kInk(60, 40, 30);
const QColor kGrid(220, 210, 195);
const QColor kLacquer(142, 27, 34);
const QColor kGold(190, 140, 40);
// The least room for a bar's label, the width the Japanese yaku names were laid out for.
constexpr int kLabelRoom = 84;

void PaintFrame(QPainter& painter, const QRect& area) {
  painter.fillRect(area, kPaper);
  painter.setPen(kGrid);
  painter.drawRect(area.adjusted(0, 0, -1, -1));
}

void PaintEmpty(QPainter& painter, const QRect& area, const QString& text) {
  painter.setPen(kInk);
  painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, text);
}

QString Percent(double share) { return QString::number(qRound(share * 100)) + "%"; }

}  // namespace

ShareLineChart::ShareLineChart(QWidget* parent) : QWidget(parent) { setMinimumSize(300, 170); }

void ShareLineChart::SetLines(std::vector<double> share, std::vector<double> moving) {
  share_ = std::move(share);
  moving_ = std::move(moving);
  update();
}

void ShareLineChart::SetEmptyText(QString text) {
  emptyText_ = std::move(text);
  update();
}

void ShareLineChart::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  PaintFrame(painter, rect());
  if (share_.empty()) return PaintEmpty(painter, rect(), emptyText_);
  // Room on the left for the widest scale label, whatever the font.
  const qreal scaleWidth = painter.fontMetrics().horizontalAdvance("100%") + 10;
  const QRectF plot = QRectF(rect()).adjusted(scaleWidth, 10, -10, -22);
  painter.setPen(kGrid);
  for (int p = 0; p <= 100; p += 25) {
    const qreal y = plot.bottom() - plot.height() * p / 100.0;
    painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    painter.setPen(kInk);
    painter.drawText(QRectF(0, y - 8, plot.left() - 4, 16), Qt::AlignRight | Qt::AlignVCenter, QString("%1%").arg(p));
    painter.setPen(kGrid);
  }
  const auto line = [&](const std::vector<double>& values, const QColor& colour, qreal width) {
    QPainterPath path;
    const qreal step = values.size() > 1 ? plot.width() / static_cast<qreal>(values.size() - 1) : 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
      const QPointF at(plot.left() + step * static_cast<qreal>(i), plot.bottom() - plot.height() * values[i]);
      if (i == 0) {
        path.moveTo(at);
      } else {
        path.lineTo(at);
      }
    }
    painter.setPen(QPen(colour, width));
    painter.drawPath(path);
  };
  line(moving_, kGold, 1.5);
  line(share_, kLacquer, 2.0);
  painter.setPen(kInk);
  const QString caption = QString(qtTrId("勝率（赤）と直近10局（金）　全%1局")).arg(share_.size());
  painter.drawText(QRectF(plot.left(), plot.bottom() + 3, plot.width(), 18), Qt::AlignLeft,
                   painter.fontMetrics().elidedText(caption, Qt::ElideRight, qRound(plot.width())));
}

BarChart::BarChart(QWidget* parent, Qt::Orientation orientation, Kind kind)
    : QWidget(parent), orientation_(orientation), kind_(kind) {
  setMinimumSize(300, orientation == Qt::Horizontal ? 250 : 170);
}

void BarChart::SetBars(QStringList labels, std::vector<double> values) {
  labels_ = std::move(labels);
  values_ = std::move(values);
  update();
}

void BarChart::SetEmptyText(QString text) {
  emptyText_ = std::move(text);
  update();
}

void BarChart::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  PaintFrame(painter, rect());
  if (values_.empty()) return PaintEmpty(painter, rect(), emptyText_);
  // Bars of nothing but zeros still show their labels and their 0.
  const double top = *std::max_element(values_.begin(), values_.end());
  const double scale = kind_ == Kind::Shares ? 1.0 : std::max(top, 1.0);
  const int count = static_cast<int>(values_.size());
  QFont small = font();
  small.setPointSizeF(font().pointSizeF() * 0.85);
  painter.setFont(small);
  const int lineHeight = painter.fontMetrics().height();
  const bool twoLines = std::any_of(labels_.begin(), labels_.end(), [](const QString& l) { return l.contains('\n'); });
  const int labelHeight = lineHeight * (twoLines ? 2 : 1) + 2;
  // A row's label takes the room its widest label needs, up to a third of the chart.
  int widest = 0;
  for (const QString& label : labels_) widest = std::max(widest, painter.fontMetrics().horizontalAdvance(label));
  const int labelRoom = std::clamp(widest + 10, kLabelRoom, width() / 3);
  for (int i = 0; i < count; ++i) {
    const double value = values_[static_cast<std::size_t>(i)];
    const QString text = kind_ == Kind::Shares ? Percent(value) : QString::number(value);
    painter.setPen(kInk);
    if (orientation_ == Qt::Horizontal) {
      const QRectF plot = QRectF(rect()).adjusted(labelRoom, 6, -40, -6);
      const qreal rowHeight = plot.height() / count;
      const qreal y = plot.top() + rowHeight * i;
      const int room = qRound(plot.left()) - 6;
      painter.drawText(QRectF(2, y, room, rowHeight), Qt::AlignRight | Qt::AlignVCenter,
                       painter.fontMetrics().elidedText(labels_.value(i), Qt::ElideRight, room));
      const QRectF bar(plot.left(), y + rowHeight * 0.15, plot.width() * value / scale, rowHeight * 0.7);
      painter.fillRect(bar, kLacquer);
      painter.drawText(QRectF(bar.right() + 3, y, 40, rowHeight), Qt::AlignLeft | Qt::AlignVCenter, text);
    } else {
      const QRectF plot = QRectF(rect()).adjusted(8, lineHeight + 4, -8, -labelHeight - 2);
      const qreal columnWidth = plot.width() / count;
      const qreal x = plot.left() + columnWidth * i;
      const qreal height = plot.height() * value / scale;
      const QRectF bar(x + columnWidth * 0.15, plot.bottom() - height, columnWidth * 0.7, height);
      painter.fillRect(bar, i % 2 ? kLacquer : kLacquer.darker(125));
      painter.drawText(QRectF(x - 2, plot.bottom() + 2, columnWidth + 4, labelHeight), Qt::AlignHCenter | Qt::AlignTop,
                       labels_.value(i));
      painter.drawText(QRectF(x - 4, bar.top() - lineHeight - 1, columnWidth + 8, lineHeight), Qt::AlignCenter, text);
    }
  }
}

}  // namespace pg::ui

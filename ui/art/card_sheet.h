// The picture sheet every card picture is cut from: 13 x 4 cells of 40 x 64, the back in cell 12.
#pragma once

#include <QPixmap>
#include <QRectF>

namespace pg::ui {

// The month and kind written in a corner of every face, for eyes that cannot go by colour.
struct CardMarks {
  bool shown = false;
  // 「菊に杯」 follows the rule that makes it a カス.
  bool kikuAsChaff = false;
};

// Logical units of the corner plate that holds a card's marks.
inline constexpr QRectF kMarkPlate(25.5, 1.5, 13, 23);

// The 520 x 256 sheet at the given device pixel ratio.
QPixmap RenderCardSheet(qreal devicePixelRatio, CardMarks marks = {});
// One 40 x 64 cell of a sheet.
QPixmap CardCell(const QPixmap& sheet, int cell);

}  // namespace pg::ui

// The picture sheet every card picture is cut from: 13 x 4 cells of 40 x 64, the back in cell 12.
#pragma once

#include <QPixmap>

namespace pg::ui {

// The 520 x 256 sheet at the given device pixel ratio.
QPixmap RenderCardSheet(qreal devicePixelRatio);
// One 40 x 64 cell of a sheet.
QPixmap CardCell(const QPixmap& sheet, int cell);

}  // namespace pg::ui

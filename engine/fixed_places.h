// The controls that keep their place through a match: faces, plates, totals, the month, the level,
// the hint markers and the yaku labels. Their places follow the screen mode's LayoutTop.
#pragma once

#include "engine/board.h"
#include "engine/table_state.h"

namespace pg {

void PlaceFixedControls(const TableState& t, Board& board);

}  // namespace pg

// Writes each fixed control's place from the layout into the board.
#include "engine/fixed_places.h"

#include "engine/geometry.h"

namespace pg {

namespace {

template <typename Control>
void MoveTo(Control& control, Point at) {
  control.left = at.x;
  control.top = at.y;
}

}  // namespace

void PlaceFixedControls(const TableState& t, Board& board) {
  for (int side = 0; side < 2; ++side) {
    const auto s = static_cast<std::size_t>(side);
    MoveTo(board.Face[s], FacePosition(t, side));
    MoveTo(board.ScoreP[s], ScorePlatePosition(t, side));
    MoveTo(board.Score[s], ScorePosition(t, side));
    for (int i = 0; i < kYakuGroups; ++i) {
      MoveTo(board.YakuState[static_cast<std::size_t>(kYakuGroups * side + i)], YakuLabelPosition(t, side, i));
    }
  }
  MoveTo(board.PnumP, MonthPlatePosition(t));
  MoveTo(board.Pnum, MonthPosition(t));
  MoveTo(board.LevelName, LevelNamePosition(t));
  for (std::size_t k = 0; k < board.PG.size(); ++k) MoveTo(board.PG[k], HintMarkerPosition(t, static_cast<int>(k)));
}

}  // namespace pg

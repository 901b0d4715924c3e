// ChangeScreen keeps every card, frame and message where it was relative to the table: only the
// play area's offset changes, and the platform maps the 760 x 542 units onto the window.
#include "play/screen_mode.h"

#include "engine/fixed_places.h"
#include "engine/game.h"
#include "engine/geometry.h"
#include "play/table_signs.h"

namespace pg {

namespace {

constexpr std::int16_t kLargeLayoutTop = 46;
constexpr std::int16_t kSmallLayoutTop = 50;
constexpr int kSmallScreenPixels = 640;

// Message sizes are fixed per mode, so switching back and forth never drifts.
std::int16_t MessageSizeFor(std::int16_t size, bool small) {
  switch (size) {
    case 24:
    case 21:
      return small ? 21 : 24;
    case 12:
    case 9:
      return small ? 9 : 12;
    default:
      return size;
  }
}

}  // namespace

void ChangeScreen(Game& game) {
  const bool small = game.options.SOption == 0;
  TableState& t = game.table;
  Board& board = game.board;
  const int shift = (small ? kSmallLayoutTop : kLargeLayoutTop) - t.LayoutTop;
  game.windowWidthTwips = small ? kSmallWindowWidthTwips : kLargeWindowWidthTwips;
  t.LayoutTop = small ? kSmallLayoutTop : kLargeLayoutTop;
  game.platform.SetScreenMode(small);
  WallPaint(game, game.options.Wall);
  for (CardPicture& card : board.Card) card.top = static_cast<std::int16_t>(card.top + shift);
  for (Shape& box : board.Box) box.top = static_cast<std::int16_t>(box.top + shift);
  for (Label& message : board.message) {
    message.top = static_cast<std::int16_t>(message.top + shift);
    message.fontSize = MessageSizeFor(message.fontSize, small);
  }
  PlaceFixedControls(t, board);
  const Point mark = DealerMarkPosition(t);
  board.oyamark.left = mark.x;
  board.oyamark.top = mark.y;
  ShowTableSigns(game);
  game.platform.Redraw();
}

bool ChooseScreenModeAtStart(Game& game) {
  const bool smallScreen = game.platform.ScreenWidthPixels() == kSmallScreenPixels;
  if (!smallScreen && game.options.SOption != 0) {
    game.table.LayoutTop = kLargeLayoutTop;
    PlaceFixedControls(game.table, game.board);
    return false;
  }
  game.options.SOption = 0;
  ChangeScreen(game);
  if (smallScreen) game.options.SOption1Enabled = false;
  return true;
}

}  // namespace pg

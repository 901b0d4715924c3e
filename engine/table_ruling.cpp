// Capture-area ruling: brackets open to the left, one per class and side.
#include "engine/table_ruling.h"

#include "engine/game.h"
#include "records/player_text.h"

namespace pg {

namespace {

void Bracket(Background& background, int x0, int x1, int y0) {
  auto s = [](int v) { return static_cast<std::int16_t>(v); };
  background.lines.push_back({s(x0), s(y0), s(x1 - 1), s(y0)});
  background.lines.push_back({s(x1), s(y0), s(x1), s(y0 + 66)});
  background.lines.push_back({s(x0), s(y0 + 66), s(x1 - 1), s(y0 + 66)});
}

void Caption(Background& background, const std::string& text, int left, int top, int size) {
  background.captions.push_back(
      {text, static_cast<std::int16_t>(left), static_cast<std::int16_t>(top), static_cast<std::int16_t>(size)});
}

}  // namespace

void DrawLine(Game& game) {
  Background& background = game.board.background;
  // Drawing again over the same wallpaper changes nothing.
  background = {};
  const int base = game.table.LayoutTop;
  const int size = game.SmallScreen() ? 22 : 28;
  for (int s = 0; s < 2; ++s) {
    Bracket(background, 449, 745, base + 13 + 404 * s);
    Caption(background, Tr("カス札"), 545, base + 27 + 404 * s, size);
  }
  for (int s = 0; s < 2; ++s) {
    Bracket(background, 449, 745, base + 91 + 248 * s);
    Caption(background, Tr("短冊札"), 537, base + 105 + 248 * s, size);
  }
  for (int c = 0; c < 2; ++c) {
    for (int r = 0; r < 2; ++r) {
      Bracket(background, 449 + 176 * c, 609 + 136 * c, base + 169 + 92 * r);
      Caption(background, c == 0 ? Tr("10点札") : Tr("20点札"), 473 + 152 * c, base + 183 + 92 * r, size);
    }
  }
  game.platform.Redraw();
}

}  // namespace pg

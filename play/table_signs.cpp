// The prompt and the こいこい marks follow the phase, so every way a phase changes (a click, a key,
// a menu command) leaves them right once the handler has run.
#include "play/table_signs.h"

#include "engine/game.h"
#include "engine/geometry.h"
#include "records/player_text.h"

namespace pg {

namespace {

constexpr const char* kNextPrompt = PG_TEXT("クリックで次へ");
constexpr const char* kKoiKoi = PG_TEXT("こいこい");
constexpr Rgb kPromptBack{255, 255, 225};
constexpr Rgb kKoiKoiBack{255, 96, 64};

int SignSize(const Game& game) { return game.SmallScreen() ? 9 : 12; }
// The mark fits the width of the face it lies on.
int MarkSize(const Game& game) { return game.SmallScreen() ? 8 : 11; }

bool MonthBeingPlayed(Phase phase) {
  return phase == Phase::PlayerToPlay || phase == Phase::HandChoice || phase == Phase::StockChoice;
}

void PlacePrompt(Game& game) {
  Label& prompt = game.board.prompt;
  const Phase phase = game.table.Phase;
  prompt.visible = phase == Phase::DealerKnown || phase == Phase::MonthOver;
  if (!prompt.visible) return;
  const Point centre = NextPromptCentre(game.table, phase == Phase::DealerKnown);
  prompt.caption = Tr(kNextPrompt);
  prompt.fontSize = static_cast<std::int16_t>(SignSize(game));
  prompt.left = static_cast<std::int16_t>(centre.x - game.platform.TextWidth(prompt.caption, prompt.fontSize) / 2);
  prompt.top = centre.y;
  prompt.opaque = true;
  prompt.back = kPromptBack;
}

void PlaceKoiKoiMark(Game& game, int side) {
  Label& mark = game.board.koikoi[side];
  const Point at = KoiKoiMarkPosition(game.table, side);
  mark.caption = Tr(kKoiKoi);
  mark.fontSize = static_cast<std::int16_t>(MarkSize(game));
  mark.left = at.x;
  mark.top = at.y;
  mark.opaque = true;
  mark.back = kKoiKoiBack;
}

}  // namespace

void ShowTableSigns(Game& game) {
  PlacePrompt(game);
  const bool keep = MonthBeingPlayed(game.table.Phase);
  for (int side = 0; side < 2; ++side) {
    Label& mark = game.board.koikoi[side];
    mark.visible = mark.visible && keep;
    if (mark.visible) PlaceKoiKoiMark(game, side);
  }
}

void MarkKoiKoi(Game& game, int side) {
  PlaceKoiKoiMark(game, side);
  game.board.koikoi[side].visible = true;
}

}  // namespace pg

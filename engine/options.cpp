// Applying the wallpaper and face options to the main window.
#include "engine/options.h"

#include "engine/card.h"
#include "engine/game.h"
#include "engine/table_ruling.h"

namespace pg {

namespace {

constexpr const char* kOriginalFace = "Original";

void NewBackground(Game& game, const std::string& path) {
  game.board.background = {};
  if (path.empty()) {
    game.platform.ClearBackground();
    return;
  }
  if (game.platform.LoadBackground(path) == PictureLoad::NotFound) {
    game.options.WFileName.clear();
    game.options.Wall = 3;
    game.platform.ClearBackground();
    if (MonthInPlay(game)) DrawLine(game);
    game.platform.ShowMessage("ﾌｧｲﾙが見つかりません。", "エラー", MessageIcon::Exclamation, MessageButtons::Ok);
  }
}

}  // namespace

bool MonthInPlay(const Game& game) {
  const Phase phase = game.options.JudgeMode;
  return phase >= Phase::PlayerToPlay && phase <= Phase::MonthOver;
}

void WallPaint(Game& game, int index) {
  if (index < 3) {
    NewBackground(game, game.options.directory + "wall" + HexDigit(index + 1) + ".bmp");
  } else {
    NewBackground(game, game.options.WFileName);
  }
  if (MonthInPlay(game)) DrawLine(game);
}

void FacePaint(Game& game, int index) {
  std::string& file = game.options.FFileName[index];
  if (file == kOriginalFace || game.platform.LoadFace(index, file) == PictureLoad::NotFound) {
    file = kOriginalFace;
    game.platform.LoadFace(index, "");
  }
}

}  // namespace pg

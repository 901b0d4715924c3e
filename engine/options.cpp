// Applying the wallpaper and face options to the main window.
#include "engine/options.h"

#include "engine/card.h"
#include "engine/game.h"
#include "engine/table_ruling.h"
#include "records/player_text.h"

namespace pg {

namespace {

constexpr const char* kOriginalFace = "Original";

// A picture that is there but cannot be read (a metafile, a damaged file) is refused with a word,
// and what was shown before stays.
void RefusePicture(const Game& game, const std::string& path) {
  game.platform.ShowMessage(Tr("この画像は表示できません。") + "\n" + path, Tr("エラー"), MessageIcon::Exclamation,
                            MessageButtons::Ok);
}

void NewBackground(Game& game, const std::string& path) {
  if (path.empty()) {
    game.board.background = {};
    game.platform.ClearBackground();
    return;
  }
  const PictureLoad load = game.platform.LoadBackground(path);
  if (load == PictureLoad::Failed) {
    RefusePicture(game, path);
    return;
  }
  game.board.background = {};
  if (load == PictureLoad::NotFound) {
    game.options.WFileName.clear();
    game.options.Wall = 3;
    game.platform.ClearBackground();
    if (MonthInPlay(game)) DrawLine(game);
    game.platform.ShowMessage(Tr("ﾌｧｲﾙが見つかりません。"), Tr("エラー"), MessageIcon::Exclamation, MessageButtons::Ok);
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
  game.board.ownWallpaper = game.options.Wall == 3 && !game.options.WFileName.empty();
  if (MonthInPlay(game)) DrawLine(game);
}

bool ShowsBuiltInFace(const Game& game, int index) { return game.options.FFileName[index] == kOriginalFace; }

void FacePaint(Game& game, int index) {
  std::string& file = game.options.FFileName[index];
  const PictureLoad load = ShowsBuiltInFace(game, index) ? PictureLoad::NotFound : game.platform.LoadFace(index, file);
  if (load == PictureLoad::Failed) {
    RefusePicture(game, file);
    file = kOriginalFace;
  }
  if (load != PictureLoad::Loaded) {
    file = kOriginalFace;
    game.platform.LoadFace(index, "");
  }
}

}  // namespace pg

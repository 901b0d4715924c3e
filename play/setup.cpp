// Start-up, a new match and the display reset of a match's first month.
#include "play/setup.h"

#include "engine/animation.h"
#include "engine/game.h"
#include "engine/status_apply.h"
#include "engine/table_ruling.h"
#include "engine/text.h"
#include "engine/window_place.h"
#include "play/dealer_decision.h"
#include "play/hints.h"
#include "play/level_setting.h"
#include "play/match_inputs.h"
#include "play/screen_mode.h"
#include "play/table_look.h"
#include "play/table_signs.h"

namespace pg {

void setup(Game& game) {
  game.SeedRandoms(game.platform.Now());
  ApplyStatusRecords(game, game.KeepsRecords() ? LoadStatusFile(game.statusPath) : DefaultStatusRecords());
  LoadLevelSetting(game);
  // A missing wallpaper is reported once, not again for the switch of mode.
  if (!ChooseScreenModeAtStart(game)) WallPaint(game, game.options.Wall);
  ApplyTableSizeAtStart(game);
  // After the mode is chosen: the main window's size decides whether it fits where it was.
  PlaceStoredWindows(game);
  FacePaint(game, 0);
  FacePaint(game, 1);
}

void StartGame(Game& game) {
  ClearForMatch(game);
  oya1(game);
}

void ClearForMatch(Game& game) {
  Board& board = game.board;
  game.dealCode.reset();
  game.dailyDate.clear();
  // A level chosen during a match waits for the next one.
  game.level = game.nextLevel;
  board.LevelName.caption = LevelNameCaption(game.level);
  board.LevelName.visible = false;
  // Ahead of the phase, so that the wallpaper is painted without the capture-area ruling.
  game.options.JudgeMode = Phase::Idle;
  WallPaint(game, game.options.Wall);
  board.HideMatch();
  for (Label& message : board.message) message.enabled = message.visible = false;
  game.table.BestMonthPoints.fill(0);
  game.table.BestMonthText.fill("");
  for (Shape& marker : board.PG) marker.visible = false;
  // A match abandoned while the player was choosing would otherwise keep its frames on the table.
  for (Shape& frame : board.Box) frame.visible = false;
  DropHints(game);
  NoteMatchStart(game);
  board.review.visible = false;
  CZOrder(game);
  game.SetPhase(Phase::DealerDraw);
  ShowTableSigns(game);
}

void GameSetUp(Game& game) {
  Board& board = game.board;
  DrawLine(game);
  for (Shape& face : board.Face) face.visible = true;
  // Both totals start again; their labels read a plain "0" until a payment writes the number form.
  game.table.matchScore.fill(0);
  for (int k = 0; k < 2; ++k) {
    board.ScoreP[k].visible = true;
    board.Score[k].visible = board.Score[k].enabled = true;
    board.Score[k].caption = Digits(game.table.matchScore[1 - k]);
    game.platform.Redraw();
  }
  board.LevelName.visible = true;
  board.PnumP.visible = true;
  board.Pnum.visible = board.Pnum.enabled = true;
}

}  // namespace pg

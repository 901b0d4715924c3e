// The high-score update after a match: the file is read and written only while this copy holds the
// lock, so two copies finishing together never lose each other's entries.
#include "play/hi_score.h"

#include <string_view>

#include "engine/game.h"
#include "engine/geometry.h"
#include "play/menu.h"
#include "play/status_lock.h"
#include "records/high_scores.h"
#include "records/player_text.h"

namespace pg {

namespace {

constexpr const char* kWhat = PG_TEXT("ハイスコア");
// Matches against the gentle teacher are practice: they never enter the tables.
constexpr Level kPracticeLevel = Level::Beginner;

MatchResult ResultOf(const TableState& table) {
  return {table.matchScore[0], table.matchScore[1], table.BestMonthPoints, table.BestMonthText};
}

void ShowTables(Game& game, const HighScoreUpdate& update) {
  ScoreDialogState& score = game.scoreDialog;
  score.total = update.total;
  score.game = update.game;
  score.totalBold = update.totalBold;
  score.gameBold = update.gameBold;
}

bool IsBlank(std::string_view name) {
  constexpr std::string_view kIdeographicSpace = PG_JAPANESE_DATA("　");
  while (!name.empty()) {
    if (name.front() == ' ') {
      name.remove_prefix(1);
    } else if (name.starts_with(kIdeographicSpace)) {
      name.remove_prefix(kIdeographicSpace.size());
    } else {
      return false;
    }
  }
  return true;
}

}  // namespace

void StartHiScoreUpdate(Game& game) {
  // The tables hold unaided play only: a match with hints or counsel shown is kept out.
  if (game.level == kPracticeLevel || game.assisted) return;
  switch (TakeStatusLock(game, kWhat)) {
    case LockOutcome::Acquired:
      HiScoreSub(game);
      break;
    case LockOutcome::Busy:
      WaitForStatusLock(game, Timer::HiScore, false);
      break;
    case LockOutcome::Failed:
      break;
  }
}

void HiScoreTimer_Timer(Game& game) {
  if (TakeStatusLock(game, kWhat) == LockOutcome::Busy) return;
  StopWaitingForStatusLock(game, Timer::HiScore);
  if (game.statusLock->Held()) HiScoreSub(game);
}

void HiScoreSub(Game& game) {
  const HighScoreTables stored = ReadHighScores(game.statusPath);
  HighScoreUpdate update = MergeHighScores(stored.total, stored.game, ResultOf(game.table));
  NameDialogState& dialog = game.inputName;
  dialog.totalLine = TotalLine(update);
  dialog.totalVisible = update.EnteredTotal();
  dialog.gameLine = GameLine(update);
  dialog.gameVisible = update.EnteredGame();
  dialog.resultTop = MatchResultTop(game.table, 0);
  if (!update.EnteredTotal() && !update.EnteredGame()) {
    ReleaseStatusLock(game, kWhat);
    return;
  }
  game.platform.RunModal(Dialog::InputName);
  NameNewRows(update, dialog.InputName);
  if (const auto error = SaveHighScores(game.statusPath, update.total, update.game)) {
    ReportSaveFailure(game, kWhat, *error);
  }
  ReleaseStatusLock(game, kWhat);
  ShowTables(game, update);
  // A lost match can still enter the month table; it opens on the table entered.
  game.scoreDialog.page = update.EnteredTotal() ? ScorePage::Total : ScorePage::Game;
  game.platform.RunModal(Dialog::Score);
  game.scoreDialog.page.reset();
  game.scoreDialog.totalBold.fill(false);
  game.scoreDialog.gameBold.fill(false);
}

void MenuHiScore(Game& game) {
  const HighScoreTables stored = ReadHighScores(game.statusPath);
  HighScoreUpdate shown;
  shown.total = stored.total;
  shown.game = stored.game;
  ShowTables(game, shown);
  ShowMenuDialog(game, Dialog::Score);
}

void InputNameOk(const Game& game) {
  // Blanks alone would be stored as a name that reads back as none.
  if (IsBlank(game.inputName.InputName)) {
    game.platform.ShowMessage(Tr("名前が入力されていません。"), Tr("入力エラー"), MessageIcon::Exclamation,
                              MessageButtons::Ok);
    return;
  }
  game.platform.EndModal(Dialog::InputName);
}

void FormScoreOk(const Game& game) { game.platform.EndModal(Dialog::Score); }

}  // namespace pg

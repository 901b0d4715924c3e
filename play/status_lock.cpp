// The lock object lives as long as the game: the OS lock it holds is what tells other copies that
// this copy's -1 in record 6 is still alive.
#include "play/status_lock.h"

#include <memory>
#include <string>

#include "engine/game.h"
#include "records/player_text.h"

namespace pg {

LockOutcome TakeStatusLock(Game& game, std::string_view what) {
  if (!game.statusLock) game.statusLock = std::make_unique<StatusFileLock>(game.statusPath);
  const LockAttempt attempt = game.statusLock->TryAcquire();
  if (attempt.outcome == LockOutcome::Failed) ReportSaveFailure(game, what, attempt.error);
  return attempt.outcome;
}

void WaitForStatusLock(Game& game, Timer timer, bool wayBack) {
  constexpr int kRetryMs = 1000;
  game.wait.wayBack = wayBack;
  game.platform.SetWaitCursor(true);
  game.platform.StartTimer(timer, kRetryMs);
  game.platform.RunModal(Dialog::Wait);
}

void StopWaitingForStatusLock(const Game& game, Timer timer) {
  game.platform.StopTimer(timer);
  game.platform.EndModal(Dialog::Wait);
  game.platform.SetWaitCursor(false);
}

void ReleaseStatusLock(Game& game, std::string_view what) {
  if (!game.statusLock || !game.statusLock->Held()) return;
  if (const auto error = game.statusLock->Release()) ReportSaveFailure(game, what, *error);
}

void ReportSaveFailure(const Game& game, std::string_view what, const StatusFileError& error) {
  const std::string text = Fill(Tr("%1を保存できませんでした。"), {Tr(std::string(what).c_str())}) + "\n" + error.reason;
  game.platform.ShowMessage(text, Tr("エラー"), MessageIcon::Exclamation, MessageButtons::Ok);
}

}  // namespace pg

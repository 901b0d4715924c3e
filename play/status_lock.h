// Taking and giving back the status file's lock, with the player told when the file cannot be used.
#pragma once

#include <string_view>

#include "engine/platform.h"
#include "records/status_file.h"

namespace pg {

struct Game;

// Never waits: Busy while another copy of the game holds the lock. When the lock cannot be taken
// at all, the player is told that `what` cannot be saved.
LockOutcome TakeStatusLock(Game& game, std::string_view what);
// Waits for another copy's lock behind the wait window, retrying on `timer` once a second; at
// exit the window also offers the way back to the game.
void WaitForStatusLock(Game& game, Timer timer, bool wayBack);
// The wait is over: the lock was taken, the player went back, or the file cannot be used.
void StopWaitingForStatusLock(const Game& game, Timer timer);
// Gives the lock back. A failure is reported under `what` ("設定" or "ハイスコア").
void ReleaseStatusLock(Game& game, std::string_view what);
// Tells the player that `what` could not be saved, and why.
void ReportSaveFailure(const Game& game, std::string_view what, const StatusFileError& error);

}  // namespace pg

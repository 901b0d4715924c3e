// Ending the game. The save happens only under the status file's lock; a copy that waits for it may
// go back to its game, since the other copy may hold the lock for as long as its name dialog is open.
#include "play/ending.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "engine/game.h"
#include "play/kept_match.h"
#include "play/menu.h"
#include "play/status_lock.h"
#include "records/player_text.h"

namespace pg {

namespace {

constexpr const char* kWhat = PG_TEXT("設定");

// Halves go to the even neighbour, and places beyond what 16 bits hold stop at their edge.
std::int16_t StoredTwips(double twips) {
  const double rounded = std::nearbyint(twips);
  return static_cast<std::int16_t>(std::clamp(rounded, -32768.0, 32767.0));
}

// A window the platform does not show keeps the place it was loaded with.
WindowPositions CurrentPlaces(const Game& game) {
  WindowPositions places = game.table.status.windows;
  for (int w = 0; w < kStoredWindows; ++w) {
    const auto origin = game.platform.NormalWindowOrigin(static_cast<Window>(w));
    if (!origin) continue;
    places.left[w] = StoredTwips(origin->left);
    places.top[w] = StoredTwips(origin->top);
  }
  return places;
}

OptionSettings CurrentOptions(const OptionControls& o) {
  OptionSettings settings;
  settings.Speed = o.Slider;
  settings.WallChoice = o.Wall;
  settings.WallFile = o.WFileName;
  settings.ScreenMode = o.SOption;
  settings.YakuDisplay = static_cast<std::int16_t>(o.DekiYaku);
  settings.FaceFile0 = o.FFileName[0];
  settings.FaceFile1 = o.FFileName[1];
  return settings;
}

}  // namespace

void Ending(Game& game) {
  // A match under way is kept for the next start. One that cannot be kept is stored as given up:
  // the player is told so, and a stray Enter keeps it.
  const bool inMatch = MonthInPlay(game);
  const bool kept = inMatch && CanKeepMatch(game);
  const bool givenUp = inMatch && !kept;
  const std::string text = Tr("Petalgame 32 を終了しますか。") +
                           (kept ? "\n" + Tr(kKeptMatch) : givenUp ? "\n" + Tr(kGivenUpMatch) : "");
  const MessageAnswer answer = game.platform.ShowMessage(
      text, "Petalgame 32", MessageIcon::Question, givenUp ? MessageButtons::YesNoDefaultNo : MessageButtons::YesNo);
  if (answer != MessageAnswer::Yes) return;
  // A click still running (the computer thinking) is played again from its start when the match is taken up.
  game.ending = true;
  switch (TakeStatusLock(game, kWhat)) {
    case LockOutcome::Acquired:
      EndingSub(game);
      break;
    case LockOutcome::Busy:
      WaitForStatusLock(game, Timer::Ending, true);
      break;
    case LockOutcome::Failed:
      // Told already that nothing can be saved; the player asked to end, so the game ends.
      game.platform.Quit();
      break;
  }
}

void MenuEnd(Game& game) {
  ArmMenuGuard(game);
  Ending(game);
}

void Form_QueryUnload(Game& game) { Ending(game); }

void EndingTimer_Timer(Game& game) {
  const LockOutcome outcome = TakeStatusLock(game, kWhat);
  if (outcome == LockOutcome::Busy) return;
  StopWaitingForStatusLock(game, Timer::Ending);
  if (outcome == LockOutcome::Acquired) {
    EndingSub(game);
  } else {
    game.platform.Quit();
  }
}

void EndingSub(Game& game) {
  const WindowPositions places = CurrentPlaces(game);
  if (const auto error =
          SaveExitRecords(game.statusPath, places, CurrentOptions(game.options), SettingsOf(game.rules))) {
    ReportSaveFailure(game, kWhat, *error);
  }
  ReleaseStatusLock(game, kWhat);
  game.platform.Quit();
}

void WaitWayBack(const Game& game) { StopWaitingForStatusLock(game, Timer::Ending); }

}  // namespace pg

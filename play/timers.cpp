// Timer ticks from the platform, passed to the procedure that owns the timer.
#include "play/timers.h"

#include "engine/game.h"
#include "rules/win_dialog.h"

namespace pg {

void TimerTick(Game& game, Timer timer) {
  switch (timer) {
    case Timer::Agari:
      AgariTimerTick(game);
      break;
    case Timer::MenuGuard:
    case Timer::Ending:
    case Timer::HiScore:
      game.platform.StopTimer(timer);
      break;
  }
}

}  // namespace pg

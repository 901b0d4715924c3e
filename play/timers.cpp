// Timer ticks from the platform, passed to the procedure that owns the timer.
#include "play/timers.h"

#include "engine/game.h"
#include "play/agari.h"
#include "play/ending.h"
#include "play/hi_score.h"
#include "play/menu.h"

namespace pg {

void TimerTick(Game& game, Timer timer) {
  switch (timer) {
    case Timer::Agari:
      AgariTimerTick(game);
      break;
    case Timer::MenuGuard:
      MenuGuardTimer_Timer(game);
      break;
    case Timer::Ending:
      EndingTimer_Timer(game);
      break;
    case Timer::HiScore:
      HiScoreTimer_Timer(game);
      break;
  }
}

}  // namespace pg

// The win dialog is the one dialog a replay opens; it is answered at once, payment and all.
#include "play/silent_platform.h"

#include "engine/game.h"
#include "play/agari.h"

namespace pg {

void SilentPlatform::RunModal(Dialog dialog) {
  if (dialog != Dialog::Agari || !game_) return;
  int button = answer_();
  if (button < 0) {
    // The month cannot go on as stored; the first button closes the dialog and the step is refused.
    refused_ = true;
    button = 0;
  }
  AgariCommandClick(*game_, button);
  AgariTimerTick(*game_);
}

}  // namespace pg

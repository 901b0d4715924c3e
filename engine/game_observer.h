// What a watcher of whole games (the self-play log, the soak test) is told as play goes on.
#pragma once

#include "engine/card.h"
#include "engine/win_code.h"

namespace pg {

class GameObserver {
 public:
  virtual ~GameObserver() = default;
  virtual void DealerDecided(int /*playerPick*/, int /*computerPick*/) {}
  virtual void Dealt() {}
  // One card of side `side` went to its capture pile.
  virtual void Captured(int /*side*/, CardCode /*code*/) {}
  // A card put into play is played out: it lies on the table or has taken its cards.
  virtual void PlayFinished(CardCode /*card*/) {}
  virtual void LabelsRefreshed(int /*side*/) {}
  virtual void AgariClosed(WinCode /*code*/, int /*side*/) {}
  virtual void MonthEnded() {}
  virtual void MatchEnded() {}
};

}  // namespace pg

// Several watchers on the one observer slot a game has: the log and, in tests, the checks.
#pragma once

#include <vector>

#include "engine/game_observer.h"

namespace pg::selfplay {

// Tells every watcher of each event, in the order they were added.
class ObserverList : public GameObserver {
 public:
  void Add(GameObserver& watcher) { watchers_.push_back(&watcher); }

  void DealerDecided(int playerPick, int computerPick) override;
  void Dealt() override;
  void Captured(int side, CardCode code) override;
  void PlayFinished(CardCode card) override;
  void LabelsRefreshed(int side) override;
  void AgariClosed(WinCode code, int side) override;
  void MonthEnded() override;
  void MatchEnded() override;

 private:
  std::vector<GameObserver*> watchers_;
};

}  // namespace pg::selfplay

// Passing each game event on to every watcher.
#include "tools/selfplay/observer_list.h"

namespace pg::selfplay {

void ObserverList::DealerDecided(int playerPick, int computerPick) {
  for (GameObserver* w : watchers_) w->DealerDecided(playerPick, computerPick);
}

void ObserverList::Dealt() {
  for (GameObserver* w : watchers_) w->Dealt();
}

void ObserverList::Captured(int side, CardCode code) {
  for (GameObserver* w : watchers_) w->Captured(side, code);
}

void ObserverList::PlayFinished(CardCode card) {
  for (GameObserver* w : watchers_) w->PlayFinished(card);
}

void ObserverList::LabelsRefreshed(int side) {
  for (GameObserver* w : watchers_) w->LabelsRefreshed(side);
}

void ObserverList::AgariClosed(WinCode code, int side) {
  for (GameObserver* w : watchers_) w->AgariClosed(code, side);
}

void ObserverList::MonthEnded() {
  for (GameObserver* w : watchers_) w->MonthEnded();
}

void ObserverList::MatchEnded() {
  for (GameObserver* w : watchers_) w->MatchEnded();
}

}  // namespace pg::selfplay

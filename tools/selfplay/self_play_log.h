// The self-play log: one JSON line per match start, dealer draw, deal, play, label refresh,
// win dialog, month end and match end.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "engine/deal_code.h"
#include "engine/game_observer.h"

namespace pg {
struct Game;
}

namespace pg::selfplay {

class SelfPlayLog : public GameObserver {
 public:
  SelfPlayLog(const Game& game, std::ostream& out) : game_(game), out_(out) {}

  // A match dealt from a code carries it in its line.
  void MatchStarted(int match, const std::optional<DealCode>& dealCode);
  // The player's table card of a two-way choice, written with the play it completes.
  void ChoiceMade(CardCode code) { chose_ = code; }
  // Called as a win dialog's button is pressed, before the payment runs its total down.
  void DialogAnswered(const std::string& decision);

  void DealerDecided(int playerPick, int computerPick) override;
  void Dealt() override;
  void Captured(int side, CardCode code) override;
  void PlayFinished(CardCode card) override;
  void LabelsRefreshed(int side) override;
  void AgariClosed(WinCode code, int side) override;
  void MonthEnded() override;
  void MatchEnded() override;

 private:
  const Game& game_;
  std::ostream& out_;
  std::vector<CardCode> captured_;
  std::optional<CardCode> chose_;
  // The win dialog as it was shown and answered.
  struct Answer {
    std::string rows;
    bool bonus = false;
    std::string sum;
    std::string note;
    std::string decision;
  } answer_;
};

}  // namespace pg::selfplay

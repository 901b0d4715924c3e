// The player's side of a self-played match, and the clicks that carry a match to its end.
#include "tools/selfplay/self_play.h"

#include <cstdint>
#include <stdexcept>
#include <string>

#include "play/agari.h"
#include "play/coded_match.h"
#include "play/setup.h"
#include "play/timers.h"
#include "play/turn_driver.h"

namespace pg::selfplay {

namespace {

constexpr int kDealerCandidates = 12;
// Mixed into the seed for the player's choices, so they never follow the game's own sequence.
constexpr std::uint64_t kPlayerStream = 0x706C61796572ull;
// A month takes at most 8 hand cards, 16 two-way choices and one click to end it.
constexpr int kMaxClicksPerMatch = 12 * 25;

}  // namespace

SelfPlay::SelfPlay(const SelfPlayOptions& options, std::ostream& out)
    : matches_(options.matches), dealCode_(options.dealCode), choices_(options.seed ^ kPlayerStream), log_(game_, out) {
  platform_.onModal = [this](Dialog dialog) { AnswerDialog(dialog); };
  platform_.onTimer = [this](Timer timer) { TimerTick(game_, timer); };
  setup(game_);
  game_.rules = options.rules;
  game_.SeedRandoms(options.seed);
  game_.level = game_.nextLevel = options.level;
  observers_.Add(log_);
  game_.observer = &observers_;
}

void SelfPlay::Run() {
  for (int match = 0; match < matches_; ++match) PlayMatch(match);
}

void SelfPlay::PlayMatch(int match) {
  log_.MatchStarted(match, dealCode_);
  if (dealCode_) {
    // A coded match names its dealer: there is no draw to pick from.
    StartCodedGame(game_, *dealCode_);
  } else {
    // After the first match the click that ends the result screen starts the next draw.
    if (game_.table.Phase == Phase::MatchOver) {
      Form_Click(game_);
    } else {
      StartGame(game_);
    }
    Card_Click(game_, choices_.Below(kDealerCandidates));
  }
  Form_Click(game_);
  for (int clicks = 0; game_.table.Phase != Phase::MatchOver; ++clicks) {
    if (clicks == kMaxClicksPerMatch) {
      throw std::runtime_error("match " + std::to_string(match) + " did not end after " + std::to_string(clicks) +
                               " clicks");
    }
    Click();
  }
}

void SelfPlay::Click() {
  const TableState& t = game_.table;
  switch (t.Phase) {
    case Phase::PlayerToPlay: {
      const int k = choices_.Below(CardsInHand(t, 0));
      Card_Click(game_, t.HandCard[0][k].pic);
      break;
    }
    case Phase::HandChoice:
    case Phase::StockChoice: {
      const Slot chosen = t.FieldCard[t.SameSlot[choices_.Below(2)]];
      log_.ChoiceMade(chosen.code);
      Card_Click(game_, chosen.pic);
      break;
    }
    case Phase::MonthOver:
      Form_Click(game_);
      break;
    default:
      throw std::runtime_error("month " + std::to_string(t.GameNum) + " stopped in phase " +
                               std::to_string(static_cast<int>(t.Phase)));
  }
}

void SelfPlay::AnswerDialog(Dialog dialog) {
  if (dialog != Dialog::Agari) throw std::runtime_error("a dialog other than the win dialog was shown");
  const WinDialogState& d = game_.agari;
  // The third button shows the computer's own decision; the player only acknowledges it.
  int button = 0;
  if (d.Command1[2].visible) {
    button = 2;
  } else if (d.Command1[1].visible) {
    button = d.Command1[0].enabled && choices_.Below(2) == 0 ? 0 : 1;
  }
  log_.DialogAnswered(d.Command1[button].caption);
  AgariCommandClick(game_, button);
}

}  // namespace pg::selfplay

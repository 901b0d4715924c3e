// Thousands of self-played matches under varied rules, with the table's books checked after every play.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "engine/game.h"
#include "rules/capture.h"
#include "tools/selfplay/self_play.h"

namespace pg::selfplay {
namespace {

constexpr int kSeeds = 1250;
constexpr int kMatchesPerSeed = 4;
constexpr std::size_t kFaultsKept = 20;

// Every rule combination turns up across the seeds: bits for the four switches, the two values cycling.
SelfPlayOptions OptionsFor(std::uint64_t seed) {
  SelfPlayOptions options;
  options.seed = seed;
  options.matches = kMatchesPerSeed;
  for (std::size_t i = 0; i < 4; ++i) options.rules.option[i] = static_cast<std::int16_t>((seed >> i) & 1);
  const int points[2] = {static_cast<int>(1 + seed % 5), static_cast<int>(1 + seed / 5 % 5)};
  for (int i = 0; i < 2; ++i) options.rules.SetPoints(i, static_cast<std::int16_t>(points[i]));
  return options;
}

// The self-play tool's arguments that replay the same matches.
std::string CommandLine(const SelfPlayOptions& options) {
  std::string rules;
  for (std::int16_t option : options.rules.option) rules += std::to_string(option) + ",";
  return "--seed " + std::to_string(options.seed) + " --matches " + std::to_string(options.matches) + " --rules " +
         rules + options.rules.rten[0] + "," + options.rules.rten[1];
}

// Keeps its own capture piles from the events and holds the table to them.
class BookKeeper : public GameObserver {
 public:
  BookKeeper(const Game& game, std::string run, std::vector<std::string>& faults)
      : game_(game), run_(std::move(run)), faults_(faults) {}

  void DealerDecided(int, int) override {
    ++match_;
    paid_ = {0, 0};
    monthsEnded_ = 0;
  }
  void Dealt() override {
    if (game_.table.GameNum != monthsEnded_ + 1) {
      Fault("dealt after " + std::to_string(monthsEnded_) + " months were reported over");
      monthsEnded_ = game_.table.GameNum - 1;
    }
    piles_ = {};
    counts_ = game_.table.YakuCount;
  }
  void Captured(int side, CardCode code) override {
    piles_[side].push_back(code);
    took_.push_back(code);
  }
  void PlayFinished(CardCode card) override {
    CheckMonths(card);
    CheckCards(card);
    CheckCountsRise();
  }
  void LabelsRefreshed(int) override { CheckCountsRise(); }
  void AgariClosed(WinCode, int side) override {
    // A dialog answered こいこい pays nothing; 勝負 and ＯＫ pay its total.
    if (game_.agari.check == pg::WinChoice::Stop) paid_[side] += game_.agari.total;
  }
  void MonthEnded() override {
    ++monthsEnded_;
    CheckScores();
  }
  void MatchEnded() override {
    if (monthsEnded_ != 12) Fault("the match ended after " + std::to_string(monthsEnded_) + " months");
    CheckScores();
  }

 private:
  void Fault(const std::string& what) {
    if (faults_.size() >= kFaultsKept) return;
    const TableState& t = game_.table;
    faults_.push_back(run_ + ", match " + std::to_string(match_) + " month " + std::to_string(t.GameNum) + " step " +
                      std::to_string(static_cast<int>(t.TurnStep)) + ": " + what);
  }

  // A hand ends at an emptied slot or at the stale copy its last card leaves when it closes up.
  std::vector<CardCode> Hand(int side) const {
    std::vector<CardCode> cards;
    for (const Slot& slot : game_.table.HandCard[side]) {
      if (slot.code == kEmptySlot || std::find(cards.begin(), cards.end(), slot.code) != cards.end()) break;
      cards.push_back(slot.code);
    }
    return cards;
  }

  // The dealer's first card also takes any month dealt to the table four times; otherwise a card
  // takes only its own month.
  void CheckMonths(CardCode played) {
    const TableState& t = game_.table;
    const bool dealersFirst = !IsStockPlay(t.TurnStep) && t.HandLeft == 15;
    for (CardCode code : took_) {
      if (!SameMonth(code, played) && !dealersFirst) Fault(played.Text() + " took " + code.Text());
    }
    took_.clear();
  }

  // The card just played is still in its hand or on the stock, and already on the table or a pile.
  void CheckCards(CardCode played) {
    const TableState& t = game_.table;
    if (t.FieldCount < 0 || t.FieldCount > kTableSlots) {
      return Fault("FieldCount " + std::to_string(t.FieldCount));
    }
    std::array<int, kCardCount> seen{};
    bool valid = true;
    auto see = [&](CardCode code, const char* where) {
      const int month = code.IsEmpty() || code == kEmptySlot ? 0 : MonthOf(code);
      const int rank = month == 0 ? 0 : RankOf(code);
      if (month < 1 || month > 12 || rank < 1 || rank > 4) {
        Fault(std::string("'") + code.Text() + "' in " + where);
        valid = false;
        return;
      }
      ++seen[static_cast<std::size_t>(CardIndex(code))];
    };
    std::size_t held = 0;
    for (int side = 0; side < 2; ++side) {
      const std::vector<CardCode> hand = Hand(side);
      held += hand.size();
      for (CardCode code : hand) see(code, "a hand");
    }
    for (int s = 0; s < t.FieldCount; ++s) see(t.FieldCard[s].code, "the table");
    for (int i = kCardCount - t.StockLeft; i < kCardCount; ++i) see(t.Deck[i], "the stock");
    for (const auto& pile : piles_) {
      for (CardCode code : pile) see(code, "a capture pile");
    }
    if (!valid) return;
    for (int n = 0; n < kCardCount; ++n) {
      const int expected = CodeOf(n) == played ? 2 : 1;
      if (seen[n] != expected) {
        Fault(CodeOf(n).Text() + " found " + std::to_string(seen[n]) + " times, playing " + played.Text());
      }
    }
    const int inHand = t.HandLeft + (IsStockPlay(t.TurnStep) ? 0 : 1);
    if (static_cast<int>(held) != inHand) {
      Fault(std::to_string(held) + " cards in the hands, HandLeft " + std::to_string(t.HandLeft));
    }
    for (int side = 0; side < 2; ++side) {
      int counted = 0;
      for (CardClass pile : {CardClass::Bright, CardClass::Animal, CardClass::Ribbon, CardClass::Chaff}) {
        counted += PileSize(t, side, pile);
      }
      if (counted != static_cast<int>(piles_[side].size())) {
        Fault("side " + std::to_string(side) + " counted " + std::to_string(counted) + " captures but took " +
              std::to_string(piles_[side].size()));
      }
    }
  }

  void CheckCountsRise() {
    const auto& now = game_.table.YakuCount;
    for (int side = 0; side < 2; ++side) {
      for (YakuGroup g : kAllYakuGroups) {
        if (now[side][g] < counts_[side][g]) {
          Fault("YakuCount(" + std::to_string(side) + ", " + std::to_string(IndexOf(g)) + ") fell from " +
                std::to_string(counts_[side][g]) + " to " + std::to_string(now[side][g]));
        }
      }
    }
    counts_ = now;
  }

  void CheckScores() {
    const int player = game_.table.matchScore[0];
    const int computer = game_.table.matchScore[1];
    if (player != paid_[0] || computer != paid_[1]) {
      Fault("scores " + std::to_string(player) + ":" + std::to_string(computer) + " but paid " +
            std::to_string(paid_[0]) + ":" + std::to_string(paid_[1]));
    }
  }

  const Game& game_;
  std::string run_;
  std::vector<std::string>& faults_;
  int match_ = -1;
  std::array<std::vector<CardCode>, 2> piles_;
  std::vector<CardCode> took_;
  decltype(TableState::YakuCount) counts_{};
  std::array<int, 2> paid_{};
  int monthsEnded_ = 0;
};

TEST(SoakTest, SelfPlayedMatchesKeepEveryCardAndEveryPayment) {
  std::vector<std::string> faults;
  std::ostream discard(nullptr);
  for (std::uint64_t seed = 0; seed < kSeeds; ++seed) {
    const SelfPlayOptions options = OptionsFor(seed);
    SelfPlay play(options, discard);
    BookKeeper books(play.State(), CommandLine(options), faults);
    play.Watch(books);
    try {
      play.Run();
    } catch (const std::exception& e) {
      faults.push_back(CommandLine(options) + ": " + e.what());
    }
  }
  for (const std::string& fault : faults) ADD_FAILURE() << fault;
}

}  // namespace
}  // namespace pg::selfplay

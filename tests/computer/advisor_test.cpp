// The advisor: its badges are the 最強 search's own reading of the choice, they never depend on a
// card the player cannot see, and its counsel is the valuation's.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "computer/advisor.h"
#include "computer/ismcts.h"
#include "computer/win_chance.h"
#include "model/month.h"
#include "model/policy.h"
#include "model/view.h"
#include "play/counsel.h"
#include "tests/computer/chosen_positions.h"

namespace pg::computer {
namespace {

constexpr SearchBudget kBudget{400};

// The player's choices of a match the designed player plays from `seed`, while `wanted` holds.
std::vector<model::State> PlayerChoices(std::uint64_t seed, const std::function<bool(const model::State&)>& wanted,
                                        int count) {
  return Positions(model::MakeRules(true, true, false, false, 5, 5), seed,
                   [&wanted](const model::State& s) { return s.mover == 0 && wanted(s); }, count);
}

// The computer's hand and the stock dealt anew among themselves.
model::State Permuted(model::State s, std::uint64_t seed) {
  const int held = model::HandSize(s, 1);
  const int drawn = model::kStockCards - s.stockLeft;
  std::vector<std::uint8_t> hidden(s.handOrder[1].begin(), s.handOrder[1].begin() + held);
  hidden.insert(hidden.end(), s.stock.begin() + drawn, s.stock.end());
  Random random(seed);
  for (int i = static_cast<int>(hidden.size()) - 1; i > 0; --i) {
    std::swap(hidden[static_cast<std::size_t>(i)], hidden[static_cast<std::size_t>(random.Below(i + 1))]);
  }
  s.hand[1] = 0;
  for (int i = 0; i < held; ++i) {
    s.handOrder[1][static_cast<std::size_t>(i)] = hidden[static_cast<std::size_t>(i)];
    s.hand[1] |= model::Bit(hidden[static_cast<std::size_t>(i)]);
  }
  std::copy(hidden.begin() + held, hidden.end(), s.stock.begin() + drawn);
  return s;
}

bool IsPlay(const model::State& s) { return s.stage == model::Stage::Play; }

TEST(Advisor, MarksTheCardTheSearchPlaysAndGivesEachCardTheChanceOfItsMove) {
  for (const model::State& s : PlayerChoices(21, IsPlay, 6)) {
    const std::vector<CardChance> cards = CardChances(s, 9, kBudget);
    ASSERT_FALSE(cards.empty());
    EXPECT_EQ(std::count_if(cards.begin(), cards.end(), [](const CardChance& c) { return c.best; }), 1);
    // The search as the advisor runs it: on the same guess, with the same seed.
    Random random(9);
    const model::View view(s, 0, random);
    const model::Move move = IsmctsMove(view.Guess(), 9, kBudget);
    EXPECT_TRUE(cards.front().best);
    EXPECT_EQ(cards.front().card, move.card);
    const std::vector<RootMove> roots = IsmctsRootMoves(view.Guess(), 9, kBudget);
    for (const CardChance& card : cards) {
      const auto same = [&](const RootMove& r) { return r.move.card == card.card; };
      const auto most = std::max_element(roots.begin(), roots.end(), [&](const RootMove& a, const RootMove& b) {
        return same(a) < same(b) || (same(a) == same(b) && a.visits < b.visits);
      });
      EXPECT_DOUBLE_EQ(card.chance, most->chance) << "card " << int{card.card};
    }
  }
}

TEST(Advisor, BadgesAreTheSameHoweverTheUnseenCardsLie) {
  const auto any = [](const model::State& s) { return s.stage != model::Stage::Decision; };
  for (const model::State& s : PlayerChoices(22, any, 5)) {
    const std::vector<CardChance> cards = CardChances(s, 4, kBudget);
    for (std::uint64_t shuffle : {1, 2, 3}) {
      const std::vector<CardChance> again = CardChances(Permuted(s, shuffle), 4, kBudget);
      ASSERT_EQ(again.size(), cards.size());
      for (std::size_t i = 0; i < cards.size(); ++i) {
        EXPECT_EQ(again[i].card, cards[i].card);
        EXPECT_DOUBLE_EQ(again[i].chance, cards[i].chance);
        EXPECT_EQ(again[i].best, cards[i].best);
      }
    }
  }
}

TEST(Advisor, CounselIsTheValuationOfTakingTheMonthAndTheSearchsValueOfPlayingOn) {
  const auto decision = [](const model::State& s) { return s.stage == model::Stage::Decision && model::CanKoiKoi(s); };
  const std::vector<model::State> positions = PlayerChoices(23, decision, 3);
  ASSERT_FALSE(positions.empty());
  for (const model::State& s : positions) {
    const std::optional<Counsel> counsel = KoiKoiCounsel(s, 6, kBudget);
    ASSERT_TRUE(counsel);
    model::State stopped = s;
    model::Apply(stopped, {model::MoveKind::Stop});
    EXPECT_DOUBLE_EQ(counsel->stop, WinChanceFor(s.rules).AfterMonth(stopped, 0));
    Random random(6);
    const model::View view(s, 0, random);
    for (const RootMove& root : IsmctsRootMoves(view.Guess(), 6, kBudget)) {
      if (root.move.kind == model::MoveKind::KoiKoi) {
        EXPECT_DOUBLE_EQ(counsel->koikoi, root.chance);
      } else {
        EXPECT_NEAR(counsel->stop, root.chance, 1e-9) << "a month taken is worth the same in every guess";
      }
    }
  }
}

TEST(Advisor, CounselMarksTheHigherChance) {
  const struct {
    int stop, koikoi;
    const char* text;
  } rows[] = {
      {62, 55, "勝負：勝率 62%◀　こいこい：勝率 55%"},
      {40, 71, "勝負：勝率 40%　こいこい：勝率 71%◀"},
      {50, 50, "勝負：勝率 50%◀　こいこい：勝率 50%"},
  };
  for (const auto& row : rows) EXPECT_EQ(CounselText(row.stop, row.koikoi), row.text) << row.stop << "/" << row.koikoi;
}

}  // namespace
}  // namespace pg::computer

// Every level plays fair: it chooses from what its side has seen, never from the hidden cards.
#include "computer/level.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "model/month.h"
#include "model/playout.h"
#include "model/policy.h"

namespace pg {
namespace {

// The state with the opponent's hand and the stock shuffled among themselves: everything the
// mover has seen stays as it was.
model::State HiddenPermuted(const model::State& s, Random& random) {
  model::State p = s;
  const auto opponent = static_cast<std::size_t>(1 - s.mover);
  const int held = model::HandSize(s, 1 - s.mover);
  const int first = model::kStockCards - s.stockLeft;
  std::array<std::uint8_t, kCardCount> cards{};
  int n = 0;
  for (int i = 0; i < held; ++i)
    cards[static_cast<std::size_t>(n++)] = s.handOrder[opponent][static_cast<std::size_t>(i)];
  for (int k = first; k < model::kStockCards; ++k)
    cards[static_cast<std::size_t>(n++)] = s.stock[static_cast<std::size_t>(k)];
  for (int i = n - 1; i > 0; --i)
    std::swap(cards[static_cast<std::size_t>(i)], cards[static_cast<std::size_t>(random.Below(i + 1))]);
  p.hand[opponent] = 0;
  for (int i = 0; i < held; ++i) {
    p.handOrder[opponent][static_cast<std::size_t>(i)] = cards[static_cast<std::size_t>(i)];
    p.hand[opponent] |= model::Bit(cards[static_cast<std::size_t>(i)]);
  }
  for (int k = first, i = held; k < model::kStockCards; ++k, ++i)
    p.stock[static_cast<std::size_t>(k)] = cards[static_cast<std::size_t>(i)];
  return p;
}

TEST(Levels, ChooseTheSameWhateverTheHiddenCardsAre) {
  for (Level named : kLevels) {
    const std::string_view name = StoredName(named);
    const auto level = MakePlayer(named);
    Random play(1);
    Random shuffle(2);
    int compared = 0;
    for (int match = 0; match < 20; ++match) {
      model::State s = model::NewMatch(model::SweptRules(match * 3), match % 2);
      while (s.stage != model::Stage::MatchOver) {
        if (s.stage == model::Stage::Deal) {
          model::Deal(s, model::ShuffledDeck(play));
        } else if (s.stage == model::Stage::MonthOver) {
          model::NextMonth(s);
        } else {
          const model::State permuted = HiddenPermuted(s, shuffle);
          Random viewA(7);
          Random viewB(7);
          Random drawsA(8);
          Random drawsB(8);
          const model::Move move = level->Choose(model::View(s, s.mover, viewA), drawsA);
          ASSERT_EQ(move, level->Choose(model::View(permuted, s.mover, viewB), drawsB)) << name;
          ++compared;
          model::Apply(s, move);
        }
      }
    }
    EXPECT_GT(compared, 20 * 12 * 8) << name;
  }
}

TEST(Levels, AreStoredAndShownByOneNameEach) {
  const std::pair<Level, std::string_view> rows[] = {
      {Level::Beginner, "入門"}, {Level::Normal, "普通"}, {Level::Strong, "強い"}, {Level::Expert, "最強"}};
  for (const auto& [level, label] : rows) {
    EXPECT_EQ(LevelNamed(StoredName(level)), level) << label;
    EXPECT_EQ(LevelLabel(level), label);
    EXPECT_EQ(LevelLabel(StoredName(level)), label);
  }
  EXPECT_FALSE(LevelNamed("champion"));
  EXPECT_EQ(LevelLabel(std::string_view("champion")), "champion") << "a name from a later version is shown as stored";
}

}  // namespace
}  // namespace pg

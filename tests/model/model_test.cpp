// The model's own behaviour beyond the agreement: what it offers, how it scores rare hands, what a
// side's view hides, and that playouts end.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>

#include "model/determinize.h"
#include "model/month.h"
#include "model/playout.h"
#include "model/policy.h"
#include "model/yaku.h"

namespace pg::model {
namespace {

CardSet Cards(std::initializer_list<std::string_view> codes) {
  CardSet set = 0;
  for (std::string_view code : codes) set |= Bit(CardIndex(CardCode::FromText(code)));
  return set;
}

// A month dealt from the ordered deck with the computer dealing, played on by a few designed moves.
State DealtMonth(const Rules& rules, std::uint64_t seed) {
  Random random(seed);
  State s = NewMatch(rules, 1);
  Deal(s, ShuffledDeck(random));
  return s;
}

TEST(ModelScoring, RareHandsScoreAsTheWinDialogListsThem) {
  const Rules standard = MakeRules(true, true, false, false, 5, 5);
  const Rules kikuChaff = MakeRules(true, false, false, true, 3, 5);
  struct Row {
    const char* what;
    Rules rules;
    CardSet captured;
    std::vector<YakuId> ids;
    int total;
  } rows[] = {
      {"五光 doubled", standard, Cards({"11", "31", "81", "B1", "C1"}), {YakuId::Goko}, 20},
      {"雨四光 is 7, doubled", standard, Cards({"11", "31", "B1", "C1"}), {YakuId::Shiko}, 14},
      {"both ribbon sets in one row",
       standard,
       Cards({"12", "22", "32", "62", "92", "A2"}),
       {YakuId::AkatanAotan, YakuId::Tan},
       24},
      {"花見 and 月見 share the cup", standard, Cards({"31", "81", "91"}), {YakuId::Hanami, YakuId::Tsukimi}, 20},
      {"the cup as chaff makes no タネ", kikuChaff, Cards({"31", "91", "21", "41", "51", "82"}), {YakuId::Hanami}, 3},
      {"the cup as chaff counts to カス",
       kikuChaff,
       Cards({"91", "13", "14", "23", "24", "33", "34", "43", "44", "53"}),
       {YakuId::Kasu},
       1},
  };
  for (const Row& row : rows) {
    const YakuList list = ScoreYaku(row.rules, row.captured);
    ASSERT_EQ(list.size, static_cast<int>(row.ids.size())) << row.what;
    for (int r = 0; r < list.size; ++r) EXPECT_EQ(list.rows[r].id, row.ids[r]) << row.what;
    EXPECT_EQ(list.total, row.total) << row.what;
  }
}

// The deck that deals these cards with side 0 dealing; the stock is every other card in order.
Deck Arranged(std::initializer_list<std::string_view> dealer, std::initializer_list<std::string_view> other,
              std::initializer_list<std::string_view> table) {
  Deck deck{};
  const CardSet dealt = Cards(dealer) | Cards(other) | Cards(table);
  auto d = dealer.begin(), o = other.begin(), t = table.begin();
  for (int i = 0; i < 24; ++i) {
    const int place = i % 6;
    auto& next = place < 2 ? o : place < 4 ? t : d;
    deck[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(CardIndex(CardCode::FromText(*next++)));
  }
  int k = 24;
  ForEachCard(kAllCards & ~dealt,
              [&](int card) { deck[static_cast<std::size_t>(k++)] = static_cast<std::uint8_t>(card); });
  return deck;
}

TEST(ModelDeal, DealtHandsAndWholeMonthsOnTheTable) {
  using Codes = std::initializer_list<std::string_view>;
  const Codes plain = {"11", "21", "31", "41", "51", "61", "71", "81"};
  const Codes pairs = {"13", "14", "23", "24", "33", "34", "43", "44"};
  const Codes four = {"93", "94", "92", "91", "A3", "B3", "C3", "C4"};
  const Codes table = {"12", "22", "32", "42", "52", "62", "72", "82"};
  struct Row {
    const char* what;
    Deck deck;
    MonthResult result;
  } rows[] = {
      {"four pairs in the other hand", Arranged(plain, pairs, table), {WinKind::Kuttsuki, 1, kDealtHandPoints}},
      {"a whole month in the dealer's hand", Arranged(four, plain, table), {WinKind::Teshi, 0, kDealtHandPoints}},
      {"both hands: the dealer's is judged first",
       Arranged(pairs, four, table),
       {WinKind::Kuttsuki, 0, kDealtHandPoints}},
      {"nothing dealt", Arranged(plain, table, pairs), {}},
  };
  for (const Row& row : rows) {
    State s = NewMatch(MakeRules(true, true, false, false, 5, 5), 0);
    Deal(s, row.deck);
    EXPECT_EQ(s.result, row.result) << row.what;
    EXPECT_EQ(s.score[0] + s.score[1], row.result.points) << row.what;
    if (row.result.kind != WinKind::None) {
      EXPECT_EQ(s.dealer, row.result.winner) << row.what;
    }
  }

  // A month dealt whole to the table goes to the dealer with its first hand card, whatever it takes.
  State s = NewMatch(MakeRules(true, true, false, false, 5, 5), 0);
  Deal(s, Arranged({"B1", "21", "31", "41", "51", "61", "71", "81"}, {"24", "34", "44", "54", "64", "74", "84", "94"},
                   {"13", "14", "12", "11", "A1", "B2", "C1", "C2"}));
  Apply(s, {MoveKind::Play, static_cast<std::uint8_t>(CardIndex(CardCode('B', '1'))), kNoCard});
  EXPECT_EQ(s.captured[0] & MonthCards(1), MonthCards(1));
  EXPECT_EQ(s.table & MonthCards(1), 0u);
}

TEST(ModelMoves, OffersEachTableCardOfTwoAndこいこいOnlyWithCardsLeft) {
  State s = DealtMonth(MakeRules(true, true, false, false, 5, 5), 3);
  s.stage = Stage::Play;
  s.hand[s.mover] = Cards({"A3"});
  s.handOrder[s.mover][0] = static_cast<std::uint8_t>(CardIndex(CardCode('A', '3')));
  s.hand[1 - s.mover] = Cards({"C4"});
  s.table = Cards({"A2", "A4", "11"});
  MoveList moves;
  LegalMoves(s, moves);
  ASSERT_EQ(moves.size, 2);
  EXPECT_EQ(Bit(moves[0].take) | Bit(moves[1].take), Cards({"A2", "A4"}));
  EXPECT_EQ(DesignedTake(s, moves[0].card), CardIndex(CardCode('A', '2')));

  s.stage = Stage::Decision;
  LegalMoves(s, moves);
  EXPECT_EQ(moves.size, 2) << "one card still in hand";
  s.hand[s.mover] = 0;
  LegalMoves(s, moves);
  EXPECT_EQ(moves.size, 1) << "no cards left: only 勝負";
}

TEST(ModelView, DeterminizingKeepsWhatTheViewerSawAndDealsTheRestAnew) {
  const State s = DealtMonth(MakeRules(true, true, true, false, 5, 5), 11);
  Random random(5);
  bool moved = false;
  for (int n = 0; n < 20; ++n) {
    const State d = Determinize(s, 0, random);
    EXPECT_EQ(d.hand[0], s.hand[0]);
    EXPECT_EQ(d.handOrder[0], s.handOrder[0]);
    EXPECT_EQ(d.table, s.table);
    EXPECT_EQ(d.captured, s.captured);
    EXPECT_EQ(HandSize(d, 1), HandSize(s, 1));
    EXPECT_EQ(Unseen(d, 0), Unseen(s, 0));
    moved = moved || d.hand[1] != s.hand[1];
  }
  EXPECT_TRUE(moved);
}

TEST(ModelPlayout, MonthsAndMatchesPlayToTheirEnd) {
  Random random(9);
  for (int set = 0; set < kSweptRuleSets; set += 7) {
    State month = DealtMonth(SweptRules(set), static_cast<std::uint64_t>(set));
    PlayOutMonth(month, RandomPolicy{}, RandomPolicy{}, random);
    EXPECT_EQ(month.stage, Stage::MonthOver) << "rule set " << set;

    State match = NewMatch(SweptRules(set), set % 2);
    PlayOutMatch(match, DesignedPolicy{}, DesignedPolicy{}, random);
    EXPECT_EQ(match.stage, Stage::MatchOver);
    EXPECT_EQ(match.month, kMonths);
    EXPECT_GT(match.score[0] + match.score[1], 0) << "rule set " << set;
  }
}

TEST(ModelInvariants, EveryCardLiesInOnePlaceAndOnlyLegalMovesAreLegal) {
  Random random(4);
  State s = DealtMonth(SweptRules(0), 4);
  while (s.stage != Stage::MonthOver) {
    ASSERT_TRUE(CardsAccountedFor(s));
    MoveList moves;
    LegalMoves(s, moves);
    ASSERT_GT(moves.size, 0);
    for (const Move& move : moves) EXPECT_TRUE(IsLegal(s, move));
    if (s.stage == Stage::Play) {
      const int notHeld = Lowest(s.captured[0] | s.captured[1] | s.table);
      EXPECT_FALSE(IsLegal(s, {MoveKind::Play, static_cast<std::uint8_t>(notHeld), kNoCard}));
    }
    Apply(s, RandomMove(s, random));
  }
  EXPECT_TRUE(CardsAccountedFor(s));
  State twice = s;
  twice.table |= Bit(Lowest(twice.captured[0] | twice.captured[1]));
  EXPECT_FALSE(CardsAccountedFor(twice)) << "a captured card also on the table";
  State lost = s;
  lost.table &= lost.table - 1;
  EXPECT_FALSE(CardsAccountedFor(lost)) << "a table card in no place";
}

}  // namespace
}  // namespace pg::model

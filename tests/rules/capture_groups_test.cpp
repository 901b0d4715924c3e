// Real cards through real captures: which yaku groups each card raises and where its picture lands.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "computer/computer_move.h"
#include "play/computer_turn.h"
#include "play/turn_driver.h"
#include "tests/arranged_deal.h"
#include "tests/game_fixture.h"

namespace pg::test {
namespace {

// Columns: 光, 猪鹿蝶, 花見, 月見, 赤短, 青短, タネ, タン, カス.
using Groups = std::array<int, 9>;
enum Pile { kBrights, kAnimals, kRibbons, kChaff };

struct CardRow {
  const char* code;
  Groups groups;
  Pile pile;
};

// Under the design rules: 花見で一杯 and 月見で一杯 on, the sake cup a 10-point card.
constexpr CardRow kCards[] = {
    {"11", {2, 0, 0, 0, 0, 0, 0, 0, 0}, kBrights}, {"12", {0, 0, 0, 0, 1, 0, 0, 1, 0}, kRibbons},
    {"13", {0, 0, 0, 0, 0, 0, 0, 0, 1}, kChaff},   {"14", {0, 0, 0, 0, 0, 0, 0, 0, 1}, kChaff},
    {"21", {0, 0, 0, 0, 0, 0, 1, 0, 0}, kAnimals}, {"22", {0, 0, 0, 0, 1, 0, 0, 1, 0}, kRibbons},
    {"23", {0, 0, 0, 0, 0, 0, 0, 0, 1}, kChaff},   {"24", {0, 0, 0, 0, 0, 0, 0, 0, 1}, kChaff},
    {"31", {2, 0, 1, 0, 0, 0, 0, 0, 0}, kBrights}, {"32", {0, 0, 0, 0, 1, 0, 0, 1, 0}, kRibbons},
    {"33", {0, 0, 0, 0, 0, 0, 0, 0, 1}, kChaff},   {"34", {0, 0, 0, 0, 0, 0, 0, 0, 1}, kChaff},
    {"41", {0, 0, 0, 0, 0, 0, 1, 0, 0}, kAnimals}, {"42", {0, 0, 0, 0, 0, 0, 0, 1, 0}, kRibbons},
    {"43", {0, 0, 0, 0, 0, 0, 0, 0, 1}, kChaff},   {"44", {0, 0, 0, 0, 0, 0, 0, 0, 1}, kChaff},
    {"51", {0, 0, 0, 0, 0, 0, 1, 0, 0}, kAnimals}, {"52", {0, 0, 0, 0, 0, 0, 0, 1, 0}, kRibbons},
    {"53", {0, 0, 0, 0, 0, 0, 0, 0, 1}, kChaff},   {"54", {0, 0, 0, 0, 0, 0, 0, 0, 1}, kChaff},
    {"61", {0, 1, 0, 0, 0, 0, 1, 0, 0}, kAnimals}, {"62", {0, 0, 0, 0, 0, 1, 0, 1, 0}, kRibbons},
    {"63", {0, 0, 0, 0, 0, 0, 0, 0, 1}, kChaff},   {"64", {0, 0, 0, 0, 0, 0, 0, 0, 1}, kChaff},
    {"71", {0, 1, 0, 0, 0, 0, 1, 0, 0}, kAnimals}, {"72", {0, 0, 0, 0, 0, 0, 0, 1, 0}, kRibbons},
    {"73", {0, 0, 0, 0, 0, 0, 0, 0, 1}, kChaff},   {"74", {0, 0, 0, 0, 0, 0, 0, 0, 1}, kChaff},
    {"81", {2, 0, 0, 1, 0, 0, 0, 0, 0}, kBrights}, {"82", {0, 0, 0, 0, 0, 0, 1, 0, 0}, kAnimals},
    {"83", {0, 0, 0, 0, 0, 0, 0, 0, 1}, kChaff},   {"84", {0, 0, 0, 0, 0, 0, 0, 0, 1}, kChaff},
    {"91", {0, 0, 1, 1, 0, 0, 1, 0, 0}, kAnimals}, {"92", {0, 0, 0, 0, 0, 1, 0, 1, 0}, kRibbons},
    {"93", {0, 0, 0, 0, 0, 0, 0, 0, 1}, kChaff},   {"94", {0, 0, 0, 0, 0, 0, 0, 0, 1}, kChaff},
    {"A1", {0, 1, 0, 0, 0, 0, 1, 0, 0}, kAnimals}, {"A2", {0, 0, 0, 0, 0, 1, 0, 1, 0}, kRibbons},
    {"A3", {0, 0, 0, 0, 0, 0, 0, 0, 1}, kChaff},   {"A4", {0, 0, 0, 0, 0, 0, 0, 0, 1}, kChaff},
    {"B1", {1, 0, 0, 0, 0, 0, 0, 0, 0}, kBrights}, {"B2", {0, 0, 0, 0, 0, 0, 1, 0, 0}, kAnimals},
    {"B3", {0, 0, 0, 0, 0, 0, 0, 1, 0}, kRibbons}, {"B4", {0, 0, 0, 0, 0, 0, 0, 0, 1}, kChaff},
    {"C1", {2, 0, 0, 0, 0, 0, 0, 0, 0}, kBrights}, {"C2", {0, 0, 0, 0, 0, 0, 0, 0, 1}, kChaff},
    {"C3", {0, 0, 0, 0, 0, 0, 0, 0, 1}, kChaff},   {"C4", {0, 0, 0, 0, 0, 0, 0, 0, 1}, kChaff},
};

const CardRow& RowOf(const std::string& code) {
  for (const CardRow& row : kCards) {
    if (code == row.code) return row;
  }
  ADD_FAILURE() << code << " has no row";
  return kCards[0];
}

// The card a capture of `code` takes from the table: a chaff card of its month, or for November's
// only chaff card, the ribbon.
const CardRow& PartnerOf(const CardRow& row) {
  for (const CardRow& other : kCards) {
    if (other.code[0] == row.code[0] && other.pile == kChaff && std::string(other.code) != row.code) return other;
  }
  return RowOf("B3");
}

struct Place {
  int x, y;
  bool operator==(const Place&) const = default;
};

void PrintTo(const Place& p, std::ostream* os) { *os << "(" << p.x << ", " << p.y << ")"; }

// Where the first card of each pile lies with LayoutTop 46, the player's rows below the
// computer's; each further card of a pile lies half a card (20) to the left.
constexpr Place kFirstOfPile[2][4] = {
    {{704, 46 + 262}, {568, 46 + 262}, {704, 46 + 340}, {704, 46 + 418}},
    {{704, 46 + 170}, {568, 46 + 170}, {704, 46 + 92}, {704, 46 + 14}},
};

Place PileSlot(int side, Pile pile, int nth) {
  const Place first = kFirstOfPile[side][pile];
  return {first.x - 20 * nth, first.y};
}

Groups Sum(const Groups& a, const Groups& b) {
  Groups sum{};
  for (std::size_t g = 0; g < sum.size(); ++g) sum[g] = a[g] + b[g];
  return sum;
}

class CaptureGroupsTest : public GameTest {
 protected:
  void SetRules(bool hanami, bool tsukimi, bool kikuAsChaff) {
    game.rules.option[0] = hanami ? 0 : 1;
    game.rules.option[1] = tsukimi ? 0 : 1;
    game.rules.option[3] = kikuAsChaff ? 1 : 0;
  }
  // Deals the turn and plays it through the public procedures: the player's click, or the
  // computer's opening turn.
  void Play(const TakingTurn& turn) {
    DealTakingTurn(game, turn);
    if (turn.taker == 0) {
      Card_Click(game, HandPicture(turn.hand.c_str()));
    } else {
      ComRootin1(game);
    }
  }
  Groups Counts(int side) const {
    Groups counts{};
    for (std::size_t g = 0; g < counts.size(); ++g) counts[g] = game.table.YakuCount[side].values[g];
    return counts;
  }
  Place Lies(const std::string& code) const {
    const CardPicture& picture = game.board.Card[PictureOf(game, code)];
    return {picture.left, picture.top};
  }
};

TEST_F(CaptureGroupsTest, EveryCardRaisesItsGroupsAndLiesInItsPile) {
  for (const CardRow& row : kCards) {
    const CardRow& partner = PartnerOf(row);
    for (int side = 0; side < 2; ++side) {
      SCOPED_TRACE(std::string(row.code) + " taking " + partner.code + (side == 0 ? ", player" : ", computer"));
      Play({side, row.code, {partner.code}, "", {}});
      EXPECT_EQ(Counts(side), Sum(row.groups, partner.groups));
      EXPECT_EQ(Counts(1 - side), Groups{}) << "the other side took nothing";
      // The played card is counted first, so the taken card lies beside it when they share a pile.
      EXPECT_EQ(Lies(row.code), PileSlot(side, row.pile, 0));
      EXPECT_EQ(Lies(partner.code), PileSlot(side, partner.pile, partner.pile == row.pile ? 1 : 0));
    }
  }
}

// The sake cup counts for 花見 and 月見 whenever they are on, and for タネ or カス by 「菊に杯」;
// the cherry curtain and the moon count only for their own yaku.
TEST_F(CaptureGroupsTest, SakeCupCurtainAndMoonFollowTheRuleSettings) {
  const struct {
    const char* code;
    bool hanami, tsukimi, kikuAsChaff;
    Groups groups;
    Pile pile;
  } rows[] = {
      {"91", true, true, false, {0, 0, 1, 1, 0, 0, 1, 0, 0}, kAnimals},
      {"91", true, false, false, {0, 0, 1, 0, 0, 0, 1, 0, 0}, kAnimals},
      {"91", false, true, false, {0, 0, 0, 1, 0, 0, 1, 0, 0}, kAnimals},
      {"91", false, false, false, {0, 0, 0, 0, 0, 0, 1, 0, 0}, kAnimals},
      {"91", true, true, true, {0, 0, 1, 1, 0, 0, 0, 0, 1}, kChaff},
      {"91", true, false, true, {0, 0, 1, 0, 0, 0, 0, 0, 1}, kChaff},
      {"91", false, true, true, {0, 0, 0, 1, 0, 0, 0, 0, 1}, kChaff},
      {"91", false, false, true, {0, 0, 0, 0, 0, 0, 0, 0, 1}, kChaff},
      {"31", false, true, false, {2, 0, 0, 0, 0, 0, 0, 0, 0}, kBrights},
      {"31", true, false, true, {2, 0, 1, 0, 0, 0, 0, 0, 0}, kBrights},
      {"81", false, true, true, {2, 0, 0, 1, 0, 0, 0, 0, 0}, kBrights},
      {"81", true, false, false, {2, 0, 0, 0, 0, 0, 0, 0, 0}, kBrights},
      {"81", false, false, false, {2, 0, 0, 0, 0, 0, 0, 0, 0}, kBrights},
  };
  for (const auto& row : rows) {
    const CardRow& partner = PartnerOf(RowOf(row.code));
    for (int side = 0; side < 2; ++side) {
      SCOPED_TRACE(std::string(row.code) + (row.hanami ? " 花見 on" : " 花見 off") +
                   (row.tsukimi ? ", 月見 on" : ", 月見 off") + (row.kikuAsChaff ? ", カス札" : ", １０点札") +
                   (side == 0 ? ", player" : ", computer"));
      SetRules(row.hanami, row.tsukimi, row.kikuAsChaff);
      Play({side, row.code, {partner.code}, "", {}});
      EXPECT_EQ(Counts(side), Sum(row.groups, partner.groups));
      EXPECT_EQ(Lies(row.code), PileSlot(side, row.pile, 0));
      EXPECT_EQ(Lies(partner.code), PileSlot(side, partner.pile, partner.pile == row.pile ? 1 : 0));
    }
  }
}

// Four cards taken in one turn: the hand card and its catch, then the stock card and its catch.
// The bright pile grows by the number of brights held, whatever the rain bright weighs.
TEST_F(CaptureGroupsTest, PilesGrowLeftwardsHalfACardPerCard) {
  const struct {
    const char* name;
    TakingTurn turn;  // the taker is set per side
    bool kikuAsChaff;
    std::vector<std::pair<const char*, std::pair<Pile, int>>> lies;
  } rows[] = {
      {"rain bright first",
       {0, "B1", {"B4"}, "11", {"13"}},
       false,
       {{"B1", {kBrights, 0}}, {"B4", {kChaff, 0}}, {"11", {kBrights, 1}}, {"13", {kChaff, 1}}}},
      {"rain bright second",
       {0, "11", {"13"}, "B1", {"B4"}},
       false,
       {{"11", {kBrights, 0}}, {"13", {kChaff, 0}}, {"B1", {kBrights, 1}}, {"B4", {kChaff, 1}}}},
      {"two brights without rain",
       {0, "C1", {"C2"}, "81", {"84"}},
       false,
       {{"C1", {kBrights, 0}}, {"C2", {kChaff, 0}}, {"81", {kBrights, 1}}, {"84", {kChaff, 1}}}},
      {"animals",
       {0, "21", {"23"}, "B2", {"B3"}},
       false,
       {{"21", {kAnimals, 0}}, {"23", {kChaff, 0}}, {"B2", {kAnimals, 1}}, {"B3", {kRibbons, 0}}}},
      {"ribbons",
       {0, "42", {"44"}, "72", {"74"}},
       false,
       {{"42", {kRibbons, 0}}, {"44", {kChaff, 0}}, {"72", {kRibbons, 1}}, {"74", {kChaff, 1}}}},
      {"sake cup as chaff",
       {0, "91", {"93"}, "C3", {"C4"}},
       true,
       {{"91", {kChaff, 0}}, {"93", {kChaff, 1}}, {"C3", {kChaff, 2}}, {"C4", {kChaff, 3}}}},
      {"sake cup as an animal",
       {0, "91", {"93"}, "A1", {"A4"}},
       false,
       {{"91", {kAnimals, 0}}, {"93", {kChaff, 0}}, {"A1", {kAnimals, 1}}, {"A4", {kChaff, 1}}}},
  };
  for (const auto& row : rows) {
    for (int side = 0; side < 2; ++side) {
      SCOPED_TRACE(std::string(row.name) + (side == 0 ? ", player" : ", computer"));
      SetRules(true, true, row.kikuAsChaff);
      TakingTurn turn = row.turn;
      turn.taker = side;
      Play(turn);
      for (const auto& [code, at] : row.lies) {
        EXPECT_EQ(Lies(code), PileSlot(side, at.first, at.second)) << code;
      }
    }
  }
}

}  // namespace
}  // namespace pg::test

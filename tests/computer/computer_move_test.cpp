// The computer's choices by card value, made alike by the game and the model's designed player,
// and its whole turn.
#include "computer/computer_move.h"
#include "play/computer_turn.h"

#include <gtest/gtest.h>

#include "computer/table_view.h"
#include "model/cards.h"
#include "model/policy.h"
#include "tests/game_fixture.h"

namespace pg::test {
namespace {

class ComputerMoveTest : public GameTest {
 protected:
  // The computer's hand and the table as given; the player's hand is whatever is left.
  void Arrange(std::initializer_list<const char*> hand, std::initializer_list<const char*> table) {
    TableState& t = game.table;
    t.HandLeft = static_cast<std::int16_t>(2 * hand.size());
    int k = 0;
    for (const char* code : hand) t.HandCard[1][k++] = {CardCode::FromText(code), static_cast<std::int16_t>(k)};
    t.FieldCount = static_cast<std::int16_t>(table.size());
    int s = 0;
    for (const char* code : table) t.FieldCard[s++] = {CardCode::FromText(code), static_cast<std::int16_t>(20 + s)};
    for (; s < kTableSlots; ++s) t.FieldCard[s] = kTakenSlot;
  }
  std::string Chosen() { return game.table.HandCard[1][ChooseHandSlot(game)].code.Text(); }
  model::State Model() const { return ComputerState(game.table, game.rules, model::Stage::Play, 0); }
  static int Index(const char* code) { return CardIndex(CardCode::FromText(code)); }
};

TEST_F(ComputerMoveTest, ChoosesTheHandCardByCardValue) {
  const struct {
    const char* name;
    std::initializer_list<const char*> hand, table;
    const char* played;
  } cases[] = {
      {"the crane outranks the deer it could take", {"11", "A3"}, {"12", "A1"}, "11"},
      {"the deer a chaff card takes outranks the ribbon taking chaff", {"52", "A3"}, {"54", "A1"}, "A3"},
      {"the deer a chaff card takes outranks the swallow taking chaff", {"A3", "B2"}, {"A1", "B4"}, "A3"},
      {"two chaff aiming at the deer: the later slot", {"A3", "A4", "C3"}, {"A1"}, "A4"},
      {"chaff taking chaff from slot 0 counts as no capture", {"33", "C4", "52"}, {"34"}, "C4"},
      {"chaff taking chaff from a later slot is the fallback", {"52", "33", "C4"}, {"34"}, "33"},
      {"no capture: the last chaff card", {"B3", "52", "43", "C4"}, {"11", "21"}, "C4"},
      {"no capture and no chaff: the least valuable card", {"21", "72"}, {"11", "31"}, "72"},
      {"only the lowest table slot of the month is looked at", {"A3", "33"}, {"A4", "31", "A1"}, "33"},
      {"a card taking from the last table slot",
       {"C4", "43", "93", "53", "63", "73", "B4", "A1"},
       {"11", "12", "21", "22", "31", "32", "81", "A3"},
       "A1"},
      {"an empty table", {"11", "13", "C4"}, {}, "C4"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Arrange(c.hand, c.table);
    EXPECT_EQ(Chosen(), c.played) << "the game";
    EXPECT_EQ(model::DesignedHandCard(Model()), Index(c.played)) << "the designed player";
  }
}

// Of two table cards of its card's month, the one listed first in the value order, from either slot.
TEST_F(ComputerMoveTest, TakesTheTableCardListedFirst) {
  const struct {
    const char* card;
    const char* lower;  // table slot 0
    const char* higher;
    const char* taken;
  } cases[] = {
      {"A3", "A1", "A2", "A1"}, {"A3", "A2", "A1", "A1"},  // the deer over the blue ribbon
      {"B4", "B1", "B2", "B1"}, {"B4", "B2", "B1", "B1"},  // the rain bright over the swallow
      {"C3", "C2", "C4", "C2"}, {"C3", "C4", "C2", "C4"},  // two chaff: the lower slot
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.card) + " on " + c.lower + ", " + c.higher);
    Arrange({c.card}, {c.lower, c.higher});
    game.table.SameSlot = {0, 1, 0};
    EXPECT_EQ(ChooseTableCard(game.table), std::string(c.taken) == c.lower ? 0 : 1) << "the game";
    EXPECT_EQ(model::DesignedTake(Model(), Index(c.card)), Index(c.taken)) << "the designed player";
  }
}

TEST_F(ComputerMoveTest, PlaysHandCardThenStockCardAndClosesUp) {
  DealArranged(1, {"14", "24", "34", "44", "54", "64", "74", "84"}, {"13", "A3", "23", "33", "43", "53", "63", "73"},
               {"A2", "A4", "92", "93", "B1", "B2", "B3", "C1"}, {"C2"});
  ComRootin1(game);
  // With two table cards of its month the computer takes the listed one: A2, not A4.
  EXPECT_EQ(game.table.YakuCount[1][YakuGroup::Tan], 1);
  EXPECT_EQ(game.table.TurnStep, pg::TurnStep::ComputerStock);
  EXPECT_EQ(game.table.HandLeft, 15);
  EXPECT_EQ(game.table.StockLeft, 23);
  EXPECT_EQ(Hand(1), (std::vector<std::string>{"13", "23", "33", "43", "53", "63", "73"}));
  for (int k = 0; k < 7; ++k) {
    EXPECT_EQ(PlaceOf(game.table.HandCard[1][k].pic), HandSlotPosition(game.table, 1, k)) << "slot " << k;
  }
  EXPECT_EQ(Table(), (std::vector<std::string>{"A4", "92", "93", "B1", "B2", "B3"}));
  ExpectCardsAccountedFor();
}

}  // namespace
}  // namespace pg::test

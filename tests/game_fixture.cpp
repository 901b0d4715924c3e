// Arranged deals and whole-table checks for the game tests.
#include "tests/game_fixture.h"

#include <algorithm>
#include <set>

#include "play/agari.h"
#include "play/arranged_deal.h"
#include "play/setup.h"
#include "play/timers.h"
#include "rules/capture.h"

namespace pg::test {

GameTest::GameTest() {
  platform.onTimer = [this](Timer timer) { TimerTick(game, timer); };
  platform.onModal = [this](Dialog) {
    const WinDialogState& dialog = game.agari;
    if (dialog.Command1[2].visible) {
      AgariCommandClick(game, 2);
    } else if (dialog.Command1[1].visible && dialog.Command1[playerDecision].enabled) {
      AgariCommandClick(game, playerDecision);
    } else {
      AgariCommandClick(game, dialog.Command1[1].visible ? 1 : 0);
    }
  };
  setup(game);
}

void GameTest::DealArranged(int oya, std::initializer_list<const char*> playerHand,
                            std::initializer_list<const char*> computerHand, std::initializer_list<const char*> table,
                            std::initializer_list<const char*> stock) {
  auto list = [](std::initializer_list<const char*> codes) { return CardList(codes.begin(), codes.end()); };
  ASSERT_TRUE(DealArrangedMonth(game, oya, list(playerHand), list(computerHand), list(table), list(stock)))
      << "a card dealt twice, or a list not 8 long";
}

std::vector<std::string> GameTest::Table() const {
  std::vector<std::string> codes;
  for (int s = 0; s < game.table.FieldCount; ++s) codes.push_back(game.table.FieldCard[s].code.Text());
  return codes;
}

std::vector<std::string> GameTest::Hand(int side) const {
  // A closed-up hand ends in "FF" or in a stale copy of its last card.
  std::vector<std::string> codes;
  for (const Slot& slot : game.table.HandCard[side]) {
    const std::string code = slot.code.Text();
    if (slot.code == kEmptySlot || std::find(codes.begin(), codes.end(), code) != codes.end()) break;
    codes.push_back(code);
  }
  return codes;
}

int GameTest::HandPicture(const char* code) const {
  for (const Slot& slot : game.table.HandCard[0]) {
    if (slot.code == CardCode::FromText(code)) return slot.pic;
  }
  ADD_FAILURE() << code << " is not in the player's hand";
  return -1;
}

int GameTest::TablePicture(const char* code) const {
  for (int s = 0; s < game.table.FieldCount; ++s) {
    if (game.table.FieldCard[s].code == CardCode::FromText(code)) return game.table.FieldCard[s].pic;
  }
  ADD_FAILURE() << code << " is not on the table";
  return -1;
}

Point GameTest::PlaceOf(int pic) const {
  const CardPicture& card = game.board.Card.at(pic);
  return {card.left, card.top};
}

void GameTest::ExpectCardsAccountedFor() const {
  const TableState& t = game.table;
  std::set<std::string> inPlay;
  std::size_t held = 0;
  for (int side = 0; side < 2; ++side) {
    for (const std::string& code : Hand(side)) inPlay.insert(code);
    held += Hand(side).size();
  }
  for (const std::string& code : Table()) inPlay.insert(code);
  for (int i = 48 - t.StockLeft; i < kCardCount; ++i) inPlay.insert(t.Deck[i].Text());
  int captured = 0;
  for (int side = 0; side < 2; ++side) {
    for (CardClass pile : {CardClass::Bright, CardClass::Animal, CardClass::Ribbon, CardClass::Chaff}) {
      captured += PileSize(t, side, pile);
    }
  }
  EXPECT_EQ(held, static_cast<std::size_t>(t.HandLeft));
  EXPECT_EQ(inPlay.size(), held + t.FieldCount + t.StockLeft) << "a card is in two places";
  EXPECT_EQ(static_cast<int>(inPlay.size()) + captured, kCardCount);
}

}  // namespace pg::test

// Arranged deals and whole-table checks for the game tests.
#include "tests/game_fixture.h"

#include <algorithm>
#include <set>

#include "play/agari.h"
#include "play/deal.h"
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
  TableState& t = game.table;
  t.Oya = static_cast<std::int16_t>(oya);
  t.GameNum = 1;
  game.SetPhase(Phase::PlayerToPlay);
  game.table.matchScore = {};
  for (Label& score : game.board.Score) score.caption = "0";
  PrepareMonth(game);
  std::vector<CardCode> player, computer, field, rest;
  for (const char* c : playerHand) player.push_back(CardCode::FromText(c));
  for (const char* c : computerHand) computer.push_back(CardCode::FromText(c));
  for (const char* c : table) field.push_back(CardCode::FromText(c));
  for (const char* c : stock) rest.push_back(CardCode::FromText(c));
  std::set<int> used;
  for (const auto* list : {&player, &computer, &field, &rest}) {
    for (CardCode c : *list) used.insert(CardIndex(c));
  }
  for (int n = 0; n < kCardCount; ++n) {
    if (!used.count(n)) rest.push_back(CodeOf(n));
  }
  std::size_t next[3] = {0, 0, 0};
  for (int i = 0; i < 24; ++i) {
    const int p = i % 6;
    if (p == 2 || p == 3) {
      t.Deck[i] = field[next[2]++];
    } else {
      const int side = (i + 4 * oya) % 6 >= 4 ? 0 : 1;
      t.Deck[i] = side == 0 ? player[next[0]++] : computer[next[1]++];
    }
  }
  for (int i = 24; i < kCardCount; ++i) t.Deck[i] = rest[static_cast<std::size_t>(i - 24)];
  DealDeck(game);
  JudgeAifuda(game);
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

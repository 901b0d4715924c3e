// The computer's pick between two table cards of its card's month, whichever slot holds the better.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "computer/computer_move.h"
#include "play/computer_turn.h"
#include "tests/arranged_deal.h"
#include "tests/game_fixture.h"

namespace pg::test {
namespace {

class TableChoiceTest : public GameTest {
 protected:
  bool OnTable(const std::string& code) const {
    const std::vector<std::string> table = Table();
    return std::find(table.begin(), table.end(), code) != table.end();
  }
  // A card the computer took lies in one of its capture rows, above the table.
  bool TakenByComputer(const std::string& code) const { return game.board.Card[PictureOf(game, code)].top < 46 + 176; }
};

TEST_F(TableChoiceTest, TheComputerTakesTheCardListedFirstFromEitherSlot) {
  const struct {
    const char* card;
    const char* lower;   // table slot 0
    const char* higher;  // table slot 1
    const char* taken;
  } rows[] = {
      {"A3", "A1", "A2", "A1"}, {"A3", "A2", "A1", "A1"},  // the deer over the blue ribbon
      {"A3", "A2", "A4", "A2"}, {"A3", "A4", "A2", "A2"},  // a ribbon over chaff
      {"B4", "B2", "B3", "B2"}, {"B4", "B3", "B2", "B2"},  // the swallow over the ribbon
      {"B4", "B1", "B2", "B1"}, {"B4", "B2", "B1", "B1"},  // the rain bright over the swallow
      {"13", "11", "14", "11"}, {"13", "14", "11", "11"},  // the crane over chaff
      {"94", "91", "92", "91"}, {"94", "92", "91", "91"},  // the sake cup over the blue ribbon
      {"84", "81", "82", "81"}, {"84", "82", "81", "81"},  // the moon over the geese
      {"C3", "C2", "C4", "C2"}, {"C3", "C4", "C2", "C4"},  // two chaff: the lower slot
  };
  for (const auto& row : rows) {
    const std::string left = std::string(row.taken) == row.lower ? row.higher : row.lower;
    for (const bool fromStock : {false, true}) {
      SCOPED_TRACE(std::string(row.card) + " on " + row.lower + ", " + row.higher +
                   (fromStock ? ", stock card" : ", hand card"));
      if (fromStock) {
        // The hand card, chaff of an empty month, is laid down first.
        DealTakingTurn(game, {1, "54", {}, row.card, {row.lower, row.higher}});
      } else {
        DealTakingTurn(game, {1, row.card, {row.lower, row.higher}, "", {}});
      }
      ComRootin1(game);
      EXPECT_TRUE(TakenByComputer(row.taken));
      EXPECT_TRUE(TakenByComputer(row.card));
      EXPECT_TRUE(OnTable(left));
      EXPECT_FALSE(OnTable(row.taken));
    }
  }
}

}  // namespace
}  // namespace pg::test

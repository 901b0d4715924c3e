// The best months of a match and the result lines after the twelfth month.
#include "rules/match_score.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "engine/game.h"
#include "engine/timers.h"
#include "rules/win_dialog.h"
#include "tests/fake_platform.h"

namespace {

// Bytes in the status file's code page: ASCII and half-width katakana take one, the rest two.
int ShiftJisBytes(const std::u32string& text) {
  int bytes = 0;
  for (char32_t c : text) bytes += c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F) ? 1 : 2;
  return bytes;
}

std::u32string Decode(const std::string& utf8) {
  std::u32string text;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    text += c;
    i += length;
  }
  return text;
}

std::string Filler(int cells) {
  std::string text;
  for (int cell = 0; cell < cells; ++cell) text += "　　　　　    　";
  return text;
}

class MatchScoreTest : public ::testing::Test {
 protected:
  void Month(int points, const std::string& name, const std::string& yakuten = " 1文") {
    game.agari.note = std::to_string(points);
    game.agari.yakunam[0] = name;
    game.agari.yakuten[0] = yakuten;
    pg::JudgeGameScore(game);
  }
  // The player stops on a yaku report with these counts, as the win dialog lists it.
  void StopWith(const std::array<std::int16_t, 10>& counts) {
    platform.onTimer = [this](pg::Timer timer) { pg::TimerTick(game, timer); };
    platform.onModal = [this](pg::Dialog) { pg::AgariCommandClick(game, 1); };
    game.table.YakuCount[0] = counts;
    game.table.TurnStep = 0;
    game.table.WinCode = 5;
    pg::Agari(game);
    pg::JudgeGameScore(game);
  }
  std::string Names() const {
    std::string names;
    for (const std::string& text : game.table.BestMonthText) names += text.substr(0, text.find("　")) + ",";
    return names;
  }

  pg::test::FakePlatform platform;
  pg::Game game{platform};
};

TEST_F(MatchScoreTest, KeepsTheThreeBestMonthsEarliestFirstOnTies) {
  Month(10, "三光");
  Month(10, "タネ");
  Month(8, "タン");
  EXPECT_EQ(game.table.BestMonthPoints, (std::array<std::int16_t, 3>{10, 10, 8}));
  EXPECT_EQ(Names(), "三光,タネ,タン,");

  // A third 10 beats the 8 but stays below the earlier 10s; a fourth ties the last and stays out.
  Month(10, "カス");
  Month(10, "五光");
  EXPECT_EQ(game.table.BestMonthPoints, (std::array<std::int16_t, 3>{10, 10, 10}));
  EXPECT_EQ(Names(), "三光,タネ,カス,");

  Month(11, "四光");
  EXPECT_EQ(game.table.BestMonthPoints, (std::array<std::int16_t, 3>{11, 10, 10}));
  EXPECT_EQ(Names(), "四光,三光,タネ,");
}

TEST_F(MatchScoreTest, AMonthsLineHasEightCellsOfSixteenBytes) {
  Month(2, "タネ", " 2文");
  EXPECT_EQ(game.table.BestMonthText[0], "タネ　　　   2文" + Filler(7));

  StopWith({9, 3, 2, 2, 3, 3, 12, 10, 25});
  const std::u32string line = Decode(game.table.BestMonthText[0]);
  ASSERT_EQ(line.size(), 80u);
  for (int cell = 0; cell < 8; ++cell) {
    SCOPED_TRACE(game.agari.yakunam[cell]);
    EXPECT_EQ(ShiftJisBytes(line.substr(10 * cell, 10)), 16);
  }
}

TEST_F(MatchScoreTest, TheRibbonPairIsEnteredOnce) {
  StopWith({0, 0, 0, 0, 3, 3, 0, 4});
  EXPECT_EQ(game.table.BestMonthText[0], "赤短・青短   8文" + Filler(7));
}

TEST_F(MatchScoreTest, ResultNamesTheWinnerAndTheDifference) {
  const struct {
    const char *player, *computer, *line, *verdict;
  } cases[] = {
      {" 35", " 20", " 35文 対 20文、その差 15文で", "あなたの勝ちです。"},
      {" 12", " 30", " 12文 対 30文、その差 18文で", "ｃｏｍの勝ちです。"},
      {" 24", " 24", " 24文 対 24文、その差 0文で", "引き分けです。"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    game.board.Score[1].caption = c.player;
    game.board.Score[0].caption = c.computer;
    pg::PutMatchResult(game);
    EXPECT_EQ(game.board.message[0].caption, "勝負の結果、");
    EXPECT_EQ(game.board.message[1].caption, c.line);
    EXPECT_EQ(game.board.message[2].caption, c.verdict);
  }
}

}  // namespace

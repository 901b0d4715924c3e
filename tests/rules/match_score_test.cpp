// The best months of a match and the result lines after the twelfth month.
#include "rules/match_score.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "engine/caption_chars.h"
#include "engine/game.h"
#include "headless/scripted_platform.h"
#include "play/agari.h"
#include "play/timers.h"

namespace {

// Bytes in the status file's code page: ASCII and half-width katakana (U+FF61..U+FF9F) take one,
// every other character two.
int ShiftJisBytes(std::string_view utf8) {
  int bytes = 0;
  for (std::size_t i = 0; i < utf8.size(); i += pg::FirstChars(utf8.substr(i), 1).size()) {
    const std::string_view c = pg::FirstChars(utf8.substr(i), 1);
    const bool halfWidthKana = c >= "\uFF61" && c <= "\uFF9F";
    bytes += c.size() == 1 || halfWidthKana ? 1 : 2;
  }
  return bytes;
}

std::string Filler(int cells) {
  std::string text;
  for (int cell = 0; cell < cells; ++cell) text += "　　　　　    　";
  return text;
}

class MatchScoreTest : public ::testing::Test {
 protected:
  void Month(int points, const std::string& name, const std::string& yakuten = " 1文") {
    game.agari.total = static_cast<std::int16_t>(points);
    game.agari.yakunam[0] = name;
    game.agari.yakuten[0] = yakuten;
    pg::JudgeGameScore(game);
  }
  // The player stops on a yaku report with these counts, as the win dialog lists it.
  void StopWith(const std::array<std::int16_t, pg::kYakuGroups>& counts) {
    platform.onTimer = [this](pg::Timer timer) { pg::TimerTick(game, timer); };
    platform.onModal = [this](pg::Dialog) { pg::AgariCommandClick(game, 1); };
    game.table.YakuCount[0].values = counts;
    game.table.TurnStep = pg::TurnStep::PlayerHand;
    game.table.WinCode = pg::WinCode::Yaku;
    pg::Agari(game);
    pg::JudgeGameScore(game);
  }
  std::string Names() const {
    std::string names;
    for (const std::string& text : game.table.BestMonthText) names += text.substr(0, text.find("　")) + ",";
    return names;
  }

  pg::headless::ScriptedPlatform platform;
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
  std::string_view line = game.table.BestMonthText[0];
  ASSERT_EQ(pg::CharCount(line), 80);
  for (int cell = 0; cell < 8; ++cell) {
    SCOPED_TRACE(game.agari.yakunam[cell]);
    const std::string_view text = pg::FirstChars(line, 10);
    EXPECT_EQ(ShiftJisBytes(text), 16);
    line.remove_prefix(text.size());
  }
}

TEST_F(MatchScoreTest, TheRibbonPairIsEnteredOnce) {
  StopWith({0, 0, 0, 0, 3, 3, 0, 4});
  EXPECT_EQ(game.table.BestMonthText[0], "赤短・青短   8文" + Filler(7));
}

// The high-score table reads a stored month back into the rows the win dialog listed (here in the
// game's own words), blank cells left out and a line edited by hand shown as it is.
TEST_F(MatchScoreTest, AStoredMonthReadsBackIntoItsRows) {
  using Rows = std::vector<pg::BestMonthRow>;
  const auto same = [](const Rows& a, const Rows& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](const auto& x, const auto& y) {
             return x.name == y.name && x.points == y.points;
           });
  };
  Month(2, "タネ", " 2文");
  StopWith({0, 0, 0, 0, 3, 3, 0, 4});
  EXPECT_TRUE(same(pg::BestMonthRows(game.table.BestMonthText[0]), Rows{{"赤短・青短", "8文"}}));
  EXPECT_TRUE(same(pg::BestMonthRows(game.table.BestMonthText[1]), Rows{{"タネ", "2文"}}));
  EXPECT_TRUE(same(pg::BestMonthRows(Filler(8)), Rows{}));
  EXPECT_TRUE(same(pg::BestMonthRows("ＡＢＣ" + Filler(1)), Rows{{"ＡＢＣ", ""}}));
}

TEST_F(MatchScoreTest, ResultNamesTheWinnerAndTheDifference) {
  const struct {
    std::int16_t player, computer;
    const char *line, *verdict;
  } cases[] = {
      {35, 20, " 35文 対 20文、その差 15文で", "あなたの勝ちです。"},
      {12, 30, " 12文 対 30文、その差 18文で", "ｃｏｍの勝ちです。"},
      {24, 24, " 24文 対 24文、その差 0文で", "引き分けです。"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    game.table.matchScore = {c.player, c.computer};
    pg::PutMatchResult(game);
    EXPECT_EQ(game.board.message[0].caption, "勝負の結果、");
    EXPECT_EQ(game.board.message[1].caption, c.line);
    EXPECT_EQ(game.board.message[2].caption, c.verdict);
  }
}

}  // namespace

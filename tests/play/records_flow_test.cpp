// What the game remembers: the status file read at start-up, saved at the end under the lock, and
// the high scores a won match enters; with real files in a folder of the test's own.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "play/ending.h"
#include "play/hi_score.h"
#include "play/menu.h"
#include "play/setup.h"
#include "play/timers.h"
#include "play/turn_driver.h"
#include "records/status_file.h"
#include "records/status_records.h"
#include "tests/game_fixture.h"

namespace pg::test {
namespace {

namespace fs = std::filesystem;

class RecordsFlowTest : public GameTest {
 protected:
  RecordsFlowTest() {
    std::string pattern = (fs::path(testing::TempDir()) / "petalgame-flow-XXXXXX").string();
    folder = ::mkdtemp(pattern.data());
    game.statusPath = folder / "STATUS.DAT";
  }
  ~RecordsFlowTest() override {
    std::error_code ignored;
    fs::remove_all(folder, ignored);
  }

  // The state a match leaves when its twelfth month is over.
  void FinishMatch(int player, int computer, std::array<std::int16_t, 3> best) {
    game.table.matchScore = {static_cast<std::int16_t>(player), static_cast<std::int16_t>(computer)};
    game.table.BestMonthPoints = best;
    for (int r = 0; r < 3; ++r) game.table.BestMonthText[r] = best[r] ? "三光　　　  10文" : "";
    game.table.GameNum = 12;
    game.SetPhase(Phase::MonthOver);
  }

  fs::path folder;
};

TEST_F(RecordsFlowTest, StartUpTakesTheWindowsOptionsAndRulesFromTheFile) {
  WindowPositions windows;
  windows.left = {-300, 1500, 3000, 4500, 6000, 7500};
  windows.top = {100, 200, 300, 400, 500, -600};
  OptionSettings options;
  options.Speed = 7;
  options.WallChoice = 2;
  options.YakuDisplay = 1;
  const RuleSettings rules{1, 0, 0, 1, 3, 2};
  ASSERT_FALSE(SaveExitRecords(game.statusPath, windows, options, rules));

  setup(game);
  EXPECT_EQ(game.options.Slider, 7);
  EXPECT_EQ(game.options.Wall, 2);
  EXPECT_EQ(game.options.DekiYaku, YakuDisplay::NearCompletion);
  EXPECT_FALSE(game.rules.HanamiOn());
  EXPECT_TRUE(game.rules.OyaRightOn() && game.rules.KikuAsChaff());
  EXPECT_EQ(game.rules.rten[0], "3") << "plain digits";
  EXPECT_EQ(game.rules.TsukimiPoints(), 2);
  EXPECT_EQ(platform.windowOrigins[Window::Main].left, 1500);
  EXPECT_EQ(platform.windowOrigins[Window::Agari].left, -300);
  EXPECT_EQ(platform.windowOrigins[Window::Version].top, -600);
}

// Ten starts and quits with every window left alone: each comes back to the same place, the ones
// stored off the screen after the first start has brought them on.
TEST_F(RecordsFlowTest, WindowsLeftAloneComeBackToTheSamePlaceAfterEveryRestart) {
  WindowPositions windows;
  windows.left = {4200, 600, 30000, 4200, -9000, 1007};
  windows.top = {2400, 20000, 1800, -600, 1800, 3002};
  ASSERT_FALSE(SaveExitRecords(game.statusPath, windows, OptionSettings{}, DefaultStatusRecords().rules));
  for (const double scale : {1.0, 2.0}) {
    std::array<WindowOrigin, kStoredWindows> first{};
    for (int start = 0; start < 10; ++start) {
      headless::ScriptedPlatform desktop;
      desktop.screens = {{0, 0, static_cast<int>(1024 / scale), static_cast<int>(768 / scale)}};
      for (int w = 0; w < kStoredWindows; ++w) {
        const int width = static_cast<Window>(w) == Window::Main ? 760 : 400;
        desktop.frames[static_cast<Window>(w)] = {width, 300 + 40 * w, 1, 20, 1, 1};
      }
      Game restarted(desktop);
      restarted.statusPath = game.statusPath;
      setup(restarted);
      for (int w = 0; w < kStoredWindows; ++w) {
        const WindowOrigin place = desktop.windowOrigins.at(static_cast<Window>(w));
        const WindowFrame frame = desktop.frames.at(static_cast<Window>(w));
        EXPECT_GE(place.left / 15 - frame.marginLeft, 0) << "window " << w;
        EXPECT_GE(place.top / 15 - frame.marginTop, 0) << "window " << w;
        if (start == 0) {
          first[w] = place;
        } else {
          EXPECT_EQ(place.left, first[w].left) << "window " << w << ", start " << start << ", scale " << scale;
          EXPECT_EQ(place.top, first[w].top) << "window " << w << ", start " << start << ", scale " << scale;
        }
      }
      desktop.messageAnswers.push_back(MessageAnswer::Yes);
      Form_QueryUnload(restarted);
      ASSERT_TRUE(desktop.quit);
    }
    EXPECT_EQ(first[static_cast<int>(Window::Version)].left, 1007) << "a window on the screen keeps its twips";
  }
}

TEST_F(RecordsFlowTest, NoLeavesTheGameAsItWasAndYesSavesUnderTheLockThenEnds) {
  setup(game);
  DealArranged(0, {"11", "21", "33", "43", "53", "63", "73", "91"}, {"14", "24", "34", "44", "54", "64", "74", "C3"},
               {"92", "32", "42", "52", "62", "72", "C1", "B2"});
  const TableState before = game.table;
  Form_QueryUnload(game);
  // During a match the question says what becomes of it: kept for the next start, or, where it
  // cannot be kept, given up, and then a stray Enter keeps playing.
  EXPECT_EQ(platform.messages.back(), "Petalgame 32 を終了しますか。\nいまの対戦は、次に起動したときに続きから遊べます。");
  EXPECT_EQ(platform.messageButtons.back(), MessageButtons::YesNo);
  game.log.fromSources = false;
  Form_QueryUnload(game);
  EXPECT_EQ(platform.messages.back(),
            "Petalgame 32 を終了しますか。\nいまの対戦は中断として記録され、負けに数えられます。");
  EXPECT_EQ(platform.messageButtons.back(), MessageButtons::YesNoDefaultNo);
  EXPECT_EQ(platform.messageTitles.back(), "Petalgame 32");
  EXPECT_FALSE(platform.quit);
  EXPECT_FALSE(fs::exists(game.statusPath)) << "nothing was saved";
  EXPECT_EQ(game.table.Phase, before.Phase);
  EXPECT_EQ(game.table.HandLeft, before.HandLeft);

  game.rules.option[2] = 0;
  game.options.Slider = 9;
  // Halves round to the even neighbour; places beyond 16 bits stop at the edge.
  platform.windowOrigins[Window::Main] = {1000.5, 1001.5};
  platform.windowOrigins[Window::Agari] = {40000, -40000};
  platform.messageAnswers.push_back(MessageAnswer::Yes);
  game.SetPhase(Phase::MatchOver);
  MenuEnd(game);
  EXPECT_EQ(platform.messages.back(), "Petalgame 32 を終了しますか。") << "between matches nothing is given up";
  EXPECT_EQ(platform.messageButtons.back(), MessageButtons::YesNo);
  EXPECT_TRUE(platform.quit);
  const StatusRecords saved = LoadStatusFile(game.statusPath);
  EXPECT_EQ(saved.windows.left[1], 1000);
  EXPECT_EQ(saved.windows.top[1], 1002);
  EXPECT_EQ(saved.windows.left[0], 32767);
  EXPECT_EQ(saved.windows.top[0], -32768);
  EXPECT_EQ(saved.windows.left[3], 4200) << "a window never shown keeps its loaded place";
  EXPECT_EQ(saved.options.Speed, 9);
  EXPECT_EQ(saved.rules.OyaRule, 0);
  EXPECT_EQ(saved.lock.value, 0) << "the lock is given back";
}

TEST_F(RecordsFlowTest, EndingWaitsForAnotherCopysLockOrGoesBackToTheGame) {
  setup(game);
  StatusFileLock other(game.statusPath);
  ASSERT_EQ(other.TryAcquire().outcome, LockOutcome::Acquired);

  int ticks = 0;
  platform.onModal = [&](Dialog dialog) {
    ASSERT_EQ(dialog, Dialog::Wait);
    EXPECT_TRUE(game.wait.wayBack);
    EXPECT_TRUE(platform.waitCursor);
    WaitWayBack(game);
  };
  platform.messageAnswers.push_back(MessageAnswer::Yes);
  Ending(game);
  EXPECT_FALSE(platform.quit) << "the way back leaves the game running";
  EXPECT_FALSE(platform.waitCursor);
  EXPECT_TRUE(platform.timers.empty());

  platform.onModal = [](Dialog) {};
  platform.onTimer = [&](Timer timer) {
    // The other copy finishes after three of our retries.
    if (++ticks == 3) {
      ASSERT_FALSE(other.Release());
    }
    TimerTick(game, timer);
  };
  platform.messageAnswers.push_back(MessageAnswer::Yes);
  Ending(game);
  EXPECT_GE(ticks, 3);
  EXPECT_TRUE(platform.quit);
  EXPECT_EQ(LoadStatusFile(game.statusPath).lock.value, 0);
}

TEST_F(RecordsFlowTest, ASaveThatCannotBeWrittenIsReportedAndTheGameStillEnds) {
  std::ofstream(folder / "file") << "not a folder";
  game.statusPath = folder / "file" / "STATUS.DAT";
  setup(game);
  platform.messageAnswers.push_back(MessageAnswer::Yes);
  Ending(game);
  EXPECT_TRUE(platform.quit);
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_TRUE(platform.messages[1].starts_with("設定を保存できませんでした。")) << platform.messages[1];
  EXPECT_EQ(platform.messageTitles[1], "エラー");
}

TEST_F(RecordsFlowTest, AWonMatchAsksForANameRefusingNoneAndEntersBothTables) {
  setup(game);
  FinishMatch(30, 12, {9, 0, 0});
  std::vector<Dialog> shown;
  platform.onModal = [&](Dialog dialog) {
    shown.push_back(dialog);
    if (dialog == Dialog::InputName) {
      EXPECT_EQ(game.inputName.totalLine, "総合で 1位に");
      EXPECT_TRUE(game.inputName.totalVisible && game.inputName.gameVisible);
      EXPECT_EQ(game.inputName.gameLine, "一勝負で 1位に");
      game.inputName.InputName = "　 ";
      InputNameOk(game);
      ASSERT_EQ(platform.messages.size(), 1u) << "a name of blanks is no name";
      EXPECT_EQ(platform.messages[0], "名前が入力されていません。");
      EXPECT_EQ(platform.messageTitles[0], "入力エラー");
      game.inputName.InputName = "はなこ";
      InputNameOk(game);
    } else if (dialog == Dialog::Score) {
      EXPECT_EQ(game.scoreDialog.total.name[0], "はなこ");
      EXPECT_TRUE(game.scoreDialog.totalBold[0]);
      EXPECT_EQ(game.scoreDialog.game.points[0], 9);
      EXPECT_TRUE(game.scoreDialog.gameBold[0]);
      EXPECT_EQ(game.scoreDialog.page, ScorePage::Total) << "the match entered the overall table";
      FormScoreOk(game);
    }
  };
  Form_Click(game);
  EXPECT_EQ(game.table.Phase, Phase::MatchOver);
  EXPECT_EQ(shown, (std::vector<Dialog>{Dialog::InputName, Dialog::Score}));
  EXPECT_FALSE(game.scoreDialog.totalBold[0]) << "bold only until the tables close";

  const HighScoreTables stored = ReadHighScores(game.statusPath);
  EXPECT_EQ(stored.total.name[0], "はなこ");
  EXPECT_EQ(stored.total.ten[0], 18);
  EXPECT_EQ(stored.game.yaku[0], "三光　　　  10文");
  EXPECT_EQ(LoadStatusFile(game.statusPath).lock.value, 0);
}

TEST_F(RecordsFlowTest, AWonMatchAtBeginnerEntersNothing) {
  setup(game);
  game.level = Level::Beginner;
  FinishMatch(30, 12, {9, 0, 0});
  Form_Click(game);
  EXPECT_EQ(game.table.Phase, Phase::MatchOver);
  EXPECT_TRUE(platform.modalsShown.empty()) << "no name asked";
  EXPECT_TRUE(ReadHighScores(game.statusPath).total.name[0].empty());
}

TEST_F(RecordsFlowTest, AWonMatchWithHintsShownEntersNothing) {
  setup(game);
  FinishMatch(30, 12, {9, 0, 0});
  game.assisted = true;
  Form_Click(game);
  EXPECT_EQ(game.table.Phase, Phase::MatchOver);
  EXPECT_TRUE(platform.modalsShown.empty()) << "no name asked";
  EXPECT_TRUE(ReadHighScores(game.statusPath).total.name[0].empty());
}

TEST_F(RecordsFlowTest, ALostMatchEntersNothingAndTheMenuShowsTheStoredTables) {
  setup(game);
  TotalTable total;
  total.name[0] = "たろう";
  total.ten[0] = 40;
  ASSERT_FALSE(SaveHighScores(game.statusPath, total, GameTable{}));
  FinishMatch(10, 30, {0, 0, 0});
  Form_Click(game);
  EXPECT_TRUE(platform.modalsShown.empty()) << "no name asked, no tables shown";

  StatusFileLock other(game.statusPath);
  ASSERT_EQ(other.TryAcquire().outcome, LockOutcome::Acquired);
  platform.onModal = [&](Dialog dialog) {
    EXPECT_EQ(dialog, Dialog::Score);
    EXPECT_EQ(game.scoreDialog.total.name[0], "たろう") << "read without the lock";
    EXPECT_FALSE(game.HelpJudge) << "the menu's hover guard is armed";
    FormScoreOk(game);
  };
  MenuHiScore(game);
  EXPECT_EQ(platform.modalsShown.size(), 1u);
}

TEST_F(RecordsFlowTest, ALostMatchsBestMonthEntersTheMonthTableWhichTheTablesOpenOn) {
  setup(game);
  FinishMatch(10, 30, {9, 0, 0});
  platform.onModal = [&](Dialog dialog) {
    if (dialog == Dialog::InputName) {
      EXPECT_FALSE(game.inputName.totalVisible);
      EXPECT_EQ(game.inputName.gameLine, "一勝負で 1位に");
      EXPECT_EQ(game.inputName.resultTop, MatchResultTop(game.table, 0)) << "the dialog opens above the result";
      game.inputName.InputName = "はなこ";
      InputNameOk(game);
    } else {
      EXPECT_EQ(game.scoreDialog.page, ScorePage::Game);
      FormScoreOk(game);
    }
  };
  Form_Click(game);
  EXPECT_EQ(platform.modalsShown, (std::vector<Dialog>{Dialog::InputName, Dialog::Score}));
  EXPECT_FALSE(game.scoreDialog.page) << "from the menu the page last chosen stays";
}

TEST_F(RecordsFlowTest, AHighScoreUpdateWaitsBehindTheWaitWindowWithoutAWayBack) {
  setup(game);
  StatusFileLock other(game.statusPath);
  ASSERT_EQ(other.TryAcquire().outcome, LockOutcome::Acquired);
  FinishMatch(25, 5, {6, 0, 0});
  int ticks = 0;
  platform.onTimer = [&](Timer timer) {
    if (timer == Timer::HiScore && ++ticks == 2) {
      ASSERT_FALSE(other.Release());
    }
    TimerTick(game, timer);
  };
  platform.onModal = [&](Dialog dialog) {
    if (dialog == Dialog::Wait) {
      EXPECT_FALSE(game.wait.wayBack);
    }
    if (dialog == Dialog::InputName) {
      game.inputName.InputName = "じろう";
      InputNameOk(game);
    }
    if (dialog == Dialog::Score) FormScoreOk(game);
  };
  Form_Click(game);
  EXPECT_EQ(platform.modalsShown.front(), Dialog::Wait);
  EXPECT_EQ(ReadHighScores(game.statusPath).total.name[0], "じろう");
}

}  // namespace
}  // namespace pg::test

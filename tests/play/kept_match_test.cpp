// A kept match taken up plays on exactly as the match never cut short, and is stored once; a
// record that cannot be used is set aside whole; of two copies only one takes the match up.
#include "play/kept_match.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <utility>

#include "engine/game.h"
#include "engine/options.h"
#include "headless/scripted_platform.h"
#include "play/agari.h"
#include "play/match_inputs.h"
#include "play/match_recorder.h"
#include "play/setup.h"
#include "play/timers.h"

namespace pg {
namespace {

namespace fs = std::filesystem;

constexpr std::uint64_t kSeed = 20261210;

// A player at random through the clicks a real player makes.
class Player {
 public:
  Player(Game& game, headless::ScriptedPlatform& platform) : game_(game) {
    platform.onModal = [this](Dialog) { Answer(); };
    platform.onTimer = [this](Timer timer) { TimerTick(game_, timer); };
  }

  void Click() {
    const TableState& t = game_.table;
    switch (t.Phase) {
      case Phase::DealerDraw:
        PlayerClicksCard(game_, choices.Below(12));
        break;
      case Phase::PlayerToPlay:
        PlayerClicksCard(game_, t.HandCard[0][choices.Below(CardsInHand(t, 0))].pic);
        break;
      case Phase::HandChoice:
      case Phase::StockChoice:
        PlayerClicksCard(game_, t.FieldCard[t.SameSlot[choices.Below(2)]].pic);
        break;
      default:
        PlayerClicksTable(game_);
    }
  }
  void PlayUntil(const std::function<bool()>& done) {
    for (int clicks = 0; !done() && clicks < 1000; ++clicks) Click();
  }
  void PlayToTheEnd() {
    PlayUntil([this] { return game_.table.Phase == Phase::MatchOver; });
  }

  Random choices{kSeed ^ 0x5A5A};
  // Called as the win dialog opens, before the player answers.
  std::function<void()> onDialog;

 private:
  void Answer() {
    if (onDialog) onDialog();
    const WinDialogState& d = game_.agari;
    int button = 0;
    if (d.Command1[2].visible) {
      button = 2;
    } else if (d.Command1[1].visible) {
      button = d.Command1[0].enabled && choices.Below(2) == 0 ? 0 : 1;
    }
    AgariCommandClick(game_, button);
  }

  Game& game_;
};

class KeptMatchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("pg_kept_" + std::to_string(getpid()) + "_" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  // A game as the program sets it up, its sources seeded from `seed`, for a player who wants hints.
  void Prepare(Game& game, std::uint64_t seed) {
    game.statusPath = folder_ / "STATUS.DAT";
    setup(game);
    game.SeedRandoms(seed);
    game.nextLevel = Level::Strong;
    game.hints = true;
  }
  fs::path Kept() const { return folder_ / kResumeFileName; }
  // Plays a match into its second month and hands it to `then` with the game still on the table.
  void PlayIntoSecondMonth(const std::function<void(Game&, Player&)>& then) {
    headless::ScriptedPlatform platform;
    Game game(platform);
    Prepare(game, kSeed);
    Player player(game, platform);
    StartGame(game);
    player.PlayUntil([&] { return game.table.GameNum == 2; });
    then(game, player);
  }
  // Plays a match into its second month and keeps it, as 終了 would.
  void KeepMatchInSecondMonth() {
    PlayIntoSecondMonth([](Game& game, Player&) { ASSERT_TRUE(KeepMatchForLater(game)); });
  }

  fs::path folder_;
};

struct Cut {
  const char* name;
  // Where the first game is left: between clicks in the fourth month, or in its first win dialog
  // from the third month on, with the click that opened it still running.
  bool inWinDialog;
};

TEST_F(KeptMatchTest, AMatchTakenUpPlaysOnAsIfNeverLeftAndIsStoredOnce) {
  headless::ScriptedPlatform wholePlatform;
  Game whole(wholePlatform);
  Prepare(whole, kSeed);
  whole.statusPath.clear();
  Player wholePlayer(whole, wholePlatform);
  StartGame(whole);
  wholePlayer.PlayToTheEnd();
  ASSERT_EQ(whole.table.Phase, Phase::MatchOver);

  for (const Cut cut : {Cut{"between clicks", false}, Cut{"in a win dialog", true}}) {
    SCOPED_TRACE(cut.name);
    fs::remove(folder_ / "history.db");
    headless::ScriptedPlatform leftPlatform;
    Game left(leftPlatform);
    Prepare(left, kSeed);
    Player leftPlayer(left, leftPlatform);
    StartGame(left);
    Random choicesAtCut;
    if (cut.inWinDialog) {
      leftPlayer.onDialog = [&] {
        if (left.table.GameNum < 3 || left.ending) return;
        left.ending = true;
        choicesAtCut = leftPlayer.choices;
      };
      leftPlayer.PlayUntil([&] { return left.ending; });
    } else {
      leftPlayer.PlayUntil([&] { return left.table.GameNum == 4 && left.table.HandLeft < 13; });
      choicesAtCut = leftPlayer.choices;
    }
    ASSERT_GE(left.table.GameNum, 3);
    ASSERT_TRUE(CanKeepMatch(left));
    ASSERT_TRUE(KeepMatchForLater(left));
    ASSERT_EQ(LoadResumeFile(Kept()).record.running.has_value(), cut.inWinDialog);
    // The copy that kept it ends, and lets go of the file.
    left.resumeLock.Drop();

    headless::ScriptedPlatform takenPlatform;
    Game taken(takenPlatform);
    Prepare(taken, 99);
    MatchRecorder recorder(taken, folder_ / "history.db");
    Player takenPlayer(taken, takenPlatform);
    takenPlayer.choices = choicesAtCut;
    taken.observer = &recorder;
    takenPlatform.messageAnswers = {MessageAnswer::Yes};
    OfferKeptMatch(taken, &recorder);
    EXPECT_TRUE(taken.keptMatch && taken.resumeLock.Held());
    EXPECT_EQ(takenPlatform.messages.size(), 1u);
    ASSERT_NE(taken.table.Phase, Phase::Idle);
    takenPlayer.PlayToTheEnd();
    EXPECT_FALSE(fs::exists(Kept()));
    EXPECT_EQ(taken.table.matchScore, whole.table.matchScore);
    // The advisor's source too: the hints shown again on taking up draw as they drew before.
    EXPECT_EQ(taken.Sources(), whole.Sources());

    auto opened = HistoryDatabase::Open(folder_ / "history.db");
    ASSERT_TRUE(opened.database);
    const std::vector<HistoryMatch> stored = opened.database->Load(HistoryDetail::Everything);
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_NE(stored[0].result, MatchOutcome::Abandoned);
    EXPECT_EQ(stored[0].months.size(), 12u);
    EXPECT_EQ(stored[0].scores[0], whole.table.matchScore[0]);
  }
}

TEST_F(KeptMatchTest, ARecordThatCannotBeUsedIsSetAsideWholeAndTheGameStartsAsUsual) {
  headless::ScriptedPlatform platform;
  Game game(platform);
  Prepare(game, kSeed);
  game.statusPath.clear();
  Player player(game, platform);
  StartGame(game);
  player.PlayUntil([&] { return game.table.GameNum == 2 && game.table.HandLeft < 14; });
  ResumeRecord good = RecordToKeep(game);
  const std::string text = ResumeText(good);
  std::string why;
  ASSERT_TRUE(ReadResumeText(text, why)) << why;
  ResumeRecord unplayable = good;
  unplayable.clicks[0].winButtons = {1};
  std::string outOfBounds = text;
  outOfBounds.replace(outOfBounds.find("rules=") + 6, 1, "7");

  struct Row {
    const char* name;
    std::string text;
    // The question is asked only of a record that reads.
    bool asked;
    const char* why;
  };
  for (const Row& row : {Row{"another file", "[Settings]\nlevel=normal\n", false, "記録ではありません"},
                         Row{"cut short", text.substr(0, text.size() / 2), false, "途中で切れて"},
                         Row{"a number out of bounds", outOfBounds, false, "「rules」の値が範囲外"},
                         Row{"clicks that do not play", ResumeText(unplayable), true, "打ち直せません"}}) {
    SCOPED_TRACE(row.name);
    std::ofstream(Kept(), std::ios::binary) << row.text;
    headless::ScriptedPlatform startPlatform;
    Game start(startPlatform);
    Prepare(start, 5);
    startPlatform.messageAnswers = {MessageAnswer::Yes};
    OfferKeptMatch(start, nullptr);
    EXPECT_FALSE(fs::exists(Kept()));
    std::ifstream aside(folder_ / "RESUME.TXT.damaged", std::ios::binary);
    std::stringstream kept;
    kept << aside.rdbuf();
    EXPECT_EQ(kept.str(), row.text);
    ASSERT_EQ(startPlatform.messages.size(), row.asked ? 2u : 1u);
    EXPECT_NE(startPlatform.messages.back().find("RESUME.TXT.damaged"), std::string::npos);
    EXPECT_NE(startPlatform.messages.back().find(row.why), std::string::npos);
    EXPECT_EQ(start.table.Phase, Phase::Idle);
  }
}

TEST_F(KeptMatchTest, NoStoresTheMatchAsAbandonedAndLeavesTheTableAsItWas) {
  ASSERT_NO_FATAL_FAILURE(KeepMatchInSecondMonth());

  headless::ScriptedPlatform startPlatform;
  Game start(startPlatform);
  Prepare(start, 3);
  MatchRecorder recorder(start, folder_ / "history.db");
  start.observer = &recorder;
  const RandomStates sources = start.Sources();
  startPlatform.messageAnswers = {MessageAnswer::No};
  OfferKeptMatch(start, &recorder);
  EXPECT_EQ(start.table.Phase, Phase::Idle);
  EXPECT_FALSE(MonthInPlay(start));
  EXPECT_EQ(start.Sources(), sources);
  EXPECT_FALSE(fs::exists(Kept()));
  auto opened = HistoryDatabase::Open(folder_ / "history.db");
  ASSERT_TRUE(opened.database);
  const std::vector<HistoryMatch> stored = opened.database->Load(HistoryDetail::Everything);
  ASSERT_EQ(stored.size(), 1u);
  EXPECT_EQ(stored[0].result, MatchOutcome::Abandoned);
  EXPECT_EQ(stored[0].months.size(), 2u);
}

// The match in play is kept after every click, so a crash loses no more than the click under way;
// a copy started meanwhile is told the match is in play and leaves it alone. A logout called off
// keeps it going, and the match's end takes the file away.
TEST_F(KeptMatchTest, TheMatchInPlayIsKeptAsItGoesAndLeftToTheCopyPlayingIt) {
  PlayIntoSecondMonth([this](Game& game, Player& player) {
    const auto clicksKept = [this] { return LoadResumeFile(Kept()).record.clicks.size(); };
    EXPECT_EQ(clicksKept(), game.log.inputs.size());
    KeepMatchAsTheSessionEnds(game);
    player.Click();
    EXPECT_EQ(clicksKept(), game.log.inputs.size());

    headless::ScriptedPlatform otherPlatform;
    Game other(otherPlatform);
    Prepare(other, 1);
    OfferKeptMatch(other, nullptr);
    ASSERT_EQ(otherPlatform.messages.size(), 1u);
    EXPECT_NE(otherPlatform.messages[0].find("先に続けています"), std::string::npos);
    EXPECT_EQ(other.table.Phase, Phase::Idle);

    player.PlayToTheEnd();
    EXPECT_FALSE(fs::exists(Kept()));
  });
}

// A platform whose question lets another copy answer first.
class Overtaken : public headless::ScriptedPlatform {
 public:
  MessageAnswer ShowMessage(std::string_view text, std::string_view title, MessageIcon icon,
                            MessageButtons buttons) override {
    if (other) std::exchange(other, {})();
    return ScriptedPlatform::ShowMessage(text, title, icon, buttons);
  }
  std::function<void()> other;
};

TEST_F(KeptMatchTest, OfTwoCopiesAskedTogetherOnlyTheFirstToAnswerTakesTheMatchUp) {
  ASSERT_NO_FATAL_FAILURE(KeepMatchInSecondMonth());

  headless::ScriptedPlatform firstPlatform;
  Game first(firstPlatform);
  Prepare(first, 1);
  Overtaken secondPlatform;
  Game second(secondPlatform);
  Prepare(second, 2);
  firstPlatform.messageAnswers = secondPlatform.messageAnswers = {MessageAnswer::Yes};
  secondPlatform.other = [&] { OfferKeptMatch(first, nullptr); };
  OfferKeptMatch(second, nullptr);
  EXPECT_EQ(first.table.GameNum, 2);
  EXPECT_EQ(second.table.Phase, Phase::Idle);
  ASSERT_EQ(secondPlatform.messages.size(), 2u);
  EXPECT_NE(secondPlatform.messages[1].find("先に続けています"), std::string::npos);
  EXPECT_TRUE(first.keptMatch && !second.keptMatch && !second.resumeLock.Held());
}

}  // namespace
}  // namespace pg

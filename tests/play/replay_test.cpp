// Replays of stored matches: seeded matches under several rule sets replayed on the table to their
// stored scores, bad rows refused with a message, the game put back exactly on leaving, nothing
// recorded meanwhile, a stored first deal played again, and a review line's month played on from its
// moment as 「こう打てば」 shows it.
#include "play/replay.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <ostream>
#include <sstream>

#include "headless/scripted_platform.h"
#include "model/month.h"
#include "model/stored_match.h"
#include "play/agari.h"
#include "play/match_recorder.h"
#include "play/setup.h"
#include "play/show_how.h"
#include "play/timers.h"
#include "play/turn_driver.h"
#include "tools/selfplay/self_play.h"

namespace pg {
namespace {

namespace fs = std::filesystem;

struct RuleCase {
  const char* name;
  std::array<std::int16_t, 4> option;
  std::array<std::int16_t, 2> points;
};

constexpr RuleCase kRuleCases[] = {
    {"the dialog's defaults", {0, 0, 1, 0}, {5, 5}},
    {"no 花見 or 月見, 親権 on, sake cup as chaff", {1, 1, 0, 1}, {3, 2}},
    {"花見 only, at 1文, 親権 on", {0, 1, 0, 0}, {1, 5}},
};

class ReplayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("pg_replay_" + std::to_string(getpid()) + "_" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    platform_.onModal = [this](Dialog dialog) {
      ASSERT_EQ(dialog, Dialog::Agari);
      AgariCommandClick(game_, replay_ ? replay_->WinDialogButton() : 1);
    };
    platform_.onTimer = [this](Timer timer) { TimerTick(game_, timer); };
    setup(game_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  // Self-played matches as the recorder stored them, read back whole.
  std::vector<HistoryMatch> Played(const RuleCase& rules, std::uint64_t seed, int matches) {
    const fs::path file = folder_ / ("played" + std::to_string(seed) + ".db");
    fs::remove(file);
    selfplay::SelfPlayOptions options;
    options.seed = seed;
    options.matches = matches;
    options.rules.option = rules.option;
    options.rules.rscroll = rules.points;
    std::ostream discard(nullptr);
    {
      selfplay::SelfPlay play(options, discard);
      MatchRecorder recorder(play.State(), file);
      play.Watch(recorder);
      play.Run();
    }
    auto database = HistoryDatabase::Open(file).database;
    std::vector<HistoryMatch> stored = database->Load(HistoryDetail::Everything);
    // A replay reads its match alone, and finds it as the whole history holds it.
    for (const HistoryMatch& match : stored) EXPECT_EQ(database->LoadMatch(match.id), match);
    EXPECT_FALSE(database->LoadMatch(stored.back().id + 1));
    return stored;
  }

  std::string Refusal(const HistoryMatch& match) {
    ReplayOpened opened = Replay::Open(game_, match);
    EXPECT_FALSE(opened.replay);
    return opened.refusal;
  }

  fs::path folder_;
  headless::ScriptedPlatform platform_;
  Game game_{platform_};
  std::unique_ptr<Replay> replay_;
};

// What a player could see of the table and what the game goes on from.
std::string Fingerprint(Game& game) {
  std::ostringstream out;
  const TableState& t = game.table;
  out << static_cast<int>(t.Phase) << ' ' << t.Oya << ' ' << t.GameNum << ' ' << t.StockLeft << ' ' << t.HandLeft << ' '
      << t.matchScore[0] << ':' << t.matchScore[1] << '|';
  for (CardCode code : t.Deck) out << code.Text();
  for (const Slot& slot : t.FieldCard) out << slot.code.Text() << slot.pic;
  for (const auto& hand : t.HandCard) {
    for (const Slot& slot : hand) out << slot.code.Text() << slot.pic;
  }
  for (const CardPicture& card : game.board.Card) {
    out << card.left << ',' << card.top << ',' << card.cell << card.visible << card.enabled << card.handCursor << ';';
  }
  for (const Label& label : game.board.message) out << label.caption << label.visible;
  for (const Label& label : game.board.YakuState) out << label.caption << label.visible;
  for (const Label& label : game.board.Score) out << label.caption;
  out << game.board.Pnum.caption << game.board.prompt.visible << game.board.koikoi[0].visible
      << game.board.koikoi[1].visible << game.keyCursor.shown << game.keyCursor.pic << game.rules.option[2]
      << (game.observer != nullptr) << game.statusPath << '|';
  // The random sources, by what they would draw next.
  Random random = game.random;
  Random search = game.searchRandom;
  for (int i = 0; i < 4; ++i) out << random.Below(1000) << ',' << search.Below(1000) << ',';
  return out.str();
}

TEST_F(ReplayTest, SeededMatchesReplayedToTheEndReachTheirStoredScores) {
  for (const RuleCase& rules : kRuleCases) {
    SCOPED_TRACE(rules.name);
    for (const HistoryMatch& match : Played(rules, 21, 2)) {
      ReplayOpened opened = Replay::Open(game_, match);
      ASSERT_TRUE(opened.replay) << opened.refusal;
      replay_ = std::move(opened.replay);
      int steps = 0;
      while (replay_->Forward()) ++steps;
      EXPECT_EQ(game_.table.Phase, Phase::MatchOver);
      EXPECT_EQ(game_.table.matchScore[0], match.scores[0]);
      EXPECT_EQ(game_.table.matchScore[1], match.scores[1]);
      int moves = 0;
      for (const HistoryMonth& month : match.months) moves += static_cast<int>(month.moves.size());
      EXPECT_EQ(steps, moves + 12);
      // Back and forward again land where the first pass did.
      const std::string end = Fingerprint(game_);
      replay_->GoToMonth(11);
      EXPECT_EQ(replay_->Month(), 11);
      EXPECT_EQ(replay_->MovesMade(), 0);
      while (replay_->Forward()) {
      }
      EXPECT_EQ(Fingerprint(game_), end);
      replay_.reset();
    }
  }
}

TEST_F(ReplayTest, BadRowsAreRefusedWithAMessageNamingTheMonth) {
  const HistoryMatch match = Played(kRuleCases[0], 5, 1).at(0);
  struct Case {
    const char* name;
    std::function<void(HistoryMatch&)> spoil;
    const char* said;
  };
  const Case cases[] = {
      {"an unknown card in a move", [](HistoryMatch& m) { m.months[2].moves[0].card = "D7"; }, "3か月目"},
      {"an unknown card in the deal", [](HistoryMatch& m) { m.months[0].stock[5] = "x"; }, "1か月目の配り"},
      {"a card dealt twice", [](HistoryMatch& m) { m.months[1].table[0] = m.months[1].table[1]; }, "2か月目の配り"},
      {"a hand card not in the hand", [](HistoryMatch& m) { m.months[0].moves[0].card = m.months[0].stock.back(); },
       "1か月目の1手目"},
      {"cards taken that the rules did not give", [](HistoryMatch& m) { m.months[3].moves[1].taken.push_back("11"); },
       "4か月目の2手目"},
      {"a move after the month ended", [](HistoryMatch& m) { m.months[4].moves.push_back(m.months[4].moves.front()); },
       "5か月目"},
      {"a wrong dealer", [](HistoryMatch& m) { m.months[6].dealer = 1 - m.months[6].dealer; }, "7か月目"},
      {"no month at all", [](HistoryMatch& m) { m.months.clear(); }, "月の記録"},
      {"other scores", [](HistoryMatch& m) { m.scores[0] += 1; }, "記録の点数"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HistoryMatch spoilt = match;
    c.spoil(spoilt);
    const std::string refusal = Refusal(spoilt);
    EXPECT_NE(refusal.find(kCannotReplay), std::string::npos) << refusal;
    EXPECT_NE(refusal.find(c.said), std::string::npos) << refusal;
  }
  // A call of the wrong kind is refused too, wherever the match made one.
  HistoryMatch spoilt = match;
  for (HistoryMonth& month : spoilt.months) {
    for (HistoryCall& call : month.calls)
      call.kind = call.kind == CallKind::KoiKoi ? CallKind::Shoubu : CallKind::KoiKoi;
  }
  EXPECT_FALSE(Refusal(spoilt).empty());
}

TEST_F(ReplayTest, LeavingPutsTheGameBackAndNothingIsRecordedMeanwhile) {
  const HistoryMatch match = Played(kRuleCases[1], 8, 1).at(0);
  // A match of the game's own under way, followed by the recorder, with STATUS.DAT kept.
  game_.statusPath = folder_ / "STATUS.DAT";
  MatchRecorder recorder(game_, folder_ / "history.db");
  game_.observer = &recorder;
  StartGame(game_);
  Card_Click(game_, 3);
  Form_Click(game_);
  Card_Click(game_, game_.table.HandCard[0][0].pic);
  game_.keyCursor = {true, game_.table.HandCard[0][1].pic, 10, 20};
  ASSERT_EQ(recorder.Current()->months.size(), 1u);
  const std::size_t moves = recorder.Current()->months[0].moves.size();
  const std::string before = Fingerprint(game_);
  const bool statusExisted = fs::exists(game_.statusPath);

  replay_ = OpenReplayAt(game_, match, 3, 4, CardCode::FromText(match.months[3].moves[4].card)).replay;
  ASSERT_TRUE(replay_);
  EXPECT_EQ(replay_->Month(), 3);
  EXPECT_EQ(replay_->MovesMade(), 4);
  EXPECT_TRUE(game_.board.Box[0].visible);
  while (replay_->Forward()) {
  }
  replay_->Back();
  replay_->Leave();
  EXPECT_EQ(Fingerprint(game_), before);
  EXPECT_EQ(recorder.Current()->months.size(), 1u);
  EXPECT_EQ(recorder.Current()->months[0].moves.size(), moves);
  EXPECT_EQ(fs::exists(game_.statusPath), statusExisted);
  EXPECT_TRUE(HistoryDatabase::Open(folder_ / "history.db").database->Load(HistoryDetail::Matches).empty());
  replay_.reset();
  EXPECT_EQ(Fingerprint(game_), before);
}

TEST_F(ReplayTest, PlayingADealAgainDealsTheStoredFirstMonthWithItsDealerUnaidedAndSaysTheLevel) {
  std::vector<HistoryMatch> matches = Played(kRuleCases[0], 13, 2);
  matches[1].level = "expert";
  for (const HistoryMatch& match : matches) {
    const HistoryMonth& first = match.months[0];
    // The match before showed hints; the second time a month is under way, and the player agrees
    // to give it up.
    game_.assisted = true;
    platform_.messageAnswers.push_back(MessageAnswer::Yes);
    ASSERT_FALSE(PlayDealAgain(game_, match));
    EXPECT_EQ(game_.table.Phase, Phase::DealerKnown);
    EXPECT_FALSE(game_.assisted) << "a new match starts unaided";
    EXPECT_EQ(game_.board.message[0].caption, "選んだ対戦と同じ配りで始めます。") << "not only the match before";
    EXPECT_EQ(game_.board.message[2].caption,
              LevelNamed(match.level) == game_.level ? "強さは記録と同じ「普通」です。" : "強さは「普通」です（記録は「最強」）。");
    platform_.onModal = [this](Dialog) { AgariCommandClick(game_, 1); };
    Form_Click(game_);
    const TableState& t = game_.table;
    std::vector<StoredCard> table;
    for (int i = 0; i < 8; ++i) table.push_back(t.FieldCard[i].code.Text());
    EXPECT_EQ(table, first.table);
    EXPECT_EQ(t.Deck[47].Text(), first.stock.back());
    EXPECT_EQ(t.GameNum, 1);
  }
  EXPECT_NE(platform_.messages.back().find("負けに数えられます"), std::string::npos)
      << "giving up the match under way says what becomes of it";
  HistoryMatch spoilt = matches[0];
  spoilt.months[0].hands[0][0] = spoilt.months[0].hands[1][0];
  EXPECT_TRUE(PlayDealAgain(game_, spoilt));
}

// The player's first choice of a few months, and every こいこい or 勝負 it had, each with another
// legal move as the better one: the line opens on the table at the choice's moment (a call's from
// before the turn that made the yaku), plays to the month's end and leaves the game as it was.
TEST_F(ReplayTest, ShowHowPlaysTheLineOnTheTableFromItsMomentAndSaysWhatCameOfIt) {
  const HistoryMatch match = Played(kRuleCases[0], 9, 1).at(0);
  const std::string before = Fingerprint(game_);
  int plays = 0;
  int calls = 0;
  int lastMonth = 0;
  for (const model::StoredMove& m : model::FollowStoredMatch(match).moves) {
    model::MoveList moves;
    model::LegalMoves(m.before, moves);
    const bool call = m.before.stage == model::Stage::Decision;
    if (m.before.mover != 0 || moves.size < 2 || (!call && (m.month == lastMonth || plays == 3))) continue;
    lastMonth = m.month;
    const model::Move better = moves[0] == m.move ? moves[1] : moves[0];
    replay_ = OpenShowHow(game_, match, {m.month, m.sequence, m.move, better, 0.2, 0.4}).replay;
    ASSERT_TRUE(replay_) << m.month << "月の" << m.sequence + 1 << "手目";
    EXPECT_EQ(replay_->MonthNumber(replay_->Month()), m.month);
    if (call) {
      // Shown after the hand card of the turn whose stock card follows: a call stands before the
      // stored stock card where that card needed no choice, after it where it did.
      EXPECT_EQ(replay_->MovesMade() % 2, 1);
      EXPECT_GE(replay_->MovesMade(), m.sequence - 1);
      EXPECT_LE(replay_->MovesMade(), m.sequence);
    } else {
      EXPECT_EQ(replay_->MovesMade(), m.sequence);
    }
    EXPECT_EQ(game_.board.Box[0].visible, !call) << "the better card is framed";
    ASSERT_EQ(replay_->Notes().size(), 3u);
    EXPECT_EQ(replay_->Notes()[0].rfind("実際：", 0), 0u) << replay_->Notes()[0];
    while (replay_->Forward()) {
    }
    EXPECT_EQ(game_.table.Phase, Phase::MonthOver) << "the line ends the month";
    replay_->Leave();
    replay_.reset();
    EXPECT_EQ(Fingerprint(game_), before);
    ++(call ? calls : plays);
  }
  EXPECT_EQ(plays, 3);
  EXPECT_GE(calls, 1);
}

}  // namespace
}  // namespace pg

// The match recorder: self-played matches stored whole and consistent, abandoned matches kept as
// such, and a history that cannot be written reported while play goes on.
#include "play/match_recorder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <set>

#include "headless/scripted_platform.h"
#include "tools/selfplay/self_play.h"

namespace pg {
namespace {

namespace fs = std::filesystem;

class MatchRecorderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("pg_recorder_" + std::to_string(getpid()) + "_" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::vector<HistoryMatch> Stored() {
    auto opened = HistoryDatabase::Open(folder_ / "history.db");
    return opened.database ? opened.database->Load(HistoryDetail::Everything) : std::vector<HistoryMatch>{};
  }

  fs::path folder_;
};

// What a stored month must satisfy whatever was played: 48 different cards dealt, hand cards
// played from the hand they were dealt to, stock cards in the order they lay.
void ExpectMonthAddsUp(const HistoryMonth& month) {
  std::set<StoredCard> dealt(month.table.begin(), month.table.end());
  for (const auto& hand : month.hands) dealt.insert(hand.begin(), hand.end());
  dealt.insert(month.stock.begin(), month.stock.end());
  EXPECT_EQ(dealt.size(), 48u);
  std::size_t nextStock = 0;
  std::array<std::set<StoredCard>, 2> hands{
      {{month.hands[0].begin(), month.hands[0].end()}, {month.hands[1].begin(), month.hands[1].end()}}};
  for (const HistoryMove& move : month.moves) {
    if (move.fromStock) {
      ASSERT_LT(nextStock, month.stock.size());
      EXPECT_EQ(move.card, month.stock[nextStock++]);
    } else {
      EXPECT_EQ(hands[move.side].erase(move.card), 1u) << "month " << month.month << " card " << move.card;
    }
    if (!move.chosen.empty()) {
      EXPECT_EQ(move.taken, std::vector<StoredCard>{move.chosen});
    }
  }
  for (const HistoryCall& call : month.calls) {
    if (call.kind == CallKind::KoiKoi && month.winner >= 0) {
      EXPECT_NE(call.outcome, CallOutcome::NoWin);
    }
  }
}

TEST_F(MatchRecorderTest, SelfPlayedMatchesAreStoredWithDealsMovesAndPaymentsThatAddUp) {
  struct Case {
    const char* name;
    std::array<std::int16_t, 4> option;
    std::array<std::int16_t, 2> points;
  };
  const Case cases[] = {
      {"the dialog's defaults", {0, 0, 1, 0}, {5, 5}},
      {"no 花見 or 月見, 親権 on, sake cup as chaff", {1, 1, 0, 1}, {3, 2}},
      {"花見 only, at 1文", {0, 1, 0, 0}, {1, 5}},
  };
  constexpr int kMatches = 3;
  // The seed's matches hold two-way choices and こいこい calls, so those parts are checked too.
  int choices = 0;
  int koiKoi = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all(folder_ / "history.db");
    selfplay::SelfPlayOptions options;
    options.seed = 11;
    options.matches = kMatches;
    options.rules.option = c.option;
    options.rules.rscroll = c.points;
    std::ostream discard(nullptr);
    {
      selfplay::SelfPlay play(options, discard);
      MatchRecorder recorder(play.State(), folder_ / "history.db");
      play.Watch(recorder);
      play.Run();
    }
    const auto stored = Stored();
    ASSERT_EQ(stored.size(), static_cast<std::size_t>(kMatches));
    for (const HistoryMatch& match : stored) {
      EXPECT_EQ(match.rules.HanamiRule, c.option[0]);
      EXPECT_EQ(match.rules.KikuRule, c.option[3]);
      EXPECT_EQ(match.rules.TsukimiPoints, c.points[1]);
      EXPECT_EQ(match.level, kNormalLevel);
      ASSERT_EQ(match.months.size(), 12u);
      std::array<int, 2> paid{};
      for (const HistoryMonth& month : match.months) {
        ExpectMonthAddsUp(month);
        choices += static_cast<int>(std::count_if(month.moves.begin(), month.moves.end(),
                                                  [](const HistoryMove& m) { return !m.chosen.empty(); }));
        koiKoi += static_cast<int>(std::count_if(month.calls.begin(), month.calls.end(),
                                                 [](const HistoryCall& h) { return h.kind == CallKind::KoiKoi; }));
        if (month.winner >= 0) paid[month.winner] += month.payment;
      }
      EXPECT_EQ(paid, match.scores);
      const MatchOutcome expected = match.scores[0] > match.scores[1]   ? MatchOutcome::Won
                                    : match.scores[0] < match.scores[1] ? MatchOutcome::Lost
                                                                        : MatchOutcome::Level;
      EXPECT_EQ(match.result, expected);
    }
  }
  EXPECT_GT(choices, 0);
  EXPECT_GT(koiKoi, 0);
}

TEST_F(MatchRecorderTest, AMatchCutShortIsStoredAsAbandoned) {
  headless::ScriptedPlatform platform;
  Game game(platform);
  MatchRecorder recorder(game, folder_ / "history.db");
  // A dealer draw before any deal leaves nothing to keep; one after a deal abandons that match.
  recorder.DealerDecided(0, 1);
  recorder.DealerDecided(0, 1);
  recorder.Dealt();
  recorder.DealerDecided(0, 1);
  recorder.Dealt();
  recorder.Abandon();
  recorder.Abandon();
  const auto stored = Stored();
  ASSERT_EQ(stored.size(), 2u);
  for (const HistoryMatch& match : stored) {
    EXPECT_EQ(match.result, MatchOutcome::Abandoned);
    EXPECT_EQ(match.months.size(), 1u);
  }
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(MatchRecorderTest, AHistoryThatCannotBeWrittenIsReportedAndPlayGoesOn) {
  headless::ScriptedPlatform platform;
  Game game(platform);
  MatchRecorder recorder(game, folder_ / "missing" / "history.db");
  recorder.DealerDecided(0, 1);
  recorder.Dealt();
  recorder.MatchEnded();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_TRUE(platform.messages[0].starts_with(kNotStored)) << platform.messages[0];
  EXPECT_EQ(recorder.Current(), nullptr);
}

}  // namespace
}  // namespace pg

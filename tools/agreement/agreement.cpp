// Following the game through the model: every capture, dialog, dealer and score must agree.
#include "tools/agreement/agreement.h"

#include <ostream>
#include <sstream>
#include <string_view>

#include "engine/game.h"
#include "engine/game_observer.h"
#include "model/month.h"
#include "model/policy.h"
#include "model/yaku.h"
#include "tools/selfplay/self_play.h"

namespace pg::agreement {

namespace {

constexpr std::size_t kFaultsKept = 20;

// The number in a points text such as " 5文" or "10文".
int PointsOf(const std::string& text) {
  int value = 0;
  std::istringstream(text) >> value;
  return value;
}

std::string Name(int card) { return CodeOf(card).Text(); }

std::string Names(model::CardSet cards) {
  std::string text = "{";
  model::ForEachCard(cards, [&](int card) { text += (text.size() > 1 ? " " : "") + Name(card); });
  return text + "}";
}

class ModelFollower : public GameObserver {
 public:
  explicit ModelFollower(const Game& game) : game_(game) {}

  Report report;

  void DealerDecided(int, int) override {
    state_ = model::NewMatch(model::RulesOf(game_.rules), game_.table.Oya);
    parted_ = false;
  }

  void Dealt() override {
    const TableState& t = game_.table;
    if (state_.stage == model::Stage::MonthOver) model::NextMonth(state_);
    Expect(state_.stage == model::Stage::Deal, "a month was dealt that the model did not expect");
    Expect(state_.month == t.GameNum,
           "month " + std::to_string(t.GameNum) + " against the model's " + std::to_string(state_.month));
    Expect(state_.dealer == t.Oya,
           "dealer " + std::to_string(t.Oya) + " against the model's " + std::to_string(state_.dealer));
    model::Deck deck;
    for (int i = 0; i < kCardCount; ++i)
      deck[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(CardIndex(t.Deck[static_cast<std::size_t>(i)]));
    if (!parted_) model::Deal(state_, deck);
    ++report.months;
  }

  void Captured(int, CardCode code) override { took_ |= model::Bit(CardIndex(code)); }

  void PlayFinished(CardCode code) override {
    const TurnStep step = game_.table.TurnStep;
    const int card = CardIndex(code);
    const model::CardSet took = took_;
    took_ = 0;
    ++report.plays;
    if (parted_) return;
    if (IsStockPlay(step)) {
      FollowStockCard(MoverOf(step), card, took);
    } else {
      FollowHandCard(MoverOf(step), card, took);
    }
  }

  void AgariClosed(WinCode code, int side) override {
    ++report.dialogs;
    if (parted_) return;
    const WinDialogState& dialog = game_.agari;
    if (code == WinCode::Yaku) {
      FollowDecision(side, dialog);
    } else {
      const model::WinKind kind = code == WinCode::DealerRight ? model::WinKind::DealerRight
                                  : IsTeshi(code)              ? model::WinKind::Teshi
                                                               : model::WinKind::Kuttsuki;
      Expect(state_.stage == model::Stage::MonthOver && state_.result.kind == kind && state_.result.winner == side &&
                 state_.result.points == dialog.total,
             "win dialog " + std::to_string(static_cast<int>(code)) + " for side " + std::to_string(side) + " paying " +
                 std::to_string(dialog.total) + " that the model did not make");
    }
    ExpectScores();
  }

  void MonthEnded() override {
    if (parted_) return;
    Expect(state_.stage == model::Stage::MonthOver, "the month ended while the model still played it");
    Expect(state_.dealer == game_.table.Oya, "the next dealer differs");
    ExpectScores();
  }

  void MatchEnded() override {
    ++report.matches;
    if (!parted_) {
      model::NextMonth(state_);
      Expect(state_.stage == model::Stage::MatchOver, "the match ended before the model's twelfth month");
      ExpectScores();
    }
    if (parted_) ++report.disagreements;
  }

 private:
  void Expect(bool agreed, const std::string& what) {
    if (agreed || parted_) return;
    parted_ = true;
    if (report.faults.size() < kFaultsKept) {
      report.faults.push_back("match " + std::to_string(report.matches) + ", month " +
                              std::to_string(game_.table.GameNum) + ": " + what);
    }
  }

  void ExpectScores() {
    const auto& score = game_.table.matchScore;
    Expect(state_.score[0] == score[0] && state_.score[1] == score[1],
           "scores " + std::to_string(score[0]) + ":" + std::to_string(score[1]) + " against the model's " +
               std::to_string(state_.score[0]) + ":" + std::to_string(state_.score[1]));
  }

  // The table card taken of two that matched, from what the game captured.
  int Chosen(int card, model::CardSet took) const {
    const model::CardSet same = state_.table & model::SameMonthAs(card);
    return model::IsPair(same) ? model::Lowest(took & same) : model::kNoCard;
  }

  void FollowHandCard(int side, int card, model::CardSet took) {
    Expect(state_.stage == model::Stage::Play && state_.mover == side,
           "side " + std::to_string(side) + " played " + Name(card) + " where the model had " +
               (state_.stage == model::Stage::Decision ? "a decision" : "no hand play"));
    if (parted_) return;
    const model::Move move{model::MoveKind::Play, static_cast<std::uint8_t>(card),
                           static_cast<std::uint8_t>(Chosen(card, took))};
    if (side == 1) {
      const model::Move designed = model::DesignedMove(state_, unused_);
      Expect(designed == move,
             "the computer played " + Name(card) + " where the model's designed player plays " + Name(designed.card));
    }
    turnSide_ = side;
    model::Apply(state_, move, &trace_);
    Expect(trace_.handTook == took,
           Name(card) + " took " + Names(took) + " where the model took " + Names(trace_.handTook));
  }

  void FollowStockCard(int side, int card, model::CardSet took) {
    Expect(trace_.stockCard == card && turnSide_ == side,
           "stock card " + Name(card) + " where the model drew " + Name(trace_.stockCard));
    if (parted_) return;
    if (state_.stage == model::Stage::StockChoice) {
      const int take = Chosen(card, took);
      if (side == 1) {
        Expect(model::DesignedTake(state_, card) == take,
               "the computer's stock card " + Name(card) + " took " + Name(take) + " against the model's choice");
      }
      model::Apply(state_, {model::MoveKind::Take, static_cast<std::uint8_t>(card), static_cast<std::uint8_t>(take)},
                   &trace_);
    }
    Expect(trace_.stockTook == took,
           "stock card " + Name(card) + " took " + Names(took) + " where the model took " + Names(trace_.stockTook));
  }

  void FollowDecision(int side, const WinDialogState& dialog) {
    Expect(state_.stage == model::Stage::Decision && state_.mover == side,
           "a yaku dialog for side " + std::to_string(side) + " that the model did not open");
    if (parted_) return;
    const model::YakuList yaku = model::ScoreYaku(state_.rules, state_.captured[static_cast<std::size_t>(side)]);
    int row = 0;
    for (std::size_t r = 0; r < dialog.rowVisible.size(); ++r) {
      if (!dialog.rowVisible[r]) continue;
      const bool same = row < yaku.size &&
                        model::YakuName(yaku.rows[static_cast<std::size_t>(row)].id) == dialog.yakunam[r] &&
                        yaku.rows[static_cast<std::size_t>(row)].points == PointsOf(dialog.yakuten[r]);
      Expect(same, "yaku row " + dialog.yakunam[r] + dialog.yakuten[r] + " differs from the model's");
      ++row;
    }
    Expect(row == yaku.size,
           "the dialog lists " + std::to_string(row) + " rows, the model " + std::to_string(yaku.size));
    Expect(yaku.total == dialog.total && yaku.doubled == dialog.bonusVisible,
           "total " + std::to_string(dialog.total) + " against the model's " + std::to_string(yaku.total));
    const bool stopped = dialog.check == WinChoice::Stop;
    if (side == 0) {
      Expect(dialog.Command1[0].enabled == model::CanKoiKoi(state_), "こいこい offered where the model differs");
    }
    Expect(stopped || model::CanKoiKoi(state_), "こいこい where the model allows none");
    if (parted_) return;
    model::Apply(state_, {stopped ? model::MoveKind::Stop : model::MoveKind::KoiKoi});
  }

  const Game& game_;
  model::State state_;
  model::Trace trace_;
  model::CardSet took_ = 0;
  // The side whose hand card the stock card follows; the model may have passed the turn on.
  int turnSide_ = 0;
  bool parted_ = false;
  // The designed player draws only for こいこい, which the game decides here.
  Random unused_;
};

}  // namespace

Report& Report::operator+=(const Report& other) {
  matches += other.matches;
  disagreements += other.disagreements;
  plays += other.plays;
  dialogs += other.dialogs;
  months += other.months;
  for (const std::string& fault : other.faults) {
    if (faults.size() < kFaultsKept) faults.push_back(fault);
  }
  return *this;
}

Report Compare(std::uint64_t seed, int matches, const RuleControls& rules) {
  selfplay::SelfPlayOptions options;
  options.seed = seed;
  options.matches = matches;
  options.rules = rules;
  std::ostream discard(nullptr);
  selfplay::SelfPlay play(options, discard);
  ModelFollower follower(play.State());
  play.Watch(follower);
  play.Run();
  return follower.report;
}

}  // namespace pg::agreement

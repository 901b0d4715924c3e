// The line is played on the model with the true cards, but each side decides from its own view: the
// player's search and the computer's level see only what that side has seen.
#include "computer/show_how.h"

#include <algorithm>
#include <array>
#include <memory>

#include "computer/ismcts.h"
#include "computer/level.h"
#include "engine/level.h"
#include "engine/random.h"
#include "engine/side.h"
#include "model/cards.h"
#include "model/month.h"
#include "model/playout.h"
#include "model/stored_match.h"
#include "model/view.h"
#include "model/yaku.h"
#include "records/player_text.h"

namespace pg::computer {

namespace {

constexpr std::array<const char*, 2> kSideNames{PG_TEXT("あなた"), PG_TEXT("ｃｏｍ")};
constexpr std::uint8_t kPlainChaff = 24;

// A computer move of the record, and where the computer stood when it made it: its stage and the
// cards left in its hand tell each of its moves in a month apart.
struct Recorded {
  model::Stage stage = model::Stage::Play;
  int handLeft = 0;
  model::Move move;
};

// The computer's answers: its record while every recorded move fits the table as it now lies; from
// the first that does not, its level, on its own view.
class Answers {
 public:
  Answers(std::vector<Recorded> record, Level level) : record_(std::move(record)), level_(MakePlayer(level)) {}

  model::Move Next(const model::State& s, Random& random) {
    if (following_) {
      const auto found = std::find_if(record_.begin(), record_.end(), [&](const Recorded& r) {
        return r.stage == s.stage && r.handLeft == model::HandSize(s, kComputerSide);
      });
      if (found != record_.end() && model::IsLegal(s, found->move)) {
        ++fromRecord_;
        return found->move;
      }
      following_ = false;
    }
    return level_->Choose(model::View(s, kComputerSide, random), random);
  }

  int FromRecord() const { return fromRecord_; }

 private:
  std::vector<Recorded> record_;
  std::unique_ptr<ComputerPlayer> level_;
  bool following_ = true;
  int fromRecord_ = 0;
};

model::Move SearchMove(const model::State& s, Random& random, const SearchBudget& budget) {
  const model::View view(s, kPlayerSide, random);
  const auto seed = static_cast<std::uint64_t>(random.Uniform() * 0x1.0p53);
  return IsmctsMove(view.Guess(), seed, budget);
}

// 「あなた 6文」 for a month the player took or nobody did, 「ｃｏｍ 4文」 for one the computer took.
std::string ResultText(const model::MonthResult& result) {
  const int side = result.winner == kComputerSide ? kComputerSide : kPlayerSide;
  const int points = result.winner == side ? result.points : 0;
  return Fill(Tr("%1 %2文"), {Tr(kSideNames[static_cast<std::size_t>(side)]), std::to_string(points)});
}

// The yaku `side` holds at `s`'s end that it does not hold at `other`'s, the first in the dialog's order.
std::optional<model::YakuId> YakuOnlyIn(const model::State& s, const model::State& other, int side) {
  const auto mine = model::ScoreYaku(s.rules, s.captured[static_cast<std::size_t>(side)]);
  const auto theirs = model::ScoreYaku(other.rules, other.captured[static_cast<std::size_t>(side)]);
  for (int i = 0; i < mine.size; ++i) {
    const model::YakuId id = mine.rows[static_cast<std::size_t>(i)].id;
    const auto end = theirs.rows.begin() + theirs.size;
    if (std::none_of(theirs.rows.begin(), end, [id](const model::YakuRow& r) { return r.id == id; })) return id;
  }
  return std::nullopt;
}

// The most valuable card of `cards` that is not plain chaff.
std::optional<std::uint8_t> MostValued(model::CardSet cards) {
  std::optional<std::uint8_t> best;
  model::ForEachCard(cards, [&best](int card) {
    const auto c = static_cast<std::uint8_t>(card);
    if (model::kPriority[c] < kPlainChaff && (!best || model::kPriority[c] < model::kPriority[*best])) best = c;
  });
  return best;
}

// The month's points from the player's seat: what it was paid, less what the computer was.
int PlayerGain(const model::MonthResult& result) {
  return result.winner == kPlayerSide ? result.points : result.winner == kComputerSide ? -result.points : 0;
}

// The first of these that changed: a こいこい the computer punished and no longer does, or none
// called where the month was won all the same, a yaku the player now makes, one the computer no
// longer makes, a card kept from the computer, a card taken. A line that did no better than the
// month as played says so: the chance is an average over many deals.
std::string WhyBetter(const model::State& real, const model::State& line) {
  if (PlayerGain(line.result) <= PlayerGain(real.result)) {
    return Tr("この打ち進め方では実際を上回りませんでした。勝率の差は、多くの配りを試した平均です。");
  }
  const std::string computer = Tr(kSideNames[kComputerSide]);
  if (real.koikoi[kPlayerSide] && real.result.winner == kComputerSide && line.result.winner != kComputerSide) {
    return Fill(Tr("よりよい手なら、こいこいの後に%1に上がられずにすみました。"), {computer});
  }
  if (real.koikoi[kPlayerSide] && !line.koikoi[kPlayerSide] && line.result.winner == kPlayerSide) {
    return Tr("よりよい手なら、こいこいの危険を負わずに上がれました。");
  }
  if (const auto made = YakuOnlyIn(line, real, kPlayerSide))
    return Fill(Tr("よりよい手なら、%1ができました。"), {Tr(std::string(model::YakuName(*made)).c_str())});
  if (const auto denied = YakuOnlyIn(real, line, kComputerSide)) {
    return Fill(Tr("よりよい手なら、%1の%2を防げました。"),
                {computer, Tr(std::string(model::YakuName(*denied)).c_str())});
  }
  const auto& realTook = real.captured;
  const auto& lineTook = line.captured;
  if (const auto kept = MostValued(realTook[kComputerSide] & ~lineTook[kComputerSide])) {
    return Fill(Tr("よりよい手なら、%1を%2に渡さずにすみました。"), {CardName(*kept), computer});
  }
  if (const auto taken = MostValued(lineTook[kPlayerSide] & ~realTook[kPlayerSide])) {
    return Fill(Tr("よりよい手なら、%1を取れました。"), {CardName(*taken)});
  }
  return Tr("よりよい手なら、この月の点で実際を上回りました。");
}

}  // namespace

std::optional<ShowHow> PlayShowHow(const HistoryMatch& match, const ReviewLine& line, std::uint64_t seed,
                                   const SearchBudget& budget) {
  const model::StoredMatch followed = model::FollowStoredMatch(match);
  const auto& stored = followed.moves;
  const auto inMonth = [&line](const model::StoredMove& m) { return m.month == line.month; };
  const auto first = std::find_if(stored.begin(), stored.end(), inMonth);
  const auto last = std::find_if(first, stored.end(), [&](const model::StoredMove& m) { return !inMonth(m); });
  const auto moment = std::find_if(first, last, [&line](const model::StoredMove& m) {
    return m.sequence == line.move && m.before.mover == kPlayerSide && m.move == line.played;
  });
  const auto monthIt = std::find_if(match.months.begin(), match.months.end(),
                                    [&line](const HistoryMonth& m) { return m.month == line.month; });
  if (moment == last || monthIt == match.months.end() || !model::IsLegal(moment->before, line.better)) {
    return std::nullopt;
  }

  ShowHow how;
  how.monthIndex = static_cast<int>(monthIt - match.months.begin());
  how.dealt = first->before;
  for (auto m = first; m != moment; ++m) how.moves.push_back(m->move);
  std::vector<Recorded> record;
  how.realEnd = moment->before;
  for (auto m = moment; m != last; ++m) {
    if (m->before.mover == kComputerSide) {
      record.push_back({m->before.stage, model::HandSize(m->before, kComputerSide), m->move});
    }
    model::Apply(how.realEnd, m->move);
  }
  if (model::InMonth(how.realEnd)) return std::nullopt;

  how.startAt = static_cast<int>(how.moves.size());
  Random random(seed);
  Answers answers(std::move(record), LevelNamed(match.level).value_or(Level::Normal));
  model::State s = moment->before;
  model::Move move = line.better;
  while (true) {
    how.moves.push_back(move);
    model::Apply(s, move);
    if (!model::InMonth(s)) break;
    move = s.mover == kPlayerSide ? SearchMove(s, random, budget) : answers.Next(s, random);
  }
  how.end = s;
  how.computerFromRecord = answers.FromRecord();
  how.comparison = Fill(Tr("実際：%1／こう打てば：%2"), {ResultText(how.realEnd.result), ResultText(how.end.result)});
  how.why = WhyBetter(how.realEnd, how.end);
  return how;
}

}  // namespace pg::computer

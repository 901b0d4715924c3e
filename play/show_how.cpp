// The line is written into a copy of the stored match as the recorder would have written it, so the
// replay checks it and shows it as it shows any match: every card flies, the win dialog answers as
// the line decided.
#include "play/show_how.h"

#include "computer/show_how.h"
#include "engine/card.h"
#include "model/month.h"
#include "records/player_text.h"

namespace pg {

namespace {

StoredCard Stored(std::uint8_t card) { return card == model::kNoCard ? StoredCard() : CodeOf(card).Text(); }

// What a play took, as the recorder keeps it: every card captured but the one played.
std::vector<StoredCard> Taken(model::CardSet took, std::uint8_t played) {
  std::vector<StoredCard> taken;
  model::ForEachCard(took & ~model::Bit(played),
                     [&taken](int card) { taken.push_back(Stored(static_cast<std::uint8_t>(card))); });
  return taken;
}

// The month's moves and calls as the recorder would have stored them, and how many stored moves
// stood before the line's first move.
struct WrittenMonth {
  std::vector<HistoryMove> moves;
  std::vector<HistoryCall> calls;
  std::size_t movesBeforeLine = 0;
};

WrittenMonth Write(const computer::ShowHow& how) {
  WrittenMonth written;
  model::State s = how.dealt;
  for (std::size_t i = 0; i < how.moves.size(); ++i) {
    if (i == static_cast<std::size_t>(how.startAt)) written.movesBeforeLine = written.moves.size();
    const model::Move move = how.moves[i];
    const int side = s.mover;
    model::Trace trace;
    model::Apply(s, move, &trace);
    switch (move.kind) {
      case model::MoveKind::Stop:
      case model::MoveKind::KoiKoi:
        written.calls.push_back({side, move.kind == model::MoveKind::KoiKoi ? CallKind::KoiKoi : CallKind::Shoubu});
        continue;
      case model::MoveKind::Play:
        written.moves.push_back({side, false, Stored(move.card), Stored(move.take), Taken(trace.handTook, move.card)});
        // A stock card that asks for no choice is played with the hand card.
        if (s.stage == model::Stage::StockChoice || trace.stockCard == model::kNoCard) continue;
        written.moves.push_back({side, true, Stored(trace.stockCard), {}, Taken(trace.stockTook, trace.stockCard)});
        continue;
      case model::MoveKind::Take:
        written.moves.push_back(
            {side, true, Stored(trace.stockCard), Stored(move.take), Taken(trace.stockTook, trace.stockCard)});
        continue;
    }
  }
  return written;
}

std::uint64_t LineSeed(const HistoryMatch& match, const computer::ReviewLine& line) {
  return static_cast<std::uint64_t>(match.id) * 0x9E3779B97F4A7C15ull + static_cast<std::uint64_t>(line.month) * 64 +
         static_cast<std::uint64_t>(line.move) + 7;
}

}  // namespace

ReplayOpened OpenShowHow(Game& game, const HistoryMatch& match, const computer::ReviewLine& line) {
  const auto how = computer::PlayShowHow(match, line, LineSeed(match, line), {computer::kReviewIterations});
  if (!how) return {nullptr, Tr("この場面から先を打ち進められませんでした。\n記録のこの月を、最後までたどれません。")};
  HistoryMatch played = match;
  played.months.resize(static_cast<std::size_t>(how->monthIndex) + 1);
  HistoryMonth& month = played.months.back();
  WrittenMonth written = Write(*how);
  month.moves = std::move(written.moves);
  month.calls = std::move(written.calls);
  month.yaku.clear();
  month.winner = how->end.result.winner;
  month.payment = how->end.result.points;
  played.result = MatchOutcome::Abandoned;
  played.scores = {how->end.score[0], how->end.score[1]};

  ReplayOpened opened = Replay::Open(game, played);
  if (!opened.replay) return opened;
  // A call is made in the turn that made the yaku: the line is shown from before that turn's stock card.
  const bool call = line.better.kind == model::MoveKind::Stop || line.better.kind == model::MoveKind::KoiKoi;
  const int at = static_cast<int>(written.movesBeforeLine) - (call ? 1 : 0);
  const std::uint8_t marked = computer::MarkedCard(line.better);
  if (opened.replay->GoTo(how->monthIndex, at) && marked != model::kNoCard) opened.replay->Mark(CodeOf(marked));
  opened.replay->SetNotes({how->comparison, how->why, Tr(computer::kShowHowEstimate)});
  return opened;
}

}  // namespace pg

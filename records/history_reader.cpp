// Matches read back from history.db one at a time, each child table followed by a cursor in step.
#include "records/history_reader.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "records/packed_moves.h"

namespace pg {

namespace {

// The element after the `used` first of `items`: one left from an earlier match is written over, so
// that a long read allocates next to nothing once its first matches are in.
template <typename T>
T& Reuse(std::vector<T>& items, std::size_t& used) {
  if (used == items.size()) items.emplace_back();
  return items[used++];
}

void Split(std::string_view text, std::vector<StoredCard>& cards) {
  std::size_t used = 0;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t end = std::min(text.find(' ', at), text.size());
    if (end == at + 2) {
      // A card's code, written over the two characters already there.
      StoredCard& card = Reuse(cards, used);
      card.resize(2);
      card[0] = text[at];
      card[1] = text[at + 1];
    } else if (end > at) {
      Reuse(cards, used).assign(text.substr(at, end - at));
    }
    at = end + 1;
  }
  cards.resize(used);
}

bool CallFromKeys(std::string_view kind, std::string_view outcome, HistoryCall& call) {
  if (kind != "koikoi" && kind != "shoubu") return false;
  call.kind = kind == "koikoi" ? CallKind::KoiKoi : CallKind::Shoubu;
  for (CallOutcome o : {CallOutcome::Won, CallOutcome::Lost, CallOutcome::NoWin}) {
    if (outcome == CallOutcomeKey(o)) {
      call.outcome = o;
      return true;
    }
  }
  return false;
}

// The index of `month` among the match's months; nothing for a row of a month it does not have.
std::optional<std::size_t> MonthOf(const HistoryMatch& match, std::int64_t month) {
  for (std::size_t i = 0; i < match.months.size(); ++i) {
    if (match.months[i].month == month) return i;
  }
  return std::nullopt;
}

std::string Where(const char* key, std::optional<std::int64_t> only) {
  // An id is a number, written into the text as one.
  return only ? std::string(" WHERE ") + key + " = " + std::to_string(*only) : std::string();
}

}  // namespace

HistoryReader::HistoryReader(SqliteConnection& c, HistoryDetail detail, std::optional<std::int64_t> only)
    : detail_(detail),
      matches_(c,
               "SELECT id, started_at, ended_at, level, hanami_rule, tsukimi_rule, oya_rule, kiku_rule,"
               " hanami_points, tsukimi_points, player_score, computer_score, result, assisted, deal_code, daily_date"
               " FROM matches" +
                   Where("id", only) + " ORDER BY id") {
  if (detail == HistoryDetail::Matches) return;
  // Every child table is read in the order of its key, as the matches are: a cursor that only moves
  // forward finds each row's match without a lookup, and only one match is held at a time.
  const std::string where = Where("match_id", only);
  months_.emplace(c,
                  "SELECT match_id, month, dealer, winner, payment FROM months" + where + " ORDER BY match_id, month");
  if (detail == HistoryDetail::Months) return;
  yaku_.emplace(c, "SELECT match_id, month, side, name, points FROM yaku" + where + " ORDER BY match_id, month, seq");
  calls_.emplace(c, "SELECT match_id, month, side, kind, points_held, doubled, outcome FROM calls" + where +
                        " ORDER BY match_id, month, seq");
  if (detail != HistoryDetail::Everything) return;
  deals_.emplace(c, "SELECT match_id, month, table_cards, player_hand, computer_hand, stock, moves FROM deals" +
                        where + " ORDER BY match_id, month");
}

bool HistoryReader::Failed() const {
  if (matches_.Failed()) return true;
  for (const auto* cursor : {&months_, &deals_, &yaku_, &calls_}) {
    if (*cursor && (*cursor)->statement.Failed()) return true;
  }
  return false;
}

// The match is written over field by field rather than started afresh: its months, moves and card
// lists keep their room from one match to the next.
bool HistoryReader::Next(HistoryMatch& m) {
  while (matches_.Step()) {
    m.id = matches_.Integer(0);
    m.startedAt.assign(matches_.View(1));
    m.endedAt.assign(matches_.View(2));
    m.level.assign(matches_.View(3));
    RuleSettings& r = m.rules;
    std::int16_t* rules[] = {&r.HanamiRule, &r.TsukimiRule, &r.OyaRule, &r.KikuRule, &r.HanamiPoints, &r.TsukimiPoints};
    for (int i = 0; i < 6; ++i) *rules[i] = static_cast<std::int16_t>(BoundedStored(matches_.Integer(4 + i)));
    m.scores = {BoundedStored(matches_.Integer(10)), BoundedStored(matches_.Integer(11))};
    m.assisted = matches_.Integer(13) != 0;
    m.dealCode.assign(matches_.View(14));
    m.dailyDate.assign(matches_.View(15));
    // The rows of a match passed over are stepped past with the next match's.
    if (!ResultFromKey(std::string(matches_.View(12)), m.result) || !ReadMonths(m)) {
      if (Failed()) return false;
      ++skipped_;
      continue;
    }
    return !Failed();
  }
  return false;
}

bool HistoryReader::ReadMonths(HistoryMatch& match) {
  if (detail_ == HistoryDetail::Matches) {
    match.months.clear();
    return true;
  }
  // Steps `cursor` past the rows of earlier matches, then hands each row of this one to `take`.
  auto follow = [&match](std::optional<Cursor>& cursor, auto take) {
    if (!cursor) return;
    SqliteStatement& s = cursor->statement;
    while (cursor->row && s.Integer(0) < match.id) cursor->row = s.Step();
    while (cursor->row && s.Integer(0) == match.id) {
      take(s);
      cursor->row = s.Step();
    }
  };
  std::size_t months = 0;
  follow(months_, [&match, &months](SqliteStatement& s) {
    HistoryMonth& m = Reuse(match.months, months);
    m.month = BoundedStored(s.Integer(1));
    m.dealer = BoundedStored(s.Integer(2));
    m.winner = BoundedStored(s.Integer(3));
    m.payment = BoundedStored(s.Integer(4));
    m.table.clear();
    m.hands[0].clear();
    m.hands[1].clear();
    m.stock.clear();
  });
  match.months.resize(months);
  // How many yaku and calls each month holds so far this match.
  std::vector<std::array<std::size_t, 2>> used(months);
  // The moves are unpacked over those of an earlier match; a month without its cards has none.
  std::vector<bool> dealt(months);
  bool whole = true;
  follow(deals_, [&match, &dealt, &whole](SqliteStatement& s) {
    const auto month = MonthOf(match, s.Integer(1));
    if (!month) return;
    dealt[*month] = true;
    HistoryMonth& m = match.months[*month];
    Split(s.View(2), m.table);
    Split(s.View(3), m.hands[0]);
    Split(s.View(4), m.hands[1]);
    Split(s.View(5), m.stock);
    const std::optional<std::string_view> moves = s.Blob(6);
    whole = whole && moves && UnpackMoves(*moves, m.moves);
  });
  follow(yaku_, [&match, &used](SqliteStatement& s) {
    const auto month = MonthOf(match, s.Integer(1));
    if (!month) return;
    HistoryYaku& yaku = Reuse(match.months[*month].yaku, used[*month][0]);
    yaku.side = BoundedStored(s.Integer(2));
    yaku.name.assign(s.View(3));
    yaku.points = BoundedStored(s.Integer(4));
  });
  follow(calls_, [&match, &used](SqliteStatement& s) {
    const auto month = MonthOf(match, s.Integer(1));
    HistoryCall call;
    call.side = BoundedStored(s.Integer(2));
    call.pointsHeld = BoundedStored(s.Integer(4));
    call.doubled = s.Integer(5) != 0;
    if (month && CallFromKeys(s.View(3), s.View(6), call)) Reuse(match.months[*month].calls, used[*month][1]) = call;
  });
  for (std::size_t i = 0; i < months; ++i) {
    if (!dealt[i]) match.months[i].moves.clear();
    match.months[i].yaku.resize(used[i][0]);
    match.months[i].calls.resize(used[i][1]);
  }
  return whole;
}

}  // namespace pg

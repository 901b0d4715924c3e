// Matches read back from history.db one at a time, each child table followed by a cursor in step.
#include "records/history_reader.h"

#include <algorithm>
#include <limits>
#include <string>

namespace pg {

namespace {

// Numbers on disk may have been edited to anything: each is held to the game's 16-bit range, so
// nothing computed from them can overflow.
int Bounded(std::int64_t value) {
  return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int16_t>::min(),
                                                   std::numeric_limits<std::int16_t>::max()));
}

std::vector<StoredCard> Split(const std::string& text) {
  std::vector<StoredCard> cards;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t end = std::min(text.find(' ', at), text.size());
    if (end > at) cards.emplace_back(text, at, end - at);
    at = end + 1;
  }
  return cards;
}

bool CallFromKeys(const std::string& kind, const std::string& outcome, HistoryCall& call) {
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

HistoryMonth* MonthOf(HistoryMatch& match, std::int64_t month) {
  for (HistoryMonth& m : match.months) {
    if (m.month == month) return &m;
  }
  return nullptr;
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
  deals_.emplace(c, "SELECT match_id, month, table_cards, player_hand, computer_hand, stock FROM deals" + where +
                        " ORDER BY match_id, month");
  moves_.emplace(c, "SELECT match_id, month, side, from_stock, card, chosen, taken FROM moves" + where +
                        " ORDER BY match_id, month, seq");
}

bool HistoryReader::Failed() const {
  if (matches_.Failed()) return true;
  for (const auto* cursor : {&months_, &deals_, &moves_, &yaku_, &calls_}) {
    if (*cursor && (*cursor)->statement.Failed()) return true;
  }
  return false;
}

bool HistoryReader::Next(HistoryMatch& m) {
  while (matches_.Step()) {
    m = HistoryMatch{};
    m.id = matches_.Integer(0);
    m.startedAt = matches_.Text(1);
    m.endedAt = matches_.Text(2);
    m.level = matches_.Text(3);
    RuleSettings& r = m.rules;
    std::int16_t* rules[] = {&r.HanamiRule, &r.TsukimiRule, &r.OyaRule, &r.KikuRule, &r.HanamiPoints, &r.TsukimiPoints};
    for (int i = 0; i < 6; ++i) *rules[i] = static_cast<std::int16_t>(Bounded(matches_.Integer(4 + i)));
    m.scores = {Bounded(matches_.Integer(10)), Bounded(matches_.Integer(11))};
    m.assisted = matches_.Integer(13) != 0;
    m.dealCode = matches_.Text(14);
    m.dailyDate = matches_.Text(15);
    const bool known = ResultFromKey(matches_.Text(12), m.result);
    // The rows of a match passed over are stepped past with the next match's.
    if (!known) {
      ++skipped_;
      continue;
    }
    ReadMonths(m);
    return !Failed();
  }
  return false;
}

void HistoryReader::ReadMonths(HistoryMatch& match) {
  if (detail_ == HistoryDetail::Matches) return;
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
  follow(months_, [&match](SqliteStatement& s) {
    HistoryMonth& m = match.months.emplace_back();
    m.month = Bounded(s.Integer(1));
    m.dealer = Bounded(s.Integer(2));
    m.winner = Bounded(s.Integer(3));
    m.payment = Bounded(s.Integer(4));
  });
  follow(deals_, [&match](SqliteStatement& s) {
    HistoryMonth* month = MonthOf(match, s.Integer(1));
    if (!month) return;
    month->table = Split(s.Text(2));
    month->hands = {Split(s.Text(3)), Split(s.Text(4))};
    month->stock = Split(s.Text(5));
  });
  follow(moves_, [&match](SqliteStatement& s) {
    if (HistoryMonth* month = MonthOf(match, s.Integer(1))) {
      month->moves.push_back({Bounded(s.Integer(2)), s.Integer(3) != 0, s.Text(4), s.Text(5), Split(s.Text(6))});
    }
  });
  follow(yaku_, [&match](SqliteStatement& s) {
    if (HistoryMonth* month = MonthOf(match, s.Integer(1)))
      month->yaku.push_back({Bounded(s.Integer(2)), s.Text(3), Bounded(s.Integer(4))});
  });
  follow(calls_, [&match](SqliteStatement& s) {
    HistoryMonth* month = MonthOf(match, s.Integer(1));
    HistoryCall call;
    call.side = Bounded(s.Integer(2));
    call.pointsHeld = Bounded(s.Integer(4));
    call.doubled = s.Integer(5) != 0;
    if (month && CallFromKeys(s.Text(3), s.Text(6), call)) month->calls.push_back(call);
  });
}

}  // namespace pg

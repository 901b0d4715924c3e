// One match written into history.db's tables: a row for the match, then its months, their cards
// with the moves packed beside them, yaku and calls.
#include "records/history_writer.h"

#include "records/daily_best.h"

#include <sqlite3.h>

#include "records/packed_moves.h"

#include <string>

namespace pg {

namespace {

std::string Joined(const std::vector<StoredCard>& cards) {
  std::string text;
  for (const StoredCard& card : cards) {
    if (!text.empty()) text += ' ';
    text += card;
  }
  return text;
}

}  // namespace

bool InsertMatch(SqliteConnection& c, HistoryMatch& match) {
  SqliteStatement insertMatch(
      c,
      "INSERT INTO matches(started_at, ended_at, level, hanami_rule, tsukimi_rule, oya_rule,"
      " kiku_rule, hanami_points, tsukimi_points, player_score, computer_score, result, assisted,"
      " deal_code, daily_date) VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
  SqliteStatement insertMonth(c, "INSERT INTO months(match_id, month, dealer, winner, payment) VALUES(?,?,?,?,?)");
  SqliteStatement insertDeal(c,
                             "INSERT INTO deals(match_id, month, table_cards, player_hand, computer_hand, stock, moves)"
                             " VALUES(?,?,?,?,?,?,?)");
  SqliteStatement insertYaku(c, "INSERT INTO yaku(match_id, month, seq, side, name, points) VALUES(?,?,?,?,?,?)");
  SqliteStatement insertCall(c,
                             "INSERT INTO calls(match_id, month, seq, side, kind, points_held, doubled, outcome)"
                             " VALUES(?,?,?,?,?,?,?,?)");
  if (insertMatch.Failed() || insertMonth.Failed() || insertDeal.Failed() ||
      insertYaku.Failed() || insertCall.Failed()) {
    return false;
  }
  const RuleSettings& r = match.rules;
  insertMatch.Bind(1, match.startedAt);
  insertMatch.Bind(2, match.endedAt);
  insertMatch.Bind(3, match.level);
  int column = 4;
  for (std::int16_t value : {r.HanamiRule, r.TsukimiRule, r.OyaRule, r.KikuRule, r.HanamiPoints, r.TsukimiPoints}) {
    insertMatch.Bind(column++, value);
  }
  insertMatch.Bind(10, match.scores[0]);
  insertMatch.Bind(11, match.scores[1]);
  insertMatch.Bind(12, std::string(ResultKey(match.result)));
  insertMatch.Bind(13, std::int64_t{match.assisted ? 1 : 0});
  insertMatch.Bind(14, match.dealCode);
  insertMatch.Bind(15, match.dailyDate);
  if (!insertMatch.Run()) return false;
  const std::int64_t id = sqlite3_last_insert_rowid(c.Handle());
  if (!EnterDailyResult(c, match, id)) return false;

  std::string moves;
  for (const HistoryMonth& m : match.months) {
    moves.clear();
    if (!PackMoves(m.moves, moves)) {
      // Only a fault in the game could record such a move.
      c.KeepError({SQLITE_MISMATCH, "a move names no card"});
      return false;
    }
    insertMonth.Bind(1, id);
    insertMonth.Bind(2, m.month);
    insertMonth.Bind(3, m.dealer);
    insertMonth.Bind(4, m.winner);
    insertMonth.Bind(5, m.payment);
    if (!insertMonth.Run()) return false;
    insertDeal.Bind(1, id);
    insertDeal.Bind(2, m.month);
    insertDeal.Bind(3, Joined(m.table));
    insertDeal.Bind(4, Joined(m.hands[0]));
    insertDeal.Bind(5, Joined(m.hands[1]));
    insertDeal.Bind(6, Joined(m.stock));
    insertDeal.BindBlob(7, moves);
    if (!insertDeal.Run()) return false;
    for (std::size_t i = 0; i < m.yaku.size(); ++i) {
      insertYaku.Bind(1, id);
      insertYaku.Bind(2, m.month);
      insertYaku.Bind(3, static_cast<std::int64_t>(i));
      insertYaku.Bind(4, m.yaku[i].side);
      insertYaku.Bind(5, m.yaku[i].name);
      insertYaku.Bind(6, m.yaku[i].points);
      if (!insertYaku.Run()) return false;
    }
    for (std::size_t i = 0; i < m.calls.size(); ++i) {
      const HistoryCall& call = m.calls[i];
      insertCall.Bind(1, id);
      insertCall.Bind(2, m.month);
      insertCall.Bind(3, static_cast<std::int64_t>(i));
      insertCall.Bind(4, call.side);
      insertCall.Bind(5, std::string(CallKindKey(call.kind)));
      insertCall.Bind(6, call.pointsHeld);
      insertCall.Bind(7, call.doubled ? 1 : 0);
      insertCall.Bind(8, std::string(CallOutcomeKey(call.outcome)));
      if (!insertCall.Run()) return false;
    }
  }
  match.id = id;
  return true;
}

}  // namespace pg

// The history as CSV (one row a match) and as JSON Lines (one match a line, with months and moves).
#include "records/history_export.h"

#include <string>

namespace pg {

namespace {

std::string Quoted(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      static constexpr char kHex[] = "0123456789abcdef";
      out += "\\u00";
      out += kHex[(c >> 4) & 0xf];
      out += kHex[c & 0xf];
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string Cards(const std::vector<StoredCard>& cards) {
  std::string out = "[";
  for (std::size_t i = 0; i < cards.size(); ++i) out += (i ? "," : "") + Quoted(cards[i]);
  return out + "]";
}

// CSV fields are quoted only when they must be, doubling any quote inside.
std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\n") == std::string::npos) return text;
  std::string out = "\"";
  for (const char c : text) out += c == '"' ? std::string("\"\"") : std::string(1, c);
  return out + "\"";
}

std::string MonthJson(const HistoryMonth& m) {
  std::string out = "{\"month\":" + std::to_string(m.month) + ",\"dealer\":" + std::to_string(m.dealer) +
                    ",\"table\":" + Cards(m.table) + ",\"hands\":[" + Cards(m.hands[0]) + "," + Cards(m.hands[1]) +
                    "],\"stock\":" + Cards(m.stock) + ",\"moves\":[";
  for (std::size_t i = 0; i < m.moves.size(); ++i) {
    const HistoryMove& move = m.moves[i];
    out += std::string(i ? "," : "") + "{\"side\":" + std::to_string(move.side) +
           ",\"from_stock\":" + (move.fromStock ? "true" : "false") + ",\"card\":" + Quoted(move.card) +
           ",\"chosen\":" + Quoted(move.chosen) + ",\"taken\":" + Cards(move.taken) + "}";
  }
  out += "],\"yaku\":[";
  for (std::size_t i = 0; i < m.yaku.size(); ++i) {
    out += std::string(i ? "," : "") + "{\"side\":" + std::to_string(m.yaku[i].side) +
           ",\"name\":" + Quoted(m.yaku[i].name) + ",\"points\":" + std::to_string(m.yaku[i].points) + "}";
  }
  out += "],\"calls\":[";
  for (std::size_t i = 0; i < m.calls.size(); ++i) {
    const HistoryCall& call = m.calls[i];
    out += std::string(i ? "," : "") + "{\"side\":" + std::to_string(call.side) + ",\"kind\":\"" +
           CallKindKey(call.kind) + "\",\"points_held\":" + std::to_string(call.pointsHeld) +
           ",\"doubled\":" + (call.doubled ? "true" : "false") + ",\"outcome\":\"" + CallOutcomeKey(call.outcome) +
           "\"}";
  }
  return out + "],\"winner\":" + std::to_string(m.winner) + ",\"payment\":" + std::to_string(m.payment) + "}";
}

}  // namespace

void WriteHistoryCsv(const std::vector<HistoryMatch>& matches, std::ostream& out) {
  out << "id,started_at,ended_at,level,hanami_rule,tsukimi_rule,oya_rule,kiku_rule,hanami_points,tsukimi_points,"
         "player_score,computer_score,margin,result,months,assisted\n";
  for (const HistoryMatch& m : matches) {
    const RuleSettings& r = m.rules;
    out << m.id << ',' << CsvField(m.startedAt) << ',' << CsvField(m.endedAt) << ',' << CsvField(m.level) << ','
        << r.HanamiRule << ',' << r.TsukimiRule << ',' << r.OyaRule << ',' << r.KikuRule << ',' << r.HanamiPoints << ','
        << r.TsukimiPoints << ',' << m.scores[0] << ',' << m.scores[1] << ',' << m.scores[0] - m.scores[1] << ','
        << ResultKey(m.result) << ',' << m.months.size() << ',' << (m.assisted ? 1 : 0) << '\n';
  }
}

void WriteHistoryJsonLines(const std::vector<HistoryMatch>& matches, std::ostream& out) {
  for (const HistoryMatch& m : matches) {
    const RuleSettings& r = m.rules;
    out << "{\"id\":" << m.id << ",\"started_at\":" << Quoted(m.startedAt) << ",\"ended_at\":" << Quoted(m.endedAt)
        << ",\"level\":" << Quoted(m.level) << ",\"rules\":[" << r.HanamiRule << ',' << r.TsukimiRule << ','
        << r.OyaRule << ',' << r.KikuRule << ',' << r.HanamiPoints << ',' << r.TsukimiPoints << "],\"scores\":["
        << m.scores[0] << ',' << m.scores[1] << "],\"result\":\"" << ResultKey(m.result)
        << "\",\"assisted\":" << (m.assisted ? "true" : "false") << ",\"months\":[";
    for (std::size_t i = 0; i < m.months.size(); ++i) out << (i ? "," : "") << MonthJson(m.months[i]);
    out << "]}\n";
  }
}

}  // namespace pg

// Writing the game's events as the self-play log's JSON lines.
#include "tools/selfplay/self_play_log.h"

#include "engine/game.h"
#include "tools/selfplay/json_line.h"

namespace pg::selfplay {

namespace {

std::string Code(CardCode code) { return Quoted(code.Text()); }

std::string Scores(const TableState& t) {
  return Array({std::to_string(t.matchScore[0]), std::to_string(t.matchScore[1])});
}

std::string TableCodes(const TableState& t) {
  std::vector<std::string> codes;
  for (int s = 0; s < t.FieldCount; ++s) codes.push_back(Code(t.FieldCard[s].code));
  return Array(codes);
}

}  // namespace

void SelfPlayLog::MatchStarted(int match, const std::optional<DealCode>& dealCode) {
  JsonLine line("match");
  line.Number("match", match);
  if (dealCode) line.Text("deal_code", dealCode->Text());
  out_ << line.Line();
}

void SelfPlayLog::DialogAnswered(const std::string& decision) {
  const WinDialogState& d = game_.agari;
  std::vector<std::string> rows;
  for (std::size_t r = 0; r < d.rowVisible.size(); ++r) {
    if (d.rowVisible[r]) rows.push_back(Array({Quoted(d.yakunam[r]), Quoted(d.yakuten[r])}));
  }
  answer_ = {Array(rows), d.bonusVisible, d.sum, d.note, decision};
}

void SelfPlayLog::DealerDecided(int playerPick, int computerPick) {
  const TableState& t = game_.table;
  // A coded match's dealer is announced, not drawn.
  if (playerPick < 0) {
    out_ << JsonLine("dealer").Number("oya", t.Oya).Line();
    return;
  }
  out_ << JsonLine("dealer")
              .Json("pick", Array({std::to_string(playerPick), std::to_string(computerPick)}))
              .Json("months", Array({std::to_string(MonthOf(t.FieldCard[playerPick].code)),
                                     std::to_string(MonthOf(t.FieldCard[computerPick].code))}))
              .Number("oya", t.Oya)
              .Line();
}

void SelfPlayLog::Dealt() {
  const TableState& t = game_.table;
  std::vector<std::string> deck;
  for (int i = 0; i < kCardCount; ++i) deck.push_back(Code(t.Deck[i]));
  captured_.clear();
  out_ << JsonLine("deal").Number("month", t.GameNum).Number("oya", t.Oya).Json("deck", Array(deck)).Line();
}

void SelfPlayLog::Captured(int, CardCode code) { captured_.push_back(code); }

void SelfPlayLog::PlayFinished(CardCode card) {
  const TableState& t = game_.table;
  // A card that captures is counted with the cards it takes; the log lists only what it took.
  std::vector<std::string> took;
  for (CardCode code : captured_) {
    if (code != card) took.push_back(Code(code));
  }
  captured_.clear();
  JsonLine line("play");
  line.Number("side", MoverOf(t.TurnStep))
      .Number("step", static_cast<int>(t.TurnStep))
      .Text("card", card.Text())
      .Json("took", Array(took))
      .Json("table", TableCodes(t));
  if (chose_) line.Text("chose", chose_->Text());
  chose_.reset();
  out_ << line.Line();
}

void SelfPlayLog::LabelsRefreshed(int side) {
  std::vector<std::string> captions;
  for (const Label& label : game_.board.YakuState) captions.push_back(Quoted(label.caption));
  out_ << JsonLine("labels").Number("side", side).Json("captions", Array(captions)).Line();
}

void SelfPlayLog::AgariClosed(WinCode code, int side) {
  out_ << JsonLine("agari")
              .Number("code", static_cast<int>(code))
              .Number("side", side)
              .Json("rows", answer_.rows)
              .Flag("bonus", answer_.bonus)
              .Text("sum", answer_.sum)
              .Text("note", answer_.note)
              .Text("decision", answer_.decision)
              .Line();
}

void SelfPlayLog::MonthEnded() {
  const TableState& t = game_.table;
  out_ << JsonLine("month_end")
              .Number("month", t.GameNum)
              .Json("score", Scores(game_.table))
              .Number("oya", t.Oya)
              .Line();
}

void SelfPlayLog::MatchEnded() {
  const TableState& t = game_.table;
  std::vector<std::string> messages;
  for (int i = 0; i < 3; ++i) messages.push_back(Quoted(game_.board.message[i].caption));
  std::vector<std::string> best;
  for (int i = 0; i < 3; ++i) best.push_back(Array({std::to_string(t.BestMonthPoints[i]), Quoted(t.BestMonthText[i])}));
  out_ << JsonLine("match_end")
              .Json("score", Scores(game_.table))
              .Json("messages", Array(messages))
              .Json("best", Array(best))
              .Line();
}

}  // namespace pg::selfplay

// The dealer draw: the earlier month deals.
#include "play/dealer_decision.h"

#include <utility>

#include "engine/game.h"
#include "engine/geometry.h"
#include "engine/messages.h"
#include "engine/text.h"
#include "records/player_text.h"

namespace pg {

namespace {

constexpr int kCandidates = 12;

int NameSize(const Game& game) { return game.SmallScreen() ? 9 : 12; }

// The side's name goes into message(2 + side), by the candidate it picked.
void ShowNameBy(Game& game, int side, const std::string& name, int q) {
  Label& label = game.board.message[2 + side];
  const Point at = DealerDrawNamePosition(game.table, side, q);
  label.caption = name;
  label.fontSize = static_cast<std::int16_t>(NameSize(game));
  label.left = at.x;
  label.top = at.y;
  label.enabled = label.visible = true;
}

void TurnCandidate(Game& game, int q) {
  game.board.Card[q].cell = static_cast<std::int16_t>(MonthOf(game.table.FieldCard[q].code) - 1);
}

}  // namespace

void oya1(Game& game) {
  TableState& t = game.table;
  ShowCentredMessage(game, 0, Tr("親を決めます。"), LargeMessageSize(game), DrawPromptTop(t, 0));
  ShowCentredMessage(game, 1, Tr("下の12枚の中から１枚を選択して下さい。"), LargeMessageSize(game), DrawPromptTop(t, 1));
  for (int q = 0; q < kCandidates; ++q) {
    CardPicture& card = game.board.Card[q];
    const Point at = DealerDrawPosition(t, q);
    card.cell = kBackCell;
    card.left = at.x;
    card.top = at.y;
    card.handCursor = card.visible = card.enabled = true;
    t.FieldCard[q].code = CardCode(HexDigit(q + 1), '1');
  }
  for (int n = 0; n < 24; ++n) {
    const int x = game.random.Below(kCandidates);
    const int y = game.random.Below(kCandidates);
    std::swap(t.FieldCard[x].code, t.FieldCard[y].code);
  }
}

void oya2(Game& game, int p) {
  TableState& t = game.table;
  ShowNameBy(game, 0, Tr("あなた"), p);
  TurnCandidate(game, p);
  int c = game.random.Below(kCandidates);
  while (c == p) c = game.random.Below(kCandidates);
  ShowNameBy(game, 1, Tr("ｃｏｍ"), c);
  TurnCandidate(game, c);

  const int mp = MonthOf(t.FieldCard[p].code);
  const int mc = MonthOf(t.FieldCard[c].code);
  const std::string result = Fill(Tr("あなた：%1月　、　ｃｏｍ：%2月"), {NumText(mp), NumText(mc)});
  const bool playerDeals = mc > mp;
  t.Oya = playerDeals ? 0 : 1;
  ShowCentredMessage(game, 4, result, LargeMessageSize(game), DrawResultTop(t, 0));
  ShowCentredMessage(game, 5, playerDeals ? Tr("あなたが親です。") : Tr("ｃｏｍが親です。"), LargeMessageSize(game),
                     DrawResultTop(t, 1));
  game.SetPhase(Phase::DealerKnown);
  for (int q = 0; q < kCandidates; ++q) game.board.Card[q].enabled = false;
  game.Notify(&GameObserver::DealerDecided, p, c);
  // Told after the watchers, who store a match this one cut short with its own mark.
  game.assisted = false;
}

}  // namespace pg

// The dealer draw: the earlier month deals.
#include "play/dealer_decision.h"

#include <utility>

#include "engine/game.h"
#include "engine/messages.h"
#include "engine/text.h"

namespace pg {

namespace {

constexpr int kCandidates = 12;

int NameSize(const Game& game) { return game.SmallScreen() ? 9 : 12; }

void ShowNameBy(Game& game, int index, const char* name, int left, int q) {
  Label& label = game.board.message[index];
  label.caption = name;
  label.fontSize = static_cast<std::int16_t>(NameSize(game));
  label.left = static_cast<std::int16_t>(left + 72 * (q % 6));
  label.top = static_cast<std::int16_t>(game.table.LayoutTop + 140 + 184 * (q / 6));
  label.enabled = label.visible = true;
}

void TurnCandidate(Game& game, int q) {
  game.board.Card[q].cell = static_cast<std::int16_t>(MonthOf(game.table.FieldCard[q].code) - 1);
}

}  // namespace

void oya1(Game& game) {
  TableState& t = game.table;
  ShowCentredMessage(game, 0, "親を決めます。", LargeMessageSize(game), t.LayoutTop + 32);
  ShowCentredMessage(game, 1, "下の12枚の中から１枚を選択して下さい。", LargeMessageSize(game), t.LayoutTop + 72);
  for (int q = 0; q < kCandidates; ++q) {
    CardPicture& card = game.board.Card[q];
    card.cell = kBackCell;
    card.left = static_cast<std::int16_t>(180 + 72 * (q % 6));
    card.top = static_cast<std::int16_t>(t.LayoutTop + 160 + 96 * (q / 6));
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
  ShowNameBy(game, 2, "あなた", 178, p);
  TurnCandidate(game, p);
  int c = game.random.Below(kCandidates);
  while (c == p) c = game.random.Below(kCandidates);
  ShowNameBy(game, 3, "ｃｏｍ", 183, c);
  TurnCandidate(game, c);

  const int mp = MonthOf(t.FieldCard[p].code);
  const int mc = MonthOf(t.FieldCard[c].code);
  const std::string result = "あなた：" + NumText(mp) + "月　、　ｃｏｍ：" + NumText(mc) + "月";
  const bool playerDeals = mc > mp;
  t.Oya = playerDeals ? 0 : 1;
  ShowCentredMessage(game, 4, result, LargeMessageSize(game), t.LayoutTop + 380);
  ShowCentredMessage(game, 5, playerDeals ? "あなたが親です。" : "ｃｏｍが親です。", LargeMessageSize(game),
                     t.LayoutTop + 420);
  game.SetPhase(Phase::DealerKnown);
  for (int q = 0; q < kCandidates; ++q) game.board.Card[q].enabled = false;
  game.Notify(&GameObserver::DealerDecided, p, c);
}

}  // namespace pg

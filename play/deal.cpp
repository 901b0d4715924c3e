// The deal: four rounds of six cards, two to the non-dealer, two to the table, two to the dealer.
#include "play/deal.h"

#include <algorithm>
#include <utility>

#include "engine/animation.h"
#include "engine/game.h"
#include "engine/geometry.h"
#include "engine/text.h"
#include "records/player_text.h"

namespace pg {

namespace {

// Kept in Japanese as the labels' state; rules/yaku.h shows them in the player's words.
constexpr ByYakuGroup<const char*> kStartLabels{{PG_JAPANESE_DATA("三光　残3"), PG_JAPANESE_DATA("猪鹿蝶　残3"),
                                                 PG_JAPANESE_DATA("花見　残2"), PG_JAPANESE_DATA("月見　残2"),
                                                 PG_JAPANESE_DATA("赤短　残3"), PG_JAPANESE_DATA("青短　残3"),
                                                 PG_JAPANESE_DATA("ﾀﾈ　残5"), PG_JAPANESE_DATA("ﾀﾝ　残5"),
                                                 PG_JAPANESE_DATA("ｶｽ　残10")}};

void GatherDeck(Game& game) {
  TableState& t = game.table;
  for (int i = 0; i < kCardCount; ++i) {
    const int j = kCardCount - 1 - i;
    CardPicture& card = game.board.Card[j];
    const Point stock = StockPosition(t, j);
    card.cell = kBackCell;
    card.left = stock.x;
    card.top = stock.y;
    card.visible = true;
    t.Deck[i] = CodeOf(i);
  }
}

void ResetProgressLabels(Game& game) {
  Board& board = game.board;
  auto& labels = board.YakuState;
  for (int side = 0; side < 2; ++side) {
    for (YakuGroup g : kAllYakuGroups) board.YakuLabel(side, g).caption = kStartLabels[g];
  }
  if (game.options.DekiYaku == YakuDisplay::Always) {
    for (Label& label : labels) label.visible = true;
    for (int side = 0; side < 2; ++side) {
      if (!game.rules.HanamiOn()) board.YakuLabel(side, YakuGroup::Hanami).visible = false;
      if (!game.rules.TsukimiOn()) board.YakuLabel(side, YakuGroup::Tsukimi).visible = false;
    }
  } else {
    for (Label& label : labels) label.visible = false;
  }
  for (Label& label : labels) label.opaque = false;
}

void Shuffle(Game& game) {
  Random& random = game.DealRandom();
  for (int n = 0; n < 96; ++n) {
    const int a = random.Below(kCardCount);
    const int b = random.Below(kCardCount);
    std::swap(game.table.Deck[a], game.table.Deck[b]);
  }
}

void DealCard(Game& game, int i, int speed) {
  TableState& t = game.table;
  CardPicture& card = game.board.Card[i];
  const CardCode code = t.Deck[i];
  const auto pic = static_cast<std::int16_t>(i);
  Point target;
  if (i % 6 == 2 || i % 6 == 3) {
    const int slot = i - 4 * (i / 6) - 2;
    t.FieldCard[slot] = {code, pic};
    ++t.FieldMonth[MonthOf(code) - 1];
    card.cell = static_cast<std::int16_t>(CellOf(code));
    target = TableSlotPosition(t, slot);
  } else {
    const int side = (i + 4 * t.Oya) % 6 >= 4 ? 0 : 1;
    const int slot = i - 4 * (i / 6) - (t.Oya == side ? 4 : 0);
    t.HandCard[side][slot] = {code, pic};
    ++t.HandMonth[side][MonthOf(code) - 1];
    target = HandSlotPosition(t, side, slot);
    if (side == 0) {
      card.cell = static_cast<std::int16_t>(CellOf(code));
      card.enabled = card.handCursor = true;
    }
  }
  const Point from = StockPosition(t, i);
  MoveCard(game, i, from.x, from.y, target.x, target.y, speed);
}

}  // namespace

void GameStart(Game& game) {
  PrepareMonth(game);
  if (game.arrangedDeck) {
    std::copy(game.arrangedDeck->begin(), game.arrangedDeck->end(), game.table.Deck.begin());
    game.arrangedDeck.reset();
  } else {
    Shuffle(game);
  }
  DealDeck(game);
}

void PrepareMonth(Game& game) {
  TableState& t = game.table;
  const Point mark = DealerMarkPosition(t);
  game.board.oyamark.left = mark.x;
  game.board.oyamark.top = mark.y;
  game.board.oyamark.visible = true;
  game.board.Pnum.caption = Digits(t.GameNum);
  game.platform.Redraw();
  GatherDeck(game);
  ResetProgressLabels(game);
  t.StockLeft = 24;
  t.HandLeft = 16;
  t.FieldCount = 8;
  t.HandMonth = {};
  t.FieldMonth = {};
  for (int side = 0; side < 2; ++side) t.YakuCount[side] = {};
  t.Taken = {};
  t.KoiKoi = {};
}

void DealDeck(Game& game) {
  const int speed = 2 * game.options.Slider;
  for (int i = 0; i < 24; ++i) DealCard(game, i, speed);
  game.Notify(&GameObserver::Dealt);
  JudgeTefuda(game);
}

void JudgeTefuda(Game& game) {
  TableState& t = game.table;
  // A month held four times is 手四, four pairs くっつき; the dealer's hand is judged first and
  // wins a tie.
  for (int s = 0; s < 2; ++s) {
    int pairs = 0;
    bool four = false;
    for (std::int16_t cards : t.HandMonth[(t.Oya + s) % 2]) {
      if (cards == 2) ++pairs;
      if (cards == 4) four = true;
    }
    const bool dealers = s == 0;
    if (four) {
      t.WinCode = dealers ? WinCode::DealerTeshi : WinCode::NonDealerTeshi;
      return;
    }
    if (pairs >= 4) {
      t.WinCode = dealers ? WinCode::DealerKuttsuki : WinCode::NonDealerKuttsuki;
      return;
    }
  }
}

}  // namespace pg

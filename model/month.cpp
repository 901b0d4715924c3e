// The deal, the turn of hand card, stock card and decision, and the end of a month.
#include "model/month.h"

#include <numeric>
#include <utility>

#include "model/yaku.h"

namespace pg::model {

namespace {

// Rounds of six by the dealer: two cards to the other hand, two to the table, two to the dealer.
constexpr int kToTable = 2;
constexpr std::array<std::array<int, 6>, 2> kDealtTo{
    {{1, 1, kToTable, kToTable, 0, 0}, {0, 0, kToTable, kToTable, 1, 1}}};
// Table cards laid during play lie above every dealt one, whose numbers are deck positions.
constexpr std::uint8_t kFirstLaidSlot = kDealtCards;

void Pay(State& s, WinKind kind, int winner, int points) {
  s.score[static_cast<std::size_t>(winner)] =
      static_cast<std::int16_t>(s.score[static_cast<std::size_t>(winner)] + points);
  s.result = {kind, static_cast<std::int8_t>(winner), static_cast<std::int16_t>(points)};
  s.stage = Stage::MonthOver;
}

// A month held whole is 手四, four pairs くっつき; the dealer's hand is judged first.
WinKind DealtHandYaku(CardSet hand) {
  if (WholeMonths(hand) != 0) return WinKind::Teshi;
  return Count(PairedMonths(hand)) >= 4 ? WinKind::Kuttsuki : WinKind::None;
}

void TakeFromHand(State& s, int card) {
  const auto side = static_cast<std::size_t>(s.mover);
  auto& order = s.handOrder[side];
  const int size = HandSize(s, s.mover);
  int i = 0;
  while (i < size - 1 && order[static_cast<std::size_t>(i)] != card) ++i;
  for (; i < size - 1; ++i) order[static_cast<std::size_t>(i)] = order[static_cast<std::size_t>(i + 1)];
  s.hand[side] &= ~Bit(card);
}

// Lays the card on the table or captures with it. The month's first hand card also takes every
// month the deal laid whole on the table.
CardSet PlayCard(State& s, int card, int take, bool firstOfMonth) {
  const CardSet same = s.table & SameMonthAs(card);
  CardSet took = 0;
  if (same == 0) {
    s.table |= Bit(card);
    s.tableSlot[static_cast<std::size_t>(card)] = s.nextTableSlot++;
  } else {
    const CardSet taken = IsPair(same) ? Bit(take) : same;
    took = Bit(card) | taken;
    s.table &= ~taken;
  }
  if (firstOfMonth) {
    const CardSet whole = WholeMonths(s.table);
    took |= whole;
    s.table &= ~whole;
  }
  s.captured[static_cast<std::size_t>(s.mover)] |= took;
  s.turnTook |= took;
  return took;
}

// Both hands played out without a win: the dealer's right pays the dealer, else the deal passes.
void EndWithHands(State& s) {
  if (s.rules.dealerRight) {
    Pay(s, WinKind::DealerRight, s.dealer, kDealerRightPoints);
  } else {
    s.dealer = static_cast<std::int8_t>(1 - s.dealer);
    s.result = {};
    s.stage = Stage::MonthOver;
  }
}

void PassTurn(State& s) {
  s.turnTook = 0;
  if (HandLeft(s) == 0) {
    EndWithHands(s);
    return;
  }
  s.mover = static_cast<std::int8_t>(1 - s.mover);
  s.stage = Stage::Play;
}

void EndTurn(State& s) {
  if (MakesWin(s.rules, s.captured[static_cast<std::size_t>(s.mover)], s.turnTook)) {
    s.stage = Stage::Decision;
  } else {
    PassTurn(s);
  }
}

void DrawStock(State& s, Trace* trace) {
  const int card = s.stock[static_cast<std::size_t>(kStockCards - s.stockLeft)];
  --s.stockLeft;
  if (trace) trace->stockCard = static_cast<std::uint8_t>(card);
  if (IsPair(s.table & SameMonthAs(card))) {
    s.pendingCard = static_cast<std::uint8_t>(card);
    s.stage = Stage::StockChoice;
    return;
  }
  const CardSet took = PlayCard(s, card, kNoCard, false);
  if (trace) trace->stockTook = took;
  EndTurn(s);
}

}  // namespace

State NewMatch(const Rules& rules, int firstDealer) {
  State s;
  s.rules = rules;
  s.dealer = static_cast<std::int8_t>(firstDealer);
  return s;
}

Deck ShuffledDeck(Random& random) {
  Deck deck;
  std::iota(deck.begin(), deck.end(), std::uint8_t{0});
  for (int i = kCardCount - 1; i > 0; --i) {
    std::swap(deck[static_cast<std::size_t>(i)], deck[static_cast<std::size_t>(random.Below(i + 1))]);
  }
  return deck;
}

void Deal(State& s, const Deck& deck) {
  s.captured = {};
  s.turnTook = 0;
  s.koikoi = {};
  s.result = {};
  s.pendingCard = kNoCard;
  std::array<int, 2> dealt{};
  // Three zones gathered apart from the state: hand 0, hand 1 and the table.
  std::array<CardSet, 3> zones{};
  for (int i = 0; i < kDealtCards; ++i) {
    const int card = deck[static_cast<std::size_t>(i)];
    const int to = kDealtTo[static_cast<std::size_t>(s.dealer)][static_cast<std::size_t>(i % 6)];
    zones[static_cast<std::size_t>(to)] |= Bit(card);
    if (to == kToTable) {
      s.tableSlot[static_cast<std::size_t>(card)] = static_cast<std::uint8_t>(i);
    } else {
      const auto side = static_cast<std::size_t>(to);
      s.handOrder[side][static_cast<std::size_t>(dealt[side]++)] = static_cast<std::uint8_t>(card);
    }
  }
  s.hand = {zones[0], zones[1]};
  s.table = zones[kToTable];
  s.nextTableSlot = kFirstLaidSlot;
  for (int k = 0; k < kStockCards; ++k)
    s.stock[static_cast<std::size_t>(k)] = deck[static_cast<std::size_t>(kDealtCards + k)];
  s.stockLeft = kStockCards;
  s.mover = s.dealer;
  s.stage = Stage::Play;
  PG_CHECK(CardsAccountedFor(s));
  for (int k = 0; k < 2; ++k) {
    const int side = (s.dealer + k) % 2;
    const WinKind yaku = DealtHandYaku(s.hand[static_cast<std::size_t>(side)]);
    if (yaku != WinKind::None) {
      s.dealer = static_cast<std::int8_t>(side);
      Pay(s, yaku, side, kDealtHandPoints);
      return;
    }
  }
}

void NextMonth(State& s) {
  if (s.month >= kMonths) {
    s.stage = Stage::MatchOver;
    return;
  }
  ++s.month;
  s.stage = Stage::Deal;
}

bool CanKoiKoi(const State& s) { return HandLeft(s) >= 2; }

bool IsLegal(const State& s, Move move) {
  MoveList moves;
  LegalMoves(s, moves);
  for (const Move& legal : moves) {
    if (legal == move) return true;
  }
  return false;
}

bool CardsAccountedFor(const State& s) {
  CardSet stock = 0;
  for (int k = kStockCards - s.stockLeft; k < kStockCards; ++k) stock |= Bit(s.stock[static_cast<std::size_t>(k)]);
  if (s.pendingCard != kNoCard) stock |= Bit(s.pendingCard);
  const std::array<CardSet, 6> zones{s.hand[0], s.hand[1], s.table, s.captured[0], s.captured[1], stock};
  CardSet seen = 0;
  for (CardSet zone : zones) {
    if ((seen & zone) != 0) return false;
    seen |= zone;
  }
  return seen == kAllCards;
}

void LegalMoves(const State& s, MoveList& moves) {
  moves.size = 0;
  switch (s.stage) {
    case Stage::Play: {
      const auto side = static_cast<std::size_t>(s.mover);
      for (int i = 0; i < HandSize(s, s.mover); ++i) {
        const std::uint8_t card = s.handOrder[side][static_cast<std::size_t>(i)];
        const CardSet same = s.table & SameMonthAs(card);
        if (IsPair(same)) {
          ForEachCard(same, [&](int take) { moves.Add({MoveKind::Play, card, static_cast<std::uint8_t>(take)}); });
        } else {
          moves.Add({MoveKind::Play, card, kNoCard});
        }
      }
      break;
    }
    case Stage::StockChoice:
      ForEachCard(s.table & SameMonthAs(s.pendingCard), [&](int take) {
        moves.Add({MoveKind::Take, s.pendingCard, static_cast<std::uint8_t>(take)});
      });
      break;
    case Stage::Decision:
      moves.Add({MoveKind::Stop});
      if (CanKoiKoi(s)) moves.Add({MoveKind::KoiKoi});
      break;
    default:
      break;
  }
}

void Apply(State& s, Move move, Trace* trace) {
  PG_CHECK(IsLegal(s, move));
  switch (move.kind) {
    case MoveKind::Play: {
      const bool firstOfMonth = HandLeft(s) == 2 * kHandCards;
      TakeFromHand(s, move.card);
      const CardSet took = PlayCard(s, move.card, move.take, firstOfMonth);
      if (trace) *trace = {move.card, took, kNoCard, 0};
      DrawStock(s, trace);
      break;
    }
    case MoveKind::Take: {
      const CardSet took = PlayCard(s, s.pendingCard, move.take, false);
      if (trace) *trace = {kNoCard, 0, s.pendingCard, took};
      s.pendingCard = kNoCard;
      EndTurn(s);
      break;
    }
    case MoveKind::Stop: {
      const int winner = s.mover;
      s.dealer = static_cast<std::int8_t>(winner);
      s.turnTook = 0;
      Pay(s, WinKind::Yaku, winner, ScoreYaku(s.rules, s.captured[static_cast<std::size_t>(winner)]).total);
      break;
    }
    case MoveKind::KoiKoi:
      s.koikoi[static_cast<std::size_t>(s.mover)] = true;
      PassTurn(s);
      break;
  }
  PG_CHECK(CardsAccountedFor(s));
}

}  // namespace pg::model

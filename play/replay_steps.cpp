// The turn driver's order of play, with each choice read from the record instead of from a click,
// the computer or the random source: the same procedures move the cards, so the table looks as it
// did when the match was played.
#include "play/replay_steps.h"

#include <algorithm>
#include <set>

#include "engine/animation.h"
#include "engine/game.h"
#include "engine/hand.h"
#include "model/stored_match.h"
#include "play/agari.h"
#include "play/deal.h"
#include "play/setup.h"
#include "play/show_play.h"
#include "play/table_signs.h"
#include "play/turn_driver.h"
#include "rules/capture.h"
#include "rules/match_score.h"
#include "rules/win_dialog.h"
#include "rules/yaku.h"
#include "records/player_text.h"

namespace pg {

namespace {

constexpr int kDealerDrawCards = 12;

using Refusal = std::optional<std::string>;

std::optional<CardCode> CardOf(const StoredCard& text) {
  const std::optional<std::uint8_t> card = model::StoredCardIndex(text);
  if (!card) return std::nullopt;
  return CodeOf(*card);
}

std::string MonthNumber(const HistoryMonth& month) { return std::to_string(month.month); }

Refusal BadDeal(const HistoryMonth& month) {
  return Fill(Tr("%1か月目の配りが、48枚の違う札になっていません。"), {MonthNumber(month)});
}

Refusal BadMove(const HistoryMonth& month, int move) {
  const HistoryMove& m = month.moves.at(static_cast<std::size_t>(move));
  return Fill(Tr("%1か月目の%2手目（「%3」）は、ルールに合いません。"),
              {MonthNumber(month), std::to_string(move + 1), m.card});
}

Refusal BadEnd(const HistoryMonth& month) {
  return Fill(Tr("%1か月目の終わり方が、ルールに合いません。"), {MonthNumber(month)});
}

void RefreshLabels(Game& game) {
  GotoYaku(game);
  game.Notify(&GameObserver::LabelsRefreshed, MoverOf(game.table.TurnStep));
}

// The win dialog for the pending WinCode, answered as stored. False when the record does not fit:
// a yaku without its call, a call of the other side, or an answer the dialog does not offer.
bool RunAgari(Game& game, const HistoryMonth& month, ReplayProgress& progress) {
  const WinCode code = game.table.WinCode;
  const int side = WinnerOf(game.table);
  std::optional<bool> computerStops;
  progress.playsOn = false;
  if (code == WinCode::Yaku) {
    if (progress.callsMade >= month.calls.size()) return false;
    const HistoryCall& call = month.calls[progress.callsMade++];
    if (call.side != side) return false;
    progress.playsOn = call.kind == CallKind::KoiKoi;
    if (side == 1) computerStops = !progress.playsOn;
  }
  Agari(game, computerStops);
  game.Notify(&GameObserver::AgariClosed, code, side);
  const bool playedOn = game.table.Phase != Phase::MonthOver;
  return playedOn == progress.playsOn;
}

// A yaku just made opens the win dialog. Sets `stopped` when its side took the month there.
bool StoppedOnYaku(Game& game, const HistoryMonth& month, ReplayProgress& progress, bool& stopped) {
  stopped = false;
  if (game.table.WinCode != WinCode::Yaku) return true;
  if (!RunAgari(game, month, progress)) return false;
  if (game.table.Phase != Phase::MonthOver) return true;
  CloseWonMonth(game);
  stopped = true;
  return true;
}

bool EndOfHands(Game& game, const HistoryMonth& month, ReplayProgress& progress) {
  TableState& t = game.table;
  if (game.rules.OyaRightOn()) {
    t.WinCode = WinCode::DealerRight;
    return RunAgari(game, month, progress);
  }
  game.SetPhase(Phase::MonthOver);
  t.Oya = t.Oya == 0 ? 1 : 0;
  return true;
}

// After a side's stock card: its yaku, and once both hands are empty, the end of the month. The
// player's turn is followed by the computer's at once in play, so the table's hints wait for it.
bool FinishTurn(Game& game, const HistoryMonth& month, int side, ReplayProgress& progress) {
  TableState& t = game.table;
  bool stopped = false;
  RefreshLabels(game);
  if (!StoppedOnYaku(game, month, progress, stopped)) return false;
  if (stopped) return true;
  if (side == 0) {
    t.YakuTouched = {};
    if (t.HandLeft != 0) return true;
    RefreshLabels(game);
  }
  if (t.HandLeft == 0 && !EndOfHands(game, month, progress)) return false;
  JudgeAifuda(game);
  return true;
}

// Takes the stored card of an open choice; false when the record names neither.
bool KeepStoredChoice(Game& game, const HistoryMove& move) {
  TableState& t = game.table;
  for (int which = 0; which < 2; ++which) {
    const Slot& slot = t.FieldCard.at(static_cast<std::size_t>(t.SameSlot[which]));
    if (slot.code.Text() != move.chosen) continue;
    for (int i = 0; i < 2; ++i) {
      game.board.Card.at(t.FieldCard.at(static_cast<std::size_t>(t.SameSlot[i])).pic).enabled = false;
    }
    KeepChoice(t, which);
    return true;
  }
  return false;
}

void NoteTaken(const PlaySteps& steps, CardCode played, std::vector<StoredCard>& taken) {
  for (const PlayStep& step : steps) {
    if (step.kind == PlayStep::Kind::Captured && step.code != played) taken.push_back(step.code.Text());
  }
}

// Shows the matching of a card and, where two table cards of its month lay, the stored choice.
bool ReplayPlayWithChoice(Game& game, const HistoryMove& move, const PlayedCard& card, const PlaySteps& matched,
                          std::vector<StoredCard>& taken) {
  ShowPlay(game, matched);
  NoteTaken(matched, card.code, taken);
  if (!ChoiceOpen(game.table)) return true;
  if (!KeepStoredChoice(game, move)) return false;
  const PlaySteps chosen = JudgeOK(game, card);
  ShowPlay(game, chosen);
  NoteTaken(chosen, card.code, taken);
  return true;
}

bool PlayHandCard(Game& game, const HistoryMove& move, CardCode code, int cards, std::vector<StoredCard>& taken) {
  TableState& t = game.table;
  const int side = move.side;
  int slot = 0;
  while (slot < cards && t.HandCard[side][slot].code != code) ++slot;
  if (slot == cards) return false;
  t.YakuTouched = {};
  t.FieldCountBefore = t.FieldCount;
  t.TurnStep = HandStepOf(side);
  if (side == 0) {
    for (int i = 0; i < cards; ++i) game.board.PG.at(static_cast<std::size_t>(i)).visible = false;
    t.PlayedSlot = static_cast<std::int16_t>(slot);
  }
  --t.HandLeft;
  const PlayedCard hand = FromHand(t, side, slot);
  CardPicture& picture = game.board.Card.at(hand.pic);
  if (side == 0) {
    picture.enabled = false;
  } else {
    picture.cell = static_cast<std::int16_t>(CellOf(hand.code));
  }
  if (!ReplayPlayWithChoice(game, move, hand, JudgeSame(game, hand), taken)) return false;
  TakeOutOfHand(game, side, slot);
  return true;
}

bool PlayStock(Game& game, const HistoryMove& move, CardCode code, std::vector<StoredCard>& taken) {
  TableState& t = game.table;
  if (t.StockLeft <= 0 || FromStock(t).code != code) return false;
  const PlaySteps turned = PlayStockCard(game, StockStepOf(move.side));
  if (!ReplayPlayWithChoice(game, move, FromStock(t), turned, taken)) return false;
  --t.StockLeft;
  return true;
}

Refusal RunMove(Game& game, const HistoryMonth& month, int index, ReplayProgress& progress) {
  const HistoryMove& move = month.moves.at(static_cast<std::size_t>(index));
  const std::optional<CardCode> code = CardOf(move.card);
  if (!code) return Fill(Tr("%1か月目の記録に、知らない札「%2」があります。"), {MonthNumber(month), move.card});
  // The dealer plays first, and each side's hand card is followed by a stock card.
  const int handMove = index / 2;
  const bool fromStock = index % 2 == 1;
  const int side = (month.dealer + handMove) % 2;
  if (game.table.Phase != Phase::PlayerToPlay || move.side != side || move.fromStock != fromStock) {
    return BadMove(month, index);
  }
  std::vector<StoredCard> taken;
  const bool played = fromStock ? PlayStock(game, move, *code, taken)
                                : PlayHandCard(game, move, *code, kHandSlots - handMove / 2, taken);
  if (!played) return BadMove(month, index);
  std::vector<StoredCard> stored = move.taken;
  std::sort(stored.begin(), stored.end());
  std::sort(taken.begin(), taken.end());
  if (taken != stored) return BadMove(month, index);
  game.Notify(&GameObserver::PlayFinished, *code);
  if (fromStock && !FinishTurn(game, month, side, progress)) return BadMove(month, index);
  return std::nullopt;
}

Refusal RunDeal(Game& game, const HistoryMatch& match, int index, ReplayProgress& progress) {
  const HistoryMonth& month = match.months.at(static_cast<std::size_t>(index));
  const std::optional<std::array<CardCode, kCardCount>> deck = DeckOf(month);
  if (!deck || (month.dealer != 0 && month.dealer != 1)) return BadDeal(month);
  TableState& t = game.table;
  if (index == 0) {
    t.Oya = static_cast<std::int16_t>(month.dealer);
    game.SetPhase(Phase::PlayerToPlay);
    ShowTableSigns(game);
    t.GameNum = 1;
    for (Label& message : game.board.message) message.enabled = message.visible = false;
    for (int q = 0; q < kDealerDrawCards; ++q) {
      game.board.Card[q].handCursor = false;
      game.board.Card[q].visible = false;
    }
    GameSetUp(game);
  } else {
    if (t.Phase != Phase::MonthOver) return BadEnd(match.months.at(static_cast<std::size_t>(index - 1)));
    if (t.Oya != month.dealer) return BadDeal(month);
    game.SetPhase(Phase::PlayerToPlay);
    ShowTableSigns(game);
    ++t.GameNum;
    CZOrder(game);
  }
  progress = {};
  game.arrangedDeck = *deck;
  GameStart(game);
  if (t.WinCode != WinCode::None) {
    if (!RunAgari(game, month, progress)) return BadDeal(month);
    CloseWonMonth(game);
  } else if (t.Oya == 0) {
    JudgeAifuda(game);
  }
  return std::nullopt;
}

}  // namespace

std::vector<ReplayStep> StepsOf(const HistoryMatch& match) {
  std::vector<ReplayStep> steps;
  for (std::size_t m = 0; m < match.months.size(); ++m) {
    const int month = static_cast<int>(m);
    steps.push_back({ReplayStep::Kind::Deal, month, -1});
    for (std::size_t k = 0; k < match.months[m].moves.size(); ++k) {
      steps.push_back({ReplayStep::Kind::Move, month, static_cast<int>(k)});
    }
  }
  if (match.result != MatchOutcome::Abandoned && !match.months.empty()) {
    steps.push_back({ReplayStep::Kind::Result, static_cast<int>(match.months.size()) - 1, -1});
  }
  return steps;
}

std::optional<std::array<CardCode, kCardCount>> DeckOf(const HistoryMonth& month) {
  if (month.table.size() != 8 || month.hands[0].size() != kHandSlots || month.hands[1].size() != kHandSlots ||
      month.stock.size() != static_cast<std::size_t>(kCardCount - kDealtCards) || (month.dealer & ~1) != 0) {
    return std::nullopt;
  }
  const auto& dealer = month.hands[static_cast<std::size_t>(month.dealer)];
  const auto& other = month.hands[static_cast<std::size_t>(1 - month.dealer)];
  // Each round of six: two to the non-dealer, two to the table, two to the dealer.
  std::array<const StoredCard*, kCardCount> texts{};
  for (int i = 0; i < kDealtCards; ++i) {
    const int round = i / 6;
    const int p = i % 6;
    const std::vector<StoredCard>& from = p < 2 ? other : p < 4 ? month.table : dealer;
    texts[static_cast<std::size_t>(i)] = &from[static_cast<std::size_t>(2 * round + p % 2)];
  }
  for (int i = kDealtCards; i < kCardCount; ++i) {
    texts[static_cast<std::size_t>(i)] = &month.stock[static_cast<std::size_t>(i - kDealtCards)];
  }
  std::array<CardCode, kCardCount> deck{};
  std::set<int> seen;
  for (int i = 0; i < kCardCount; ++i) {
    const std::optional<CardCode> code = CardOf(*texts[static_cast<std::size_t>(i)]);
    if (!code || !seen.insert(CardIndex(*code)).second) return std::nullopt;
    deck[static_cast<std::size_t>(i)] = *code;
  }
  return deck;
}

std::optional<std::string> RunStep(Game& game, const HistoryMatch& match, const ReplayStep& step,
                                   ReplayProgress& progress) {
  if (step.month < 0 || static_cast<std::size_t>(step.month) >= match.months.size()) return BadEnd(match.months.back());
  const HistoryMonth& month = match.months[static_cast<std::size_t>(step.month)];
  Refusal refusal;
  switch (step.kind) {
    case ReplayStep::Kind::Deal:
      refusal = RunDeal(game, match, step.month, progress);
      break;
    case ReplayStep::Kind::Move:
      refusal = RunMove(game, month, step.move, progress);
      break;
    case ReplayStep::Kind::Result:
      // The click that ends the twelfth month shows the result; it keeps no records on a replay.
      if (game.table.Phase != Phase::MonthOver || game.table.GameNum < 12) return BadEnd(month);
      Form_Click(game);
      break;
  }
  ShowTableSigns(game);
  return refusal;
}

int StoredAnswer(const WinDialogState& dialog, bool playsOn) {
  for (int i = 0; i < 3; ++i) {
    const DialogButton& button = dialog.Command1[static_cast<std::size_t>(i)];
    if (button.visible && button.enabled && PlaysOn(dialog, i) == playsOn) return i;
  }
  return -1;
}

}  // namespace pg

// One click on a hand card plays the player's card, the stock card, and the computer's whole turn.
//
// What a click does in each phase (any other click does nothing):
//
//   Phase         | on a card picture                        | on the table
//   --------------+------------------------------------------+--------------------------------
//   DealerDraw    | the player's pick of the dealer draw     |
//   DealerKnown   |                                          | deal the first month
//   PlayerToPlay  | play that hand card                      |
//   HandChoice    | a framed table card: take it for the     |
//                 | hand card                                |
//   StockChoice   | a framed table card: take it for the     |
//                 | stock card                               |
//   MonthOver     |                                          | deal the next month, or after
//                 |                                          | the twelfth show the result
//   MatchOver     |                                          | start a new match
#include "play/turn_driver.h"

#include "engine/animation.h"
#include "engine/game.h"
#include "engine/geometry.h"
#include "engine/hand.h"
#include "engine/messages.h"
#include "play/agari.h"
#include "play/computer_turn.h"
#include "play/deal.h"
#include "play/dealer_decision.h"
#include "play/hi_score.h"
#include "play/hints.h"
#include "play/setup.h"
#include "play/show_play.h"
#include "play/table_signs.h"
#include "rules/capture.h"
#include "rules/match_score.h"
#include "rules/win_dialog.h"
#include "rules/yaku.h"

namespace pg {

namespace {

void RefreshLabels(Game& game) {
  GotoYaku(game);
  game.Notify(&GameObserver::LabelsRefreshed, MoverOf(game.table.TurnStep));
}

void RunAgari(Game& game) {
  const WinCode code = game.table.WinCode;
  const int side = WinnerOf(game.table);
  Agari(game);
  game.Notify(&GameObserver::AgariClosed, code, side);
}

// The month is over, the player's hand goes dead.
void CloseMonth(Game& game) {
  const TableState& t = game.table;
  for (int i = 0; i < CardsInHand(t, 0); ++i) {
    const Slot& slot = t.HandCard[0][i];
    if (slot.pic != kNoPicture) game.board.Card.at(slot.pic).enabled = false;
  }
}

// A yaku just made opens the win dialog; true when its side stopped the month there.
bool StoppedOnYaku(Game& game) {
  if (game.table.WinCode != WinCode::Yaku) return false;
  RunAgari(game);
  if (game.table.Phase != Phase::MonthOver) return false;
  CloseWonMonth(game);
  return true;
}

// The player's yaku, the computer's turn and its yaku, and the end of the hands.
void FinishCycle(Game& game) {
  TableState& t = game.table;
  RefreshLabels(game);
  if (StoppedOnYaku(game)) return;
  t.YakuTouched = {};
  if (t.HandLeft != 0) ComRootin1(game);
  RefreshLabels(game);
  if (StoppedOnYaku(game)) return;
  if (t.HandLeft == 0) {
    if (game.rules.OyaRightOn()) {
      t.WinCode = WinCode::DealerRight;
      RunAgari(game);
    } else {
      game.SetPhase(Phase::MonthOver);
      t.Oya = t.Oya == 0 ? 1 : 0;
    }
  }
  JudgeAifuda(game);
}

// The computer moves first when it deals.
void OpenMonth(Game& game) {
  TableState& t = game.table;
  if (t.Oya == 1) {
    t.YakuTouched = {};
    ComRootin1(game);
    RefreshLabels(game);
  }
  if (StoppedOnYaku(game)) return;
  JudgeAifuda(game);
}

// A dealt-hand yaku ends the month before anybody plays.
void DealMonth(Game& game) {
  GameStart(game);
  if (game.table.WinCode != WinCode::None) {
    RunAgari(game);
    CloseWonMonth(game);
  } else {
    OpenMonth(game);
  }
}

// The stock card is played out: it leaves the pile, and the cycle goes on to its end.
void AfterStockCard(Game& game) {
  --game.table.StockLeft;
  FinishCycle(game);
}

// Two table cards of the played card's month: the player chooses, between their frames.
void AskChoice(Game& game) {
  const TableState& t = game.table;
  game.SetPhase(t.TurnStep == TurnStep::PlayerHand ? Phase::HandChoice : Phase::StockChoice);
  for (int i = 0; i < 2; ++i) {
    const Point at = ChoiceFramePosition(t, t.SameSlot[i]);
    game.board.Box[i] = {at.x, at.y, true};
    CardPicture& framed = game.board.Card.at(t.FieldCard[t.SameSlot[i]].pic);
    framed.enabled = framed.handCursor = true;
  }
}

// The hand card is played out, then the stock card, unless that waits for a choice.
void AfterHandCard(Game& game) {
  TakeOutOfHand(game, 0, game.table.PlayedSlot);
  ShowPlay(game, PlayStockCard(game, TurnStep::PlayerStock));
  if (ChoiceOpen(game.table)) {
    AskChoice(game);
    return;
  }
  AfterStockCard(game);
}

void PlayHandCard(Game& game, int index) {
  TableState& t = game.table;
  int s = 0;
  while (s < CardsInHand(t, 0) && t.HandCard[0][s].pic != index) ++s;
  if (s == CardsInHand(t, 0)) return;

  t.TurnStep = TurnStep::PlayerHand;
  t.FieldCountBefore = t.FieldCount;
  t.YakuTouched = {};
  for (int i = 0; i < CardsInHand(t, 0); ++i) game.board.PG[i].visible = false;
  --t.HandLeft;
  t.PlayedSlot = static_cast<std::int16_t>(s);
  game.board.Card[index].enabled = false;
  ShowPlay(game, JudgeSame(game, FromHand(t, 0, s)));
  if (ChoiceOpen(t)) {
    AskChoice(game);
    return;
  }
  AfterHandCard(game);
}

// Completes a capture suspended for the player's choice between two framed table cards.
bool TakeChoice(Game& game, int index) {
  TableState& t = game.table;
  const int first = t.FieldCard[t.SameSlot[0]].pic;
  const int second = t.FieldCard[t.SameSlot[1]].pic;
  if (index != first && index != second) return false;
  game.SetPhase(Phase::PlayerToPlay);
  for (Shape& box : game.board.Box) box.visible = false;
  game.board.Card.at(first).enabled = game.board.Card.at(second).enabled = false;
  KeepChoice(t, index == second ? 1 : 0);
  return true;
}

void ChooseForHandCard(Game& game, int index) {
  TableState& t = game.table;
  if (!TakeChoice(game, index)) return;
  ShowPlay(game, JudgeOK(game, FromHand(t, 0, t.PlayedSlot)));
  AfterHandCard(game);
}

void ChooseForStockCard(Game& game, int index) {
  TableState& t = game.table;
  if (!TakeChoice(game, index)) return;
  ShowPlay(game, JudgeOK(game, FromStock(t)));
  AfterStockCard(game);
}

void StartFirstMonth(Game& game) {
  TableState& t = game.table;
  game.SetPhase(Phase::PlayerToPlay);
  ShowTableSigns(game);
  t.GameNum = 1;
  for (Label& message : game.board.message) message.enabled = message.visible = false;
  for (int q = 0; q < 12; ++q) {
    game.board.Card[q].handCursor = false;
    game.board.Card[q].visible = false;
  }
  GameSetUp(game);
  DealMonth(game);
}

void StartNextMonth(Game& game) {
  game.SetPhase(Phase::PlayerToPlay);
  ShowTableSigns(game);
  ++game.table.GameNum;
  CZOrder(game);
  DealMonth(game);
}

void EndMatch(Game& game) {
  Board& board = game.board;
  game.SetPhase(Phase::MatchOver);
  ShowTableSigns(game);
  game.table.GameNum = 1;
  WallPaint(game, game.options.Wall);
  board.HideMatch();
  PutMatchResult(game);
  for (int i = 0; i < 3; ++i) {
    const std::string text = board.message[i].caption;
    ShowCentredMessage(game, i, text, LargeMessageSize(game), MatchResultTop(game.table, i));
  }
  game.Notify(&GameObserver::MatchEnded);
  const Point reviewAt = ReviewButtonPosition(game.table);
  board.review = {reviewAt.x, reviewAt.y, game.KeepsRecords()};
  if (game.KeepsRecords()) StartHiScoreUpdate(game);
}

// Tells the watchers once per month, whichever way it ended: a click that dealt a month may
// leave it over at once, back in the phase it started from.
void NoticeMonthEnd(const Game& game, Phase phaseBefore, bool dealt) {
  if ((phaseBefore != Phase::MonthOver || dealt) && game.table.Phase == Phase::MonthOver) {
    game.Notify(&GameObserver::MonthEnded);
  }
}

}  // namespace

void CloseWonMonth(Game& game) {
  if (game.table.Oya == 0) JudgeGameScore(game);
  CloseMonth(game);
}

void Card_Click(Game& game, int index) {
  // Only an enabled picture raises a click; the index comes from outside the core.
  if (index < 0 || index >= kCardCount || !game.board.Card[index].enabled) return;
  // The click is taken at once: badges still being worked out for this choice are dropped.
  DropHints(game);
  const Phase phase = game.table.Phase;
  switch (phase) {
    case Phase::DealerDraw:
      oya2(game, index);
      break;
    case Phase::PlayerToPlay:
      PlayHandCard(game, index);
      break;
    case Phase::HandChoice:
      ChooseForHandCard(game, index);
      break;
    case Phase::StockChoice:
      ChooseForStockCard(game, index);
      break;
    default:
      break;
  }
  NoticeMonthEnd(game, phase, false);
  ShowTableSigns(game);
  RefreshHints(game);
}

void Form_Click(Game& game) {
  const Phase phase = game.table.Phase;
  const bool lastMonth = game.table.GameNum >= 12;
  const bool dealt = phase == Phase::DealerKnown || (phase == Phase::MonthOver && !lastMonth);
  if (phase == Phase::DealerKnown) {
    StartFirstMonth(game);
  } else if (phase == Phase::MonthOver && !lastMonth) {
    StartNextMonth(game);
  } else if (phase == Phase::MonthOver) {
    EndMatch(game);
  } else if (phase == Phase::MatchOver) {
    StartGame(game);
  }
  NoticeMonthEnd(game, phase, dealt);
  ShowTableSigns(game);
  RefreshHints(game);
}

}  // namespace pg

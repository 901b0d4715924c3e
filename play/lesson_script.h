// 「はじめてのこいこい」 as data: the steps, the months they are played on, the one move each step
// teaches and the words shown with it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "play/arranged_deal.h"

namespace pg {

// A month the lesson deals, and the hand cards the computer plays in it, in order.
struct LessonDeal {
  int oya = 0;
  CardList player, computer, table, stock;
  CardList computerPlays;
};

enum class LessonClick {
  // A card of the player's hand, played.
  Hand,
  // One of two framed table cards, taken for the card just played.
  Choice,
  // The table itself: the next month is dealt.
  Table,
};

struct LessonMove {
  LessonClick click = LessonClick::Hand;
  // The card to click; for a click on the table, the lesson's deal the next month is dealt from.
  std::string card;
  int nextDeal = -1;
  // What to do, in one line, while the move is awaited.
  std::string instruction;
  // Said as the move is played, for what it brings about (the win dialog); empty for nothing.
  std::string said;
  std::string saidWhy;
};

struct LessonStep {
  std::string title;
  // What the step teaches, in one line, shown under the instruction.
  std::string explanation;
  // A new month dealt from the lesson's deal at this index as the step begins; none where the step
  // goes on from the table the step before left.
  std::optional<int> deal;
  std::vector<LessonMove> moves;
  // Why another card than the taught one is refused, where the table gives no plainer reason.
  std::string refusal;
  // Said after the step's win dialog, by the player's answer.
  std::string afterKoiKoi;
  std::string afterShoubu;
  bool monthStrip = false;
};

const std::vector<LessonDeal>& LessonDeals();
const std::vector<LessonStep>& LessonSteps();

}  // namespace pg

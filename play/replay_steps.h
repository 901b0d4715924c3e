// A stored match played again one step at a time: a month dealt as it was dealt, one card put into
// play as it was played, or the match's result. Every decision comes from the record, so neither
// the game's random source nor the computer's level is asked, and a row the rules refuse is told.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/card.h"
#include "records/history_match.h"
#include "records/player_text.h"

namespace pg {

struct Game;
struct WinDialogState;

struct ReplayStep {
  enum class Kind { Deal, Move, Result };
  Kind kind = Kind::Deal;
  // Indices into the match's months and into that month's moves (-1 for a deal or the result).
  int month = 0;
  int move = -1;
};

// Where a month stands between steps: the stored calls already made, and how the win dialog now
// open must be answered.
struct ReplayProgress {
  std::size_t callsMade = 0;
  bool playsOn = false;
};

// Each month's deal and moves in order, then the result when the match was played to its end.
std::vector<ReplayStep> StepsOf(const HistoryMatch& match);

// The deck as the deal took it: the dealt cards in the order the deal hands them out, then the
// stock. Nothing when a card is unknown, one is missing or one comes twice.
std::optional<std::array<CardCode, kCardCount>> DeckOf(const HistoryMonth& month);

// Plays the step on the game's table with its flights, labels and dialogs. A refusal, in Japanese,
// names the month and the move; the table is then left part way and must be restored.
std::optional<std::string> RunStep(Game& game, const HistoryMatch& match, const ReplayStep& step,
                                   ReplayProgress& progress);

// The button of the open win dialog that gives the stored answer, or -1 when none can.
int StoredAnswer(const WinDialogState& dialog, bool playsOn);

// What a refused match is told with, ahead of the reason.
inline constexpr const char* kCannotReplay = PG_TEXT("この対戦は再生できません。");

}  // namespace pg

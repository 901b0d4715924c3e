// 振り返り: each of the player's choices in a stored match weighed by the 最強 search from the
// player's seat at that moment, listing those that gave away at least five points of the chance of
// winning the match, and more than the search's own figures wander between seeds there. Moves the
// game cannot tell apart count as one.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "computer/advisor.h"
#include "computer/search_budget.h"
#include "model/state.h"
#include "records/history_match.h"

namespace pg::computer {

// As many as the hints spend, so the review weighs a choice as the badges did; a twelve-month match
// of some eighty choices still takes a few seconds on one core.
inline constexpr int kReviewIterations = kAdvisorIterations;
// A choice is listed when the better one would have won this much more often.
inline constexpr double kListedLoss = 0.05;

struct ReviewLine {
  int month = 1;
  // The stored move the choice was made at, by its index in the month's moves; a こいこい or 勝負
  // stands before the move that followed it (or past the last).
  int move = 0;
  model::Move played;
  model::Move better;
  double playedChance = 0;
  double betterChance = 0;
};

struct MatchReview {
  // Worst first by the loss in whole points, as shown.
  std::vector<ReviewLine> lines;
  int choicesWeighed = 0;
  // Why the review stopped short of the match's end (in Japanese); empty when it did not.
  std::string stoppedShort;
};

// Called after each choice weighed with how many are done of how many; false stops the review.
using ReviewProgress = std::function<bool(int done, int total)>;

MatchReview ReviewMatch(const HistoryMatch& match, std::uint64_t seed, const SearchBudget& budget,
                        const ReviewProgress& progress = {});

// A card as the player names it: 「松に光」, 「桜に短冊」, 「菊にカス」.
std::string CardName(std::uint8_t card);
// The move in words: the card played (and the one it took, where it had the choice), the table
// card taken for a stock card, 勝負 or こいこい.
std::string MoveText(const model::Move& move);
// The card a replay marks for the better move: the hand card, or the table card taken.
std::uint8_t MarkedCard(const model::Move& move);

}  // namespace pg::computer

// 「こう打てば」: a review line's month played on from its moment as the search would have played it
// for the player, the better move first, with the computer answering from its record while the record
// still fits and by its level after that. One line of play, compared with the month as it was played.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "computer/review.h"
#include "computer/search_budget.h"
#include "model/state.h"
#include "records/history_match.h"
#include "records/player_text.h"

namespace pg::computer {

// What the player is told of every such line: it is one of many ways the month could have gone.
inline constexpr const char* kShowHowEstimate = PG_TEXT("※ 見えていない札の動きを一通りに決めて打ち進めた見積もりです。");

struct ShowHow {
  // The month's index in the match's months.
  int monthIndex = 0;
  // The month as dealt and every move of it from the deal: the stored ones before the moment, then
  // the line from `startAt` on, ending at the month's end.
  model::State dealt;
  std::vector<model::Move> moves;
  int startAt = 0;
  model::State end;
  // The month as it was played, at its end.
  model::State realEnd;
  // How many of the line's computer moves came from its record.
  int computerFromRecord = 0;
  // 「実際：あなた 0文／こう打てば：あなた 6文」
  std::string comparison;
  // Why the better move was better, from what changed between the two ends; one short sentence.
  std::string why;
};

// None when the line's moment or the month's end cannot be followed from the stored match.
std::optional<ShowHow> PlayShowHow(const HistoryMatch& match, const ReviewLine& line, std::uint64_t seed,
                                   const SearchBudget& budget);

}  // namespace pg::computer

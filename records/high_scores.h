// The two high-score tables offered a finished match: where it enters, and the name dialog's lines.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "records/status_records.h"

namespace pg {

inline constexpr int kTotalRows = 5;
inline constexpr int kGameRows = 3;

// What a finished match brings: both match totals and its three best months, best first.
struct MatchResult {
  std::int16_t player = 0;
  std::int16_t computer = 0;
  std::array<std::int16_t, kGameRows> bestPoints{};
  std::array<std::string, kGameRows> bestText;
};

struct HighScoreUpdate {
  TotalTable total;
  GameTable game;
  // The overall row the match entered, or kTotalRows when it entered none.
  int totalRank = kTotalRows;
  // Month rows that came from this match.
  std::array<bool, kGameRows> newMonth{};
  // Rows whose names were written by this update, shown bold until the tables close.
  std::array<bool, kTotalRows> totalBold{};
  std::array<bool, kGameRows> gameBold{};

  bool EnteredTotal() const { return totalRank < kTotalRows; }
  bool EnteredGame() const { return newMonth[0] || newMonth[1] || newMonth[2]; }
};

// The overall table is ranked by difference, a new row going below rows of the same difference;
// the month table merges the stored rows with the match's months, stored rows first on equal totals.
HighScoreUpdate MergeHighScores(const TotalTable& total, const GameTable& game, const MatchResult& match);
// Writes the player's name into the new overall row and, when the month table gained a row, into
// every month row that has no name yet.
void NameNewRows(HighScoreUpdate& update, const std::string& name);
// Bytes of the name field still free after this name, in the code page the file keeps: 0 when
// full, below 0 when the name would be cut; nothing when a character has no code there.
std::optional<int> NameBytesLeft(std::string_view utf8);
// The name dialog's lines: "総合で 2位に" and "一勝負で 1位と 3位に"; empty for a table not entered.
std::string TotalLine(const HighScoreUpdate& update);
std::string GameLine(const HighScoreUpdate& update);

}  // namespace pg

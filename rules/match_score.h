// A month's place among the match's best months, and the result after the twelfth month.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pg {

struct Game;

// A row of a best month as the high-score table shows it: the yaku and its points, each in the
// player's language.
struct BestMonthRow {
  std::string name;
  std::string points;
};

// Enters the month just shown in the win dialog into the three best months.
void JudgeGameScore(Game& game);
// The rows of a best month's text as the status file keeps it (in Japanese, ten characters a row:
// the name padded to five, the points right-aligned in the next five), blank rows left out. A row
// laid out otherwise, from a file edited by hand, is given as it is stored, as its name.
std::vector<BestMonthRow> BestMonthRows(std::string_view text);
// Puts the three result texts into message(0..2).
void PutMatchResult(Game& game);

}  // namespace pg

// A month's place among the match's best months, and the result after the twelfth month.
#pragma once

namespace pg {

struct Game;

// Enters the month just shown in the win dialog into the three best months.
void JudgeGameScore(Game& game);
// Puts the three result texts into message(0..2).
void PutMatchResult(Game& game);

}  // namespace pg

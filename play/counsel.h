// The advisor's counsel in the player's win dialog: the chance of winning the match with 勝負 and
// with こいこい, the better one marked.
#pragma once

#include <string>

namespace pg {

struct Game;

// 「勝負：勝率 62%◀　こいこい：勝率 55%」: the mark follows the higher chance, 勝負 on a tie.
std::string CounselText(int stopPercent, int koikoiPercent);
// While hints are on and the player may play on: works the counsel out (the window paints
// meanwhile) and puts it in the dialog.
void OfferCounsel(Game& game);

}  // namespace pg

// Yaku groups: thresholds, the win signal, and the eighteen progress labels.
#pragma once

#include "engine/board.h"
#include "engine/options.h"

namespace pg {

struct Game;

// Thresholds of groups 0..8 as hex digits: 三光 6, 猪鹿蝶 3, 花見 2, 月見 2, 赤短 3, 青短 3, タネ 5, タン 5, カス 10.
inline constexpr const char* kYakuThresholds = "63223355A";
int YakuThreshold(int group);

// Called right after YakuCount(side, group) grew: marks the group touched and raises
// WinCode::Yaku at the threshold.
void JudgeYaku(Game& game, int side, int group);
// Refreshes the progress labels of the side that has just moved (TurnStep Mod 2).
void GotoYaku(Game& game);
// Brings a progress label back in line with the display mode, judged by its caption alone: shown as
// it is, shown only when one card short, complete or blocked (in their colours), or left hidden.
void ShowProgressLabel(Label& label, YakuDisplay display);

}  // namespace pg

// Yaku groups: thresholds, the win signal, and the eighteen progress labels.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/board.h"
#include "engine/options.h"
#include "engine/yaku_group.h"

namespace pg {

struct Game;

// The count at which each group makes its yaku. 光 needs three brights other than the rain bright.
inline constexpr ByYakuGroup<std::int16_t> kYakuThresholds{{6, 3, 2, 2, 3, 3, 5, 5, 10}};
constexpr int YakuThreshold(YakuGroup group) { return kYakuThresholds[group]; }

// Called right after YakuCount(side, group) grew: marks the group touched and raises
// WinCode::Yaku at the threshold.
void JudgeYaku(Game& game, int side, YakuGroup group);
// Refreshes the progress labels of the side that has just moved (the mover of TurnStep).
void GotoYaku(Game& game);
// Brings a progress label back in line with the display mode, judged by its caption alone: shown as
// it is, shown only when one card short, complete or blocked (in their colours), or left hidden.
void ShowProgressLabel(Label& label, YakuDisplay display);
// A progress label's caption in the player's words: 「ﾀﾈ　残2」 names its yaku and the cards to go.
std::string ShownProgress(std::string_view caption);

}  // namespace pg

// 強い and 最強: the levels that search, each on the view of one side and a seed drawn from the
// level's own random source.
#pragma once

#include <memory>

#include "computer/level.h"

namespace pg {

std::unique_ptr<ComputerPlayer> MakeStrongPlayer();
std::unique_ptr<ComputerPlayer> MakeExpertPlayer();

}  // namespace pg

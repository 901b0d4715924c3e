// Putting loaded status records into the dialogs' controls.
#pragma once

#include "records/status_records.h"

namespace pg {

struct Game;

void ApplyStatusRecords(Game& game, const StatusRecords& records);

}  // namespace pg

// Defaults of the status records: the dialogs' design values and empty high-score tables.
#include "records/status_records.h"

namespace pg {

StatusRecords DefaultStatusRecords() {
  StatusRecords records;
  records.options.Speed = kDefaultSpeed;
  // Design positions in twips: the main window near the top left, the dialogs over its table.
  records.windows.left = {4200, 600, 3000, 4200, 2400, 4200};
  records.windows.top = {2400, 600, 1800, 1800, 1800, 3000};
  return records;
}

}  // namespace pg

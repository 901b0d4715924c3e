// The 「コードで対戦」 dialog: asks for a deal code until one reads, or the player gives up.
#pragma once

#include <optional>

#include "engine/deal_code.h"

class QWidget;

namespace pg::ui {

// The code typed; none when the player cancelled. A code that does not read is refused with the
// reason, and the dialog opens again with the text as typed.
std::optional<DealCode> AskDealCode(QWidget* parent);

}  // namespace pg::ui

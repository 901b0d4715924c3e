// The controls of the dialogs around the status file: the high-score window, the name dialog and
// the wait window.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "records/high_scores.h"
#include "records/status_records.h"

namespace pg {

enum class ScorePage { Total, Game };

// FormScore: both tables as shown, names without their trailing blanks, and which names are bold.
struct ScoreDialogState {
  TotalTable total;
  GameTable game;
  std::array<bool, kTotalRows> totalBold{};
  std::array<bool, kGameRows> gameBold{};
  // The page to open on, the table a match just entered; otherwise the page last chosen stays.
  std::optional<ScorePage> page;
};

// FormInputName: the lines naming the places the match took, and the name typed.
struct NameDialogState {
  std::string totalLine;
  bool totalVisible = false;
  std::string gameLine;
  bool gameVisible = false;
  std::string InputName;
  // The top of the match's result lines on the table, in its units; the dialog opens above them so
  // the final score stays readable.
  int resultTop = 0;
};

// FormWait: shown while another copy holds the status file's lock. At exit it also offers the
// way back to the game.
struct WaitDialogState {
  bool wayBack = false;
};

// The name box takes at most this many characters; the field's bytes may allow fewer.
inline constexpr int kNameChars = 16;

}  // namespace pg

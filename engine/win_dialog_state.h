// The win dialog's controls: rows of yaku, the total, the buttons and the hidden result labels.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/board.h"
#include "records/player_text.h"

namespace pg {

// What a button of the win dialog does, and what the pressed one chose: こいこい plays on, 勝負 and
// ＯＫ take the total. None until a button is pressed.
enum class WinChoice { None, PlayOn, Stop };

struct DialogButton {
  std::string caption;
  WinChoice role = WinChoice::None;
  std::int16_t top = 104;
  bool enabled = false;
  bool visible = false;
};

// The rows of yaku, in twips: the first row's top, and the height each row adds.
inline constexpr std::int32_t kWinFirstRowTwips = 600;
inline constexpr std::int32_t kWinRowTwips = 360;

// Geometry in twips, except nam's height and the buttons' tops, which are in the units of the
// frame that holds them.
struct WinDialogState {
  std::int32_t height = 2655;
  std::int32_t line1Y = 600;
  std::int32_t label1Left = 360;
  std::int32_t label1Top = 720;
  std::int32_t sumLeft = 2760;
  std::int32_t sumTop = 720;
  std::int16_t namHeight = 81;
  std::string nam;
  Rgb namColor;
  std::array<std::string, 9> yakunam;
  std::array<std::string, 9> yakuten;
  std::array<bool, 9> rowVisible{};
  bool bonusVisible = false;
  std::int32_t bonusTop = kWinFirstRowTwips;
  std::string sum;
  std::string note;
  // The month total that note and sum show, and the side it is paid to.
  std::int16_t total = 0;
  std::int16_t winner = 0;
  WinChoice check = WinChoice::None;
  // The computer's decision in words, on its own row above its one button; empty otherwise.
  std::string decision;
  // The advisor's counsel on the player's 勝負 or こいこい, on its own row above the buttons; empty
  // while hints are off.
  std::string counsel;
  std::array<DialogButton, 3> Command1{DialogButton{Tr("こいこい"), WinChoice::PlayOn},
                                       DialogButton{Tr("勝負"), WinChoice::Stop},
                                       DialogButton{Tr("こいこい"), WinChoice::PlayOn}};
  bool timerEnabled = false;
};

}  // namespace pg

// The main window's game: the session (platform, random sources, settings, files, watcher) and the
// match on the table (its state, the board, the dialogs' states), which a replay swaps out whole.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/board.h"
#include "engine/deal_code.h"
#include "engine/fixed_places.h"
#include "engine/game_observer.h"
#include "engine/key_cursor.h"
#include "engine/level.h"
#include "engine/match_log.h"
#include "engine/options.h"
#include "engine/platform.h"
#include "engine/random.h"
#include "engine/record_dialogs.h"
#include "engine/rule_settings.h"
#include "engine/table_state.h"
#include "engine/win_dialog_state.h"
#include "records/resume_file.h"
#include "records/settings_file.h"
#include "records/status_file.h"

namespace pg {

inline constexpr std::int32_t kLargeWindowWidthTwips = 11490;
inline constexpr std::int32_t kSmallWindowWidthTwips = 9090;
inline constexpr int kPlayWidth = 760;
inline constexpr int kPlayHeight = 542;

// What lasts from match to match, and what a replay leaves alone but for the few settings it silences.
struct Session {
  explicit Session(Platform& platform) : platform(platform) {}

  Platform& platform;
  Random random;
  // The computer's search draws from a source of its own, so however long it thinks, the deals and
  // the designed player's draws stay those of the game's seed.
  Random searchRandom;
  // The advisor's search draws from a third, so hints change neither the deals nor the computer.
  Random adviceRandom;
  // The hints switch, kept in SETTINGS.TXT.
  bool hints = false;
  // The month and kind marked on every face, and the table's size in percent: SETTINGS.TXT keeps both.
  bool cardMarks = false;
  int tableSize = 100;
  // The language chosen in the options (SETTINGS.TXT's values); the window shows it from the next start.
  std::string language{kLanguageAuto};
  // The lesson's step to pick up at (0 its start), kept in SETTINGS.TXT.
  int lessonStep = 0;
  // Raised whenever the badges stop matching the player's choice: a search still running for the
  // old choice is dropped when it delivers.
  std::uint32_t hintGeneration = 0;
  // The level chosen for the next match on, kept in SETTINGS.TXT.
  Level nextLevel = Level::Normal;
  OptionControls options;
  RuleControls rules;
  // The menu's hover guard: the picture buttons ignore hovering while it reads false.
  bool HelpJudge = true;
  // The status file, and this copy's hold on its lock once it first took it. A game keeps no
  // records until it is given the file: the program gives it STATUS.DAT; self-play gives none.
  std::filesystem::path statusPath;
  std::unique_ptr<StatusFileLock> statusLock;
  std::int32_t windowWidthTwips = kLargeWindowWidthTwips;
  // The control a mouse button went down on, until it comes up again.
  std::optional<ControlId> pressed;
  // The player agreed to end the game: a click still running is kept as not yet played.
  bool ending = false;
  // This copy wrote the kept match beside the status file (RESUME.TXT), and may write it again;
  // it holds the file's lock while it does.
  bool keptMatch = false;
  ResumeLock resumeLock;
  // Told of every deal, play and result: the game's match recorder, and the tools' and tests' watchers.
  GameObserver* observer = nullptr;
};

// The match on the table: one value, so a replay can put another in its place and give it back.
struct Match {
  // The computer's level in this match.
  Level level = Level::Normal;
  TableState table;
  Board board;
  WinDialogState agari;
  ScoreDialogState scoreDialog;
  NameDialogState inputName;
  WaitDialogState wait;
  KeyCursor keyCursor;
  // What the player had taken when its turn began, for the advisor's view of a stock card choice.
  std::uint64_t takenAtTurnStart = 0;
  // A hint or counsel was shown in this match: it is stored as assisted and kept off the high scores.
  bool assisted = false;
  // A deck the next deal takes as it lies instead of shuffling, once: a stored month played again.
  std::optional<std::array<CardCode, kCardCount>> arrangedDeck;
  // The code a match was started from. Its first dealer and every month's shuffle then draw from
  // dealRandom, seeded by the code, and the game's own source drives the rest; a match started
  // with プレイ has none and deals from the game's source as always.
  std::optional<DealCode> dealCode;
  Random dealRandom;
  // The local date of a daily deal, "YYYY-MM-DD": played at 最強 with no hints; empty otherwise.
  std::string dailyDate;
  // The hand cards the computer plays, in order, while a lesson scripts its turns; its level
  // chooses again once they run out.
  std::vector<CardCode> scriptedComputerCards;
  // The match's start and the player's clicks, kept when the game ends in the middle of it.
  MatchLog log;
};

struct Game : Session, Match {
  explicit Game(Platform& platform) : Session(platform) { PlaceFixedControls(table, board); }

  // Seeds the game's random source and, from the same number, the search's and the advisor's.
  void SeedRandoms(std::uint64_t seed);
  RandomStates Sources() const { return {random.State(), searchRandom.State(), adviceRandom.State()}; }
  // False, and nothing changed, where a state is one no seed gives.
  bool RestoreSources(const RandomStates& states);
  // Every change of the phase is mirrored into the options dialog's JudgeMode.
  void SetPhase(Phase phase);
  bool KeepsRecords() const { return !statusPath.empty(); }
  // The source the deals draw from: the code's, in a match started from one.
  Random& DealRandom() { return dealCode ? dealRandom : random; }
  // The hints switch as this match obeys it: a daily deal is played without help.
  bool HintsOn() const { return hints && dailyDate.empty(); }
  // The 640 x 480 layout is recognised by the window's outer width.
  bool SmallScreen() const { return windowWidthTwips == kSmallWindowWidthTwips; }
  template <typename Event, typename... Args>
  void Notify(Event event, Args... args) const {
    if (observer) (observer->*event)(args...);
  }
};

}  // namespace pg

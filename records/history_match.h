// One match of the history as it is stored: its deals, every move, the yaku, the calls and the payments.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "records/status_records.h"

namespace pg {

// A stored score is a 16-bit number in the game; a row beyond that was not written by it.
inline constexpr int kMostStoredScore = 32767;

// Numbers on disk may have been edited to anything: each is held to the game's 16-bit range when
// read, so nothing computed from them can overflow.
inline int BoundedStored(std::int64_t value) {
  return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int16_t>::min(),
                                                   std::numeric_limits<std::int16_t>::max()));
}

// Cards are kept as their two-character codes ("31", "B4"): the records layer stores what it is
// given, and a code it cannot read back is found by whoever reads it, not refused here.
using StoredCard = std::string;

enum class MatchOutcome { Won, Lost, Level, Abandoned };

// The texts the database keeps for each result.
const char* ResultKey(MatchOutcome result);
// False for a text no version of the game writes.
bool ResultFromKey(const std::string& key, MatchOutcome& result);

// The level a match is stored with when none is given: the designed player, 普通.
inline constexpr const char* kNormalLevel = "normal";

struct HistoryMove {
  int side = 0;  // 0 the player, 1 the computer
  bool fromStock = false;
  StoredCard card;
  // The table card picked where two of the month lay there; empty where there was no choice.
  StoredCard chosen;
  std::vector<StoredCard> taken;
  bool operator==(const HistoryMove&) const = default;
};

struct HistoryYaku {
  int side = 0;
  std::string name;
  int points = 0;
  bool operator==(const HistoryYaku&) const = default;
};

enum class CallKind { KoiKoi, Shoubu };

// What came of a call: a こいこい paid off when its side went on to win the month, failed when the
// other side won it, and came to nothing when nobody did. A 勝負 always takes the month.
enum class CallOutcome { Won, Lost, NoWin };

// The texts the database and the exports keep for calls.
const char* CallKindKey(CallKind kind);
const char* CallOutcomeKey(CallOutcome outcome);

struct HistoryCall {
  int side = 0;
  CallKind kind = CallKind::KoiKoi;
  // The month's total in 文 as the call was made, the 7文 doubling included.
  int pointsHeld = 0;
  bool doubled = false;
  CallOutcome outcome = CallOutcome::NoWin;
  bool operator==(const HistoryCall&) const = default;
};

struct HistoryMonth {
  int month = 1;
  int dealer = 0;
  // The cards as dealt: the table's eight, both hands' eight and the stock from its top.
  std::vector<StoredCard> table;
  std::array<std::vector<StoredCard>, 2> hands;
  std::vector<StoredCard> stock;
  std::vector<HistoryMove> moves;
  std::vector<HistoryYaku> yaku;
  std::vector<HistoryCall> calls;
  // The side the month was paid to (-1 when it ended unpaid) and the 文 paid.
  int winner = -1;
  int payment = 0;
  bool operator==(const HistoryMonth&) const = default;
};

struct HistoryMatch {
  std::int64_t id = 0;  // given by the database
  // UTC, as "YYYY-MM-DDTHH:MM:SSZ".
  std::string startedAt;
  std::string endedAt;
  RuleSettings rules;
  std::string level = kNormalLevel;
  std::array<int, 2> scores{};
  MatchOutcome result = MatchOutcome::Abandoned;
  // A hint or counsel was shown during the match.
  bool assisted = false;
  // The deal code the match was dealt from, empty for a match dealt from the game's own source; and
  // the local date ("YYYY-MM-DD") of a daily deal, empty otherwise.
  std::string dealCode;
  std::string dailyDate;
  std::vector<HistoryMonth> months;
};

bool SameRules(const RuleSettings& a, const RuleSettings& b);
bool operator==(const HistoryMatch& a, const HistoryMatch& b);

}  // namespace pg

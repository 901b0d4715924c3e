// A match the game ends in the middle of is kept beside the status file (RESUME.TXT) as its start and
// the player's clicks, and the next start offers to play it on from the same moment.
#pragma once

#include <optional>
#include <string>

#include "records/player_text.h"
#include "records/resume_file.h"

namespace pg {

struct Game;
class GameObserver;
class MatchRecorder;

// What the question at the end says of the match in play.
inline constexpr const char* kKeptMatch = PG_TEXT("いまの対戦は、次に起動したときに続きから遊べます。");

// A match in play that this copy can keep: one started from the game's sources, in a game that
// keeps records, and no other copy's kept match beside the status file.
bool CanKeepMatch(const Game& game);
// The match in play as it would be kept: the clicks that ran to their end, and the one still running.
ResumeRecord RecordToKeep(const Game& game);
// At the end of the program: writes the match in play to RESUME.TXT, or takes away a file this copy
// wrote for a match since over. True when the match is kept, and so not to be stored as abandoned.
bool KeepMatchForLater(Game& game);
// After each click that ran to its end: the match in play is kept as it now stands, so a crash or
// a power cut loses no more than the click under way. The lock beside the file tells a copy
// started meanwhile that the match is in play here.
void KeepMatchAsItGoes(Game& game);
// The desktop session is ending: the match is kept now, and a click still running counts as unplayed.
void KeepMatchAsTheSessionEnds(Game& game);

// Plays `record` on a copy of the game nobody sees and puts it on the table: the match, the sources
// as they were when the game ended. `follower` (the recorder) hears the match as it is played again.
// False, with the reason in Japanese and `game` as it was, where the record does not play.
bool PlayKeptMatchAgain(Game& game, const ResumeRecord& record, GameObserver* follower, std::string& why);
// Plays on live the click that was running when the game ended, from its start.
void PlayRunningClick(Game& game, const ResumeRecord& record);

// At start, with RESUME.TXT beside the status file: 「前回の対戦を続けますか。」 はい plays it on from
// where it was, いいえ stores it as abandoned. A record that cannot be used is set aside whole with
// a message, and one another copy took first is left to it; the game then starts as usual.
void OfferKeptMatch(Game& game, MatchRecorder* recorder);

}  // namespace pg

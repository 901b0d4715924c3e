// Whole self-played matches pinned by a hash of their log and of the board after every event:
// a change that alters play, a caption or a position fails here at once.
#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

#include "engine/game.h"
#include "tools/selfplay/self_play.h"

namespace pg::selfplay {
namespace {

class Fnv1a {
 public:
  void Add(std::string_view bytes) {
    for (unsigned char c : bytes) value_ = (value_ ^ c) * 0x100000001B3ull;
  }
  void Add(std::int64_t number) { Add(std::to_string(number) + ";"); }
  std::uint64_t Value() const { return value_; }

 private:
  std::uint64_t value_ = 0xCBF29CE484222325ull;
};

// Hashes what a player sees of the board: every picture, label and marker, and where it lies.
class BoardHasher : public GameObserver {
 public:
  explicit BoardHasher(const Game& game) : game_(game) {}

  void Dealt() override { Snapshot(); }
  void PlayFinished(CardCode) override { Snapshot(); }
  void LabelsRefreshed(int) override { Snapshot(); }
  void AgariClosed(WinCode, int) override { Snapshot(); }
  void MonthEnded() override { Snapshot(); }
  void MatchEnded() override { Snapshot(); }
  std::uint64_t Value() const { return hash_.Value(); }

 private:
  void Snapshot() {
    const Board& b = game_.board;
    for (const CardPicture& card : b.Card) {
      for (int v : {int{card.left}, int{card.top}, int{card.cell}, int{card.visible}, int{card.enabled}}) hash_.Add(v);
    }
    auto label = [this](const Label& l) {
      hash_.Add(l.caption);
      for (int v : {int{l.left}, int{l.top}, int{l.fontSize}, int{l.visible}, int{l.opaque}, int{l.back.r},
                    int{l.back.g}, int{l.back.b}}) {
        hash_.Add(v);
      }
    };
    auto shape = [this](const Shape& s) {
      for (int v : {int{s.left}, int{s.top}, int{s.visible}}) hash_.Add(v);
    };
    for (const Label& l : b.message) label(l);
    for (const Label& l : b.YakuState) label(l);
    for (const Label& l : b.Score) label(l);
    label(b.Pnum);
    label(b.LevelName);
    for (const Shape& s : b.PG) shape(s);
    for (const Shape& s : b.Box) hash_.Add(s.visible ? s.left * 1000 + s.top : -1);
    for (const Shape& s : b.Face) shape(s);
    for (const Shape& s : b.ScoreP) shape(s);
    shape(b.PnumP);
    hash_.Add(b.oyamark.visible ? b.oyamark.top : -1);
  }

  const Game& game_;
  Fnv1a hash_;
};

struct PinnedRun {
  const char* name;
  std::uint64_t seed;
  const char* rules;  // H,T,O,K,HP,TP as the tool's --rules takes them
  std::uint64_t logHash;
  std::uint64_t boardHash;
  int playerScore;
  int computerScore;
};

SelfPlayOptions OptionsOf(const PinnedRun& run) {
  SelfPlayOptions options;
  options.seed = run.seed;
  options.matches = 6;
  std::istringstream values(run.rules);
  std::string value;
  for (int i = 0; i < 4 && std::getline(values, value, ','); ++i) options.rules.option[i] = std::stoi(value);
  for (int i = 0; i < 2 && std::getline(values, value, ','); ++i) {
    options.rules.SetPoints(i, static_cast<std::int16_t>(std::stoi(value)));
  }
  return options;
}

TEST(PinnedRunsTest, FixedSeedsReplayTheirRecordedMatches) {
  const PinnedRun runs[] = {
      {"design rules", 1, "0,0,1,0,5,5", 13488224099430169700ull, 4550614906903489633ull, 6, 105},
      {"dealer's right, kiku as chaff", 42, "0,0,0,1,5,5", 6094882358097084394ull, 7839710352184289722ull, 6, 31},
      {"no hanami, tsukimi at 2", 2026, "1,0,1,0,5,2", 4598325619359959458ull, 12717537728449743021ull, 5, 65},
  };
  for (const PinnedRun& run : runs) {
    std::ostringstream log;
    SelfPlay play(OptionsOf(run), log);
    BoardHasher board(play.State());
    play.Watch(board);
    play.Run();
    Fnv1a logHash;
    logHash.Add(log.str());
    EXPECT_EQ(logHash.Value(), run.logHash) << run.name;
    EXPECT_EQ(board.Value(), run.boardHash) << run.name;
    EXPECT_EQ(play.State().table.matchScore[0], run.playerScore) << run.name;
    EXPECT_EQ(play.State().table.matchScore[1], run.computerScore) << run.name;
  }
}

}  // namespace
}  // namespace pg::selfplay

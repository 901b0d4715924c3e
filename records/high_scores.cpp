// Merging a match into the high-score tables.
#include "records/high_scores.h"

#include <array>
#include <string>
#include <vector>

#include "records/cp932.h"
#include "records/player_text.h"
#include "records/status_codec.h"

namespace pg {

namespace {

// Ranks as the number-to-text form writes them: a leading blank before the digits.
std::string Rank(int row) { return std::to_string(row + 1); }

void EnterTotal(HighScoreUpdate& update, const MatchResult& match) {
  const int difference = match.player - match.computer;
  if (difference <= 0) return;
  TotalTable& t = update.total;
  int k = 0;
  while (k < kTotalRows && t.ten[k] >= difference) ++k;
  if (k == kTotalRows) return;
  for (int r = kTotalRows - 1; r > k; --r) {
    t.name[r] = t.name[r - 1];
    t.Yten[r] = t.Yten[r - 1];
    t.Cten[r] = t.Cten[r - 1];
    t.ten[r] = t.ten[r - 1];
  }
  t.name[k].clear();
  t.Yten[k] = match.player;
  t.Cten[k] = match.computer;
  t.ten[k] = static_cast<std::int16_t>(difference);
  update.totalRank = k;
}

void EnterMonths(HighScoreUpdate& update, const GameTable& stored, const MatchResult& match) {
  if (match.bestPoints[0] == 0) return;
  int s = 0;
  int m = 0;
  for (int r = 0; r < kGameRows; ++r) {
    GameTable& g = update.game;
    if (stored.points[s] >= match.bestPoints[m]) {
      g.points[r] = stored.points[s];
      g.name[r] = stored.name[s];
      g.yaku[r] = stored.yaku[s];
      ++s;
    } else {
      g.points[r] = match.bestPoints[m];
      g.name[r].clear();
      g.yaku[r] = match.bestText[m];
      update.newMonth[r] = true;
      ++m;
    }
  }
}

}  // namespace

HighScoreUpdate MergeHighScores(const TotalTable& total, const GameTable& game, const MatchResult& match) {
  HighScoreUpdate update;
  update.total = total;
  update.game = game;
  EnterTotal(update, match);
  EnterMonths(update, game, match);
  return update;
}

std::optional<int> NameBytesLeft(std::string_view utf8) {
  const std::optional<std::string> bytes = Utf8ToCp932(utf8);
  if (!bytes) return std::nullopt;
  return static_cast<int>(kNameWidth) - static_cast<int>(bytes->size());
}

void NameNewRows(HighScoreUpdate& update, const std::string& name) {
  if (update.EnteredGame()) {
    for (int r = 0; r < kGameRows; ++r) {
      if (!update.game.name[r].empty()) continue;
      update.game.name[r] = name;
      update.gameBold[r] = true;
    }
  }
  if (update.EnteredTotal()) {
    update.total.name[update.totalRank] = name;
    update.totalBold[update.totalRank] = true;
  }
}

std::string TotalLine(const HighScoreUpdate& update) {
  return update.EnteredTotal() ? Fill(Tr("総合で %1位に"), {Rank(update.totalRank)}) : std::string();
}

std::string GameLine(const HighScoreUpdate& update) {
  // One text for each count of places, so that a language can join them its own way.
  static constexpr std::array<const char*, kGameRows> kLines = {
      PG_TEXT("一勝負で %1位に"), PG_TEXT("一勝負で %1位と %2位に"), PG_TEXT("一勝負で %1位と %2位と %3位に")};
  std::vector<std::string> ranks;
  for (int r = 0; r < kGameRows; ++r) {
    if (update.newMonth[r]) ranks.push_back(Rank(r));
  }
  if (ranks.empty()) return {};
  const std::string line = Tr(kLines[ranks.size() - 1]);
  switch (ranks.size()) {
    case 1:
      return Fill(line, {ranks[0]});
    case 2:
      return Fill(line, {ranks[0], ranks[1]});
    default:
      return Fill(line, {ranks[0], ranks[1], ranks[2]});
  }
}

}  // namespace pg

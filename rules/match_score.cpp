// The match's three best months and the result after the twelfth month.
#include "rules/match_score.h"

#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/caption_chars.h"
#include "engine/game.h"
#include "engine/text.h"
#include "records/player_text.h"
#include "rules/win_dialog.h"

namespace pg {

namespace {

constexpr int kBestMonths = 3;
constexpr int kDialogRows = 8;
// Name and points each fill five characters, so every row cell is 10 characters, 16 bytes in
// the status file's code page.
constexpr int kCellChars = 5;
constexpr std::string_view kIdeographicSpace = PG_JAPANESE_DATA("　");
constexpr std::string_view kEmptyCell = PG_JAPANESE_DATA("　　　　　    　");

std::string RowCell(const std::string& name, const std::string& points) {
  if (name.empty()) return std::string(kEmptyCell);
  return name + Repeat(kIdeographicSpace, kCellChars - CharCount(name)) + Repeat(" ", kCellChars - CharCount(points)) +
         points;
}

// The text without the plain and ideographic spaces that pad it at either end.
std::string_view TrimmedEnds(std::string_view text) {
  constexpr std::string_view kSpace = " ";
  while (text.starts_with(kSpace) || text.starts_with(kIdeographicSpace)) {
    text.remove_prefix(text.starts_with(kSpace) ? kSpace.size() : kIdeographicSpace.size());
  }
  while (text.ends_with(kSpace) || text.ends_with(kIdeographicSpace)) {
    text.remove_suffix(text.ends_with(kSpace) ? kSpace.size() : kIdeographicSpace.size());
  }
  return text;
}

}  // namespace

std::vector<BestMonthRow> BestMonthRows(std::string_view text) {
  std::vector<BestMonthRow> rows;
  while (!text.empty()) {
    const std::string_view line = FirstChars(text, 2 * kCellChars);
    text.remove_prefix(line.size());
    const std::string_view nameCell = FirstChars(line, kCellChars);
    const std::string_view name = TrimmedEnds(nameCell);
    const std::string_view points = TrimmedEnds(line.substr(nameCell.size()));
    if (name.empty() && points.empty()) continue;
    if (name.empty() || points.empty()) {
      rows.push_back({std::string(TrimmedEnds(line)), {}});
    } else {
      rows.push_back({ShownYakuName(std::string(name)), ShownPoints(points)});
    }
  }
  return rows;
}

void JudgeGameScore(Game& game) {
  TableState& table = game.table;
  const int points = game.agari.total;
  // An equal month goes below the one already listed.
  int place = 0;
  while (place < kBestMonths && points <= table.BestMonthPoints[place]) ++place;
  if (place == kBestMonths) return;
  for (int j = kBestMonths - 1; j > place; --j) {
    table.BestMonthPoints[j] = table.BestMonthPoints[j - 1];
    table.BestMonthText[j] = table.BestMonthText[j - 1];
  }
  table.BestMonthPoints[place] = static_cast<std::int16_t>(points);
  std::string& text = table.BestMonthText[place];
  text.clear();
  for (int row = 0; row < kDialogRows; ++row) text += RowCell(game.agari.yakunam[row], game.agari.yakuten[row]);
}

void PutMatchResult(Game& game) {
  const int player = game.table.matchScore[0];
  const int computer = game.table.matchScore[1];
  const auto difference = static_cast<std::int16_t>(player - computer);
  auto& message = game.board.message;
  message[0].caption = Tr("勝負の結果、");
  message[1].caption =
      Fill(Tr("%1文 対%2文、その差%3文で"), {NumText(player), NumText(computer), NumText(std::abs(difference))});
  if (difference > 0) {
    message[2].caption = Tr("あなたの勝ちです。");
  } else if (difference < 0) {
    message[2].caption = Tr("ｃｏｍの勝ちです。");
  } else {
    message[2].caption = Tr("引き分けです。");
  }
}

}  // namespace pg

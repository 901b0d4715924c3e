// The match's three best months and the result after the twelfth month.
#include "rules/match_score.h"

#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/caption_chars.h"
#include "engine/game.h"
#include "engine/text.h"
#include "records/player_text.h"

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

}  // namespace

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

// Yaku thresholds, the win signal, and the eighteen progress labels.
#include "rules/yaku.h"

#include <string>
#include <string_view>

#include "engine/caption_chars.h"
#include "engine/card.h"
#include "engine/game.h"
#include "engine/text.h"
#include "records/player_text.h"

namespace pg {

namespace {

// 光 has no fixed name part: its text says which bright yaku is in reach.
// The captions are the labels' state, read back below, so they stay in the game's own Japanese;
// ShownProgress puts them into the player's words.
constexpr ByYakuGroup<std::string_view> kNamePart{{"", PG_TEXT("猪鹿蝶　"), PG_TEXT("花見　"), PG_TEXT("月見　"),
                                                   PG_TEXT("赤短　"), PG_TEXT("青短　"), PG_TEXT("ﾀﾈ　"),
                                                   PG_TEXT("ﾀﾝ　"), PG_TEXT("ｶｽ　")}};
constexpr std::string_view kBlocked = "×";
constexpr std::string_view kToGo = PG_JAPANESE_DATA("残");
constexpr std::string_view kComplete = PG_JAPANESE_DATA("完成");
constexpr std::string_view kOver = PG_JAPANESE_DATA("完+");
constexpr std::string_view kNameEnd = PG_JAPANESE_DATA("　");

constexpr Rgb kOneToGoColour{255, 255, 128};
constexpr Rgb kCompleteColour{255, 0, 0};
constexpr Rgb kBlockedColour{128, 128, 128};

// The count weighs B1 as 1 and the other brights as 2, so odd counts hold the rain bright.
std::string BrightText(int count) {
  constexpr std::string_view kSanko = PG_TEXT("三光　");
  constexpr std::string_view kShiko = PG_TEXT("四光　");
  constexpr std::string_view kGoko = PG_TEXT("五光　");
  if (count <= 4 && count % 2 == 0) return std::string(kSanko) + std::string(kToGo) + HexDigit((4 - count) / 2 + 1);
  if (count <= 5) return std::string(kShiko) + std::string(kToGo) + Digits((5 - count) / 2 + 1);
  if (count == 6) return std::string(kSanko) + std::string(kComplete);
  if (count <= 8) return std::string(kShiko) + std::string(kComplete);
  return std::string(kGoko) + std::string(kComplete);
}

std::string GroupText(const TableState& table, int side, YakuGroup group) {
  const int count = table.YakuCount[side][group];
  const int need = YakuThreshold(group);
  const std::string name(kNamePart[group]);
  if (count < need) return name + std::string(kToGo) + Digits(need - count);
  if (count > need) return name + std::string(kOver) + Digits(count - need);
  // 猪鹿蝶 and the ribbon pairs pay extra cards of their wider group from the moment they complete.
  const int tane = table.YakuCount[side][YakuGroup::Tane];
  const int tan = table.YakuCount[side][YakuGroup::Tan];
  if (group == YakuGroup::InoShikaCho && tane >= 4) return name + std::string(kOver) + Digits(tane - 3);
  if ((group == YakuGroup::Akatan || group == YakuGroup::Aotan) && tan >= 4) {
    return name + std::string(kOver) + Digits(tan - 3);
  }
  return name + std::string(kComplete);
}

bool EndsBlocked(const Label& label) { return label.caption.ends_with(kBlocked); }

// Bright yaku and the sets from 猪鹿蝶 to 青短 need cards the mover now holds, so the opponent can
// no longer make them.
void BlockOpponent(Label& opponent, YakuGroup group, int count) {
  if (EndsBlocked(opponent)) return;
  if (group == YakuGroup::Hikari) {
    // Two brights other than B1 leave the opponent at most B1 and two others: no 三光.
    if (count >= 4) opponent.caption = std::string(FirstChars(opponent.caption, 3)) + std::string(kBlocked);
  } else if (group <= YakuGroup::Aotan) {
    opponent.caption = std::string(kNamePart[group]) + std::string(kBlocked);
  }
}

void Paint(Label& label, Rgb colour, YakuDisplay display) {
  label.opaque = true;
  label.back = colour;
  if (display != YakuDisplay::Never) label.visible = true;
}

// Paints a label one card short or complete; false when it is neither.
bool HighlightMover(Label& label, YakuDisplay display) {
  const std::string_view caption = label.caption;
  if (caption.ends_with(std::string(kToGo) + "1")) {
    Paint(label, kOneToGoColour, display);
  } else if (caption.ends_with(kComplete) || FirstChars(LastChars(caption, 3), 2) == kOver) {
    Paint(label, kCompleteColour, display);
  } else {
    return false;
  }
  return true;
}

void HighlightOpponent(Label& label, YakuDisplay display) {
  if (EndsBlocked(label)) Paint(label, kBlockedColour, display);
}

}  // namespace

void JudgeYaku(Game& game, int side, YakuGroup group) {
  TableState& table = game.table;
  table.YakuTouched[group] = true;
  if (table.YakuCount.at(side)[group] >= YakuThreshold(group)) table.WinCode = WinCode::Yaku;
}

void GotoYaku(Game& game) {
  const TableState& table = game.table;
  const YakuDisplay display = game.options.DekiYaku;
  const int mover = MoverOf(table.TurnStep);
  const int opponent = 1 - mover;
  for (YakuGroup group : kAllYakuGroups) {
    Label& own = game.board.YakuLabel(mover, group);
    Label& other = game.board.YakuLabel(opponent, group);
    const int count = table.YakuCount[mover][group];
    const bool touched = table.YakuTouched[group];
    if (EndsBlocked(own)) {
      if (touched) BlockOpponent(other, group, count);
    } else {
      if (touched) {
        own.caption = group == YakuGroup::Hikari ? BrightText(count) : GroupText(table, mover, group);
        BlockOpponent(other, group, count);
      }
      HighlightMover(own, display);
    }
    HighlightOpponent(other, display);
  }
}

std::string ShownProgress(std::string_view caption) {
  const std::size_t nameEnd = caption.find(kNameEnd);
  if (nameEnd == std::string_view::npos) return std::string(caption);
  const std::string name(caption.substr(0, nameEnd + kNameEnd.size()));
  const std::string_view state = caption.substr(name.size());
  std::string shown = Tr(name.c_str());
  if (state.starts_with(kToGo)) return shown + Fill(Tr("残%1"), {state.substr(kToGo.size())});
  if (state.starts_with(kOver)) return shown + Fill(Tr("完+%1"), {state.substr(kOver.size())});
  if (state == kComplete) return shown + Tr("完成");
  return shown + std::string(state);
}

void ShowProgressLabel(Label& label, YakuDisplay display) {
  switch (display) {
    case YakuDisplay::Always:
      label.visible = true;
      break;
    case YakuDisplay::NearCompletion:
      if (HighlightMover(label, display)) break;
      if (EndsBlocked(label)) {
        Paint(label, kBlockedColour, display);
      } else {
        label.visible = false;
      }
      break;
    case YakuDisplay::Never:
      break;
  }
}

}  // namespace pg

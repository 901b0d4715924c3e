// Yaku thresholds, the win signal, and the eighteen progress labels.
#include "rules/yaku.h"

#include <string>
#include <string_view>

#include "engine/caption_chars.h"
#include "engine/card.h"
#include "engine/game.h"
#include "engine/text.h"

namespace pg {

namespace {

// 光 has no fixed name part: its text says which bright yaku is in reach.
constexpr ByYakuGroup<std::string_view> kNamePart{
    {"", "猪鹿蝶　", "花見　", "月見　", "赤短　", "青短　", "ﾀﾈ　", "ﾀﾝ　", "ｶｽ　"}};
constexpr std::string_view kBlocked = "×";

constexpr Rgb kOneToGoColour{255, 255, 128};
constexpr Rgb kCompleteColour{255, 0, 0};
constexpr Rgb kBlockedColour{128, 128, 128};

// The count weighs B1 as 1 and the other brights as 2, so odd counts hold the rain bright.
std::string BrightText(int count) {
  if (count <= 4 && count % 2 == 0) return "三光　残" + std::string(1, HexDigit((4 - count) / 2 + 1));
  if (count <= 5) return "四光　残" + Digits((5 - count) / 2 + 1);
  if (count == 6) return "三光　完成";
  if (count <= 8) return "四光　完成";
  return "五光　完成";
}

std::string GroupText(const TableState& table, int side, YakuGroup group) {
  const int count = table.YakuCount[side][group];
  const int need = YakuThreshold(group);
  const std::string name(kNamePart[group]);
  if (count < need) return name + "残" + Digits(need - count);
  if (count > need) return name + "完+" + Digits(count - need);
  // 猪鹿蝶 and the ribbon pairs pay extra cards of their wider group from the moment they complete.
  const int tane = table.YakuCount[side][YakuGroup::Tane];
  const int tan = table.YakuCount[side][YakuGroup::Tan];
  if (group == YakuGroup::InoShikaCho && tane >= 4) return name + "完+" + Digits(tane - 3);
  if ((group == YakuGroup::Akatan || group == YakuGroup::Aotan) && tan >= 4) return name + "完+" + Digits(tan - 3);
  return name + "完成";
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
  if (caption.ends_with("残1")) {
    Paint(label, kOneToGoColour, display);
  } else if (caption.ends_with("完成") || FirstChars(LastChars(caption, 3), 2) == "完+") {
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

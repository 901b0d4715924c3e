// Sentences are built from the state the rules left, never from captions parsed back.
#include "play/spoken_table.h"

#include <algorithm>

#include "engine/card_name.h"
#include "engine/game.h"
#include "records/player_text.h"
#include "rules/win_dialog.h"
#include "rules/yaku.h"

namespace pg {

namespace {

constexpr const char* kSideNames[] = {PG_TEXT("あなた"), PG_TEXT("ｃｏｍ")};

std::string SideName(int side) { return Tr(kSideNames[side == 0 ? 0 : 1]); }

std::string NameOf(const Game& game, CardCode code) { return CardName(code, game.rules.KikuAsChaff()); }

bool Holds(const std::array<Slot, kHandSlots>& slots, int pic) {
  return std::any_of(slots.begin(), slots.end(), [pic](const Slot& slot) { return slot.pic == pic; });
}

std::string PlaceOf(const Game& game, int pic, std::optional<CardCode> face) {
  const TableState& t = game.table;
  if (Holds(t.HandCard[0], pic)) return Tr("手札");
  if (Holds(t.HandCard[1], pic)) return Tr("ｃｏｍの手札");
  if (std::any_of(t.FieldCard.begin(), t.FieldCard.end(), [pic](const Slot& slot) { return slot.pic == pic; })) {
    return Tr("場");
  }
  if (face) {
    const std::uint64_t bit = IsCard(*face) ? std::uint64_t{1} << CardIndex(*face) : 0;
    if (t.Taken[0] & bit) return Tr("取り札");
    if (t.Taken[1] & bit) return Tr("ｃｏｍの取り札");
    return "";
  }
  return t.Phase == Phase::DealerDraw ? Tr("親を決める札") : Tr("山札");
}

std::string Joined(const std::vector<std::string>& parts) {
  std::string text;
  for (const std::string& part : parts) text += (text.empty() ? std::string() : Tr("、")) + part;
  return text;
}

}  // namespace

std::string CardPictureName(const Game& game, int pic) {
  if (pic < 0 || pic >= kCardCount) return "";
  const CardPicture& picture = game.board.Card[static_cast<std::size_t>(pic)];
  if (!picture.visible) return "";
  const std::optional<CardCode> face = CardOfCell(picture.cell);
  const std::string place = PlaceOf(game, pic, face);
  if (!face) return place.empty() ? Tr("裏向きの札") : place;
  return place.empty() ? NameOf(game, *face) : NameOf(game, *face) + " " + place;
}

std::vector<SpokenItem> SpokenBoard(const Game& game) {
  using Kind = SpokenItem::Kind;
  const Board& board = game.board;
  std::vector<SpokenItem> items;
  auto label = [&items](Kind kind, int index, const Label& shown, std::string name) {
    if (shown.visible && !shown.caption.empty())
      items.push_back({kind, index, std::move(name), false, shown.left, shown.top});
  };
  bool stockNamed = false;
  for (int pic = 0; pic < kCardCount; ++pic) {
    const CardPicture& card = board.Card[static_cast<std::size_t>(pic)];
    std::string name = CardPictureName(game, pic);
    if (name.empty()) continue;
    if (name == Tr("山札")) {
      if (stockNamed) continue;
      stockNamed = true;
      name = Fill(Tr("%1 %2枚"), {name, std::to_string(game.table.StockLeft)});
    }
    items.push_back({Kind::Card, pic, std::move(name), card.enabled && card.handCursor, card.left, card.top});
  }
  for (int i = 0; i < 6; ++i) label(Kind::Message, i, board.message[i], board.message[i].caption);
  for (int i = 0; i < 18; ++i) {
    label(Kind::YakuState, i, board.YakuState[i],
          SideName(i < kYakuGroups ? 0 : 1) + " " + ShownProgress(board.YakuState[i].caption));
  }
  // The score labels and the こいこい marks come in the screen's order, the computer's first.
  for (int i = 0; i < 2; ++i) {
    label(Kind::Score, i, board.Score[i],
          Fill(Tr("%1の合計 %2文"), {SideName(1 - i), std::to_string(game.table.matchScore[1 - i])}));
    label(Kind::KoiKoi, i, board.koikoi[i], SideName(i) + " " + board.koikoi[i].caption);
  }
  label(Kind::Month, 0, board.Pnum, Fill(Tr("%1月目"), {board.Pnum.caption}));
  label(Kind::LevelName, 0, board.LevelName, board.LevelName.caption);
  label(Kind::Prompt, 0, board.prompt, board.prompt.caption);
  if (board.oyamark.visible) {
    items.push_back(
        {Kind::DealerMark, 0, Fill(Tr("親：%1"), {SideName(game.table.Oya)}), false, board.oyamark.left,
         board.oyamark.top});
  }
  for (int i = 0; i < 8; ++i) {
    const Badge& badge = board.badges[static_cast<std::size_t>(i)];
    if (badge.visible) {
      items.push_back({Kind::Badge, i, Fill(Tr("ヒント %1"), {badge.caption}), false, badge.left, badge.top});
    }
  }
  std::stable_sort(items.begin(), items.end(), [](const SpokenItem& a, const SpokenItem& b) {
    return a.top != b.top ? a.top < b.top : a.left < b.left;
  });
  return items;
}

void Announcer::Say(const std::string& text) { game_.platform.Announce(text); }

void Announcer::DealerDecided(int playerPick, int computerPick) {
  if (next_) next_->DealerDecided(playerPick, computerPick);
}

void Announcer::Dealt() {
  paidSide_ = -1;
  paid_ = 0;
  taken_.clear();
  Say(Fill(Tr("%1月目です。親は%2です。"), {std::to_string(game_.table.GameNum), SideName(game_.table.Oya)}));
  if (next_) next_->Dealt();
}

void Announcer::Captured(int side, CardCode code) {
  taken_.push_back(code);
  if (next_) next_->Captured(side, code);
}

void Announcer::PlayFinished(CardCode card) {
  const TurnStep step = game_.table.TurnStep;
  std::vector<std::string> taken;
  for (const CardCode code : taken_) {
    if (code != card) taken.push_back(NameOf(game_, code));
  }
  taken_.clear();
  const std::string played = NameOf(game_, card);
  const std::string mover = SideName(MoverOf(step));
  if (taken.empty()) {
    Say(Fill(IsStockPlay(step) ? Tr("%1、山札から%2を場に出しました。") : Tr("%1、手札から%2を場に出しました。"),
             {mover, played}));
  } else {
    Say(Fill(IsStockPlay(step) ? Tr("%1、山札から%2で%3を取りました。") : Tr("%1、手札から%2で%3を取りました。"),
             {mover, played, Joined(taken)}));
  }
  if (next_) next_->PlayFinished(card);
}

void Announcer::LabelsRefreshed(int side) {
  if (next_) next_->LabelsRefreshed(side);
}

void Announcer::AgariClosed(WinCode code, int side) {
  const WinDialogState& dialog = game_.agari;
  std::vector<std::string> rows;
  for (std::size_t i = 0; i < dialog.yakunam.size(); ++i) {
    if (dialog.rowVisible[i] && !dialog.yakunam[i].empty()) {
      rows.push_back(ShownYakuName(dialog.yakunam[i]) + " " + ShownPoints(dialog.yakuten[i]));
    }
  }
  std::string text = Fill(Tr("%1の役：%2。"), {SideName(side), rows.empty() ? Tr("なし") : Joined(rows)});
  if (dialog.check == WinChoice::PlayOn) {
    text += Fill(Tr("%1はこいこいしました。"), {SideName(side)});
  } else {
    paidSide_ = dialog.winner;
    paid_ = dialog.total;
    text += Fill(Tr("%1の勝ち、%2文です。"), {SideName(dialog.winner), std::to_string(dialog.total)});
  }
  Say(text);
  if (next_) next_->AgariClosed(code, side);
}

void Announcer::MonthEnded() {
  const TableState& t = game_.table;
  const std::string result =
      paidSide_ < 0 ? Tr("引き分け") : Fill(Tr("%1に%2文"), {SideName(paidSide_), std::to_string(paid_)});
  Say(Fill(Tr("%1月目の結果：%2。合計は、あなた%3文、ｃｏｍ%4文です。"),
           {std::to_string(t.GameNum), result, std::to_string(t.matchScore[0]), std::to_string(t.matchScore[1])}));
  if (next_) next_->MonthEnded();
}

void Announcer::MatchEnded() {
  const TableState& t = game_.table;
  Say(Fill(Tr("対戦が終わりました。あなた%1文、ｃｏｍ%2文です。"),
           {std::to_string(t.matchScore[0]), std::to_string(t.matchScore[1])}));
  if (next_) next_->MatchEnded();
}

}  // namespace pg

// Draws the core's board: every place, caption and flag comes from the core.
#include "ui/board_view.h"

#include <QFontMetrics>
#include <QGraphicsPixmapItem>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <algorithm>

#include "engine/game.h"
#include "engine/geometry.h"
#include "rules/yaku.h"
#include "ui/art/artwork.h"
#include "ui/art/card_sheet.h"
#include "ui/contrast.h"
#include "ui/core_text.h"
#include "ui/key_cursor_item.h"
#include "ui/label_item.h"

namespace pg::ui {

namespace {

// Stacking: the wallpaper, the ruling and the menu bar's ground, then every control in the core's
// one stacking order (z 0 upwards).
constexpr qreal kWallpaperZ = -100;
constexpr qreal kRulingZ = -90;
constexpr qreal kMenuLineZ = -80;
// Pixels: the ground under the 40-pixel menu buttons.
constexpr qreal kMenuLineHeight = 46;
// Above every control, whatever the core's stacking order does.
constexpr qreal kKeyCursorZ = 1000;
// The advisor's badges lie over the cards they stand for, under the keyboard cursor.
constexpr qreal kBadgeZ = 900;
// The lesson's rings lie under the keyboard's cursor and over the rest.
constexpr qreal kLessonMarkZ = 950;
constexpr qreal kLessonMarkMargin = 3;

QColor ColorOf(Rgb rgb) { return QColor(rgb.r, rgb.g, rgb.b); }

// The window's foreground for the ruling: dark, and translucent so the captions sit under the
// captured cards without shouting over the wallpaper.
QColor RulingColor() { return QColor(20, 20, 20, 120); }

QGraphicsPixmapItem* AddPicture(QGraphicsScene* scene, const QPixmap& picture, qreal z) {
  auto* item = scene->addPixmap(picture);
  item->setZValue(z);
  item->setTransformationMode(Qt::SmoothTransformation);
  return item;
}

void SyncShape(QGraphicsItem* item, const Shape& shape) {
  item->setPos(shape.left, shape.top);
  item->setVisible(shape.visible);
}

std::optional<Key> KeyOf(int key) {
  switch (key) {
    case Qt::Key_Left:
      return Key::Left;
    case Qt::Key_Right:
      return Key::Right;
    case Qt::Key_Up:
      return Key::Up;
    case Qt::Key_Down:
      return Key::Down;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      return Key::Enter;
    default:
      return std::nullopt;
  }
}

}  // namespace

BoardView::BoardView(const Game& game, QWidget* parent)
    : QGraphicsView(parent), game_(game), scene_(new QGraphicsScene(0, 0, kPlayWidth, kPlayHeight, this)) {
  setScene(scene_);
  setFrameShape(QFrame::NoFrame);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
  // The window's own colour, seen when the player removes the wallpaper: plain table green.
  setFixedSize(kPlayWidth, kPlayHeight);
  setSceneRect(0, 0, kPlayWidth, kPlayHeight);
  setFocusPolicy(Qt::StrongFocus);
  CreateItems();
  ApplyModeFonts();
  ApplyPalette();
}

// Under the desktop's high-contrast palette the bare table takes the palette's ground, and the
// ruling and every unfilled label its ink on that ground; otherwise the table is green, as ever.
void BoardView::ApplyPalette() {
  highContrast_ = IsHighContrast(palette());
  const QColor green(0x3b, 0x7a, 0x50);
  setBackgroundBrush(highContrast_ ? palette().window().color() : green);
  menuLine_->setBrush(palette().button());
  shownRuling_ = {};
  Sync();
}

void BoardView::changeEvent(QEvent* event) {
  QGraphicsView::changeEvent(event);
  if (event->type() == QEvent::PaletteChange) ApplyPalette();
}

void BoardView::SetContrast(LabelItem* label) const {
  if (highContrast_) {
    label->SetContrast(palette().window().color(), palette().windowText().color());
  } else {
    label->SetContrast(QColor(), QColor());
  }
}

QPixmap BoardView::Cell(int cell) const { return cells_[static_cast<std::size_t>(cell)]; }

// The cards are rendered from their vector art at the size they are shown, so they stay crisp
// when the 640x480 mode scales the table down. Until a card is first shown there are none: the
// sheet is memory the first window does without.
void BoardView::RenderCells() {
  shownMarks_ = {game_.cardMarks, game_.rules.KikuAsChaff()};
  const QPixmap sheet = RenderCardSheet(devicePixelRatioF() * scale_, shownMarks_);
  cells_.clear();
  for (int c = 0; c < kSheetColumns * kSheetRows; ++c) cells_.push_back(CardCell(sheet, c));
  for (int i = 0; i < kCardCount; ++i) {
    if (cards_[i]) cards_[i]->setPixmap(Cell(shownCells_[i]));
  }
}

// A font of the mode's size as the eye sees it: in the 640x480 mode the scene is scaled down, so
// its sizes are scaled up by as much.
QFont BoardView::ModeFont(QFont font) const {
  font.setPixelSize(qRound(font.pixelSize() / modeScale_));
  return font;
}

void BoardView::ApplyModeFonts() {
  const bool small = modeScale_ < 1.0;
  for (LabelItem* score : scores_) score->SetFont(ModeFont(ScoreFont(small ? 14 : 16)));
  month_->SetFont(ModeFont(GameFont(small ? 10 : 12, true)));
  levelName_->SetFont(ModeFont(GameFont(small ? 7 : 9, true)));
  // A pixel under the usual size: the longest caption, "ｶｽ　完+10", must fit its 53 units.
  QFont yaku = GameFont(small ? 7 : 10);
  yaku.setPixelSize(yaku.pixelSize() - 1);
  for (LabelItem* label : yakuStates_) label->SetFont(ModeFont(yaku));
}

void BoardView::SetSmallMode(bool small) {
  modeScale_ = small ? kSmallModeScale : 1.0;
  Rescale();
}

void BoardView::SetZoom(qreal zoom) {
  zoom_ = zoom;
  Rescale();
  emit Zoomed(zoom);
}

// Everything on the table is drawn from vectors at the size it is shown, so it stays crisp at any
// scale; only a picture file the player chose is stretched.
void BoardView::Rescale() {
  scale_ = modeScale_ * zoom_;
  const QSize size(qRound(kPlayWidth * scale_), qRound(kPlayHeight * scale_));
  setFixedSize(size);
  resetTransform();
  scale(scale_, scale_);
  if (!cells_.empty()) RenderCells();
  RenderPictures();
  ApplyModeFonts();
  // The menu's buttons keep their size in every mode, so their ground keeps its height in pixels;
  // a larger table widens it with the play area below.
  menuLine_->setRect(0, 0, kPlayWidth, kMenuLineHeight / modeScale_);
  shownRuling_ = {};
  Sync();
}

void BoardView::RenderPictures() {
  const qreal dpr = devicePixelRatioF() * scale_;
  for (int i = 0; i < 2; ++i) {
    if (!customFace_[i]) faces_[i]->setPixmap(FacePicture(i, dpr));
    scorePlates_[i]->setPixmap(ScorePlate(dpr));
  }
  monthPlate_->setPixmap(MonthPlate(dpr));
  dealerMark_->setPixmap(DealerMark(dpr));
}

void BoardView::CreateItems() {
  const qreal dpr = devicePixelRatioF();
  cardCursor_ = CardCursor();
  shownCells_.fill(kBackCell);

  wallpaper_ = AddPicture(scene_, QPixmap(), kWallpaperZ);
  menuLine_ = scene_->addRect(0, 0, kPlayWidth, kMenuLineHeight, Qt::NoPen, palette().button());
  menuLine_->setZValue(kMenuLineZ);

  for (int i = 0; i < kCardCount; ++i) {
    cards_[i] = AddPicture(scene_, QPixmap(), 0);
    cards_[i]->setVisible(false);
    shownCells_[i] = kBackCell;
  }
  for (int i = 0; i < 2; ++i) {
    faces_[i] = AddPicture(scene_, FacePicture(i, dpr), 0);
    scorePlates_[i] = AddPicture(scene_, ScorePlate(dpr), 0);
    scores_[i] = new LabelItem(QSizeF(kScoreWidth, kScoreHeight), Qt::AlignRight, false);
    scene_->addItem(scores_[i]);
    const QPen framePen(QColor(0xc8, 0x10, 0x2e), 2);
    boxes_[i] = scene_->addRect(0, 0, kChoiceFrameWidth, kChoiceFrameHeight, framePen, Qt::NoBrush);
  }
  monthPlate_ = AddPicture(scene_, MonthPlate(dpr), 0);
  month_ = new LabelItem(QSizeF(kMonthWidth, kMonthHeight), Qt::AlignRight, false);
  scene_->addItem(month_);
  dealerMark_ = AddPicture(scene_, DealerMark(dpr), 0);
  // On the table's ground: cards flying past cover it.
  levelName_ = new LabelItem(QSizeF(kLevelNameWidth, kLevelNameHeight), Qt::AlignHCenter, false);
  levelName_->setZValue(kMenuLineZ);
  scene_->addItem(levelName_);
  for (int i = 0; i < 8; ++i) {
    hints_[i] = scene_->addRect(0, 0, kHintMarkerSize, kHintMarkerSize, QPen(QColor(0x1a, 0x1a, 0x1a)),
                                QColor(0xd9, 0xa4, 0x41));
  }
  for (int i = 0; i < 18; ++i) {
    const int width = IsNarrowYakuLabel(i % kYakuGroups) ? kNarrowYakuLabelWidth : kYakuLabelWidth;
    yakuStates_[i] = new LabelItem(QSizeF(width, kYakuLabelHeight), Qt::AlignHCenter, true);
    scene_->addItem(yakuStates_[i]);
  }
  for (int i = 0; i < 6; ++i) {
    messages_[i] = new LabelItem(QSizeF(), Qt::AlignLeft, false);
    scene_->addItem(messages_[i]);
  }
  for (LabelItem*& mark : koikoi_) {
    mark = new LabelItem(QSizeF(kKoiKoiMarkWidth, kKoiKoiMarkHeight), Qt::AlignHCenter, true);
    mark->SetTextColor(Qt::white);
    scene_->addItem(mark);
  }
  prompt_ = new LabelItem(QSizeF(), Qt::AlignLeft, false);
  scene_->addItem(prompt_);
  for (LabelItem*& badge : badges_) {
    badge = new LabelItem(QSizeF(kBadgeWidth, kBadgeHeight), Qt::AlignHCenter, true);
    badge->setZValue(kBadgeZ);
    badge->setVisible(false);
    scene_->addItem(badge);
  }
  // A widget over the view, not an item of the scene: the table's own clicks never reach it.
  review_ = new QPushButton(qtTrId("振り返り"), this);
  review_->setFocusPolicy(Qt::NoFocus);
  review_->hide();
  connect(review_, &QPushButton::clicked, this, &BoardView::ReviewRequested);
  keyCursor_ = new KeyCursorItem;
  keyCursor_->setZValue(kKeyCursorZ);
  keyCursor_->setVisible(false);
  scene_->addItem(keyCursor_);
}

void BoardView::Sync() {
  const Board& board = game_.board;
  SyncStacking();
  SyncCards();
  SyncLessonMarks();
  SyncRuling();
  SyncKeyCursor();
  for (int i = 0; i < 6; ++i) {
    const Label& label = board.message[i];
    messages_[i]->SetText(Q(label.caption));
    messages_[i]->SetFont(ModeFont(GameFont(label.fontSize > 0 ? label.fontSize : 24)));
    messages_[i]->setPos(label.left, label.top);
    messages_[i]->SetBacking(board.ownWallpaper);
    SetContrast(messages_[i]);
    messages_[i]->setVisible(label.visible);
  }
  for (int i = 0; i < 18; ++i) {
    const Label& label = board.YakuState[i];
    yakuStates_[i]->SetText(Q(ShownProgress(label.caption)));
    yakuStates_[i]->SetFill(label.opaque, ColorOf(label.back));
    yakuStates_[i]->SetBacking(board.ownWallpaper);
    SetContrast(yakuStates_[i]);
    yakuStates_[i]->setPos(label.left, label.top);
    yakuStates_[i]->setVisible(label.visible);
  }
  for (int i = 0; i < 8; ++i) SyncShape(hints_[i], board.PG[i]);
  for (int i = 0; i < 2; ++i) {
    SyncShape(boxes_[i], board.Box[i]);
    SyncShape(faces_[i], board.Face[i]);
    SyncShape(scorePlates_[i], board.ScoreP[i]);
    scores_[i]->SetText(Q(board.Score[i].caption));
    scores_[i]->setPos(board.Score[i].left, board.Score[i].top);
    scores_[i]->setVisible(board.Score[i].visible);
  }
  SyncShape(monthPlate_, board.PnumP);
  month_->SetText(Q(board.Pnum.caption));
  month_->setPos(board.Pnum.left, board.Pnum.top);
  month_->setVisible(board.Pnum.visible);
  levelName_->SetText(Q(board.LevelName.caption));
  levelName_->setPos(board.LevelName.left, board.LevelName.top);
  levelName_->setVisible(board.LevelName.visible);
  SetContrast(levelName_);
  SetContrast(prompt_);
  SyncShape(dealerMark_, board.oyamark);
  for (int side = 0; side < 2; ++side) SyncSign(koikoi_[side], board.koikoi[side], true);
  SyncSign(prompt_, board.prompt, false);
  SyncBadges();
  SyncReviewButton();
}

// Placed and given its font only when shown: a font set on a hidden button still loads its face.
void BoardView::SyncReviewButton() {
  const pg::Shape& review = game_.board.review;
  if (review.visible) {
    const QPoint at = mapFromScene(QPointF(review.left, review.top));
    review_->setGeometry(at.x(), at.y(), static_cast<int>(kReviewButtonWidth * scale_),
                         static_cast<int>(kReviewButtonHeight * scale_));
    QFont font = ModeFont(GameFont(11));
    font.setPixelSize(qRound(font.pixelSize() * zoom_));
    review_->setFont(font);
  }
  review_->setVisible(review.visible);
}

// The search's choice in the game's gold, the others dark, so the best card stands out at a glance.
void BoardView::SyncBadges() {
  for (std::size_t i = 0; i < badges_.size(); ++i) {
    const Badge& badge = game_.board.badges[i];
    LabelItem* item = badges_[i];
    item->setVisible(badge.visible);
    if (!badge.visible) continue;
    item->SetText(Q(badge.caption));
    item->SetFont(ModeFont(GameFont(9, true)));
    item->SetFill(true, badge.best ? QColor(0xf2, 0xc0, 0x3c) : QColor(0x20, 0x20, 0x20, 220));
    item->SetTextColor(badge.best ? QColor(0x20, 0x10, 0x00) : QColor(Qt::white));
    item->setPos(badge.left, badge.top);
  }
}

void BoardView::SyncSign(LabelItem* item, const Label& label, bool bold) {
  item->SetText(Q(label.caption));
  item->SetFont(ModeFont(GameFont(label.fontSize > 0 ? label.fontSize : 12, bold)));
  item->SetFill(label.opaque, ColorOf(label.back));
  item->setPos(label.left, label.top);
  item->setVisible(label.visible);
}

QGraphicsItem* BoardView::ItemOf(ControlId control) const {
  const auto i = static_cast<std::size_t>(control.index);
  switch (control.kind) {
    case ControlKind::Card:
      return cards_.at(i);
    case ControlKind::Message:
      return messages_.at(i);
    case ControlKind::YakuState:
      return yakuStates_.at(i);
    case ControlKind::Hint:
      return hints_.at(i);
    case ControlKind::Box:
      return boxes_.at(i);
    case ControlKind::Face:
      return faces_.at(i);
    case ControlKind::ScorePlate:
      return scorePlates_.at(i);
    case ControlKind::Score:
      return scores_.at(i);
    case ControlKind::MonthPlate:
      return monthPlate_;
    case ControlKind::Month:
      return month_;
    case ControlKind::DealerMark:
      return dealerMark_;
    case ControlKind::KoiKoi:
      return koikoi_.at(i);
    case ControlKind::Prompt:
      return prompt_;
    case ControlKind::Table:
      break;
  }
  return nullptr;
}

QGraphicsItem* BoardView::ItemOf(const SpokenItem& item) const {
  const auto i = static_cast<std::size_t>(item.index);
  switch (item.kind) {
    case SpokenItem::Kind::Card:
      return cards_.at(i);
    case SpokenItem::Kind::Message:
      return messages_.at(i);
    case SpokenItem::Kind::YakuState:
      return yakuStates_.at(i);
    case SpokenItem::Kind::Score:
      return scores_.at(i);
    case SpokenItem::Kind::Month:
      return month_;
    case SpokenItem::Kind::DealerMark:
      return dealerMark_;
    case SpokenItem::Kind::KoiKoi:
      return koikoi_.at(i);
    case SpokenItem::Kind::Prompt:
      return prompt_;
    case SpokenItem::Kind::LevelName:
      return levelName_;
    case SpokenItem::Kind::Badge:
      return badges_.at(i);
  }
  return nullptr;
}

std::vector<SpokenItem> BoardView::Spoken() const { return SpokenBoard(game_); }

QRect BoardView::RectOf(const SpokenItem& item) const {
  const QGraphicsItem* shown = ItemOf(item);
  return shown ? mapFromScene(shown->sceneBoundingRect()).boundingRect() : QRect();
}

void BoardView::ClickCard(int pic) {
  const ControlId card{ControlKind::Card, static_cast<std::int16_t>(pic)};
  emit Pressed(card);
  emit Released(card);
}

void BoardView::SyncStacking() {
  const std::vector<ControlId>& stack = game_.board.stack;
  for (std::size_t z = 0; z < stack.size(); ++z) {
    if (QGraphicsItem* item = ItemOf(stack[z])) item->setZValue(static_cast<qreal>(z));
  }
}

void BoardView::SyncCards() {
  const Board& board = game_.board;
  if (cells_.empty()) {
    if (std::none_of(board.Card.begin(), board.Card.end(), [](const CardPicture& card) { return card.visible; }))
      return;
    RenderCells();
  } else if (game_.cardMarks != shownMarks_.shown ||
             (game_.cardMarks && game_.rules.KikuAsChaff() != shownMarks_.kikuAsChaff)) {
    RenderCells();
  }
  for (int i = 0; i < kCardCount; ++i) {
    const CardPicture& card = board.Card[i];
    QGraphicsPixmapItem* item = cards_[i];
    if (shownCells_[i] != card.cell) {
      item->setPixmap(Cell(card.cell));
      shownCells_[i] = card.cell;
    }
    item->setPos(card.left, card.top);
    item->setVisible(card.visible);
    const bool clickable = card.enabled && card.handCursor;
    if (clickable != shownClickable_[i]) {
      shownClickable_[i] = clickable;
      if (clickable) {
        item->setCursor(cardCursor_);
      } else {
        item->unsetCursor();
      }
    }
  }
}

void BoardView::SetLessonMarks(const std::vector<int>& pictures) {
  lessonPictures_.clear();
  for (int pic : pictures) {
    if (pic >= 0 && pic < kCardCount) lessonPictures_.push_back(pic);
  }
  SyncLessonMarks();
}

// A gold ring over a light halo, so it shows on any wallpaper.
void BoardView::SyncLessonMarks() {
  while (lessonMarks_.size() < lessonPictures_.size()) {
    auto* ring = scene_->addRect(0, 0, kCellWidth + 2 * kLessonMarkMargin, kCellHeight + 2 * kLessonMarkMargin,
                                 QPen(QColor(255, 200, 0), 4), Qt::NoBrush);
    auto* halo = new QGraphicsRectItem(ring->rect().adjusted(-2, -2, 2, 2), ring);
    halo->setPen(QPen(QColor(255, 255, 255, 200), 1.5));
    ring->setZValue(kLessonMarkZ);
    lessonMarks_.push_back(ring);
  }
  for (std::size_t i = 0; i < lessonMarks_.size(); ++i) {
    QGraphicsRectItem* ring = lessonMarks_[i];
    const bool used = i < lessonPictures_.size();
    const CardPicture* card = used ? &game_.board.Card[static_cast<std::size_t>(lessonPictures_[i])] : nullptr;
    ring->setVisible(card && card->visible);
    if (card) ring->setPos(card->left - kLessonMarkMargin, card->top - kLessonMarkMargin);
  }
}

void BoardView::SyncRuling() {
  const Background& background = game_.board.background;
  const bool backed = game_.board.ownWallpaper;
  if (background.lines == shownRuling_.lines && background.captions == shownRuling_.captions &&
      backed == shownBacked_) {
    return;
  }
  for (QGraphicsItem* item : ruling_) delete item;
  ruling_.clear();
  const QPen pen(highContrast_ ? palette().windowText().color() : RulingColor(), 1);
  // A light line on each side of the dark one keeps it seen over a dark picture; under high
  // contrast the palette's ground does, whatever lies under it.
  const QPen halo(highContrast_ ? palette().window().color() : QColor(255, 255, 255, 170), 3);
  for (const RuledLine& line : background.lines) {
    if (backed || highContrast_) {
      auto* under = scene_->addLine(line.x1 + 0.5, line.y1 + 0.5, line.x2 + 0.5, line.y2 + 0.5, halo);
      under->setZValue(kRulingZ);
      ruling_.push_back(under);
    }
    auto* item = scene_->addLine(line.x1 + 0.5, line.y1 + 0.5, line.x2 + 0.5, line.y2 + 0.5, pen);
    item->setZValue(kRulingZ);
    ruling_.push_back(item);
  }
  for (const RuledCaption& caption : background.captions) {
    auto* item = new LabelItem(QSizeF(), Qt::AlignLeft, false);
    item->SetFont(ModeFont(GameFont(caption.fontSize)));
    item->SetBacking(backed);
    item->SetTextColor(backed ? QColor(20, 20, 20) : RulingColor());
    SetContrast(item);
    item->SetText(Q(caption.text));
    item->setPos(caption.left, caption.top);
    item->setZValue(kRulingZ);
    scene_->addItem(item);
    ruling_.push_back(item);
  }
  shownRuling_ = background;
  shownBacked_ = backed;
}

void BoardView::SyncKeyCursor() {
  const std::optional<int> card = flying_ ? std::nullopt : KeyCursorCard(game_);
  keyCursor_->setVisible(card.has_value());
  if (!card) return;
  const CardPicture& picture = game_.board.Card.at(static_cast<std::size_t>(*card));
  keyCursor_->Frame(QPointF(picture.left, picture.top));
}

void BoardView::SetBackground(const QPixmap& picture) { wallpaper_->setPixmap(picture); }

void BoardView::SetFace(int index, const QPixmap& picture) {
  faces_[index]->setPixmap(picture);
  customFace_[index] = true;
}

void BoardView::SetBuiltInFace(int index) {
  faces_[index]->setPixmap(FacePicture(index, devicePixelRatioF() * scale_));
  customFace_[index] = false;
}

QPixmap BoardView::FacePixmap(int index) const { return faces_[index]->pixmap(); }

int BoardView::TextWidth(const QString& text, int pointSize) const {
  return QFontMetrics(ModeFont(GameFont(pointSize))).horizontalAdvance(text);
}

// The uppermost control under the pointer; shapes are drawn but never hit.
ControlId BoardView::ControlAt(const QPoint& viewPoint) const {
  const QPointF at = mapToScene(viewPoint);
  const std::vector<ControlId>& stack = game_.board.stack;
  for (auto it = stack.rbegin(); it != stack.rend(); ++it) {
    if (it->kind == ControlKind::Hint || it->kind == ControlKind::Box) continue;
    const QGraphicsItem* item = ItemOf(*it);
    if (item && item->isVisible() && item->sceneBoundingRect().contains(at)) return *it;
  }
  return kTable;
}

void BoardView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit Pressed(ControlAt(event->position().toPoint()));
}

void BoardView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit Released(ControlAt(event->position().toPoint()));
}

// Held keys repeat; each repeat counts, as a quick run of presses would.
void BoardView::keyPressEvent(QKeyEvent* event) {
  const std::optional<Key> key = event->modifiers() & ~Qt::KeypadModifier ? std::nullopt : KeyOf(event->key());
  if (!key) {
    QGraphicsView::keyPressEvent(event);
    return;
  }
  emit KeyCommand(*key);
}

}  // namespace pg::ui

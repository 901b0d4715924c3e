// The table: one scene whose pictures and labels take everything from the core's board.
#pragma once

#include <QCursor>
#include <QGraphicsView>
#include <QPixmap>
#include <array>
#include <vector>

#include "engine/board.h"
#include "play/keyboard.h"
#include "play/spoken_table.h"
#include "ui/art/card_sheet.h"

class QGraphicsPixmapItem;
class QGraphicsRectItem;
class QPushButton;

namespace pg {
struct Game;
}

namespace pg::ui {

class KeyCursorItem;
class LabelItem;

inline constexpr qreal kSmallModeScale = 600.0 / 760.0;

class BoardView : public QGraphicsView {
  Q_OBJECT

 public:
  BoardView(const Game& game, QWidget* parent);

  // Takes positions, visibility, pictures, captions and stacking order from the core.
  void Sync();
  void SetBackground(const QPixmap& picture);
  // A face from a picture file, or the built-in one drawn at the table's scale.
  void SetFace(int index, const QPixmap& picture);
  void SetBuiltInFace(int index);
  // Device pixels per unit of the table: what a picture is drawn at to look crisp on it.
  qreal PictureRatio() const { return devicePixelRatioF() * scale_; }
  QPixmap FacePixmap(int index) const;
  int TextWidth(const QString& text, int pointSize) const;
  // The 640x480 mode maps the 760 x 542 units onto a 600-pixel-wide table.
  void SetSmallMode(bool small);
  // The whole table drawn larger: 1.0, 1.25 or 1.5.
  void SetZoom(qreal zoom);
  // What a screen reader finds on the table now, where each thing lies in the view, and a click on
  // a card as the pointer would make it.
  std::vector<SpokenItem> Spoken() const;
  QRect RectOf(const SpokenItem& item) const;
  void ClickCard(int pic);
  // The last sentence told to the screen reader.
  const QString& Announcement() const { return announcement_; }
  void SetAnnouncement(const QString& text) { announcement_ = text; }
  // From the first step a card flies until the event that moved it is over, the keyboard cursor
  // is put away, as keys are; the next Sync shows the change.
  void SetFlying(bool flying) { flying_ = flying; }
  // The lesson's cards to click, as the pictures showing them, ringed over everything on the table.
  void SetLessonMarks(const std::vector<int>& pictures);

 signals:
  // The left button went down or up over a control (or the table).
  void Pressed(pg::ControlId control);
  void Released(pg::ControlId control);
  // The button 「振り返り」 at a match's end was clicked.
  void ReviewRequested();
  // An arrow, Enter or Space for the keyboard cursor.
  void KeyCommand(pg::Key key);
  // The player's size of the table changed: 1.0, 1.25 or 1.5.
  void Zoomed(qreal zoom);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void CreateItems();
  void RenderCells();
  void RenderPictures();
  void Rescale();
  void ApplyModeFonts();
  QFont ModeFont(QFont font) const;
  void ApplyPalette();
  void SetContrast(LabelItem* label) const;
  void SyncStacking();
  void SyncCards();
  QGraphicsItem* ItemOf(ControlId control) const;
  QGraphicsItem* ItemOf(const SpokenItem& item) const;
  ControlId ControlAt(const QPoint& viewPoint) const;
  void SyncRuling();
  void SyncKeyCursor();
  void SyncSign(LabelItem* item, const Label& label, bool bold);
  void SyncBadges();
  void SyncReviewButton();
  void SyncLessonMarks();
  QPixmap Cell(int cell) const;

  const Game& game_;
  QGraphicsScene* scene_;
  std::vector<QPixmap> cells_;
  CardMarks shownMarks_;
  QGraphicsPixmapItem* wallpaper_ = nullptr;
  QGraphicsRectItem* menuLine_ = nullptr;
  std::vector<QGraphicsItem*> ruling_;
  Background shownRuling_;
  bool shownBacked_ = false;
  std::array<QGraphicsPixmapItem*, 48> cards_{};
  std::array<int, 48> shownCells_{};
  std::array<bool, 48> shownClickable_{};
  QCursor cardCursor_;
  std::array<LabelItem*, 6> messages_{};
  std::array<LabelItem*, 18> yakuStates_{};
  std::array<QGraphicsRectItem*, 8> hints_{};
  std::array<QGraphicsRectItem*, 2> boxes_{};
  std::array<QGraphicsPixmapItem*, 2> faces_{};
  std::array<QGraphicsPixmapItem*, 2> scorePlates_{};
  std::array<LabelItem*, 2> scores_{};
  QGraphicsPixmapItem* monthPlate_ = nullptr;
  LabelItem* month_ = nullptr;
  LabelItem* levelName_ = nullptr;
  QGraphicsPixmapItem* dealerMark_ = nullptr;
  std::array<LabelItem*, 2> koikoi_{};
  LabelItem* prompt_ = nullptr;
  std::array<LabelItem*, 8> badges_{};
  QPushButton* review_ = nullptr;
  KeyCursorItem* keyCursor_ = nullptr;
  std::vector<int> lessonPictures_;
  std::vector<QGraphicsRectItem*> lessonMarks_;
  bool flying_ = false;
  bool highContrast_ = false;
  QString announcement_;
  std::array<bool, 2> customFace_{};
  // The 640x480 mode's scale, the player's size, and the two together as the view draws them.
  qreal modeScale_ = 1.0;
  qreal zoom_ = 1.0;
  qreal scale_ = 1.0;
};

}  // namespace pg::ui

// The table: one scene whose pictures and labels take everything from the core's board.
#pragma once

#include <QCursor>
#include <QGraphicsView>
#include <QPixmap>
#include <array>
#include <vector>

#include "engine/board.h"
#include "play/keyboard.h"

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
  void SetFace(int index, const QPixmap& picture);
  QPixmap FacePixmap(int index) const;
  int TextWidth(const QString& text, int pointSize) const;
  // The 640x480 mode maps the 760 x 542 units onto a 600-pixel-wide table.
  void SetSmallMode(bool small);
  // From the first step a card flies until the event that moved it is over, the keyboard cursor
  // is put away, as keys are; the next Sync shows the change.
  void SetFlying(bool flying) { flying_ = flying; }

 signals:
  // The left button went down or up over a control (or the table).
  void Pressed(pg::ControlId control);
  void Released(pg::ControlId control);
  // The button 「振り返り」 at a match's end was clicked.
  void ReviewRequested();
  // An arrow, Enter or Space for the keyboard cursor.
  void KeyCommand(pg::Key key);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void CreateItems();
  void RenderCells();
  void ApplyModeFonts();
  QFont ModeFont(QFont font) const;
  void SyncStacking();
  void SyncCards();
  QGraphicsItem* ItemOf(ControlId control) const;
  ControlId ControlAt(const QPoint& viewPoint) const;
  void SyncRuling();
  void SyncKeyCursor();
  void SyncSign(LabelItem* item, const Label& label, bool bold);
  void SyncBadges();
  void SyncReviewButton();
  QPixmap Cell(int cell) const;

  const Game& game_;
  QGraphicsScene* scene_;
  std::vector<QPixmap> cells_;
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
  bool flying_ = false;
  qreal scale_ = 1.0;
};

}  // namespace pg::ui

// The win dialog's widgets, placed from the core's twips and frame units.
#include "ui/form_agari.h"

#include <QCloseEvent>
#include <QFont>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "engine/game.h"
#include "play/agari.h"
#include "rules/win_dialog.h"
#include "ui/core_text.h"

namespace pg::ui {

namespace {

constexpr int kWidth = 280;
// The core's heights include a title bar of about 30 pixels.
constexpr int kTitleBar = 30;
constexpr int kFrameLeft = 12;
constexpr int kFrameTop = 8;
constexpr int kFrameWidth = kWidth - 2 * kFrameLeft;
// Inside the frame, the core leaves a blank band over the first row; most of it is taken back.
constexpr int kFrameLift = 12;
constexpr int kRowHeight = 24;
constexpr int kPointsRight = 232;
constexpr int kPointsWidth = 96;
constexpr int kButtonWidth = 84;
constexpr int kButtonHeight = 28;
constexpr int kButtonGap = 16;

int InFrame(int twips) { return twips / kTwipsPerPixel - kFrameLift; }

QFont DialogFont(bool bold = false) {
  QFont font("Noto Sans CJK JP");
  font.setPixelSize(14);
  font.setBold(bold);
  return font;
}

QLabel* MakeLabel(QWidget* parent, Qt::Alignment alignment) {
  auto* label = new QLabel(parent);
  label->setFont(DialogFont());
  label->setAlignment(alignment | Qt::AlignVCenter);
  return label;
}

}  // namespace

FormAgari::FormAgari(pg::Game& game, QWidget* parent)
    : CoreDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), game_(game) {
  setWindowTitle(qtTrId("出来役"));
  setModal(true);

  nam_ = new QGroupBox(this);
  nam_->setFont(DialogFont(true));
  for (int row = 0; row < kRows; ++row) {
    yakunam_[row] = MakeLabel(nam_, Qt::AlignLeft);
    yakuten_[row] = MakeLabel(nam_, Qt::AlignRight);
  }
  line1_ = new QFrame(nam_);
  line1_->setFrameShape(QFrame::HLine);
  line1_->setFrameShadow(QFrame::Sunken);
  label1_ = MakeLabel(nam_, Qt::AlignLeft);
  label1_->setText(qtTrId("合計"));
  sum_ = MakeLabel(nam_, Qt::AlignRight);
  sum_->setFont(DialogFont(true));
  bonus_ = MakeLabel(nam_, Qt::AlignLeft);
  bonus_->setText(qtTrId("７文以上ボーナス　　×２"));
  bonus_->setStyleSheet("color: #c00000;");
  decision_ = MakeLabel(this, Qt::AlignHCenter);
  decision_->setFont(DialogFont(true));
  decision_->setStyleSheet("color: #c00000;");
  // A size smaller than the rows: the line is advice, and both figures must fit the width.
  counsel_ = MakeLabel(this, Qt::AlignHCenter);
  QFont counselFont = DialogFont();
  counselFont.setPixelSize(12);
  counsel_->setFont(counselFont);
  counsel_->setStyleSheet("color: #1f4e8c;");

  setFocusPolicy(Qt::StrongFocus);
  for (int index = 0; index < 3; ++index) {
    auto* button = new QPushButton(this);
    button->setFont(DialogFont());
    // Enter must not choose for the player: only a focused button takes it.
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this,
            [this, index] { CallCore([&] { pg::AgariCommandClick(game_, index); }); });
    command1_[index] = button;
  }
  SyncFromCore();
}

void FormAgari::SyncFromCore() {
  const WinDialogState& dialog = game_.agari;
  const int height = static_cast<int>(dialog.height) / kTwipsPerPixel - kTitleBar;
  const int nameLeft = static_cast<int>(dialog.label1Left) / kTwipsPerPixel;
  // A language with longer yaku names widens the dialog so that nothing is cut; the
  // Japanese fits the width the layout was drawn for.
  const QFontMetrics metrics(DialogFont());
  int extra = 0;
  for (int row = 0; row < kRows; ++row) {
    if (!dialog.rowVisible[row]) continue;
    const int needed = metrics.horizontalAdvance(Q(ShownYakuName(dialog.yakunam[row]))) + 4;
    extra = std::max(extra, needed - (kPointsRight - kPointsWidth - nameLeft));
  }

  const int width = kWidth + extra;
  const int pointsRight = kPointsRight + extra;
  setFixedSize(width, height);

  const Rgb colour = dialog.namColor;
  nam_->setTitle(Q(dialog.nam));
  nam_->setStyleSheet(QString("QGroupBox { border: 1px solid #a0a0a0; border-radius: 3px; margin-top: 10px; }"
                              "QGroupBox::title { subcontrol-origin: margin; left: 10px; padding: 0 4px;"
                              " color: rgb(%1, %2, %3); }")
                          .arg(colour.r)
                          .arg(colour.g)
                          .arg(colour.b));
  nam_->setGeometry(kFrameLeft, kFrameTop, kFrameWidth + extra, dialog.namHeight);

  for (int row = 0; row < kRows; ++row) {
    const int top = InFrame(kWinFirstRowTwips + kWinRowTwips * row);
    const std::string name = ShownYakuName(dialog.yakunam[row]);
    const std::string points = ShownPoints(dialog.yakuten[row]);
    yakunam_[row]->setText(Q(name));
    // A screen reader reads the row as one: the yaku and what it is worth.
    yakunam_[row]->setAccessibleName(Q(name + " " + points));
    yakunam_[row]->setGeometry(nameLeft, top, pointsRight - kPointsWidth - nameLeft, kRowHeight);
    yakunam_[row]->setVisible(dialog.rowVisible[row]);
    yakuten_[row]->setText(Q(points));
    yakuten_[row]->setGeometry(pointsRight - kPointsWidth, top, kPointsWidth, kRowHeight);
    yakuten_[row]->setVisible(dialog.rowVisible[row]);
  }
  bonus_->setGeometry(nameLeft, InFrame(dialog.bonusTop), pointsRight - nameLeft, kRowHeight);
  bonus_->setVisible(dialog.bonusVisible);

  line1_->setGeometry(nameLeft - 8, InFrame(dialog.line1Y) + 2, pointsRight - nameLeft + 16, 3);
  label1_->setGeometry(nameLeft, InFrame(dialog.label1Top), kPointsWidth, kRowHeight);
  const QString sum = Q(ShownPoints(dialog.sum));
  const int sumLeft = std::min(static_cast<int>(dialog.sumLeft) / kTwipsPerPixel + extra,
                               pointsRight - QFontMetrics(DialogFont(true)).horizontalAdvance(sum) - 4);
  sum_->setText(sum);
  // Right-aligned under the points column, from the left edge the core gives, or further left
  // where a longer unit needs the room.
  sum_->setGeometry(sumLeft, InFrame(dialog.sumTop), pointsRight - sumLeft, kRowHeight);

  int shown = 0;
  for (const DialogButton& button : dialog.Command1) shown += button.visible ? 1 : 0;
  int left = (width - shown * kButtonWidth - (shown - 1) * kButtonGap) / 2;
  for (int index = 0; index < 3; ++index) {
    const DialogButton& state = dialog.Command1[index];
    QPushButton* button = command1_[index];
    button->setText(Q(state.caption));
    button->setEnabled(state.enabled);
    button->setVisible(state.visible);
    if (!state.visible) continue;
    button->setGeometry(left, state.top, kButtonWidth, kButtonHeight);
    left += kButtonWidth + kButtonGap;
  }
  // The computer's decision stands on the row its button was moved down from.
  decision_->setText(Q(dialog.decision));
  decision_->setGeometry(0, dialog.Command1[2].top - kRowHeight - 2, width, kRowHeight);
  decision_->setVisible(!dialog.decision.empty());
  counsel_->setText(Q(dialog.counsel));
  counsel_->setGeometry(0, dialog.Command1[0].top - kRowHeight - 2, width, kRowHeight);
  counsel_->setVisible(!dialog.counsel.empty());
}

void FormAgari::closeEvent(QCloseEvent* event) { event->ignore(); }

void FormAgari::showEvent(QShowEvent* event) {
  CoreDialog::showEvent(event);
  setFocus();
}

QPushButton* FormAgari::Beside(int step) const {
  const auto from = std::find(command1_.begin(), command1_.end(), focusWidget()) - command1_.begin();
  const int count = static_cast<int>(command1_.size());
  // Without a focused button, forwards starts at the first and backwards at the last.
  int index = from < count ? static_cast<int>(from) : (step > 0 ? -1 : count);
  for (int tried = 0; tried < count; ++tried) {
    index = (index + step + count) % count;
    QPushButton* button = command1_[static_cast<std::size_t>(index)];
    if (button->isVisible() && button->isEnabled()) return button;
  }
  return nullptr;
}

void FormAgari::keyPressEvent(QKeyEvent* event) {
  QPushButton* target = nullptr;
  switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
      target = Beside(-1);
      break;
    case Qt::Key_Right:
    case Qt::Key_Down:
      target = Beside(1);
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (auto* focused = qobject_cast<QPushButton*>(focusWidget()); focused && focused->isEnabled()) {
        focused->animateClick();
      }
      return;
    default:
      CoreDialog::keyPressEvent(event);
      return;
  }
  if (target) target->setFocus(Qt::TabFocusReason);
}

}  // namespace pg::ui

// The lesson panel: a tool window that follows the table, as the replay's controls do.
#include "ui/lesson_panel.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "engine/card.h"
#include "engine/card_name.h"
#include "ui/art/card_sheet.h"

namespace pg::ui {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

// The strip's cards at six tenths of their size on the table: the panel fits under the table on a
// 768-pixel screen, and twelve fit the 640 mode's narrow table.
constexpr qreal kStripScale = 0.6;
// Room for the panel's title bar, which the window manager adds.
constexpr int kFrameAllowance = 30;

}  // namespace

LessonPanel::LessonPanel(QWidget* mainWindow, std::function<void()> restart, std::function<void()> leave)
    : QWidget(mainWindow, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      mainWindow_(mainWindow),
      leave_(std::move(leave)) {
  setWindowTitle(qtTrId("はじめてのこいこい"));
  setObjectName("LessonPanel");
  instruction_ = new QLabel;
  instruction_->setObjectName("LessonInstruction");
  note_ = new QLabel;
  note_->setObjectName("LessonNote");
  QFont bold = instruction_->font();
  bold.setBold(true);
  bold.setPointSizeF(bold.pointSizeF() * 1.05);
  instruction_->setFont(bold);
  // Each line has room for two, should the narrow table need them; the panel keeps its height from
  // step to step and never slides over the table.
  for (QLabel* label : {instruction_, note_}) {
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Japanese lines are taller than the font's own line spacing where a fallback font draws them.
    const QFontMetrics metrics = label->fontMetrics();
    const int line = std::max(metrics.lineSpacing(), metrics.boundingRect(qtTrId("漢あ")).height() + metrics.leading());
    label->setFixedHeight(2 * line + 4);
  }
  auto* again = new QPushButton(qtTrId("最初から"));
  auto* leaveButton = new QPushButton(qtTrId("レッスンをやめる"));
  again->setToolTip(qtTrId("レッスンを最初の手順から始めます"));
  leaveButton->setToolTip(qtTrId("レッスンをやめて、ふだんの対戦に戻ります。次はこの手順から続けられます"));
  for (QPushButton* button : {again, leaveButton}) button->setFocusPolicy(Qt::NoFocus);
  connect(again, &QPushButton::clicked, this, [restart = std::move(restart)] { restart(); });
  connect(leaveButton, &QPushButton::clicked, this, [this] { leave_(); });

  // The step's heading is the window's title; the explanation shares its row with the buttons.
  auto* second = new QHBoxLayout;
  second->addWidget(note_, 1);
  second->addWidget(again);
  second->addWidget(leaveButton);
  strip_ = MonthStrip();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 4, 8, 4);
  layout->setSpacing(2);
  layout->addWidget(instruction_);
  layout->addLayout(second);
  layout->addWidget(strip_);
}

// One card a month, named under it by its month and plant: the pictures a month is told by.
QWidget* LessonPanel::MonthStrip() {
  auto* strip = new QWidget;
  strip->setObjectName("LessonMonths");
  strip->setAccessibleName(qtTrId("十二か月の札"));
  auto* grid = new QGridLayout(strip);
  grid->setContentsMargins(0, 2, 0, 0);
  grid->setHorizontalSpacing(4);
  grid->setVerticalSpacing(0);
  const qreal ratio = devicePixelRatioF();
  const QPixmap sheet = RenderCardSheet(ratio * kStripScale);
  for (int month = 1; month <= 12; ++month) {
    const CardCode card(HexDigit(month), '1');
    auto* picture = new QLabel;
    QPixmap cell = CardCell(sheet, CellOf(card));
    cell.setDevicePixelRatio(ratio);
    picture->setPixmap(cell);
    picture->setAlignment(Qt::AlignCenter);
    const QString name = QString(qtTrId("%1月 %2")).arg(month).arg(Q(MonthPlant(month)));
    picture->setAccessibleName(name);
    auto* caption = new QLabel(QString(qtTrId("%1月\n%2")).arg(month).arg(Q(MonthPlant(month))));
    caption->setAlignment(Qt::AlignCenter);
    QFont small = caption->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    caption->setFont(small);
    grid->addWidget(picture, 0, month - 1);
    grid->addWidget(caption, 1, month - 1);
  }
  return strip;
}

void LessonPanel::Show(const LessonCaption& caption) {
  setWindowTitle(Q(caption.heading));
  instruction_->setText(Q(caption.instruction));
  note_->setText(Q(caption.note));
  // A refusal stands out from the explanation it replaces, in the palette's own warning-free way:
  // bold, so it reads in any colour scheme.
  QFont font = note_->font();
  font.setBold(caption.refused);
  note_->setFont(font);
  note_->setForegroundRole(caption.refused ? QPalette::Link : QPalette::WindowText);
  strip_->setVisible(caption.monthStrip);
  setAccessibleDescription(Q(caption.instruction));
  // Placed once shown as well: a window manager places a new window as it likes.
  PlaceUnder();
  if (!isVisible()) {
    show();
    PlaceUnder();
  }
}

void LessonPanel::PlaceUnder() {
  const QRect main = mainWindow_->frameGeometry();
  setFixedWidth(std::max(mainWindow_->width(), strip_->sizeHint().width() + 16));
  adjustSize();
  const QRect screen = mainWindow_->screen()->availableGeometry();
  const int x =
      std::clamp(main.center().x() - width() / 2, screen.left(), std::max(screen.left(), screen.right() - width()));
  const int below = main.bottom() + 4;
  const int y = below + height() + kFrameAllowance <= screen.bottom()
                    ? below
                    : std::max(screen.top(), screen.bottom() - height() - kFrameAllowance);
  move(x, y);
}

// The close box leaves the lesson, as its button does.
void LessonPanel::closeEvent(QCloseEvent* event) {
  event->ignore();
  leave_();
}

}  // namespace pg::ui

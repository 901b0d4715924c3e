// The rule dialog on screen. A button's handler runs when it takes the focus, as a click or the arrow
// keys give it; the dialog opens with the focus on "OK", so opening it changes nothing.
#include "ui/form_rule.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "engine/card.h"
#include "engine/game.h"
#include "play/menu.h"
#include "rules/rule_dialog.h"
#include "ui/art/artwork.h"
#include "ui/art/card_sheet.h"
#include "ui/label_item.h"

namespace pg::ui {

namespace {

struct RowText {
  const char* label;
  const char* first;
  const char* second;
};

constexpr RowText kRows[] = {
    {QT_TRID_NOOP("花見で一杯の有無"), QT_TRID_NOOP("有"), QT_TRID_NOOP("無")},
    {QT_TRID_NOOP("月見で一杯の有無"), QT_TRID_NOOP("有"), QT_TRID_NOOP("無")},
    {QT_TRID_NOOP("親権の有無"), QT_TRID_NOOP("有"), QT_TRID_NOOP("無")},
    {QT_TRID_NOOP("「菊に杯」の扱い"), QT_TRID_NOOP("１０点札"), QT_TRID_NOOP("カス札")},
};

// Each row opens with a small picture of what it is about: the cherry curtain, the moon, the dealer's
// mark and the sake cup.
QPixmap RowPicture(int row, const QPixmap& sheet, qreal dpr) {
  constexpr CardCode kCards[] = {{'3', '1'}, {'8', '1'}, {}, {'9', '1'}};
  const QPixmap picture = row == 2 ? DealerMark(dpr) : CardCell(sheet, CellOf(kCards[row]));
  return picture.scaledToHeight(qRound(32 * dpr), Qt::SmoothTransformation);
}

}  // namespace

FormRule::FormRule(Game& game, QWidget* parent)
    : CoreDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      game_(game) {
  setWindowTitle(qtTrId("ルールの変更"));
  setModal(true);
  setFont(GameFont(10));
  const qreal dpr = devicePixelRatioF();
  const QPixmap sheet = RenderCardSheet(dpr);
  // Made first, "OK" comes first in the focus chain.
  auto* ok = new QPushButton("OK", this);
  ok->setDefault(true);
  ok->setMinimumWidth(80);
  connect(ok, &QPushButton::clicked, this, [this] { FormRuleOk(game_); });
  ok_ = ok;

  auto* rulesFrame = new QGroupBox(this);
  auto* grid = new QGridLayout(rulesFrame);
  grid->setVerticalSpacing(14);
  grid->setHorizontalSpacing(10);
  for (int row = 0; row < 4; ++row) {
    auto* picture = new QLabel;
    QPixmap pixmap = RowPicture(row, sheet, dpr);
    pixmap.setDevicePixelRatio(dpr);
    picture->setPixmap(pixmap);
    picture->setFixedWidth(24);
    picture->setAlignment(Qt::AlignCenter);
    grid->addWidget(picture, row, 0);
    grid->addWidget(new QLabel(qtTrId(kRows[row].label)), row, 1);

    auto* pair = new QWidget;
    auto* pairLayout = new QHBoxLayout(pair);
    pairLayout->setContentsMargins(0, 0, 0, 0);
    auto* group = new QButtonGroup(pair);
    for (int index = 0; index < 2; ++index) {
      auto* button = new QRadioButton(qtTrId(index == 0 ? kRows[row].first : kRows[row].second));
      button->installEventFilter(this);
      group->addButton(button);
      pairLayout->addWidget(button);
      options_[row][index] = button;
    }
    grid->addWidget(pair, row, 2);

    if (row < 2) {
      auto* frame = new QGroupBox;
      auto* frameLayout = new QHBoxLayout(frame);
      frameLayout->setContentsMargins(6, 2, 6, 2);
      frameLayout->addWidget(new QLabel(qtTrId("得点（文）")));
      auto* spin = new QSpinBox;
      spin->setRange(1, 5);
      spin->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
      connect(spin, &QSpinBox::valueChanged, this, [this, row](int value) {
        if (syncing_) return;
        RuleScrollChange(game_, row, value);
      });
      frameLayout->addWidget(spin);
      points_[row] = spin;
      pointFrames_[row] = frame;
      grid->addWidget(frame, row, 3);
    }
  }

  auto* notice = new QLabel(qtTrId("※ルールを変更した場合、ゲームは初期化されます。"));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(12, 10, 12, 12);
  layout->addWidget(rulesFrame);
  layout->addWidget(notice);
  layout->addWidget(ok, 0, Qt::AlignRight);
  SyncFromCore();
}

void FormRule::SyncFromCore() {
  syncing_ = true;
  const RuleControls& rules = game_.rules;
  for (int row = 0; row < 4; ++row) options_[row][rules.option[row] == 0 ? 0 : 1]->setChecked(true);
  for (int i = 0; i < 2; ++i) {
    points_[i]->setValue(rules.rscroll[i]);
    pointFrames_[i]->setEnabled(rules.PointsEnabled(i));
  }
  syncing_ = false;
}

// Focus given back when the window becomes active again is no touch of the player's.
bool FormRule::eventFilter(QObject* watched, QEvent* event) {
  const auto* focus = event->type() == QEvent::FocusIn ? static_cast<QFocusEvent*>(event) : nullptr;
  if (focus && focus->reason() != Qt::ActiveWindowFocusReason && !syncing_) {
    for (int row = 0; row < 4; ++row) {
      for (int index = 0; index < 2; ++index) {
        if (watched != options_[row][index]) continue;
        // The 花見 and 月見 rows show and hide the table's progress labels.
        CallCore([&] { RuleOptionFocus(game_, static_cast<RuleRow>(row), index); });
      }
    }
  }
  return CoreDialog::eventFilter(watched, event);
}

void FormRule::showEvent(QShowEvent* event) {
  CoreDialog::showEvent(event);
  ok_->setFocus();
}

void FormRule::closeEvent(QCloseEvent* event) {
  event->ignore();
  FormRuleOk(game_);
}

void FormRule::reject() { FormRuleOk(game_); }

}  // namespace pg::ui

// The wait window on screen, centred over the main window.
#include "ui/form_wait.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/game.h"
#include "play/ending.h"
#include "ui/label_item.h"

namespace pg::ui {

FormWait::FormWait(const Game& game, QWidget* parent)
    : CoreDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), game_(game) {
  setWindowTitle("Petalgame 32");
  setModal(true);
  auto* label = new QLabel(qtTrId("しばらくお待ちください"), this);
  label->setFont(GameFont(12));
  label->setAlignment(Qt::AlignCenter);
  wayBack_ = new QPushButton(qtTrId("ゲームに戻る"), this);
  wayBack_->setFont(GameFont(10));
  connect(wayBack_, &QPushButton::clicked, this, [this] { WaitWayBack(game_); });
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(24, 18, 24, 14);
  layout->setSpacing(12);
  layout->addWidget(label);
  layout->addWidget(wayBack_, 0, Qt::AlignHCenter);
}

void FormWait::SyncFromCore() {
  wayBack_->setVisible(game_.wait.wayBack);
  adjustSize();
}

void FormWait::showEvent(QShowEvent* event) {
  CoreDialog::showEvent(event);
  CentreOverParent();
}

void FormWait::closeEvent(QCloseEvent* event) { event->ignore(); }

}  // namespace pg::ui

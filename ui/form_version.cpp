// The version dialog on screen.
#include "ui/form_version.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/game.h"
#include "play/menu.h"
#include "ui/art/artwork.h"
#include "ui/label_item.h"

namespace pg::ui {

namespace {

constexpr const char* kCredits[] = {
    QT_TRID_NOOP("Petalgame 32　バージョン 1.0"),
    QT_TRID_NOOP("花札こいこい　一人用　対コンピュータ"),
    QT_TRID_NOOP("Petalgame 32 開発チーム　制作"),
};

}  // namespace

FormVersion::FormVersion(const Game& game, QWidget* parent)
    : CoreDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      game_(game) {
  setWindowTitle(qtTrId("ﾊﾞｰｼﾞｮﾝ情報"));
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(16, 16, 16, 12);
  layout->setSpacing(6);
  auto* picture = new QLabel(this);
  QPixmap pixmap = VersionPicture(devicePixelRatioF());
  picture->setPixmap(pixmap);
  picture->setAlignment(Qt::AlignCenter);
  layout->addWidget(picture);
  layout->addSpacing(6);
  for (const char* credit : kCredits) {
    auto* label = new QLabel(qtTrId(credit), this);
    label->setFont(GameFont(10));
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
  }
  auto* ok = new QPushButton("OK", this);
  ok->setDefault(true);
  ok->setMinimumWidth(80);
  connect(ok, &QPushButton::clicked, this, [this] { FormVersionOk(game_); });
  layout->addSpacing(6);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
}

void FormVersion::closeEvent(QCloseEvent* event) {
  event->ignore();
  FormVersionOk(game_);
}

void FormVersion::reject() { FormVersionOk(game_); }

}  // namespace pg::ui

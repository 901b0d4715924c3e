// The main window as a player meets it: its caption and size, the menu, and a new match.
#include "ui/form_main.h"

#include <gtest/gtest.h>

#include <QGraphicsItem>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include "engine/game.h"
#include "engine/geometry.h"
#include "play/setup.h"
#include "play/turn_driver.h"
#include "ui/board_view.h"
#include "ui/qt_platform.h"
#include "tests/ui/test_application.h"

namespace pg::test {
namespace {

class FormMainTest : public ::testing::Test {
 protected:
  FormMainTest() { platform.SetStepInterval(0); }

  bool applicationReady = EnsureApplication();
  ui::QtPlatform platform;
  Game game{platform};
  ui::FormMain form{game, platform};
};

TEST_F(FormMainTest, CaptionSizeAndMenu) {
  setup(game);
  EXPECT_EQ(form.windowTitle(), "Petalgame 32");
  EXPECT_EQ(form.size(), QSize(760, 542));
  const char* expected[] = {"MenuPlay", "MenuEnd", "MenuOption", "MenuRule", "MenuHiScore", "MenuHelp", "MenuInfo"};
  const int lefts[] = {8, 80, 168, 240, 312, 400, 472};
  for (int i = 0; i < 7; ++i) {
    auto* button = form.findChild<QPushButton*>(expected[i]);
    ASSERT_NE(button, nullptr) << expected[i];
    EXPECT_EQ(button->geometry(), QRect(lefts[i], 2, 72, 40)) << expected[i];
  }
}

TEST_F(FormMainTest, PlayStartsTheDealerDrawOnScreen) {
  setup(game);
  form.findChild<QPushButton*>("MenuPlay")->click();
  EXPECT_EQ(game.table.Phase, Phase::DealerDraw);
  int shownCards = 0;
  int shownTexts = 0;
  for (QGraphicsItem* item : form.Board()->scene()->items()) {
    if (!item->isVisible()) continue;
    if (item->type() == QGraphicsPixmapItem::Type && item->boundingRect().size() == QSizeF(40, 64)) ++shownCards;
    if (item->type() == QGraphicsItem::UserType) ++shownTexts;
  }
  EXPECT_EQ(shownCards, 12);
  EXPECT_GT(game.board.message[1].left, 0) << "centred with the real font's width";
  EXPECT_LT(game.board.message[1].left, 200);
}

TEST_F(FormMainTest, ClicksMadeWhileCardsFlyAreDroppedNotQueued) {
  setup(game);
  form.show();
  platform.SetStepInterval(2);
  StartGame(game);
  Card_Click(game, 0);
  QWidget* viewport = form.Board()->viewport();
  const Point slot = HandSlotPosition(game.table, 0, 0);
  const QPointF firstHandCard(slot.x + kCellWidth / 2, slot.y + kCellHeight / 2);
  // Late in the deal, when the first hand card already lies in its slot, click it.
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, viewport, [&] {
    if (platform.StepsShown() < 120) return;
    poll.stop();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
      QCoreApplication::postEvent(viewport, new QMouseEvent(type, firstHandCard, viewport->mapToGlobal(firstHandCard),
                                                            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    }
  });
  poll.start(1);
  Form_Click(game);
  QCoreApplication::processEvents();
  EXPECT_GT(platform.StepsShown(), 30) << "the deal was animated";
  EXPECT_EQ(game.table.HandLeft, game.table.Oya == 0 ? 16 : 15) << "the click during the deal played nothing";
}

}  // namespace
}  // namespace pg::test

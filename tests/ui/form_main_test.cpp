// The main window as a player meets it: its caption and size, the menu, and a new match.
#include "ui/form_main.h"

#include <gtest/gtest.h>

#include <QGraphicsItem>
#include <QMouseEvent>
#include <QTimer>
#include <algorithm>
#include <string>
#include <vector>

#include "engine/game.h"
#include "engine/geometry.h"
#include "play/menu.h"
#include "play/setup.h"
#include "play/turn_driver.h"
#include "ui/board_view.h"
#include "ui/picture_button.h"
#include "ui/qt_platform.h"
#include "tests/ui/picture_button_probe.h"
#include "tests/ui/test_application.h"

namespace pg::test {
namespace {

const char* const kMenuNames[] = {"MenuPlay",    "MenuEnd",  "MenuOption", "MenuRule",
                                  "MenuHiScore", "MenuHelp", "MenuInfo"};

class FormMainTest : public ::testing::Test {
 protected:
  FormMainTest() {
    platform.SetStepInterval(0);
    for (ui::AXButtonCtl* button : form.findChildren<ui::AXButtonCtl*>()) {
      button->SetSoundPlayer([this](std::string_view name) { sounds.emplace_back(name); });
    }
  }

  ui::AXButtonCtl& Menu(const char* name) { return *form.findChild<ui::AXButtonCtl*>(name); }

  // A press and release of one mouse button on a menu button, as the player makes them.
  void PressAndRelease(const char* name, Qt::MouseButton mouseButton) {
    ui::AXButtonCtl& button = Menu(name);
    SendMouse(button, QEvent::MouseButtonPress, {30, 20}, mouseButton, mouseButton);
    SendMouse(button, QEvent::MouseButtonRelease, {30, 20}, mouseButton, Qt::NoButton);
  }

  bool applicationReady = EnsureApplication();
  ui::QtPlatform platform;
  Game game{platform};
  ui::FormMain form{game, platform};
  std::vector<std::string> sounds;
};

TEST_F(FormMainTest, CaptionSizeAndMenu) {
  setup(game);
  EXPECT_EQ(form.windowTitle(), "Petalgame 32");
  EXPECT_EQ(form.size(), QSize(760, 542));
  const int lefts[] = {8, 80, 168, 240, 312, 400, 472};
  for (int i = 0; i < 7; ++i) {
    auto* button = form.findChild<ui::AXButtonCtl*>(kMenuNames[i]);
    ASSERT_NE(button, nullptr) << kMenuNames[i];
    EXPECT_EQ(button->geometry(), QRect(lefts[i], 2, 72, 40)) << kMenuNames[i];
  }
}

TEST_F(FormMainTest, AnyMouseButtonRunsAMenuCommand) {
  setup(game);
  PressAndRelease("MenuPlay", Qt::RightButton);
  EXPECT_EQ(game.table.Phase, Phase::DealerDraw);
  EXPECT_TRUE(sounds.empty()) << "a right press makes no click";
  EXPECT_EQ(FrameSeen(Menu("MenuPlay")), "flat");
}

TEST_F(FormMainTest, TheMenuStaysDarkForASecondAfterACommand) {
  setup(game);
  ArmMenuGuard(game);
  ui::AXButtonCtl& play = Menu("MenuPlay");
  SendMouse(play, QEvent::MouseMove, {30, 20}, Qt::NoButton, Qt::NoButton);
  EXPECT_EQ(FrameSeen(play), "flat");
  EXPECT_TRUE(sounds.empty());
  MenuGuardTimer_Timer(game);
  SendMouse(play, QEvent::MouseMove, {31, 20}, Qt::NoButton, Qt::NoButton);
  EXPECT_EQ(FrameSeen(play), "raised");
  EXPECT_EQ(sounds, std::vector<std::string>{"MenuPopup"});
}

// The commands not built yet leave their buttons disabled; a player must see which.
TEST_F(FormMainTest, DisabledMenuButtonsLookItAndStaySilent) {
  setup(game);
  for (const char* name : kMenuNames) {
    SCOPED_TRACE(name);
    ui::AXButtonCtl& button = Menu(name);
    SendEnter(button, {30, 20});
    if (button.isEnabled()) {
      EXPECT_GT(PictureColour(button).hsvSaturation(), 100);
      EXPECT_EQ(FrameSeen(button), "raised");
    } else {
      EXPECT_LT(PictureColour(button).hsvSaturation(), 40);
      EXPECT_EQ(FrameSeen(button), "flat");
    }
    SendLeave(button);
  }
  const auto enabled = std::count_if(std::begin(kMenuNames), std::end(kMenuNames),
                                     [&](const char* name) { return Menu(name).isEnabled(); });
  EXPECT_EQ(sounds.size(), static_cast<std::size_t>(enabled)) << "one hover sound per enabled button";
}

TEST_F(FormMainTest, PlayStartsTheDealerDrawOnScreen) {
  setup(game);
  PressAndRelease("MenuPlay", Qt::LeftButton);
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

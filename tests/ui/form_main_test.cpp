// The main window as a player meets it: its caption and size, the menu, and a new match.
#include "ui/form_main.h"

#include <gtest/gtest.h>

#include <QGraphicsItem>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <string>
#include <vector>

#include "engine/game.h"
#include "engine/geometry.h"
#include "play/keyboard.h"
#include "play/menu.h"
#include "play/setup.h"
#include "play/turn_driver.h"
#include "tests/ui/picture_button_probe.h"
#include "tests/ui/test_application.h"
#include "ui/board_view.h"
#include "ui/help_window.h"
#include "ui/key_cursor_item.h"
#include "ui/picture_button.h"
#include "ui/qt_platform.h"

namespace pg::test {
namespace {

const char* const kMenuNames[] = {"MenuPlay",    "MenuEnd",  "MenuOption", "MenuRule",
                                  "MenuHiScore", "MenuHelp", "MenuInfo",   "MenuRecord"};

class FormMainTest : public ::testing::Test {
 protected:
  FormMainTest() {
    platform.SetStepInterval(0);
    for (ui::AXButtonCtl* button : form.findChildren<ui::AXButtonCtl*>()) {
      button->SetSoundPlayer([this](std::string_view name) { sounds.emplace_back(name); });
    }
  }

  ui::AXButtonCtl& Menu(const char* name) { return *form.findChild<ui::AXButtonCtl*>(name); }

  // Set up with a seed whose deal gives neither hand 手四 nor くっつき: their win dialog would wait
  // for a player who is not there.
  void SetUpForADeal() {
    setup(game);
    game.random.Seed(1);
  }

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
  // 成績 is narrower, so that it ends inside the 640 x 480 mode's table.
  const int lefts[] = {8, 80, 168, 240, 312, 400, 472, 554};
  for (int i = 0; i < 8; ++i) {
    auto* button = form.findChild<ui::AXButtonCtl*>(kMenuNames[i]);
    ASSERT_NE(button, nullptr) << kMenuNames[i];
    EXPECT_EQ(button->geometry(), QRect(lefts[i], 2, i == 7 ? 44 : 72, 40)) << kMenuNames[i];
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
  SetUpForADeal();
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

// Each menu command's key opens what its button opens; the dialogs are closed as they come up.
TEST_F(FormMainTest, EveryMenuCommandHasAKey) {
  setup(game);
  form.show();
  // Without a window manager a closed dialog stays the active window, and shortcuts need their
  // own window active.
  auto activate = [&] {
    QApplication::setActiveWindow(&form);
    return QTest::qWaitForWindowActive(&form);
  };
  QString opened;
  auto closeWhatOpens = [&] {
    QTimer::singleShot(0, [&] {
      QWidget* modal = QApplication::activeModalWidget();
      if (!modal) return;
      if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        opened = box->text();
        for (QAbstractButton* button : box->buttons()) {
          if (button->text() == "いいえ(&N)") button->click();
        }
        return;
      }
      opened = modal->windowTitle();
      modal->close();
    });
  };
  const std::pair<QKeySequence, QString> dialogs[] = {
      {QKeySequence("Ctrl+O"), "オプション"},
      {QKeySequence("Ctrl+R"), "ルールの変更"},
      {QKeySequence("Ctrl+H"), "ﾊｲｽｺｱ"},
      {QKeySequence("Ctrl+I"), "ﾊﾞｰｼﾞｮﾝ情報"},
      {QKeySequence("Ctrl+Q"), "Petalgame 32 を終了しますか。"},
  };
  for (const auto& [keys, expected] : dialogs) {
    ASSERT_TRUE(activate());
    opened.clear();
    closeWhatOpens();
    QTest::keySequence(&form, keys);
    EXPECT_EQ(opened, expected) << keys.toString().toStdString();
  }
  EXPECT_TRUE(form.isVisible()) << "answering No to Ctrl+Q keeps the game";

  ASSERT_TRUE(activate());
  QTest::keyClick(&form, Qt::Key_F2);
  EXPECT_EQ(game.table.Phase, Phase::DealerDraw);
  QTest::keyClick(&form, Qt::Key_F1);
  const auto helps = form.findChildren<ui::HelpWindow*>();
  EXPECT_TRUE(std::any_of(helps.begin(), helps.end(), [](QWidget* help) { return help->isVisible(); }));
}

TEST_F(FormMainTest, TheKeyboardCursorFramesTheCardTheCoreChose) {
  setup(game);
  form.show();
  StartGame(game);
  form.Board()->Sync();
  const auto cursors = form.Board()->scene()->items();
  auto cursor = std::find_if(cursors.begin(), cursors.end(),
                             [](QGraphicsItem* item) { return dynamic_cast<ui::KeyCursorItem*>(item) != nullptr; });
  ASSERT_NE(cursor, cursors.end());
  EXPECT_FALSE((*cursor)->isVisible()) << "not before a key";
  for (Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down}) QTest::keyClick(form.Board(), key);
  ASSERT_EQ(KeyCursorCard(game), 7);
  EXPECT_TRUE((*cursor)->isVisible());
  EXPECT_EQ((*cursor)->pos(), QPointF(game.board.Card[7].left, game.board.Card[7].top));
  QTest::keyClick(form.Board(), Qt::Key_Space);
  EXPECT_EQ(game.table.Phase, Phase::DealerKnown) << "Space drew the framed card";
  EXPECT_FALSE((*cursor)->isVisible());
}

TEST_F(FormMainTest, KeysPressedWhileCardsFlyAreDroppedNotQueued) {
  SetUpForADeal();
  form.show();
  platform.SetStepInterval(2);
  StartGame(game);
  Card_Click(game, 0);
  QWidget* board = form.Board();
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, board, [&] {
    if (platform.StepsShown() < 120) return;
    poll.stop();
    for (int i = 0; i < 2; ++i) {
      QCoreApplication::postEvent(board, new QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier));
    }
  });
  poll.start(1);
  Form_Click(game);
  QCoreApplication::processEvents();
  EXPECT_EQ(game.table.HandLeft, game.table.Oya == 0 ? 16 : 15) << "the keys during the deal played nothing";
  EXPECT_FALSE(KeyCursorCard(game)) << "nor even showed the cursor";
}

// Ctrl+Q while the cards of a keyboard move fly is taken as 終了 and the close box are: once they
// land the game asks, saying what becomes of the match.
TEST_F(FormMainTest, CtrlQWhileCardsFlyAfterAKeyAsksOnceTheyLand) {
  SetUpForADeal();
  form.show();
  QApplication::setActiveWindow(&form);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  platform.SetStepInterval(2);
  StartGame(game);
  Card_Click(game, 0);
  QString asked;
  QTimer answer;
  QObject::connect(&answer, &QTimer::timeout, &form, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    asked = box->text();
    for (QAbstractButton* button : box->buttons()) {
      if (button->text() == "いいえ(&N)") button->click();
    }
  });
  answer.start(5);
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &form, [&] {
    if (platform.StepsShown() < 60) return;
    poll.stop();
    QTest::keySequence(&form, QKeySequence("Ctrl+Q"));
  });
  poll.start(1);
  QTest::keyClick(form.Board(), Qt::Key_Return);
  EXPECT_GE(platform.StepsShown(), 60) << "the deal was animated";
  EXPECT_EQ(asked, "Petalgame 32 を終了しますか。\nいまの対戦は中断として記録され、負けに数えられます。");
  EXPECT_TRUE(form.isVisible()) << "いいえ keeps the game";
}

}  // namespace
}  // namespace pg::test

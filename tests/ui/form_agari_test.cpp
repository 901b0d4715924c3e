// The win dialog as the player sees it: who won, which choices are open, and that it stays up.
#include "ui/form_agari.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "engine/game.h"
#include "headless/scripted_platform.h"
#include "play/agari.h"
#include "play/timers.h"
#include "tests/ui/test_application.h"

namespace {

class FormAgariTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform.onTimer = [this](pg::Timer timer) { pg::TimerTick(game, timer); };
    game.board.Score[1].caption = " 0";
  }
  QPushButton* Button(const QString& text) {
    for (QPushButton* button : form.findChildren<QPushButton*>()) {
      if (button->isVisibleTo(&form) && button->text() == text) return button;
    }
    return nullptr;
  }

  // Widgets need the application before the fixture's members are built.
  bool applicationReady = pg::test::EnsureApplication();
  pg::headless::ScriptedPlatform platform;
  pg::Game game{platform};
  pg::ui::FormAgari form{game, nullptr};
};

TEST_F(FormAgariTest, PlayerWithTheLastCardSeesOnlyStopOpen) {
  game.table.YakuCount[0][pg::YakuGroup::Hikari] = 7;
  game.table.TurnStep = pg::TurnStep::PlayerStock;
  game.table.HandLeft = 1;
  game.table.WinCode = pg::WinCode::Yaku;
  QString title;
  platform.onModal = [&](pg::Dialog) {
    form.SyncFromCore();
    title = form.findChild<QGroupBox*>()->title();
    ASSERT_NE(Button("こいこい"), nullptr);
    EXPECT_FALSE(Button("こいこい")->isEnabled());
    ASSERT_NE(Button("勝負"), nullptr);
    Button("勝負")->click();
  };
  pg::Agari(game);
  EXPECT_EQ(form.windowTitle(), "出来役");
  EXPECT_EQ(title, "あなた");
  EXPECT_EQ(game.board.Score[1].caption, " 14");
}

TEST_F(FormAgariTest, NeitherTheTitleBarNorEscapeClosesIt) {
  form.show();
  EXPECT_FALSE(form.close());
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(&form, &escape);
  EXPECT_TRUE(form.isVisible());
}

// Enter alone never chooses; Tab or an arrow reaches a button first, and Enter presses that one.
TEST_F(FormAgariTest, TheKeysReachTheButtonsAndEnterPressesTheFocusedOne) {
  game.table.YakuCount[0][pg::YakuGroup::Hikari] = 7;
  game.table.TurnStep = pg::TurnStep::PlayerStock;
  game.table.HandLeft = 9;
  game.table.WinCode = pg::WinCode::Yaku;
  std::vector<QString> focused;
  platform.onModal = [&](pg::Dialog) {
    form.SyncFromCore();
    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    auto focus = [&] {
      auto* button = qobject_cast<QPushButton*>(form.focusWidget());
      focused.push_back(button ? button->text() : QString());
    };
    QTest::keyClick(&form, Qt::Key_Return);
    focus();
    QTest::keyClick(&form, Qt::Key_Tab);
    focus();
    QTest::keyClick(&form, Qt::Key_Right);
    focus();
    QTest::keyClick(&form, Qt::Key_Down);
    focus();
    QTest::keyClick(&form, Qt::Key_Left);
    focus();
    EXPECT_EQ(game.agari.check, pg::WinChoice::None) << "nothing was pressed yet";
    auto* chosen = qobject_cast<QPushButton*>(form.focusWidget());
    ASSERT_NE(chosen, nullptr);
    QSignalSpy pressed(chosen, &QPushButton::clicked);
    QTest::keyClick(chosen, Qt::Key_Return);
    // The core hears of the choice through the button's click: wait for that, not for a time.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !pressed.isEmpty(); }));
    form.hide();
  };
  pg::Agari(game);
  EXPECT_EQ(focused, (std::vector<QString>{"", "こいこい", "勝負", "こいこい", "勝負"})) << "Down wraps round";
  EXPECT_EQ(game.table.matchScore[0], 14) << "勝負 was pressed and the month paid";
}

}  // namespace

// The win dialog as the player sees it: who won, which choices are open, and that it stays up.
#include "ui/form_agari.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>

#include "engine/game.h"
#include "play/timers.h"
#include "rules/win_dialog.h"
#include "headless/scripted_platform.h"
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
  game.table.TurnStep = 2;
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

}  // namespace

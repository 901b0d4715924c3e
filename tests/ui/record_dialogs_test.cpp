// The dialogs around the status file as a player meets them: the rule dialog, the name box and the
// tables.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "engine/game.h"
#include "engine/geometry.h"
#include "engine/window_place.h"
#include "play/hi_score.h"
#include "play/menu.h"
#include "play/setup.h"
#include "tests/ui/test_application.h"
#include "ui/board_view.h"
#include "ui/form_input_name.h"
#include "ui/form_main.h"
#include "ui/form_score.h"
#include "ui/qt_platform.h"

namespace pg::test {
namespace {

class RecordDialogsTest : public ::testing::Test {
 protected:
  RecordDialogsTest() {
    platform.SetStepInterval(0);
    setup(game);
  }
  // Runs `act` on the modal dialog that is open once the event loop turns.
  static void WhenShown(std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, [act] { act(QApplication::activeModalWidget()); });
  }

  bool applicationReady = EnsureApplication();
  ui::QtPlatform platform;
  Game game{platform};
  ui::FormMain form{game, platform};
};

// The dialogs are made when first opened: until then the place the status file gave stays as it
// was, to be saved again, and the dialog opens there.
TEST_F(RecordDialogsTest, ADialogNotYetOpenedKeepsItsStoredPlaceAndOpensThere) {
  const auto rule = static_cast<std::size_t>(Window::Rule);
  game.table.status.windows.left[rule] = 1502;
  game.table.status.windows.top[rule] = 1200;
  PlaceStoredWindows(game);
  const std::optional<WindowOrigin> kept = platform.NormalWindowOrigin(Window::Rule);
  ASSERT_TRUE(kept.has_value());
  EXPECT_EQ(kept->left, 1502) << "not rounded to a pixel";
  EXPECT_EQ(kept->top, 1200);
  QPoint openedAt;
  WhenShown([&openedAt](QWidget* dialog) {
    openedAt = dialog->geometry().topLeft();
    dialog->close();
  });
  MenuRule(game);
  // Within the frame the test platform draws around a window.
  EXPECT_LE((openedAt - QPoint(100, 80)).manhattanLength(), 4) << openedAt.x() << "," << openedAt.y();
}

TEST_F(RecordDialogsTest, TheRuleDialogOpensWithoutTouchingARuleAndAClickOnOneCounts) {
  StartGame(game);
  game.SetPhase(Phase::PlayerToPlay);
  WhenShown([](QWidget* dialog) {
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "ルールの変更");
    for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
      if (button->text() == "OK") button->click();
    }
  });
  MenuRule(game);
  EXPECT_EQ(game.table.Phase, Phase::PlayerToPlay) << "opening and closing changes nothing";

  WhenShown([](QWidget* dialog) {
    for (QRadioButton* button : dialog->findChildren<QRadioButton*>()) {
      // The selected button of the dealer's-right pair, clicked again.
      if (button->text() == "無" && button->isChecked() && button->parentWidget()->y() > 80) button->setFocus();
    }
    dialog->close();
  });
  MenuRule(game);
  EXPECT_EQ(game.table.Phase, Phase::DealerDraw) << "a touched rule restarts the match";
}

TEST_F(RecordDialogsTest, TheNameBoxTakesTheSixteenBytesTheStatusFileHolds) {
  ui::FormInputName dialog(game, &form);
  auto* box = dialog.findChild<QLineEdit*>();
  ASSERT_NE(box, nullptr);
  box->setFocus();
  box->insert("はなこ");
  box->insert("한");
  box->insert("😀");
  EXPECT_EQ(box->text(), "はなこ") << "characters the file cannot hold are refused";
  EXPECT_EQ(game.inputName.InputName, "はなこ");
  QTest::keyClicks(box, "ABCDEFGHIJKLMNOPQRS");
  EXPECT_EQ(box->text(), "はなこABCDEFGHIJ") << "a full-width character takes two of the sixteen bytes";
  bool limitShown = false;
  for (const QLabel* label : dialog.findChildren<QLabel*>()) limitShown |= label->text() == "あと半角0文字";
  EXPECT_TRUE(limitShown);
}

TEST_F(RecordDialogsTest, TheNameDialogOpensAboveTheResultLines) {
  form.move(40, 40);
  form.show();
  game.inputName.resultTop = MatchResultTop(game.table, 0);
  const ui::BoardView* board = form.Board();
  const int resultTop = board->mapToGlobal(board->mapFromScene(0, game.inputName.resultTop)).y();
  WhenShown([&](QWidget* dialog) {
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "名前入力");
    EXPECT_LT(dialog->frameGeometry().bottom(), resultTop);
    EXPECT_GE(dialog->frameGeometry().top(), 0);
    game.inputName.InputName = "はなこ";
    InputNameOk(game);
  });
  platform.RunModal(Dialog::InputName);
}

TEST_F(RecordDialogsTest, TheTablesShowTheirRowsAndTheNewNamesInBold) {
  game.scoreDialog.total.name[1] = "はなこ";
  game.scoreDialog.total.ten[1] = 12;
  game.scoreDialog.totalBold[1] = true;
  game.scoreDialog.game.points[0] = 9;
  game.scoreDialog.game.yaku[0] = "三光　　　   5文タン　　　   4文";
  ui::FormScore dialog(game, &form);
  dialog.SyncFromCore();
  EXPECT_EQ(dialog.windowTitle(), "ﾊｲｽｺｱ");
  const auto* tabs = dialog.findChild<QTabWidget*>();
  ASSERT_EQ(tabs->count(), 2);
  EXPECT_EQ(tabs->tabText(0), "総合");
  EXPECT_EQ(tabs->tabText(1), "一勝負");
  bool boldName = false;
  bool monthTotal = false;
  for (QLabel* label : dialog.findChildren<QLabel*>()) {
    if (label->text() == "はなこ") boldName = label->font().bold();
    if (label->text() == "9文") monthTotal = true;
  }
  EXPECT_TRUE(boldName);
  EXPECT_TRUE(monthTotal);
}

}  // namespace
}  // namespace pg::test

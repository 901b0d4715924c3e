// What a screen reader finds: every menu button, card and label of the table named, the win
// dialog's rows read whole, a card played through its press action, and the larger table.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QStringList>
#include <vector>

#include "engine/game.h"
#include "play/setup.h"
#include "play/spoken_table.h"
#include "play/turn_driver.h"
#include "tests/ui/test_application.h"
#include "ui/board_view.h"
#include "ui/form_agari.h"
#include "ui/form_main.h"
#include "ui/picture_button.h"
#include "ui/qt_platform.h"

namespace pg::test {
namespace {

struct Node {
  QAccessible::Role role;
  QString name;
  QAccessibleInterface* interface;
};

// Every visible node under `root`, depth first, as assistive technology walks it.
void Walk(QAccessibleInterface* root, std::vector<Node>& nodes) {
  for (int i = 0; i < root->childCount(); ++i) {
    QAccessibleInterface* child = root->child(i);
    if (!child || child->state().invisible) continue;
    nodes.push_back({child->role(), child->text(QAccessible::Name), child});
    Walk(child, nodes);
  }
}

std::vector<Node> Tree(QObject* root) {
  std::vector<Node> nodes;
  Walk(QAccessible::queryAccessibleInterface(root), nodes);
  return nodes;
}

bool Named(const Node& node) { return !node.name.trimmed().isEmpty(); }

class AccessibilityTest : public ::testing::Test {
 protected:
  AccessibilityTest() {
    platform.SetStepInterval(0);
    game.observer = &announcer;
    setup(game);
    // A seed whose deal gives neither hand 手四 nor くっつき.
    game.random.Seed(1);
    StartGame(game);
    Card_Click(game, 0);
    Form_Click(game);
    form.show();
    form.Board()->Sync();
  }

  bool applicationReady = EnsureApplication();
  ui::QtPlatform platform;
  Game game{platform};
  ui::FormMain form{game, platform};
  Announcer announcer{game, nullptr};
};

TEST_F(AccessibilityTest, EveryButtonCardAndLabelHasANameAndTheHandIsPressable) {
  const std::vector<Node> nodes = Tree(&form);
  int menuButtons = 0, handCards = 0, tableCards = 0, labels = 0;
  for (const Node& node : nodes) {
    const bool spoken =
        node.role == QAccessible::Button || node.role == QAccessible::Graphic || node.role == QAccessible::StaticText;
    EXPECT_TRUE(!spoken || Named(node)) << "role " << node.role;
    if (node.role == QAccessible::Button && node.interface->object()) ++menuButtons;
    if (node.name.endsWith(" 手札")) {
      ++handCards;
      EXPECT_EQ(node.role, QAccessible::Button) << node.name.toStdString();
    }
    if (node.name.endsWith(" 場")) ++tableCards;
    if (node.role == QAccessible::StaticText) ++labels;
  }
  EXPECT_EQ(menuButtons, 9);
  EXPECT_EQ(handCards, 8);
  EXPECT_GE(tableCards, 8);
  EXPECT_GT(labels, 3) << "the month, the totals and the progress labels";
  auto* tip = form.findChild<ui::AXButtonCtl*>("MenuRule");
  EXPECT_EQ(QAccessible::queryAccessibleInterface(tip)->text(QAccessible::Name), "ルールの変更");

  // A hand card pressed through the screen reader plays it, and the play is told.
  const int before = game.table.HandLeft;
  for (const Node& node : nodes) {
    if (!node.name.endsWith(" 手札") || !node.interface->actionInterface()) continue;
    platform.AnswerWinDialog([] { return 1; });
    node.interface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    if (game.table.Phase == Phase::HandChoice) {
      Card_Click(game, game.table.FieldCard[game.table.SameSlot[0]].pic);
    }
    break;
  }
  EXPECT_LT(game.table.HandLeft, before);
  EXPECT_FALSE(form.Board()->Announcement().isEmpty());
}

TEST_F(AccessibilityTest, TheWinDialogReadsEachRowWholeAndNamesItsButtons) {
  WinDialogState& dialog = game.agari;
  dialog.nam = "あなた";
  dialog.yakunam[0] = "三光";
  dialog.yakuten[0] = "6文";
  dialog.rowVisible[0] = true;
  for (int i = 0; i < 2; ++i) dialog.Command1[i].visible = dialog.Command1[i].enabled = true;
  ui::FormAgari agari(game, nullptr);
  agari.SyncFromCore();
  agari.show();
  bool rowRead = false;
  QStringList buttons;
  for (const Node& node : Tree(&agari)) {
    rowRead = rowRead || node.name == "三光 6文";
    if (node.role == QAccessible::Button) buttons << node.name;
  }
  agari.hide();
  EXPECT_TRUE(rowRead);
  EXPECT_EQ(buttons, (QStringList{"こいこい", "勝負"}));
}

TEST_F(AccessibilityTest, TheLargerTableGrowsTheWindowAndKeepsTheCardsSharp) {
  // Straight to the platform: the offscreen screen is too small to offer 150 %.
  platform.SetTableSize(150);
  EXPECT_EQ(form.size(), QSize(1140, 813));
  // The menu grows with it.
  EXPECT_EQ(form.findChild<ui::AXButtonCtl*>("MenuRule")->geometry(), QRect(360, 3, 108, 60));
  EXPECT_EQ(form.Board()->PictureRatio(), 1.5 * form.devicePixelRatioF());
  platform.SetTableSize(100);
  EXPECT_EQ(form.size(), QSize(760, 542));
  EXPECT_EQ(form.findChild<ui::AXButtonCtl*>("MenuRule")->geometry(), QRect(240, 2, 72, 40));
}

}  // namespace
}  // namespace pg::test

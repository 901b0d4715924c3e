// Prints what a screen reader reads through one turn of the real main window: the accessible tree
// once the month is dealt, every sentence told while the player's first hand card is pressed
// through its accessible action and the computer answers, and the tree after. Runs headless with
// QT_QPA_PLATFORM=offscreen, or on a display beside an AT-SPI reader to compare.
//   petalgame32-spoken-turn [SEED]
#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/game.h"
#include "play/setup.h"
#include "play/spoken_table.h"
#include "play/turn_driver.h"
#include "ui/board_view.h"
#include "ui/form_main.h"
#include "ui/qt_platform.h"

namespace {

// The game's own platform, printing each sentence as it is told.
class ListeningPlatform : public pg::ui::QtPlatform {
 public:
  void Announce(std::string_view text) override {
    std::printf("  «%.*s»\n", static_cast<int>(text.size()), text.data());
    QtPlatform::Announce(text);
  }
};

const char* RoleName(QAccessible::Role role) {
  switch (role) {
    case QAccessible::Button:
      return "button";
    case QAccessible::Graphic:
      return "picture";
    case QAccessible::StaticText:
      return "text";
    case QAccessible::Notification:
      return "notice";
    case QAccessible::Pane:
      return "pane";
    case QAccessible::Window:
      return "window";
    default:
      return "other";
  }
}

void Print(QAccessibleInterface* node, int depth) {
  for (int i = 0; i < node->childCount(); ++i) {
    QAccessibleInterface* child = node->child(i);
    if (!child || child->state().invisible) continue;
    const QString name = child->text(QAccessible::Name);
    if (!name.isEmpty() || child->childCount() > 0) {
      std::printf("%*s%s: %s\n", depth * 2, "", RoleName(child->role()), name.toUtf8().constData());
    }
    Print(child, depth + 1);
  }
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // The wallpapers are built beside the program.
  QDir::setCurrent(QCoreApplication::applicationDirPath());
  const std::uint64_t seed = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 1;
  ListeningPlatform platform;
  platform.SetStepInterval(0);
  // A yaku made in the turn is taken with 勝負, as a player in a hurry would.
  platform.AnswerWinDialog([] { return 1; });
  pg::Game game(platform);
  pg::Announcer announcer(game, nullptr);
  game.observer = &announcer;
  pg::ui::FormMain form(game, platform);
  setup(game);
  game.random.Seed(seed);
  form.show();
  pg::StartGame(game);
  pg::Card_Click(game, 0);
  std::printf("The deal:\n");
  pg::Form_Click(game);
  form.Board()->Sync();
  QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&form);
  std::printf("\nThe window before the turn:\n");
  Print(window, 1);
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(form.Board());
  std::printf("\nThe first hand card pressed:\n");
  for (int i = 0; i < table->childCount(); ++i) {
    QAccessibleInterface* card = table->child(i);
    if (card->role() != QAccessible::Button || !card->actionInterface()) continue;
    std::printf("  [%s]\n", card->text(QAccessible::Name).toUtf8().constData());
    card->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    if (game.table.Phase == pg::Phase::HandChoice || game.table.Phase == pg::Phase::StockChoice) {
      pg::Card_Click(game, game.table.FieldCard[game.table.SameSlot[0]].pic);
    }
    break;
  }
  form.Board()->Sync();
  std::printf("\nThe table after the turn:\n");
  Print(table, 1);
  return 0;
}

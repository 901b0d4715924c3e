// The review window: it fills from the search off the screen's thread, and a line opens the replay
// at its moment with the better card marked.
#include "ui/form_review.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "engine/game.h"
#include "headless/scripted_platform.h"
#include "tests/planted_month.h"
#include "tests/ui/test_application.h"

namespace pg::test {
namespace {

TEST(FormReviewTest, ListsThePlantedMoveAndALineOpensTheReplayWithTheBetterCardMarked) {
  EnsureApplication();
  headless::ScriptedPlatform platform;
  Game game(platform);
  Planted planted = PlantedMonth(3, 1);
  struct Opened {
    int month = 0, move = -1;
    std::optional<CardCode> marked;
  } opened;
  ui::SetReviewReplay([&](Game&, const HistoryMatch&, int month, int move, std::optional<CardCode> marked) {
    opened = {month, move, marked};
  });
  ui::FormReview window(game, planted.match, nullptr);
  window.show();
  auto* progress = window.findChild<QProgressBar*>();
  auto* list = window.findChild<QTreeWidget*>();
  ASSERT_TRUE(progress && list);
  ASSERT_TRUE(QTest::qWaitFor([&] { return progress->isHidden(); }, 60000)) << "the review finishes";
  ASSERT_GE(list->topLevelItemCount(), 1);
  int row = 0;
  while (row < list->topLevelItemCount() &&
         list->topLevelItem(row)->text(1) != QString::fromStdString(computer::MoveText(planted.played)))
    ++row;
  ASSERT_LT(row, list->topLevelItemCount()) << "the planted move is listed";
  EXPECT_EQ(list->topLevelItem(row)->text(0), "12月");

  emit list->itemActivated(list->topLevelItem(row), 0);
  EXPECT_FALSE(window.isVisible()) << "the window closes before the replay opens";
  window.OpenChosenLine();
  EXPECT_EQ(opened.month, 12);
  EXPECT_EQ(opened.move, planted.move);
  ASSERT_TRUE(opened.marked);
  EXPECT_NE(*opened.marked, CodeOf(planted.played.card)) << "the better card, not the one played";
  ui::SetReviewReplay({});
}

// Back from a 「こう打てば」 line the review is shown as it was, at once; the button asks for a line.
TEST(FormReviewTest, AReviewDoneIsShownAtOnceAndShowHowOpensTheChosenLine) {
  EnsureApplication();
  headless::ScriptedPlatform platform;
  Game game(platform);
  const Planted planted = PlantedMonth(3, 1);
  computer::MatchReview review;
  review.choicesWeighed = 6;
  review.lines = {{12, planted.move, planted.played, {model::MoveKind::Stop}, 0.3, 0.5}};
  std::optional<computer::ReviewLine> shown;
  ui::SetReviewShowHow(
      [&](Game&, const HistoryMatch&, const computer::ReviewLine& line, const computer::MatchReview& back) {
        shown = line;
        EXPECT_EQ(back.lines.size(), 1u) << "the review to go back to";
      });
  ui::FormReview window(game, planted.match, nullptr, review);
  window.show();
  auto* list = window.findChild<QTreeWidget*>();
  QPushButton* showHow = nullptr;
  for (auto* button : window.findChildren<QPushButton*>()) {
    if (button->text() == "こう打てば") showHow = button;
  }
  ASSERT_TRUE(list && showHow);
  EXPECT_TRUE(window.findChild<QProgressBar*>()->isHidden()) << "nothing is worked out again";
  ASSERT_EQ(list->topLevelItemCount(), 1);
  EXPECT_FALSE(showHow->isEnabled()) << "until a line is chosen";
  list->setCurrentItem(list->topLevelItem(0));
  ASSERT_TRUE(showHow->isEnabled());
  showHow->click();
  EXPECT_FALSE(window.isVisible());
  window.OpenChosenLine();
  ASSERT_TRUE(shown);
  EXPECT_EQ(shown->move, planted.move);
  ui::SetReviewShowHow({});
}

}  // namespace
}  // namespace pg::test

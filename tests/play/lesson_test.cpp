// 「はじめてのこいこい」 through the fake platform: each step takes only its move, the whole lesson
// reaches its end, and nothing of it is kept but the step reached.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdlib.h>

#include "play/lesson.h"
#include "play/keyboard.h"
#include "play/lesson_script.h"
#include "play/pointer.h"
#include "records/history_database.h"
#include "records/settings_file.h"
#include "records/status_file.h"
#include "tests/game_fixture.h"

namespace pg::test {
namespace {

namespace fs = std::filesystem;

constexpr ControlId kOnTable{};

ControlId CardControl(int pic) { return {ControlKind::Card, static_cast<std::int16_t>(pic)}; }

// Counts whatever a watcher of the game (the history's recorder) would be told.
struct CountingObserver : GameObserver {
  int events = 0;
  void Dealt() override { ++events; }
  void Captured(int, CardCode) override { ++events; }
  void AgariClosed(WinCode, int) override { ++events; }
  void MonthEnded() override { ++events; }
};

class LessonTest : public GameTest {
 protected:
  void Click(Lesson& lesson, ControlId control) {
    PointerPressed(game, control);
    lesson.Released(control);
  }
  const LessonCaption& Caption() const { return *platform.lesson; }
  // The taught click of the step now shown: its marked card, or the table.
  ControlId Taught() const { return Caption().marked.empty() ? kOnTable : CardControl(Caption().marked.front()); }
  // A card of the player's hand that the step does not teach.
  std::optional<int> OtherHandCard() const {
    for (const Slot& slot : game.table.HandCard[0]) {
      if (slot.pic != kNoPicture && game.board.Card[slot.pic].enabled &&
          (Caption().marked.empty() || slot.pic != Caption().marked.front()))
        return slot.pic;
    }
    return std::nullopt;
  }
};

TEST_F(LessonTest, EachStepTakesOnlyItsMoveAndSaysWhyAnotherIsRefused) {
  const int steps = static_cast<int>(LessonSteps().size());
  ASSERT_GE(steps, 6);
  ASSERT_LE(steps, 10);
  for (int step = 0; step + 1 < steps; ++step) {
    SCOPED_TRACE("step " + std::to_string(step + 1));
    std::unique_ptr<Lesson> lesson = Lesson::Open(game, step);
    ASSERT_EQ(lesson->Step(), step);
    const TableState before = game.table;
    // A card the step does not teach, or a card where the table is to be clicked: refused, with a
    // reason, and the table is left as it was.
    // Where the table itself is to be clicked, every click is on the table: none is refused.
    const std::optional<int> other = OtherHandCard();
    ASSERT_EQ(other.has_value(), Taught() != kOnTable);
    if (other) Click(*lesson, CardControl(*other));
    EXPECT_EQ(Caption().refused, other.has_value());
    EXPECT_FALSE(Caption().note.empty());
    EXPECT_FALSE(Caption().instruction.empty());
    EXPECT_EQ(lesson->Step(), step);
    EXPECT_EQ(game.table.HandLeft, before.HandLeft);
    EXPECT_EQ(game.table.Phase, before.Phase);
    // The taught move goes on to the next step, whatever clicks the step takes.
    for (int clicks = 0; lesson->Step() == step && clicks < 3; ++clicks) Click(*lesson, Taught());
    EXPECT_EQ(lesson->Step(), step + 1);
    EXPECT_FALSE(Caption().refused);
  }
}

TEST_F(LessonTest, TheOtherOfTwoCardsAndACardOfAnotherMonthAreRefusedWithTheirReasons) {
  std::unique_ptr<Lesson> lesson = Lesson::Open(game, 1);
  // No 松 lies on the table for 「13」: the table says why.
  Click(*lesson, CardControl(HandPicture("13")));
  EXPECT_EQ(Caption().note, "この札は場の札と月が合いません。");
  Click(*lesson, Taught());
  ASSERT_EQ(game.table.Phase, Phase::HandChoice);
  Click(*lesson, CardControl(TablePicture("44")));
  EXPECT_TRUE(Caption().refused);
  EXPECT_EQ(game.table.Phase, Phase::HandChoice);
  Click(*lesson, CardControl(TablePicture("41")));
  EXPECT_EQ(lesson->Step(), 2);
}

// The same step from the keyboard: the cursor walks the cards a click could play, Enter clicks.
TEST_F(LessonTest, TheKeyboardPlaysAStepAsTheMouseDoes) {
  std::unique_ptr<Lesson> lesson = Lesson::Open(game, 1);
  const auto enterOn = [&](int pic) {
    lesson->KeyPressed(Key::Enter);
    for (int moves = 0; KeyCursorCard(game) != pic && moves < kCardCount; ++moves) lesson->KeyPressed(Key::Right);
    ASSERT_EQ(KeyCursorCard(game), pic);
    lesson->KeyPressed(Key::Enter);
  };
  const int taught = Taught().index;
  const std::vector<int> targets = KeyTargets(game);
  const auto other = std::find_if(targets.begin(), targets.end(), [taught](int pic) { return pic != taught; });
  ASSERT_NE(other, targets.end());
  enterOn(*other);
  EXPECT_TRUE(Caption().refused);
  enterOn(taught);
  ASSERT_EQ(game.table.Phase, Phase::HandChoice);
  enterOn(TablePicture("41"));
  EXPECT_EQ(lesson->Step(), 2);
}

TEST_F(LessonTest, TheWholeLessonReachesItsEndAndKeepsNothingButTheStepReached) {
  std::string pattern = (fs::path(testing::TempDir()) / "petalgame-lesson-XXXXXX").string();
  const fs::path folder = ::mkdtemp(pattern.data());
  game.statusPath = folder / "STATUS.DAT";
  ASSERT_FALSE(SaveExitRecords(game.statusPath, {}, OptionSettings{}, DefaultStatusRecords().rules));
  auto bytes = [&] {
    std::ifstream in(game.statusPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  };
  const std::string statusBefore = bytes();
  CountingObserver watcher;
  game.observer = &watcher;
  game.hints = true;
  const Level level = game.nextLevel;

  std::unique_ptr<Lesson> lesson = Lesson::Open(game, 0);
  EXPECT_TRUE(Caption().monthStrip);
  for (int clicks = 0; !lesson->AtEnd() && clicks < 20; ++clicks) Click(*lesson, Taught());
  ASSERT_TRUE(lesson->AtEnd());
  // Two win dialogs, 勝負 both times: 三光 and 花見で一杯 doubled, and the winner deals the next month.
  EXPECT_EQ(std::count(platform.modalsShown.begin(), platform.modalsShown.end(), Dialog::Agari), 2);
  EXPECT_EQ(game.table.matchScore[0], 20);
  EXPECT_EQ(game.table.Oya, 0);
  EXPECT_EQ(game.table.Phase, Phase::PlayerToPlay);
  Click(*lesson, Taught());
  EXPECT_TRUE(Caption().refused);
  lesson->Leave();

  EXPECT_FALSE(platform.lesson.has_value());
  EXPECT_EQ(watcher.events, 0);
  EXPECT_EQ(game.observer, &watcher);
  EXPECT_TRUE(game.hints);
  EXPECT_EQ(game.nextLevel, level);
  EXPECT_EQ(game.table.Phase, Phase::Idle);
  // Saving the step takes the file's lock, which writes its own record and gives it back free;
  // every record before it is as it was.
  const std::string statusAfter = bytes();
  EXPECT_EQ(LoadStatusFile(game.statusPath).lock.value, 0);
  ASSERT_GE(statusAfter.size(), statusBefore.size());
  for (std::size_t i = 0; i < std::min(statusAfter.size(), statusBefore.size()); ++i) {
    if (statusAfter[i] != statusBefore[i]) ADD_FAILURE() << "STATUS.DAT changed at byte " << i;
  }
  EXPECT_FALSE(fs::exists(HistoryPathBeside(game.statusPath)));
  // Done, the lesson opens at its start next time.
  EXPECT_EQ(LoadSettingsFile(SettingsPathBeside(game.statusPath)).settings.lessonStep, 0);
  fs::remove_all(folder);
}

TEST_F(LessonTest, ALessonLeftHalfWayIsPickedUpAtItsStep) {
  std::string pattern = (fs::path(testing::TempDir()) / "petalgame-lesson-XXXXXX").string();
  const fs::path folder = ::mkdtemp(pattern.data());
  game.statusPath = folder / "STATUS.DAT";
  std::unique_ptr<Lesson> lesson = Lesson::Open(game, 0);
  for (int clicks = 0; lesson->Step() < 3; ++clicks) Click(*lesson, Taught());
  const TableState reached = game.table;
  lesson->Leave();
  EXPECT_EQ(LoadSettingsFile(SettingsPathBeside(game.statusPath)).settings.lessonStep, 3);
  EXPECT_EQ(game.lessonStep, 3);

  lesson = Lesson::Open(game, game.lessonStep);
  EXPECT_EQ(lesson->Step(), 3);
  EXPECT_EQ(game.table.Deck, reached.Deck);
  EXPECT_EQ(game.table.Taken, reached.Taken);
  EXPECT_EQ(game.table.HandLeft, reached.HandLeft);
  fs::remove_all(folder);
}

}  // namespace
}  // namespace pg::test

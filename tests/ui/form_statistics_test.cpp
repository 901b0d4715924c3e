// The statistics window over a small stored history: its figures, a filter, and charts that draw.
#include "ui/form_statistics.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <filesystem>

#include "records/history_database.h"
#include "tests/records/history_sample.h"
#include "tests/ui/test_application.h"
#include "ui/statistics_charts.h"

namespace pg::test {
namespace {

namespace fs = std::filesystem;

QString AllLabels(const QWidget& window) {
  QString text;
  for (const QLabel* label : window.findChildren<QLabel*>()) text += label->text() + "\n";
  return text;
}

// A chart that drew its bars or lines shows the lacquer red somewhere, at twice the pixels too.
bool DrawsInRed(QWidget& chart) {
  const QImage image = chart.grab().toImage();
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.red() > 110 && c.green() < 60 && c.blue() < 60) return true;
    }
  }
  return false;
}

TEST(FormStatisticsTest, ShowsTheStoredMatchesFiguresAndChartsAndFiltersByRulesAndHints) {
  EnsureApplication();
  const fs::path folder = fs::temp_directory_path() / ("pg_statistics_window_" + std::to_string(getpid()));
  fs::remove_all(folder);
  fs::create_directories(folder);
  {
    auto opened = HistoryDatabase::Open(folder / "history.db");
    HistoryMatch won = testing::SampleMatch();
    HistoryMatch abandoned = testing::SampleMatch(MatchOutcome::Abandoned);
    abandoned.rules.KikuRule = 1;
    abandoned.assisted = true;
    ASSERT_FALSE(opened.database->Store(won));
    ASSERT_FALSE(opened.database->Store(abandoned));
  }
  ui::FormStatistics window(folder / "history.db", nullptr);
  ASSERT_TRUE(window.Reload());
  window.show();
  EXPECT_EQ(window.windowTitle(), "成績");
  EXPECT_TRUE(AllLabels(window).contains("対戦 2局　勝ち 1　負け 1（うち中断 1）"));
  EXPECT_TRUE(AllLabels(window).contains("こいこい 2回、うち実った 2回"));

  auto boxes = window.findChildren<QComboBox*>();
  ASSERT_EQ(boxes.size(), 4);
  QComboBox* rules = boxes[1];
  ASSERT_EQ(rules->count(), 3) << "all, and the two rule sets played";
  rules->setCurrentIndex(2);
  EXPECT_TRUE(AllLabels(window).contains("対戦 1局　勝ち 0　負け 1（うち中断 1）"));

  rules->setCurrentIndex(0);
  QComboBox* hints = boxes[3];
  ASSERT_EQ(hints->count(), 3) << "all, unaided and assisted";
  hints->setCurrentIndex(1);
  EXPECT_TRUE(AllLabels(window).contains("対戦 1局　勝ち 1　負け 0（うち中断 0）"));
  hints->setCurrentIndex(0);
  const auto lines = window.findChildren<ui::ShareLineChart*>();
  const auto bars = window.findChildren<ui::BarChart*>();
  ASSERT_EQ(lines.size() + bars.size(), 4);
  EXPECT_TRUE(DrawsInRed(*lines[0]));
  for (ui::BarChart* chart : bars) EXPECT_TRUE(DrawsInRed(*chart));
  window.close();
  fs::remove_all(folder);
}

}  // namespace
}  // namespace pg::test

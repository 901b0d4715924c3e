// The statistics window over a small stored history: its figures, a filter, and charts that draw.
#include "ui/form_statistics.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <filesystem>

#include "play/coded_match.h"
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
  HistoryMatch won = testing::SampleMatch();
  {
    auto opened = HistoryDatabase::Open(folder / "history.db");
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

  // The list follows the filter, and a chosen match is asked for by its id.
  auto* list = window.findChild<QTableView*>("MatchList");
  ASSERT_TRUE(list);
  EXPECT_EQ(list->model()->rowCount(), 1);
  EXPECT_EQ(list->model()->index(0, 3).data().toString(), "中断");
  rules->setCurrentIndex(0);
  QComboBox* hints = boxes[3];
  ASSERT_EQ(hints->count(), 3) << "all, unaided and assisted";
  hints->setCurrentIndex(1);
  EXPECT_TRUE(AllLabels(window).contains("対戦 1局　勝ち 1　負け 0（うち中断 0）"));
  hints->setCurrentIndex(0);
  ASSERT_EQ(list->model()->rowCount(), 2);
  EXPECT_EQ(list->model()->index(0, 3).data().toString(), "中断") << "the newest first";
  EXPECT_EQ(list->model()->index(1, 5).data().toString(), "12文 対 6文");
  EXPECT_EQ(list->model()->index(0, 4).data().toString(), "あり") << "the assisted match is marked";
  EXPECT_EQ(list->model()->index(1, 4).data().toString(), "");
  list->selectRow(1);
  for (QPushButton* button : window.findChildren<QPushButton*>()) {
    if (button->text() == "再生") button->click();
  }
  EXPECT_EQ(window.Request().kind, ui::MatchRequest::Kind::Replay);
  EXPECT_EQ(window.Request().id, won.id);
  window.show();
  const auto lines = window.findChildren<ui::ShareLineChart*>();
  const auto bars = window.findChildren<ui::BarChart*>();
  ASSERT_EQ(lines.size() + bars.size(), 4);
  EXPECT_TRUE(DrawsInRed(*lines[0]));
  for (ui::BarChart* chart : bars) EXPECT_TRUE(DrawsInRed(*chart));
  window.close();
  fs::remove_all(folder);
}

TEST(FormStatisticsTest, CopiesTheChosenMatchsDealCodeAndShowsTodaysDeal) {
  EnsureApplication();
  const fs::path folder = fs::temp_directory_path() / ("pg_statistics_codes_" + std::to_string(getpid()));
  fs::remove_all(folder);
  fs::create_directories(folder);
  const std::string today = DateText(Today());
  const std::string code = DailyDealCode(Today()).Text();
  {
    auto opened = HistoryDatabase::Open(folder / "history.db");
    HistoryMatch daily = testing::SampleMatch();
    daily.dealCode = code;
    daily.dailyDate = today;
    HistoryMatch ordinary = testing::SampleMatch();
    ASSERT_FALSE(opened.database->Store(daily));
    ASSERT_FALSE(opened.database->Store(ordinary));
  }
  ui::FormStatistics window(folder / "history.db", nullptr);
  ASSERT_TRUE(window.Reload());
  const QString daily = window.findChild<QLabel*>("DailyDeal")->text();
  EXPECT_TRUE(daily.contains(QString::fromStdString(code))) << daily.toStdString();
  EXPECT_TRUE(daily.contains("今日の成績　12文 対 6文（勝ち）　1回対戦")) << daily.toStdString();
  EXPECT_TRUE(daily.contains("続けて対戦した日数　1日")) << daily.toStdString();

  auto* list = window.findChild<QTableView*>("MatchList");
  auto* copy = window.findChild<QPushButton*>("CopyDealCode");
  ASSERT_TRUE(list && copy);
  list->selectRow(0);
  EXPECT_FALSE(copy->isEnabled()) << "a match begun with プレイ has no code";
  list->selectRow(1);
  ASSERT_TRUE(copy->isEnabled());
  copy->click();
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), code);
  fs::remove_all(folder);
}

}  // namespace
}  // namespace pg::test

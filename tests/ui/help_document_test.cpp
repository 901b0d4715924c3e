// The help document as shipped: every page, link and picture resolves, its points are the game's
// own, and the help command opens one window at the contents.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QShortcut>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextTable>
#include <QUrl>
#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "engine/game.h"
#include "headless/scripted_platform.h"
#include "play/agari.h"
#include "play/timers.h"
#include "tests/ui/test_application.h"
#include "ui/form_main.h"
#include "ui/help_window.h"
#include "ui/qt_platform.h"

namespace pg::test {
namespace {

using Counts = std::array<std::int16_t, kYakuGroups>;

// What a page is made of, as the help window's browser reads it.
struct Page {
  std::unique_ptr<QTextDocument> document;
  std::set<QString> anchors;
  std::vector<QString> links;
  std::vector<QString> pictures;
};

QString ResourcePath(const QUrl& url) { return ":" + url.path(); }

Page LoadPage(const QUrl& url) {
  Page page{std::make_unique<QTextDocument>(), {}, {}, {}};
  QFile file(ResourcePath(url));
  if (!file.open(QIODevice::ReadOnly)) return page;
  page.document->setHtml(QString::fromUtf8(file.readAll()));
  for (QTextBlock block = page.document->begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextCharFormat format = it.fragment().charFormat();
      for (const QString& name : format.anchorNames()) page.anchors.insert(name);
      if (format.isAnchor() && !format.anchorHref().isEmpty()) page.links.push_back(format.anchorHref());
      if (format.isImageFormat()) page.pictures.push_back(format.toImageFormat().name());
    }
  }
  return page;
}

class HelpDocumentTest : public ::testing::Test {
 protected:
  HelpDocumentTest() {
    for (const QString& name : QDir(":/help").entryList({"*.html"})) {
      const QUrl url("qrc:/help/" + name);
      pages.emplace(url, LoadPage(url));
    }
    for (const QString& name : QDir(":/help/en").entryList({"*.html"})) {
      const QUrl url("qrc:/help/en/" + name);
      englishPages.emplace(url, LoadPage(url));
    }
  }

  const Page& At(const QString& name) const { return pages.at(QUrl("qrc:/help/" + name)); }

  bool applicationReady = EnsureApplication();
  std::map<QUrl, Page> pages;
  std::map<QUrl, Page> englishPages;
};

TEST_F(HelpDocumentTest, EveryPageHasATitleAndText) {
  ASSERT_GE(pages.size(), 2u);
  ASSERT_TRUE(pages.contains(QUrl(ui::kHelpContents)));
  for (const auto& [url, page] : pages) {
    SCOPED_TRACE(url.toString().toStdString());
    EXPECT_FALSE(page.document->metaInformation(QTextDocument::DocumentTitle).isEmpty());
    EXPECT_GT(page.document->characterCount(), 100);
  }
}

TEST_F(HelpDocumentTest, EveryLinkReachesAPageAndAnAnchorOnIt) {
  int checked = 0;
  for (const auto& [url, page] : pages) {
    for (const QString& href : page.links) {
      SCOPED_TRACE((url.fileName() + " -> " + href).toStdString());
      const QUrl target = url.resolved(QUrl(href));
      // The lesson's link opens the lesson, not a page.
      if (target.scheme() == "lesson") continue;
      ASSERT_EQ(target.scheme(), "qrc") << "the help must work without a network";
      const QUrl targetPage = target.adjusted(QUrl::RemoveFragment);
      ASSERT_TRUE(pages.contains(targetPage));
      if (target.hasFragment()) {
        EXPECT_TRUE(pages.at(targetPage).anchors.contains(target.fragment()));
      }
      ++checked;
    }
  }
  EXPECT_GT(checked, 50);
}

// Every page has its English twin, and English readers follow links to the English page of the same name.
TEST_F(HelpDocumentTest, EveryPageHasAnEnglishTwinWhoseLinksAndPicturesResolve) {
  EXPECT_EQ(englishPages.size(), pages.size());
  for (const auto& [url, page] : englishPages) {
    SCOPED_TRACE(url.toString().toStdString());
    EXPECT_TRUE(pages.contains(QUrl("qrc:/help/" + url.fileName())));
    EXPECT_FALSE(page.document->metaInformation(QTextDocument::DocumentTitle).isEmpty());
    EXPECT_EQ(ui::PageInLanguage(QUrl("qrc:/help/" + url.fileName()), true), url);
    for (const QString& href : page.links) {
      SCOPED_TRACE(href.toStdString());
      const QUrl target = ui::PageInLanguage(url.resolved(QUrl(href)), true);
      if (target.scheme() == "lesson") continue;
      const Page reached = LoadPage(target);
      ASSERT_GT(reached.document->characterCount(), 100);
      if (target.hasFragment()) {
        EXPECT_TRUE(reached.anchors.contains(target.fragment()));
      }
    }
    for (const QString& name : page.pictures) {
      EXPECT_EQ(QImage(ResourcePath(url.resolved(QUrl(name)))).size(), QSize(40, 64)) << name.toStdString();
    }
  }
  EXPECT_EQ(ui::PageInLanguage(QUrl("qrc:/help/en/missing.html#a"), true), QUrl("qrc:/help/missing.html#a"));
  EXPECT_EQ(ui::PageInLanguage(QUrl("qrc:/help/en/yaku.html#a"), false), QUrl("qrc:/help/yaku.html#a"));
}

TEST_F(HelpDocumentTest, EveryPageCanBeReachedFromTheContents) {
  std::set<QUrl> reached{QUrl(ui::kHelpContents)};
  std::vector<QUrl> toVisit{QUrl(ui::kHelpContents)};
  while (!toVisit.empty()) {
    const QUrl url = toVisit.back();
    toVisit.pop_back();
    for (const QString& href : pages.at(url).links) {
      const QUrl target = url.resolved(QUrl(href)).adjusted(QUrl::RemoveFragment);
      if (pages.contains(target) && reached.insert(target).second) toVisit.push_back(target);
    }
  }
  for (const auto& [url, page] : pages) EXPECT_TRUE(reached.contains(url)) << url.toString().toStdString();
}

TEST_F(HelpDocumentTest, EveryPictureIsACardPictureInTheResourceWithItsSharpTwin) {
  std::set<QString> shown;
  for (const auto& [url, page] : pages) {
    for (const QString& name : page.pictures) {
      SCOPED_TRACE((url.fileName() + " shows " + name).toStdString());
      const QString path = ResourcePath(url.resolved(QUrl(name)));
      const QImage picture(path);
      ASSERT_FALSE(picture.isNull());
      EXPECT_EQ(picture.size(), QSize(40, 64));
      QString sharp = path;
      sharp.replace(".png", "@2x.png");
      EXPECT_EQ(QImage(sharp).size(), QSize(80, 128));
      shown.insert(path);
    }
  }
  EXPECT_EQ(shown.size(), 48u) << "the months page shows every card";
}

// The text of every row of the first table whose top left cell reads `corner`, by its first cell.
std::map<QString, QStringList> TableRows(const QTextDocument& document, const QString& corner) {
  for (QTextFrame* frame : document.rootFrame()->childFrames()) {
    auto* table = qobject_cast<QTextTable*>(frame);
    if (!table) continue;
    auto text = [table](int row, int column) {
      const QTextTableCell cell = table->cellAt(row, column);
      QTextCursor cursor = cell.firstCursorPosition();
      cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
      return cursor.selectedText();
    };
    if (text(0, 0) != corner) continue;
    std::map<QString, QStringList> rows;
    for (int row = 1; row < table->rows(); ++row) {
      QStringList cells;
      for (int column = 1; column < table->columns(); ++column) cells << text(row, column);
      rows[text(row, 0)] = cells;
    }
    return rows;
  }
  return {};
}

// The win dialog as the game fills it for the player.
WinDialogState Shown(WinCode code, const Counts& counts = {}) {
  headless::ScriptedPlatform platform;
  Game game{platform};
  WinDialogState shown;
  platform.onTimer = [&game](Timer timer) { TimerTick(game, timer); };
  platform.onModal = [&](Dialog) {
    shown = game.agari;
    AgariCommandClick(game, 0);
  };
  game.board.Score[0].caption = " 0";
  game.board.Score[1].caption = " 0";
  game.SetPhase(Phase::PlayerToPlay);
  game.table.YakuCount[0].values = counts;
  game.table.TurnStep = pg::TurnStep::PlayerHand;
  game.table.HandLeft = code == WinCode::Yaku ? 10 : 0;
  game.table.WinCode = code;
  Agari(game);
  return shown;
}

// The points the dialog gives the named row.
int RowPoints(const WinDialogState& shown, const std::string& name) {
  for (int row = 0; row < 8; ++row) {
    if (shown.rowVisible[row] && shown.yakunam[row] == name) {
      return std::stoi(shown.yakuten[row].substr(0, shown.yakuten[row].size() - std::string("文").size()));
    }
  }
  ADD_FAILURE() << "no row " << name;
  return -1;
}

QString Mon(int points) { return QString::number(points) + "文"; }

TEST_F(HelpDocumentTest, TheYakuListGivesThePointsTheGamePays) {
  const auto rows = TableRows(*At("yaku.html").document, "役");
  constexpr std::int16_t kRain = 7, kFour = 8;
  const struct {
    const char* name;
    Counts complete;
    YakuGroup extraGroup;  // the count whose extra cards add points; Hikari where none do
  } yaku[] = {
      {"五光", {9}, YakuGroup::Hikari},
      {"四光", {kFour}, YakuGroup::Hikari},
      {"三光", {6}, YakuGroup::Hikari},
      {"猪鹿蝶", {0, 3, 0, 0, 0, 0, 3}, YakuGroup::Tane},
      {"花見で一杯", {0, 0, 2}, YakuGroup::Hikari},
      {"月見で一杯", {0, 0, 0, 2}, YakuGroup::Hikari},
      {"赤短", {0, 0, 0, 0, 3, 0, 0, 3}, YakuGroup::Tan},
      {"青短", {0, 0, 0, 0, 0, 3, 0, 3}, YakuGroup::Tan},
      {"赤短・青短", {0, 0, 0, 0, 3, 3, 0, 6}, YakuGroup::Tan},
      {"タネ", {0, 0, 0, 0, 0, 0, 5}, YakuGroup::Tane},
      {"タン", {0, 0, 0, 0, 0, 0, 0, 5}, YakuGroup::Tan},
      {"カス", {0, 0, 0, 0, 0, 0, 0, 0, 10}, YakuGroup::Kasu},
  };
  for (const auto& y : yaku) {
    SCOPED_TRACE(y.name);
    const QStringList row = rows.at(y.name);
    ASSERT_EQ(row.size(), 2);
    const int points = RowPoints(Shown(WinCode::Yaku, y.complete), y.name);
    EXPECT_TRUE(row[0].startsWith(Mon(points))) << row[0].toStdString();
    if (y.extraGroup == YakuGroup::Hikari) {
      EXPECT_EQ(row[1], "－");
    } else {
      Counts more = y.complete;
      ++more[IndexOf(y.extraGroup)];
      const int extra = RowPoints(Shown(WinCode::Yaku, more), y.name) - points;
      EXPECT_TRUE(row[1].endsWith("+" + Mon(extra))) << row[1].toStdString();
    }
  }
  EXPECT_TRUE(
      rows.at("四光")[0].contains("柳に雨を含むときは" + Mon(RowPoints(Shown(WinCode::Yaku, {kRain}), "四光"))));
  EXPECT_EQ(rows.at("手四")[0], Mon(RowPoints(Shown(WinCode::DealerTeshi), "手四")));
  EXPECT_EQ(rows.at("くっつき")[0], Mon(RowPoints(Shown(WinCode::DealerKuttsuki), "くっつき")));
  EXPECT_EQ(rows.at("親権")[0], Mon(RowPoints(Shown(WinCode::DealerRight), "親権")));
}

TEST_F(HelpDocumentTest, TheWorkedExamplesComeToWhatTheGamePays) {
  const auto rows = TableRows(*At("yaku.html").document, "例");
  const std::map<QString, Counts> examples{
      {"1", {6}},
      {"2", {0, 0, 0, 0, 3, 0, 0, 4}},
      {"3", {6, 0, 0, 0, 1, 1, 0, 6}},
      {"4", {0, 3, 0, 0, 0, 0, 5}},
      {"5", {0, 0, 0, 0, 3, 3, 0, 6}},
      {"6", {7}},
      {"7", {6, 0, 2, 0, 0, 0, 1}},
  };
  ASSERT_EQ(rows.size(), examples.size());
  for (const auto& [number, counts] : examples) {
    SCOPED_TRACE(number.toStdString());
    EXPECT_TRUE(rows.at(number).back().endsWith(Mon(Shown(WinCode::Yaku, counts).total)))
        << rows.at(number).back().toStdString();
  }
}

QList<ui::HelpWindow*> HelpWindows() {
  QList<ui::HelpWindow*> found;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* window = qobject_cast<ui::HelpWindow*>(widget)) found << window;
  }
  return found;
}

TEST_F(HelpDocumentTest, EveryPageFitsTheWindowsWidthWithoutScrollingSideways) {
  ui::HelpWindow* window = ui::HelpWindow::Open(nullptr);
  auto* browser = window->findChild<QTextBrowser*>();
  std::map<QUrl, const Page*> every;
  for (const auto& [url, page] : pages) every.emplace(url, &page);
  for (const auto& [url, page] : englishPages) every.emplace(url, &page);
  for (const auto& [url, page] : every) {
    browser->setSource(url);
    EXPECT_LE(browser->document()->size().width(), browser->viewport()->width()) << url.toString().toStdString();
  }
  window->close();
}

TEST_F(HelpDocumentTest, TheHelpCommandOpensOneWindowAtTheContentsThatFitsTheSmallScreen) {
  ui::QtPlatform platform;
  platform.ShowHelp("PG32v2.hlp");
  ASSERT_EQ(HelpWindows().size(), 1);
  ui::HelpWindow* window = HelpWindows().front();
  auto* browser = window->findChild<QTextBrowser*>();
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->windowTitle(), "Petalgame 32 ヘルプ");
  EXPECT_EQ(browser->source(), QUrl(ui::kHelpContents));
  EXPECT_LE(window->width(), 640 - 20);
  EXPECT_LE(window->height(), 480 - 40);

  browser->setSource(QUrl("qrc:/help/yaku.html#double"));
  window->close();
  platform.ShowHelp("PG32v2.hlp");
  EXPECT_EQ(HelpWindows(), QList{window}) << "the window is raised again, not made anew";
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(browser->source(), QUrl(ui::kHelpContents));
  EXPECT_TRUE(browser->isBackwardAvailable()) << "the page read before is one step back";
  window->close();
}

TEST_F(HelpDocumentTest, TheContentsLinkAndTheToolbarButtonOpenTheLesson) {
  int opened = 0;
  ui::HelpWindow::SetLessonOpener([&opened] { ++opened; });
  ui::HelpWindow* window = ui::HelpWindow::Open(nullptr);
  auto* browser = window->findChild<QTextBrowser*>();
  const std::vector<QString>& links = At("index.html").links;
  ASSERT_NE(std::find(links.begin(), links.end(), "lesson:start"), links.end());
  emit browser->anchorClicked(QUrl("lesson:start"));
  EXPECT_EQ(opened, 1);
  EXPECT_EQ(browser->source(), QUrl(ui::kHelpContents)) << "the link opens no page";
  const QList<QAction*> actions = window->findChildren<QAction*>();
  const auto lesson = std::find_if(actions.begin(), actions.end(),
                                   [](const QAction* a) { return a->text() == "はじめてのこいこい"; });
  ASSERT_NE(lesson, actions.end());
  (*lesson)->trigger();
  EXPECT_EQ(opened, 2);
  ui::HelpWindow::SetLessonOpener({});
  window->close();
}

TEST_F(HelpDocumentTest, TheKeysPageListsEveryShortcutOfTheMainWindow) {
  ui::QtPlatform platform;
  Game game{platform};
  ui::FormMain form{game, platform};
  const QString keys = At("keys.html").document->toPlainText();
  const auto shortcuts = form.findChildren<QShortcut*>();
  EXPECT_EQ(shortcuts.size(), 10) << "one for each menu command but 配り, and its menu's two";
  for (const QShortcut* shortcut : shortcuts) {
    const QString key = shortcut->key().toString();
    EXPECT_TRUE(keys.contains(key)) << key.toStdString();
  }
}

}  // namespace
}  // namespace pg::test

// The translation seam: without a look-up every text is the game's Japanese; with one, templates take
// their numbers wherever the language puts them, and the Japanese the rules keep as data is put into
// the player's words only where it is shown. The language choice is kept in SETTINGS.TXT.
#include "records/player_text.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <map>
#include <string>

#include "engine/game.h"
#include "play/language_setting.h"
#include "records/settings_file.h"
#include "rules/win_dialog.h"
#include "rules/yaku.h"
#include "tests/game_fixture.h"

namespace pg {
namespace {

namespace fs = std::filesystem;

std::string English(const char* japanese) {
  static const std::map<std::string, std::string> catalogue{
      {"%1か月目の%2手目（「%3」）は、ルールに合いません。", "Move %2 of month %1 (\"%3\") breaks the rules."},
      {"%1文", "%1 mon"},
      {"ﾀﾈ　", "Tane "},
      {"残%1", "-%1"},
      {"完+%1", "+%1"},
      {"完成", "OK"},
      {"花見で一杯", "Hanami-zake (Flower viewing)"}};
  const auto found = catalogue.find(japanese);
  return found == catalogue.end() ? japanese : found->second;
}

// Each test leaves the game's own Japanese behind it, as the other tests expect.
class PlayerTextTest : public testing::Test {
 protected:
  ~PlayerTextTest() override { SetTextLookup(nullptr); }
};

TEST_F(PlayerTextTest, TemplatesFillInOrderAndTheJapaneseStaysAsItWasWithoutALookUp) {
  const char* pattern = "%1か月目の%2手目（「%3」）は、ルールに合いません。";
  EXPECT_EQ(Fill(Tr(pattern), {"3", "7", "B1"}), "3か月目の7手目（「B1」）は、ルールに合いません。");
  EXPECT_EQ(Fill("100%1% %2 %9", {"x"}), "100x% %2 %9") << "a number sign with no argument stays";
  EXPECT_EQ(ShownProgress("ﾀﾈ　残2"), "ﾀﾈ　残2");
  EXPECT_EQ(ShownPoints(" 5文"), " 5文");
  SetTextLookup(English);
  EXPECT_EQ(Fill(Tr(pattern), {"3", "7", "B1"}), "Move 7 of month 3 (\"B1\") breaks the rules.");
  EXPECT_EQ(Tr("知らない文"), "知らない文") << "a text the catalogue lacks stays Japanese";
}

TEST_F(PlayerTextTest, KeptJapaneseIsShownInThePlayersWords) {
  SetTextLookup(English);
  const struct {
    const char* caption;
    const char* shown;
  } labels[] = {{"ﾀﾈ　残2", "Tane -2"}, {"ﾀﾈ　完+3", "Tane +3"}, {"ﾀﾈ　完成", "Tane OK"}, {"ﾀﾈ　×", "Tane ×"}};
  for (const auto& label : labels) EXPECT_EQ(ShownProgress(label.caption), label.shown) << label.caption;
  EXPECT_EQ(ShownPoints(" 5文"), " 5 mon");
  EXPECT_EQ(ShownPoints("10文"), "10 mon");
  EXPECT_EQ(ShownYakuName("花見で一杯"), "Hanami-zake (Flower viewing)");
}

class LanguageSettingTest : public test::GameTest {
 protected:
  LanguageSettingTest() {
    std::string pattern = (fs::path(testing::TempDir()) / "petalgame-language-XXXXXX").string();
    folder = ::mkdtemp(pattern.data());
    game.statusPath = folder / "STATUS.DAT";
  }
  ~LanguageSettingTest() override {
    std::error_code ignored;
    fs::remove_all(folder, ignored);
  }
  fs::path folder;
};

TEST_F(LanguageSettingTest, AChosenLanguageIsKeptAndAnUnknownOneIsRefused) {
  const fs::path path = SettingsPathBeside(game.statusPath);
  EXPECT_EQ(LoadSettingsFile(path).settings.language, kLanguageAuto);
  SetLanguage(game, kLanguageEnglish);
  SetLanguage(game, "klingon");
  EXPECT_EQ(LoadSettingsFile(path).settings.language, kLanguageEnglish);
  ASSERT_FALSE(SaveSetting(path, kLanguageSetting, "fr"));
  const LoadedSettings loaded = LoadSettingsFile(path);
  EXPECT_EQ(loaded.settings.language, kLanguageAuto);
  EXPECT_EQ(loaded.badLines.size(), 1u);
  EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace pg

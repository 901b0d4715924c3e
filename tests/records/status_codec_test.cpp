// The records' bytes against hand-built images, and what damaged or short files read as.
#include "records/status_codec.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "records/cp932.h"
#include "tests/records/status_dump.h"

namespace pg::test {
namespace {

std::string Slot(std::string data) {
  data.resize(kStatusSlotSize, '\0');
  return data;
}

void SetInt(std::string& file, std::size_t offset, std::int16_t value) {
  const auto bits = static_cast<std::uint16_t>(value);
  file[offset] = static_cast<char>(bits & 0xFF);
  file[offset + 1] = static_cast<char>(bits >> 8);
}

// カス　　　   1文 and the empty line: each 16 bytes in CP932.
const std::string kYakuLine = "カス　　　   1文";
const std::string kEmptyLine = "　　　　　    　";
const std::string kYakuLineCp932 = "\x83\x4A\x83\x58\x81\x40\x81\x40\x81\x40   1\x95\xB6";
const std::string kEmptyLineCp932 = "\x81\x40\x81\x40\x81\x40\x81\x40\x81\x40    \x81\x40";

std::string Lines(const std::string& first, const std::string& rest) {
  std::string text = first;
  for (int i = 0; i < 7; ++i) text += rest;
  return text;
}

// Every field away from its default, so that a field falling back to its default shows.
StatusRecords Sample() {
  StatusRecords r;
  r.windows.left = {-120, 300, 4500, -32768, 0, 32767};
  r.windows.top = {15, -15, 1800, 2400, 3000, 600};
  r.total.name = {"ＡＢＣ", "桜", "bob", "", "名無し"};
  r.total.Yten = {40, 35, 20, 12, 9};
  r.total.Cten = {2, 5, 3, 4, 8};
  r.total.ten = {38, 30, 17, 8, 1};
  r.game.points = {14, 8, 6};
  r.game.name = {"桜", "bob", "梅"};
  r.game.yaku = {Lines(kYakuLine, kEmptyLine), Lines(kEmptyLine, kEmptyLine), Lines(kYakuLine, kYakuLine)};
  r.options.Speed = 7;
  r.options.WallChoice = 3;
  r.options.WallFile = "壁/wall.bmp";  // 11 bytes
  r.options.ScreenMode = 0;
  r.options.YakuDisplay = 1;
  r.options.FaceFile0 = "顔0.png";  // 7 bytes
  r.options.FaceFile1 = "face1.png";
  r.rules = {1, 1, 0, 1, 3, 2};
  r.lock.value = 0;
  return r;
}

std::string Image(const StatusRecords& r) {
  return EncodeSlot(r.windows) + EncodeSlot(r.total) + EncodeSlot(r.game) + EncodeSlot(r.options) +
         EncodeSlot(r.rules) + EncodeSlot(r.lock);
}

// Where the sample's fields lie in its image.
constexpr std::size_t kSlot2 = 606, kSlot3 = 1212, kSlot4 = 1818, kSlot5 = 2424, kSlot6 = 3030;
constexpr std::size_t kWallCount = kSlot4 + 4, kWallText = kSlot4 + 6;
constexpr std::size_t kScreenMode = kWallText + 11, kYakuDisplay = kScreenMode + 2;
constexpr std::size_t kFace0Count = kYakuDisplay + 2, kFace0Text = kFace0Count + 2;
constexpr std::size_t kFace1Count = kFace0Text + 7, kFace1Text = kFace1Count + 2;

TEST(StatusCodecTest, WindowPositionsAreTwelveLittleEndianIntegersNegativesIncluded) {
  WindowPositions windows;
  windows.left = {-15, 0, 32767, -32768, 1, 256};
  windows.top = {600, -1, 2, 3, 4, 5};
  const std::string expected =
      Slot(std::string("\xF1\xFF\x00\x00\xFF\x7F\x00\x80\x01\x00\x00\x01"
                       "\x58\x02\xFF\xFF\x02\x00\x03\x00\x04\x00\x05\x00",
                       24));
  EXPECT_EQ(EncodeSlot(windows), expected);
  EXPECT_EQ(Dump(DecodeWindowPositions(expected)), Dump(windows));
}

TEST(StatusCodecTest, TotalTableNamesAreSixteenBytesCutBetweenCharacters) {
  TotalTable total;
  total.name = {"ABCDEFGHIJKLMNOP", "abcdefghijklmnoあ", "あいうえおかきくけ", "名前", ""};
  total.Yten = {1, 2, 3, 4, -5};
  total.Cten = {0, 0, 0, 0, 300};
  total.ten = {1, 2, 3, 4, -305};
  std::string expected = "ABCDEFGHIJKLMNOP";                                       // exactly 16: no blank
  expected += "abcdefghijklmno ";                                                  // あ would straddle the end
  expected += "\x82\xA0\x82\xA2\x82\xA4\x82\xA6\x82\xA8\x82\xA9\x82\xAB\x82\xAD";  // eight of nine kana
  expected += "\x96\xBC\x91\x4F            ";                                      // 名前 and blanks
  expected += std::string(16, ' ');
  expected += std::string("\x01\x00\x02\x00\x03\x00\x04\x00\xFB\xFF", 10);
  expected += std::string("\x00\x00\x00\x00\x00\x00\x00\x00\x2C\x01", 10);
  expected += std::string("\x01\x00\x02\x00\x03\x00\x04\x00\xCF\xFE", 10);
  ASSERT_EQ(expected.size(), 110u);
  EXPECT_EQ(EncodeSlot(total), Slot(expected));

  TotalTable back = total;
  back.name = {"ABCDEFGHIJKLMNOP", "abcdefghijklmno", "あいうえおかきく", "名前", ""};
  EXPECT_EQ(Dump(DecodeTotalTable(std::string(kSlot2, '\0') + Slot(expected))), Dump(back));
}

TEST(StatusCodecTest, GameTableHoldsEightYakuLinesInOneHundredTwentyEightBytes) {
  GameTable game;
  game.points = {9, 0, -1};
  game.name = {"bob", "", "名前"};
  game.yaku = {Lines(kYakuLine, kEmptyLine), "", Lines(kEmptyLine, kYakuLine)};
  std::string expected("\x09\x00\x00\x00\xFF\xFF", 6);
  expected += "bob             " + std::string(16, ' ') + "\x96\xBC\x91\x4F            ";
  expected += Lines(kYakuLineCp932, kEmptyLineCp932) + std::string(128, ' ') + Lines(kEmptyLineCp932, kYakuLineCp932);
  ASSERT_EQ(expected.size(), 438u);
  EXPECT_EQ(EncodeSlot(game), Slot(expected));
  EXPECT_EQ(Dump(DecodeGameTable(std::string(kSlot3, '\0') + Slot(expected))), Dump(game));
}

TEST(StatusCodecTest, OptionTextsAreCountedAndAnEmptyOneIsACountOfZero) {
  OptionSettings options;
  options.Speed = 16;
  options.WallChoice = 3;
  options.WallFile = "";
  options.ScreenMode = 0;
  options.YakuDisplay = 2;
  options.FaceFile0 = "顔.bmp";
  options.FaceFile1 = "Original";
  const std::string expected(
      "\x10\x00\x03\x00\x00\x00\x00\x00\x02\x00"
      "\x06\x00\x8A\xE7.bmp"
      "\x08\x00Original",
      28);
  EXPECT_EQ(EncodeSlot(options), Slot(expected));
  EXPECT_EQ(Dump(DecodeOptionSettings(std::string(kSlot4, '\0') + Slot(expected))), Dump(options));
}

TEST(StatusCodecTest, RulesAndLockAreIntegers) {
  const RuleSettings rules{1, 0, 1, 1, 3, 4};
  const std::string rulesBytes("\x01\x00\x00\x00\x01\x00\x01\x00\x03\x00\x04\x00", 12);
  EXPECT_EQ(EncodeSlot(rules), Slot(rulesBytes));
  EXPECT_EQ(Dump(DecodeRuleSettings(std::string(kSlot5, '\0') + Slot(rulesBytes))), Dump(rules));
  EXPECT_EQ(EncodeSlot(StatusLock{kLockHeld}), Slot("\xFF\xFF"));
  EXPECT_EQ(DecodeStatusLock(std::string(kSlot6, '\0') + "\xFF\xFF").value, kLockHeld);
}

TEST(StatusCodecTest, FileNamesThatCannotBeStoredFallBackAndTheRestIsKept) {
  struct Row {
    const char* what;
    std::string wall, face0, face1;
    std::string storedWall, storedFace0, storedFace1;
  };
  const std::string a576(576, 'a'), a577(577, 'a'), b300(300, 'b');
  const Row rows[] = {
      {"wallpaper name not in CP932", "壁😀.bmp", "f.png", "g.png", "", "f.png", "g.png"},
      {"face name not in CP932", "w.bmp", "é.png", "g.png", "w.bmp", "Original", "g.png"},
      {"face name not UTF-8", "w.bmp", "f.png", "\xFF.png", "w.bmp", "f.png", "Original"},
      {"wallpaper leaves no room for the faces' fallbacks", a577, "f.png", "g.png", "", "f.png", "g.png"},
      {"all three exactly fill the slot", a576, "abcd.bmp", "efgh.bmp", a576, "abcd.bmp", "efgh.bmp"},
      {"long names: the first one that fits stays", b300, b300, b300, b300, "Original", "Original"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    OptionSettings options = Sample().options;
    options.WallFile = row.wall;
    options.FaceFile0 = row.face0;
    options.FaceFile1 = row.face1;
    OptionSettings expected = options;
    expected.WallFile = row.storedWall;
    expected.FaceFile0 = row.storedFace0;
    expected.FaceFile1 = row.storedFace1;
    const std::string slot = EncodeSlot(options);
    ASSERT_EQ(slot.size(), kStatusSlotSize);
    EXPECT_EQ(Dump(DecodeOptionSettings(std::string(kSlot4, '\0') + slot)), Dump(expected));
  }
}

using Edit = std::function<void(std::string&)>;
using Expect = std::function<void(StatusRecords&)>;

Edit Put(std::size_t offset, std::int16_t value) {
  return [=](std::string& file) { SetInt(file, offset, value); };
}
Edit Poke(std::size_t offset, char byte) {
  return [=](std::string& file) { file[offset] = byte; };
}
Edit Cut(std::size_t size) {
  return [=](std::string& file) { file.resize(size); };
}

// The named fields are back at their defaults.
template <typename... Fields>
Expect Options(Fields... fields) {
  return [=](StatusRecords& r) { ((r.options.*fields = DefaultStatusRecords().options.*fields), ...); };
}
template <typename... Fields>
Expect Rules(Fields... fields) {
  return [=](StatusRecords& r) { ((r.rules.*fields = DefaultStatusRecords().rules.*fields), ...); };
}
// The file ends inside this record: it and every record after it read as defaults.
Expect From(int record) {
  return [=](StatusRecords& r) {
    const StatusRecords d = DefaultStatusRecords();
    if (record <= 1) r.windows = d.windows;
    if (record <= 2) r.total = d.total;
    if (record <= 3) r.game = d.game;
    if (record <= 4) r.options = d.options;
    if (record <= 5) r.rules = d.rules;
    r.lock = d.lock;
  };
}

TEST(StatusCodecTest, DamagedDataReadsAsTheDefaultsOfTheDamagedPartOnly) {
  using O = OptionSettings;
  using R = RuleSettings;
  struct Row {
    const char* what;
    Edit edit;
    Expect expect;
  };
  const Row rows[] = {
      {"nothing damaged", [](std::string&) {}, [](StatusRecords&) {}},
      {"bytes of another program after the records", [](std::string& f) { f += "more"; }, [](StatusRecords&) {}},
      {"speed 0", Put(kSlot4, 0), Options(&O::Speed)},
      {"speed below 0", Put(kSlot4, -3), Options(&O::Speed)},
      {"wallpaper button 4", Put(kSlot4 + 2, 4), Options(&O::WallChoice)},
      {"wallpaper button -1", Put(kSlot4 + 2, -1), Options(&O::WallChoice)},
      {"screen mode 2", Put(kScreenMode, 2), Options(&O::ScreenMode)},
      {"yaku display 3", Put(kYakuDisplay, 3), Options(&O::YakuDisplay)},
      {"wallpaper name runs past the slot", Put(kWallCount, 593),
       Options(&O::WallFile, &O::ScreenMode, &O::YakuDisplay, &O::FaceFile0, &O::FaceFile1)},
      {"wallpaper name of negative length", Put(kWallCount, -2),
       Options(&O::WallFile, &O::ScreenMode, &O::YakuDisplay, &O::FaceFile0, &O::FaceFile1)},
      {"face 0 name carries the texts past the slot", Put(kFace0Count, 592 - 11 + 1),
       Options(&O::FaceFile0, &O::FaceFile1)},
      {"face 1 name carries the texts past the slot", Put(kFace1Count, 592 - 11 - 7 + 1), Options(&O::FaceFile1)},
      {"wallpaper name not CP932", Poke(kWallText + 3, '\x80'), Options(&O::WallFile)},
      {"face 0 name with a NUL", Poke(kFace0Text + 2, '\0'), Options(&O::FaceFile0)},
      {"face 1 name ends in half a character", Poke(kFace1Text + 8, '\x82'), Options(&O::FaceFile1)},
      {"hanami rule 2", Put(kSlot5, 2), Rules(&R::HanamiRule)},
      {"tsukimi rule -1", Put(kSlot5 + 2, -1), Rules(&R::TsukimiRule)},
      {"oya rule 2", Put(kSlot5 + 4, 2), Rules(&R::OyaRule)},
      {"kiku rule 7", Put(kSlot5 + 6, 7), Rules(&R::KikuRule)},
      {"hanami points 0", Put(kSlot5 + 8, 0), Rules(&R::HanamiPoints)},
      {"tsukimi points 6", Put(kSlot5 + 10, 6), Rules(&R::TsukimiPoints)},
      {"overall name not CP932", Poke(kSlot2 + 16 + 1, '\xFD'), [](StatusRecords& r) { r.total.name[1] = ""; }},
      {"month name of NULs", [](std::string& f) { f.replace(kSlot3 + 6 + 16, 16, std::string(16, '\0')); },
       [](StatusRecords& r) { r.game.name[1] = ""; }},
      {"yaku text with a broken character inside", Poke(kSlot3 + 54 + 128 + 17, ' '),
       [](StatusRecords& r) { r.game.yaku[1] = ""; }},
      // A writer that split a character at the end of the field: the name loses that half only.
      {"overall name ending in a lone lead byte", [](std::string& f) { f.replace(kSlot2, 16, "ABCDEFGHIJKLMNO\x82"); },
       [](StatusRecords& r) { r.total.name[0] = "ABCDEFGHIJKLMNO"; }},
      {"empty file", Cut(0), From(1)},
      {"file ends inside record 1", Cut(23), From(1)},
      {"file ends inside record 2's data", Cut(kSlot2 + 109), From(2)},
      {"file ends right after record 3's data", Cut(kSlot3 + 438), From(4)},
      {"file ends inside record 4's last name", Cut(kFace1Text + 8), From(4)},
      {"file ends right after record 4's data", Cut(kFace1Text + 9), From(5)},
      {"file ends inside record 5", Cut(kSlot5 + 11), From(5)},
      {"file ends inside record 6", Cut(kSlot6 + 1), From(6)},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    std::string file = Image(Sample());
    row.edit(file);
    StatusRecords expected = Sample();
    row.expect(expected);
    EXPECT_EQ(Dump(DecodeStatusFile(file)), Dump(expected));
  }
}

TEST(StatusCodecTest, PuttingASlotChangesThatSlotOnly) {
  std::string file;
  for (std::size_t i = 0; i < kStatusFileSize + 50; ++i) file += static_cast<char>(i * 7 + 3);
  const std::string before = file;
  const std::string slot = EncodeSlot(Sample().game);
  PutSlot(file, StatusRecord::GameTable, slot);
  ASSERT_EQ(file.size(), before.size());
  EXPECT_EQ(file.substr(0, kSlot3), before.substr(0, kSlot3));
  EXPECT_EQ(file.substr(kSlot3, kStatusSlotSize), slot);
  EXPECT_EQ(file.substr(kSlot4), before.substr(kSlot4));
}

TEST(StatusCodecTest, PuttingPastTheEndFillsTheGapWithDefaultsAndKeepsWhatWasWhole) {
  const StatusRecords sample = Sample();
  const StatusRecords defaults = DefaultStatusRecords();
  const std::string rules = EncodeSlot(sample.rules);
  struct Row {
    const char* what;
    std::size_t size;  // of the sample image before the put
    std::string expectedBefore;
  };
  const std::string image = Image(sample);
  const Row rows[] = {
      {"from nothing", 0, Image(defaults).substr(0, kSlot5)},
      // Record 2's data is complete; only its filler is missing.
      {"ending in record 2's filler", kSlot2 + 200,
       image.substr(0, kSlot2 + 200) + std::string(406, '\0') + EncodeSlot(defaults.game) +
           EncodeSlot(defaults.options)},
      // Record 2 is cut short, so it already read as its defaults, and now holds them.
      {"ending inside record 2's data", kSlot2 + 100,
       image.substr(0, kSlot2) + EncodeSlot(defaults.total) + EncodeSlot(defaults.game) + EncodeSlot(defaults.options)},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    std::string file = image.substr(0, row.size);
    const StatusRecords readBefore = DecodeStatusFile(file);
    PutSlot(file, StatusRecord::RuleSettings, rules);
    EXPECT_EQ(file, row.expectedBefore + rules);
    StatusRecords expected = readBefore;
    expected.rules = sample.rules;
    EXPECT_EQ(Dump(DecodeStatusFile(file)), Dump(expected));
  }
}

}  // namespace
}  // namespace pg::test

// CP932 through iconv: exact bytes both ways, what it refuses, and cuts that never split a character.
#include "records/cp932.h"

#include <gtest/gtest.h>

#include <string>

namespace pg::test {
namespace {

TEST(Cp932Test, ConvertsBothWaysByteForByte) {
  struct Row {
    std::string utf8;
    std::string cp932;
  };
  const Row rows[] = {
      {"", ""},
      {"Original", "Original"},
      {"あい", "\x82\xA0\x82\xA2"},
      {"文", "\x95\xB6"},
      {"表ソ", "\x95\x5C\x83\x5C"},  // trail bytes that are a backslash in ASCII
      {"ｱｲ", "\xB1\xB2"},            // half-width katakana take one byte
      {"　", "\x81\x40"},
      {"①", "\x87\x40"},                 // a Windows extension that plain Shift-JIS lacks
      {"C:\\face.bmp", "C:\\face.bmp"},  // 0x5C is a backslash in a path, not a yen sign
      {"～", "\x81\x60"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.utf8);
    EXPECT_EQ(Utf8ToCp932(row.utf8), row.cp932);
    EXPECT_EQ(Cp932ToUtf8(row.cp932), row.utf8);
    EXPECT_TRUE(FitsCp932(row.utf8));
  }
}

TEST(Cp932Test, RefusesWhatCp932CannotHoldAndBrokenInput) {
  const std::string cannotHold[] = {"é", "한", "😀", "名前😀", "\xFF", "\xE3\x81"};
  for (const std::string& utf8 : cannotHold) {
    SCOPED_TRACE(utf8);
    EXPECT_FALSE(FitsCp932(utf8));
    EXPECT_EQ(Utf8ToCp932(utf8), std::nullopt);
  }
  const std::string notCp932[] = {"\x80", "\xA0", "\xFD", "\x82", "ab\x82", "\x81\x20", "\x81\x7F"};
  for (const std::string& cp932 : notCp932) {
    SCOPED_TRACE(testing::PrintToString(cp932));
    EXPECT_EQ(Cp932ToUtf8(cp932), std::nullopt);
  }
}

TEST(Cp932Test, CutsOnlyBetweenCharacters) {
  struct Row {
    std::string cp932;
    std::size_t width;
    std::string expected;
  };
  const Row rows[] = {
      {"abc", 2, "ab"},
      {"abc", 16, "abc"},
      {"abc", 0, ""},
      {"\x82\xA0\x82\xA2", 3, "\x82\xA0"},  // あい: い would be split
      {"a\x82\xA0", 2, "a"},                // aあ
      {"\x95\x5C\x95\x5C", 3, "\x95\x5C"},  // 表表: the trail 0x5C is no character of its own
      {"\x81\x81\x81\x81", 3, "\x81\x81"},  // ＝＝: the trail byte 0x81 is no lead byte here
      {"\x81\x81\x81\x81", 4, "\x81\x81\x81\x81"},
      {"\xB1\xB2\xB3", 2, "\xB1\xB2"},  // half-width kana are single bytes
      {"ab\x82", 16, "ab"},             // a lone lead byte at the end is no character
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::PrintToString(row.cp932) + " to " + std::to_string(row.width));
    EXPECT_EQ(CutCp932(row.cp932, row.width), row.expected);
  }
}

TEST(Cp932Test, FixedFieldsArePaddedWithBlanksAndHoldEightFullWidthCharacters) {
  const std::string nineKana = *Utf8ToCp932("あいうえおかきくけ");
  EXPECT_EQ(FixedCp932(nineKana, 16), *Utf8ToCp932("あいうえおかきく"));
  EXPECT_EQ(FixedCp932("abcdefghijklmno\x82\xA0", 16), "abcdefghijklmno ");
  EXPECT_EQ(FixedCp932("abc", 6), "abc   ");
  EXPECT_EQ(FixedCp932("", 4), "    ");
}

}  // namespace
}  // namespace pg::test

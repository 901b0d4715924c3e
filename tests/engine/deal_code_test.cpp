// Deal codes: written and read back, a typo refused, and the daily code of a date pinned.
#include "engine/deal_code.h"

#include <gtest/gtest.h>

namespace pg {
namespace {

TEST(DealCodeTest, CodesReadBackAsTheNumberTheyWereWrittenFrom) {
  for (std::uint64_t n : {std::uint64_t{0}, std::uint64_t{1}, std::uint64_t{30}, std::uint64_t{31}, std::uint64_t{123456789}, kDealCodeCount - 1}) {
    SCOPED_TRACE(n);
    const std::string text = DealCode(n).Text();
    ASSERT_EQ(text.size(), 8u);
    const DealCodeRead read = ReadDealCode(text);
    ASSERT_TRUE(read.code) << read.refusal;
    EXPECT_EQ(read.code->Number(), n);
  }
  EXPECT_EQ(DealCode(kDealCodeCount + 5), DealCode(5));
}

TEST(DealCodeTest, TypedFormsAreForgivenButNotOtherCharacters) {
  const std::string code = DealCode(987654321).Text();
  std::string lower = code;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  for (const std::string& typed : {lower, " " + code.substr(0, 4) + "-" + code.substr(4) + " "}) {
    EXPECT_EQ(ReadDealCode(typed).code, DealCode(987654321)) << typed;
  }
  // Full width, as a Japanese input method types it: "２Ａ" is "2A".
  EXPECT_EQ(ReadDealCode("\uFF12\uFF21").refusal, "配りコードは8文字です（入力は2文字）。");
  const DealCodeRead lookalike = ReadDealCode("O" + code.substr(1));
  EXPECT_FALSE(lookalike.code);
  EXPECT_NE(lookalike.refusal.find("「O」"), std::string::npos) << lookalike.refusal;
  EXPECT_EQ(ReadDealCode("").refusal, "配りコードを入力してください。");
}

// Every code one wrong character, or two neighbours swapped, away from a good one is refused.
TEST(DealCodeTest, AnyOneTypoIsRefused) {
  for (std::uint64_t n : {std::uint64_t{42}, std::uint64_t{27000000000}}) {
    const std::string code = DealCode(n).Text();
    for (std::size_t i = 0; i < code.size(); ++i) {
      for (char c : kDealCodeAlphabet) {
        if (c == code[i]) continue;
        std::string typo = code;
        typo[i] = c;
        const DealCodeRead read = ReadDealCode(typo);
        ASSERT_FALSE(read.code) << typo;
        EXPECT_NE(read.refusal.find("打ち間違い"), std::string::npos);
      }
      if (i + 1 < code.size() && code[i] != code[i + 1]) {
        std::string swapped = code;
        std::swap(swapped[i], swapped[i + 1]);
        EXPECT_FALSE(ReadDealCode(swapped).code) << swapped;
      }
    }
  }
}

// Changing the derivation changes every past day's deal: these must never move.
TEST(DealCodeTest, TheDailyCodeOfADateIsPinned) {
  EXPECT_EQ(DailyDealCode({2026, 12, 10}).Text(), "Y8N7QF27");
  EXPECT_EQ(DailyDealCode({2027, 1, 1}).Text(), "MN7TM3YW");
  EXPECT_NE(DailyDealCode({2026, 12, 10}), DailyDealCode({2026, 12, 11}));
}

}  // namespace
}  // namespace pg

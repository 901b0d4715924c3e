// Deal codes written and read with their check character, and the daily code of a date.
#include "engine/deal_code.h"

#include <array>

#include "records/player_text.h"

namespace pg {

namespace {

constexpr int kBase = static_cast<int>(kDealCodeAlphabet.size());
constexpr int kDataLength = kDealCodeLength - 1;
static_assert(kBase == 31);

// Apart from the game's seed, so a code never deals as the clock's seed of the same number would.
constexpr std::uint64_t kDealStream = 0x6465616C636F6465ull;
constexpr std::uint64_t kDailyStream = 0x6461696C79646561ull;

int ValueOf(char c) {
  const std::size_t at = kDealCodeAlphabet.find(c);
  return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

// Character i (from 0) weighs i + 1; the check makes the whole weighted sum a multiple of 31.
int WeightedSum(const std::array<int, kDealCodeLength>& values, int count) {
  int sum = 0;
  for (int i = 0; i < count; ++i) sum = (sum + (i + 1) * values[static_cast<std::size_t>(i)]) % kBase;
  return sum;
}

int CheckValue(const std::array<int, kDealCodeLength>& values) {
  const int sum = WeightedSum(values, kDataLength);
  // The check c satisfies sum + 8c = 0 (mod 31); 4 is the inverse of 8, as 32 = 1 (mod 31).
  return ((kBase - sum) * 4) % kBase;
}

// One character of the typed text, full-width forms folded to ASCII; -1 past the end or on text
// that is not UTF-8.
struct Decoded {
  char32_t c;
  std::size_t length;
};

Decoded DecodeOne(std::string_view s) {
  const auto b = static_cast<unsigned char>(s[0]);
  if (b < 0x80) return {b, 1};
  const std::size_t length = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 0;
  if (length == 0 || s.size() < length) return {0xFFFD, 1};
  char32_t c = b & (0x3F >> (length - 1));
  for (std::size_t i = 1; i < length; ++i) c = (c << 6) | (static_cast<unsigned char>(s[i]) & 0x3F);
  return {c, length};
}

std::string Utf8(char32_t c, std::string_view original) {
  return c < 0x80 ? std::string(1, static_cast<char>(c)) : std::string(original);
}

std::uint64_t Mix(std::uint64_t z) {
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

}  // namespace

std::string DealCode::Text() const {
  std::array<int, kDealCodeLength> values{};
  std::uint64_t n = number_;
  for (int i = kDataLength - 1; i >= 0; --i) {
    values[static_cast<std::size_t>(i)] = static_cast<int>(n % kBase);
    n /= kBase;
  }
  values[kDataLength] = CheckValue(values);
  std::string text;
  for (int v : values) text += kDealCodeAlphabet[static_cast<std::size_t>(v)];
  return text;
}

std::uint64_t DealCode::Seed() const { return number_ ^ kDealStream; }

DealCodeRead ReadDealCode(std::string_view typed) {
  std::string chars;
  while (!typed.empty()) {
    const Decoded d = DecodeOne(typed);
    const std::string_view original = typed.substr(0, d.length);
    typed.remove_prefix(d.length);
    char32_t c = d.c;
    if (c >= 0xFF01 && c <= 0xFF5E) c -= 0xFEE0;  // full-width ASCII
    if (c == 0x3000) c = ' ';                     // ideographic space
    if (c == ' ' || c == '-' || c == '\t' || c == 0x30FC || c == 0x2212) continue;  // spaces and dashes
    if (c >= 'a' && c <= 'z') c -= 'a' - 'A';
    if (c >= 0x80 || ValueOf(static_cast<char>(c)) < 0) {
      const std::string shown = Utf8(c, original);
      const bool lookalike = c == '0' || c == 'O' || c == '1' || c == 'I' || c == 'L';
      return {std::nullopt, Fill(Tr("配りコードに使わない文字「%1」が入っています。"), {shown}) +
                                (lookalike ? "\n" + Tr("配りコードには 0・O・1・I・L を使いません。") : "")};
    }
    chars += static_cast<char>(c);
  }
  if (chars.empty()) return {std::nullopt, Tr("配りコードを入力してください。")};
  if (chars.size() != kDealCodeLength) {
    return {std::nullopt,
            Fill(Tr("配りコードは8文字です（入力は%1文字）。"), {std::to_string(chars.size())})};
  }
  std::array<int, kDealCodeLength> values{};
  for (std::size_t i = 0; i < chars.size(); ++i) values[i] = ValueOf(chars[i]);
  if (WeightedSum(values, kDealCodeLength) != 0) {
    return {std::nullopt, Fill(Tr("配りコード「%1」には打ち間違いがあります。\nもう一度お確かめください。"), {chars})};
  }
  std::uint64_t number = 0;
  for (int i = 0; i < kDataLength; ++i) number = number * kBase + static_cast<std::uint64_t>(values[static_cast<std::size_t>(i)]);
  return {DealCode(number), {}};
}

// The date as the number YYYYMMDD, mixed once: neighbouring days get unrelated codes.
DealCode DailyDealCode(const LocalDate& date) {
  const auto ymd = static_cast<std::uint64_t>(date.year * 10000 + date.month * 100 + date.day);
  return DealCode(Mix(ymd ^ kDailyStream));
}

}  // namespace pg

// Local calendar dates written, read and counted.
#include "records/local_date.h"

#include <charconv>
#include <cstdio>

namespace pg {

std::string DateText(const LocalDate& date) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
  return text;
}

std::optional<LocalDate> DateFromText(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  LocalDate date;
  const auto number = [&](std::size_t at, std::size_t length, int& value) {
    const auto [end, error] = std::from_chars(text.data() + at, text.data() + at + length, value);
    return error == std::errc() && end == text.data() + at + length;
  };
  if (!number(0, 4, date.year) || !number(5, 2, date.month) || !number(8, 2, date.day)) return std::nullopt;
  if (date.month < 1 || date.month > 12 || date.day < 1 || date.day > 31) return std::nullopt;
  return date;
}

// Days from the civil date (the proleptic Gregorian calendar), after H. Hinnant's algorithm.
std::int64_t DayNumber(const LocalDate& date) {
  const std::int64_t y = date.year - (date.month <= 2 ? 1 : 0);
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yoe = y - era * 400;
  const std::int64_t mp = (date.month + 9) % 12;
  const std::int64_t doy = (153 * mp + 2) / 5 + date.day - 1;
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

}  // namespace pg

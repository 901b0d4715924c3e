// Local calendar dates as the history keeps them, and counting days between them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pg {

struct LocalDate {
  int year = 1970;
  int month = 1;
  int day = 1;
  bool operator==(const LocalDate&) const = default;
};

// "YYYY-MM-DD".
std::string DateText(const LocalDate& date);
// The date `text` names ("YYYY-MM-DD"), or none.
std::optional<LocalDate> DateFromText(std::string_view text);
// Days since 1970-01-01, for counting consecutive days.
std::int64_t DayNumber(const LocalDate& date);

}  // namespace pg

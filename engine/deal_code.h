// Deal codes: eight characters a player can read out, type and share, naming a match's deals and
// its first dealer, and the code of each day's daily deal.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "records/local_date.h"

namespace pg {

// Letters and digits that cannot be taken for one another: no 0/O, no 1/I/L. There are 31 of them,
// a prime, so the last character, a weighted check, catches any one wrong character and any two
// neighbours swapped.
inline constexpr std::string_view kDealCodeAlphabet = "23456789ABCDEFGHJKMNPQRSTUVWXYZ";
inline constexpr int kDealCodeLength = 8;
// Seven characters carry the number: 31^7 codes.
inline constexpr std::uint64_t kDealCodeCount = 27512614111ull;

class DealCode {
 public:
  // Any number names a code: it is taken modulo kDealCodeCount.
  explicit DealCode(std::uint64_t number) : number_(number % kDealCodeCount) {}
  std::uint64_t Number() const { return number_; }
  // The eight characters, check character last.
  std::string Text() const;
  // The seed of the deal source: the first dealer, then each month's shuffle, draw from it.
  std::uint64_t Seed() const;
  bool operator==(const DealCode&) const = default;

 private:
  std::uint64_t number_;
};

struct DealCodeRead {
  std::optional<DealCode> code;
  // Why the text is not a code, in Japanese; empty when it is one.
  std::string refusal;
};

// Reads a typed code: lower case, full-width letters and digits, spaces and hyphens are forgiven.
DealCodeRead ReadDealCode(std::string_view typed);

// The day's deal: the same code for every player on that date. The derivation is fixed for good:
// changing it would change every past day's deal.
DealCode DailyDealCode(const LocalDate& date);

}  // namespace pg

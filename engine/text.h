// Numbers as the game writes them into captions, and back.
#pragma once

#include <string>
#include <string_view>

namespace pg {

// The standard number-to-text form: a leading blank before a non-negative number (" 5", "-3").
std::string NumText(int value);
// Plain decimal digits, as the progress labels and point labels carry them.
std::string Digits(int value);
// The numeric value at the start of a text, blanks skipped ("  12文" gives 12, "FF" gives 0).
int ValueOf(std::string_view text);

}  // namespace pg

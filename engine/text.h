// Numbers as the game writes them into captions.
#pragma once

#include <string>

namespace pg {

// The standard number-to-text form: a leading blank before a non-negative number (" 5", "-3").
std::string NumText(int value);
// Plain decimal digits, as the progress labels and point labels carry them.
std::string Digits(int value);

}  // namespace pg

// Number texts in the forms the captions use.
#include "engine/text.h"

#include <cctype>

namespace pg {

std::string NumText(int value) { return value >= 0 ? " " + std::to_string(value) : std::to_string(value); }

std::string Digits(int value) { return std::to_string(value); }

int ValueOf(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  long value = 0;
  while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])) && value < 1000000) {
    value = value * 10 + (text[i++] - '0');
  }
  return static_cast<int>(negative ? -value : value);
}

}  // namespace pg

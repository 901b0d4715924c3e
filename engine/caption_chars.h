// Captions measured and cut by characters, as the labels count them, not by UTF-8 bytes.
#pragma once

#include <string>
#include <string_view>

namespace pg {

int CharCount(std::string_view utf8);
// The first / last `count` characters (the whole text when it is shorter).
std::string_view FirstChars(std::string_view utf8, int count);
std::string_view LastChars(std::string_view utf8, int count);
// A character repeated `count` times; nothing for a count below one.
std::string Repeat(std::string_view character, int count);

}  // namespace pg

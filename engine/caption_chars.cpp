// Character-wise views of UTF-8 captions.
#include "engine/caption_chars.h"

#include <algorithm>

namespace pg {

namespace {

bool Continues(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

int CharCount(std::string_view utf8) {
  return static_cast<int>(std::count_if(utf8.begin(), utf8.end(), [](char c) { return !Continues(c); }));
}

std::string_view FirstChars(std::string_view utf8, int count) {
  std::size_t end = 0;
  for (int n = 0; n < count && end < utf8.size(); ++n) {
    ++end;
    while (end < utf8.size() && Continues(utf8[end])) ++end;
  }
  return utf8.substr(0, end);
}

std::string_view LastChars(std::string_view utf8, int count) {
  std::size_t begin = utf8.size();
  for (int n = 0; n < count && begin > 0; ++n) {
    --begin;
    while (begin > 0 && Continues(utf8[begin])) --begin;
  }
  return utf8.substr(begin);
}

std::string Repeat(std::string_view character, int count) {
  std::string text;
  for (int n = 0; n < count; ++n) text += character;
  return text;
}

}  // namespace pg

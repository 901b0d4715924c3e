// Looking up the player's texts and filling their templates.
#include "records/player_text.h"

namespace pg {
namespace {

TextLookup lookup = nullptr;

}  // namespace

void SetTextLookup(TextLookup newLookup) { lookup = newLookup; }

std::string Tr(const char* japanese) { return lookup ? lookup(japanese) : std::string(japanese); }

std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> arguments) {
  std::string text;
  text.reserve(pattern.size() + 16);
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    const auto n = static_cast<std::size_t>(next - '1');
    if (pattern[i] == '%' && next >= '1' && next <= '9' && n < arguments.size()) {
      text += arguments.begin()[n];
      ++i;
    } else {
      text += pattern[i];
    }
  }
  return text;
}

}  // namespace pg

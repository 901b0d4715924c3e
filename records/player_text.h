// The seam between the game's Japanese texts and the player's language.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Marks a Japanese text the player sees where it is only kept (a table, a constant); Tr looks it up
// where it is shown. The translation tools find both by these names.
#define PG_TEXT(japanese) japanese
// Marks Japanese kept as data: written to a file, compared, or put into the player's words elsewhere,
// never shown as it is.
#define PG_JAPANESE_DATA(japanese) japanese

namespace pg {

// The front end's catalogue: the text in the player's language, or the Japanese where it has none.
using TextLookup = std::string (*)(const char* japanese);

// Set once, before the window is built; without it every text stays the game's own Japanese.
void SetTextLookup(TextLookup lookup);

// A text the player sees, in the player's language.
std::string Tr(const char* japanese);

// A looked-up template with its numbers and names put in: %1 to %9 stand for the arguments in order,
// so a language may place them where its sentence needs them.
std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> arguments);

}  // namespace pg

// Text between UTF-8 in memory and CP932 on disk, through the C library's iconv.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace pg {

// nullopt when the text holds a character CP932 has no code for, or is not valid UTF-8.
std::optional<std::string> Utf8ToCp932(std::string_view utf8);

// nullopt when the bytes are not valid CP932.
std::optional<std::string> Cp932ToUtf8(std::string_view cp932);

// Whether every character of the text can be stored; the name box refuses those that cannot.
bool FitsCp932(std::string_view utf8);

// The longest start of the text that takes at most width bytes and ends between two characters,
// so a double-byte character is dropped whole rather than split.
std::string_view CutCp932(std::string_view cp932, std::size_t width);

// The text cut to width and padded with ASCII blanks to exactly width bytes: a fixed field.
std::string FixedCp932(std::string_view cp932, std::size_t width);

}  // namespace pg

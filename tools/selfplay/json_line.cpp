// Escaping and joining for the self-play log's JSON lines.
#include "tools/selfplay/json_line.h"

namespace pg::selfplay {

std::string Quoted(std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string json = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      json += '\\';
      json += c;
    } else if (c == '\n') {
      json += "\\n";
    } else if (c == '\r') {
      json += "\\r";
    } else if (c == '\t') {
      json += "\\t";
    } else if (byte < 0x20) {
      json += "\\u00";
      json += kHex[byte >> 4];
      json += kHex[byte & 0xF];
    } else {
      json += c;
    }
  }
  return json + '"';
}

std::string Array(const std::vector<std::string>& values) {
  std::string json = "[";
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (i > 0) json += ',';
    json += values[i];
  }
  return json + ']';
}

JsonLine::JsonLine(std::string_view event) : text_("{\"event\":" + Quoted(event)) {}

JsonLine& JsonLine::Json(std::string_view key, std::string_view json) {
  text_ += ',';
  text_ += Quoted(key);
  text_ += ':';
  text_ += json;
  return *this;
}

}  // namespace pg::selfplay

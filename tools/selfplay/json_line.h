// One JSON object on one line, keys in the order written: the self-play log's record format.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pg::selfplay {

// A JSON string: quotes, backslashes and control characters escaped, other bytes (UTF-8) as they are.
std::string Quoted(std::string_view text);
// A JSON array of values that are already JSON.
std::string Array(const std::vector<std::string>& values);

class JsonLine {
 public:
  // Every record starts with its event name.
  explicit JsonLine(std::string_view event);

  JsonLine& Json(std::string_view key, std::string_view json);
  JsonLine& Number(std::string_view key, int value) { return Json(key, std::to_string(value)); }
  JsonLine& Text(std::string_view key, std::string_view text) { return Json(key, Quoted(text)); }
  JsonLine& Flag(std::string_view key, bool value) { return Json(key, value ? "true" : "false"); }
  // The object closed, with its line end.
  std::string Line() const { return text_ + "}\n"; }

 private:
  std::string text_;
};

}  // namespace pg::selfplay

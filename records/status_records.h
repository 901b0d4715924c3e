// In-memory copies of the six records of STATUS.DAT, with the values a first run starts from.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace pg {

// The card-speed slider's position on a first run: a whole deal in about two seconds.
inline constexpr std::int16_t kDefaultSpeed = 16;

// Window edges in twips, in this order: FormAgari, FormMain, FormOption, FormRule, FormScore, FormVersion.
struct WindowPositions {
  std::array<std::int16_t, 6> left{};
  std::array<std::int16_t, 6> top{};
};

struct TotalTable {
  std::array<std::string, 5> name;
  std::array<std::int16_t, 5> Yten{};
  std::array<std::int16_t, 5> Cten{};
  std::array<std::int16_t, 5> ten{};
};

struct GameTable {
  std::array<std::int16_t, 3> points{};
  std::array<std::string, 3> name;
  std::array<std::string, 3> yaku;
};

struct OptionSettings {
  std::int16_t Speed = 0;
  std::int16_t WallChoice = 0;
  std::string WallFile;
  std::int16_t ScreenMode = 1;
  std::int16_t YakuDisplay = 0;
  std::string FaceFile0 = "Original";
  std::string FaceFile1 = "Original";
};

struct RuleSettings {
  std::int16_t HanamiRule = 0;
  std::int16_t TsukimiRule = 0;
  std::int16_t OyaRule = 1;
  std::int16_t KikuRule = 0;
  std::int16_t HanamiPoints = 5;
  std::int16_t TsukimiPoints = 5;
};

struct StatusLock {
  std::int16_t value = 0;
};

struct StatusRecords {
  WindowPositions windows;
  TotalTable total;
  GameTable game;
  OptionSettings options;
  RuleSettings rules;
  StatusLock lock;
};

// What a missing or short status file reads as.
StatusRecords DefaultStatusRecords();

}  // namespace pg

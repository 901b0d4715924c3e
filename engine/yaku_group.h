// The nine yaku groups that captured cards are counted into, and arrays indexed by them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace pg {

inline constexpr int kYakuGroups = 9;

// The numbers are the game's own: the progress labels of each side run in this order.
enum class YakuGroup : std::int16_t {
  Hikari = 0,       // 光, counted 2 a card but 1 for the rain bright, so the count tells the yaku apart
  InoShikaCho = 1,  // 猪鹿蝶
  Hanami = 2,       // 花見で一杯
  Tsukimi = 3,      // 月見で一杯
  Akatan = 4,       // 赤短
  Aotan = 5,        // 青短
  Tane = 6,         // タネ, the animal cards
  Tan = 7,          // タン, the ribbons
  Kasu = 8,         // カス, the chaff
};

inline constexpr std::array<YakuGroup, kYakuGroups> kAllYakuGroups{
    YakuGroup::Hikari, YakuGroup::InoShikaCho, YakuGroup::Hanami, YakuGroup::Tsukimi, YakuGroup::Akatan,
    YakuGroup::Aotan,  YakuGroup::Tane,        YakuGroup::Tan,    YakuGroup::Kasu};

constexpr int IndexOf(YakuGroup group) { return static_cast<int>(group); }

// One value per yaku group.
template <typename T>
struct ByYakuGroup {
  std::array<T, kYakuGroups> values{};

  constexpr T& operator[](YakuGroup group) { return values[static_cast<std::size_t>(group)]; }
  constexpr const T& operator[](YakuGroup group) const { return values[static_cast<std::size_t>(group)]; }
  constexpr bool operator==(const ByYakuGroup&) const = default;
};

}  // namespace pg

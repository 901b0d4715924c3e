// The bytes of STATUS.DAT: six records in 606-byte slots, 16-bit little-endian integers, CP932 texts.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "records/status_records.h"

namespace pg {

inline constexpr std::size_t kStatusSlotSize = 606;
inline constexpr int kStatusRecordCount = 6;
// The first six slots: all of the file that the game reads. Bytes after them are kept but never read.
inline constexpr std::size_t kStatusFileSize = kStatusSlotSize * kStatusRecordCount;

// Numbered as in the file, from 1.
enum class StatusRecord : int {
  WindowPositions = 1,
  TotalTable = 2,
  GameTable = 3,
  OptionSettings = 4,
  RuleSettings = 5,
  StatusLock = 6,
};

// The lock word: held while some copy updates the file. Any value but kLockHeld reads as free.
inline constexpr std::int16_t kLockHeld = -1;
inline constexpr std::int16_t kLockFree = 0;

inline constexpr std::size_t kNameWidth = 16;
inline constexpr std::size_t kYakuTextWidth = 128;
// Record 4 is 14 bytes of integers and counts; its three file names share the rest of the slot.
inline constexpr std::size_t kOptionTextRoom = kStatusSlotSize - 14;

std::size_t SlotOffset(StatusRecord record);

// Each encoder returns its record's whole slot: the data, then zero bytes up to 606.
// A text that CP932 cannot hold is stored blank; a fixed text is cut between characters.
// A file name of record 4 that cannot be stored, or that leaves no room for the names after it
// (each of those needs at least its fallback), is stored as empty (the wallpaper) or "Original" (faces).
std::string EncodeSlot(const WindowPositions& windows);
std::string EncodeSlot(const TotalTable& total);
std::string EncodeSlot(const GameTable& game);
std::string EncodeSlot(const OptionSettings& options);
std::string EncodeSlot(const RuleSettings& rules);
std::string EncodeSlot(const StatusLock& lock);

// Which of record 4's file names a save keeps as given, in the order wallpaper, face 0, face 1; the
// others it stores as their fallbacks.
std::array<bool, 3> KeptOptionTexts(const OptionSettings& options);

// Decoders take the file image from its first byte, of any length. A record that the file ends
// inside reads as its defaults; a value out of range, or a text that is not CP932, reads as the
// default of that field and keeps the others. Texts come back as UTF-8, names without trailing blanks.
WindowPositions DecodeWindowPositions(std::string_view file);
TotalTable DecodeTotalTable(std::string_view file);
GameTable DecodeGameTable(std::string_view file);
OptionSettings DecodeOptionSettings(std::string_view file);
RuleSettings DecodeRuleSettings(std::string_view file);
StatusLock DecodeStatusLock(std::string_view file);
StatusRecords DecodeStatusFile(std::string_view file);

// Writes a slot into the file image in its record's place, leaving every other byte as it was.
// An image that ends before that place gains the records in between as their defaults.
void PutSlot(std::string& file, StatusRecord record, std::string_view slot);

}  // namespace pg

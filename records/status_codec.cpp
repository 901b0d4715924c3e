// Encoding and checking the six records of STATUS.DAT byte for byte.
#include "records/status_codec.h"

#include <array>
#include <optional>
#include <utility>

#include "records/cp932.h"

namespace pg {

namespace {

class SlotWriter {
 public:
  void Int(std::int16_t value) {
    const auto bits = static_cast<std::uint16_t>(value);
    bytes_ += static_cast<char>(bits & 0xFFu);
    bytes_ += static_cast<char>(bits >> 8);
  }
  void Fixed(std::string_view utf8, std::size_t width) { bytes_ += FixedCp932(Utf8ToCp932(utf8).value_or(""), width); }
  // The caller has made sure that the text fits its record.
  void Text(std::string_view cp932) {
    Int(static_cast<std::int16_t>(cp932.size()));
    bytes_ += cp932;
  }
  std::string Slot() {
    bytes_.resize(kStatusSlotSize, '\0');
    return std::move(bytes_);
  }

 private:
  std::string bytes_;
};

// Reads fields in order; a read past the end of the bytes it was given marks the record as cut short.
class SlotReader {
 public:
  explicit SlotReader(std::string_view slot) : slot_(slot) {}
  bool Complete() const { return complete_; }
  std::int16_t Int() {
    const std::string_view b = Bytes(2);
    if (b.size() < 2) return 0;
    const auto low = static_cast<unsigned char>(b[0]);
    const auto high = static_cast<unsigned char>(b[1]);
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(low | high << 8));
  }
  std::string_view Bytes(std::size_t count) {
    if (count > slot_.size() - at_) {
      complete_ = false;
      at_ = slot_.size();
      return {};
    }
    const std::string_view bytes = slot_.substr(at_, count);
    at_ += count;
    return bytes;
  }

 private:
  std::string_view slot_;
  std::size_t at_ = 0;
  bool complete_ = true;
};

// A NUL never comes from the game, and would cut a file name short once it reaches the C library.
std::optional<std::string> VariableText(std::string_view cp932) {
  if (cp932.find('\0') != std::string_view::npos) return std::nullopt;
  return Cp932ToUtf8(cp932);
}

std::optional<std::string> FixedText(std::string_view field) {
  // A writer that cut inside a double-byte character leaves a lone lead byte at the end: drop it,
  // not the whole name. Blanks are padding; 0x20 is never the trail byte of a character.
  std::string_view text = CutCp932(field, field.size());
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return VariableText(text);
}

std::int16_t Within(std::int16_t value, std::int16_t low, std::int16_t high, std::int16_t fallback) {
  return value >= low && value <= high ? value : fallback;
}

std::string_view SlotIn(std::string_view file, StatusRecord record) {
  const std::size_t offset = SlotOffset(record);
  if (file.size() <= offset) return {};
  return file.substr(offset, kStatusSlotSize);
}

std::optional<WindowPositions> ReadWindowPositions(std::string_view slot) {
  SlotReader in(slot);
  WindowPositions windows;
  for (std::int16_t& left : windows.left) left = in.Int();
  for (std::int16_t& top : windows.top) top = in.Int();
  if (!in.Complete()) return std::nullopt;
  return windows;
}

std::optional<TotalTable> ReadTotalTable(std::string_view slot) {
  const TotalTable defaults = DefaultStatusRecords().total;
  SlotReader in(slot);
  TotalTable total;
  for (std::size_t r = 0; r < total.name.size(); ++r) {
    total.name[r] = FixedText(in.Bytes(kNameWidth)).value_or(defaults.name[r]);
  }
  for (std::int16_t& value : total.Yten) value = in.Int();
  for (std::int16_t& value : total.Cten) value = in.Int();
  for (std::int16_t& value : total.ten) value = in.Int();
  if (!in.Complete()) return std::nullopt;
  return total;
}

std::optional<GameTable> ReadGameTable(std::string_view slot) {
  const GameTable defaults = DefaultStatusRecords().game;
  SlotReader in(slot);
  GameTable game;
  for (std::int16_t& points : game.points) points = in.Int();
  for (std::size_t r = 0; r < game.name.size(); ++r) {
    game.name[r] = FixedText(in.Bytes(kNameWidth)).value_or(defaults.name[r]);
  }
  for (std::size_t r = 0; r < game.yaku.size(); ++r) {
    game.yaku[r] = FixedText(in.Bytes(kYakuTextWidth)).value_or(defaults.yaku[r]);
  }
  if (!in.Complete()) return std::nullopt;
  return game;
}

std::optional<OptionSettings> ReadOptionSettings(std::string_view slot) {
  const OptionSettings defaults = DefaultStatusRecords().options;
  OptionSettings options = defaults;
  SlotReader in(slot);
  std::size_t room = kOptionTextRoom;
  // A count that would carry the texts past the slot leaves no way to find the fields after it:
  // that text and all that follow keep their defaults.
  const auto text = [&](std::string& field) {
    const std::int16_t count = in.Int();
    if (count < 0 || static_cast<std::size_t>(count) > room) return false;
    room -= static_cast<std::size_t>(count);
    const std::optional<std::string> utf8 = VariableText(in.Bytes(static_cast<std::size_t>(count)));
    if (utf8) field = *utf8;
    return true;
  };
  const std::int16_t speed = in.Int();
  options.Speed = speed > 0 ? speed : defaults.Speed;
  options.WallChoice = Within(in.Int(), 0, 3, defaults.WallChoice);
  if (text(options.WallFile)) {
    options.ScreenMode = Within(in.Int(), 0, 1, defaults.ScreenMode);
    options.YakuDisplay = Within(in.Int(), 0, 2, defaults.YakuDisplay);
    if (text(options.FaceFile0)) text(options.FaceFile1);
  }
  if (!in.Complete()) return std::nullopt;
  return options;
}

std::optional<RuleSettings> ReadRuleSettings(std::string_view slot) {
  const RuleSettings defaults = DefaultStatusRecords().rules;
  SlotReader in(slot);
  RuleSettings rules;
  rules.HanamiRule = Within(in.Int(), 0, 1, defaults.HanamiRule);
  rules.TsukimiRule = Within(in.Int(), 0, 1, defaults.TsukimiRule);
  rules.OyaRule = Within(in.Int(), 0, 1, defaults.OyaRule);
  rules.KikuRule = Within(in.Int(), 0, 1, defaults.KikuRule);
  rules.HanamiPoints = Within(in.Int(), 1, 5, defaults.HanamiPoints);
  rules.TsukimiPoints = Within(in.Int(), 1, 5, defaults.TsukimiPoints);
  if (!in.Complete()) return std::nullopt;
  return rules;
}

std::optional<StatusLock> ReadStatusLock(std::string_view slot) {
  SlotReader in(slot);
  StatusLock lock;
  lock.value = in.Int();
  if (!in.Complete()) return std::nullopt;
  return lock;
}

bool CutShort(std::string_view slot, StatusRecord record) {
  switch (record) {
    case StatusRecord::WindowPositions:
      return !ReadWindowPositions(slot);
    case StatusRecord::TotalTable:
      return !ReadTotalTable(slot);
    case StatusRecord::GameTable:
      return !ReadGameTable(slot);
    case StatusRecord::OptionSettings:
      return !ReadOptionSettings(slot);
    case StatusRecord::RuleSettings:
      return !ReadRuleSettings(slot);
    case StatusRecord::StatusLock:
      return !ReadStatusLock(slot);
  }
  return true;
}

std::string DefaultSlot(StatusRecord record) {
  const StatusRecords defaults = DefaultStatusRecords();
  switch (record) {
    case StatusRecord::WindowPositions:
      return EncodeSlot(defaults.windows);
    case StatusRecord::TotalTable:
      return EncodeSlot(defaults.total);
    case StatusRecord::GameTable:
      return EncodeSlot(defaults.game);
    case StatusRecord::OptionSettings:
      return EncodeSlot(defaults.options);
    case StatusRecord::RuleSettings:
      return EncodeSlot(defaults.rules);
    case StatusRecord::StatusLock:
      return EncodeSlot(defaults.lock);
  }
  return std::string(kStatusSlotSize, '\0');
}

}  // namespace

std::size_t SlotOffset(StatusRecord record) { return (static_cast<std::size_t>(record) - 1) * kStatusSlotSize; }

std::string EncodeSlot(const WindowPositions& windows) {
  SlotWriter out;
  for (std::int16_t left : windows.left) out.Int(left);
  for (std::int16_t top : windows.top) out.Int(top);
  return out.Slot();
}

std::string EncodeSlot(const TotalTable& total) {
  SlotWriter out;
  for (const std::string& name : total.name) out.Fixed(name, kNameWidth);
  for (std::int16_t value : total.Yten) out.Int(value);
  for (std::int16_t value : total.Cten) out.Int(value);
  for (std::int16_t value : total.ten) out.Int(value);
  return out.Slot();
}

std::string EncodeSlot(const GameTable& game) {
  SlotWriter out;
  for (std::int16_t points : game.points) out.Int(points);
  for (const std::string& name : game.name) out.Fixed(name, kNameWidth);
  for (const std::string& yaku : game.yaku) out.Fixed(yaku, kYakuTextWidth);
  return out.Slot();
}

namespace {

struct StoredOptionTexts {
  std::array<std::string, 3> cp932;
  std::array<bool, 3> kept{};
};

StoredOptionTexts FitOptionTexts(const OptionSettings& options) {
  const OptionSettings defaults = DefaultStatusRecords().options;
  const std::string* const names[3] = {&options.WallFile, &options.FaceFile0, &options.FaceFile1};
  // The fallbacks are ASCII, the same bytes in CP932.
  const std::string* const fallbacks[3] = {&defaults.WallFile, &defaults.FaceFile0, &defaults.FaceFile1};
  StoredOptionTexts texts;
  std::size_t room = kOptionTextRoom;
  for (int i = 0; i < 3; ++i) {
    std::size_t reserved = 0;
    for (int j = i + 1; j < 3; ++j) reserved += fallbacks[j]->size();
    std::optional<std::string> cp932 = Utf8ToCp932(*names[i]);
    texts.kept[i] = cp932 && cp932->size() + reserved <= room;
    if (!texts.kept[i]) cp932 = *fallbacks[i];
    room -= cp932->size();
    texts.cp932[i] = std::move(*cp932);
  }
  return texts;
}

}  // namespace

std::array<bool, 3> KeptOptionTexts(const OptionSettings& options) { return FitOptionTexts(options).kept; }

std::string EncodeSlot(const OptionSettings& options) {
  const std::array<std::string, 3> stored = FitOptionTexts(options).cp932;
  SlotWriter out;
  out.Int(options.Speed);
  out.Int(options.WallChoice);
  out.Text(stored[0]);
  out.Int(options.ScreenMode);
  out.Int(options.YakuDisplay);
  out.Text(stored[1]);
  out.Text(stored[2]);
  return out.Slot();
}

std::string EncodeSlot(const RuleSettings& rules) {
  SlotWriter out;
  for (std::int16_t value :
       {rules.HanamiRule, rules.TsukimiRule, rules.OyaRule, rules.KikuRule, rules.HanamiPoints, rules.TsukimiPoints}) {
    out.Int(value);
  }
  return out.Slot();
}

std::string EncodeSlot(const StatusLock& lock) {
  SlotWriter out;
  out.Int(lock.value);
  return out.Slot();
}

WindowPositions DecodeWindowPositions(std::string_view file) {
  return ReadWindowPositions(SlotIn(file, StatusRecord::WindowPositions)).value_or(DefaultStatusRecords().windows);
}

TotalTable DecodeTotalTable(std::string_view file) {
  return ReadTotalTable(SlotIn(file, StatusRecord::TotalTable)).value_or(DefaultStatusRecords().total);
}

GameTable DecodeGameTable(std::string_view file) {
  return ReadGameTable(SlotIn(file, StatusRecord::GameTable)).value_or(DefaultStatusRecords().game);
}

OptionSettings DecodeOptionSettings(std::string_view file) {
  return ReadOptionSettings(SlotIn(file, StatusRecord::OptionSettings)).value_or(DefaultStatusRecords().options);
}

RuleSettings DecodeRuleSettings(std::string_view file) {
  return ReadRuleSettings(SlotIn(file, StatusRecord::RuleSettings)).value_or(DefaultStatusRecords().rules);
}

StatusLock DecodeStatusLock(std::string_view file) {
  return ReadStatusLock(SlotIn(file, StatusRecord::StatusLock)).value_or(DefaultStatusRecords().lock);
}

StatusRecords DecodeStatusFile(std::string_view file) {
  StatusRecords records;
  records.windows = DecodeWindowPositions(file);
  records.total = DecodeTotalTable(file);
  records.game = DecodeGameTable(file);
  records.options = DecodeOptionSettings(file);
  records.rules = DecodeRuleSettings(file);
  records.lock = DecodeStatusLock(file);
  return records;
}

void PutSlot(std::string& file, StatusRecord record, std::string_view slot) {
  const std::size_t offset = SlotOffset(record);
  if (file.size() < offset) {
    const std::size_t whole = file.size() / kStatusSlotSize;
    if (file.size() % kStatusSlotSize != 0) {
      // The file ends inside this earlier slot. If its data is all there, only filler is missing;
      // if not, it already reads as its defaults, and it is completed as them.
      const auto partial = static_cast<StatusRecord>(whole + 1);
      if (CutShort(SlotIn(file, partial), partial)) {
        file.resize(whole * kStatusSlotSize);
        file += DefaultSlot(partial);
      } else {
        file.resize((whole + 1) * kStatusSlotSize, '\0');
      }
    }
    for (std::size_t n = file.size() / kStatusSlotSize + 1; n < static_cast<std::size_t>(record); ++n) {
      file += DefaultSlot(static_cast<StatusRecord>(n));
    }
  }
  if (file.size() < offset + kStatusSlotSize) file.resize(offset + kStatusSlotSize, '\0');
  std::string whole(slot.substr(0, kStatusSlotSize));
  whole.resize(kStatusSlotSize, '\0');
  file.replace(offset, kStatusSlotSize, whole);
}

}  // namespace pg

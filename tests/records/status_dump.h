// Status records printed field by field, so that a failed comparison names the field that differs.
#pragma once

#include <sstream>
#include <string>

#include "records/status_records.h"

namespace pg::test {

template <typename Array>
void DumpArray(std::ostringstream& out, const char* name, const Array& values) {
  out << name << "={";
  for (const auto& value : values) out << '"' << value << "\",";
  out << "}\n";
}

inline std::string Dump(const WindowPositions& windows) {
  std::ostringstream out;
  DumpArray(out, "left", windows.left);
  DumpArray(out, "top", windows.top);
  return out.str();
}

inline std::string Dump(const TotalTable& total) {
  std::ostringstream out;
  DumpArray(out, "name", total.name);
  DumpArray(out, "Yten", total.Yten);
  DumpArray(out, "Cten", total.Cten);
  DumpArray(out, "ten", total.ten);
  return out.str();
}

inline std::string Dump(const GameTable& game) {
  std::ostringstream out;
  DumpArray(out, "points", game.points);
  DumpArray(out, "name", game.name);
  DumpArray(out, "yaku", game.yaku);
  return out.str();
}

inline std::string Dump(const OptionSettings& o) {
  std::ostringstream out;
  out << "Speed=" << o.Speed << " WallChoice=" << o.WallChoice << " WallFile=\"" << o.WallFile
      << "\" ScreenMode=" << o.ScreenMode << " YakuDisplay=" << o.YakuDisplay << " FaceFile0=\"" << o.FaceFile0
      << "\" FaceFile1=\"" << o.FaceFile1 << "\"\n";
  return out.str();
}

inline std::string Dump(const RuleSettings& r) {
  std::ostringstream out;
  out << "HanamiRule=" << r.HanamiRule << " TsukimiRule=" << r.TsukimiRule << " OyaRule=" << r.OyaRule
      << " KikuRule=" << r.KikuRule << " HanamiPoints=" << r.HanamiPoints << " TsukimiPoints=" << r.TsukimiPoints
      << "\n";
  return out.str();
}

inline std::string Dump(const StatusRecords& records) {
  return "[1] " + Dump(records.windows) + "[2] " + Dump(records.total) + "[3] " + Dump(records.game) + "[4] " +
         Dump(records.options) + "[5] " + Dump(records.rules) + "[6] lock=" + std::to_string(records.lock.value) + "\n";
}

}  // namespace pg::test

// Writes the seed files of fuzz/corpus/: whole, partial and crowded status files made by the codec.
#include <fstream>
#include <iostream>
#include <string>

#include "records/status_codec.h"

namespace {

std::string Encode(const pg::StatusRecords& r) {
  return pg::EncodeSlot(r.windows) + pg::EncodeSlot(r.total) + pg::EncodeSlot(r.game) + pg::EncodeSlot(r.options) +
         pg::EncodeSlot(r.rules) + pg::EncodeSlot(r.lock);
}

pg::StatusRecords Played() {
  pg::StatusRecords r = pg::DefaultStatusRecords();
  r.windows.left = {-300, 15, 4500, 30000, -1, 0};
  r.total.name = {"桜", "ＡＢＣＤＥＦＧＨ", "bob", "", ""};
  r.total.Yten = {30, 20, 9, 0, 0};
  r.total.Cten = {5, 10, 8, 0, 0};
  r.total.ten = {25, 10, 1, 0, 0};
  r.game.points = {12, 7, 0};
  r.game.name = {"桜", "bob", ""};
  const std::string empty = "　　　　　    　";
  r.game.yaku[0] = "猪鹿蝶　　   5文赤短　　　   5文タン　　　   2文";
  for (int i = 0; i < 5; ++i) r.game.yaku[0] += empty;
  r.game.yaku[1] = "花見で一杯   5文";
  for (int i = 0; i < 7; ++i) r.game.yaku[1] += empty;
  r.options = {22, 3, "/home/桜/壁紙.png", 0, 2, "Original", "顔.bmp"};
  r.rules = {1, 1, 0, 1, 2, 4};
  r.lock.value = pg::kLockHeld;
  return r;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: " << argv[0] << " FOLDER\n";
    return 2;
  }
  const std::string folder = argv[1];
  const auto write = [&](const std::string& name, const std::string& bytes) {
    std::ofstream(folder + "/" + name, std::ios::binary) << bytes;
  };
  const std::string played = Encode(Played());
  write("defaults.dat", Encode(pg::DefaultStatusRecords()));
  write("played.dat", played);
  // What the first save at exit leaves: records 1 to 5 only.
  write("exit-only.dat", played.substr(0, pg::SlotOffset(pg::StatusRecord::StatusLock)));
  write("cut-in-options.dat", played.substr(0, pg::SlotOffset(pg::StatusRecord::OptionSettings) + 20));
  write("trailing.dat", played + "bytes of another program");
  pg::StatusRecords crowded = Played();
  crowded.options.WallFile = std::string(576, 'w');
  crowded.options.FaceFile0 = "face.bmp";
  crowded.options.FaceFile1 = "顔顔.bmp";
  write("crowded-options.dat", Encode(crowded));
  return 0;
}

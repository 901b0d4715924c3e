// libFuzzer target: arbitrary bytes as STATUS.DAT, decoded in memory and loaded through a file.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "records/status_codec.h"
#include "records/status_file.h"

namespace {

std::string Encode(const pg::StatusRecords& r) {
  return pg::EncodeSlot(r.windows) + pg::EncodeSlot(r.total) + pg::EncodeSlot(r.game) + pg::EncodeSlot(r.options) +
         pg::EncodeSlot(r.rules) + pg::EncodeSlot(r.lock);
}

// The loader reads by path; a memory file reached through /proc keeps the fuzzer off the disk.
struct MemoryFile {
  MemoryFile() : fd(::memfd_create("STATUS.DAT", 0)), path("/proc/self/fd/" + std::to_string(fd)) {
    if (fd < 0) std::abort();
  }
  void Fill(std::string_view bytes) const {
    if (::ftruncate(fd, 0) != 0) std::abort();
    if (::pwrite(fd, bytes.data(), bytes.size(), 0) != static_cast<ssize_t>(bytes.size())) std::abort();
  }
  int fd;
  std::string path;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  // Whatever the file held, what it reads as must save and read back unchanged: a value let through
  // the checks that the encoder could not write again would break the next start-up.
  const std::string saved = Encode(pg::DecodeStatusFile(bytes));
  if (Encode(pg::DecodeStatusFile(saved)) != saved) std::abort();

  static const MemoryFile file;
  file.Fill(bytes);
  const pg::StatusRecords loaded = pg::LoadStatusFile(file.path);
  const pg::HighScoreTables tables = pg::ReadHighScores(file.path);
  if (Encode(loaded) != saved) std::abort();
  if (pg::EncodeSlot(tables.total) != pg::EncodeSlot(loaded.total)) std::abort();
  if (pg::EncodeSlot(tables.game) != pg::EncodeSlot(loaded.game)) std::abort();
  return 0;
}

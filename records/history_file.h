// The history file as a file: what kind of thing bears its name, which file it is, moving it aside
// with its log, and naming it to SQLite.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace pg {

// Why the name cannot hold a database (a folder, a link that leads nowhere or round in a loop, a
// device), in Japanese; nothing when it names a regular file or nothing yet.
std::optional<std::string> PathProblem(const std::filesystem::path& path);

// Which file the name stands for now: another copy may have moved it aside and started a new one.
// The time of its making tells a new file from an old one that left its inode number free.
struct FileIdentity {
  unsigned long long device = 0;
  unsigned long long inode = 0;
  long long born = 0;
  bool operator==(const FileIdentity&) const = default;
};
std::optional<FileIdentity> IdentityOf(const std::filesystem::path& path);

// True the first time this run asks about the file: the thorough checks are made once a run.
bool FirstLookAt(const FileIdentity& file);

// The bytes of the write-ahead log SQLite keeps beside the file; 0 when there is none.
std::uintmax_t LogSize(const std::filesystem::path& path);

// Renames the file, and the log and index SQLite keeps beside it, out of the way under one new
// name "<name>.<tag>-<time>", so that what is kept reads as it did; gives that name, or nothing
// when the file could not be moved.
std::optional<std::filesystem::path> MoveAside(const std::filesystem::path& path, const std::string& tag);

// Whether history.db and the files SQLite keeps beside it may be written: its folder, and the file
// when there is one. Asked of the system, which lets root write anywhere; a test puts its own
// answer in place with SetWritableCheck (nullptr puts the system's back).
bool MayWrite(const std::filesystem::path& path);
void SetWritableCheck(bool (*check)(const std::filesystem::path& path));

// The path as an SQLite URI, with `query` ("mode=ro", "immutable=1") after it.
std::string FileUri(const std::filesystem::path& path, const std::string& query);

}  // namespace pg

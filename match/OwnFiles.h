#pragma once
// How the program treats its own files (match lists, games, stored deals, statistics): a missing
// file is the quiet first start; a file that is there but cannot be read, or reads as damaged, is
// moved aside to its name + ".bad" (the copies moved aside before it become ".bad.1", ".bad.2" ...,
// the oldest of them going) so that nothing overwrites it; when it cannot be moved, every later
// write to that path is refused. Writes replace a file atomically. A file the person names is
// theirs: it is never moved.

#include "platform/core/FileIo.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

struct OwnFileRead {
    enum Kind { Missing, Read, Unreadable } Result = Missing;
    platform::Bytes Bytes;
    bool TooLarge = false;  // the file is longer than the cap; Bytes holds its start
};

// Reads at most cap bytes of the file (one more tells whether it is longer).
OwnFileRead ReadOwnFile(const std::string& path, std::size_t cap);

// Whether nothing at all is at the path: no file, no folder, no link.
bool NothingAt(const std::string& path);

// Moves a damaged file aside; when that fails the path is kept from every later write.
// Returns whether the file was moved.
bool MoveDamagedFileAside(const std::string& path);

// Damaged files that could not be moved aside in this run.
extern std::vector<std::string> g_ProtectedFiles;

// The damaged copies kept of one file: ".bad" and ".bad.1" to ".bad.4".
inline constexpr int kDamagedCopies = 5;

// Removes from the folder what saves killed before their rename left behind: the temporary files
// of WriteFileAtomic made for one of the given file names (the name, a dot and six letters or
// digits). Nothing else is touched.
void RemoveStaleTemporaryFiles(const std::string& folder, std::span<const std::string> names);

// Whether the path holds a damaged file that could not be moved aside.
bool IsProtectedFile(const std::string& path);

// What the program last saw of one of its files: where, and who the file was after that read or
// write (nothing: there was no file); for a file written whole, also the bytes it then held.
struct SeenFile {
    std::string Path;
    std::optional<platform::FileStamp> Stamp;
    std::optional<platform::Bytes> Bytes;
};

// Notes the file at the path as it stands now.
void NoteSeen(SeenFile& seen, const std::string& path);
// Notes the file at the path as it stands now, holding the bytes just read from it.
void NoteSeen(SeenFile& seen, const std::string& path, std::span<const std::uint8_t> bytes);

// Writes the bytes over the file atomically; false when the path is protected or the write failed.
bool WriteOwnFile(const std::string& path, std::span<const std::uint8_t> bytes);
// The same for a writer that took the file's stamp just before (`before`); `after` is the stamp of
// the file written.
bool WriteOwnFile(const std::string& path, std::span<const std::uint8_t> bytes,
                  const std::optional<platform::FileStamp>& before, platform::FileStamp& after);

// What WriteSeenFile did.
enum class SeenWrite { Written, Unchanged, ChangedByOther, Failed };

// Writes the bytes over the file atomically unless the file still is the one the program last
// read or wrote there with these very bytes: then there is nothing to change (Unchanged). A file
// someone else changed since is kept as it is (ChangedByOther) when keepOthers, else replaced.
// `seen` follows the file.
SeenWrite WriteSeenFile(SeenFile& seen, const std::string& path, std::span<const std::uint8_t> bytes, bool keepOthers);

#pragma once
// Whole-file helpers for the program's own files: read everything into bytes, replace a file
// atomically, append, delete, test. Failures come back as values with a message for the user.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

using Bytes = std::vector<std::uint8_t>;

// The outcome of a file operation: ok, or the reason it failed (path and system message).
struct FileStatus {
    bool ok = true;
    std::string error;
    explicit operator bool() const { return ok; }
};

// The whole content of a file, or why it could not be read.
struct FileContent {
    bool ok = false;
    bool missing = false;  // the file does not exist (a failure too, but often an expected one)
    bool tooLarge = false;  // ReadRegularFile: the file is longer than asked for; bytes holds the start
    Bytes bytes;
    std::string error;
    explicit operator bool() const { return ok; }
    std::string Text() const { return std::string(bytes.begin(), bytes.end()); }
};

FileContent ReadWholeFile(const std::string& path);

// Reads a regular file of at most `maxBytes` without ever blocking: anything else at the path (a
// folder, a named pipe, a device, a link to one) is refused without being opened, and so is one that
// turns into such a thing while it is opened. A longer file gives its first `maxBytes` bytes, ok and
// tooLarge.
FileContent ReadRegularFile(const std::string& path, std::size_t maxBytes);

// Whether the file at the path is one that can be read, tried with a first read: missing counts as
// readable (there is nothing to lose); anything but a regular file does not.
FileStatus CheckReadable(const std::string& path);

// Replaces the file by writing a temporary file beside it and renaming it over the target, so a
// crash or a full disk leaves either the old content or the new one, never a half-written file.
FileStatus WriteFileAtomic(const std::string& path, std::span<const std::uint8_t> bytes);
FileStatus WriteFileAtomic(const std::string& path, std::string_view text);

// Who a file is, as it stood after our last write to it: a file changed or replaced since then by
// anyone else has another stamp. The rights go with it for the next replacement to keep; a change
// of rights alone is no change of the file.
struct FileStamp {
    std::uint64_t device = 0, inode = 0, size = 0;
    std::int64_t modifiedNs = 0;
    std::uint32_t mode = 0;
    bool operator==(const FileStamp& other) const {
        return device == other.device && inode == other.inode && size == other.size && modifiedNs == other.modifiedNs;
    }
};

// WriteFileAtomic for a writer that took the stamp of the file at the path just before (nothing:
// there was no file), whose rights the new file keeps; `after` is the new file's stamp.
FileStatus WriteFileAtomic(const std::string& path, std::span<const std::uint8_t> bytes,
                           const std::optional<FileStamp>& before, FileStamp& after);
// The stamp of the regular file at the path, or nothing.
std::optional<FileStamp> StampOf(const std::string& path);
// Whether the file at the path is another than `seen` (its stamp when the program last read or
// wrote it; nothing: there was no file then): someone else changed, replaced or made it since. A
// path that holds no file now was changed by nobody.
bool ChangedSince(const std::string& path, const std::optional<FileStamp>& seen);

// One step of changing a file in place: bytes written at an offset, or the file cut to a length.
struct FileStep {
    enum Kind { Write, Cut } kind = Write;
    std::uint64_t offset = 0;  // where the bytes go, or the new length
    Bytes bytes;
};

// Changes the regular file at the path in place, step by step in the given order, then makes it
// durable with one fsync. Refused (nothing written) when the file is not a regular file or its
// stamp is no longer `expected`. On success `after` holds the new stamp.
FileStatus UpdateFileInPlace(const std::string& path, const FileStamp& expected, std::span<const FileStep> steps,
                             FileStamp& after);

// Appends at the end, creating the file when it does not exist. Only a regular file is opened, and
// never in a way that waits (a named pipe or a device at the path is refused).
FileStatus AppendToFile(const std::string& path, std::span<const std::uint8_t> bytes);
FileStatus AppendToFile(const std::string& path, std::string_view text);

// Removes the file; a file that was not there counts as removed.
FileStatus RemoveFile(const std::string& path);
bool FileExists(const std::string& path);
// Size in bytes of a regular file, or nothing when there is none.
std::optional<std::uint64_t> FileSize(const std::string& path);

}  // namespace platform

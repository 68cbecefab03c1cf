#include "platform/core/FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace platform {

namespace {

FileStatus Failure(const std::string& what, const std::string& path, int error) {
    return FileStatus{false, what + " " + path + ": " + std::strerror(error)};
}

// Writes all bytes, going on after short writes and interruptions.
bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

std::span<const std::uint8_t> AsBytes(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

}  // namespace

FileContent ReadWholeFile(const std::string& path) {
    FileContent result;
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        int error = errno;
        result.missing = error == ENOENT;
        result.error = Failure("Cannot open", path, error).error;
        return result;
    }
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        ::close(fd);
        result.error = Failure("Cannot read", path, EISDIR).error;
        return result;
    }
    std::uint8_t buffer[65536];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            int error = errno;
            ::close(fd);
            result.bytes.clear();
            result.error = Failure("Cannot read", path, error).error;
            return result;
        }
        if (n == 0) break;
        result.bytes.insert(result.bytes.end(), buffer, buffer + n);
    }
    ::close(fd);
    result.ok = true;
    return result;
}

namespace {

// Opens a regular file for reading without blocking; -1 with `error` set otherwise (ENOENT when
// missing, EINVAL for anything that is not a regular file).
int OpenRegular(const std::string& path, int& error) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        error = errno;
        return -1;
    }
    if (!S_ISREG(info.st_mode)) {
        error = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        return -1;
    }
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        error = errno;
        return -1;
    }
    // Swapped for something else between the look and the opening.
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        error = EINVAL;
        return -1;
    }
    return fd;
}

std::string NotARegularFile(const std::string& path, int error) {
    if (error == EINVAL) return "Cannot read " + path + ": not a regular file";
    return Failure(error == ENOENT ? "Cannot open" : "Cannot read", path, error).error;
}

}  // namespace

FileContent ReadRegularFile(const std::string& path, std::size_t maxBytes) {
    FileContent result;
    int error = 0;
    int fd = OpenRegular(path, error);
    if (fd < 0) {
        result.missing = error == ENOENT;
        result.error = NotARegularFile(path, error);
        return result;
    }
    std::uint8_t buffer[65536];
    for (;;) {
        const std::size_t room = maxBytes + 1 - result.bytes.size();
        ssize_t n = ::read(fd, buffer, std::min(sizeof buffer, room));
        if (n < 0) {
            if (errno == EINTR) continue;
            error = errno;
            ::close(fd);
            result.bytes.clear();
            result.error = Failure("Cannot read", path, error).error;
            return result;
        }
        if (n == 0) break;
        result.bytes.insert(result.bytes.end(), buffer, buffer + n);
        if (result.bytes.size() > maxBytes) {
            result.bytes.resize(maxBytes);
            result.tooLarge = true;
            break;
        }
    }
    ::close(fd);
    result.ok = true;
    return result;
}

FileStatus CheckReadable(const std::string& path) {
    int error = 0;
    int fd = OpenRegular(path, error);
    if (fd < 0) {
        if (error == ENOENT) return {};
        return {false, NotARegularFile(path, error)};
    }
    std::uint8_t buffer[4096];
    ssize_t n = 0;
    do {
        n = ::read(fd, buffer, sizeof buffer);
    } while (n < 0 && errno == EINTR);
    error = errno;
    ::close(fd);
    if (n < 0) return Failure("Cannot read", path, error);
    return {};
}

namespace {

FileStamp StampOfInfo(const struct stat& info) {
    FileStamp stamp;
    stamp.device = static_cast<std::uint64_t>(info.st_dev);
    stamp.inode = static_cast<std::uint64_t>(info.st_ino);
    stamp.size = static_cast<std::uint64_t>(info.st_size);
    stamp.modifiedNs = static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    stamp.mode = static_cast<std::uint32_t>(info.st_mode & 07777);
    return stamp;
}

// Writes a temporary file beside the target with the given rights and renames it over the target;
// `after` (when asked for) takes the new file's stamp before it is renamed, which keeps it.
FileStatus ReplaceFile(const std::string& path, std::span<const std::uint8_t> bytes, mode_t mode, FileStamp* after) {
    std::string temporary = path + ".XXXXXX";
    int fd = ::mkstemp(temporary.data());
    if (fd < 0) return Failure("Cannot create a temporary file for", path, errno);
    // mkstemp makes the file private; the new file keeps the rights of the one it replaces.
    ::fchmod(fd, mode);
    struct stat info {};
    bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0 && (after == nullptr || ::fstat(fd, &info) == 0);
    int error = errno;
    if (::close(fd) != 0 && written) {
        written = false;
        error = errno;
    }
    if (!written) {
        ::unlink(temporary.c_str());
        return Failure("Cannot write", path, error);
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        error = errno;
        ::unlink(temporary.c_str());
        return Failure("Cannot replace", path, error);
    }
    if (after != nullptr) *after = StampOfInfo(info);
    return {};
}

}  // namespace

FileStatus WriteFileAtomic(const std::string& path, std::span<const std::uint8_t> bytes) {
    struct stat target {};
    return ReplaceFile(path, bytes, ::stat(path.c_str(), &target) == 0 ? (target.st_mode & 07777) : 0644, nullptr);
}

FileStatus WriteFileAtomic(const std::string& path, std::span<const std::uint8_t> bytes,
                           const std::optional<FileStamp>& before, FileStamp& after) {
    return ReplaceFile(path, bytes, before ? static_cast<mode_t>(before->mode) : 0644, &after);
}

FileStatus WriteFileAtomic(const std::string& path, std::string_view text) {
    return WriteFileAtomic(path, AsBytes(text));
}

namespace {

// Opens a regular file for writing without waiting; -1 for anything else at the path (a pipe
// without a reader, a device, a folder, a link that would lead the write elsewhere), with `error`
// set (EINVAL for what is there but no regular file); `info` holds what the file is once opened.
int OpenRegularForWriting(const std::string& path, int flags, int& error, struct stat& info) {
    int fd = ::open(path.c_str(), flags | O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0) {
        error = errno == ELOOP ? EINVAL : errno;
        return -1;
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        error = EINVAL;
        return -1;
    }
    return fd;
}

// Writes all bytes at an offset, going on after short writes and interruptions.
bool WriteAllAt(int fd, std::span<const std::uint8_t> bytes, std::uint64_t offset) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::pwrite(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(offset + done));
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

std::optional<FileStamp> StampOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    return StampOfInfo(info);
}

bool ChangedSince(const std::string& path, const std::optional<FileStamp>& seen) {
    const std::optional<FileStamp> now = StampOf(path);
    return now && now != seen;
}

FileStatus UpdateFileInPlace(const std::string& path, const FileStamp& expected, std::span<const FileStep> steps,
                             FileStamp& after) {
    int error = 0;
    struct stat info {};
    int fd = OpenRegularForWriting(path, 0, error, info);
    if (fd < 0) return error == EINVAL ? FileStatus{false, "Cannot write " + path + ": not a regular file"}
                                       : Failure("Cannot open", path, error);
    if (!(StampOfInfo(info) == expected)) {
        ::close(fd);
        return FileStatus{false, "Cannot write " + path + ": changed by another program"};
    }
    bool written = true;
    for (const FileStep& step : steps) {
        written = step.kind == FileStep::Cut ? ::ftruncate(fd, static_cast<off_t>(step.offset)) == 0
                                             : WriteAllAt(fd, step.bytes, step.offset);
        if (!written) break;
    }
    written = written && ::fsync(fd) == 0 && ::fstat(fd, &info) == 0;
    error = errno;
    if (::close(fd) != 0 && written) {
        written = false;
        error = errno;
    }
    if (!written) return Failure("Cannot write", path, error);
    after = StampOfInfo(info);
    return {};
}

FileStatus AppendToFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    int error = 0;
    struct stat info {};
    int fd = OpenRegularForWriting(path, O_CREAT | O_APPEND, error, info);
    if (fd < 0) return error == EINVAL ? FileStatus{false, "Cannot write " + path + ": not a regular file"}
                                       : Failure("Cannot open", path, error);
    bool written = WriteAll(fd, bytes);
    error = errno;
    if (::close(fd) != 0 && written) {
        written = false;
        error = errno;
    }
    if (!written) return Failure("Cannot write", path, error);
    return {};
}

FileStatus AppendToFile(const std::string& path, std::string_view text) {
    return AppendToFile(path, AsBytes(text));
}

FileStatus RemoveFile(const std::string& path) {
    if (::unlink(path.c_str()) != 0 && errno != ENOENT) return Failure("Cannot delete", path, errno);
    return {};
}

bool FileExists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::optional<std::uint64_t> FileSize(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    return static_cast<std::uint64_t>(info.st_size);
}

}  // namespace platform

#include "match/OwnFiles.h"

#include "match/Statistics.h"

#include <algorithm>
#include <filesystem>
#include <cctype>
#include <cstdio>
#include <string_view>

std::vector<std::string> g_ProtectedFiles;

OwnFileRead ReadOwnFile(const std::string& path, std::size_t cap) {
    OwnFileRead read;
    // Anything at the path counts: a folder or a device where the file should be is unreadable.
    if (NothingAt(path)) return read;
    platform::FileContent content = platform::ReadRegularFile(path, cap + 1);
    if (!content.ok) {
        read.Result = content.missing ? OwnFileRead::Missing : OwnFileRead::Unreadable;
        return read;
    }
    read.Result = OwnFileRead::Read;
    read.TooLarge = content.tooLarge || content.bytes.size() > cap;
    read.Bytes = std::move(content.bytes);
    return read;
}

bool NothingAt(const std::string& path) {
    std::error_code error;
    return !std::filesystem::exists(std::filesystem::symlink_status(path, error));
}

bool MoveDamagedFileAside(const std::string& path) {
    const std::string aside = path + ".bad";
    // The older copies move up by one; the oldest goes.
    const auto copy = [&](int number) { return number == 0 ? aside : aside + "." + std::to_string(number); };
    std::error_code error;
    if (std::filesystem::exists(std::filesystem::symlink_status(aside, error))) {
        (void)std::remove(copy(kDamagedCopies - 1).c_str());
        for (int number = kDamagedCopies - 2; number >= 0; --number)
            (void)std::rename(copy(number).c_str(), copy(number + 1).c_str());
    }
    if (std::rename(path.c_str(), aside.c_str()) == 0) return true;
    if (!IsProtectedFile(path)) g_ProtectedFiles.push_back(path);
    return false;
}

void RemoveStaleTemporaryFiles(const std::string& folder, std::span<const std::string> names) {
    std::error_code error;
    std::filesystem::directory_iterator entries(folder, error);
    if (error) return;
    for (const std::filesystem::directory_entry& entry : entries) {
        const std::string name = entry.path().filename().string();
        // mkstemp's suffix: a dot and six letters or digits.
        if (name.size() < 7 || name[name.size() - 7] != '.') continue;
        const std::string_view suffix = std::string_view(name).substr(name.size() - 6);
        if (!std::all_of(suffix.begin(), suffix.end(), [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; }))
            continue;
        const std::string base = name.substr(0, name.size() - 7);
        if (std::find(names.begin(), names.end(), base) == names.end()) continue;
        if (!entry.is_regular_file(error) || entry.is_symlink(error)) continue;
        (void)std::filesystem::remove(entry.path(), error);
    }
}

bool IsProtectedFile(const std::string& path) {
    return std::find(g_ProtectedFiles.begin(), g_ProtectedFiles.end(), path) != g_ProtectedFiles.end();
}

bool WriteOwnFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    if (IsProtectedFile(path)) return false;
    return static_cast<bool>(platform::WriteFileAtomic(path, bytes));
}

bool WriteOwnFile(const std::string& path, std::span<const std::uint8_t> bytes,
                  const std::optional<platform::FileStamp>& before, platform::FileStamp& after) {
    if (IsProtectedFile(path)) return false;
    return static_cast<bool>(platform::WriteFileAtomic(path, bytes, before, after));
}

void NoteSeen(SeenFile& seen, const std::string& path) { seen = {path, platform::StampOf(path), std::nullopt}; }

void NoteSeen(SeenFile& seen, const std::string& path, std::span<const std::uint8_t> bytes) {
    seen = {path, platform::StampOf(path), platform::Bytes(bytes.begin(), bytes.end())};
}

SeenWrite WriteSeenFile(SeenFile& seen, const std::string& path, std::span<const std::uint8_t> bytes, bool keepOthers) {
    const std::optional<platform::FileStamp> now = platform::StampOf(path);
    if (seen.Path == path && now) {
        if (now != seen.Stamp) {
            if (keepOthers) return SeenWrite::ChangedByOther;
        } else if (seen.Bytes && std::equal(seen.Bytes->begin(), seen.Bytes->end(), bytes.begin(), bytes.end())) {
            return SeenWrite::Unchanged;
        }
    }
    platform::FileStamp after;
    if (!WriteOwnFile(path, bytes, now, after)) return SeenWrite::Failed;
    seen = {path, after, platform::Bytes(bytes.begin(), bytes.end())};
    return SeenWrite::Written;
}

#include "match/OwnFiles.h"

#include "match/Statistics.h"

#include <algorithm>
#include <filesystem>
#include <cstdio>

std::vector<std::string> g_ProtectedFiles;

OwnFileRead ReadOwnFile(const std::string& path, std::size_t cap) {
    OwnFileRead read;
    // Anything at the path counts: a folder or a device where the file should be is unreadable.
    std::error_code error;
    if (!std::filesystem::exists(std::filesystem::symlink_status(path, error))) return read;
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

bool MoveDamagedFileAside(const std::string& path) {
    const std::string aside = path + ".bad";
    if (std::rename(path.c_str(), aside.c_str()) == 0) return true;
    if (!IsProtectedFile(path)) g_ProtectedFiles.push_back(path);
    return false;
}

bool IsProtectedFile(const std::string& path) {
    return std::find(g_ProtectedFiles.begin(), g_ProtectedFiles.end(), path) != g_ProtectedFiles.end();
}

bool WriteOwnFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    if (IsProtectedFile(path)) return false;
    return static_cast<bool>(platform::WriteFileAtomic(path, bytes));
}

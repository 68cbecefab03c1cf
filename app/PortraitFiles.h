#pragma once
// The portraits of the table, read from image files with Qt's image readers and kept by file, so
// that a repaint does not read the file again. A file that changed since it was read is read anew;
// one that cannot be read gives an empty bitmap (the table then leaves the portrait out).

#include <filesystem>
#include <map>
#include <string>

#include "platform/core/Bitmap.h"

class PortraitFiles {
public:
    static constexpr std::size_t kMaxKept = 8;
    // A portrait file larger than this is no portrait.
    static constexpr std::size_t kMaxPortraitBytes = 32u << 20;

    platform::Bitmap Load(const std::string& path);

private:
    struct Entry {
        std::filesystem::file_time_type modified;
        platform::Bitmap picture;
    };
    std::map<std::string, Entry> m_kept;
};

#include "app/PortraitFiles.h"

#include <QImage>
#include <QString>

#include "platform/core/FileIo.h"
#include "platform/qt/QtImage.h"

platform::Bitmap PortraitFiles::Load(const std::string& path) {
    std::error_code error;
    const auto modified = std::filesystem::last_write_time(path, error);
    if (error) return {};
    if (auto kept = m_kept.find(path); kept != m_kept.end() && kept->second.modified == modified)
        return kept->second.picture;

    // Only a regular file, opened without waiting and read to a bound: a named pipe, a device or
    // a folder named as a portrait is left out instead of holding up the table.
    const platform::FileContent content = platform::ReadRegularFile(path, kMaxPortraitBytes);
    if (!content || content.tooLarge) return {};
    QImage image;
    if (!image.loadFromData(content.bytes.data(), static_cast<int>(content.bytes.size()))) return {};
    platform::Bitmap picture = platform::ToBitmap(image);
    // Four portraits are in use at a time; a few more cover the person trying pictures out.
    if (m_kept.size() >= kMaxKept) m_kept.clear();
    m_kept[path] = {modified, picture};
    return picture;
}

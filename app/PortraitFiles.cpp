#include "app/PortraitFiles.h"

#include <QImage>
#include <QString>

#include "platform/qt/QtImage.h"

platform::Bitmap PortraitFiles::Load(const std::string& path) {
    std::error_code error;
    const auto modified = std::filesystem::last_write_time(path, error);
    if (error) return {};
    if (auto kept = m_kept.find(path); kept != m_kept.end() && kept->second.modified == modified)
        return kept->second.picture;

    QImage image;
    if (!image.load(QString::fromStdString(path))) return {};
    platform::Bitmap picture = platform::ToBitmap(image);
    // Four portraits are in use at a time; a few more cover the person trying pictures out.
    if (m_kept.size() >= kMaxKept) m_kept.clear();
    m_kept[path] = {modified, picture};
    return picture;
}

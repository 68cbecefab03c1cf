#include "platform/core/DesktopInstance.h"

#include "platform/core/WindowSystem.h"

namespace platform {

namespace {

// Well-formed UTF-8 (no overlong forms, no surrogates, nothing above U+10FFFF) without control
// characters.
bool IsCleanUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            if (byte < 0x20 || byte == 0x7F) return false;
            ++i;
            continue;
        }
        std::size_t length = 0;
        char32_t code = 0;
        if ((byte & 0xE0) == 0xC0) {
            length = 2;
            code = byte & 0x1F;
        } else if ((byte & 0xF0) == 0xE0) {
            length = 3;
            code = byte & 0x0F;
        } else if ((byte & 0xF8) == 0xF0) {
            length = 4;
            code = byte & 0x07;
        } else {
            return false;
        }
        if (i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            code = (code << 6) | (next & 0x3F);
        }
        constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
        if (code >= 0x80 && code < 0xA0) return false;  // C1 control characters
        i += length;
    }
    return true;
}

}  // namespace

bool IsAcceptableHandedOverName(std::string_view name) {
    return !name.empty() && name.size() <= kMaxHandedOverNameBytes && name.front() == '/' && IsCleanUtf8(name);
}

std::string HandedOverFileBytes(std::string_view name) {
    std::string bytes;
    bytes.reserve(name.size() + 3);
    bytes += '"';
    bytes += name;
    bytes += '"';
    bytes += '\0';
    return bytes;
}

bool DeliverHandedOverFile(HWND mainWindow, std::string_view name) {
    WindowSystem& system = WindowSystem::Instance();
    if (!IsAcceptableHandedOverName(name) || !system.IsWindow(mainWindow)) return false;
    system.DeliverCopyData(mainWindow, nullptr, kHandedOverFileTag, HandedOverFileBytes(name));
    return true;
}

}  // namespace platform

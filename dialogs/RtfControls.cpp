#include "dialogs/RtfControls.h"

std::string StripRtfControls(const std::string& text) {
    std::string plain;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t slash = text.find('\\', at);
        if (slash == std::string::npos) {
            plain.append(text, at, std::string::npos);
            break;
        }
        plain.append(text, at, slash - at);
        // A control word runs up to and including the next blank; without one the text ends.
        const std::size_t blank = text.find(' ', slash);
        if (blank == std::string::npos) break;
        at = blank + 1;
    }
    return plain;
}

#include "match/RichTextEscape.h"

#include "platform/core/Codepage.h"

#include <cstdio>

std::string EscapeRichText(const std::string& text) {
    const std::string western = platform::Utf8ToCp1252(text);
    std::string escaped;
    escaped.reserve(western.size() + 8);
    for (char c : western) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (c == '\\' || c == '{' || c == '}') {
            escaped += '\\';
            escaped += c;
        } else if (byte < 0x20 || byte == 0x7f) {
            escaped += ' ';
        } else if (byte > 0x7f) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\'%02x", byte);
            escaped += hex;
        } else {
            escaped += c;
        }
    }
    return escaped;
}

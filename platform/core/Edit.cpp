#include "platform/core/Edit.h"

#include "platform/core/ControlMessages.h"
#include "platform/core/WindowApi.h"

namespace platform {

namespace {

void AppendUtf8(std::string& text, char32_t c) {
    if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | (c >> 6));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        text += static_cast<char>(0xE0 | (c >> 12));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (c >> 18));
        text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

std::size_t CountCharacters(const std::string& text) {
    std::size_t count = 0;
    for (char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    }
    return count;
}

bool Edit::Type(char32_t character) {
    if (IsReadOnly() || !AcceptsInput()) return false;
    std::string text = Title();
    if (character == VK_BACK) {
        if (text.empty()) return false;
        std::size_t cut = text.size() - 1;
        while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
        text.erase(cut);
    } else if (character == '\r' || character == '\n') {
        if (!(Style() & CTL_MULTILINE)) return false;
        text += "\r\n";
    } else {
        if (character < 0x20 || character == 0x7F || character > 0x10FFFF) return false;
        if (Style() & CTL_NUMBER && (character < '0' || character > '9')) return false;
        if (m_limit != 0 && CountCharacters(text) >= m_limit) return false;
        AppendUtf8(text, character);
    }
    SetWindowText(text);
    NotifyParent(EN_CHANGE);
    return true;
}

LRESULT Edit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CHAR:
            Type(static_cast<char32_t>(wParam));
            return 0;
        case EM_LIMITTEXT:
            SetLimit(wParam);
            return 0;
        case EM_GETLIMITTEXT:
            return static_cast<LRESULT>(m_limit);
        case EM_SETREADONLY:
            SetReadOnly(wParam != 0);
            return 1;
        case WM_LBUTTONDOWN:
            if (AcceptsInput()) SetFocus();
            return 0;
        default:
            return Control::WindowProc(message, wParam, lParam);
    }
}

}  // namespace platform

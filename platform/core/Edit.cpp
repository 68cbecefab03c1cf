#include "platform/core/Edit.h"

#include "platform/core/ControlMessages.h"
#include "platform/core/WindowApi.h"

#include <cstdint>

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

std::size_t ByteOffsetOfCharacter(const std::string& text, std::size_t index) {
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if ((static_cast<unsigned char>(text[at]) & 0xC0) == 0x80) continue;
        if (count == index) return at;
        ++count;
    }
    return text.size();
}

void Edit::SetSel(int first, int end) {
    const int length = static_cast<int>(CountCharacters(Title()));
    if (end < 0 || end > length) end = length;
    if (first < 0) first = 0;
    if (first > end) first = end;
    m_selStart = first;
    m_selEnd = end;
    Invalidate();
}

void Edit::SelectAllAndShowCaret() {
    SetSel(0, -1);
    m_caretShown = true;
}

bool Edit::Type(char32_t character) {
    if (IsReadOnly() || !AcceptsInput()) return false;
    std::string text = Title();
    // What is selected goes first, whatever comes instead.
    const std::size_t from = ByteOffsetOfCharacter(text, static_cast<std::size_t>(m_selStart));
    const std::size_t to = ByteOffsetOfCharacter(text, static_cast<std::size_t>(m_selEnd));
    const bool selected = to > from;
    std::string typed;
    if (character == VK_BACK) {
        if (!selected) {
            if (text.empty()) return false;
            std::size_t cut = text.size() - 1;
            while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
            text.erase(cut);
        }
    } else if (character == '\r' || character == '\n') {
        if (!(Style() & CTL_MULTILINE)) return false;
        typed = "\r\n";
    } else {
        if (character < 0x20 || character == 0x7F || character > 0x10FFFF) return false;
        if (Style() & CTL_NUMBER && (character < '0' || character > '9')) return false;
        const std::size_t kept = CountCharacters(text) - (selected ? CountCharacters(text.substr(from, to - from)) : 0);
        if (m_limit != 0 && kept >= m_limit) return false;
        AppendUtf8(typed, character);
    }
    if (selected) {
        text = text.substr(0, from) + typed + text.substr(to);
    } else {
        text += typed;
    }
    SetWindowText(text);
    // The caret stands after what was typed.
    const int caret = static_cast<int>(CountCharacters(text.substr(0, selected ? from + typed.size() : text.size())));
    m_selStart = m_selEnd = caret;
    m_modified = true;
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
        case EM_GETMODIFY:
            return m_modified ? 1 : 0;
        case EM_SETMODIFY:
            m_modified = wParam != 0;
            return 0;
        case EM_SETSEL:
            SetSel(static_cast<int>(static_cast<std::intptr_t>(wParam)), static_cast<int>(lParam));
            return 0;
        case EM_GETSEL:
            return MAKELPARAM(m_selStart, m_selEnd);
        case EM_SCROLLCARET:
            m_caretShown = true;
            return 1;
        case WM_SETTEXT:
            m_modified = false;
            m_caretShown = false;
            m_selStart = m_selEnd = 0;
            return Control::WindowProc(message, wParam, lParam);
        case WM_LBUTTONDOWN:
            if (AcceptsInput()) SetFocus();
            return 0;
        default:
            return Control::WindowProc(message, wParam, lParam);
    }
}

}  // namespace platform

#pragma once
// How much room a template's text needs, in dialog units, for the templates' fit checks.

#include "platform/core/DialogTemplate.h"

#include <algorithm>
#include <string>

namespace testsupport {

// The room the longest line takes in dialog units: a letter counts 5, a blank or a dot 2 (a
// mnemonic's "&" is not shown).
inline std::size_t LongestLine(const std::string& text, std::size_t& lines) {
    std::size_t longest = 0, current = 0;
    lines = 1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (text[i] == '\n') {
            ++lines;
            current = 0;
            continue;
        }
        if (text[i] == '&' && i + 1 < text.size() && text[i + 1] != '&') continue;
        if ((byte & 0xC0) == 0x80) continue;
        current += text[i] == ' ' || text[i] == '.' ? 2 : 5;
        longest = std::max(longest, current);
    }
    return longest;
}

// Dialog units a text needs: four units are one average character; we allow for wider letters
// with five, and for a box or radio circle and its gap with 14 more.
inline int NeededWidth(const platform::ControlTemplate& control, std::size_t room5) {
    int room = static_cast<int>(room5);
    if (control.kind == platform::ControlKind::CheckBox || control.kind == platform::ControlKind::RadioButton) room += 14;
    if (control.kind == platform::ControlKind::PushButton || control.kind == platform::ControlKind::GroupBox) room += 8;
    return room;
}

// Whether the control's own text fits its rectangle (a static wraps onto the lines its height
// holds, eight units each); `text` is the text shown, the template's when null.
inline bool TextFits(const platform::ControlTemplate& control, const char* text = nullptr) {
    const std::string shown = text ? text : control.text;
    if (shown.empty()) return true;
    std::size_t lines = 0;
    const std::size_t longest = LongestLine(shown, lines);
    const int rows = control.kind == platform::ControlKind::Static ? std::max(1, control.rect.cy / 8) : 1;
    const int needed = NeededWidth(control, longest);
    if (rows > 1 && lines == 1) return needed <= control.rect.cx * rows - 16;
    return needed <= control.rect.cx && static_cast<int>(lines) * 8 <= std::max(control.rect.cy, 8);
}

}  // namespace testsupport

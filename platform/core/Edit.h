#pragma once
// platform::Edit: a field of text the person types into. Typing (WM_CHAR with the focus here)
// appends at the end, Backspace removes the last character; each change the person makes sends
// EN_CHANGE. Text set by the program (SetWindowText) does not notify: the dialog knows what it set.
// The limit counts characters (one byte each in the files' single-byte code page, where names end
// up), 0 for none; read-only fields and those that do not take input ignore typing.

#include "platform/core/Control.h"

#include <cstddef>

namespace platform {

class Edit : public Control {
public:
    explicit Edit(unsigned style, ControlKind kind = ControlKind::Edit) : Control(kind, style) {}

    std::size_t Limit() const { return m_limit; }
    void SetLimit(std::size_t characters) { m_limit = characters; }
    bool IsReadOnly() const { return (Style() & CTL_READONLY) != 0; }
    void SetReadOnly(bool readOnly) { SetStyleFlag(CTL_READONLY, readOnly); }

    // What the person typing does: the character (a code point) is appended when the field takes it.
    // Returns whether the text changed.
    bool Type(char32_t character);

    bool WantsArrows() const override { return true; }
    bool WantsCharacters() const override { return true; }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::size_t m_limit = 0;
};

// The number of characters (code points) of a UTF-8 text.
std::size_t CountCharacters(const std::string& text);

}  // namespace platform

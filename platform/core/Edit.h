#pragma once
// platform::Edit: a field of text the person types into. Typing (WM_CHAR with the focus here)
// replaces the selection, or appends at the end when nothing is selected; Backspace removes the
// selection or the last character. Each change the person makes sends EN_CHANGE and sets the
// modified flag. Text set by the program (SetWindowText) does not notify, clears the flag and the
// selection: the dialog knows what it set.
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

    // Whether the person changed the text since the program last set it (EM_GETMODIFY).
    bool IsModified() const { return m_modified; }
    void SetModified(bool modified) { m_modified = modified; }

    // The selection in characters, [first, end); first == end: none. SetSel clamps to the text
    // (end -1: to its end).
    int SelectionStart() const { return m_selStart; }
    int SelectionEnd() const { return m_selEnd; }
    void SetSel(int first, int end);
    // Selects the whole text and scrolls the caret into view, as a refused entry is shown.
    void SelectAllAndShowCaret();
    // The caret was scrolled into view (EM_SCROLLCARET) since the text last changed.
    bool IsCaretShown() const { return m_caretShown; }

    bool WantsArrows() const override { return true; }
    bool WantsCharacters() const override { return true; }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::size_t m_limit = 0;
    bool m_modified = false;
    int m_selStart = 0;
    int m_selEnd = 0;
    bool m_caretShown = false;
};

// The number of characters (code points) of a UTF-8 text.
std::size_t CountCharacters(const std::string& text);
// The byte offset of the character at `index` (the text's size past its end).
std::size_t ByteOffsetOfCharacter(const std::string& text, std::size_t index);

}  // namespace platform

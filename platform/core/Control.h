#pragma once
// platform::Control: the base of the dialog controls. A control is a child window of its dialog
// with the state of its kind; it tells its parent about what the person did with a WM_COMMAND
// (control id and notification code, the control's handle in lParam), sent at once.
//
// Controls are engine-owned heap objects: a click handler may end in code that destroys the whole
// dialog (a prompt closed by its own button), and the button's object must outlive its own running
// handler. The dialog reaches them through their handles.

#include "platform/core/DialogTemplate.h"
#include "platform/core/DrawingObjects.h"
#include "platform/core/Window.h"

#include <optional>
#include <string>

namespace platform {

class Control : public Window {
public:
    Control(ControlKind kind, unsigned style) : m_kindOfControl(kind), m_style(style) {}

    Control* AsControl() override { return this; }
    ControlKind GetKind() const { return m_kindOfControl; }
    unsigned Style() const { return m_style; }  // ControlStyle flags

    // Creates the window as a child of `parent` at `rect` (parent client pixels), shown and enabled
    // as the style says. The engine frees the object after the window is destroyed.
    bool CreateChild(HWND parent, int id, const std::string& text, const Rect& rect);

    // Whether the person can use the control now: it and every window above it are enabled.
    bool AcceptsInput() const;

    // Keys the control handles itself while it has the focus; the dialog's navigation leaves them
    // alone (an edit types characters, a list moves with the arrows).
    virtual bool WantsArrows() const { return false; }
    virtual bool WantsCharacters() const { return false; }

    // The font set with WM_SETFONT, or nullptr while the control shows the dialog's font.
    const LogFont* Font() const { return m_font ? &*m_font : nullptr; }

    // WM_SETFONT and WM_GETFONT; everything else as any window.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    // WM_COMMAND to the parent with this control's id and the code; the parent's handler runs now.
    // The control may be destroyed when this returns: touch nothing of the dialog afterwards.
    void NotifyParent(unsigned code);
    void SetStyleFlag(unsigned flag, bool on) { m_style = on ? m_style | flag : m_style & ~flag; }

private:
    ControlKind m_kindOfControl;
    unsigned m_style;
    std::optional<LogFont> m_font;
};

// Creates the control a template describes, as a child of `parent` at `rect`; nullptr when `parent`
// is no window. `lineHeight`: pixels per line of the dialog font (list box rows).
Control* CreateControl(const ControlTemplate& item, HWND parent, const Rect& rect, int lineHeight);

// The control object behind a handle, or nullptr when it is no control.
Control* ControlFromHandle(HWND hwnd);

// The width a label's text takes on one line in its own font, where the host lays text out in its
// own fonts; nothing elsewhere.
std::optional<int> LabelTextWidth(HWND control);

}  // namespace platform

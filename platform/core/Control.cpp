#include "platform/core/Control.h"

#include "platform/core/ButtonCaption.h"
#include "platform/core/ControlMessages.h"
#include "platform/core/Host.h"
#include "platform/core/WindowSystem.h"
#include "platform/core/WindowApi.h"

namespace platform {

bool Control::CreateChild(HWND parent, int id, const std::string& text, const Rect& rect) {
    CreateParams params;
    params.kind = WindowKind::Child;
    params.parent = parent;
    params.rect = rect;
    params.title = text;
    params.controlId = id;
    params.visible = (m_style & CTL_HIDDEN) == 0;
    params.disabled = (m_style & CTL_DISABLED) != 0;
    params.lifetime = Lifetime::Engine;
    return Create(params);
}

bool Control::AcceptsInput() const {
    for (HWND hwnd = Handle(); hwnd; hwnd = ::GetParent(hwnd)) {
        if (!::IsWindowEnabled(hwnd)) return false;
    }
    return IsAlive();
}

LRESULT Control::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SETFONT: {
            const auto* font = reinterpret_cast<const LogFont*>(lParam);
            if (font) m_font = *font;
            else m_font.reset();
            // The host takes the new font with the next paint; asked to redraw, that comes now.
            Invalidate();
            if (wParam != 0) UpdateWindow();
            return 0;
        }
        case WM_GETFONT:
            return m_font ? reinterpret_cast<LRESULT>(&*m_font) : 0;
        default:
            return Window::WindowProc(message, wParam, lParam);
    }
}

void Control::NotifyParent(unsigned code) {
    ::SendMessage(GetParent(), WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(GetDlgCtrlID()), code),
                  static_cast<LPARAM>(HandleValue(Handle())));
}

Control* ControlFromHandle(HWND hwnd) {
    Window* window = ::WindowFromHandle(hwnd);
    return window ? window->AsControl() : nullptr;
}

std::optional<int> LabelTextWidth(HWND control) {
    Host* host = WindowSystem::Instance().AttachedHost();
    return host ? host->LaidOutTextWidth(control) : std::nullopt;
}

std::optional<int> ButtonWidthForCaption(HWND control) { return LabelTextWidth(control); }

}  // namespace platform

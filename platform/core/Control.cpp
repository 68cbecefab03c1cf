#include "platform/core/Control.h"

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

void Control::NotifyParent(unsigned code) {
    ::SendMessage(GetParent(), WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(GetDlgCtrlID()), code),
                  static_cast<LPARAM>(HandleValue(Handle())));
}

Control* ControlFromHandle(HWND hwnd) { return dynamic_cast<Control*>(::WindowFromHandle(hwnd)); }

}  // namespace platform

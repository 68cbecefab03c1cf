#include "platform/core/Button.h"

#include "platform/core/ControlMessages.h"
#include "platform/core/WindowApi.h"

namespace platform {

std::vector<HWND> GroupOf(HWND control) {
    std::vector<HWND> siblings = GetChildWindows(::GetParent(control));
    auto startsGroup = [](HWND hwnd) {
        Control* c = ControlFromHandle(hwnd);
        return c && (c->Style() & CTL_GROUP);
    };
    std::size_t at = 0;
    while (at < siblings.size() && siblings[at] != control) ++at;
    if (at == siblings.size()) return {control};
    std::size_t begin = at;
    while (begin > 0 && !startsGroup(siblings[begin])) --begin;
    std::size_t end = at + 1;
    while (end < siblings.size() && !startsGroup(siblings[end])) ++end;
    return {siblings.begin() + static_cast<std::ptrdiff_t>(begin), siblings.begin() + static_cast<std::ptrdiff_t>(end)};
}

void Button::SetCheck(int check) {
    if (GetKind() == ControlKind::PushButton || GetKind() == ControlKind::GroupBox) return;
    if (check == static_cast<int>(BST_INDETERMINATE) && !(Style() & CTL_3STATE)) check = BST_CHECKED;
    if (check < 0 || check > 2) check = BST_CHECKED;
    if (check != m_check) {
        m_check = check;
        Invalidate();
    }
}

void Button::UncheckGroupSiblings() {
    for (HWND hwnd : GroupOf(Handle())) {
        auto* other = dynamic_cast<Button*>(ControlFromHandle(hwnd));
        if (other && other != this && other->GetKind() == ControlKind::RadioButton) other->SetCheck(BST_UNCHECKED);
    }
}

void Button::Click() {
    if (Style() & CTL_AUTO) {
        if (GetKind() == ControlKind::CheckBox) {
            // Unchecked -> checked -> (indeterminate ->) unchecked.
            int next = m_check == static_cast<int>(BST_UNCHECKED) ? BST_CHECKED
                       : m_check == static_cast<int>(BST_CHECKED) && (Style() & CTL_3STATE) ? BST_INDETERMINATE
                                                                                      : BST_UNCHECKED;
            SetCheck(next);
        } else if (GetKind() == ControlKind::RadioButton) {
            SetCheck(BST_CHECKED);
            UncheckGroupSiblings();
        }
    }
    NotifyParent(BN_CLICKED);
}

int Button::SetImage(int imageId) {
    const int previous = m_imageId;
    m_imageId = imageId;
    if (previous != imageId) Invalidate();
    return previous;
}

LRESULT Button::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case BM_GETCHECK:
            return m_check;
        case BM_SETCHECK:
            SetCheck(static_cast<int>(wParam));
            return 0;
        case BM_CLICK:
            if (AcceptsInput()) Click();
            return 0;
        case BM_SETIMAGE:
            return SetImage(static_cast<int>(wParam));
        case BM_GETIMAGE:
            return m_imageId;
        case BM_SETSTYLE:
            SetDefault(wParam != 0);
            Invalidate();
            return 0;
        case BM_GETSTYLE:
            return IsDefault() ? 1 : 0;
        case WM_LBUTTONDOWN:
            if (GetKind() == ControlKind::GroupBox || !AcceptsInput()) return 0;
            SetFocus();
            ::SetCapture(Handle());
            m_pressed = true;
            Invalidate();
            return 0;
        case WM_LBUTTONUP: {
            if (!m_pressed) return 0;
            m_pressed = false;
            if (::GetCapture() == Handle()) ::ReleaseCapture();
            Invalidate();
            Point p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            if (ClientRect().Contains(p) && AcceptsInput()) Click();
            return 0;
        }
        case WM_CAPTURECHANGED:
            if (m_pressed) {
                m_pressed = false;
                Invalidate();
            }
            return 0;
        default:
            return Control::WindowProc(message, wParam, lParam);
    }
}

}  // namespace platform

#include "platform/core/ListBox.h"

#include "platform/core/ComboBox.h"
#include "platform/core/ControlMessages.h"

namespace platform {

namespace {

constexpr ItemMessages kListMessages{LB_ADDSTRING,   LB_INSERTSTRING, LB_DELETESTRING, LB_RESETCONTENT,
                                     LB_GETCOUNT,    LB_SETCURSEL,    LB_GETCURSEL,    LB_GETTEXT,
                                     LB_SETITEMDATA, LB_GETITEMDATA,  0xFFFFFFFFu,     LB_ERR};

}  // namespace

bool ListBox::SetCurSel(int index) {
    if (!m_items.Select(index)) return false;
    Invalidate();
    return true;
}

void ListBox::SetTopIndex(int index) {
    m_topIndex = index < 0 ? 0 : index;
    Invalidate();
}

int ListBox::ItemFromPoint(Point client) const {
    if (!ClientRect().Contains(client)) return -1;
    int index = m_topIndex + client.y / m_itemHeight;
    return m_items.Valid(index) ? index : -1;
}

void ListBox::Choose(int index) {
    if (!AcceptsInput() || !m_items.Valid(index) || index == m_items.Selection()) return;
    m_items.Select(index);
    Invalidate();
    NotifyParent(LBN_SELCHANGE);
}

LRESULT ListBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (HandleItemMessage(m_items, kListMessages, message, wParam, lParam, result)) {
        Invalidate();
        return result;
    }
    switch (message) {
        case WM_KEYDOWN:
            if (wParam == static_cast<WPARAM>(VK_DOWN)) Choose(m_items.Selection() + 1);
            else if (wParam == static_cast<WPARAM>(VK_UP)) Choose(m_items.Selection() < 0 ? 0 : m_items.Selection() - 1);
            return 0;
        case WM_LBUTTONDOWN:
            if (!AcceptsInput()) return 0;
            SetFocus();
            Choose(ItemFromPoint({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}));
            return 0;
        case WM_LBUTTONDBLCLK: {
            if (!AcceptsInput()) return 0;
            int index = ItemFromPoint({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            if (index >= 0) NotifyParent(LBN_DBLCLK);
            return 0;
        }
        default:
            return Control::WindowProc(message, wParam, lParam);
    }
}

}  // namespace platform

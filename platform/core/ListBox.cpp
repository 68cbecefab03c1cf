#include "platform/core/ListBox.h"

#include "platform/core/ComboBox.h"
#include "platform/core/ControlMessages.h"

#include <cstddef>

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

bool ListBox::IsSelected(int index) const {
    if (!m_items.Valid(index)) return false;
    if (!IsMultipleSelection()) return index == m_items.Selection();
    return static_cast<std::size_t>(index) < m_selected.size() && m_selected[static_cast<std::size_t>(index)] != 0;
}

bool ListBox::SetSel(int index, bool select) {
    if (index != -1 && !m_items.Valid(index)) return false;
    m_selected.resize(static_cast<std::size_t>(m_items.Count()), 0);
    if (index == -1) {
        for (char& flag : m_selected) flag = select ? 1 : 0;
    } else {
        m_selected[static_cast<std::size_t>(index)] = select ? 1 : 0;
    }
    Invalidate();
    return true;
}

int ListBox::SelectedCount() const {
    if (!IsMultipleSelection()) return m_items.Selection() >= 0 ? 1 : 0;
    int count = 0;
    for (int index = 0; index < m_items.Count(); ++index) count += IsSelected(index) ? 1 : 0;
    return count;
}

void ListBox::Choose(int index) {
    if (IsMultipleSelection()) {
        if (!AcceptsInput() || !m_items.Valid(index)) return;
        m_caretIndex = index;
        SetSel(index, !IsSelected(index));
        NotifyParent(LBN_SELCHANGE);
        return;
    }
    if (!AcceptsInput() || !m_items.Valid(index) || index == m_items.Selection()) return;
    m_items.Select(index);
    Invalidate();
    NotifyParent(LBN_SELCHANGE);
}

LRESULT ListBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // The selection flags follow the items they belong to.
    if (IsMultipleSelection()) {
        switch (message) {
            case LB_SETSEL:
                return SetSel(static_cast<int>(lParam), wParam != 0) ? 0 : LB_ERR;
            case LB_GETSEL:
                return m_items.Valid(static_cast<int>(wParam)) ? (IsSelected(static_cast<int>(wParam)) ? 1 : 0) : LB_ERR;
            case LB_GETSELCOUNT:
                return SelectedCount();
            case LB_RESETCONTENT:
                m_selected.clear();
                break;
            case LB_DELETESTRING:
                if (m_items.Valid(static_cast<int>(wParam)) && static_cast<std::size_t>(wParam) < m_selected.size())
                    m_selected.erase(m_selected.begin() + static_cast<std::ptrdiff_t>(wParam));
                break;
            case LB_INSERTSTRING: {
                const auto at = static_cast<std::ptrdiff_t>(static_cast<int>(wParam));
                if (at >= 0 && static_cast<std::size_t>(at) < m_selected.size()) m_selected.insert(m_selected.begin() + at, 0);
                break;
            }
            default:
                break;
        }
    }
    LRESULT result = 0;
    if (HandleItemMessage(m_items, kListMessages, message, wParam, lParam, result)) {
        Invalidate();
        return result;
    }
    switch (message) {
        case WM_KEYDOWN:
            if (IsMultipleSelection()) {
                if (wParam == static_cast<WPARAM>(VK_DOWN) && m_items.Valid(m_caretIndex + 1)) ++m_caretIndex;
                else if (wParam == static_cast<WPARAM>(VK_UP) && m_caretIndex > 0) --m_caretIndex;
                else if (wParam == static_cast<WPARAM>(VK_SPACE)) Choose(m_caretIndex);
                return 0;
            }
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

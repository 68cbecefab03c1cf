#include "platform/core/ComboBox.h"

#include "platform/core/ControlMessages.h"

namespace platform {

namespace {

constexpr ItemMessages kComboMessages{CB_ADDSTRING,  CB_INSERTSTRING, CB_DELETESTRING, CB_RESETCONTENT,
                                      CB_GETCOUNT,   CB_SETCURSEL,    CB_GETCURSEL,    CB_GETLBTEXT,
                                      CB_SETITEMDATA, CB_GETITEMDATA, CB_FINDSTRINGEXACT, CB_ERR};

std::string TextArgument(LPARAM lParam) {
    const char* text = reinterpret_cast<const char*>(lParam);
    return text ? text : "";
}

}  // namespace

bool HandleItemMessage(ControlItems& items, const ItemMessages& codes, UINT message, WPARAM wParam, LPARAM lParam,
                       LRESULT& result) {
    int index = static_cast<int>(static_cast<LPARAM>(wParam));
    auto orError = [&](int value) { return value < 0 ? codes.error : value; };
    if (message == codes.add) result = orError(items.Add(TextArgument(lParam)));
    else if (message == codes.insert) result = orError(items.Insert(index, TextArgument(lParam)));
    else if (message == codes.remove) result = orError(items.Remove(index));
    else if (message == codes.reset) { items.Clear(); result = 0; }
    else if (message == codes.count) result = items.Count();
    else if (message == codes.setSelection) result = items.Select(index) && index >= 0 ? index : codes.error;
    else if (message == codes.getSelection) result = orError(items.Selection());
    else if (message == codes.getText) {
        auto* out = reinterpret_cast<std::string*>(lParam);
        if (out && items.Valid(index)) *out = items.Text(index);
        result = items.Valid(index) ? static_cast<LRESULT>(items.Text(index).size()) : codes.error;
    } else if (message == codes.setData) result = items.SetData(index, lParam) ? 0 : codes.error;
    else if (message == codes.getData) result = items.Valid(index) ? items.Data(index) : codes.error;
    else if (message == codes.findExact) result = orError(items.FindExact(index, TextArgument(lParam)));
    else return false;
    return true;
}

bool ComboBox::SetCurSel(int index) {
    if (!m_items.Select(index)) return false;
    Invalidate();
    return true;
}

void ComboBox::Choose(int index) {
    if (!AcceptsInput() || !m_items.Valid(index) || index == m_items.Selection()) return;
    m_items.Select(index);
    Invalidate();
    NotifyParent(CBN_SELCHANGE);
}

LRESULT ComboBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (HandleItemMessage(m_items, kComboMessages, message, wParam, lParam, result)) {
        if (message == CB_SETCURSEL || message == CB_DELETESTRING || message == CB_RESETCONTENT) Invalidate();
        return result;
    }
    switch (message) {
        case WM_KEYDOWN:
            if (wParam == static_cast<WPARAM>(VK_DOWN)) Choose(m_items.Selection() + 1);
            else if (wParam == static_cast<WPARAM>(VK_UP)) Choose(m_items.Selection() < 0 ? 0 : m_items.Selection() - 1);
            return 0;
        case WM_LBUTTONDOWN:
            if (AcceptsInput()) SetFocus();
            return 0;
        default:
            return Control::WindowProc(message, wParam, lParam);
    }
}

}  // namespace platform

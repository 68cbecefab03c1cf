#pragma once
// platform::ComboBox: a drop-down choice among items. The program selects with CB_SETCURSEL (no
// notification); a choice by the person (from the list, or Up/Down while it has the focus) that
// changes the selection sends CBN_SELCHANGE. The list itself is drawn and opened by the host, which
// reports the person's choice through Choose.

#include "platform/core/Control.h"
#include "platform/core/ControlItems.h"

namespace platform {

class ComboBox : public Control {
public:
    explicit ComboBox(unsigned style) : Control(ControlKind::ComboBox, style), m_items((style & CTL_SORT) != 0) {}

    ControlItems& Items() { return m_items; }
    const ControlItems& Items() const { return m_items; }
    int GetCurSel() const { return m_items.Selection(); }
    bool SetCurSel(int index);  // no notification

    // The person chose an item: selects it and notifies when the selection changed. Ignored while
    // the control takes no input.
    void Choose(int index);

    bool WantsArrows() const override { return true; }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    ControlItems m_items;
};

// The message handling combo and list boxes share: the item messages of either family.
struct ItemMessages {
    UINT add, insert, remove, reset, count, setSelection, getSelection, getText, setData, getData, findExact;
    LRESULT error;
};
// Handles an item message; returns whether it was one, with its result in `result`.
bool HandleItemMessage(ControlItems& items, const ItemMessages& codes, UINT message, WPARAM wParam, LPARAM lParam,
                       LRESULT& result);

}  // namespace platform

#pragma once
// platform::ListBox: a list of items with one selected. The program selects with LB_SETCURSEL (no
// notification); the person's click on an item row, or Up/Down while it has the focus, that changes
// the selection sends LBN_SELCHANGE; a double click on an item sends LBN_DBLCLK.
// With CTL_MULTISELECT any number of items are selected: the program sets them with LB_SETSEL, and
// the person's click (or Space on the focused row) toggles one and sends LBN_SELCHANGE.

#include <vector>

#include "platform/core/Control.h"
#include "platform/core/ControlItems.h"

namespace platform {

class ListBox : public Control {
public:
    // `itemHeight`: pixels per row (the dialog font's character height).
    ListBox(unsigned style, int itemHeight)
        : Control(ControlKind::ListBox, style), m_items((style & CTL_SORT) != 0), m_itemHeight(itemHeight > 0 ? itemHeight : 1) {}

    ControlItems& Items() { return m_items; }
    const ControlItems& Items() const { return m_items; }
    int GetCurSel() const { return m_items.Selection(); }
    bool SetCurSel(int index);  // no notification
    int ItemHeight() const { return m_itemHeight; }
    // The first item shown at the top (scrolled lists).
    int TopIndex() const { return m_topIndex; }
    void SetTopIndex(int index);
    // The item under a client point, or -1.
    int ItemFromPoint(Point client) const;

    // The person chose an item: selects it and notifies when the selection changed. In a multiple
    // selection list it toggles the item.
    void Choose(int index);

    bool IsMultipleSelection() const { return (Style() & CTL_MULTISELECT) != 0; }
    // Multiple selection: whether an item is selected; select or clear one, or all with -1 (no
    // notification; false for an index out of range).
    bool IsSelected(int index) const;
    bool SetSel(int index, bool select);
    int SelectedCount() const;

    bool WantsArrows() const override { return true; }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    ControlItems m_items;
    int m_itemHeight;
    int m_topIndex = 0;
    // One flag per item (multiple selection), kept in step with the items.
    std::vector<char> m_selected;
    // The row Space toggles (multiple selection).
    int m_caretIndex = 0;
};

}  // namespace platform

#include "platform/core/IconList.h"

#include "platform/core/ControlMessages.h"

#include <algorithm>

namespace platform {

namespace {

const std::string kNoCaption;
const Bitmap kNoPicture;

}  // namespace

int IconList::Add(std::string caption, Bitmap picture) {
    m_items.push_back({std::move(caption), std::move(picture)});
    Invalidate();
    return Count() - 1;
}

void IconList::Clear() {
    m_items.clear();
    m_selection = m_focus = -1;
    m_topRow = 0;
    Invalidate();
}

const std::string& IconList::Caption(int index) const {
    return index >= 0 && index < Count() ? m_items[static_cast<std::size_t>(index)].caption : kNoCaption;
}

const Bitmap& IconList::Picture(int index) const {
    return index >= 0 && index < Count() ? m_items[static_cast<std::size_t>(index)].picture : kNoPicture;
}

bool IconList::Select(int index) {
    if (index < -1 || index >= Count()) return false;
    m_selection = m_focus = index;
    Invalidate();
    return true;
}

void IconList::Choose(int index) {
    if (!AcceptsInput() || index < 0 || index >= Count() || index == m_selection) return;
    Select(index);
    EnsureVisible(index);
    NotifyParent(LVN_SELCHANGE);
}

// The cells take the largest picture's size, so that a row of mixed pictures stays a grid.
int IconList::PictureWidth() const {
    int width = 71;
    for (const Item& item : m_items) width = std::max(width, item.picture.UnitSize().cx);
    return width;
}

int IconList::PictureHeight() const {
    int height = 96;
    for (const Item& item : m_items) height = std::max(height, item.picture.UnitSize().cy);
    return height;
}

int IconList::CellWidth() const { return PictureWidth() + 2 * kCellMargin; }
int IconList::CellHeight() const { return PictureHeight() + kCaptionHeight + 2 * kCellMargin; }
int IconList::Columns() const { return std::max(1, ClientRect().Width() / CellWidth()); }
int IconList::VisibleRows() const { return std::max(1, ClientRect().Height() / CellHeight()); }

bool IconList::IsItemVisible(int index) const {
    if (index < 0 || index >= Count()) return false;
    const int row = index / Columns();
    return row >= m_topRow && row < m_topRow + VisibleRows();
}

void IconList::EnsureVisible(int index) {
    if (index < 0 || index >= Count()) return;
    const int row = index / Columns();
    if (row < m_topRow) m_topRow = row;
    else if (row >= m_topRow + VisibleRows()) m_topRow = row - VisibleRows() + 1;
    Invalidate();
}

int IconList::ItemFromPoint(Point client) const {
    if (!ClientRect().Contains(client)) return -1;
    const int column = client.x / CellWidth();
    if (column >= Columns()) return -1;
    const int index = (m_topRow + client.y / CellHeight()) * Columns() + column;
    return index < Count() ? index : -1;
}

LRESULT IconList::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case LVM_GETITEMCOUNT:
            return Count();
        case LVM_SETSELECTED:
            return Select(static_cast<int>(static_cast<std::intptr_t>(wParam))) ? 1 : 0;
        case LVM_GETSELECTED:
            return m_selection;
        case LVM_ENSUREVISIBLE:
            EnsureVisible(static_cast<int>(static_cast<std::intptr_t>(wParam)));
            return 1;
        case WM_KEYDOWN: {
            const int from = m_focus < 0 ? 0 : m_focus;
            int to = from;
            if (wParam == static_cast<WPARAM>(VK_RIGHT)) to = from + 1;
            else if (wParam == static_cast<WPARAM>(VK_LEFT)) to = from - 1;
            else if (wParam == static_cast<WPARAM>(VK_DOWN)) to = from + Columns();
            else if (wParam == static_cast<WPARAM>(VK_UP)) to = from - Columns();
            if (m_focus < 0 && Count() > 0) to = 0;
            if (to >= 0 && to < Count()) Choose(to);
            return 0;
        }
        case WM_LBUTTONDOWN:
            if (!AcceptsInput()) return 0;
            SetFocus();
            Choose(ItemFromPoint({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}));
            return 0;
        default:
            return Control::WindowProc(message, wParam, lParam);
    }
}

}  // namespace platform

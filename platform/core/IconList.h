#pragma once
// platform::IconList: pictures laid out in rows, each with its caption below, one of them selected
// and focused (the choosers of card backs and faces). The program adds the pictures, selects one and
// scrolls it into view; the person's click on a picture, or an arrow key while the list has the
// focus, selects another and sends LVN_SELCHANGE.

#include <string>
#include <vector>

#include "platform/core/Bitmap.h"
#include "platform/core/Control.h"

namespace platform {

class IconList : public Control {
public:
    // A cell: the picture (71 x 96 in the choosers) with room around it and a caption line below.
    static constexpr int kCellMargin = 8;
    static constexpr int kCaptionHeight = 16;

    explicit IconList(unsigned style) : Control(ControlKind::IconList, style) {}

    int Count() const { return static_cast<int>(m_items.size()); }
    // Adds a picture at the end; returns its index.
    int Add(std::string caption, Bitmap picture);
    void Clear();
    const std::string& Caption(int index) const;  // empty out of range
    const Bitmap& Picture(int index) const;       // empty out of range

    int Selection() const { return m_selection; }
    int FocusItem() const { return m_focus; }
    // Selects and focuses an item (-1: none); no notification. False out of range.
    bool Select(int index);
    // The person chose an item: selects it, and notifies when the selection changed.
    void Choose(int index);

    // The layout for the current size: pictures per row (at least 1), rows in view (at least 1).
    int CellWidth() const;
    int CellHeight() const;
    int Columns() const;
    int VisibleRows() const;
    int TopRow() const { return m_topRow; }
    bool IsItemVisible(int index) const;
    // Scrolls the least so that the item's row is in view.
    void EnsureVisible(int index);
    int ItemFromPoint(Point client) const;

    bool WantsArrows() const override { return true; }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    struct Item {
        std::string caption;
        Bitmap picture;
    };
    int PictureWidth() const;
    int PictureHeight() const;

    std::vector<Item> m_items;
    int m_selection = -1;
    int m_focus = -1;
    int m_topRow = 0;
};

}  // namespace platform

#pragma once
// platform::ScrollBar and the range they share with sliders: a position between a minimum and a
// maximum, moved by lines (1) and pages. What the person does with a scroll bar (arrow keys,
// PageUp/PageDown, Home/End while it has the focus; a click before or after the thumb) goes to the
// parent as WM_HSCROLL or WM_VSCROLL with the scroll code and the control in lParam. The scroll bar
// does not move itself: the parent decides and sets the position (SBM_SETPOS), as the classic
// desktop has it.

#include "platform/core/Control.h"

namespace platform {

struct ScrollRange {
    int minimum = 0;
    int maximum = 100;
    int position = 0;
    int page = 10;

    // Sets the range (swapped when given backwards) and clamps the position into it.
    void SetRange(int low, int high);
    // Sets the position, clamped; returns the previous one.
    int SetPosition(int value);
    // The position a scroll code leads to from here (clamped), or the current one for codes that
    // name none (SB_ENDSCROLL). `track`: the position for SB_THUMBPOSITION/SB_THUMBTRACK.
    int Target(unsigned code, int track = 0) const;
};

class ScrollBar : public Control {
public:
    explicit ScrollBar(unsigned style, ControlKind kind = ControlKind::ScrollBar) : Control(kind, style) {}

    bool IsVertical() const { return (Style() & CTL_VERTICAL) != 0; }
    const ScrollRange& Range() const { return m_range; }
    ScrollRange& Range() { return m_range; }

    // The person scrolled: notifies the parent (a slider also moves first). Ignored while the
    // control takes no input.
    virtual void Scroll(unsigned code, int track = 0);

    bool WantsArrows() const override { return true; }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    void NotifyScroll(unsigned code, int position);
    // Where along the control a client point lies, as a position of the range.
    int PositionAt(Point client) const;

    ScrollRange m_range;
};

}  // namespace platform

#pragma once
// CSideWindow: the frame machinery every side window shares (score sheet, cards assignment, card
// and game statistics, trick estimation). Each is an overlapped window of its own that the main
// frame opens and closes with a toggle command; the base gives the close protocol, the scroll
// bars with their line and page steps, the mouse wheel, the compact/full switch, the help topic
// on a left click and the paint entry. What a window draws and its own sizes are its class's.

#include "dialogs/HelpToggle.h"
#include "platform/core/Window.h"

#include <string>

namespace platform {
class DeviceContext;
}

// A side window's own values.
struct SideWindowTraits {
    int toggleCommand = 0;          // the main frame's command that opens and closes the window
    const char* className = "";     // the trace's name (":CScore(")
    const char* section = "";       // the registry section of its rectangle
    const char* helpTopic = "";     // the page opened by a left click
    int sheetWidth = 0;             // a narrower client shows the horizontal bar
    int horizontalRangeWidth = 0;   // the width the horizontal range is taken from
    int lineX = 14, lineY = 14;     // line steps
    bool verticalOnlyWhileShown = false;  // vertical scroll messages ignored while the bar is hidden
    bool wheelOnlyWhileShown = true;      // the wheel ignored while the vertical bar is hidden
    bool rangesAlways = false;      // both ranges set on every resize, the vertical at its end
    // The sheet is drawn transparent on the paint's context: what a paint covers is cleared to white
    // first, or a sheet drawn before at another scroll position or size would show through.
    bool erasesToWhite = false;
};

class CSideWindow : public platform::Window {
public:
    // shownFlag: the View flag the toggle sets while the window is open (1) and clears before it
    // closes the window (0). wheelRest: where the wheel remainder is kept (the window's own by
    // default; the score sheet keeps it across a reopening).
    CSideWindow(const SideWindowTraits& traits, const int* shownFlag, int* wheelRest = nullptr);
    ~CSideWindow() override;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Creates the window at its rectangle, overlapped and owned by `owner`, shown or hidden. A
    // window opened by its toggle is deleted by the engine when it is destroyed; a hidden one made
    // for printing belongs to its caller.
    bool CreateSideWindow(HWND owner, const platform::Rect& rect, const std::string& title, bool visible,
                          platform::Lifetime lifetime = platform::Lifetime::Engine);

    bool HelpShown() const { return help.IsOpen(); }
    bool HScrollShown() const { return hScrollShown; }
    bool VScrollShown() const { return vScrollShown; }
    int WheelRest() const { return *wheelRest; }
    // The bars' positions and ranges as the window keeps them.
    struct BarState {
        int low = 0, high = 0, position = 0;
    };
    BarState HorizontalBar() const { return Bar(false); }
    BarState VerticalBar() const { return Bar(true); }
    // The offsets the painter subtracts: a bar's position while it is shown, else its range's low end.
    int HorizontalOffset() const { return hScrollShown ? Bar(false).position : Bar(false).low; }
    int VerticalOffset() const { return vScrollShown ? Bar(true).position : Bar(true).low; }
    int PaintCount() const { return paintCount; }
    // The sheet's width: a narrower client shows the horizontal bar. A window whose sheet is laid
    // out from its texts gives its own.
    virtual int SheetWidth() const { return traits.sheetWidth; }

protected:
    // The sheet's height, for the vertical bar.
    virtual int SheetHeight() const = 0;
    // Draws the sheet shifted by the offsets.
    virtual void Paint(platform::DeviceContext& dc, int xOffset, int yOffset) = 0;
    // The window's own set-up after the base creation; false refuses the creation.
    virtual bool OnCreateWindow() { return true; }
    // The width the horizontal range is taken from.
    virtual int HorizontalRangeWidth() const { return traits.horizontalRangeWidth; }
    // The trace line's rectangle part and any further values.
    virtual std::string CreationTrace() const;
    // The window's own clean-up in the plain close (before the window is destroyed).
    virtual void OnPlainClose() {}
    // A left click the window takes itself before the help toggle (a deal row); true when taken.
    virtual bool OnLeftClick(platform::Point) { return false; }
    virtual void OnRightClick(platform::Point) {}
    virtual void OnSysCommand(int) {}
    virtual void OnMouseMove(platform::Point) {}
    // Whether a wheel message with the pointer at this screen point may scroll (after the bar test
    // of the traits); the remainder is kept either way.
    virtual bool WheelAllowedAt(platform::Point) const { return true; }
    // The size rule: the bars by the client size and the sheet, then the ranges.
    virtual void OnSizeWindow(int cx, int cy);

    // Moves the window to a new size at the same top-left corner, puts both bars back to 0 and
    // hides them (the vertical one stays shown when asked: the panel windows' compact size).
    void SwitchSize(int width, int height, bool keepVerticalBar = false);
    // The window's own bars (their state is the window system's).
    void ShowBars(bool horizontal, bool vertical);
    void SetBarRange(bool vertical, int low, int high);
    void SetBarPosition(bool vertical, int position);
    // Scrolls the content by (dx, dy): positive moves it towards the bottom or the right.
    void ScrollContent(int dx, int dy);

    const SideWindowTraits& traits;
    bool hScrollShown = false;
    bool vScrollShown = false;

private:
    void Scroll(bool vertical, unsigned code, int track);
    void Wheel(int delta, platform::Point point);
    void Close();
    BarState Bar(bool vertical) const;

    const int* shownFlag;
    int ownWheelRest = 0;
    int* wheelRest;
    CHelpToggle help;
    int paintCount = 0;
    bool settingBars = false;
};

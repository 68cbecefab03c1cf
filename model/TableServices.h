#pragma once
// What the card rows need of the table they lie on: its window, the pause level, where the deck and
// the printed page lie, the selection sound and the zoom's extra room. The shell installs its own at
// start-up, and those that ask the frame while its table lives; without them (the model on its own,
// or no frame) the rows work on no window with the plain answers.

#include "platform/core/Message.h"
#include "platform/core/Geometry.h"

#include <functional>

namespace platform {
class DeviceContext;
}

struct CTableServices {
    // The window every card-table library call names; null before the view exists.
    HWND (*TableWindow)() = nullptr;
    // CMainFrame::SetPause: sets the pause level and returns the previous one.
    std::function<int(int level)> SetPause;
    // Where the cards fly out from when dealt: the middle of the table, where the trick lies.
    std::function<platform::Point()> DeckPosition;
    // The shift of the table on a printed page.
    std::function<platform::Point(platform::DeviceContext* printer)> PrintOffset;
    // The sound of a card raised or lowered by a selection.
    std::function<void()> SelectionSound;
    // The extra width and height a zoomed table gives the layout.
    platform::Point (*ZoomExtra)() = nullptr;

    // The table window, or null without one.
    HWND Window() const { return TableWindow ? TableWindow() : nullptr; }

    void Reset() { *this = CTableServices(); }
};

extern CTableServices g_TableServices;

#pragma once
// What the card rows need of the table they lie on: its window, the pause level, where the deck and
// the printed page lie, the selection sound and the zoom's extra room. The shell installs its own at
// start-up; without them (the model on its own) the rows work on no window with the plain answers.

#include "platform/core/Message.h"
#include "platform/core/Geometry.h"

namespace platform {
class DeviceContext;
}

struct CTableServices {
    // The window every card-table library call names; null before the view exists.
    HWND (*TableWindow)() = nullptr;
    // CMainFrame::SetPause: sets the pause level and returns the previous one.
    int (*SetPause)(int level) = nullptr;
    // Where the cards fly out from when dealt: the middle of the table, where the trick lies.
    platform::Point (*DeckPosition)() = nullptr;
    // The shift of the table on a printed page.
    platform::Point (*PrintOffset)(platform::DeviceContext* printer) = nullptr;
    // The sound of a card raised or lowered by a selection.
    void (*SelectionSound)() = nullptr;
    // The extra width and height a zoomed table gives the layout.
    platform::Point (*ZoomExtra)() = nullptr;

    // The table window, or null without one.
    HWND Window() const { return TableWindow ? TableWindow() : nullptr; }

    void Reset() { *this = CTableServices(); }
};

extern CTableServices g_TableServices;

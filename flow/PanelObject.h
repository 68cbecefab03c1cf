#pragma once
// The panel object behind an open information panel's window, for the steps that refresh it.

#include "platform/core/WindowApi.h"

// The panel object behind an open panel's handle, or nullptr.
template <class Panel>
Panel* PanelAs(HWND hwnd) {
    return hwnd ? dynamic_cast<Panel*>(::WindowFromHandle(hwnd)) : nullptr;
}

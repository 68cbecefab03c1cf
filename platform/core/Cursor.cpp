#include "platform/core/Cursor.h"

#include "platform/core/WindowSystem.h"

namespace {

const platform::Cursor kArrow{SYSTEM_CURSOR_ARROW};
const platform::Cursor kHand{SYSTEM_CURSOR_HAND};

}  // namespace

HCURSOR LoadCursor(int systemId) {
    switch (systemId) {
        case SYSTEM_CURSOR_ARROW: return &kArrow;
        case SYSTEM_CURSOR_HAND: return &kHand;
        default: return nullptr;
    }
}

HCURSOR SetCursor(HWND hwnd, HCURSOR cursor) {
    const int old = platform::WindowSystem::Instance().SetCursor(hwnd, cursor ? cursor->systemId : SYSTEM_CURSOR_ARROW);
    return old != 0 ? LoadCursor(old) : nullptr;
}

HCURSOR GetWindowCursor(HWND hwnd) {
    platform::Window* window = platform::WindowSystem::Instance().FromHandle(hwnd);
    return window ? LoadCursor(window->CursorId()) : nullptr;
}

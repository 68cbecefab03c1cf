#include "platform/core/Message.h"

#include "platform/core/Screen.h"

namespace platform {

std::string MessageName(UINT message) {
    switch (message) {
        case WM_NULL: return "WM_NULL";
        case WM_CREATE: return "WM_CREATE";
        case WM_DESTROY: return "WM_DESTROY";
        case WM_MOVE: return "WM_MOVE";
        case WM_SIZE: return "WM_SIZE";
        case WM_ACTIVATE: return "WM_ACTIVATE";
        case WM_SETFOCUS: return "WM_SETFOCUS";
        case WM_KILLFOCUS: return "WM_KILLFOCUS";
        case WM_ENABLE: return "WM_ENABLE";
        case WM_SHOWWINDOW: return "WM_SHOWWINDOW";
        case WM_CLOSE: return "WM_CLOSE";
        case WM_QUIT: return "WM_QUIT";
        case WM_PAINT: return "WM_PAINT";
        case WM_ERASEBKGND: return "WM_ERASEBKGND";
        case WM_SETTEXT: return "WM_SETTEXT";
        case WM_COMMAND: return "WM_COMMAND";
        case WM_TIMER: return "WM_TIMER";
        case WM_COPYDATA: return "WM_COPYDATA";
        case WM_NEXTDLGCTL: return "WM_NEXTDLGCTL";
        case WM_INITDIALOG: return "WM_INITDIALOG";
        case WM_CAPTURECHANGED: return "WM_CAPTURECHANGED";
        case WM_DROPFILES: return "WM_DROPFILES";
        case WM_DISPLAYCHANGE: return "WM_DISPLAYCHANGE";
        case WM_KEYDOWN: return "WM_KEYDOWN";
        case WM_KEYUP: return "WM_KEYUP";
        case WM_CHAR: return "WM_CHAR";
        case WM_SYSKEYDOWN: return "WM_SYSKEYDOWN";
        case WM_SYSKEYUP: return "WM_SYSKEYUP";
        case WM_MOUSEMOVE: return "WM_MOUSEMOVE";
        case WM_LBUTTONDOWN: return "WM_LBUTTONDOWN";
        case WM_LBUTTONUP: return "WM_LBUTTONUP";
        case WM_LBUTTONDBLCLK: return "WM_LBUTTONDBLCLK";
        case WM_RBUTTONDOWN: return "WM_RBUTTONDOWN";
        case WM_RBUTTONUP: return "WM_RBUTTONUP";
        case WM_RBUTTONDBLCLK: return "WM_RBUTTONDBLCLK";
        case WM_MBUTTONDOWN: return "WM_MBUTTONDOWN";
        case WM_MBUTTONUP: return "WM_MBUTTONUP";
        case WM_MOUSEWHEEL: return "WM_MOUSEWHEEL";
        default: break;
    }
    if (message >= WM_USER) return "WM_USER+" + std::to_string(message - WM_USER);
    return "0x" + [message] {
        static const char digits[] = "0123456789ABCDEF";
        std::string hex;
        for (int shift = 12; shift >= 0; shift -= 4) hex += digits[(message >> shift) & 0xF];
        return hex;
    }();
}

}  // namespace platform

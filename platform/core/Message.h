#pragma once
// Messages of the window system: the handle and parameter types, the message and flag constants, the
// queued message record and the helpers that pack command ids and coordinates into parameters.
//
// The numbers are this layer's own. Values below WM_USER belong to the platform layer: 0x0000-0x03FF
// to the window system, 0x0400-0x07FF to the controls' own messages (dialog layer). The program's
// private messages start at WM_USER.

#include <cstdint>
#include <string>

// A window handle: opaque, compared and passed around, never dereferenced. 0/nullptr is "no window".
// A handle stays unique for ever: a later window never gets a destroyed window's handle, so a stale
// handle simply stops being a window.
struct WindowHandleTag;
using HWND = WindowHandleTag*;

using UINT = unsigned int;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

// --- Window system messages ------------------------------------------------------------------
constexpr UINT WM_NULL = 0x0000;
constexpr UINT WM_CREATE = 0x0001;       // lParam: const platform::CreateParams*; -1 refuses creation
constexpr UINT WM_DESTROY = 0x0002;      // the window is being destroyed (still a window meanwhile)
constexpr UINT WM_MOVE = 0x0003;         // lParam: MAKELPARAM(x, y) of the client origin
constexpr UINT WM_SIZE = 0x0004;         // wParam: SIZE_*; lParam: MAKELPARAM(width, height) of the client
constexpr UINT WM_ACTIVATE = 0x0005;     // wParam: WA_*; lParam: the other window (HWND)
constexpr UINT WM_SETFOCUS = 0x0006;     // wParam: the window that lost the focus (HWND)
constexpr UINT WM_KILLFOCUS = 0x0007;    // wParam: the window that gets the focus (HWND)
constexpr UINT WM_ENABLE = 0x0008;       // wParam: 1 enabled, 0 disabled
constexpr UINT WM_SHOWWINDOW = 0x0009;   // wParam: 1 shown, 0 hidden
constexpr UINT WM_CLOSE = 0x000A;        // default: destroy the window
constexpr UINT WM_QUIT = 0x000B;         // thread message; wParam: exit code
constexpr UINT WM_PAINT = 0x000C;        // synthesised while the window has an invalid region
constexpr UINT WM_ERASEBKGND = 0x000D;   // wParam: platform::DeviceContext*; return nonzero when erased
constexpr UINT WM_SETTEXT = 0x000E;      // lParam: const char* (UTF-8)
constexpr UINT WM_COMMAND = 0x0010;      // wParam: MAKEWPARAM(id, notification code); lParam: control HWND or 0
constexpr UINT WM_TIMER = 0x0011;        // wParam: timer id
constexpr UINT WM_COPYDATA = 0x0012;     // wParam: sending window; lParam: const COPYDATASTRUCT*
constexpr UINT WM_NEXTDLGCTL = 0x0013;   // wParam: control HWND when lParam is 1, else 0 next / 1 previous
constexpr UINT WM_INITDIALOG = 0x0014;   // wParam: control to focus; lParam: creation argument
constexpr UINT WM_CAPTURECHANGED = 0x0015;  // lParam: the window taking the capture
constexpr UINT WM_DROPFILES = 0x0016;    // wParam: host-defined drop record
// Sent to the frame when a pop-up of its menu opens, before the pop-up shows. wParam: the pop-up's
// platform::Menu*; lParam: MAKELPARAM(its position in its parent menu, 1 when that is a pop-up).
constexpr UINT WM_INITMENUPOPUP = 0x0017;
// A drag of files entered a window that takes dropped files (sent before any WM_DROPFILES of that
// drag). wParam: MK_* state; lParam: MAKELPARAM(x, y) of the client point.
constexpr UINT WM_DRAGENTER = 0x0018;

// Keyboard input (WM_KEYFIRST..WM_KEYLAST). wParam: virtual key; lParam: KF_* flags.
constexpr UINT WM_KEYDOWN = 0x0100;
constexpr UINT WM_KEYUP = 0x0101;
constexpr UINT WM_CHAR = 0x0102;         // wParam: the character (from TranslateMessage)
constexpr UINT WM_SYSKEYDOWN = 0x0103;   // key pressed with Alt held
constexpr UINT WM_SYSKEYUP = 0x0104;
constexpr UINT WM_KEYFIRST = WM_KEYDOWN;
constexpr UINT WM_KEYLAST = WM_SYSKEYUP;

// Mouse input (WM_MOUSEFIRST..WM_MOUSELAST). wParam: MK_* state; lParam: MAKELPARAM(x, y) in client
// coordinates of the target.
constexpr UINT WM_MOUSEMOVE = 0x0200;
constexpr UINT WM_LBUTTONDOWN = 0x0201;
constexpr UINT WM_LBUTTONUP = 0x0202;
constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
constexpr UINT WM_RBUTTONDOWN = 0x0204;
constexpr UINT WM_RBUTTONUP = 0x0205;
constexpr UINT WM_RBUTTONDBLCLK = 0x0206;
constexpr UINT WM_MBUTTONDOWN = 0x0207;
constexpr UINT WM_MBUTTONUP = 0x0208;
constexpr UINT WM_MOUSEWHEEL = 0x0209;   // HIWORD(wParam): signed wheel delta
constexpr UINT WM_MOUSEFIRST = WM_MOUSEMOVE;
constexpr UINT WM_MOUSELAST = WM_MOUSEWHEEL;

constexpr UINT WM_USER = 0x0800;

// --- Flags and codes -------------------------------------------------------------------------
// WM_SIZE size types. A minimised window keeps its rectangle: its WM_SIZE carries that size.
constexpr WPARAM SIZE_RESTORED = 0;
constexpr WPARAM SIZE_MINIMIZED = 1;
constexpr WPARAM SIZE_MAXIMIZED = 2;
constexpr WPARAM WA_INACTIVE = 0;
constexpr WPARAM WA_ACTIVE = 1;
constexpr WPARAM WA_CLICKACTIVE = 2;

// Mouse button and modifier state in mouse messages' wParam.
constexpr WPARAM MK_LBUTTON = 0x01;
constexpr WPARAM MK_RBUTTON = 0x02;
constexpr WPARAM MK_SHIFT = 0x04;
constexpr WPARAM MK_CONTROL = 0x08;
constexpr WPARAM MK_MBUTTON = 0x10;

// Key message lParam flags.
constexpr LPARAM KF_REPEAT = 0x01;   // auto-repeat of a held key
constexpr LPARAM KF_ALTDOWN = 0x02;

// PeekMessage.
constexpr UINT PM_NOREMOVE = 0;
constexpr UINT PM_REMOVE = 1;

// ShowWindow.
constexpr int SW_HIDE = 0;
constexpr int SW_SHOW = 1;           // show and activate (top-level windows)
constexpr int SW_SHOWNA = 2;         // show, keep the activation where it is
constexpr int SW_SHOWNOACTIVATE = SW_SHOWNA;
constexpr int SW_SHOWNORMAL = SW_SHOW;
// Size states of top-level windows: each shows the window and sends WM_SIZE with the new size type
// when the state changes.
constexpr int SW_MAXIMIZE = 3;
constexpr int SW_MINIMIZE = 6;
constexpr int SW_RESTORE = 9;

// RedrawWindow.
constexpr UINT RDW_INVALIDATE = 0x01;
constexpr UINT RDW_VALIDATE = 0x02;
constexpr UINT RDW_ERASE = 0x04;
constexpr UINT RDW_NOERASE = 0x08;
constexpr UINT RDW_UPDATENOW = 0x10;   // erase and paint before returning
constexpr UINT RDW_ERASENOW = 0x20;    // erase before returning; the paint stays queued
constexpr UINT RDW_ALLCHILDREN = 0x40;

// Dialog results and the standard button ids.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 3;
constexpr int IDNO = 4;

// Virtual keys. A key that types a printable ASCII character has that character's code (letters as
// capitals 'A'..'Z', digits '0'..'9', '+', '-'); control keys have their ASCII control codes; the
// others have codes from 0x100 on.
constexpr int VK_BACK = 0x08;
constexpr int VK_TAB = 0x09;
constexpr int VK_RETURN = 0x0D;
constexpr int VK_ESCAPE = 0x1B;
constexpr int VK_SPACE = 0x20;
constexpr int VK_OEM_PLUS = '+';
constexpr int VK_OEM_MINUS = '-';
constexpr int VK_OEM_COMMA = ',';
constexpr int VK_OEM_PERIOD = '.';
constexpr int VK_SHIFT = 0x100;
constexpr int VK_CONTROL = 0x101;
constexpr int VK_MENU = 0x102;   // Alt
constexpr int VK_LEFT = 0x110;
constexpr int VK_UP = 0x111;
constexpr int VK_RIGHT = 0x112;
constexpr int VK_DOWN = 0x113;
constexpr int VK_PRIOR = 0x114;
constexpr int VK_NEXT = 0x115;
constexpr int VK_HOME = 0x116;
constexpr int VK_END = 0x117;
constexpr int VK_INSERT = 0x118;
constexpr int VK_DELETE = 0x119;
constexpr int VK_ADD = 0x11A;        // numeric keypad +
constexpr int VK_SUBTRACT = 0x11B;   // numeric keypad -
constexpr int VK_F1 = 0x120;         // VK_F1 + n - 1 is Fn, up to F12
constexpr int VK_F12 = VK_F1 + 11;

// --- Parameter packing -----------------------------------------------------------------------
constexpr std::uint16_t LOWORD(std::uintptr_t v) { return static_cast<std::uint16_t>(v & 0xFFFF); }
constexpr std::uint16_t HIWORD(std::uintptr_t v) { return static_cast<std::uint16_t>((v >> 16) & 0xFFFF); }
constexpr WPARAM MAKEWPARAM(unsigned low, unsigned high) {
    return static_cast<WPARAM>((low & 0xFFFFu) | ((high & 0xFFFFu) << 16));
}
constexpr LPARAM MAKELPARAM(int low, int high) {
    return static_cast<LPARAM>(static_cast<std::uint32_t>((static_cast<unsigned>(low) & 0xFFFFu) |
                                                          ((static_cast<unsigned>(high) & 0xFFFFu) << 16)));
}
// Signed coordinates of a mouse message's lParam.
constexpr int GET_X_LPARAM(LPARAM l) { return static_cast<std::int16_t>(LOWORD(static_cast<std::uintptr_t>(l))); }
constexpr int GET_Y_LPARAM(LPARAM l) { return static_cast<std::int16_t>(HIWORD(static_cast<std::uintptr_t>(l))); }

// The record of WM_COPYDATA: an opaque tag and a block of bytes, valid during the handler only.
struct COPYDATASTRUCT {
    std::uintptr_t dwData = 0;
    std::uint32_t cbData = 0;
    const void* lpData = nullptr;
};

namespace platform {

// A message as a pump takes it from the queue. `time` is the host clock (ms) when it was queued
// (for paint and timers: when it was taken).
struct Message {
    HWND hwnd = nullptr;
    UINT message = WM_NULL;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    std::int64_t time = 0;
};

// The name of a message for traces ("WM_TIMER", "WM_USER+5"); numbers for unknown ones.
std::string MessageName(UINT message);

}  // namespace platform

using MSG = platform::Message;

// A handle's value: the slot of the window system's handle table it names (numbered from 1) in the
// low kHandleSlotBits bits, the slot's generation at the window's creation above them.
constexpr unsigned kHandleSlotBits = 24;

// Handles as integers and back, for traces and for carrying a handle in a WPARAM/LPARAM.
inline std::uintptr_t HandleValue(HWND hwnd) { return reinterpret_cast<std::uintptr_t>(hwnd); }
inline HWND HandleFromValue(std::uintptr_t value) { return reinterpret_cast<HWND>(value); }

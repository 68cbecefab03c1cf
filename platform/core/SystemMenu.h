#pragma once
// The window menu of a top-level window (the menu behind the title bar's icon). Every top-level
// window has one, starting with the standard entries Restore, Move, Size, Minimise, Maximise, a
// separator and Close, so that a program inserting its own items by position finds them where it
// counts. Choosing an item sends WM_SYSCOMMAND with the item's id to the window.

#include "platform/core/Menu.h"
#include "platform/core/Message.h"

namespace platform {

constexpr UINT WM_SYSCOMMAND = 0x0112;  // wParam: the chosen item's id

// The standard items' ids.
constexpr int SC_SIZE = 0xF000;
constexpr int SC_MOVE = 0xF010;
constexpr int SC_MINIMIZE = 0xF020;
constexpr int SC_MAXIMIZE = 0xF030;
constexpr int SC_CLOSE = 0xF060;
constexpr int SC_RESTORE = 0xF120;

// The window's menu, made with the standard entries on first use; with revert it starts afresh.
// nullptr when hwnd is not a top-level window.
Menu* GetSystemMenu(HWND hwnd, bool revert = false);
// The window's menu when the program has asked for it, else nullptr; makes none (a host showing
// window menus shows only those the program uses).
Menu* FindSystemMenu(HWND hwnd);
// Inserts a string item before the item at `position` (at the end when the position lies past it).
bool InsertMenuItemAt(Menu& menu, int position, int id, const std::string& text);
// The person chose the item at `index` of the window's menu: WM_SYSCOMMAND with its id is sent to
// the window (SC_CLOSE then closes it as the close box does). False when nothing was chosen.
bool ChooseSystemMenuItem(HWND hwnd, int index);
// The window was destroyed: its menu goes with it.
void ForgetSystemMenu(HWND hwnd);

}  // namespace platform

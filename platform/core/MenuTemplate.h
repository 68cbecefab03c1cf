#pragma once
// A menu as an edition's resources describe it: a bar of pop-ups, each a list of command items,
// separators and further pop-ups. Constant C++ data; a Menu is built from it at run time.

#include <span>

namespace platform {

// Flags of a menu item. Our own values; combine with |.
enum MenuItemFlags : unsigned {
    MF_SEPARATOR = 1u << 0,  // a dividing line; no id, no text
    MF_POPUP = 1u << 1,      // opens the sub-menu in `items`
    MF_GRAYED = 1u << 2,     // shown dimmed and cannot be chosen
    MF_CHECKED = 1u << 3,    // shown with a check mark
};

struct MenuItemTemplate {
    int id = 0;                               // the command id (0 for separators and pop-ups)
    const char* text = "";                    // UTF-8, '&' before the mnemonic, '\t' before the key name
    unsigned flags = 0;                       // MenuItemFlags
    std::span<const MenuItemTemplate> items = {};  // the sub-menu of a pop-up
};

struct MenuTemplate {
    int id = 0;
    std::span<const MenuItemTemplate> items = {};  // the menu bar (or a context menu's items)
};

}  // namespace platform

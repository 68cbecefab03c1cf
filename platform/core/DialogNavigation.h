#pragma once
// Keyboard navigation inside a dialog, as pure decisions over the dialog's controls in tab order:
// where Tab, Shift+Tab and the arrow keys move the focus, which control an Alt+mnemonic chooses and
// which button Enter presses. The Dialog applies them; keeping them apart lets them be tested on a
// plain list.

#include "platform/core/DialogTemplate.h"
#include "platform/core/Message.h"

#include <span>
#include <string_view>

namespace platform {

struct NavigationItem {
    int id = -1;
    ControlKind kind = ControlKind::Static;
    unsigned style = 0;  // ControlStyle flags (CTL_TABSTOP, CTL_GROUP, CTL_DEFAULT)
    bool enabled = true;
    bool visible = true;
    bool checked = false;  // radio buttons: the checked one of a group takes the focus on Tab
    std::string_view text;
};

// Whether the control can hold the keyboard focus at all.
bool CanTakeFocus(const NavigationItem& item);

// The index of the control Tab (or Shift+Tab) moves to from `current` (-1: none focused), wrapping
// around; tabbing into a radio group lands on its checked button. -1 when nothing can take it.
int NextTabStop(std::span<const NavigationItem> items, int current, bool backward);

// The index the arrow keys move to inside `current`'s group (from the control that starts the group
// to the one before the next group start), wrapping; -1 when nothing else in the group can take
// the focus.
int NextInGroup(std::span<const NavigationItem> items, int current, bool backward);

// The first index, from the one after `current` and wrapping around, whose mnemonic is `key`. A
// static text or group box passes its mnemonic to the next control that can take the focus (the
// label of an edit or a combo box). -1 when none.
int FindMnemonicTarget(std::span<const NavigationItem> items, char32_t key, int current);

// The button Enter presses: the focused push button when the focus is on one, else the default
// push button. -1 when there is none: the dialog then takes Enter as IDOK. The caller checks that
// the button can be pressed: a disabled default makes Enter do nothing.
int DefaultButton(std::span<const NavigationItem> items, int focused);

// Whether the control is a button that Space and Enter press.
bool IsButtonKind(ControlKind kind);

// The push button Enter would press in the dialog now, by DefaultButton over its controls and the
// keyboard focus (a host marks it as the default); nullptr when Enter presses none.
HWND ButtonEnterPresses(HWND dialog);

}  // namespace platform

#pragma once
// What a message box shows for its flags: the buttons with their ids and texts, the icon, which
// button Enter presses and what Esc or closing the box answers; and where everything goes for a
// measured text. The modal running is MessageBox.h.

#include "platform/core/DialogUnits.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Flags of MessageBox. Our own values: one button set, one icon, combined with |.
enum MessageBoxFlags : unsigned {
    MB_OK = 0x0,
    MB_OKCANCEL = 0x1,
    MB_YESNO = 0x2,
    MB_BUTTONMASK = 0xF,
    MB_ICONEXCLAMATION = 0x10,
    MB_ICONQUESTION = 0x20,
    MB_ICONINFORMATION = 0x30,
    MB_ICONSTOP = 0x40,
    MB_ICONMASK = 0xF0,
};

enum class MessageBoxIcon { None, Exclamation, Question, Information, Stop };

struct MessageBoxButton {
    int id = 0;         // IDOK, IDCANCEL, IDYES, IDNO
    std::string text;   // with '&' mnemonic
};

struct MessageBoxSpec {
    std::vector<MessageBoxButton> buttons;  // left to right
    MessageBoxIcon icon = MessageBoxIcon::None;
    int defaultButton = 0;          // index into buttons: Enter presses it, it has the focus first
    std::optional<int> escapeResult;  // what Esc and the close box answer: Cancel, No, or the one OK
};

// The button texts in the edition's language ("ge": German, anything else English).
MessageBoxSpec DescribeMessageBox(unsigned flags, std::string_view language);

// Placement of a message box's parts in its client area, in pixels.
struct MessageBoxLayout {
    int width = 0;
    int height = 0;
    Rect icon;                   // empty when there is no icon
    Rect text;
    std::vector<Rect> buttons;   // in the order of MessageBoxSpec::buttons
};

// Lays a box out around text of the measured size (pixels) for the dialog font's base units:
// icon at the top left, text beside it, the buttons centred in a row below, each at least
// 50 x 14 dialog units and wide enough for its caption (`buttonTextWidths`, pixels).
MessageBoxLayout LayoutMessageBox(const MessageBoxSpec& kind, int textWidth, int textHeight,
                                  const std::vector<int>& buttonTextWidths, DialogBaseUnits units);

}  // namespace platform

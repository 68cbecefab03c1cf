#pragma once
// A dialog template: the layout of a dialog and its controls in dialog units, as an edition's
// resources describe it. Editions provide tables of these as constant C++ data; a Dialog is built
// from one at run time.

#include <span>

namespace platform {

// The kinds of control a template can place. Each becomes a child window of the dialog.
enum class ControlKind {
    PushButton,
    CheckBox,
    RadioButton,
    GroupBox,  // a labelled frame around a group; takes no input
    Static,
    Edit,
    ComboBox,
    ListBox,
    RichText,
    ScrollBar,
    Slider,
    Image,
    IconList,  // pictures in rows, a caption under each, one selected (the design choosers)
};

// Style flags of a control in a template. Our own values; combine with |.
enum ControlStyle : unsigned {
    CTL_DEFAULT = 1u << 0,    // push button: the dialog's default button (Enter presses it)
    CTL_TABSTOP = 1u << 1,    // Tab stops here
    CTL_GROUP = 1u << 2,      // starts a group (arrow keys move inside a group; radios uncheck within it)
    CTL_DISABLED = 1u << 3,   // created disabled
    CTL_HIDDEN = 1u << 4,     // created hidden
    CTL_AUTO = 1u << 5,       // check box / radio button: a click changes the check state itself
    CTL_3STATE = 1u << 6,     // check box with a third, indeterminate state
    CTL_READONLY = 1u << 7,   // edit: text cannot be typed
    CTL_MULTILINE = 1u << 8,  // edit: several lines, Enter types a line break
    CTL_NUMBER = 1u << 9,     // edit: digits only
    CTL_VERTICAL = 1u << 10,  // scroll bar / slider: vertical (default horizontal)
    CTL_DROPLIST = 1u << 11,  // combo box: choose from the list only, no typing
    CTL_SORT = 1u << 12,      // combo / list box: items kept in sorted order
    CTL_CENTER = 1u << 13,    // static: text centred
    CTL_RIGHT = 1u << 14,     // static: text right-aligned
    CTL_LEFTTEXT = 1u << 15,  // check box / radio button: the text left of the box, the box at the right
    CTL_MULTISELECT = 1u << 16,  // list box: any number of items selected, a click toggles one
};

// Style flags of a dialog. Whether it runs modal is decided by how it is run; the flags record how
// the program creates it so that hosts and tests can check it.
enum DialogStyle : unsigned {
    DLG_MODELESS = 1u << 0,   // created as a modeless window, not through a modal loop
    DLG_NO_PARENT = 1u << 1,  // created without parent or owner (a top-level window of its own)
    DLG_CENTER = 1u << 2,     // centred over its owner (or the screen) when shown
    DLG_STRIP = 1u << 3,      // a strip without caption, with a thin border, kept above the main window
};

// A rectangle in dialog units: position of the top-left corner and size.
struct DialogRect {
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
};

// The dialog's font. The host measures it and reports its base units (see DialogUnits.h).
struct DialogFont {
    const char* face = "MS Sans Serif";
    int pointSize = 8;
};

struct ControlTemplate {
    ControlKind kind = ControlKind::Static;
    int id = -1;              // -1 for controls the program never addresses (labels)
    const char* text = "";    // UTF-8; '&' marks the mnemonic, "&&" is a literal '&'
    DialogRect rect = {};
    unsigned style = 0;       // ControlStyle flags
};

struct DialogTemplate {
    int id = 0;
    const char* caption = "";
    unsigned style = 0;       // DialogStyle flags
    DialogRect rect = {};          // position relative to the owner and size of the client area
    DialogFont font = {};
    std::span<const ControlTemplate> controls = {};  // in tab order
};

}  // namespace platform

#pragma once
// Accelerator tables: keys with modifiers that run a command directly, as an edition's resources
// list them. A key is translated into its command only when the frame's update function enables
// the command at that moment, exactly as the menu would show it.

#include "platform/core/CommandState.h"
#include "platform/core/Message.h"

#include <span>

namespace platform {

// Modifier flags of an accelerator and of a key press. Our own values; combine with |.
enum AcceleratorModifiers : unsigned {
    ACCEL_CTRL = 1u << 0,
    ACCEL_SHIFT = 1u << 1,
    ACCEL_ALT = 1u << 2,
};

struct Accelerator {
    int key = 0;             // virtual key code (letters and digits: their upper-case ASCII code)
    unsigned modifiers = 0;  // AcceleratorModifiers; must match the pressed ones exactly
    int command = 0;
};

struct AcceleratorTable {
    int id = 0;
    std::span<const Accelerator> entries = {};
};

struct AcceleratorTranslation {
    enum class Result {
        NoMatch,   // not an accelerator: the key goes on to the focus window
        Disabled,  // an accelerator of a disabled command: the key is swallowed, nothing runs
        Command,   // run `command`
    };
    Result result = Result::NoMatch;
    int command = 0;
};

// The first entry for this key and exactly these modifiers, or nullptr.
const Accelerator* FindAccelerator(const AcceleratorTable& table, int key, unsigned modifiers);

// Translates a key press through the table, gated by the update function.
AcceleratorTranslation TranslateAccelerator(const AcceleratorTable& table, int key, unsigned modifiers,
                                            const CommandUpdater& updater);

// The notification code of a WM_COMMAND that comes from an accelerator (menus send 0).
inline constexpr unsigned kCommandFromAccelerator = 1;

// For a frame's PreTranslateMessage: translates a key press (WM_KEYDOWN, or WM_SYSKEYDOWN with Alt)
// with the modifiers held now, and sends an enabled command to `target` as WM_COMMAND. True when the
// key was used up: its command ran, or it belongs to a disabled command.
bool TranslateAcceleratorMessage(HWND target, const AcceleratorTable& table, const CommandUpdater& updater,
                                 const Message& message);

}  // namespace platform

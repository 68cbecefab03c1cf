#pragma once
// How Qt's input becomes ours: Qt keys as our virtual keys, Qt mouse buttons as our button messages,
// and which keys a native dialog control keeps for itself (the rest go to our dialog's keyboard
// handling through the queue).

#include <optional>

#include <QEvent>
#include <Qt>

#include "platform/core/DialogTemplate.h"
#include "platform/core/Message.h"

namespace platform {

// Our virtual key for a Qt key (modifiers tell the keypad's + and - apart), or nothing for keys
// the program has no code for.
std::optional<int> VirtualKeyFromQt(int qtKey, Qt::KeyboardModifiers modifiers);

// Our mouse message for a Qt mouse event type and button (MouseButtonPress, MouseButtonRelease,
// MouseButtonDblClick), or nothing for buttons we do not report.
std::optional<UINT> MouseMessageFromQt(QEvent::Type type, Qt::MouseButton button);

// Whether the native widget of a control of this kind handles the key itself (typing in a field,
// the arrows in a list, Space on a button). Every other key goes to our dialog: Tab, Enter, Esc,
// mnemonics with Alt.
bool NativeControlTakesKey(ControlKind kind, unsigned style, int qtKey, Qt::KeyboardModifiers modifiers);

}  // namespace platform

#include "platform/core/Accelerators.h"

#include "platform/core/WindowApi.h"

namespace platform {

const Accelerator* FindAccelerator(const AcceleratorTable& table, int key, unsigned modifiers) {
    for (const Accelerator& entry : table.entries) {
        if (entry.key == key && entry.modifiers == modifiers) return &entry;
    }
    return nullptr;
}

AcceleratorTranslation TranslateAccelerator(const AcceleratorTable& table, int key, unsigned modifiers,
                                            const CommandUpdater& updater) {
    const Accelerator* entry = FindAccelerator(table, key, modifiers);
    if (!entry) return {};
    // A disabled command swallows its key: letting it through would hand e.g. Ctrl+S to the view,
    // whose plain key handler has its own meaning for S.
    if (!QueryCommandState(updater, entry->command).Enabled())
        return {AcceleratorTranslation::Result::Disabled, entry->command};
    return {AcceleratorTranslation::Result::Command, entry->command};
}

bool TranslateAcceleratorMessage(HWND target, const AcceleratorTable& table, const CommandUpdater& updater,
                                 const Message& message) {
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
    unsigned modifiers = 0;
    if (::GetKeyState(VK_CONTROL) & 0x8000) modifiers |= ACCEL_CTRL;
    if (::GetKeyState(VK_SHIFT) & 0x8000) modifiers |= ACCEL_SHIFT;
    if (message.message == WM_SYSKEYDOWN || (::GetKeyState(VK_MENU) & 0x8000)) modifiers |= ACCEL_ALT;
    AcceleratorTranslation translation =
        TranslateAccelerator(table, static_cast<int>(message.wParam), modifiers, updater);
    if (translation.result == AcceleratorTranslation::Result::NoMatch) return false;
    if (translation.result == AcceleratorTranslation::Result::Command)
        ::SendMessage(target, WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(translation.command), kCommandFromAccelerator), 0);
    return true;
}

}  // namespace platform

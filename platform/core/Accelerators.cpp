#include "platform/core/Accelerators.h"

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

}  // namespace platform

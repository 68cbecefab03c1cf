#include "dialogs/SettingsFields.h"

#include "platform/core/Beep.h"
#include "platform/core/Codepage.h"
#include "platform/core/Dialog.h"
#include "platform/core/Edit.h"

void RefuseEntry() { MessageBeep(platform::kSimpleBeep); }

std::optional<int> ParseUnsignedNumber(const std::string& text, NumberRange range) {
    if (text.empty()) return std::nullopt;
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        // Past the range already: more digits cannot bring it back, and the sum must not overflow.
        if (value > range.maximum) return std::nullopt;
    }
    if (value < range.minimum) return std::nullopt;
    return static_cast<int>(value);
}

bool ReadUnsignedField(platform::Dialog& dialog, int id, int* value, NumberRange range) {
    if (std::optional<int> number = ParseUnsignedNumber(dialog.GetDlgItemText(id), range)) {
        if (value) *value = *number;
        return true;
    }
    dialog.SetDlgItemText(id, "?");
    if (auto* edit = dialog.GetControlAs<platform::Edit>(id)) edit->SelectAllAndShowCaret();
    RefuseEntry();
    return false;
}

std::string FormatNumberOrEmpty(int value) { return value < 0 ? std::string() : std::to_string(value); }

bool StepNumber(int& value, int step, NumberRange range) {
    const long long moved = static_cast<long long>(value) + step;
    if (moved < range.minimum || moved > range.maximum) {
        RefuseEntry();
        return false;
    }
    value = static_cast<int>(moved);
    return true;
}

bool IsStorableText(const std::string& text, std::size_t maxBytes, bool emptyAllowed) {
    if (text.empty()) return emptyAllowed;
    // A character the code page cannot hold comes back as "?" where the text had none.
    const std::string kept = platform::Utf8ToCp1252(text);
    if (platform::Cp1252ToUtf8(kept) != text) return false;
    for (char c : kept) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D)
            return false;
    }
    return maxBytes == 0 || kept.size() <= maxBytes;
}

bool CheckTextField(platform::Dialog& dialog, int id, std::size_t maxBytes, bool emptyAllowed) {
    if (IsStorableText(dialog.GetDlgItemText(id), maxBytes, emptyAllowed)) return true;
    if (auto* edit = dialog.GetControlAs<platform::Edit>(id)) edit->SelectAllAndShowCaret();
    RefuseEntry();
    return false;
}

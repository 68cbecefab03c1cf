#pragma once
// The field helpers every settings dialog shares: one number parse for every number field, the
// arrow buttons beside them, and one check of the texts the files keep.

#include <cstddef>
#include <optional>
#include <string>

namespace platform {
class Dialog;
}

// The range a number field takes.
struct NumberRange {
    int minimum = 0;
    int maximum = 0;
};

// The ranges of the settings (the upper bounds keep 60 x minutes and raised balances inside int).
constexpr NumberRange kRoundsRange{0, 9999};       // Bock and Ramsch rounds
constexpr NumberRange kDelayRange{0, 99999};       // milliseconds and glide steps
constexpr NumberRange kRamschPointsRange{1, 120};  // fixed points of a Ramsch
constexpr NumberRange kMatchRoundsRange{1, 9999};
constexpr NumberRange kMinutesRange{1, 99999};
constexpr NumberRange kCreditRange{1, 99999};

// Digits only (no sign, no blank, not empty), no overflow, inside the range; else nothing.
std::optional<int> ParseUnsignedNumber(const std::string& text, NumberRange range);

// Reads the field `id` of the dialog into `value` when it holds a number of the range; otherwise
// leaves `value`, shows "?" selected with the caret in view and beeps. Returns whether it took it.
bool ReadUnsignedField(platform::Dialog& dialog, int id, int* value, NumberRange range);

// "%d" of the value, or an empty text for a negative value.
std::string FormatNumberOrEmpty(int value);

// An arrow button beside a number field: moves `value` by `step` (negative: down) when the result
// stays inside the range, else beeps and leaves it. Returns whether it moved.
bool StepNumber(int& value, int step, NumberRange range);

// Whether a text may be kept in the files: no control characters, every character inside cp1252,
// at most `maxBytes` cp1252 bytes (0: no limit); empty texts only when `emptyAllowed`.
bool IsStorableText(const std::string& text, std::size_t maxBytes, bool emptyAllowed);

// Checks the field `id` with IsStorableText; a refused text beeps and is shown selected.
bool CheckTextField(platform::Dialog& dialog, int id, std::size_t maxBytes, bool emptyAllowed);

// The simple beep of a refused entry.
void RefuseEntry();

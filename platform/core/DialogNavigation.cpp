#include "platform/core/DialogNavigation.h"

#include "platform/core/ControlMnemonic.h"

namespace platform {

namespace {

int Count(std::span<const NavigationItem> items) { return static_cast<int>(items.size()); }

bool InRange(std::span<const NavigationItem> items, int index) { return index >= 0 && index < Count(items); }

int GroupStart(std::span<const NavigationItem> items, int index) {
    while (index > 0 && !(items[index].style & CTL_GROUP)) --index;
    return index;
}

int GroupEnd(std::span<const NavigationItem> items, int index) {  // exclusive
    int end = index + 1;
    while (end < Count(items) && !(items[end].style & CTL_GROUP)) ++end;
    return end;
}

// The checked radio button of the group around `index`, when it can take the focus.
int CheckedRadioOfGroup(std::span<const NavigationItem> items, int index) {
    for (int i = GroupStart(items, index), end = GroupEnd(items, index); i < end; ++i) {
        const NavigationItem& item = items[i];
        if (item.kind == ControlKind::RadioButton && item.checked && CanTakeFocus(item)) return i;
    }
    return index;
}

}  // namespace

bool IsButtonKind(ControlKind kind) {
    return kind == ControlKind::PushButton || kind == ControlKind::CheckBox || kind == ControlKind::RadioButton;
}

bool CanTakeFocus(const NavigationItem& item) {
    if (!item.enabled || !item.visible) return false;
    return item.kind != ControlKind::Static && item.kind != ControlKind::GroupBox && item.kind != ControlKind::Image;
}

int NextTabStop(std::span<const NavigationItem> items, int current, bool backward) {
    int n = Count(items);
    if (n == 0) return -1;
    int start = InRange(items, current) ? current : (backward ? 0 : n - 1);
    for (int step = 1; step <= n; ++step) {
        int i = ((backward ? start - step : start + step) % n + n) % n;
        const NavigationItem& item = items[i];
        if (!(item.style & CTL_TABSTOP) || !CanTakeFocus(item)) continue;
        if (item.kind == ControlKind::RadioButton) {
            // Inside a radio group the arrows move; Tab leaves the group.
            if (InRange(items, current) && items[current].kind == ControlKind::RadioButton &&
                GroupStart(items, i) == GroupStart(items, current))
                continue;
            return CheckedRadioOfGroup(items, i);
        }
        return i;
    }
    return -1;
}

int NextInGroup(std::span<const NavigationItem> items, int current, bool backward) {
    if (!InRange(items, current)) return -1;
    int begin = GroupStart(items, current);
    int size = GroupEnd(items, current) - begin;
    for (int step = 1; step < size; ++step) {
        int offset = current - begin + (backward ? -step : step);
        int i = begin + (offset % size + size) % size;
        if (CanTakeFocus(items[i])) return i;
    }
    return -1;
}

int FindMnemonicTarget(std::span<const NavigationItem> items, char32_t key, int current) {
    int n = Count(items);
    int start = InRange(items, current) ? current : -1;
    for (int step = 1; step <= n; ++step) {
        int i = (start + step) % n;
        const NavigationItem& item = items[i];
        if (!item.visible || !MatchesMnemonic(item.text, key)) continue;
        if (item.kind == ControlKind::Static || item.kind == ControlKind::GroupBox) {
            for (int j = i + 1; j < n; ++j) {
                if (CanTakeFocus(items[j])) return j;
            }
            continue;
        }
        if (CanTakeFocus(item)) return i;
    }
    return -1;
}

int DefaultButton(std::span<const NavigationItem> items, int focused) {
    if (InRange(items, focused) && items[focused].kind == ControlKind::PushButton && CanTakeFocus(items[focused]))
        return focused;
    for (int i = 0; i < Count(items); ++i) {
        const NavigationItem& item = items[i];
        if (item.kind == ControlKind::PushButton && (item.style & CTL_DEFAULT)) return i;
    }
    return -1;
}

}  // namespace platform

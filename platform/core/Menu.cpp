#include "platform/core/Menu.h"

#include "platform/core/ControlMnemonic.h"

#include <algorithm>

namespace platform {

Menu::Menu(const MenuTemplate& menu) : Menu(menu.items) {}

void Menu::Insert(int position, MenuItem item) {
    const std::size_t at = position < 0 ? 0 : std::min(static_cast<std::size_t>(position), items_.size());
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(at), std::move(item));
}

Menu::Menu(std::span<const MenuItemTemplate> items) {
    items_.reserve(items.size());
    for (const MenuItemTemplate& source : items) {
        MenuItem item;
        item.id = source.id;
        item.text = source.text ? source.text : "";
        item.flags = source.flags;
        if (source.flags & MF_POPUP) item.popup = std::make_unique<Menu>(source.items);
        items_.push_back(std::move(item));
    }
}

MenuItem* Menu::FindCommand(int id) {
    return const_cast<MenuItem*>(static_cast<const Menu*>(this)->FindCommand(id));
}

const MenuItem* Menu::FindCommand(int id) const {
    for (const MenuItem& item : items_) {
        if (item.IsPopup()) {
            if (const MenuItem* found = item.popup->FindCommand(id)) return found;
        } else if (!item.IsSeparator() && item.id == id) {
            return &item;
        }
    }
    return nullptr;
}

bool Menu::EnableItem(int id, bool enabled) {
    MenuItem* item = FindCommand(id);
    if (!item) return false;
    item->flags = enabled ? item->flags & ~MF_GRAYED : item->flags | MF_GRAYED;
    return true;
}

bool Menu::CheckItem(int id, bool checked) {
    MenuItem* item = FindCommand(id);
    if (!item) return false;
    item->flags = checked ? item->flags | MF_CHECKED : item->flags & ~MF_CHECKED;
    return true;
}

bool Menu::SetItemText(int id, std::string text) {
    MenuItem* item = FindCommand(id);
    if (!item) return false;
    item->text = std::move(text);
    return true;
}

void Menu::Open(const CommandUpdater& updater) {
    for (MenuItem& item : items_) {
        if (item.IsSeparator() || item.IsPopup()) continue;
        CommandState state = QueryCommandState(updater, item.id);
        item.flags = state.Enabled() ? item.flags & ~MF_GRAYED : item.flags | MF_GRAYED;
        if (state.Check()) item.flags = *state.Check() ? item.flags | MF_CHECKED : item.flags & ~MF_CHECKED;
        if (state.Text()) item.text = *state.Text();
    }
}

int Menu::FindMnemonic(char32_t key) const {
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const MenuItem& item = items_[i];
        if (item.IsSeparator() || !item.IsEnabled()) continue;
        if (MatchesMnemonic(item.text, key)) return static_cast<int>(i);
    }
    return -1;
}

std::optional<int> Menu::Choose(int index) const {
    if (index < 0 || index >= static_cast<int>(items_.size())) return std::nullopt;
    const MenuItem& item = items_[index];
    if (item.IsSeparator() || item.IsPopup() || !item.IsEnabled()) return std::nullopt;
    return item.id;
}

}  // namespace platform

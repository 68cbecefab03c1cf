#pragma once
// A menu at run time: items with their current enabled, checked and text state, built from a
// MenuTemplate. When a menu (or one of its pop-ups) opens, its command items take their state from
// the frame's update function; choosing an item yields its command only while it is enabled.

#include "platform/core/CommandState.h"
#include "platform/core/MenuTemplate.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

class Menu;

struct MenuItem {
    int id = 0;
    std::string text;
    unsigned flags = 0;           // MenuItemFlags
    std::unique_ptr<Menu> popup;  // set for pop-ups

    bool IsSeparator() const { return (flags & MF_SEPARATOR) != 0; }
    bool IsPopup() const { return popup != nullptr; }
    bool IsEnabled() const { return (flags & MF_GRAYED) == 0; }
    bool IsChecked() const { return (flags & MF_CHECKED) != 0; }
};

class Menu {
public:
    Menu() = default;
    explicit Menu(const MenuTemplate& menu);
    explicit Menu(std::span<const MenuItemTemplate> items);

    const std::vector<MenuItem>& Items() const { return items_; }
    void Append(MenuItem item) { items_.push_back(std::move(item)); }
    // Inserts before the item at `position` (at the end when the position lies past it).
    void Insert(int position, MenuItem item);

    // The command item with this id anywhere in the menu or its pop-ups, or nullptr.
    MenuItem* FindCommand(int id);
    const MenuItem* FindCommand(int id) const;

    // Direct state changes; false when no command item has the id.
    bool EnableItem(int id, bool enabled);
    bool CheckItem(int id, bool checked);
    bool SetItemText(int id, std::string text);

    // The menu opens: every command item of this level takes its enabled state, and any check or text
    // the update function sets, from the update function. Pop-ups update when they open themselves.
    void Open(const CommandUpdater& updater);

    // The index of the item chosen by a mnemonic key inside the open menu, or -1. Separators and
    // dimmed items are skipped.
    int FindMnemonic(char32_t key) const;

    // The command that choosing the item at this index runs: its id when it is an enabled command
    // item; nothing for separators, pop-ups, dimmed items and indices out of range.
    std::optional<int> Choose(int index) const;

private:
    std::vector<MenuItem> items_;
};

}  // namespace platform

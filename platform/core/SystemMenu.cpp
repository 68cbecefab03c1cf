#include "platform/core/SystemMenu.h"

#include "platform/core/WindowApi.h"

#include <map>
#include <memory>

namespace platform {

namespace {

// One menu per window handle, made when the program first asks for it.
std::map<HWND, std::unique_ptr<Menu>>& Menus() {
    static std::map<HWND, std::unique_ptr<Menu>> menus;
    return menus;
}

std::unique_ptr<Menu> StandardMenu() {
    auto menu = std::make_unique<Menu>();
    const struct {
        int id;
        const char* text;
    } items[] = {{SC_RESTORE, "Restore"}, {SC_MOVE, "Move"},         {SC_SIZE, "Size"},
                 {SC_MINIMIZE, "Minimise"}, {SC_MAXIMIZE, "Maximise"}, {0, nullptr},
                 {SC_CLOSE, "Close"}};
    for (const auto& item : items) {
        MenuItem entry;
        if (item.text) {
            entry.id = item.id;
            entry.text = item.text;
        } else {
            entry.flags = MF_SEPARATOR;
        }
        menu->Append(std::move(entry));
    }
    return menu;
}

}  // namespace

Menu* GetSystemMenu(HWND hwnd, bool revert) {
    const Window* window = WindowFromHandle(hwnd);
    if (!window || window->Kind() == WindowKind::Child) return nullptr;
    std::unique_ptr<Menu>& menu = Menus()[hwnd];
    if (!menu || revert) menu = StandardMenu();
    return menu.get();
}

Menu* FindSystemMenu(HWND hwnd) {
    const auto found = Menus().find(hwnd);
    return found == Menus().end() || !IsWindow(hwnd) ? nullptr : found->second.get();
}

bool InsertMenuItemAt(Menu& menu, int position, int id, const std::string& text) {
    MenuItem item;
    item.id = id;
    item.text = text;
    menu.Insert(position, std::move(item));
    return true;
}

bool ChooseSystemMenuItem(HWND hwnd, int index) {
    Menu* menu = GetSystemMenu(hwnd);
    if (!menu) return false;
    const std::optional<int> id = menu->Choose(index);
    if (!id) return false;
    SendMessage(hwnd, WM_SYSCOMMAND, static_cast<WPARAM>(*id), 0);
    // The standard Close item asks the window to close, as its close box does.
    if (*id == SC_CLOSE && IsWindow(hwnd)) SendMessage(hwnd, WM_CLOSE);
    return true;
}

void ForgetSystemMenu(HWND hwnd) { Menus().erase(hwnd); }

}  // namespace platform

#pragma once
// The update-UI state of one command: whether it is enabled, checked and which text it shows at this
// moment. A frame answers for all its commands through one update function; menus ask it when they
// open, accelerators when they translate a key, the tool bar when it refreshes, so the three never
// disagree about what may run.

#include <functional>
#include <optional>
#include <string>

namespace platform {

class CommandState {
public:
    explicit CommandState(int id) : id_(id) {}

    int Id() const { return id_; }

    // Called by the update function.
    void Enable(bool enabled = true) { enabled_ = enabled; }
    void SetCheck(int check = 1) { check_ = check; }  // 0 unchecked, 1 checked, 2 indeterminate
    void SetText(std::string text) { text_ = std::move(text); }

    // Read by menus, accelerators and the tool bar. A command the update function leaves alone is
    // enabled: only the commands whose availability depends on the game say otherwise.
    bool Enabled() const { return enabled_; }
    // The check state, when the update function set one (otherwise the item keeps its own).
    const std::optional<int>& Check() const { return check_; }
    const std::optional<std::string>& Text() const { return text_; }

private:
    int id_;
    bool enabled_ = true;
    std::optional<int> check_;
    std::optional<std::string> text_;
};

// The frame's one update function. Empty: every command is enabled.
using CommandUpdater = std::function<void(CommandState&)>;

// Asks the update function about one command.
CommandState QueryCommandState(const CommandUpdater& updater, int id);

}  // namespace platform

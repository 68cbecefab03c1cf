#pragma once
// platform::QtControlRelay: a hidden, disabled window of the Qt host that runs actions from our
// message loop. Each action is posted to it as a message of its own and runs when a pump dispatches
// that message, in queue order with everything else. The host makes it when first needed (and again
// after the window system was reset).

#include <cstdint>
#include <functional>
#include <map>

#include "platform/core/Window.h"

namespace platform {

class QtControlRelay final : public Window {
public:
    static constexpr UINT kRunAction = WM_USER + 0x3F0;

    // Posts the action; false when the relay window could not be made.
    bool Post(std::function<void()> action);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool EnsureWindow();

    std::map<std::uint64_t, std::function<void()>> m_actions;
    std::uint64_t m_next = 0;
};

}  // namespace platform

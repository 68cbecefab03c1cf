// The pumps: the main loop, modal loops and nested waits.
#include <algorithm>

#include "platform/core/WindowSystem.h"

namespace platform {

bool WindowSystem::PreTranslateChain(Message& message) {
    Window* window = FromHandle(message.hwnd);
    while (window) {
        const HWND hwnd = window->m_hwnd;
        {
            Pin pin(*window);
            if (window->PreTranslateMessage(message)) return true;
        }
        window = FromHandle(hwnd);
        if (!window || window->m_kind != WindowKind::Child) break;
        window = FromHandle(window->m_parent);
    }
    return false;
}

void WindowSystem::ProcessMessage(Message& message) {
    if (message.message == WM_QUIT || PreTranslateChain(message)) return;
    TranslateMessage(message);
    DispatchMessage(message);
}

int WindowSystem::RunMessageLoop() {
    Message message;
    while (GetMessage(message, nullptr, 0, 0)) ProcessMessage(message);
    return static_cast<int>(message.wParam);
}

int WindowSystem::RunModalLoop(Window& dialog) {
    const HWND hwnd = dialog.m_hwnd;
    if (!hwnd) return -1;
    Pin pin(dialog);
    const HWND owner = dialog.m_owner;
    const HWND focusBefore = m_focus;
    const bool disableOwner = IsWindow(owner) && IsWindowEnabled(owner);
    if (disableOwner) EnableWindow(owner, false);
    m_modalStack.push_back(&dialog);

    if (IsWindow(hwnd) && !dialog.m_modalEnded) {
        if (!dialog.m_visible) ShowWindow(hwnd, SW_SHOW);
        else if (m_active != hwnd) Activate(hwnd, true, WA_ACTIVE);
    }
    Message message;
    // Tested after every dispatch, those made inside the retrieval included (another process's message,
    // an action of the host): a dialog ended there ends the loop without waiting for more.
    const std::function<bool()> ended = [&] { return !IsWindow(hwnd) || dialog.m_modalEnded; };
    while (!ended()) {
        if (!TakeMessage(message, nullptr, 0, 0, true, &ended)) {
            if (!ended()) m_host->WaitForWork(NextTimerDue());
            continue;
        }
        if (message.message == WM_QUIT) {
            RepostQuit(static_cast<int>(message.wParam));
            break;
        }
        if (dialog.PreTranslateMessage(message)) continue;
        TranslateMessage(message);
        DispatchMessage(message);
    }
    const int result = dialog.m_modalEnded ? dialog.m_modalResult : -1;
    dialog.m_modalEnded = false;
    m_modalStack.erase(std::find(m_modalStack.begin(), m_modalStack.end(), &dialog));

    // The owner comes back first, so that hiding the dialog hands the activation to it.
    if (disableOwner && IsWindow(owner)) EnableWindow(owner, true);
    if (IsWindow(hwnd)) ShowWindow(hwnd, SW_HIDE);
    if (IsWindow(owner) && m_active != owner && IsWindowVisible(owner)) Activate(owner, false, WA_ACTIVE);
    if (IsWindow(focusBefore) && CanTakeFocus(focusBefore)) SetFocus(focusBefore);
    else if (IsWindow(owner) && !IsSelfOrDescendant(owner, m_focus)) SetFocus(owner);
    return result;
}

void WindowSystem::EndModalLoop(Window& dialog, int result) {
    dialog.m_modalEnded = true;
    dialog.m_modalResult = result;
}

WindowSystem::WaitStep WindowSystem::PumpWaitStep() {
    Message message;
    if (!PeekMessage(message, nullptr, 0, 0, PM_REMOVE)) return WaitStep::Empty;
    if (message.message == WM_QUIT) {
        RepostQuit(static_cast<int>(message.wParam));
        return WaitStep::Quit;
    }
    DispatchMessage(message);
    return WaitStep::Dispatched;
}

bool WindowSystem::WaitWhile(const std::function<bool()>& keepWaiting) {
    while (keepWaiting()) {
        if (PumpWaitStep() == WaitStep::Quit) return false;
    }
    return true;
}

}  // namespace platform

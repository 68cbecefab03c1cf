#pragma once
// Looks at a modal dialog or message box while it runs: a helper window whose timer, due while
// the modal loop waits, calls the test's look and then ends the dialog with a button.

#include "platform/core/Dialog.h"
#include "platform/core/MessageBox.h"
#include "platform/core/WindowApi.h"

#include <functional>
#include <string>
#include <vector>

namespace testsupport {

class ModalReader : public platform::Window {
public:
    // `look` runs once per tick while a dialog is active; returning the button id ends it.
    std::function<int(platform::Dialog&)> look;
    // The texts of every message box seen, in order.
    std::vector<std::string> boxTexts;

    void Start(int everyMs = 10) {
        if (!IsAlive()) Create({});
        SetTimer(1, everyMs);
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != WM_TIMER) return platform::Window::WindowProc(message, wParam, lParam);
        if (platform::MessageBoxDialog* box = platform::ActiveMessageBox()) {
            boxTexts.push_back(box->Text());
            ::PostMessage(box->Handle(), WM_COMMAND, IDOK, 0);
            return 0;
        }
        auto* dialog = dynamic_cast<platform::Dialog*>(::WindowFromHandle(::GetActiveWindow()));
        if (dialog && dialog->IsRunningModal() && look) {
            const int button = look(*dialog);
            if (button != 0) ::PostMessage(dialog->Handle(), WM_COMMAND, static_cast<WPARAM>(button), 0);
        }
        return 0;
    }
};

}  // namespace testsupport

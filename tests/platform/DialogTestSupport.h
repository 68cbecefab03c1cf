#pragma once
// Shared by the dialog, control and message box tests: a headless host with a main window, a
// dialog font that measures 7 x 13 pixels, and a dialog that records the commands it receives.

#include "platform/core/Button.h"
#include "platform/core/ControlMessages.h"
#include "platform/core/Dialog.h"
#include "platform/core/WindowApi.h"
#include "platform/headless/HeadlessHost.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

namespace dialog_test {

using namespace platform;

inline DialogBaseUnits SevenByThirteen(const DialogFont&) { return {7, 13}; }

// A dialog that records every command and ends with a push button's id.
class RecordingDialog : public Dialog {
public:
    using Dialog::Dialog;
    std::vector<std::pair<int, unsigned>> commands;
    std::function<void()> onInit;

    bool OnInitDialog() override {
        if (onInit) onInit();
        return Dialog::OnInitDialog();
    }
    bool OnCommand(int id, unsigned code, HWND control) override {
        commands.emplace_back(id, code);
        if (Dialog::OnCommand(id, code, control)) return true;
        if (auto* button = GetControlAs<Button>(id); button && button->GetKind() == ControlKind::PushButton) {
            EndDialog(id);
            return true;
        }
        return false;
    }
};

// The main window: records its commands and runs a test's action on its timers.
class Frame : public Window {
public:
    std::vector<std::pair<int, unsigned>> commands;
    std::function<void(UINT)> onTimer;
    std::function<bool(Message&)> preTranslate;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_COMMAND) {
            commands.emplace_back(LOWORD(wParam), HIWORD(wParam));
            return 0;
        }
        if (message == WM_TIMER) {
            KillTimer(static_cast<UINT>(wParam));
            if (onTimer) onTimer(static_cast<UINT>(wParam));
            return 0;
        }
        return Window::WindowProc(message, wParam, lParam);
    }
    bool PreTranslateMessage(Message& message) override { return preTranslate && preTranslate(message); }
};

class DialogFixture : public ::testing::Test {
protected:
    void SetUp() override {
        SetDialogFontMeasure(&SevenByThirteen);
        CreateParams params;
        params.kind = WindowKind::Overlapped;
        params.rect = {100, 100, 740, 580};
        params.title = "Kartovan+";
        params.visible = true;
        ASSERT_TRUE(frame.Create(params));
        Dialog::SetDefaultOwner(frame.Handle());
    }
    void TearDown() override {
        Dialog::SetDefaultOwner(nullptr);
        SetDialogFontMeasure(nullptr);
    }
    std::int64_t Soon(std::int64_t ms = 10) const { return host.NowMs() + ms; }
    // Clicks a control in the middle (press and release).
    void ClickOn(HWND control, std::int64_t atMs) {
        Rect r;
        ::GetClientRect(control, &r);
        host.Click(atMs, HeadlessHost::ScreenPoint(control, {r.Width() / 2, r.Height() / 2}));
    }

    HeadlessHost host;
    Frame frame;
};

}  // namespace dialog_test

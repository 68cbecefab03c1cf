#pragma once
// The running program on the headless host with a prompt bar over its table: what the bar sends or
// posts to the frame (the dispatch trace of the frame's commands), what it plays, and how the
// frame records it.

#include "dialogs/ModelessDialog.h"
#include "flow/FrameFixture.h"
#include "platform/core/Button.h"
#include "platform/core/ControlMessages.h"
#include "platform/headless/TavloSound.h"
#include "tavlo/SoundOutput.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace testsupport {

class BarFixture : public FrameFixture {
protected:
    void SetUp() override;
    void TearDown() override {
        host_->Trace().SetFilter(nullptr);
        CloseBar();
        tavlo::SetSoundOutput(nullptr);
    }

    // Opens a bar as the frame does: made from its template, shown, recorded as the open prompt.
    template <class Bar, class... Args>
    Bar* OpenBar(Args&&... args) {
        Bar* bar = CreateBar<Bar>(std::forward<Args>(args)...);
        if (!bar) return nullptr;
        bar->ShowWindow(SW_SHOW);
        RecordPrompt(bar);
        host_->PumpUntilIdle();
        host_->Trace().Clear();
        sounds_.Clear();
        return bar;
    }
    // The frame's record of its open prompt: only these three know how the frame keeps it
    // (BarFixture.cpp).
    void RecordPrompt(platform::Window* bar);
    // The frame holds no prompt while the bar still lives: the moment of the frame's own close of a
    // bar, which forgets it first and destroys its window after.
    void ForgetPrompt();
    HWND RecordedPrompt();
    // Closes the open bar as the frame does: its record first, then the window.
    void CloseBar() {
        if (!app_ || !app_->MainFrame()) return;
        const HWND bar = RecordedPrompt();
        ForgetPrompt();
        if (bar && ::IsWindow(bar)) ::DestroyWindow(bar);
    }

    // The person's click on a control: a check box with its own state changes it, then the bar hears.
    void Click(platform::Dialog* bar, int id) {
        ::SendMessage(bar->GetDlgItem(id), BM_CLICK, 0, 0);
        host_->PumpUntilIdle();
    }
    // A press the way a timer gives it: the command without the control, posted.
    void Press(platform::Dialog* bar, int id) {
        ::PostMessage(bar->Handle(), WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(id), 0), 0);
        host_->PumpUntilIdle();
    }

    // The commands the frame received since the last clear: "S112" sent, "D102" posted.
    std::vector<std::string> FrameCommands() const {
        std::vector<std::string> commands;
        for (const platform::DispatchRecord& record : host_->Trace().Records()) {
            const int id = static_cast<int>(LOWORD(record.wParam));
            if (id >= 1000) continue;  // menu commands and controls are not the bars' commands
            // Built by appending: GCC 12 at -O3 warns falsely about joining two temporaries.
            std::string command(1, static_cast<char>(record.kind));
            command += std::to_string(id);
            commands.push_back(std::move(command));
        }
        return commands;
    }
    // The effects played since the last clear.
    std::vector<int> Effects() const {
        std::vector<int> effects;
        for (const auto& played : sounds_.PlayedSounds())
            if (played.kind == platform::TavloSoundRecorder::Played::Kind::Effect) effects.push_back(played.effect);
        return effects;
    }
    // Runs `action` when the frame is about to handle command `id`, inside the sender's call.
    void WhenFrameGets(int id, std::function<void()> action) {
        onCommandId_ = id;
        onCommand_ = std::move(action);
    }

    static int Checked(platform::Dialog* bar, int id) { return bar->IsDlgButtonChecked(id); }
    static bool Visible(platform::Dialog* bar, int id) { return ::IsWindowVisible(bar->GetDlgItem(id)); }
    static bool Enabled(platform::Dialog* bar, int id) { return ::IsWindowEnabled(bar->GetDlgItem(id)); }

    platform::TavloSoundRecorder sounds_;
    HWND frameHandle_ = nullptr;
    int onCommandId_ = -1;
    std::function<void()> onCommand_;
};

}  // namespace testsupport

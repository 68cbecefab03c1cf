#include "dialogs/BarFixture.h"

#include "flow/MainFrame.h"

namespace testsupport {

void BarFixture::SetUp() {
    // Every trace line the bars write, the verbose ones too.
    TraceOn();
    WriteProfileInt("View", "LogLevelV", 2);
    StartProgram();
    tavlo::SetSoundOutput(&sounds_);
    frameHandle_ = Frame().Handle();
    host_->Trace().SetFilter([this](const platform::DispatchRecord& record) {
        if (record.message != WM_COMMAND || record.hwnd != frameHandle_) return false;
        const int id = static_cast<int>(LOWORD(record.wParam));
        if (onCommand_ && id == onCommandId_) onCommand_();
        return true;
    });
    host_->Trace().Clear();
}

void BarFixture::RecordPrompt(platform::Window* bar) { Frame().RecordOpenPrompt(bar ? bar->Handle() : nullptr); }
void BarFixture::ForgetPrompt() { Frame().RecordOpenPrompt(nullptr); }
HWND BarFixture::RecordedPrompt() { return Frame().Prompts().PromptDialog; }

}  // namespace testsupport

// Options > Voices and Sounds from the frame: the dialog's seat heads carry the application's bold
// heading font, which the frame asks of the shell.
#include "flow/FlowFixture.h"
#include "flow/MainFrame.h"

#include "platform/core/Control.h"
#include "platform/core/Dialog.h"
#include "platform/core/WindowApi.h"
#include "platform/core/WindowSystem.h"
#include "resources/CommandIds.h"
#include "shell/SkatApp.h"

#include <optional>

namespace {

using testsupport::FlowFixture;

class AudioSettingsFromFrameTest : public FlowFixture {};

TEST_F(AudioSettingsFromFrameTest, TheSeatHeadsCarryTheApplicationsHeadingFont) {
    StartProgram();
    ASSERT_NE(g_pApp, nullptr);
    const platform::LogFont heading = g_pApp->Font(5);
    std::optional<platform::LogFont> shown;
    bool opened = false;
    testsupport::Later later;
    later.At(100, [&] {
        const auto& loops = platform::WindowSystem::Instance().ModalLoops();
        if (loops.empty()) return;
        opened = true;
        const HWND dialog = loops.back()->Handle();
        const platform::Control* head = platform::ControlFromHandle(::GetDlgItem(dialog, 1064));
        if (head && head->Font()) shown = *head->Font();
        platform::EndDialog(dialog, IDCANCEL);
    });
    Frame().SendMessage(WM_COMMAND, ID_AUDIO);
    ASSERT_TRUE(opened);
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(shown->face, heading.face);
    EXPECT_EQ(shown->weight, heading.weight);
    EXPECT_EQ(shown->weight, 700);
}

}  // namespace

#include "DialogTestSupport.h"

#include "platform/core/Accelerators.h"

#include <set>

namespace {

using namespace dialog_test;

constexpr int kSort = 32892;
constexpr int kNew = 32771;
constexpr Accelerator kKeys[] = {
    {'S', ACCEL_CTRL, kSort},
    {VK_F1 + 1, 0, kNew},
};
constexpr AcceleratorTable kTable{128, kKeys};

constexpr ControlTemplate kPromptControls[] = {
    {ControlKind::PushButton, 1012, "&Weiter", {5, 5, 50, 14}, CTL_TABSTOP | CTL_GROUP},
};
constexpr DialogTemplate kPrompt{138, "", DLG_MODELESS | DLG_NO_PARENT, {0, 0, 60, 24}, {}, kPromptControls};

// The main window translates its accelerators through the one update function.
class AcceleratorKeysTest : public DialogFixture {
protected:
    void SetUp() override {
        DialogFixture::SetUp();
        frame.preTranslate = [this](Message& message) {
            return TranslateAcceleratorMessage(frame.Handle(), kTable, [this](CommandState& state) {
                if (disabled.count(state.Id())) state.Enable(false);
            }, message);
        };
        SetFocus(frame.Handle());
    }
    void Press(int key, std::vector<int> modifiers = {}) {
        host.Key(Soon(5), key, std::move(modifiers));
        host.PumpFor(10);
    }
    std::set<int> disabled;
};

using Commands = std::vector<std::pair<int, unsigned>>;

TEST_F(AcceleratorKeysTest, EnabledCommandRunsDisabledOneSwallowsItsKey) {
    Press('S', {VK_CONTROL});
    EXPECT_EQ(frame.commands, (Commands{{kSort, kCommandFromAccelerator}}));
    disabled = {kSort};
    Press('S', {VK_CONTROL});
    Press(VK_F1 + 1);
    EXPECT_EQ(frame.commands, (Commands{{kSort, kCommandFromAccelerator}, {kNew, kCommandFromAccelerator}}));
}

TEST_F(AcceleratorKeysTest, NoFrameAcceleratorsWhileAParentlessPromptHasTheFocus) {
    RecordingDialog prompt(kPrompt);
    ASSERT_TRUE(prompt.Create(nullptr));
    prompt.ShowWindow(SW_SHOW);
    ASSERT_EQ(GetFocus(), prompt.GetDlgItem(1012));
    Press('S', {VK_CONTROL});
    EXPECT_TRUE(frame.commands.empty());
    Press(VK_RETURN);  // the prompt's own keys work
    EXPECT_EQ(prompt.commands, (Commands{{1012, BN_CLICKED}}));
}

TEST_F(AcceleratorKeysTest, NestedWaitTranslatesNothing) {
    host.Key(Soon(5), 'S', {VK_CONTROL});
    std::int64_t end = Soon(20);
    MSG message;
    while (host.NowMs() < end) {
        if (PeekMessage(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessage(&message);
    }
    EXPECT_TRUE(frame.commands.empty());
}

}  // namespace

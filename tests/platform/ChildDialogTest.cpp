// A modeless dialog made a child of a window (the statistics windows' panels): it lies in the
// window's client area where its template puts it, takes clicks and keyboard navigation like any
// dialog, and goes with its window.

#include "DialogTestSupport.h"

namespace {

using namespace dialog_test;

constexpr int kFirst = 1082;
constexpr int kSecond = 1291;

constexpr ControlTemplate kControls[] = {
    {ControlKind::PushButton, kFirst, "&Reset", {4, 4, 40, 14}, CTL_TABSTOP},
    {ControlKind::PushButton, kSecond, "&Full", {50, 4, 40, 14}, CTL_TABSTOP},
};
constexpr DialogTemplate kPanel{316, "", DLG_MODELESS | DLG_NO_PARENT, {10, 20, 100, 40}, {}, kControls};

// A panel: its buttons act, none ends it.
class PanelDialog : public Dialog {
public:
    using Dialog::Dialog;
    std::vector<std::pair<int, unsigned>> commands;
    bool OnCommand(int id, unsigned code, HWND) override {
        commands.emplace_back(id, code);
        return true;
    }
};

class ChildDialogTest : public DialogFixture {
protected:
    PanelDialog panel{kPanel};
};

TEST_F(ChildDialogTest, LiesInItsParentsClientAreaAtTheTemplatesPlace) {
    ASSERT_TRUE(panel.CreateChild(frame.Handle()));
    EXPECT_EQ(panel.Kind(), WindowKind::Child);
    EXPECT_EQ(panel.GetParent(), frame.Handle());
    EXPECT_EQ(panel.GetOwner(), nullptr);
    // 10, 20, 100 x 40 dialog units of 7 x 13 pixels (rounded), in the parent's client coordinates.
    EXPECT_EQ(panel.WindowRect(), (Rect{18, 33, 193, 98}));
    // Created hidden; shown by its window.
    EXPECT_FALSE(::IsWindowVisible(panel.Handle()));
    panel.ShowWindow(SW_SHOW);
    EXPECT_TRUE(::IsWindowVisible(panel.Handle()));
    EXPECT_EQ(panel.GetTopLevel(), frame.Handle());
}

TEST_F(ChildDialogTest, TakesClicksAndTabsLikeAnyDialog) {
    ASSERT_TRUE(panel.CreateChild(frame.Handle()));
    panel.ShowWindow(SW_SHOW);
    host.PumpUntilIdle();
    ClickOn(panel.GetDlgItem(kSecond), Soon());
    host.PumpFor(50);
    ASSERT_EQ(panel.commands.size(), 1u);
    EXPECT_EQ(panel.commands[0].first, kSecond);
    // The click left the focus on the second button; Tab goes round to the first.
    ::SetFocus(panel.GetDlgItem(kSecond));
    host.Key(Soon(), VK_TAB);
    host.PumpFor(50);
    EXPECT_EQ(::GetFocus(), panel.GetDlgItem(kFirst));
    // The frame saw none of the panel's commands.
    EXPECT_TRUE(frame.commands.empty());
}

TEST_F(ChildDialogTest, GoesWithItsWindow) {
    Frame side;
    CreateParams params;
    params.kind = WindowKind::Overlapped;
    params.rect = {200, 200, 600, 500};
    params.visible = true;
    ASSERT_TRUE(side.Create(params));
    ASSERT_TRUE(panel.CreateChild(side.Handle()));
    side.DestroyWindow();
    EXPECT_FALSE(panel.IsAlive());
}

TEST_F(ChildDialogTest, NeedsALivingParent) {
    Frame gone;
    CreateParams params;
    params.kind = WindowKind::Overlapped;
    params.rect = {200, 200, 600, 500};
    ASSERT_TRUE(gone.Create(params));
    const HWND handle = gone.Handle();
    gone.DestroyWindow();
    EXPECT_FALSE(panel.CreateChild(handle));
    EXPECT_FALSE(panel.IsAlive());
    EXPECT_FALSE(panel.CreateChild(nullptr));
    EXPECT_FALSE(panel.IsAlive());
}

}  // namespace

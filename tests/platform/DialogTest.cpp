#include "DialogTestSupport.h"

#include "platform/core/ComboBox.h"

namespace {

using namespace dialog_test;

constexpr int kName = 1010;
constexpr int kOuvert = 1022;
constexpr int kKreuz = 1030;
constexpr int kPik = 1031;
constexpr int kHerz = 1032;
constexpr int kGame = 1056;
constexpr int kPass = 1041;
constexpr int kRule = 1133;

constexpr ControlTemplate kControls[] = {
    {ControlKind::Static, -1, "&Name:", {7, 7, 40, 8}, 0},
    {ControlKind::Edit, kName, "", {50, 5, 80, 12}, CTL_TABSTOP | CTL_GROUP},
    {ControlKind::CheckBox, kOuvert, "&Ouvert", {7, 24, 60, 10}, CTL_AUTO | CTL_TABSTOP | CTL_GROUP},
    {ControlKind::RadioButton, kKreuz, "&Kreuz", {7, 38, 50, 10}, CTL_AUTO | CTL_TABSTOP | CTL_GROUP},
    {ControlKind::RadioButton, kPik, "P&ik", {7, 50, 50, 10}, CTL_AUTO},
    {ControlKind::RadioButton, kHerz, "&Herz", {7, 62, 50, 10}, CTL_AUTO},
    {ControlKind::ComboBox, kGame, "", {70, 38, 60, 60}, CTL_DROPLIST | CTL_TABSTOP | CTL_GROUP},
    {ControlKind::PushButton, kPass, "&passe", {7, 80, 50, 14}, CTL_TABSTOP | CTL_GROUP | CTL_DISABLED},
    {ControlKind::PushButton, kRule, "Rege&l", {7, 80, 50, 14}, CTL_TABSTOP | CTL_HIDDEN},
    {ControlKind::PushButton, IDOK, "OK", {70, 80, 50, 14}, CTL_DEFAULT | CTL_TABSTOP},
    {ControlKind::PushButton, IDCANCEL, "Abbrechen", {125, 80, 50, 14}, CTL_TABSTOP},
};
constexpr DialogTemplate kTemplate{300, "Spiel", 0, {10, 20, 180, 100}, {"MS Sans Serif", 8}, kControls};

using Commands = std::vector<std::pair<int, unsigned>>;

class DialogTest : public DialogFixture {
protected:
    // A modeless dialog of the frame, shown and active.
    void Open() {
        ASSERT_TRUE(dialog.Create(frame.Handle()));
        dialog.ShowWindow(SW_SHOW);
        host.PumpUntilIdle();
    }
    Button& ButtonOf(int id) { return *dialog.GetControlAs<Button>(id); }

    RecordingDialog dialog{kTemplate};
};

TEST_F(DialogTest, ControlsSitAtTheirPixelRectanglesForTheDialogFont) {
    ASSERT_TRUE(dialog.Create(frame.Handle()));
    EXPECT_EQ(dialog.BaseUnits().x, 7);
    EXPECT_EQ(dialog.BaseUnits().y, 13);
    // 10/20 dlu from the owner's corner (100, 100): 17.5 -> 18, 32.5 -> 33; the far edges at
    // 190/120 dlu: 332.5 -> 333, 195.
    EXPECT_EQ(dialog.WindowRect(), (Rect{118, 133, 433, 295}));
    struct Case {
        int id;
        Rect rect;
    };
    const Case cases[] = {
        {kName, {88, 8, 228, 28}},       // 87.5, 8.125, 227.5, 27.625
        {kOuvert, {12, 39, 117, 55}},    // 12.25, 39, 117.25, 55.25
        {kHerz, {12, 101, 100, 117}},    // 100.75, 117
        {IDOK, {123, 130, 210, 153}},    // 122.5, 130, 210, 152.75
        {IDCANCEL, {219, 130, 306, 153}},
    };
    for (const Case& c : cases) {
        HWND item = dialog.GetDlgItem(c.id);
        ASSERT_NE(item, nullptr) << c.id;
        EXPECT_EQ(WindowFromHandle(item)->WindowRect(), c.rect) << c.id;
    }
    EXPECT_FALSE(IsWindowEnabled(dialog.GetDlgItem(kPass)));
    EXPECT_FALSE(IsWindowVisible(dialog.GetDlgItem(kRule)));
    EXPECT_EQ(GetWindowText(dialog.GetDlgItem(kOuvert)), "&Ouvert");
    EXPECT_EQ(dialog.GetDefID(), IDOK);
    EXPECT_EQ(dialog.GetControl(kGame)->GetKind(), ControlKind::ComboBox);
    EXPECT_EQ(dialog.GetControl(4711), nullptr);
}

TEST_F(DialogTest, ModalKeysEndTheDialog) {
    struct Case {
        const char* what;
        std::vector<std::pair<int, std::vector<int>>> keys;  // key with modifiers
        int result;
    };
    const Case cases[] = {
        {"Enter presses the default button", {{VK_RETURN, {}}}, IDOK},
        {"Esc cancels", {{VK_ESCAPE, {}}}, IDCANCEL},
        {"Shift+Tab wraps to Cancel, Enter presses the focused button", {{VK_TAB, {VK_SHIFT}}, {VK_RETURN, {}}}, IDCANCEL},
        {"Space presses the focused button", {{VK_TAB, {VK_SHIFT}}, {VK_SPACE, {}}}, IDCANCEL},
        {"Alt+mnemonic of a disabled button does nothing", {{'P', {VK_MENU}}, {VK_RETURN, {}}}, IDOK},
    };
    for (const Case& c : cases) {
        RecordingDialog modal(kTemplate);
        std::int64_t at = Soon();
        for (const auto& [key, modifiers] : c.keys) host.Key(at += 10, key, modifiers);
        EXPECT_EQ(modal.DoModal(), c.result) << c.what;
        EXPECT_FALSE(modal.IsAlive()) << c.what;
        EXPECT_TRUE(IsWindowEnabled(frame.Handle())) << c.what;
    }
}

TEST_F(DialogTest, EnterDoesNothingWhileTheDefaultButtonIsDisabled) {
    Open();
    EnableWindow(dialog.GetDlgItem(IDOK), false);
    host.Key(Soon(), VK_RETURN);
    host.PumpFor(50);
    EXPECT_TRUE(dialog.commands.empty());
    EXPECT_TRUE(IsWindowVisible(dialog.Handle()));
}

TEST_F(DialogTest, FirstTabStopTakesTheFocusAndTabWalksTheTabStops) {
    Open();
    EXPECT_EQ(GetFocus(), dialog.GetDlgItem(kName));
    std::vector<int> visited;
    for (int i = 0; i < 6; ++i) {
        host.Key(Soon(5), VK_TAB);
        host.PumpFor(10);
        visited.push_back(GetDlgCtrlID(GetFocus()));
    }
    // The disabled and the hidden button are skipped; no radio is checked, so the group's first.
    EXPECT_EQ(visited, (std::vector<int>{kOuvert, kKreuz, kGame, IDOK, IDCANCEL, kName}));
}

TEST_F(DialogTest, PostedCommandRunsTheHandlerWhateverTheButtonsState) {
    Open();
    PostMessage(dialog.Handle(), WM_COMMAND, MAKEWPARAM(kPass, BN_CLICKED), 0);  // disabled
    PostMessage(dialog.Handle(), WM_COMMAND, MAKEWPARAM(kRule, BN_CLICKED), 0);  // hidden
    host.PumpUntilIdle();
    EXPECT_EQ(dialog.commands, (Commands{{kPass, BN_CLICKED}, {kRule, BN_CLICKED}}));
    EXPECT_EQ(dialog.Result(), kRule);

    // The person's click on the disabled button does nothing.
    dialog.commands.clear();
    dialog.ShowWindow(SW_SHOW);
    ClickOn(dialog.GetDlgItem(kPass), Soon());
    host.PumpFor(50);
    EXPECT_TRUE(dialog.commands.empty());
}

TEST_F(DialogTest, PostedCheckBoxCommandLeavesTheCheckAsItIs) {
    Open();
    PostMessage(dialog.Handle(), WM_COMMAND, MAKEWPARAM(kOuvert, BN_CLICKED), 0);
    host.PumpUntilIdle();
    EXPECT_EQ(dialog.commands, (Commands{{kOuvert, BN_CLICKED}}));
    EXPECT_EQ(dialog.IsDlgButtonChecked(kOuvert), 0);

    // A click toggles it, then notifies; setting it from code notifies nobody.
    ClickOn(dialog.GetDlgItem(kOuvert), Soon());
    host.PumpFor(50);
    EXPECT_EQ(dialog.IsDlgButtonChecked(kOuvert), 1);
    EXPECT_EQ(dialog.commands.size(), 2u);
    dialog.CheckDlgButton(kOuvert, 0);
    SendMessage(dialog.GetDlgItem(kOuvert), BM_SETCHECK, BST_CHECKED);
    EXPECT_EQ(dialog.IsDlgButtonChecked(kOuvert), 1);
    EXPECT_EQ(dialog.commands.size(), 2u);
}

TEST_F(DialogTest, ClickNeedsPressAndReleaseInside) {
    Open();
    HWND ok = dialog.GetDlgItem(IDOK);
    Point inside = HeadlessHost::ScreenPoint(ok, {5, 5});
    Point outside = HeadlessHost::ScreenPoint(ok, {-30, 5});
    host.Input(Soon(), {WM_LBUTTONDOWN, inside});
    host.Input(Soon(20), {WM_LBUTTONUP, outside});
    host.PumpFor(50);
    EXPECT_TRUE(dialog.commands.empty());
    EXPECT_FALSE(dynamic_cast<Button*>(WindowFromHandle(ok))->IsPressed());
    ClickOn(ok, Soon());
    host.PumpFor(50);
    EXPECT_EQ(dialog.commands, (Commands{{IDOK, BN_CLICKED}}));
}

TEST_F(DialogTest, RadioButtonsOfAGroupExcludeEachOther) {
    Open();
    dialog.CheckRadioButton(kKreuz, kHerz, kPik);
    dialog.CheckDlgButton(kOuvert, 1);
    ClickOn(dialog.GetDlgItem(kHerz), Soon());
    host.PumpFor(50);
    EXPECT_EQ(dialog.IsDlgButtonChecked(kKreuz), 0);
    EXPECT_EQ(dialog.IsDlgButtonChecked(kPik), 0);
    EXPECT_EQ(dialog.IsDlgButtonChecked(kHerz), 1);
    EXPECT_EQ(dialog.IsDlgButtonChecked(kOuvert), 1);  // another group
    EXPECT_EQ(dialog.commands, (Commands{{kHerz, BN_CLICKED}}));

    // The arrows move inside the group and check the radio they land on.
    host.Key(Soon(), VK_DOWN);
    host.PumpFor(50);
    EXPECT_EQ(GetFocus(), dialog.GetDlgItem(kKreuz));
    EXPECT_EQ(dialog.IsDlgButtonChecked(kKreuz), 1);
    EXPECT_EQ(dialog.IsDlgButtonChecked(kHerz), 0);
    EXPECT_EQ(dialog.commands.back(), std::make_pair(kKreuz, BN_CLICKED));

    // Tab leaves the group, Shift+Tab comes back to its checked button.
    host.Key(Soon(), VK_TAB);
    host.Key(Soon(20), VK_TAB, {VK_SHIFT});
    host.PumpFor(50);
    EXPECT_EQ(GetFocus(), dialog.GetDlgItem(kKreuz));
}

TEST_F(DialogTest, AltMnemonicFocusesAndClicks) {
    Open();
    host.Key(Soon(), 'I', {VK_MENU});  // "P&ik"
    host.PumpFor(50);
    EXPECT_EQ(GetFocus(), dialog.GetDlgItem(kPik));
    EXPECT_EQ(dialog.IsDlgButtonChecked(kPik), 1);
    host.Key(Soon(), 'N', {VK_MENU});  // the label "&Name:" hands on to the edit
    host.PumpFor(50);
    EXPECT_EQ(GetFocus(), dialog.GetDlgItem(kName));
}

TEST_F(DialogTest, NextDialogControlMakesAPushButtonTheDefault) {
    Open();
    EnableWindow(dialog.GetDlgItem(kPass), true);
    SendMessage(dialog.Handle(), WM_NEXTDLGCTL, HandleValue(dialog.GetDlgItem(kPass)), 1);
    EXPECT_EQ(GetFocus(), dialog.GetDlgItem(kPass));
    EXPECT_EQ(dialog.GetDefID(), kPass);
    EXPECT_TRUE(ButtonOf(kPass).IsDefault());
    EXPECT_FALSE(ButtonOf(IDOK).IsDefault());
    // Even after the focus moved on to the edit, Enter presses the new default.
    SetFocus(dialog.GetDlgItem(kName));
    host.Key(Soon(), VK_RETURN);
    host.PumpFor(50);
    EXPECT_EQ(dialog.commands, (Commands{{kPass, BN_CLICKED}}));
}

TEST_F(DialogTest, FocusChosenWhileHiddenTakesEffectWhenShown) {
    dialog.onInit = [&] { dialog.GotoDlgCtrl(dialog.GetDlgItem(IDCANCEL)); };
    ASSERT_TRUE(dialog.Create(nullptr));  // a parentless prompt
    EXPECT_EQ(dialog.GetOwner(), nullptr);
    SetFocus(frame.Handle());
    dialog.ShowWindow(SW_SHOW);
    EXPECT_EQ(GetFocus(), dialog.GetDlgItem(IDCANCEL));
    // Activating the frame and coming back restores the focus to the same control.
    SetFocus(frame.Handle());
    SetActiveWindow(dialog.Handle());
    EXPECT_EQ(GetFocus(), dialog.GetDlgItem(IDCANCEL));
}

TEST_F(DialogTest, CloseIsCancelAndEndDialogHidesAModelessDialog) {
    Open();
    PostMessage(dialog.Handle(), WM_CLOSE);
    host.PumpUntilIdle();
    EXPECT_EQ(dialog.commands, (Commands{{IDCANCEL, BN_CLICKED}}));
    EXPECT_EQ(dialog.Result(), IDCANCEL);
    EXPECT_TRUE(dialog.IsAlive());  // hidden, not destroyed: its owner destroys it
    EXPECT_FALSE(IsWindowVisible(dialog.Handle()));
}

TEST_F(DialogTest, ModalDialogEndedByATimerReturnsItsResultBeforeACommandPostedThen) {
    constexpr int kStart = 101;
    RecordingDialog modal(kTemplate);
    bool ownerDisabledInside = false;
    frame.SetTimer(71, 200);
    frame.onTimer = [&](UINT) {
        ownerDisabledInside = !IsWindowEnabled(frame.Handle());
        PostMessage(frame.Handle(), WM_COMMAND, kStart, 0);
        EXPECT_TRUE(EndDialog(GetLastActivePopup(frame.Handle()), 0));
    };
    std::int64_t start = host.NowMs();
    EXPECT_EQ(modal.DoModal(), 0);
    EXPECT_EQ(host.NowMs(), start + 200);
    EXPECT_TRUE(ownerDisabledInside);
    EXPECT_TRUE(IsWindowEnabled(frame.Handle()));
    EXPECT_TRUE(frame.commands.empty());  // still queued for the next pump
    host.PumpUntilIdle();
    EXPECT_EQ(frame.commands, (Commands{{kStart, 0}}));
}

TEST_F(DialogTest, ModalDialogEndedInItsInitialisationNeverWaits) {
    RecordingDialog modal(kTemplate);
    modal.onInit = [&] { modal.EndDialog(42); };
    std::int64_t start = host.NowMs();
    EXPECT_EQ(modal.DoModal(), 42);
    EXPECT_EQ(host.NowMs(), start);
}

// A dialog that reads its number field when OK is pressed, as the settings dialogs do.
struct NumberDialog : RecordingDialog {
    using RecordingDialog::RecordingDialog;
    std::optional<int> value;
    void OnOK() override {
        value = GetDlgItemInt(kName);
        RecordingDialog::OnOK();
    }
};

TEST_F(DialogTest, TypingIntoAFieldInsideTheModalLoop) {
    NumberDialog dialog(kTemplate);  // the edit is the first tab stop: it has the focus
    std::int64_t at = Soon();
    for (int key : {int{'4'}, int{'2'}, VK_BACK, int{'7'}, VK_RETURN}) host.Key(at += 10, key);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.value, 47);
    EXPECT_EQ(std::count(dialog.commands.begin(), dialog.commands.end(), std::make_pair(kName, EN_CHANGE)), 4);
}

}  // namespace

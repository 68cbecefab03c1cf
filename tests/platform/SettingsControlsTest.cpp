// The controls the settings dialogs lean on: the icon list of the design choosers, the multiple
// selection list, the edit's selection and modified flag, the beep, a window's small icon, and the
// scripted person who answers a modal dialog.
#include "DialogTestSupport.h"

#include "platform/core/Beep.h"
#include "platform/core/ComboBox.h"
#include "platform/core/Edit.h"
#include "platform/core/IconList.h"
#include "platform/core/ListBox.h"

namespace {

using namespace dialog_test;

constexpr int kIcons = 1010;
constexpr int kRounds = 1032;
constexpr int kNumber = 1024;
constexpr int kBox = 1046;
constexpr int kRadioA = 1135;
constexpr int kRadioB = 1140;
constexpr int kChoice = 1045;

constexpr ControlTemplate kControls[] = {
    {ControlKind::IconList, kIcons, "", {5, 5, 120, 60}, CTL_TABSTOP | CTL_GROUP},
    {ControlKind::ListBox, kRounds, "", {130, 5, 80, 60}, CTL_MULTISELECT | CTL_TABSTOP | CTL_GROUP},
    {ControlKind::Edit, kNumber, "", {5, 70, 40, 12}, CTL_TABSTOP | CTL_GROUP | CTL_NUMBER},
    {ControlKind::CheckBox, kBox, "&Kontra", {50, 70, 60, 10}, CTL_AUTO | CTL_TABSTOP},
    {ControlKind::RadioButton, kRadioA, "&A", {5, 85, 40, 10}, CTL_AUTO | CTL_GROUP | CTL_TABSTOP},
    {ControlKind::RadioButton, kRadioB, "&B", {50, 85, 40, 10}, CTL_AUTO},
    {ControlKind::ComboBox, kChoice, "", {100, 85, 80, 40}, CTL_DROPLIST | CTL_TABSTOP | CTL_GROUP},
    {ControlKind::PushButton, IDOK, "&OK", {5, 100, 40, 14}, CTL_TABSTOP | CTL_DEFAULT},
    {ControlKind::PushButton, IDCANCEL, "&Abbrechen", {50, 100, 40, 14}, CTL_TABSTOP},
};
constexpr DialogTemplate kTemplate{450, "Einstellungen", 0, {0, 0, 220, 120}, {}, kControls};

// Fills its lists at opening and keeps what the controls showed when OK ended it.
class SettingsLikeDialog : public RecordingDialog {
public:
    using RecordingDialog::RecordingDialog;
    std::string number;
    std::vector<int> rounds;
    int box = -1, radio = -1, choice = -1, icon = -1;
    bool OnInitDialog() override {
        auto* icons = GetControlAs<IconList>(kIcons);
        for (int i = 0; i < 32; ++i) icons->Add(std::to_string(i + 1), Bitmap(71, 96));
        auto* list = GetControlAs<ListBox>(kRounds);
        for (const char* item : {"60", "100", "Grand", "Kontra", "Schneider", "Ende"}) list->Items().Add(item);
        auto* combo = GetControlAs<ComboBox>(kChoice);
        for (const char* item : {"einfach", "doppelt"}) combo->Items().Add(item);
        SetDlgItemText(kNumber, "3");
        CheckRadioButton(kRadioA, kRadioB, kRadioA);
        return RecordingDialog::OnInitDialog();
    }
    void OnOK() override {
        number = GetDlgItemText(kNumber);
        auto* list = GetControlAs<ListBox>(kRounds);
        for (int i = 0; i < list->Items().Count(); ++i)
            if (list->IsSelected(i)) rounds.push_back(i);
        box = IsDlgButtonChecked(kBox);
        radio = IsDlgButtonChecked(kRadioB) ? kRadioB : kRadioA;
        choice = GetControlAs<ComboBox>(kChoice)->Items().Selection();
        icon = GetControlAs<IconList>(kIcons)->Selection();
        RecordingDialog::OnOK();
    }
};

class SettingsControlsTest : public DialogFixture {};

TEST_F(SettingsControlsTest, TheScriptedPersonTypesChecksChoosesAndPressesInOrder) {
    host.Answers().PushDialogAnswer(450, {DialogAction::TypeText(kNumber, "12"), DialogAction::Check(kBox),
                                          DialogAction::Check(kRadioB), DialogAction::Choose(kChoice, 1),
                                          DialogAction::Choose(kRounds, 2), DialogAction::Choose(kRounds, 5),
                                          DialogAction::Choose(kIcons, 31), DialogAction::Press(IDOK),
                                          // After OK ended the dialog nothing more is done.
                                          DialogAction::TypeText(kNumber, "99")});
    SettingsLikeDialog dialog(kTemplate);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.number, "12");  // typed over the whole field, not appended to "3"
    EXPECT_EQ(dialog.rounds, (std::vector<int>{2, 5}));
    EXPECT_EQ(dialog.box, 1);
    EXPECT_EQ(dialog.radio, kRadioB);
    EXPECT_EQ(dialog.choice, 1);
    EXPECT_EQ(dialog.icon, 31);
    EXPECT_EQ(host.Answers().PendingDialogAnswers(), 0u);
}

TEST_F(SettingsControlsTest, AnAnswerBelongsToItsTemplateAndIsTakenOncePerRun) {
    host.Answers().PushDialogAnswer(999, {DialogAction::Press(IDOK)});
    host.Answers().PushDialogAnswer(450, {DialogAction::Press(IDCANCEL)});
    host.Answers().PushDialogAnswer(450, {DialogAction::Check(kBox), DialogAction::Press(IDOK)});
    SettingsLikeDialog first(kTemplate);
    EXPECT_EQ(first.DoModal(), IDCANCEL);
    SettingsLikeDialog second(kTemplate);
    EXPECT_EQ(second.DoModal(), IDOK);
    EXPECT_EQ(second.box, 1);
    EXPECT_EQ(host.Answers().PendingDialogAnswers(), 1u);  // the other template's is still there
}

TEST_F(SettingsControlsTest, ADisabledControlIsNotWorkedByTheScriptedPerson) {
    SettingsLikeDialog dialog(kTemplate);
    dialog.onInit = [&] { dialog.EnableDlgItem(kBox, false); };
    host.Answers().PushDialogAnswer(450, {DialogAction::Check(kBox), DialogAction::Press(IDOK)});
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.box, 0);
}

TEST_F(SettingsControlsTest, CheckingAnUncheckedBoxTwiceLeavesItCheckedAndUncheckingClearsIt) {
    host.Answers().PushDialogAnswer(450, {DialogAction::Check(kBox, 1), DialogAction::Check(kBox, 1),
                                          DialogAction::Check(kBox, 0), DialogAction::Press(IDOK)});
    SettingsLikeDialog dialog(kTemplate);
    dialog.DoModal();
    EXPECT_EQ(dialog.box, 0);
}

class OpenDialogTest : public DialogFixture {
protected:
    void SetUp() override {
        DialogFixture::SetUp();
        ASSERT_TRUE(dialog.Create(frame.Handle()));
        dialog.ShowWindow(SW_SHOW);
        host.PumpUntilIdle();
    }
    SettingsLikeDialog dialog{kTemplate};
};

TEST_F(OpenDialogTest, TheIconListSelectsFocusesAndScrollsItsItemIntoView) {
    auto* icons = dialog.GetControlAs<IconList>(kIcons);
    ASSERT_NE(icons, nullptr);
    EXPECT_EQ(icons->Count(), 32);
    EXPECT_EQ(icons->Caption(31), "32");
    EXPECT_EQ(icons->Selection(), -1);
    // The list shows a row or so of 87 x 128 cells; the last picture lies far below.
    EXPECT_FALSE(icons->IsItemVisible(31));
    EXPECT_EQ(::SendMessage(icons->Handle(), LVM_SETSELECTED, 31, 0), 1);
    ::SendMessage(icons->Handle(), LVM_ENSUREVISIBLE, 31, 0);
    EXPECT_EQ(icons->Selection(), 31);
    EXPECT_EQ(icons->FocusItem(), 31);
    EXPECT_TRUE(icons->IsItemVisible(31));
    EXPECT_FALSE(icons->IsItemVisible(0));
    // Back to the first: the view scrolls up again.
    icons->Select(0);
    icons->EnsureVisible(0);
    EXPECT_TRUE(icons->IsItemVisible(0));
    EXPECT_EQ(icons->TopRow(), 0);
    // Out of range changes nothing.
    EXPECT_FALSE(icons->Select(32));
    EXPECT_EQ(icons->Selection(), 0);
    EXPECT_EQ(::SendMessage(icons->Handle(), LVM_GETSELECTED, 0, 0), 0);
}

TEST_F(OpenDialogTest, ThePersonsChoiceInTheIconListNotifiesOnlyAChange) {
    auto* icons = dialog.GetControlAs<IconList>(kIcons);
    icons->Select(4);
    dialog.commands.clear();
    icons->Choose(4);
    EXPECT_TRUE(dialog.commands.empty());
    icons->Choose(5);
    ASSERT_EQ(dialog.commands.size(), 1u);
    EXPECT_EQ(dialog.commands[0], std::make_pair(kIcons, LVN_SELCHANGE));
    icons->Choose(40);
    EXPECT_EQ(icons->Selection(), 5);
}

TEST_F(OpenDialogTest, TheMultipleSelectionListKeepsAFlagPerItemThroughChanges) {
    HWND list = dialog.GetDlgItem(kRounds);
    auto* ours = dialog.GetControlAs<ListBox>(kRounds);
    EXPECT_EQ(::SendMessage(list, LB_GETSELCOUNT, 0, 0), 0);
    ::SendMessage(list, LB_SETSEL, 1, 1);
    ::SendMessage(list, LB_SETSEL, 1, 4);
    EXPECT_EQ(::SendMessage(list, LB_GETSEL, 1, 0), 1);
    EXPECT_EQ(::SendMessage(list, LB_GETSEL, 2, 0), 0);
    EXPECT_EQ(::SendMessage(list, LB_GETSEL, 6, 0), LB_ERR);
    EXPECT_EQ(::SendMessage(list, LB_SETSEL, 1, 6), LB_ERR);
    EXPECT_EQ(::SendMessage(list, LB_GETSELCOUNT, 0, 0), 2);
    // Removing item 0 moves both flags up with their items.
    ::SendMessage(list, LB_DELETESTRING, 0, 0);
    EXPECT_TRUE(ours->IsSelected(0));
    EXPECT_TRUE(ours->IsSelected(3));
    EXPECT_FALSE(ours->IsSelected(1));
    // The person's click toggles, and tells the dialog each time.
    dialog.commands.clear();
    ours->Choose(3);
    ours->Choose(1);
    EXPECT_FALSE(ours->IsSelected(3));
    EXPECT_TRUE(ours->IsSelected(1));
    EXPECT_EQ(dialog.commands.size(), 2u);
    // All at once, and none.
    ::SendMessage(list, LB_SETSEL, 1, -1);
    EXPECT_EQ(::SendMessage(list, LB_GETSELCOUNT, 0, 0), 5);
    ::SendMessage(list, LB_SETSEL, 0, -1);
    EXPECT_EQ(ours->SelectedCount(), 0);
    ::SendMessage(list, LB_SETSEL, 1, 2);
    ::SendMessage(list, LB_RESETCONTENT, 0, 0);
    ours->Items().Add("neu");
    EXPECT_FALSE(ours->IsSelected(0));
}

TEST_F(OpenDialogTest, AFieldSetByTheProgramIsUnmodifiedAndTypingOverTheSelectionReplacesIt) {
    auto* edit = dialog.GetControlAs<Edit>(kNumber);
    HWND field = edit->Handle();
    EXPECT_EQ(::SendMessage(field, EM_GETMODIFY, 0, 0), 0);
    edit->Type('4');
    EXPECT_EQ(edit->Title(), "34");
    EXPECT_EQ(::SendMessage(field, EM_GETMODIFY, 0, 0), 1);
    // A refused entry: "?" selected, caret in view; the next digit replaces it.
    dialog.SetDlgItemText(kNumber, "?");
    EXPECT_FALSE(edit->IsModified());
    EXPECT_FALSE(edit->IsCaretShown());
    edit->SelectAllAndShowCaret();
    EXPECT_EQ(::SendMessage(field, EM_GETSEL, 0, 0), MAKELPARAM(0, 1));
    EXPECT_TRUE(edit->IsCaretShown());
    edit->Type('7');
    EXPECT_EQ(edit->Title(), "7");
    EXPECT_EQ(edit->SelectionStart(), edit->SelectionEnd());
    // Backspace over a selection removes just the selection.
    dialog.SetDlgItemText(kNumber, "1234");
    ::SendMessage(field, EM_SETSEL, 1, 3);
    edit->Type(VK_BACK);
    EXPECT_EQ(edit->Title(), "14");
    // A selection past the end is clamped.
    ::SendMessage(field, EM_SETSEL, 5, 9);
    EXPECT_EQ(edit->SelectionStart(), 2);
    EXPECT_EQ(edit->SelectionEnd(), 2);
}

TEST_F(OpenDialogTest, TheLimitCountsWhatStaysAfterTheSelectionGoes) {
    auto* edit = dialog.GetControlAs<Edit>(kNumber);
    edit->SetLimit(2);
    dialog.SetDlgItemText(kNumber, "12");
    EXPECT_FALSE(edit->Type('3'));
    edit->SetSel(0, -1);
    EXPECT_TRUE(edit->Type('3'));
    EXPECT_EQ(edit->Title(), "3");
}

TEST_F(SettingsControlsTest, BeepsAreRecordedWithTheirKind) {
    host.ClearBeeps();
    MessageBeep();
    MessageBeep(0x30);
    EXPECT_EQ(host.Beeps(), (std::vector<unsigned>{0xFFFFFFFFu, 0x30u}));
}

TEST_F(SettingsControlsTest, AWindowKeepsItsSmallIcon) {
    EXPECT_EQ(frame.SmallIconId(), 0);
    EXPECT_EQ(frame.SetSmallIcon(128), 0);
    EXPECT_EQ(frame.SetSmallIcon(129), 128);
    EXPECT_EQ(frame.SmallIconId(), 129);
}

}  // namespace

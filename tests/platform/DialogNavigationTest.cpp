#include "platform/core/DialogNavigation.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using platform::ControlKind;
using platform::NavigationItem;
using namespace platform;  // the CTL_ flags

// A settings-like dialog: a labelled edit, a radio group of three, a check box, OK and Cancel.
class DialogNavigationTest : public ::testing::Test {
protected:
    std::vector<NavigationItem> items{
        {-1, ControlKind::Static, 0, true, true, false, "&Name:"},                                    // 0
        {10, ControlKind::Edit, CTL_TABSTOP | CTL_GROUP, true, true, false, ""},                     // 1
        {20, ControlKind::RadioButton, CTL_TABSTOP | CTL_GROUP, true, true, false, "&Kreuz"},          // 2
        {21, ControlKind::RadioButton, 0, true, true, true, "&Pik"},                                 // 3
        {22, ControlKind::RadioButton, 0, true, true, false, "&Herz"},                               // 4
        {30, ControlKind::CheckBox, CTL_TABSTOP | CTL_GROUP, true, true, false, "&Ouvert"},          // 5
        {1, ControlKind::PushButton, CTL_TABSTOP | CTL_GROUP | CTL_DEFAULT, true, true, false, "OK"},  // 6
        {2, ControlKind::PushButton, CTL_TABSTOP, true, true, false, "Abbrechen"},                   // 7
    };
};

TEST_F(DialogNavigationTest, TabVisitsTabStopsAndLandsOnTheCheckedRadio) {
    EXPECT_EQ(NextTabStop(items, 1, false), 3);  // into the group: the checked "Pik"
    EXPECT_EQ(NextTabStop(items, 3, false), 5);  // out of the group
    EXPECT_EQ(NextTabStop(items, 7, false), 1);  // wraps
    EXPECT_EQ(NextTabStop(items, 1, true), 7);   // Shift+Tab wraps backwards
    EXPECT_EQ(NextTabStop(items, 5, true), 3);
    EXPECT_EQ(NextTabStop(items, -1, false), 1);  // nothing focused yet: the first tab stop
}

TEST_F(DialogNavigationTest, TabSkipsDisabledAndHiddenControls) {
    items[5].enabled = false;
    items[6].visible = false;
    EXPECT_EQ(NextTabStop(items, 3, false), 7);
    items[3].enabled = false;  // the checked radio cannot take the focus: its group's first can
    EXPECT_EQ(NextTabStop(items, 1, false), 2);
    for (NavigationItem& item : items) item.enabled = false;
    EXPECT_EQ(NextTabStop(items, 1, false), -1);
}

TEST_F(DialogNavigationTest, ArrowsStayInsideTheGroupAndWrap) {
    EXPECT_EQ(NextInGroup(items, 3, false), 4);
    EXPECT_EQ(NextInGroup(items, 4, false), 2);
    EXPECT_EQ(NextInGroup(items, 2, true), 4);
    items[4].enabled = false;
    EXPECT_EQ(NextInGroup(items, 3, false), 2);
    EXPECT_EQ(NextInGroup(items, 5, false), -1);  // a group of one: nowhere to go
    EXPECT_EQ(NextInGroup(items, 6, false), 7);   // OK and Cancel form a group
}

TEST_F(DialogNavigationTest, MnemonicsFindControlsAndLabelsPassOnToTheirField) {
    EXPECT_EQ(FindMnemonicTarget(items, U'h', -1), 4);
    EXPECT_EQ(FindMnemonicTarget(items, U'H', -1), 4);  // any case
    EXPECT_EQ(FindMnemonicTarget(items, U'n', 5), 1);   // the label gives the focus to the edit
    EXPECT_EQ(FindMnemonicTarget(items, U'x', -1), -1);
    items[5].enabled = false;
    EXPECT_EQ(FindMnemonicTarget(items, U'o', -1), -1);
    // Two controls with the same mnemonic: repeated presses go round them.
    items[7].text = "&Pause";
    EXPECT_EQ(FindMnemonicTarget(items, U'p', 3), 7);
    EXPECT_EQ(FindMnemonicTarget(items, U'p', 7), 3);
}

TEST_F(DialogNavigationTest, EnterPressesFocusedPushButtonElseTheDefault) {
    EXPECT_EQ(DefaultButton(items, 7), 7);  // focus on Cancel
    EXPECT_EQ(DefaultButton(items, 1), 6);  // focus in the edit: the default OK
    EXPECT_EQ(DefaultButton(items, 5), 6);  // a check box is no push button
    items[6].enabled = false;
    EXPECT_EQ(DefaultButton(items, 1), 6);  // still the default: the dialog leaves it unpressed
    items[6].style &= ~CTL_DEFAULT;
    EXPECT_EQ(DefaultButton(items, 1), -1);  // none: Enter means IDOK
}

}  // namespace

#include "platform/core/Message.h"
#include "platform/core/MessageBoxLayout.h"

#include <gtest/gtest.h>

namespace {

using namespace platform;

std::vector<int> Ids(const MessageBoxSpec& kind) {
    std::vector<int> ids;
    for (const MessageBoxButton& button : kind.buttons) ids.push_back(button.id);
    return ids;
}

TEST(MessageBoxLayoutTest, ButtonSetsIconsAndEscape) {
    struct Case {
        unsigned flags;
        std::vector<int> ids;
        std::optional<int> escape;
        MessageBoxIcon icon;
    };
    const Case cases[] = {
        {MB_OK, {IDOK}, IDOK, MessageBoxIcon::None},
        {MB_OK | MB_ICONINFORMATION, {IDOK}, IDOK, MessageBoxIcon::Information},
        {MB_OKCANCEL | MB_ICONEXCLAMATION, {IDOK, IDCANCEL}, IDCANCEL, MessageBoxIcon::Exclamation},
        {MB_YESNO | MB_ICONQUESTION, {IDYES, IDNO}, IDNO, MessageBoxIcon::Question},  // Esc says No
        {MB_OK | MB_ICONSTOP, {IDOK}, IDOK, MessageBoxIcon::Stop},
        {0xE, {IDOK}, IDOK, MessageBoxIcon::None},  // unknown set: still answerable
    };
    for (const Case& c : cases) {
        MessageBoxSpec kind = DescribeMessageBox(c.flags, "en");
        EXPECT_EQ(Ids(kind), c.ids) << c.flags;
        EXPECT_EQ(kind.escapeResult, c.escape) << c.flags;
        EXPECT_EQ(kind.icon, c.icon) << c.flags;
        EXPECT_EQ(kind.defaultButton, 0) << c.flags;
    }
}

TEST(MessageBoxLayoutTest, ButtonTextsFollowTheEdition) {
    MessageBoxSpec german = DescribeMessageBox(MB_YESNO, "ge");
    EXPECT_EQ(german.buttons[0].text, "&Ja");
    EXPECT_EQ(german.buttons[1].text, "&Nein");
    EXPECT_EQ(DescribeMessageBox(MB_OKCANCEL, "ge").buttons[1].text, "Abbrechen");
    MessageBoxSpec english = DescribeMessageBox(MB_YESNO, "en");
    EXPECT_EQ(english.buttons[0].text, "&Yes");
    EXPECT_EQ(english.buttons[1].text, "&No");
}

TEST(MessageBoxLayoutTest, IconTextAndCentredButtonRow) {
    DialogBaseUnits units{6, 13};  // margin 7 dlu = 11 x 11 px, spacing 4 dlu = 6 x 7 px, button 75 x 23 px
    MessageBoxSpec kind = DescribeMessageBox(MB_YESNO | MB_ICONQUESTION, "en");
    MessageBoxLayout layout = LayoutMessageBox(kind, 200, 16, {30, 30}, units);
    EXPECT_EQ(layout.icon, (Rect{11, 11, 43, 43}));
    EXPECT_EQ(layout.text, (Rect{49, 19, 249, 35}));  // level with the icon's middle
    EXPECT_EQ(layout.width, 260);
    ASSERT_EQ(layout.buttons.size(), 2u);
    // Row 75 + 6 + 75 = 156 wide, centred in 260.
    EXPECT_EQ(layout.buttons[0], (Rect{52, 50, 127, 73}));
    EXPECT_EQ(layout.buttons[1], (Rect{133, 50, 208, 73}));
    EXPECT_EQ(layout.height, 84);
}

TEST(MessageBoxLayoutTest, LongCaptionWidensItsButtonAndTheBox) {
    DialogBaseUnits units{6, 13};
    MessageBoxSpec kind = DescribeMessageBox(MB_OK, "en");
    MessageBoxLayout layout = LayoutMessageBox(kind, 10, 40, {300}, units);
    EXPECT_EQ(layout.icon.Width(), 0);
    EXPECT_EQ(layout.text, (Rect{11, 11, 21, 51}));
    EXPECT_EQ(layout.buttons[0].Width(), 312);  // 300 + 2 x 6 padding
    EXPECT_EQ(layout.width, 334);
    EXPECT_EQ(layout.buttons[0].left, 11);
}

}  // namespace

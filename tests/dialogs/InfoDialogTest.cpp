// The explanation with its rule links: the links beside their lines, at most eight, each opening
// its rule and closing it again; the text box grows with the text and the links stay put.

#include "dialogs/AnsweredMessage.h"
#include "dialogs/BarFixture.h"
#include "dialogs/InfoDialog.h"
#include "platform/core/DialogUnits.h"
#include "platform/core/Resources.h"
#include "platform/headless/DesktopRecorder.h"

#include <gtest/gtest.h>

namespace {

using testsupport::Answered;

class InfoDialogTest : public testsupport::BarFixture {
protected:
    static bool Shown(HWND control) { return ::WindowFromHandle(control)->IsVisibleFlag(); }
    static platform::Rect Place(platform::Dialog& d, int id) { return ::WindowFromHandle(d.GetDlgItem(id))->WindowRect(); }
};

TEST_F(InfoDialogTest, EachLinkShowsItsRuleBesideItsLine) {
    Answered<CInfoDialog> dialog("a\nb\nc", {{101, 10}, {2205, 26}, {7, 42}});
    dialog.click = IDC_OK;
    std::vector<int> shown;
    dialog.onOpen = [&](Answered<CInfoDialog>& d) {
        for (int id = IDC_FIRST_LINK; id <= IDC_LAST_LINK; ++id)
            if (Shown(d.GetDlgItem(id))) shown.push_back(id);
        EXPECT_EQ(d.GetDlgItemText(IDC_FIRST_LINK), "101");
        EXPECT_EQ(d.GetDlgItemText(IDC_FIRST_LINK + 1), "2205");
        EXPECT_EQ(d.GetDlgItemText(IDC_FIRST_LINK + 2), "7");
        EXPECT_EQ(Place(d, IDC_FIRST_LINK), (platform::Rect{222, 10, 252, 26}));
        EXPECT_EQ(Place(d, IDC_FIRST_LINK + 2), (platform::Rect{222, 42, 252, 58}));
    };
    // Its one button closes it silently.
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(shown, (std::vector<int>{1272, 1273, 1274}));
    EXPECT_TRUE(Effects().empty());
}

// Eight buttons: a ninth and tenth link are dropped, not written past the buttons.
TEST_F(InfoDialogTest, AtMostEightLinks) {
    std::vector<RuleLink> links;
    for (int i = 0; i < 10; ++i) links.push_back({i + 1, 8 + 16 * i});
    Answered<CInfoDialog> dialog("text", links);
    dialog.click = IDC_OK;
    int shown = 0;
    dialog.onOpen = [&](Answered<CInfoDialog>& d) {
        for (int id = IDC_FIRST_LINK; id <= IDC_LAST_LINK; ++id) shown += Shown(d.GetDlgItem(id));
        EXPECT_EQ(d.GetDlgItemText(IDC_LAST_LINK), "8");
        EXPECT_EQ(d.GetDlgItem(IDC_LAST_LINK + 1), nullptr);
    };
    dialog.DoModal();
    EXPECT_EQ(dialog.LinkCount(), 8);
    EXPECT_EQ(shown, 8);
}

TEST_F(InfoDialogTest, WithoutLinksNoneShows) {
    Answered<CInfoDialog> dialog("text", {});
    dialog.click = IDC_OK;
    int shown = 0;
    dialog.onOpen = [&](Answered<CInfoDialog>& d) {
        for (int id = IDC_FIRST_LINK; id <= IDC_LAST_LINK; ++id) shown += Shown(d.GetDlgItem(id));
        // A press on a link that is not there opens nothing.
        ::PostMessage(d.Handle(), WM_COMMAND, MAKEWPARAM(IDC_FIRST_LINK, BN_CLICKED), 0);
    };
    platform::DesktopRecorder desktop;
    dialog.DoModal();
    EXPECT_EQ(shown, 0);
    EXPECT_TRUE(desktop.HelpRequests().empty());
}

struct LinkCase {
    const char* name;
    std::vector<int> clicks;  // link indexes in order
    std::vector<std::string> opened;
    int closings;
    std::string openAtEnd;
};

// A failing case names itself, not its bytes.
void PrintTo(const LinkCase& c, std::ostream* out) { *out << c.name; }

const LinkCase kLinkCases[] = {
    {"OneClickOpens", {0}, {"101"}, 0, "101"},
    {"TheSameAgainCloses", {0, 0}, {"101"}, 1, ""},
    {"AnotherSwitches", {0, 1}, {"101", "57"}, 0, "57"},
    {"ThirdTimeOpensAgain", {0, 0, 0}, {"101", "101"}, 1, "101"},
    {"BackAndForth", {0, 1, 0}, {"101", "57", "101"}, 0, "101"},
};

class InfoLinkTest : public InfoDialogTest, public ::testing::WithParamInterface<LinkCase> {};

TEST_P(InfoLinkTest, ALinkTogglesItsRule) {
    const LinkCase& c = GetParam();
    platform::DesktopRecorder desktop;
    Answered<CInfoDialog> dialog("a\nb", {{101, 10}, {57, 26}});
    dialog.onOpen = [&](Answered<CInfoDialog>& d) {
        for (int link : c.clicks) ::PostMessage(d.GetDlgItem(IDC_FIRST_LINK + link), BM_CLICK, 0, 0);
    };
    dialog.click = IDC_OK;
    dialog.DoModal();
    std::vector<std::string> opened;
    for (const auto& request : desktop.HelpRequests()) {
        EXPECT_EQ(request.topic.page, "Lexikon/RegelnReizen.htm");
        opened.push_back(request.topic.anchor);
    }
    EXPECT_EQ(opened, c.opened);
    EXPECT_EQ(desktop.HelpClosings(), c.closings);
    EXPECT_EQ(dialog.OpenAnchor(), c.openAtEnd);
    // Every link click plays the click; the OK does not.
    EXPECT_EQ(Effects(), std::vector<int>(c.clicks.size(), 3));
}

INSTANTIATE_TEST_SUITE_P(Cases, InfoLinkTest, ::testing::ValuesIn(kLinkCases),
                         [](const ::testing::TestParamInfo<LinkCase>& info) { return info.param.name; });

// One line doubles the one-line text box, each further line adds a line; "&OK" moves down with it,
// the links stay beside the lines the creator measured.
TEST_F(InfoDialogTest, TheTextBoxGrowsAndTheLinksStay) {
    const platform::DialogTemplate* shape = platform::FindDialog(IDD_INFO);
    ASSERT_NE(shape, nullptr);
    const platform::DialogBaseUnits units = platform::MeasureDialogFont(shape->font);
    const int line = platform::DialogRectToPixels({7, 7, 138, 12}, units).Height();
    struct Measured {
        int box = 0, ok = 0, window = 0;
        platform::Rect link;
    };
    const auto measure = [](const std::string& text) {
        Measured m;
        Answered<CInfoDialog> dialog(text, {{3, 40}});
        dialog.click = IDC_OK;
        dialog.onOpen = [&](Answered<CInfoDialog>& d) {
            m.box = Place(d, IDC_TEXT).Height();
            m.ok = Place(d, IDC_OK).top;
            m.window = d.WindowRect().Height();
            m.link = Place(d, IDC_FIRST_LINK);
        };
        dialog.DoModal();
        return m;
    };
    const Measured one = measure("one");
    const Measured four = measure("1\n2\n3\n4");
    EXPECT_EQ(one.box, 2 * line);
    EXPECT_EQ(four.box, 5 * line);
    EXPECT_EQ(four.ok - one.ok, 3 * line);
    EXPECT_EQ(four.window - one.window, 3 * line);
    EXPECT_EQ(one.link, (platform::Rect{222, 40, 252, 56}));
    EXPECT_EQ(four.link, (platform::Rect{222, 40, 252, 56}));
}

TEST_F(InfoDialogTest, TheLinksLieRightOfTheTextBox) {
    Answered<CInfoDialog> dialog("text", {{1, 10}});
    dialog.click = IDC_OK;
    dialog.onOpen = [](Answered<CInfoDialog>& d) {
        EXPECT_LT(Place(d, IDC_TEXT).right, 222);
        EXPECT_GE(d.ClientRect().Width(), 252);
    };
    dialog.DoModal();
}

}  // namespace

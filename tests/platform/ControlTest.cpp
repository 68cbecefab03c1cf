#include "DialogTestSupport.h"

#include "platform/core/ComboBox.h"
#include "platform/core/Edit.h"
#include "platform/core/Image.h"
#include "platform/core/ListBox.h"
#include "platform/core/Slider.h"

namespace {

using namespace dialog_test;

constexpr int kGame = 1056;
constexpr int kList = 1060;
constexpr int kName = 1010;
constexpr int kScroll = 1070;
constexpr int kVolume = 1080;
constexpr int kPicture = 1090;

constexpr ControlTemplate kControls[] = {
    {ControlKind::ComboBox, kGame, "", {5, 5, 80, 60}, CTL_DROPLIST | CTL_TABSTOP | CTL_GROUP},
    {ControlKind::ListBox, kList, "", {5, 20, 80, 40}, CTL_SORT | CTL_TABSTOP | CTL_GROUP},
    {ControlKind::Edit, kName, "", {5, 65, 80, 12}, CTL_TABSTOP | CTL_GROUP},
    {ControlKind::ScrollBar, kScroll, "", {90, 5, 10, 60}, CTL_VERTICAL},
    {ControlKind::Slider, kVolume, "", {5, 80, 80, 12}, CTL_TABSTOP | CTL_GROUP},
    {ControlKind::Image, kPicture, "", {105, 5, 30, 40}, 0},
};
constexpr DialogTemplate kTemplate{400, "Controls", DLG_MODELESS, {0, 0, 140, 100}, {}, kControls};

// A dialog that also records the scroll notifications.
class ScrollRecordingDialog : public RecordingDialog {
public:
    using RecordingDialog::RecordingDialog;
    std::vector<std::tuple<UINT, unsigned, int>> scrolls;  // message, code, position
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_HSCROLL || message == WM_VSCROLL) {
            scrolls.emplace_back(message, LOWORD(wParam), static_cast<std::int16_t>(HIWORD(wParam)));
            return 0;
        }
        return RecordingDialog::WindowProc(message, wParam, lParam);
    }
};

class ControlTest : public DialogFixture {
protected:
    void SetUp() override {
        DialogFixture::SetUp();
        ASSERT_TRUE(dialog.Create(frame.Handle()));
        dialog.ShowWindow(SW_SHOW);
        host.PumpUntilIdle();
    }
    HWND Item(int id) { return dialog.GetDlgItem(id); }
    void Press(int key) {
        host.Key(Soon(5), key);
        host.PumpFor(10);
    }

    ScrollRecordingDialog dialog{kTemplate};
};

using Commands = std::vector<std::pair<int, unsigned>>;

TEST_F(ControlTest, ComboSelectionFromCodeIsSilentChoiceByThePersonNotifies) {
    HWND combo = Item(kGame);
    for (const char* game : {"Karo", "Herz", "Pik", "Kreuz"}) SendMessage(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(game));
    EXPECT_EQ(SendMessage(combo, CB_GETCOUNT), 4);
    EXPECT_EQ(SendMessage(combo, CB_GETCURSEL), CB_ERR);
    EXPECT_EQ(SendMessage(combo, CB_SETCURSEL, 2), 2);
    EXPECT_EQ(SendMessage(combo, CB_GETCURSEL), 2);
    EXPECT_EQ(SendMessage(combo, CB_SETCURSEL, 9), CB_ERR);
    EXPECT_EQ(SendMessage(combo, CB_GETCURSEL), 2);
    EXPECT_TRUE(dialog.commands.empty());

    auto& box = *dialog.GetControlAs<ComboBox>(kGame);
    box.Choose(2);  // the same item again: nothing changes, nobody is told
    box.Choose(0);
    EXPECT_EQ(dialog.commands, (Commands{{kGame, CBN_SELCHANGE}}));
    std::string text;
    SendMessage(combo, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(&text));
    EXPECT_EQ(text, "Karo");

    // Down with the focus on the combo moves the choice; arrows stay with the control.
    SetFocus(combo);
    Press(VK_DOWN);
    EXPECT_EQ(box.GetCurSel(), 1);
    EXPECT_EQ(dialog.commands.size(), 2u);

    EnableWindow(combo, false);
    box.Choose(3);
    EXPECT_EQ(box.GetCurSel(), 1);
}

TEST_F(ControlTest, ListBoxKeepsSortedItemsAndSelectsByClick) {
    HWND list = Item(kList);
    for (const char* name : {"willi", "Anna", "bert"}) SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    std::string text;
    SendMessage(list, LB_GETTEXT, 1, reinterpret_cast<LPARAM>(&text));
    EXPECT_EQ(text, "bert");
    SendMessage(list, LB_SETCURSEL, 2);
    SendMessage(list, LB_DELETESTRING, 0);  // the selection moves up with its item
    EXPECT_EQ(SendMessage(list, LB_GETCURSEL), 1);
    EXPECT_TRUE(dialog.commands.empty());

    auto& box = *dialog.GetControlAs<ListBox>(kList);
    host.Click(Soon(), HeadlessHost::ScreenPoint(list, {10, box.ItemHeight() / 2}));  // the first row
    host.PumpFor(50);
    EXPECT_EQ(box.GetCurSel(), 0);
    EXPECT_EQ(dialog.commands, (Commands{{kList, LBN_SELCHANGE}}));
    host.Click(Soon(), HeadlessHost::ScreenPoint(list, {10, box.ItemHeight() * 3}));  // below the items
    host.PumpFor(50);
    EXPECT_EQ(box.GetCurSel(), 0);
    EXPECT_EQ(dialog.commands.size(), 1u);
}

TEST_F(ControlTest, EditLimitReadOnlyAndProgramText) {
    HWND edit = Item(kName);
    SendMessage(edit, EM_LIMITTEXT, 3);
    SetWindowText(edit, "Jö");  // set by the program: no notification
    EXPECT_TRUE(dialog.commands.empty());
    SetFocus(edit);
    Press('X');
    Press('Y');  // the limit counts characters, not bytes: "Jö" is two
    EXPECT_EQ(GetWindowText(edit), "Jöx");
    EXPECT_EQ(dialog.commands, (Commands{{kName, EN_CHANGE}}));
    SendMessage(edit, EM_SETREADONLY, 1);
    Press(VK_BACK);
    EXPECT_EQ(GetWindowText(edit), "Jöx");
    SendMessage(edit, EM_SETREADONLY, 0);
    Press(VK_BACK);
    Press(VK_BACK);
    EXPECT_EQ(GetWindowText(edit), "J");  // a two-byte character goes as one
}

TEST_F(ControlTest, ScrollBarReportsButDoesNotMoveSliderMovesThenReports) {
    HWND scroll = Item(kScroll);
    SendMessage(scroll, SBM_SETRANGE, 0, 20);
    SendMessage(scroll, SBM_SETPAGE, 5);
    SendMessage(scroll, SBM_SETPOS, 30);  // clamped
    EXPECT_EQ(SendMessage(scroll, SBM_GETPOS), 20);
    SendMessage(scroll, SBM_SETPOS, 10);
    SetFocus(scroll);
    Press(VK_NEXT);
    EXPECT_EQ(SendMessage(scroll, SBM_GETPOS), 10);  // the parent decides

    HWND slider = Item(kVolume);
    SendMessage(slider, TBM_SETRANGE, 0, 100);
    SendMessage(slider, TBM_SETPAGESIZE, 25);
    SendMessage(slider, TBM_SETPOS, 90);
    SetFocus(slider);
    Press(VK_NEXT);  // 90 + 25, clamped
    Press(VK_LEFT);
    EXPECT_EQ(SendMessage(slider, TBM_GETPOS), 99);
    using Scroll = std::tuple<UINT, unsigned, int>;
    EXPECT_EQ(dialog.scrolls, (std::vector<Scroll>{{WM_VSCROLL, SB_PAGEDOWN, 10},
                                                   {WM_HSCROLL, SB_PAGEDOWN, 100},
                                                   {WM_HSCROLL, SB_LINEUP, 99}}));
    dialog.GetControlAs<Slider>(kVolume)->Scroll(SB_THUMBPOSITION, -7);
    EXPECT_EQ(SendMessage(slider, TBM_GETPOS), 0);
}

TEST_F(ControlTest, ImageHoldsItsPictureId) {
    HWND picture = Item(kPicture);
    EXPECT_EQ(SendMessage(picture, STM_SETIMAGE, 12), 0);
    EXPECT_EQ(SendMessage(picture, STM_SETIMAGE, 14), 12);
    EXPECT_EQ(dialog.GetControlAs<Image>(kPicture)->ImageId(), 14);
}

// A control keeps its own copy of the font it is given until it is given none again; asked to
// redraw, it paints at once.
TEST_F(ControlTest, ControlKeepsItsOwnCopyOfAFont) {
    HWND name = Item(kName);
    EXPECT_EQ(SendMessage(name, WM_GETFONT), 0) << "the dialog's font to start with";
    LogFont font{"Arial", 14, 0, LogFont::kBold};
    SendMessage(name, WM_SETFONT, 0, reinterpret_cast<LPARAM>(&font));
    font.face = "Courier New";
    const auto* kept = reinterpret_cast<const LogFont*>(SendMessage(name, WM_GETFONT));
    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(kept->face, "Arial");
    EXPECT_EQ(kept->height, 14);
    EXPECT_EQ(kept->weight, 700);
    EXPECT_EQ(ControlFromHandle(name)->Font(), kept);
    EXPECT_EQ(SendMessage(Item(kList), WM_GETFONT), 0) << "only the control it was sent to";

    const int paints = host.PaintCount(name);
    SendMessage(name, WM_SETFONT, 1, 0);
    EXPECT_EQ(SendMessage(name, WM_GETFONT), 0) << "back to the dialog's font";
    EXPECT_EQ(host.PaintCount(name), paints + 1) << "redrawn at once";
}

TEST(ControlItemsTest, InsertRemoveAndFindKeepTheSelectionOnItsItem) {
    ControlItems items(false);
    items.Add("Kreuz");
    items.Add("Pik");
    items.Select(1);
    EXPECT_EQ(items.Insert(0, "Grand"), 0);
    EXPECT_EQ(items.Selection(), 2);
    EXPECT_EQ(items.Insert(7, "x"), -1);
    EXPECT_EQ(items.Remove(2), 2);
    EXPECT_EQ(items.Selection(), -1);  // the selected item went
    EXPECT_EQ(items.FindExact(-1, "KREUZ"), 1);
    EXPECT_EQ(items.FindExact(1, "kreuz"), 1);  // wraps round to itself
    EXPECT_EQ(items.FindExact(-1, "Null"), -1);
    EXPECT_FALSE(items.Select(5));
    EXPECT_TRUE(items.Select(-1));
}

}  // namespace

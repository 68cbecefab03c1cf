// The game messages run modally: their buttons and the result the creator reads, the Kontra
// buttons and pictures, the rule button, the growth with the text.

#include "dialogs/AnsweredMessage.h"
#include "dialogs/BarFixture.h"
#include "flow/MainFrame.h"
#include "dialogs/MessageDialogs.h"
#include "dialogs/ResultDialog.h"
#include "resources/FlowIds.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "platform/core/Image.h"
#include "platform/core/RichText.h"
#include "platform/core/WindowSystem.h"
#include "platform/headless/DesktopRecorder.h"
#include "shell/ShellGlobals.h"

#include <gtest/gtest.h>

namespace {

using Commands = std::vector<std::string>;

using testsupport::Answered;

class MessageDialogsTest : public testsupport::BarFixture {
protected:
    // A control's own flag: the dialog itself is shown only after its initialisation.
    static bool Shown(HWND control) { return ::WindowFromHandle(control)->IsVisibleFlag(); }
    void Escape() { host_->Key(host_->NowMs(), VK_ESCAPE); }
};

struct PassedCase {
    const char* name;
    int click;  // 0: Esc
    bool repeat;
    int result;
};

// A failing case names itself, not its bytes.
void PrintTo(const PassedCase& c, std::ostream* out) { *out << c.name; }

const PassedCase kPassedCases[] = {
    {"YesGoesOn", IDC_OK, false, 4},
    {"NoStays", IDC_CANCEL, false, 1},
    {"EscapeStays", 0, false, 1},
    {"YesAndRepeat", IDC_OK, true, 20},
    {"NoAndRepeat", IDC_CANCEL, true, 17},
    {"EscapeAndRepeat", 0, true, 17},
};

class PassedRuleTest : public MessageDialogsTest, public ::testing::WithParamInterface<PassedCase> {};

TEST_P(PassedRuleTest, AnswersWithItsResultWord) {
    const PassedCase& c = GetParam();
    Answered<CPassedRuleDialog> dialog("{\\rtf1 Eingepasst}");
    dialog.click = c.click;
    dialog.repeat = c.repeat;
    if (!c.click) Escape();
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.ResultWord(), c.result);
    EXPECT_EQ(Effects(), std::vector<int>{3});
}

INSTANTIATE_TEST_SUITE_P(Cases, PassedRuleTest, ::testing::ValuesIn(kPassedCases),
                         [](const ::testing::TestParamInfo<PassedCase>& info) { return info.param.name; });

// The result dialog: Ja 4; Nein or Esc 1 and Spielverlauf 8, each marking the game's end (bit 8);
// + 16 with the repeat box.
struct ResultCase {
    const char* name;
    int click;  // 0: Esc
    bool repeat;
    int result;
    bool endMarked;
};

// A failing case names itself, not its bytes.
void PrintTo(const ResultCase& c, std::ostream* out) { *out << c.name; }

const ResultCase kResultCases[] = {
    {"YesDealsTheNext", IDC_OK, false, 4, false},
    {"NoStays", IDC_CANCEL, false, 1, true},
    {"EscapeStays", 0, false, 1, true},
    {"CourseShowsTheCourse", IDC_COURSE, false, 8, true},
    {"YesAndRepeat", IDC_OK, true, 20, true},
    {"CourseAndRepeat", IDC_COURSE, true, 24, true},
};

class ResultWordTest : public MessageDialogsTest, public ::testing::WithParamInterface<ResultCase> {};

TEST_P(ResultWordTest, AnswersWithItsResultWord) {
    const ResultCase& c = GetParam();
    g_Game.GameEndFlags = 2;
    Answered<CResultDialog> dialog("{\\rtf1 Ergebnis}");
    dialog.click = c.click;
    dialog.repeat = c.repeat;
    if (!c.click) Escape();
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.ResultWord(), c.result);
    EXPECT_EQ((g_Game.GameEndFlags & 8) != 0, c.endMarked);
}

INSTANTIATE_TEST_SUITE_P(Cases, ResultWordTest, ::testing::ValuesIn(kResultCases),
                         [](const ::testing::TestParamInfo<ResultCase>& info) { return info.param.name; });

// Plain text counts its line feeds; rich text its paragraphs, a large font taking two lines.
TEST(MessageTextLinesTest, LineFeedsOrParagraphs) {
    const struct {
        const char* text;
        int lines;
    } cases[] = {
        {"one line", 1},
        {"one\ntwo\nthree", 3},
        {"{\\rtf1\\fs17 one\\par two\\par three}", 3},
        {"{\\rtf1 one\\par two}", 4},  // 12 points unless the text says otherwise
        {"{\\rtf1\\fs17 a\\par\\par b\\par\n c}", 4},
        {"{\\rtf1\\b\\fs32\\qc Name\\b0\\fs17\\par\\par\\qc won\\par}", 4},
        {"{\\rtf1 a\n\nb\n\nc}", 5},
    };
    for (const auto& c : cases) EXPECT_EQ(MessageTextLines(c.text), c.lines) << c.text;
}

// The text box grows by a line for each line feed of the text, and the buttons move down with it.
TEST_F(MessageDialogsTest, TheResultDialogGrowsWithItsLines) {
    int oneLine = 0, threeLines = 0, buttonOne = 0, buttonThree = 0;
    {
        Answered<CResultDialog> dialog("one line");
        dialog.click = IDC_OK;
        dialog.onOpen = [&](Answered<CResultDialog>& d) {
            oneLine = ::WindowFromHandle(d.GetDlgItem(IDC_TEXT))->WindowRect().Height();
            buttonOne = ::WindowFromHandle(d.GetDlgItem(IDC_OK))->WindowRect().top;
        };
        dialog.DoModal();
    }
    {
        Answered<CResultDialog> dialog("one\ntwo\nthree");
        dialog.click = IDC_OK;
        dialog.onOpen = [&](Answered<CResultDialog>& d) {
            threeLines = ::WindowFromHandle(d.GetDlgItem(IDC_TEXT))->WindowRect().Height();
            buttonThree = ::WindowFromHandle(d.GetDlgItem(IDC_OK))->WindowRect().top;
            EXPECT_EQ(d.GetDlgItemText(IDC_COURSE), "&Game Course");
            EXPECT_EQ(d.IsDlgButtonChecked(IDC_REPEAT_BOX), 0);
        };
        dialog.DoModal();
    }
    ASSERT_GT(oneLine, 0);
    EXPECT_EQ(threeLines - oneLine, buttonThree - buttonOne);
    EXPECT_GT(threeLines, oneLine);
}

TEST_F(MessageDialogsTest, ThePassedQuestionStartsUncheckedWithItsTexts) {
    Answered<CPassedRuleDialog> dialog("text");
    dialog.click = IDC_OK;
    dialog.onOpen = [](Answered<CPassedRuleDialog>& d) {
        EXPECT_EQ(d.IsDlgButtonChecked(IDC_REPEAT_BOX), 0);
        EXPECT_EQ(d.GetDlgItemText(IDC_REPEAT_BOX), "&Repeat Game");
        EXPECT_EQ(d.GetDlgItemText(IDC_OK), "&Yes");
        EXPECT_EQ(d.GetDlgItemText(IDC_CANCEL), "&No");
        EXPECT_EQ(d.GetDlgItemText(IDC_TEXT), "text");
    };
    dialog.DoModal();
}

struct KontraCase {
    const char* name;
    bool allowed;
    int click;  // 0: Esc
    int result;
    Commands sent;
    std::vector<int> effects;
};

// A failing case names itself, not its bytes.
void PrintTo(const KontraCase& c, std::ostream* out) { *out << c.name; }

const KontraCase kKontraCases[] = {
    {"KontraSendsKontraAndCloses", true, IDC_KONTRA, IDOK, {"S99"}, {3}},
    {"OkCloses", true, IDC_OK, IDOK, {}, {3}},
    {"EscapeCancels", true, 0, IDCANCEL, {}, {}},
    {"OnlyTheSecondOkWithoutKontra", false, IDC_CANCEL, IDCANCEL, {}, {}},
};

class KontraMessageTest : public MessageDialogsTest, public ::testing::WithParamInterface<KontraCase> {};

TEST_P(KontraMessageTest, ClosesWithItsResult) {
    const KontraCase& c = GetParam();
    g_Game.GameType = 1;
    g_Game.KontraState = KONTRA_SAID;
    g_Game.KontraSeat = 0;
    Answered<CKontraDialog> dialog(c.allowed, "{\\rtf1 Comp1 spielt Pik}", 0);
    dialog.click = c.click;
    bool okShown = false, kontraShown = false, secondOkShown = false;
    dialog.onOpen = [&](Answered<CKontraDialog>& d) {
        okShown = Shown(d.GetDlgItem(IDC_OK));
        kontraShown = Shown(d.GetDlgItem(IDC_KONTRA));
        secondOkShown = Shown(d.GetDlgItem(IDC_CANCEL));
        EXPECT_EQ(g_Game.KontraState, KONTRA_NONE);
        EXPECT_EQ(g_Game.KontraSeat, 3);
    };
    if (!c.click) Escape();
    EXPECT_EQ(dialog.DoModal(), c.result);
    EXPECT_EQ(okShown, c.allowed);
    EXPECT_EQ(kontraShown, c.allowed);
    EXPECT_EQ(secondOkShown, !c.allowed);
    EXPECT_EQ(FrameCommands(), c.sent);
    EXPECT_EQ(Effects(), c.effects);
}

INSTANTIATE_TEST_SUITE_P(Cases, KontraMessageTest, ::testing::ValuesIn(kKontraCases),
                         [](const ::testing::TestParamInfo<KontraCase>& info) { return info.param.name; });

struct PictureCase {
    const char* name;
    int gameType;
    std::vector<int> shown;
};

// A failing case names itself, not its bytes.
void PrintTo(const PictureCase& c, std::ostream* out) { *out << c.name; }

const PictureCase kPictureCases[] = {
    {"Clubs", 0, {1017, 1018}},      {"Spades", 1, {1019, 1020}},     {"Hearts", 2, {1021, 1024}},
    {"Diamonds", 3, {1023, 1025}},   {"Null", 4, {1026, 1027}},       {"Revolution", 5, {1030, 1031}},
    {"Grand", 6, {1028, 1029}},      {"RamschNone", 7, {}},
};

class KontraPictureTest : public MessageDialogsTest, public ::testing::WithParamInterface<PictureCase> {};

TEST_P(KontraPictureTest, ShowsTheGamesPictureLeftAndRight) {
    const PictureCase& c = GetParam();
    g_Game.GameType = c.gameType;
    Answered<CKontraDialog> dialog(true, "text", 0);
    dialog.click = IDC_OK;
    std::vector<int> shown;
    dialog.onOpen = [&](Answered<CKontraDialog>& d) {
        for (int id = 1017; id <= 1031; ++id) {
            const HWND picture = d.GetDlgItem(id);
            auto* image = dynamic_cast<platform::Image*>(::WindowFromHandle(picture));
            if (image && image->IsVisibleFlag()) shown.push_back(id);
        }
    };
    dialog.DoModal();
    EXPECT_EQ(shown, c.shown);
}

INSTANTIATE_TEST_SUITE_P(Cases, KontraPictureTest, ::testing::ValuesIn(kPictureCases),
                         [](const ::testing::TestParamInfo<PictureCase>& info) { return info.param.name; });

TEST_F(MessageDialogsTest, TheKontraMessageArmsItsDemonstrationTimer) {
    auto& system = platform::WindowSystem::Instance();
    g_Game.DemoMode = 1;
    for (const auto& [gameType, timer] : {std::pair{5, TM_DEMO_KONTRA_REVOLUTION}, std::pair{2, TM_DEMO_CLOSE_MESSAGE}}) {
        g_Game.GameType = gameType;
        Answered<CKontraDialog> dialog(true, "text", 0);
        dialog.click = IDC_OK;
        bool armed = false;
        dialog.onOpen = [&](Answered<CKontraDialog>&) { armed = system.IsTimerArmed(Frame().Handle(), timer); };
        dialog.DoModal();
        EXPECT_TRUE(armed) << timer;
        Frame().KillTimer(timer);
    }
}

TEST_F(MessageDialogsTest, TheMessageClosesAsACancelWithTheClick) {
    Answered<CMessageDialog> dialog("Kontra!", 1, 0);
    dialog.click = IDC_OK;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(Effects(), std::vector<int>{3});
}

struct MessagePictureCase {
    const char* name;
    int flags;
    bool left;
    bool right;
};

// A failing case names itself, not its bytes.
void PrintTo(const MessagePictureCase& c, std::ostream* out) { *out << c.name; }

class MessagePictureTest : public MessageDialogsTest, public ::testing::WithParamInterface<MessagePictureCase> {};

TEST_P(MessagePictureTest, ShowsThePicturesItsFlagsName) {
    const MessagePictureCase& c = GetParam();
    Answered<CMessageDialog> dialog("text", c.flags, 0);
    dialog.click = IDC_OK;
    dialog.onOpen = [&](Answered<CMessageDialog>& d) {
        EXPECT_EQ(Shown(d.GetDlgItem(IDC_PICTURE_LEFT)), c.left);
        EXPECT_EQ(Shown(d.GetDlgItem(IDC_PICTURE_RIGHT)), c.right);
        EXPECT_EQ(::SendMessage(d.GetDlgItem(IDC_PICTURE_LEFT), STM_GETIMAGE, 0, 0), IDB_MESSAGE_KONTRA);
    };
    dialog.DoModal();
}

INSTANTIATE_TEST_SUITE_P(Cases, MessagePictureTest,
                         ::testing::Values(MessagePictureCase{"None", 0, false, false},
                                           MessagePictureCase{"Kontra", 1, true, false},
                                           MessagePictureCase{"Rekontra", 3, true, true},
                                           MessagePictureCase{"RightOnly", 2, false, true}),
                         [](const ::testing::TestParamInfo<MessagePictureCase>& info) { return info.param.name; });

// One line doubles the text box; each further line adds its template height again; what lies below
// moves down with it, and the window grows by the same.
TEST_F(MessageDialogsTest, TheMessageGrowsWithItsLines) {
    const auto measure = [](const std::string& text, int& boxHeight, int& okTop, int& windowHeight) {
        Answered<CMessageDialog> dialog(text, 0, 0);
        dialog.click = IDC_OK;
        dialog.onOpen = [&](Answered<CMessageDialog>& d) {
            boxHeight = ::WindowFromHandle(d.GetDlgItem(IDC_TEXT))->WindowRect().Height();
            okTop = ::WindowFromHandle(d.GetDlgItem(IDC_OK))->WindowRect().top;
            windowHeight = d.WindowRect().Height();
        };
        dialog.DoModal();
    };
    const platform::DialogTemplate* shape = platform::FindDialog(IDD_MESSAGE);
    ASSERT_NE(shape, nullptr);
    const platform::DialogBaseUnits units = platform::MeasureDialogFont(shape->font);
    const int template12 = platform::DialogRectToPixels({7, 7, 200, 12}, units).Height();
    int box1 = 0, ok1 = 0, window1 = 0, box3 = 0, ok3 = 0, window3 = 0;
    measure("one line", box1, ok1, window1);
    measure("three\nlines\nhere", box3, ok3, window3);
    EXPECT_EQ(box1, 2 * template12);
    EXPECT_EQ(box3, 4 * template12);
    EXPECT_EQ(ok3 - ok1, 2 * template12);
    EXPECT_EQ(window3 - window1, 2 * template12);
}

struct RuleButtonCase {
    const char* name;
    int suggest;
    int rule;
    bool shown;
};

// A failing case names itself, not its bytes.
void PrintTo(const RuleButtonCase& c, std::ostream* out) { *out << c.name; }

class MessageRuleButtonTest : public MessageDialogsTest, public ::testing::WithParamInterface<RuleButtonCase> {};

TEST_P(MessageRuleButtonTest, ShowsTheRuleNumberOnlyWithSuggestions) {
    const RuleButtonCase& c = GetParam();
    g_Settings.Options.Suggest = c.suggest;
    for (int kind = 0; kind < 2; ++kind) {
        bool shown = false;
        std::string caption;
        const auto look = [&](platform::Dialog& d) {
            shown = Shown(d.GetDlgItem(IDC_HELP));
            caption = d.GetDlgItemText(IDC_HELP);
        };
        if (kind == 0) {
            Answered<CMessageDialog> dialog("text", 1, c.rule);
            dialog.click = IDC_OK;
            dialog.onOpen = [&](Answered<CMessageDialog>& d) { look(d); };
            dialog.DoModal();
        } else {
            Answered<CKontraDialog> dialog(true, "text", c.rule);
            dialog.click = IDC_OK;
            dialog.onOpen = [&](Answered<CKontraDialog>& d) { look(d); };
            dialog.DoModal();
        }
        EXPECT_EQ(shown, c.shown) << kind;
        if (c.shown) {
            EXPECT_EQ(caption, std::to_string(c.rule)) << kind;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, MessageRuleButtonTest,
                         ::testing::Values(RuleButtonCase{"SuggestionsOn", 1, 57, true},
                                           RuleButtonCase{"SuggestionsOff", 0, 57, false},
                                           RuleButtonCase{"NoRule", 1, 0, false}),
                         [](const ::testing::TestParamInfo<RuleButtonCase>& info) { return info.param.name; });

TEST_F(MessageDialogsTest, TheCaptionIsGameAndTheMatchState) {
    g_Shell.GameNumberText = "  2.1";
    Answered<CMessageDialog> dialog("text", 0, 0);
    dialog.click = IDC_OK;
    std::string caption;
    dialog.onOpen = [&](Answered<CMessageDialog>& d) { caption = d.Title(); };
    dialog.DoModal();
    EXPECT_EQ(caption, "Game   2.1");
}

TEST_F(MessageDialogsTest, TheTextLiesOnAPaleGround) {
    Answered<CMessageDialog> dialog("text", 0, 0);
    dialog.click = IDC_OK;
    unsigned ground = 0;
    dialog.onOpen = [&](Answered<CMessageDialog>& d) {
        ground = static_cast<const platform::RichText*>(::WindowFromHandle(d.GetDlgItem(IDC_TEXT)))
                     ->BackgroundColour();
    };
    dialog.DoModal();
    EXPECT_EQ(ground, 0xe0ffffu);
}

TEST_F(MessageDialogsTest, TheMessagesArmTheirDemonstrationTimer) {
    auto& system = platform::WindowSystem::Instance();
    g_Game.DemoMode = 1;
    bool armed = false;
    Answered<CPassedRuleDialog> dialog("text");
    dialog.click = IDC_OK;
    dialog.onOpen = [&](Answered<CPassedRuleDialog>&) { armed = system.IsTimerArmed(Frame().Handle(), TM_DEMO_OK); };
    dialog.DoModal();
    EXPECT_TRUE(armed);
}

struct EscapeCase {
    const char* name;
    const char* text;
    const char* escaped;
};

// A failing case names itself, not its bytes.
void PrintTo(const EscapeCase& c, std::ostream* out) { *out << c.name; }

class EscapeRichTextTest : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(EscapeRichTextTest, ANameShowsAsItself) {
    EXPECT_EQ(EscapeRichText(GetParam().text), GetParam().escaped);
}

INSTANTIATE_TEST_SUITE_P(Cases, EscapeRichTextTest,
                         ::testing::Values(EscapeCase{"Plain", "Comp1", "Comp1"},
                                           EscapeCase{"Backslash", "a\\par b", "a\\\\par b"},
                                           EscapeCase{"Braces", "}{\\rtf1", "\\}\\{\\\\rtf1"},
                                           EscapeCase{"Umlauts", "Jürgen", "J\\'fcrgen"},
                                           EscapeCase{"LineFeed", "Hans\nPeter", "Hans Peter"},
                                           EscapeCase{"Empty", "", ""}),
                         [](const ::testing::TestParamInfo<EscapeCase>& info) { return info.param.name; });

}  // namespace

namespace {

// The rule number on a message opens that rule in the help with the click sound; the second
// click closes every help window.
TEST_F(MessageDialogsTest, TheRuleButtonTogglesItsRule) {
    platform::DesktopRecorder desktop;
    g_Settings.Options.Suggest = 1;
    Answered<CMessageDialog> dialog("text", 0, 57);
    dialog.onOpen = [](Answered<CMessageDialog>& d) {
        ::PostMessage(d.GetDlgItem(IDC_HELP), BM_CLICK, 0, 0);
        ::PostMessage(d.GetDlgItem(IDC_HELP), BM_CLICK, 0, 0);
    };
    dialog.click = IDC_OK;
    dialog.DoModal();
    ASSERT_EQ(desktop.HelpRequests().size(), 1u);
    EXPECT_EQ(desktop.HelpRequests()[0].topic.anchor, "57");
    EXPECT_EQ(desktop.HelpClosings(), 1);
    EXPECT_EQ(Effects(), (std::vector<int>{3, 3, 3}));
}

}  // namespace

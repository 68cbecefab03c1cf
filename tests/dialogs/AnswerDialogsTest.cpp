// The messages that ask for one answer: Rekontra for the person as soloist, accepting a give-up,
// the all-passed notice of variant Skat; and every message ended by its demonstration timer.

#include "dialogs/AnsweredMessage.h"
#include "dialogs/AnswerDialogs.h"
#include "dialogs/BarFixture.h"
#include "flow/MainFrame.h"
#include "dialogs/InfoDialog.h"
#include "dialogs/ResultDialog.h"
#include "dialogs/StartDialog.h"
#include "resources/FlowIds.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "platform/core/Image.h"
#include "platform/core/WindowSystem.h"
#include "resources/Editions.h"
#include "shell/ShellGlobals.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using testsupport::Answered;

class AnswerDialogsTest : public testsupport::BarFixture {
protected:
    static bool Shown(HWND control) { return ::WindowFromHandle(control)->IsVisibleFlag(); }
    void Escape() { host_->Key(host_->NowMs(), VK_ESCAPE); }
};

// --- Rekontra ------------------------------------------------------------------------------------

TEST_F(AnswerDialogsTest, RekontraByThePersonAsSoloistSaysIt) {
    g_Game.Soloist = 2;
    g_Game.KontraState = KONTRA_SAID;
    Answered<CRekontraDialog> dialog("{\\rtf1 Comp1 gibt Kontra}", 0, 0);
    dialog.click = IDC_REKONTRA;
    bool enabled = false;
    dialog.onOpen = [&](Answered<CRekontraDialog>& d) { enabled = ::IsWindowEnabled(d.GetDlgItem(IDC_REKONTRA)); };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(enabled);
    EXPECT_EQ(g_Game.KontraState, KONTRA_REKONTRA);
    EXPECT_GE(FindLine("CRekontraDialog::OnRekontra(" + Frame().GetPlayerName(2) + ")"), 0);
    EXPECT_EQ(Effects(), std::vector<int>{3});
}

TEST_F(AnswerDialogsTest, OkLeavesTheKontraAsItIs) {
    g_Game.Soloist = 2;
    g_Game.KontraState = KONTRA_SAID;
    Answered<CRekontraDialog> dialog("text", 0, 0);
    dialog.click = IDC_OK;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(g_Game.KontraState, KONTRA_SAID);
    EXPECT_LT(FindLine("CRekontraDialog::OnRekontra(" + Frame().GetPlayerName(2) + ")"), 0);
    EXPECT_EQ(Effects(), std::vector<int>{3});
}

// With a computer as soloist the button is disabled, and a press that reaches it anyway (posted)
// gives no Rekontra.
TEST_F(AnswerDialogsTest, RekontraIsNotTheDefendersToGive) {
    g_Game.Soloist = 0;
    g_Game.KontraState = KONTRA_SAID;
    Answered<CRekontraDialog> dialog("text", 0, 0);
    bool enabled = true;
    dialog.onOpen = [&](Answered<CRekontraDialog>& d) {
        enabled = ::IsWindowEnabled(d.GetDlgItem(IDC_REKONTRA));
        ::PostMessage(d.Handle(), WM_COMMAND, MAKEWPARAM(IDC_REKONTRA, BN_CLICKED), 0);
        ::PostMessage(d.GetDlgItem(IDC_OK), BM_CLICK, 0, 0);
    };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_FALSE(enabled);
    EXPECT_EQ(g_Game.KontraState, KONTRA_SAID);
    EXPECT_EQ(Effects(), std::vector<int>{3});
}

struct RekontraRuleCase {
    const char* name;
    int suggest;
    int rule;
    int rekontraRule;
    bool ruleShown;
    const char* rekontraCaption;
};

// A failing case names itself, not its bytes.
void PrintTo(const RekontraRuleCase& c, std::ostream* out) { *out << c.name; }

const RekontraRuleCase kRekontraRuleCases[] = {
    {"BothNumbers", 1, 57, 12, true, "Re 12"},
    {"OnlyTheKontraRule", 1, 57, 0, true, "&Rekontra"},
    {"NoKontraRuleNoNumbers", 1, 0, 12, false, "&Rekontra"},
    {"SuggestionsOff", 0, 57, 12, false, "&Rekontra"},
};

class RekontraRuleTest : public AnswerDialogsTest, public ::testing::WithParamInterface<RekontraRuleCase> {};

TEST_P(RekontraRuleTest, ShowsTheRulesOnlyWithSuggestions) {
    const RekontraRuleCase& c = GetParam();
    g_Settings.Options.Suggest = c.suggest;
    g_Game.Soloist = 2;
    // Face up: the mark a shown rule number sets (DEALT beside FACEUP) can be seen in the mask.
    g_Game.AllCardsOpen = 1;
    g_Game.CheatMask = 16;
    Answered<CRekontraDialog> dialog("text", c.rule, c.rekontraRule);
    dialog.click = IDC_OK;
    bool shown = false;
    std::string ruleCaption, rekontraCaption;
    dialog.onOpen = [&](Answered<CRekontraDialog>& d) {
        shown = Shown(d.GetDlgItem(IDC_HELP));
        ruleCaption = d.GetDlgItemText(IDC_HELP);
        rekontraCaption = d.GetDlgItemText(IDC_REKONTRA);
        EXPECT_TRUE(Shown(d.GetDlgItem(IDC_PICTURE_LEFT)));
        EXPECT_EQ(::SendMessage(d.GetDlgItem(IDC_PICTURE_LEFT), STM_GETIMAGE, 0, 0), IDB_MESSAGE_KONTRA);
    };
    dialog.DoModal();
    EXPECT_EQ(shown, c.ruleShown);
    if (c.ruleShown) {
        EXPECT_EQ(ruleCaption, std::to_string(c.rule));
    }
    EXPECT_EQ(rekontraCaption, c.rekontraCaption);
    // A rule number shown marks the game; a hidden one told the person nothing and marks nothing.
    EXPECT_EQ((g_Game.CheatMask & 32) != 0, c.ruleShown);
}

INSTANTIATE_TEST_SUITE_P(Cases, RekontraRuleTest, ::testing::ValuesIn(kRekontraRuleCases),
                         [](const ::testing::TestParamInfo<RekontraRuleCase>& info) { return info.param.name; });

// --- Accepting a give-up, all passed ----------------------------------------------------------------

struct ResignCase {
    const char* name;
    int click;  // 0: Esc
    int result;
    int accepted;
};

// A failing case names itself, not its bytes.
void PrintTo(const ResignCase& c, std::ostream* out) { *out << c.name; }

const ResignCase kResignCases[] = {
    {"YesAccepts", IDC_OK, IDOK, 1},
    {"NoRefuses", IDC_CANCEL, IDCANCEL, 0},
    {"EscapeRefuses", 0, IDCANCEL, 0},
};

class ResignTest : public AnswerDialogsTest, public ::testing::WithParamInterface<ResignCase> {};

TEST_P(ResignTest, AnswersTheGiveUp) {
    const ResignCase& c = GetParam();
    Answered<CResignDialog> dialog("{\\rtf1 Comp1 gibt auf}");
    dialog.click = c.click;
    if (!c.click) Escape();
    EXPECT_EQ(dialog.DoModal(), c.result);
    EXPECT_EQ(dialog.Accepted(), c.accepted);
    EXPECT_EQ(Effects(), std::vector<int>{3});
}

INSTANTIATE_TEST_SUITE_P(Cases, ResignTest, ::testing::ValuesIn(kResignCases),
                         [](const ::testing::TestParamInfo<ResignCase>& info) { return info.param.name; });

TEST_F(AnswerDialogsTest, ThePassedNoticeIsAcceptedWithOk) {
    Answered<CPassedVariantDialog> dialog("{\\rtf1 Eingepasst}");
    dialog.click = IDC_OK;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.Accepted(), 1);
    EXPECT_EQ(Effects(), std::vector<int>{3});
}

// Caption "Game <match state>", the text on its pale ground, the template's own texts.
TEST_F(AnswerDialogsTest, TheQuestionsShowTheGameAndTheirText) {
    g_Shell.GameNumberText = "  3.2";
    Answered<CResignDialog> resign("{\\rtf1 aufgeben?}");
    resign.click = IDC_CANCEL;
    resign.onOpen = [](Answered<CResignDialog>& d) {
        EXPECT_EQ(d.Title(), "Game   3.2");
        EXPECT_EQ(d.GetDlgItemText(IDC_TEXT), "{\\rtf1 aufgeben?}");
        EXPECT_EQ(d.GetDlgItemText(IDC_OK), "&Yes");
        EXPECT_EQ(d.GetDlgItemText(IDC_CANCEL), "&No");
    };
    resign.DoModal();
    Answered<CRekontraDialog> rekontra("Kontra!", 0, 0);
    rekontra.click = IDC_OK;
    rekontra.onOpen = [](Answered<CRekontraDialog>& d) { EXPECT_EQ(d.Title(), "Game   3.2"); };
    rekontra.DoModal();
}

// --- Both editions -------------------------------------------------------------------------------

struct EditionCase {
    const char* name;
    const platform::ResourceSet& (*edition)();
    const char* gameCaption;
    const char* yes;
    const char* no;
    const char* startCaption;
    const char* byChance;
    const char* breakOff;
    const char* help;
};

// A failing case names itself, not its bytes.
void PrintTo(const EditionCase& c, std::ostream* out) { *out << c.name; }

const EditionCase kEditionCases[] = {
    {"German", &GermanResources, "Spiel   4.1", "&Ja", "&Nein", "Serienende  -  neue Serie", "per &Zufall bestimmen",
     "&Abbrechen", "&Hilfe"},
    {"English", &EnglishResources, "Game   4.1", "&Yes", "&No", "End of match  -  new match", "Determined by &Chance",
     "&Break", "&Help"},
};

class EditionTextsTest : public AnswerDialogsTest, public ::testing::WithParamInterface<EditionCase> {};

// The messages as the person sees them in each edition: the caption and the buttons whole.
TEST_P(EditionTextsTest, TheMessagesSpeakTheEditionsLanguage) {
    const EditionCase& c = GetParam();
    UseEdition(c.edition());
    g_Shell.GameNumberText = "  4.1";
    Answered<CResignDialog> resign("{\\rtf1 x}");
    resign.click = IDC_CANCEL;
    resign.onOpen = [&](Answered<CResignDialog>& d) {
        EXPECT_EQ(d.Title(), c.gameCaption);
        EXPECT_EQ(d.GetDlgItemText(IDC_OK), c.yes);
        EXPECT_EQ(d.GetDlgItemText(IDC_CANCEL), c.no);
    };
    resign.DoModal();
    Answered<CInfoDialog> info("x", {});
    info.click = IDC_OK;
    info.onOpen = [&](Answered<CInfoDialog>& d) { EXPECT_EQ(d.Title(), c.gameCaption); };
    info.DoModal();
    Answered<CPassedVariantDialog> passed("x");
    passed.click = IDC_OK;
    passed.onOpen = [&](Answered<CPassedVariantDialog>& d) { EXPECT_EQ(d.Title(), c.gameCaption); };
    passed.DoModal();
    Answered<CStartDialog> start("x", {"A", "B", "C"});
    start.click = IDC_CANCEL;
    start.onOpen = [&](Answered<CStartDialog>& d) {
        EXPECT_EQ(d.Title(), c.startCaption);
        EXPECT_EQ(d.GetDlgItemText(IDC_START_RANDOM), c.byChance);
        EXPECT_EQ(d.GetDlgItemText(IDC_CANCEL), c.breakOff);
        EXPECT_EQ(d.GetDlgItemText(IDC_HELP), c.help);
    };
    start.DoModal();
}

INSTANTIATE_TEST_SUITE_P(Cases, EditionTextsTest, ::testing::ValuesIn(kEditionCases),
                         [](const ::testing::TestParamInfo<EditionCase>& info) { return info.param.name; });

// --- The demonstration timers ---------------------------------------------------------------------

struct DemoCase {
    const char* name;
    unsigned timer;
    std::function<std::unique_ptr<platform::Dialog>()> make;
    int result;
    std::function<int(platform::Dialog&)> answer;  // the answer the creator reads
    int expected;
};

// A failing case names itself, not its bytes.
void PrintTo(const DemoCase& c, std::ostream* out) { *out << c.name; }

const DemoCase kDemoCases[] = {
    {"ResignAccepts", TM_DEMO_OK, [] { return std::make_unique<CResignDialog>("text"); }, IDOK,
     [](platform::Dialog& d) { return static_cast<CResignDialog&>(d).Accepted(); }, 1},
    {"PassedNoticeAccepts", TM_DEMO_OK, [] { return std::make_unique<CPassedVariantDialog>("text"); }, IDOK,
     [](platform::Dialog& d) { return static_cast<CPassedVariantDialog&>(d).Accepted(); }, 1},
    {"RekontraCloses", TM_DEMO_OK, [] { return std::make_unique<CRekontraDialog>("text", 0, 0); }, IDOK,
     [](platform::Dialog&) { return g_Game.KontraState; }, KONTRA_SAID},
    {"InfoCloses", TM_DEMO_OK, [] { return std::make_unique<CInfoDialog>("text", std::vector<RuleLink>{{5, 10}}); },
     IDCANCEL, [](platform::Dialog&) { return 0; }, 0},
    {"MessageCloses", TM_DEMO_OK, [] { return std::make_unique<CMessageDialog>("text", 1, 0); }, IDCANCEL,
     [](platform::Dialog&) { return 0; }, 0},
    {"ResultDealsTheNext", TM_DEMO_OK, [] { return std::make_unique<CResultDialog>("text"); }, IDOK,
     [](platform::Dialog& d) { return static_cast<CResultDialog&>(d).ResultWord(); }, 4},
    {"PassedQuestionDealsTheNext", TM_DEMO_OK, [] { return std::make_unique<CPassedRuleDialog>("text"); }, IDOK,
     [](platform::Dialog& d) { return static_cast<CPassedRuleDialog&>(d).ResultWord(); }, 4},
    {"KontraClosesWithoutKontra", TM_DEMO_CLOSE_MESSAGE,
     [] { return std::make_unique<CKontraDialog>(true, "text", 0); }, IDCANCEL,
     [](platform::Dialog&) { return 0; }, 0},
    {"StartChoosesASeat", TM_DEMO_RANDOM_STARTER,
     [] { return std::make_unique<CStartDialog>("text", std::array<std::string, 3>{"a", "b", "c"}); }, IDOK,
     [](platform::Dialog& d) { return static_cast<CStartDialog&>(d).Started(); }, 1},
};

class MessageDemoTimerTest : public AnswerDialogsTest, public ::testing::WithParamInterface<DemoCase> {};

TEST_P(MessageDemoTimerTest, TheDemonstrationEndsTheMessage) {
    const DemoCase& c = GetParam();
    g_Game.DemoMode = 1;
    g_Game.GameType = 1;
    g_Game.Soloist = 2;
    g_Game.KontraState = KONTRA_SAID;
    g_Settings.Delay.Demo = 300;
    std::unique_ptr<platform::Dialog> dialog = c.make();
    auto& system = platform::WindowSystem::Instance();
    const std::int64_t opened = host_->NowMs();
    EXPECT_EQ(Frame().DoModalDialog(*dialog), c.result);
    EXPECT_GE(host_->NowMs() - opened, 300);
    EXPECT_FALSE(system.IsTimerArmed(Frame().Handle(), c.timer));
    EXPECT_EQ(c.answer(*dialog), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, MessageDemoTimerTest, ::testing::ValuesIn(kDemoCases),
                         [](const ::testing::TestParamInfo<DemoCase>& info) { return info.param.name; });

// Without a demonstration no message arms a timer: the person answers.
TEST_F(AnswerDialogsTest, WithoutADemonstrationNoTimerIsArmed) {
    g_Game.DemoMode = 0;
    auto& system = platform::WindowSystem::Instance();
    bool armed = true;
    Answered<CResignDialog> dialog("text");
    dialog.click = IDC_OK;
    dialog.onOpen = [&](Answered<CResignDialog>&) { armed = system.IsTimerArmed(Frame().Handle(), TM_DEMO_OK); };
    dialog.DoModal();
    EXPECT_FALSE(armed);
}

}  // namespace

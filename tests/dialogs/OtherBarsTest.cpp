// The other bars as a table: each button gives the command the frame receives (posted or sent),
// the sound and the game variables it sets.

#include "flow/FrameDeclaration.h"
#include "dialogs/BarFixture.h"
#include "flow/MainFrame.h"
#include "dialogs/PlayBars.h"
#include "dialogs/RamschBars.h"
#include "dialogs/SkatBars.h"
#include "model/PlayerData.h"
#include "model/Skat.h"
#include "resources/FlowIds.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "platform/core/WindowSystem.h"
#include "platform/headless/DesktopRecorder.h"
#include "support/SkatTestAccess.h"
#include "support/FrameGameAccess.h"

#include <gtest/gtest.h>

namespace {

using Commands = std::vector<std::string>;

enum class BarKind { Skat, EndSwapGame, EndSwapRevolution, SkatRamsch, EndSwapRamsch, GrandHand, KontraFirst,
                     SuggestFull, Continue };

struct ButtonCase {
    const char* name;
    BarKind bar;
    int button;
    Commands sent;
    std::vector<int> effects;
};

// A failing case names itself, not its bytes.
void PrintTo(const ButtonCase& c, std::ostream* out) { *out << c.name; }

const ButtonCase kButtonCases[] = {
    {"SkatPickUp", BarKind::Skat, IDC_PICKUP, {"D109"}, {3}},
    {"SkatHand", BarKind::Skat, IDC_HAND, {"D111"}, {3}},
    {"EndSwapGameFinishes", BarKind::EndSwapGame, IDC_FINISH_SWAP, {"D132"}, {3}},
    {"RevolutionSuggestsAnExchange", BarKind::EndSwapRevolution, IDC_SUGGEST, {"D142"}, {3}},
    {"RevolutionFinishes", BarKind::EndSwapRevolution, IDC_FINISH_SWAP, {"D134"}, {3}},
    {"SkatRamschPicksUp", BarKind::SkatRamsch, IDC_PICKUP, {"D110"}, {3}},
    {"SkatRamschPassesOn", BarKind::SkatRamsch, IDC_PASS_ON, {"D103"}, {3}},
    {"SkatRamschDurchmarsch", BarKind::SkatRamsch, IDC_DURCHMARSCH, {"D145"}, {3}},
    {"EndSwapRamschPushesTheSkat", BarKind::EndSwapRamsch, IDC_FINISH_SWAP, {"D133"}, {3}},
    {"EndSwapRamschSuggestsSilently", BarKind::EndSwapRamsch, IDC_SUGGEST, {"D140"}, {}},
    {"EndSwapRamschDurchmarsch", BarKind::EndSwapRamsch, IDC_DURCHMARSCH, {"D145"}, {3}},
    {"GrandHandRamsch", BarKind::GrandHand, IDC_RAMSCH, {"D135"}, {3}},
    {"GrandHandGrand", BarKind::GrandHand, IDC_GRAND_HAND, {"D136"}, {3}},
    {"SuggestionCard", BarKind::SuggestFull, IDC_SUGGEST, {"D141"}, {3}},
};

class BarOpener : public testsupport::BarFixture {
protected:
    platform::Dialog* Open(BarKind kind) {
        switch (kind) {
            case BarKind::Skat: return OpenBar<CSkatDialog>();
            case BarKind::EndSwapGame: return OpenBar<CEndSwapGameDialog>();
            case BarKind::EndSwapRevolution: return OpenBar<CEndSwapRevolutionDialog>();
            case BarKind::SkatRamsch: return OpenBar<CSkatRamschDialog>();
            case BarKind::EndSwapRamsch: return OpenBar<CEndSwapRamschDialog>();
            case BarKind::GrandHand: return OpenBar<CGrandHandDialog>();
            case BarKind::KontraFirst: return OpenBar<CKontraFirstDialog>();
            case BarKind::SuggestFull: return OpenBar<CSuggestDialog>(true);
            case BarKind::Continue: return OpenBar<CContinueDialog>();
        }
        return nullptr;
    }
};

class ButtonTest : public BarOpener, public ::testing::WithParamInterface<ButtonCase> {};

TEST_P(ButtonTest, PostsItsCommand) {
    const ButtonCase& c = GetParam();
    platform::Dialog* bar = Open(c.bar);
    ASSERT_NE(bar, nullptr);
    Click(bar, c.button);
    EXPECT_EQ(FrameCommands(), c.sent);
    EXPECT_EQ(Effects(), c.effects);
}

INSTANTIATE_TEST_SUITE_P(Cases, ButtonTest, ::testing::ValuesIn(kButtonCases),
                         [](const ::testing::TestParamInfo<ButtonCase>& info) { return info.param.name; });

class BarsTest : public testsupport::BarFixture {};

TEST_F(BarsTest, TheDurchmarschBoxAnnouncesItsState) {
    g_Game.SchwarzAnnounced = 0;
    auto* bar = OpenBar<CSkatRamschDialog>();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(Checked(bar, IDC_DURCHMARSCH), 0);
    Click(bar, IDC_DURCHMARSCH);
    EXPECT_EQ(g_Game.SchwarzAnnounced, 1);
    Click(bar, IDC_DURCHMARSCH);
    EXPECT_EQ(g_Game.SchwarzAnnounced, 0);
}

// A demonstration timer presses 1058 without the control: the box is checked first, so the press
// announces as a click would, on both Ramsch bars.
TEST_F(BarsTest, ATimersPressOfDurchmarschAnnounces) {
    g_Game.SchwarzAnnounced = 0;
    auto* bar = OpenBar<CSkatRamschDialog>();
    ASSERT_NE(bar, nullptr);
    Press(bar, IDC_DURCHMARSCH);
    EXPECT_EQ(g_Game.SchwarzAnnounced, 1);
    EXPECT_EQ(Checked(bar, IDC_DURCHMARSCH), 1);
    EXPECT_EQ(FrameCommands(), Commands{"D145"});
    CloseBar();
    g_Game.SchwarzAnnounced = 0;
    auto* pushBar = OpenBar<CEndSwapRamschDialog>();
    ASSERT_NE(pushBar, nullptr);
    Press(pushBar, IDC_DURCHMARSCH);
    EXPECT_EQ(g_Game.SchwarzAnnounced, 1);
}

TEST_F(BarsTest, TheRamschBarsShowTheAnnouncedDurchmarsch) {
    g_Game.SchwarzAnnounced = 1;
    auto* bar = OpenBar<CEndSwapRamschDialog>();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(Checked(bar, IDC_DURCHMARSCH), 1);
}

TEST_F(BarsTest, TheRamschSkatSuggestionSetsRamschAndMovesTheFocusToFinish) {
    g_Game.GameType = 2;
    g_Game.TrumpCount = 11;
    auto* bar = OpenBar<CEndSwapRamschDialog>();
    ASSERT_NE(bar, nullptr);
    Click(bar, IDC_SUGGEST);
    EXPECT_EQ(g_Game.GameType, 7);
    EXPECT_EQ(g_Game.TrumpCount, 4);
    EXPECT_EQ(::GetFocus(), bar->GetDlgItem(IDC_FINISH_SWAP));
    EXPECT_EQ(bar->GetDefID(), IDC_FINISH_SWAP);
}

struct KontraCase {
    const char* name;
    int kontraState;
    bool said;
};

// A failing case names itself, not its bytes.
void PrintTo(const KontraCase& c, std::ostream* out) { *out << c.name; }

const KontraCase kKontraCases[] = {
    {"OpenKontraIsSaid", KONTRA_NONE, true},
    {"AfterKontraNothing", KONTRA_SAID, false},
    {"AfterRekontraNothing", KONTRA_REKONTRA, false},
};

class KontraButtonTest : public testsupport::BarFixture, public ::testing::WithParamInterface<KontraCase> {};

TEST_P(KontraButtonTest, SaysKontraOnlyWhileItIsOpen) {
    const KontraCase& c = GetParam();
    g_Game.KontraState = c.kontraState;
    for (bool suggestBar : {false, true}) {
        platform::Dialog* bar =
            suggestBar ? static_cast<platform::Dialog*>(OpenBar<CSuggestDialog>(true)) : OpenBar<CKontraFirstDialog>();
        ASSERT_NE(bar, nullptr);
        Click(bar, IDC_KONTRA);
        EXPECT_EQ(Effects(), c.said ? std::vector<int>{3} : std::vector<int>{});
        EXPECT_TRUE(FrameCommands().empty());
        CloseBar();
    }
    int said = 0;
    for (const std::string& line : LogBodies()) said += line == "CMainFrame::SayKontra(2)";
    EXPECT_EQ(said, c.said ? 2 : 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, KontraButtonTest, ::testing::ValuesIn(kKontraCases),
                         [](const ::testing::TestParamInfo<KontraCase>& info) { return info.param.name; });

TEST_F(BarsTest, WithoutKontraTheSuggestionBarShowsOnlyItsFirstButton) {
    auto* full = OpenBar<CSuggestDialog>(true);
    ASSERT_NE(full, nullptr);
    const int fullWidth = full->WindowRect().Width();
    CloseBar();
    auto* narrow = OpenBar<CSuggestDialog>(false);
    ASSERT_NE(narrow, nullptr);
    EXPECT_EQ(narrow->WindowRect().Width(), fullWidth / 3);
    const platform::Rect first = ::WindowFromHandle(narrow->GetDlgItem(IDC_SUGGEST))->WindowRect();
    const platform::Rect kontra = ::WindowFromHandle(narrow->GetDlgItem(IDC_KONTRA))->WindowRect();
    EXPECT_LE(first.right, narrow->WindowRect().Width());
    EXPECT_GE(kontra.left, narrow->WindowRect().Width());
}

struct ContinueCase {
    const char* name;
    int automatic;
    std::vector<int> effects;
};

// A failing case names itself, not its bytes.
void PrintTo(const ContinueCase& c, std::ostream* out) { *out << c.name; }

class ContinueButtonTest : public testsupport::BarFixture, public ::testing::WithParamInterface<ContinueCase> {};

TEST_P(ContinueButtonTest, PostsTheNextTrickAndClicksOnlyWhenPressedByHand) {
    const ContinueCase& c = GetParam();
    g_Settings.Options.Continue = c.automatic;
    auto* bar = OpenBar<CContinueDialog>();
    ASSERT_NE(bar, nullptr);
    Click(bar, IDC_CONTINUE);
    EXPECT_EQ(FrameCommands(), Commands{"D116"});
    EXPECT_EQ(Effects(), c.effects);
}

INSTANTIATE_TEST_SUITE_P(Cases, ContinueButtonTest,
                         ::testing::Values(ContinueCase{"Automatic", 1, {}}, ContinueCase{"ByHand", 0, {3}}),
                         [](const ::testing::TestParamInfo<ContinueCase>& info) { return info.param.name; });

// The skat swap pause waits, with the person's skat swap option on, until the resume button's
// click ends it; the click is posted before, so that the pause's own wait takes it.
void ClickResumeInsidePause(CMainFrame& frame, platform::Dialog* bar) {
    g_Flow.SkatSwapOption = 1;
    ::PostMessage(bar->GetDlgItem(IDC_RESUME), BM_CLICK, 0, 0);
    frame.FrameDeclaration().PumpUntilResumed();
    g_Flow.SkatSwapOption = 0;
}

// The resume button ends the pause and closes its own bar through the frame, inside its click.
TEST_F(BarsTest, TheResumeBarEndsThePauseAndDestroysItselfSafely) {
    auto* bar = OpenBar<CResumeSwapDialog>();
    ASSERT_NE(bar, nullptr);
    const HWND handle = bar->Handle();
    ClickResumeInsidePause(Frame(), bar);
    host_->PumpUntilIdle();
    EXPECT_EQ(Frame().Declaration().SwapPausePending, 0);
    EXPECT_FALSE(::IsWindow(handle));
    EXPECT_EQ(RecordedPrompt(), nullptr);
    EXPECT_EQ(Effects(), std::vector<int>{3});
}

TEST_F(BarsTest, AResumeBarTheFrameDoesNotHoldStays) {
    auto* bar = OpenBar<CResumeSwapDialog>();
    ASSERT_NE(bar, nullptr);
    ForgetPrompt();
    ClickResumeInsidePause(Frame(), bar);
    host_->PumpUntilIdle();
    EXPECT_EQ(Frame().Declaration().SwapPausePending, 0);
    EXPECT_TRUE(::IsWindow(bar->Handle()));
    bar->DestroyWindow();
}

TEST_F(BarsTest, TheResumeButtonNamesTheSkatHolderCutToTenCharacters) {
    const std::string names[3] = {Frame().GetPlayerName(0), "Ölbergmännchen", Frame().GetPlayerName(2)};
    FrameGameAccess::Game(Frame()).NameRows("Skat", names);
    g_Game.SkatHolderSeat = 1;
    auto* bar = OpenBar<CResumeSwapDialog>();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->GetDlgItemText(IDC_RESUME), "&Continue Ölbergmänn");
}

struct RuleCase {
    const char* name;
    BarKind bar;
    int gameType;
    int personSeat;
    int ruleSetting;  // Settings/Rule
    int record;       // the person's game-option record that holds the rule code
    int code;
    const char* anchor;
};

// A failing case names itself, not its bytes.
void PrintTo(const RuleCase& c, std::ostream* out) { *out << c.name; }

const RuleCase kRuleCases[] = {
    {"GrandHandReadsTheGrandRecord", BarKind::GrandHand, 0, 2, 0, 6, 512, "512"},
    {"GrandHandWithoutACodeTakesItsDefault", BarKind::GrandHand, 0, 2, 0, 6, 0, "100"},
    {"RamschBarReadsTheRamschRecord", BarKind::SkatRamsch, 7, 2, 0, 8, 17, "17"},
    {"RamschBarDropsTheOverrideFlag", BarKind::EndSwapRamsch, 7, 2, 0, 8, 16384 + 33, "33"},
    {"RamschBarCodeOutOfRangeTakesTheDefault", BarKind::SkatRamsch, 7, 2, 0, 8, 120000, "110"},
    {"SwappedSeatWithoutRuleSettingTakesTheDefault", BarKind::SkatRamsch, 7, 0, 0, 8, 17, "110"},
    {"SwappedSeatWithRuleSettingReadsTheCode", BarKind::SkatRamsch, 7, 0, 1, 8, 17, "17"},
    {"SuggestBarGrandDefault", BarKind::SuggestFull, 6, 2, 0, 6, 0, "200"},
    {"SuggestBarSuitDefault", BarKind::SuggestFull, 1, 2, 0, 1, 0, "300"},
    {"SuggestBarNullDefault", BarKind::SuggestFull, 4, 2, 0, 4, 0, "400"},
    {"SuggestBarReadsTheGamesRecord", BarKind::SuggestFull, 3, 2, 0, 3, 41, "41"},
};

class RuleButtonTest : public BarOpener, public ::testing::WithParamInterface<RuleCase> {
protected:
    platform::DesktopRecorder desktop_;
};

TEST_P(RuleButtonTest, OpensTheRuleOfThePersonsOptionThenClosesAllHelp) {
    const RuleCase& c = GetParam();
    g_Game.GameType = c.gameType;
    g_Game.TrumpCount = c.gameType < 4 ? 11 : 4;
    g_Settings.Settings.Rule = c.ruleSetting;
    // The rule code is put into the person's option record by hand: a bar reads it whatever chose it.
    CPlayer* person = &SkatTestAccess::Player(FrameGameAccess::Game(Frame()), 2);
    person->seat = c.personSeat;
    person->gameOptions[c.record][9] = c.code;
    platform::Dialog* bar = Open(c.bar);
    ASSERT_NE(bar, nullptr);
    Click(bar, IDC_RULE);
    ASSERT_EQ(desktop_.HelpRequests().size(), 1u);
    EXPECT_EQ(desktop_.HelpRequests()[0].topic.page, "Lexikon/RegelnReizen.htm");
    EXPECT_EQ(desktop_.HelpRequests()[0].topic.anchor, c.anchor);
    // The game the bar reads with is put back.
    EXPECT_EQ(g_Game.GameType, c.gameType);
    EXPECT_EQ(g_Game.TrumpCount, c.gameType < 4 ? 11 : 4);
    Click(bar, IDC_RULE);
    EXPECT_EQ(desktop_.HelpRequests().size(), 1u);
    EXPECT_EQ(desktop_.HelpClosings(), 1);
}

INSTANTIATE_TEST_SUITE_P(Cases, RuleButtonTest, ::testing::ValuesIn(kRuleCases),
                         [](const ::testing::TestParamInfo<RuleCase>& info) { return info.param.name; });

}  // namespace

namespace {

struct DemoTimerCase {
    const char* name;
    BarKind bar;
    unsigned timer;
};

// A failing case names itself, not its bytes.
void PrintTo(const DemoTimerCase& c, std::ostream* out) { *out << c.name; }

class DemoTimerTest : public BarOpener, public ::testing::WithParamInterface<DemoTimerCase> {};

// In demonstration mode a bar that waits for the person arms the frame's timer that will press it;
// out of it, none.
TEST_P(DemoTimerTest, ArmsTheFramesTimerOnlyInDemonstration) {
    const DemoTimerCase& c = GetParam();
    auto& system = platform::WindowSystem::Instance();
    g_Game.DemoMode = 0;
    ASSERT_NE(Open(c.bar), nullptr);
    EXPECT_FALSE(system.IsTimerArmed(Frame().Handle(), c.timer));
    CloseBar();
    g_Game.DemoMode = 1;
    ASSERT_NE(Open(c.bar), nullptr);
    EXPECT_TRUE(system.IsTimerArmed(Frame().Handle(), c.timer));
    Frame().KillTimer(c.timer);
}

INSTANTIATE_TEST_SUITE_P(Cases, DemoTimerTest,
                         ::testing::Values(DemoTimerCase{"GrandHand", BarKind::GrandHand, TM_DEMO_GRAND_HAND},
                                           DemoTimerCase{"SkatRamsch", BarKind::SkatRamsch, TM_DEMO_RAMSCH_SKAT},
                                           DemoTimerCase{"EndSwapRamsch", BarKind::EndSwapRamsch,
                                                         TM_DEMO_END_SWAP_RAMSCH},
                                           DemoTimerCase{"Continue", BarKind::Continue, TM_DEMO_CONTINUE}),
                         [](const ::testing::TestParamInfo<DemoTimerCase>& info) { return info.param.name; });

}  // namespace

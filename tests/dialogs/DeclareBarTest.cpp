// The declaration bar: game buttons send the bar's command (declare, or show the skat for the game
// while the skat suggestion is pending) unless a suggestion or the announcement boxes refuse the
// click; the boxes set the announcements by the rules' exclusions; Enter never declares.

#include "flow/FrameDeclaration.h"
#include "flow/TableState.h"
#include "platform/core/DialogAnswer.h"
#include "dialogs/BarFixture.h"
#include "flow/MainFrame.h"
#include "dialogs/DeclareDialog.h"
#include "resources/FlowIds.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "platform/core/Control.h"
#include "platform/core/ControlMessages.h"
#include "platform/core/WindowSystem.h"
#include "platform/headless/DesktopRecorder.h"
#include "resources/CommandIds.h"

#include <gtest/gtest.h>

namespace {

using Commands = std::vector<std::string>;

class DeclareBarTest : public testsupport::BarFixture {
protected:
    CDeclareDialog* Open() {
        CDeclareDialog* bar = OpenBar<CDeclareDialog>();
        EXPECT_NE(bar, nullptr);
        return bar;
    }
    // The three announcement boxes as "Schneider Schwarz Ouvert" checks, e.g. "100".
    static std::string Boxes(CDeclareDialog* bar) {
        return std::to_string(Checked(bar, IDC_SCHNEIDER)) + std::to_string(Checked(bar, IDC_SCHWARZ)) +
               std::to_string(Checked(bar, IDC_OUVERT));
    }
    static std::string Flags() {
        return std::to_string(g_Game.SchneiderAnnounced) + std::to_string(g_Game.SchwarzAnnounced) +
               std::to_string(g_Game.OuvertAnnounced);
    }
};

struct GameButtonCase {
    const char* name;
    int suggest;          // Options/Suggest
    bool skatPending;     // the bar's command is CM_SUGGEST_SKAT ("Ska&t?" checked)
    int suggestedGame;    // the frame's suggested game, -1 none
    int suggestedBits;
    const char* boxes;    // announcement boxes and flags before the click ("Schneider Schwarz Ouvert")
    int demo;
    int button;
    Commands sent;        // what reached the frame; empty: refused
    int gameType;         // GameType afterwards (-9: not looked at)
    const char* boxesAfter;
    const char* flagsAfter;
    int commandAfter;
};

// A failing case names itself, not its bytes.
void PrintTo(const GameButtonCase& c, std::ostream* out) { *out << c.name; }

const GameButtonCase kGameButtonCases[] = {
    {"SpadesDeclares", 0, false, -1, 0, "000", 0, IDC_SPADES, {"S112"}, 1, "000", "000", CM_DECLARE},
    {"SpadesKeepsTheAnnouncements", 0, false, -1, 0, "110", 0, IDC_SPADES, {"S112"}, 1, "110", "110", CM_DECLARE},
    {"PendingSkatSuggestionIsSentThenDeclaring", 1, true, -1, 0, "000", 0, IDC_SPADES, {"S140"}, 1, "000", "000",
     CM_DECLARE},
    {"AnotherGameThanTheSuggestedWithAnnouncementsIsRefused", 1, false, 2, 1, "100", 0, IDC_SPADES, {}, 1, "000",
     "000", CM_DECLARE},
    {"TheSuggestedGameItselfDeclares", 1, false, 1, 1, "100", 0, IDC_SPADES, {"S112"}, 1, "100", "100", CM_DECLARE},
    {"ASuggestionWithoutAnnouncementsNeverRefuses", 1, false, 2, 0, "000", 0, IDC_SPADES, {"S112"}, 1, "000", "000",
     CM_DECLARE},
    {"SuggestionsOffNeverRefuse", 0, false, 2, 1, "100", 0, IDC_SPADES, {"S112"}, 1, "100", "100", CM_DECLARE},
    {"RefusalKeepsThePendingSkatSuggestion", 1, true, 3, 4, "001", 0, IDC_GRAND, {}, 6, "000", "000", CM_SUGGEST_SKAT},
    {"GrandDeclaresWithFourTrumps", 0, false, -1, 0, "000", 0, IDC_GRAND, {"S112"}, 6, "000", "000", CM_DECLARE},
    {"ClubsDeclares", 0, false, -1, 0, "000", 0, IDC_CLUBS, {"S112"}, 0, "000", "000", CM_DECLARE},
    {"HeartsDeclares", 0, false, -1, 0, "000", 0, IDC_HEARTS, {"S112"}, 2, "000", "000", CM_DECLARE},
    {"DiamondsDeclares", 0, false, -1, 0, "000", 0, IDC_DIAMONDS, {"S112"}, 3, "000", "000", CM_DECLARE},
    {"NullClearsTheAnnouncements", 0, false, -1, 0, "000", 0, IDC_NULL, {"S112"}, 4, "000", "000", CM_DECLARE},
    {"NullWithSchneiderIsRefusedFlagsStay", 0, false, -1, 0, "100", 0, IDC_NULL, {}, -9, "000", "100", CM_DECLARE},
    {"NullWithSchwarzIsRefused", 0, false, -1, 0, "010", 0, IDC_NULL, {}, -9, "000", "010", CM_DECLARE},
    {"NullWithSchneiderDeclaresInDemonstration", 0, false, -1, 0, "100", 1, IDC_NULL, {"S112"}, 4, "100", "000",
     CM_DECLARE},
    {"NullWithOuvertIsRefusedEvenInDemonstration", 0, false, -1, 0, "001", 1, IDC_NULL, {}, -9, "000", "001",
     CM_DECLARE},
    {"NullOuvertDeclaresOpen", 0, false, -1, 0, "000", 0, IDC_NULL_OUVERT, {"S112"}, 4, "000", "001", CM_DECLARE},
    {"NullOuvertWithOuvertBoxIsRefused", 0, false, -1, 0, "001", 0, IDC_NULL_OUVERT, {}, -9, "000", "001",
     CM_DECLARE},
    {"NullOuvertPendingSkatSuggestionIsSent", 1, true, -1, 0, "000", 0, IDC_NULL_OUVERT, {"S140"}, 4, "000", "001",
     CM_DECLARE},
    {"RevolutionDeclaresOpen", 0, false, -1, 0, "000", 0, IDC_REVOLUTION, {"S112"}, 5, "000", "001", CM_DECLARE},
    {"RevolutionWithAnyBoxIsRefusedInEveryMode", 0, false, -1, 0, "010", 1, IDC_REVOLUTION, {}, -9, "000", "000",
     CM_DECLARE},
    // Revolution has no suggestion check: a pending skat suggestion is sent and stays pending.
    {"RevolutionSendsThePendingCommandAndKeepsIt", 1, true, 2, 1, "000", 0, IDC_REVOLUTION, {"S140"}, 5, "000", "001",
     CM_SUGGEST_SKAT},
};

class GameButtonTest : public DeclareBarTest, public ::testing::WithParamInterface<GameButtonCase> {};

TEST_P(GameButtonTest, SendsTheCommandOrRefuses) {
    const GameButtonCase& c = GetParam();
    g_Settings.Options.Suggest = c.suggest;
    g_Game.VariantMode = VARIANT_SKAT;
    g_Game.HandAnnounced = 1;  // Revolution enabled; the skat box shows only while skatPending is wanted
    g_Game.DemoMode = 0;
    auto* bar = Open();
    g_Game.DemoMode = c.demo;
    if (bar->Command() != (c.skatPending ? CM_SUGGEST_SKAT : CM_DECLARE)) Press(bar, IDC_SUGGEST_SKAT_BOX);
    ASSERT_EQ(bar->Command(), c.skatPending ? CM_SUGGEST_SKAT : CM_DECLARE);
    Frame().FrameDeclaration().SuggestGame(c.suggestedGame, c.suggestedBits);
    const std::string boxes = c.boxes;
    bar->CheckDlgButton(IDC_SCHNEIDER, boxes[0] - '0');
    bar->CheckDlgButton(IDC_SCHWARZ, boxes[1] - '0');
    bar->CheckDlgButton(IDC_OUVERT, boxes[2] - '0');
    g_Game.SchneiderAnnounced = boxes[0] - '0';
    g_Game.SchwarzAnnounced = boxes[1] - '0';
    g_Game.OuvertAnnounced = boxes[2] - '0';
    g_Game.GameType = -1;
    host_->Trace().Clear();

    Click(bar, c.button);
    EXPECT_EQ(FrameCommands(), c.sent);
    if (c.gameType != -9) {
        EXPECT_EQ(g_Game.GameType, c.gameType);
        EXPECT_EQ(g_Game.TrumpCount, c.gameType < 4 ? 11 : 4);
    } else {
        EXPECT_EQ(g_Game.GameType, -1);
    }
    EXPECT_EQ(Boxes(bar), c.boxesAfter);
    EXPECT_EQ(Flags(), c.flagsAfter);
    EXPECT_EQ(bar->Command(), c.commandAfter);
    EXPECT_EQ(Checked(bar, IDC_SUGGEST_SKAT_BOX), c.commandAfter == CM_SUGGEST_SKAT ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, GameButtonTest, ::testing::ValuesIn(kGameButtonCases),
                         [](const ::testing::TestParamInfo<GameButtonCase>& info) { return info.param.name; });

TEST_F(DeclareBarTest, TheSecondClickAfterARefusalDeclares) {
    g_Settings.Options.Suggest = 1;
    g_Game.HandAnnounced = 1;
    auto* bar = Open();
    Frame().FrameDeclaration().SuggestGame(2, 2);
    bar->CheckDlgButton(IDC_SCHWARZ, 1);
    g_Game.SchwarzAnnounced = 1;
    Click(bar, IDC_SPADES);
    EXPECT_TRUE(FrameCommands().empty());
    EXPECT_EQ(Frame().Declaration().SuggestedGame, -1);
    Click(bar, IDC_SPADES);
    EXPECT_EQ(FrameCommands(), Commands{"S112"});
}

TEST_F(DeclareBarTest, WithTheSkatSuggestionPendingTheFirstClickShowsTheSkatTheSecondDeclares) {
    g_Settings.Options.Suggest = 1;
    auto* bar = Open();
    ASSERT_EQ(bar->Command(), CM_SUGGEST_SKAT);
    EXPECT_EQ(Checked(bar, IDC_SUGGEST_SKAT_BOX), 1);
    Click(bar, IDC_SPADES);
    Click(bar, IDC_SPADES);
    EXPECT_EQ(FrameCommands(), (Commands{"S140", "S112"}));
}

TEST_F(DeclareBarTest, ClubsIsSilentTheOtherGamesClick) {
    g_Settings.Options.Suggest = 0;
    auto* bar = Open();
    Click(bar, IDC_CLUBS);
    EXPECT_TRUE(Effects().empty());
    for (int button : {IDC_SPADES, IDC_HEARTS, IDC_DIAMONDS, IDC_GRAND, IDC_NULL, IDC_NULL_OUVERT}) {
        sounds_.Clear();
        Click(bar, button);
        EXPECT_EQ(Effects(), std::vector<int>{3}) << button;
    }
}

TEST_F(DeclareBarTest, EveryGameButtonIsTraced) {
    g_Settings.Options.Suggest = 0;
    g_Game.VariantMode = VARIANT_SKAT;
    g_Game.HandAnnounced = 1;
    auto* bar = Open();
    for (int button : {IDC_CLUBS, IDC_SPADES, IDC_HEARTS, IDC_DIAMONDS, IDC_GRAND, IDC_NULL, IDC_NULL_OUVERT,
                       IDC_REVOLUTION})
        Click(bar, button);
    int from = 0;
    for (const char* line : {"CDeclareDialog::OnClubs()", "CDeclareDialog::OnSpades()", "CDeclareDialog::OnHearts()",
                             "CDeclareDialog::OnDiamonds()", "CDeclareDialog::OnGrand()", "CDeclareDialog::OnNull()",
                             "CDeclareDialog::OnNullOuvert()", "CDeclareDialog::OnRevolution()"}) {
        from = FindLine(line, from);
        EXPECT_GE(from, 0) << line;
        if (from < 0) from = 0;
    }
}

// --- The announcement boxes ------------------------------------------------------------------------

struct BoxCase {
    const char* name;
    int variantMode;
    int ouvertSetting;  // Variants/Ouvert
    std::vector<int> clicks;
    const char* flags;  // Schneider Schwarz Ouvert afterwards; the boxes show the same
};

// A failing case names itself, not its bytes.
void PrintTo(const BoxCase& c, std::ostream* out) { *out << c.name; }

const BoxCase kBoxCases[] = {
    {"SchneiderOn", VARIANT_SKAT, 2, {IDC_SCHNEIDER}, "100"},
    {"SchneiderTwiceOff", VARIANT_SKAT, 2, {IDC_SCHNEIDER, IDC_SCHNEIDER}, "000"},
    {"SchwarzClearsSchneider", VARIANT_SKAT, 2, {IDC_SCHNEIDER, IDC_SCHWARZ}, "010"},
    {"SchneiderClearsSchwarz", VARIANT_SKAT, 2, {IDC_SCHWARZ, IDC_SCHNEIDER}, "100"},
    {"VariantSkatAllowsOuvertWithSchneider", VARIANT_SKAT, 2, {IDC_SCHNEIDER, IDC_OUVERT}, "101"},
    {"VariantSkatAllowsSchwarzWithOuvert", VARIANT_SKAT, 2, {IDC_OUVERT, IDC_SCHWARZ}, "011"},
    {"RuleSkatOuvertClearsSchneider", VARIANT_OFFICIAL, 2, {IDC_SCHNEIDER, IDC_OUVERT}, "001"},
    {"RuleSkatOuvertClearsSchwarz", VARIANT_OFFICIAL, 2, {IDC_SCHWARZ, IDC_OUVERT}, "001"},
    {"RuleSkatSchneiderClearsOuvert", VARIANT_OFFICIAL, 2, {IDC_OUVERT, IDC_SCHNEIDER}, "100"},
    {"RuleSkatSchwarzClearsOuvert", VARIANT_OFFICIAL, 2, {IDC_OUVERT, IDC_SCHWARZ}, "010"},
    {"OuvertSettingThreeExcludesInVariantSkat", VARIANT_SKAT, 3, {IDC_SCHNEIDER, IDC_OUVERT}, "001"},
    {"OuvertOffLeavesSchneider", VARIANT_OFFICIAL, 2, {IDC_SCHNEIDER, IDC_OUVERT, IDC_OUVERT}, "000"},
};

class AnnouncementBoxTest : public DeclareBarTest, public ::testing::WithParamInterface<BoxCase> {};

TEST_P(AnnouncementBoxTest, TogglesByTheRules) {
    const BoxCase& c = GetParam();
    g_Game.VariantMode = c.variantMode;
    g_Settings.Variants.Ouvert = c.ouvertSetting;
    auto* bar = Open();
    Frame().FrameDeclaration().SuggestGame(3, Frame().Declaration().SuggestedAnnouncements);
    for (int id : c.clicks) Click(bar, id);
    EXPECT_EQ(Flags(), c.flags);
    EXPECT_EQ(Boxes(bar), c.flags);
    EXPECT_EQ(Frame().Declaration().SuggestedGame, -1);
    EXPECT_TRUE(FrameCommands().empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, AnnouncementBoxTest, ::testing::ValuesIn(kBoxCases),
                         [](const ::testing::TestParamInfo<BoxCase>& info) { return info.param.name; });

// The demonstration's presses carry no control and do not toggle the box: the handler does.
TEST_F(DeclareBarTest, APressWithoutTheControlTogglesTheBoxOnce) {
    auto* bar = Open();
    Press(bar, IDC_SCHWARZ);
    EXPECT_EQ(Flags(), "010");
    EXPECT_EQ(Checked(bar, IDC_SCHWARZ), 1);
}

TEST_F(DeclareBarTest, BoxesAreTracedWithTheirNewState) {
    g_Game.VariantMode = VARIANT_SKAT;
    auto* bar = Open();
    Click(bar, IDC_SCHNEIDER);
    Click(bar, IDC_OUVERT);
    Click(bar, IDC_SCHNEIDER);
    EXPECT_GE(FindLine("CDeclareDialog::OnSchneider(mode:true)"), 0);
    EXPECT_GE(FindLine("CDeclareDialog::OnOuvert(mode:true)"), 0);
    EXPECT_GE(FindLine("CDeclareDialog::OnSchneider(mode:false)"), 0);
}

// --- The suggestion switches -------------------------------------------------------------------

TEST_F(DeclareBarTest, SkatBoxSwitchesBetweenShowingTheSkatAndDeclaring) {
    g_Settings.Options.Suggest = 1;
    auto* bar = Open();
    Click(bar, IDC_SUGGEST_SKAT_BOX);
    EXPECT_EQ(bar->Command(), CM_DECLARE);
    EXPECT_EQ(Checked(bar, IDC_SUGGEST_SKAT_BOX), 0);
    Click(bar, IDC_SUGGEST_SKAT_BOX);
    EXPECT_EQ(bar->Command(), CM_SUGGEST_SKAT);
    EXPECT_EQ(Checked(bar, IDC_SUGGEST_SKAT_BOX), 1);
    EXPECT_GE(FindLine("CDeclareDialog::OnSuggestSkat(mode:DECLARE)"), 0);
    EXPECT_GE(FindLine("CDeclareDialog::OnSuggestSkat(mode:SUGGEST_SKAT)"), 0);
}

TEST_F(DeclareBarTest, GameQuestionSendsTheGameSuggestion) {
    g_Settings.Options.Suggest = 1;
    auto* bar = Open();
    // The frame shows its suggestion; the person closes it.
    host_->Answers().PushDialogAnswer(IDD_INFO, {platform::DialogAction::Press(IDOK)});
    Click(bar, IDC_SUGGEST_GAME);
    EXPECT_EQ(FrameCommands(), Commands{"S139"});
    EXPECT_EQ(host_->Answers().PendingDialogAnswers(), 0u);
    EXPECT_EQ(Effects(), std::vector<int>{3});
}

struct SuggestButtonsCase {
    const char* name;
    int suggest;
    int hand;
    bool skatBoxShown;
    bool gameButtonShown;
    int command;
};

// A failing case names itself, not its bytes.
void PrintTo(const SuggestButtonsCase& c, std::ostream* out) { *out << c.name; }

const SuggestButtonsCase kSuggestButtonsCases[] = {
    {"SuggestionsOnPickedUp", 1, 0, true, true, CM_SUGGEST_SKAT},
    {"SuggestionsOnHand", 1, 1, false, true, CM_DECLARE},
    {"SuggestionsOffPickedUp", 0, 0, false, false, CM_DECLARE},
    {"SuggestionsOffHand", 0, 1, false, false, CM_DECLARE},
};

class SuggestButtonsTest : public DeclareBarTest, public ::testing::WithParamInterface<SuggestButtonsCase> {};

TEST_P(SuggestButtonsTest, ShowTheSwitchesBySuggestionsAndHand) {
    const SuggestButtonsCase& c = GetParam();
    g_Settings.Options.Suggest = c.suggest;
    g_Game.HandAnnounced = c.hand;
    auto* bar = Open();
    EXPECT_EQ(Visible(bar, IDC_SUGGEST_SKAT_BOX), c.skatBoxShown);
    EXPECT_EQ(Visible(bar, IDC_SUGGEST_GAME), c.gameButtonShown);
    EXPECT_EQ(bar->Command(), c.command);
    EXPECT_EQ(Checked(bar, IDC_SUGGEST_SKAT_BOX), c.command == CM_SUGGEST_SKAT ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, SuggestButtonsTest, ::testing::ValuesIn(kSuggestButtonsCases),
                         [](const ::testing::TestParamInfo<SuggestButtonsCase>& info) { return info.param.name; });

TEST_F(DeclareBarTest, SwitchingSuggestionsOnDuringTheDeclarationMakesTheSkatSuggestionPending) {
    g_Settings.Options.Suggest = 0;
    auto* bar = Open();
    ASSERT_EQ(bar->Command(), CM_DECLARE);
    g_Settings.Options.Suggest = 1;
    bar->UpdateSuggestButton();
    EXPECT_TRUE(Visible(bar, IDC_SUGGEST_SKAT_BOX));
    EXPECT_TRUE(Visible(bar, IDC_SUGGEST_GAME));
    EXPECT_EQ(bar->Command(), CM_SUGGEST_SKAT);
    g_Settings.Options.Suggest = 0;
    bar->UpdateSuggestButton();
    EXPECT_FALSE(Visible(bar, IDC_SUGGEST_SKAT_BOX));
    EXPECT_EQ(bar->Command(), CM_DECLARE);
    EXPECT_EQ(Checked(bar, IDC_SUGGEST_SKAT_BOX), 0);
}

// A resize keeps the skat suggestion pending only while the menu's suggestion switch is on; the
// box then shows exactly the command.
TEST_F(DeclareBarTest, ResizingFollowsTheMenusSuggestionSwitch) {
    g_Settings.Options.Suggest = 1;
    auto* bar = Open();
    ASSERT_TRUE(Frame().Table().MainMenu);
    platform::Rect rect = bar->WindowRect();
    Frame().Table().MainMenu->CheckItem(ID_SUGGEST, true);
    rect.right += 10;
    bar->MoveWindow(rect);
    EXPECT_EQ(bar->Command(), CM_SUGGEST_SKAT);
    EXPECT_EQ(Checked(bar, IDC_SUGGEST_SKAT_BOX), 1);
    Frame().Table().MainMenu->CheckItem(ID_SUGGEST, false);
    rect.right += 10;
    bar->MoveWindow(rect);
    EXPECT_EQ(bar->Command(), CM_DECLARE);
    EXPECT_EQ(Checked(bar, IDC_SUGGEST_SKAT_BOX), 0);
}

struct RevolutionCase {
    const char* name;
    int variantMode;
    int setting;
    int hand;
    bool enabled;
};

// A failing case names itself, not its bytes.
void PrintTo(const RevolutionCase& c, std::ostream* out) { *out << c.name; }

const RevolutionCase kRevolutionCases[] = {
    {"VariantSkatHand", VARIANT_SKAT, 1, 1, true},
    {"VariantSkatPickedUp", VARIANT_SKAT, 1, 0, false},
    {"RuleSkatHand", VARIANT_OFFICIAL, 1, 1, false},
    {"VariantOff", VARIANT_SKAT, 0, 1, false},
};

class RevolutionButtonTest : public DeclareBarTest, public ::testing::WithParamInterface<RevolutionCase> {};

TEST_P(RevolutionButtonTest, IsOfferedOnlyAsAHandGameOfVariantSkat) {
    const RevolutionCase& c = GetParam();
    g_Game.VariantMode = c.variantMode;
    g_Settings.Variants.Revolution = c.setting;
    g_Game.HandAnnounced = c.hand;
    auto* bar = Open();
    EXPECT_EQ(Enabled(bar, IDC_REVOLUTION), c.enabled);
}

INSTANTIATE_TEST_SUITE_P(Cases, RevolutionButtonTest, ::testing::ValuesIn(kRevolutionCases),
                         [](const ::testing::TestParamInfo<RevolutionCase>& info) { return info.param.name; });

TEST_F(DeclareBarTest, TheSuitButtonsShowTheSuitSymbols) {
    auto* bar = Open();
    const std::pair<int, int> pictures[] = {{IDC_CLUBS, IDB_SUIT_CLUBS},
                                            {IDC_SPADES, IDB_SUIT_SPADES},
                                            {IDC_HEARTS, IDB_SUIT_HEARTS},
                                            {IDC_DIAMONDS, IDB_SUIT_DIAMONDS}};
    for (const auto& [button, picture] : pictures)
        EXPECT_EQ(::SendMessage(bar->GetDlgItem(button), BM_GETIMAGE, 0, 0), picture) << button;
    EXPECT_EQ(::SendMessage(bar->GetDlgItem(IDC_GRAND), BM_GETIMAGE, 0, 0), 0);
}

TEST_F(DeclareBarTest, TheDeclarationBarHasTwoRowsAndNoDefaultButton) {
    auto* bar = Open();
    EXPECT_EQ(bar->GetDefID(), 0);
    const auto top = [&](int id) { return ::WindowFromHandle(bar->GetDlgItem(id))->WindowRect().top; };
    EXPECT_LT(top(IDC_SPADES), top(IDC_SCHNEIDER));
}

// --- Enter -------------------------------------------------------------------------------------

struct EnterCase {
    const char* name;
    int focus;
    const char* flags;
    std::vector<int> effects;
};

// A failing case names itself, not its bytes.
void PrintTo(const EnterCase& c, std::ostream* out) { *out << c.name; }

const EnterCase kEnterCases[] = {
    {"OnSchneiderTogglesIt", IDC_SCHNEIDER, "100", {3}},
    {"OnSchwarzTogglesIt", IDC_SCHWARZ, "010", {3}},
    {"OnOuvertTogglesIt", IDC_OUVERT, "001", {3}},
    {"OnGrandOnlySounds", IDC_GRAND, "000", {2}},
    {"OnAGameButtonNothing", IDC_SPADES, "000", {}},
    {"OnClubsNothing", IDC_CLUBS, "000", {}},
};

class EnterKeyTest : public DeclareBarTest, public ::testing::WithParamInterface<EnterCase> {};

TEST_P(EnterKeyTest, NeverDeclaresAndKeepsTheFocus) {
    const EnterCase& c = GetParam();
    g_Game.VariantMode = VARIANT_SKAT;
    g_Settings.Options.Suggest = 0;
    auto* bar = Open();
    const HWND focus = bar->GetDlgItem(c.focus);
    bar->GotoDlgCtrl(focus);
    ASSERT_EQ(::GetFocus(), focus);
    sounds_.Clear();
    host_->Key(host_->NowMs(), VK_RETURN);
    host_->PumpFor(50);
    EXPECT_TRUE(FrameCommands().empty());
    EXPECT_EQ(Flags(), c.flags);
    EXPECT_EQ(Effects(), c.effects);
    EXPECT_EQ(::GetFocus(), focus);
    EXPECT_TRUE(::IsWindowVisible(bar->Handle()));
}

INSTANTIATE_TEST_SUITE_P(Cases, EnterKeyTest, ::testing::ValuesIn(kEnterCases),
                         [](const ::testing::TestParamInfo<EnterCase>& info) { return info.param.name; });

// --- Demonstration -------------------------------------------------------------------------------

TEST_F(DeclareBarTest, DemonstrationArmsTheDeclareOrTheSkatTimer) {
    g_Game.DemoMode = 1;
    g_Settings.Options.Suggest = 0;
    g_Game.HandAnnounced = 0;
    Open();
    auto& system = platform::WindowSystem::Instance();
    EXPECT_TRUE(system.IsTimerArmed(Frame().Handle(), TM_DEMO_SUGGEST_SKAT));
    EXPECT_FALSE(system.IsTimerArmed(Frame().Handle(), TM_DEMO_DECLARE));
    CloseBar();
    Frame().KillTimer(TM_DEMO_SUGGEST_SKAT);
    g_Game.HandAnnounced = 1;
    Open();
    EXPECT_TRUE(system.IsTimerArmed(Frame().Handle(), TM_DEMO_DECLARE));
}

}  // namespace

namespace {

// The four games without a suit picture carry the declaration bar's font (Arial 14, bold), also on the
// native widget; the suit buttons and the boxes keep the dialog's.
TEST_F(DeclareBarTest, TheGamesWithoutPictureCarryTheBarsFont) {
    auto* bar = Open();
    for (int id : {IDC_NULL, IDC_NULL_OUVERT, IDC_GRAND, IDC_REVOLUTION}) {
        const auto* control = platform::ControlFromHandle(bar->GetDlgItem(id));
        ASSERT_NE(control, nullptr) << id;
        ASSERT_NE(control->Font(), nullptr) << id;
        EXPECT_EQ(control->Font()->face, "Arial") << id;
        EXPECT_EQ(control->Font()->height, 14) << id;
        EXPECT_EQ(control->Font()->weight, 700) << id;
        EXPECT_EQ(::SendMessage(bar->GetDlgItem(id), WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(control->Font()))
            << id;
    }
    for (int id : {IDC_CLUBS, IDC_SCHNEIDER})
        EXPECT_EQ(::SendMessage(bar->GetDlgItem(id), WM_GETFONT, 0, 0), 0) << id;
}

// "&Hilfe" opens the declaration's help page without a sound; the second click closes every help.
TEST_F(DeclareBarTest, HelpTogglesTheDeclarationPageSilently) {
    platform::DesktopRecorder desktop;
    auto* bar = Open();
    Click(bar, IDC_HELP);
    ASSERT_EQ(desktop.HelpRequests().size(), 1u);
    EXPECT_EQ(desktop.HelpRequests()[0].topic.page, "Bedienung/SpielAnsagen.htm");
    Click(bar, IDC_HELP);
    EXPECT_EQ(desktop.HelpRequests().size(), 1u);
    EXPECT_EQ(desktop.HelpClosings(), 1);
    EXPECT_TRUE(Effects().empty());
}

}  // namespace

// The declaration's words: the course text of the game message (rich text) and the status text,
// by rule set, game and announcements.
#include "flow/FrameDeclaration.h"
#include "flow/FlowFixture.h"
#include "flow/MainFrame.h"
#include "flow/FrameTexts.h"
#include "flow/FrameTimers.h"
#include "flow/TableState.h"
#include "model/PlayerData.h"
#include "model/Skat.h"

namespace {

using testsupport::FlowFixture;

struct SetupCase {
    const char* name;
    int variant, game, hand, ouvert, schneider, schwarz;
    const char* course;
    const char* status;
    const char* trace;
};

// A failing case names itself, not its bytes.
void PrintTo(const SetupCase& c, std::ostream* out) { *out << c.name; }

class SetupGameTest : public FlowFixture, public ::testing::WithParamInterface<SetupCase> {};

TEST_P(SetupGameTest, CourseAndStatusSayTheGame) {
    const SetupCase& c = GetParam();
    DealAndHold();
    g_Game.VariantMode = c.variant;
    g_Game.GameType = c.game;
    g_Game.HandAnnounced = c.hand;
    g_Game.OuvertAnnounced = c.ouvert;
    g_Game.SchneiderAnnounced = c.schneider;
    g_Game.SchwarzAnnounced = c.schwarz;
    g_Game.Soloist = 2;
    Frame().FrameTexts().SetStatusText("X");
    const std::string course = Frame().FrameDeclaration().SetupGame(Frame().GameObject().Person(), *Frame().GameObject().Player(1),
                                                 *Frame().GameObject().Player(0));
    EXPECT_EQ(course, c.course);
    EXPECT_EQ(Frame().Texts().StatusText, c.status);
    EXPECT_EQ(Frame().Table().StatusBar.PaneText(0), c.status);
    EXPECT_GE(FindLine(std::string("CMainFrame::SetupGame(") + c.trace + ")"), 0) << LogText();
    EXPECT_EQ(g_Game.FlowState, STATE_PLAY);
    EXPECT_EQ(Frame().Timers().StatusRotation, 1);
}

const SetupCase kSetupCases[] = {
    {"RuleHandSchneider", VARIANT_OFFICIAL, 0, 1, 0, 1, 0,
     "Play \\b\\cf2 Clubs\\b0\\cf1 \\b\\cf2  Hand\\b0\\cf1 , \\b\\cf2 Schneider announced\\b0\\cf1 ",
     "X: plays Clubs Hand, Schneider announced", "Person:KzHdSnAn"},
    {"RuleOuvertStandsAlone", VARIANT_OFFICIAL, 1, 1, 1, 1, 0, "Play \\b\\cf2 Spades\\b0\\cf1 \\b\\cf2  Ouvert\\b0\\cf1 ",
     "X: plays Spades Ouvert", "Person:PkHdOvSnAn"},
    {"RuleNoWordsWithoutHand", VARIANT_OFFICIAL, 6, 0, 0, 1, 0, "Play \\b\\cf2 Grand\\b0\\cf1 ", "X: plays Grand",
     "Person:GdSnAn"},
    {"VariantSchwarzOverSchneider", VARIANT_SKAT, 2, 1, 1, 1, 1,
     "Play \\b\\cf2 Hearts\\b0\\cf1  \\b\\cf2  Hand\\b0\\cf1  \\b\\cf2  Ouvert\\b0\\cf1 . \\b\\cf2 Schwarz announced\\b0\\cf1 ",
     "X: plays Hearts Hand Ouvert, Schwarz announced", "Person:HzHdOvSnAnSwAn"},
    {"VariantSchneiderAlone", VARIANT_SKAT, 3, 0, 0, 1, 0,
     "Play \\b\\cf2 Diamonds\\b0\\cf1 , \\b\\cf2 Schneider announced\\b0\\cf1 ", "X: plays Diamonds, Schneider announced",
     "Person:KaSnAn"},
    {"NullOuvertHand", VARIANT_SKAT, 4, 1, 1, 0, 0, "Play \\b\\cf2 Null\\b0\\cf1 \\b\\cf2  Ouvert\\b0\\cf1 \\b\\cf2  Hand\\b0\\cf1 ",
     "X: plays Null Ouvert Hand", "Person:NlOvHd"},
    {"RevolutionSaysNoWords", VARIANT_SKAT, 5, 1, 1, 0, 0, "Play \\b\\cf2 Revolution\\b0\\cf1 ", "X: plays Revolution",
     "Person:Rv"},
    {"RamschOnlyHandAlone", VARIANT_RAMSCH_ONLY, 6, 1, 0, 1, 0, "Play \\b\\cf2 Grand\\b0\\cf1  \\b\\cf2  Hand\\b0\\cf1 ",
     "X: plays Grand Hand", "Person:GdHdSnAn"},
};

INSTANTIATE_TEST_SUITE_P(Games, SetupGameTest, ::testing::ValuesIn(kSetupCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The skat's card points count for the soloist's party after a pick-up; a Hand game leaves them out.
TEST_F(SetupGameTest, TheSkatCountsForTheSoloistUnlessHand) {
    DealAndHold();
    const int skat = Frame().GameObject().CountPoints();
    g_Game.GameType = 0;
    g_Game.HandAnnounced = 0;
    Frame().FrameDeclaration().SetupGame(Frame().GameObject().Person(), *Frame().GameObject().Player(1), *Frame().GameObject().Player(0));
    EXPECT_EQ(g_Game.PartyPoints[0], skat);
    g_Game.HandAnnounced = 1;
    Frame().FrameDeclaration().SetupGame(Frame().GameObject().Person(), *Frame().GameObject().Player(1), *Frame().GameObject().Player(0));
    EXPECT_EQ(g_Game.PartyPoints[0], 0);
}

}  // namespace

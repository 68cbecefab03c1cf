// The roads off the ten tricks: breaking off and repeating the deal, the Kontra rule and its
// messages, and the refused push of a Jack in Schieberamsch.
#include "flow/FrameDeclaration.h"
#include "flow/FlowFixture.h"
#include "flow/MainFrame.h"
#include "flow/FrameKontra.h"
#include "flow/FrameTexts.h"
#include "flow/MatchSeries.h"

#include "computer/evaluation/Kontra.h"
#include "computer/evaluation/KontraDecision.h"
#include "dialogs/RamschBars.h"
#include "flow/PromptBars.h"
#include "flow/TableState.h"
#include "model/CardCodes.h"
#include "model/PlayerData.h"
#include "model/Settings.h"
#include "model/Skat.h"
#include "platform/core/Resources.h"
#include "resources/ids.h"
#include "support/CardNames.h"
#include "support/SkatTestAccess.h"
#include "support/FrameGameAccess.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

using testsupport::FlowFixture;

class GameRoadsTest : public FlowFixture {
protected:
    // The dealt cards of the three hands and the skat, each in card order.
    std::array<std::vector<int>, 4> Dealt() {
        std::array<std::vector<int>, 4> rows{Frame().GameObject().Player(0)->dealt, Frame().GameObject().Player(1)->dealt,
                                             Frame().GameObject().Person().dealt, Frame().GameObject().dealt};
        for (auto& row : rows) std::sort(row.begin(), row.end());
        return rows;
    }
    int CardsInPlay() {
        const CSkat& game = Frame().GameObject();
        return game.Player(0)->count + game.Player(1)->count + game.Person().count + game.count + game.Trick().count;
    }
};

// A break during the Grand Hand offer ends the Ramsch rounds where they stand; Repeat deals the
// same hands and skat again with Kontra open.
TEST_F(GameRoadsTest, BreakAtTheGrandHandOfferThenRepeatDealsTheSameCards) {
    DealAndHold();
    ASSERT_NE(OpenBarAs<CGrandHandDialog>(Frame()), nullptr);
    const auto dealt = Dealt();
    Frame().SendMessage(WM_COMMAND, ID_BREAK);
    host_->PumpFor(1000);
    EXPECT_EQ(g_Game.FlowState, STATE_IDLE);
    EXPECT_EQ(g_Game.StopFlag, StopState::Requested);
    EXPECT_EQ(Frame().Series().RepeatAllowed, 1);
    EXPECT_EQ(Frame().Series().GameRunning, 0);
    EXPECT_EQ(Frame().Prompts().PromptDialog, nullptr);
    // A late answer to the offer moves nothing.
    Frame().SendMessage(WM_COMMAND, CM_GRAND_HAND);
    EXPECT_EQ(g_Game.FlowState, STATE_IDLE);
    EXPECT_GE(FindLine("CMainFrame::OnGrandHand(late)"), 0);

    g_Game.KontraState = KONTRA_SAID;
    Frame().SendMessage(WM_COMMAND, ID_REPEAT);
    EXPECT_EQ(g_Game.StopFlag, StopState::Running);
    EXPECT_EQ(g_Game.KontraState, KONTRA_NONE);
    EXPECT_EQ(Frame().Series().RepeatAllowed, 0);
    ASSERT_TRUE(host_->PumpUntil([] { return g_Game.FlowState == STATE_START; }, 10000));
    EXPECT_EQ(Dealt(), dealt);
    EXPECT_EQ(Frame().GameObject().Person().count, 10);
    EXPECT_GE(FindLine("CMainFrame::OnRepeat()"), 0);
}

// Repeat while a game runs only writes its traces and clears the stop flag.
TEST_F(GameRoadsTest, RepeatWhileAGameRunsDealsNothing) {
    DealAndHold();
    const auto dealt = Dealt();
    g_Game.StopFlag = StopState::Requested;
    Frame().SendMessage(WM_COMMAND, ID_REPEAT);
    EXPECT_EQ(g_Game.StopFlag, StopState::Running);
    EXPECT_EQ(g_Game.FlowState, STATE_START);
    EXPECT_EQ(Dealt(), dealt);
    EXPECT_EQ(FindLine("CMainFrame::State(NEW)"), -1);
}

// The Kontra rule, with the person's hand of ten or nine cards.
struct KontraRuleCase {
    const char* name;
    int variant;
    bool hasBid;
    int roundStatus;
    int gameType;
    int cards;
    int soloist;
    int kontraSetting;
    int kontraState;
    bool possible;
};

// A failing case names itself, not its bytes.
void PrintTo(const KontraRuleCase& c, std::ostream* out) { *out << c.name; }

const KontraRuleCase kKontraRules[] = {
    {"RuleSkatNever", VARIANT_OFFICIAL, true, ROUND_NORMAL, GAME_GRAND, 10, 0, 1, KONTRA_NONE, false},
    {"VariantAfterABid", VARIANT_SKAT, true, ROUND_NORMAL, 0, 10, 0, 1, KONTRA_NONE, true},
    {"VariantOnlyPassed", VARIANT_SKAT, false, ROUND_NORMAL, 0, 10, 0, 1, KONTRA_NONE, false},
    {"VariantGrandOfARamschRound", VARIANT_SKAT, false, ROUND_RAMSCH, GAME_GRAND, 10, 1, 1, KONTRA_NONE, true},
    {"VariantSuitOfARamschRound", VARIANT_SKAT, false, ROUND_RAMSCH, 2, 10, 1, 1, KONTRA_NONE, false},
    {"VariantGrandOfABockRound", VARIANT_SKAT, false, ROUND_BOCK, GAME_GRAND, 10, 1, 1, KONTRA_NONE, false},
    {"RamschOnlyGrand", VARIANT_RAMSCH_ONLY, false, ROUND_NORMAL, GAME_GRAND, 10, 0, 1, KONTRA_NONE, true},
    {"RamschOnlyNull", VARIANT_RAMSCH_ONLY, true, ROUND_NORMAL, GAME_NULL, 10, 0, 1, KONTRA_NONE, false},
    {"AfterTheFirstCard", VARIANT_SKAT, true, ROUND_NORMAL, 0, 9, 0, 1, KONTRA_NONE, false},
    {"TheSoloistHimself", VARIANT_SKAT, true, ROUND_NORMAL, 0, 10, 2, 1, KONTRA_NONE, false},
    {"KontraSwitchedOff", VARIANT_SKAT, true, ROUND_NORMAL, 0, 10, 0, 0, KONTRA_NONE, false},
    {"AlreadyGiven", VARIANT_SKAT, true, ROUND_NORMAL, 0, 10, 0, 1, KONTRA_SAID, false},
};

class KontraRuleTest : public GameRoadsTest, public ::testing::WithParamInterface<KontraRuleCase> {};

TEST_P(KontraRuleTest, TheRuleOfTheBarAndTheComputersIsOne) {
    const KontraRuleCase& c = GetParam();
    DealAndHold();
    // Nine cards, as after the first trick, are cut by hand: the rule is asked with ten and nine.
    CPerson& person = SkatTestAccess::Person(FrameGameAccess::Game(Frame()));
    if (c.cards == 9) person.RemoveCard(0, true);
    ASSERT_EQ(person.count, c.cards);
    g_Game.VariantMode = c.variant;
    g_Game.HasBid[2] = c.hasBid ? 1 : 0;
    g_Game.RoundStatus = c.roundStatus;
    g_Game.SetGameType(c.gameType);
    g_Game.Soloist = c.soloist;
    g_Game.KontraState = c.kontraState;
    g_Settings.Variants.Kontra = c.kontraSetting;
    EXPECT_EQ(Frame().FrameKontra().IsKontraPossible(person), c.possible);
    EXPECT_EQ(Frame().FrameKontra().IsKontraPossible(), c.possible);
    EXPECT_EQ(KontraPermitted(person), c.possible);
}

INSTANTIATE_TEST_SUITE_P(Rules, KontraRuleTest, ::testing::ValuesIn(kKontraRules),
                         [](const auto& info) { return std::string(info.param.name); });

// The message before a computer's card tells only of a change from "open".
TEST_F(GameRoadsTest, TheKontraMessageComesOnlyAfterAChangeFromOpen) {
    DealAndHold();
    g_Game.KontraState = KONTRA_SAID;
    ASSERT_EQ(Frame().Texts().KontraText, "") << "nobody has said Kontra in the held deal";
    Frame().FrameKontra().ShowKontraMessage(KONTRA_SAID, 0, "Comp1");
    host_->PumpFor(500);
    EXPECT_TRUE(answerer_.answered.empty());
    EXPECT_EQ(Frame().Texts().KontraText, "");

    Frame().FrameKontra().ShowKontraMessage(KONTRA_NONE, 0, "Comp1");
    EXPECT_EQ(answerer_.answered.size(), 1u);
    EXPECT_EQ(Frame().Texts().KontraText, "Kontra");

    g_Game.KontraState = KONTRA_REKONTRA;
    Frame().FrameKontra().ShowKontraMessage(KONTRA_NONE, 1, "Comp2");
    EXPECT_EQ(answerer_.answered.size(), 2u);
    EXPECT_EQ(Frame().Texts().KontraText, "Rekontra");

    g_Game.KontraState = KONTRA_NONE;
    Frame().FrameKontra().ShowKontraMessage(KONTRA_NONE, 1, "Comp2");
    EXPECT_EQ(answerer_.answered.size(), 2u);
}

// A Kontra command when none is open (a second click, the person as soloist) changes nothing.
TEST_F(GameRoadsTest, ALateKontraCommandChangesNothing) {
    DealAndHold();
    g_Game.Soloist = 2;
    g_Game.KontraState = KONTRA_NONE;
    Frame().SendMessage(WM_COMMAND, CM_KONTRA);
    EXPECT_EQ(g_Game.KontraState, KONTRA_NONE);
    g_Game.Soloist = 0;
    g_Game.KontraState = KONTRA_SAID;
    Frame().SendMessage(WM_COMMAND, CM_KONTRA);
    EXPECT_EQ(g_Game.KontraState, KONTRA_SAID);
    EXPECT_GE(FindLine("CMainFrame::OnKontra(late)"), 0);
}

// The person's exchange in Schieberamsch: a Jack in the pushed skat is refused and the bar stays;
// two other cards hand the turn on.
TEST_F(GameRoadsTest, APushedJackIsRefusedAndTwoOtherCardsHandTheTurnOn) {
    DealAndHold();
    CMainFrame& frame = Frame();
    CSkat& game = FrameGameAccess::Game(frame);
    frame.CloseModelessDialog();
    // The skat is made to hold a Jack and a card that is none.
    int jackSlot = -1, plainSlot = -1;
    for (int slot = 0; slot < 10; ++slot) {
        const int card = game.Person().cards[slot];
        if (GetCardRank(card) == 5 && jackSlot < 0) jackSlot = slot;
        if (GetCardRank(card) != 5 && plainSlot < 0) plainSlot = slot;
    }
    ASSERT_GE(jackSlot, 0) << "the deal gives the person a Jack";
    ASSERT_GE(plainSlot, 0);
    if (GetCardRank(game.cards[0]) != 5) std::swap(game.cards[0], SkatTestAccess::Person(game).cards[jackSlot]);
    if (GetCardRank(game.cards[1]) == 5) std::swap(game.cards[1], SkatTestAccess::Person(game).cards[plainSlot]);
    ASSERT_EQ(GetCardRank(game.cards[0]), 5);
    g_Game.SetGameType(GAME_RAMSCH);
    g_Game.TurnSeat = g_Game.SkatHolderSeat = 2;
    frame.SetFlowState(STATE_QUERY);
    frame.FrameDeclaration().MoveSkatToTrick();
    ASSERT_NE(OpenPromptBar<CEndSwapRamschDialog>(frame), nullptr);
    const HWND bar = frame.Prompts().PromptDialog;
    frame.SendMessage(WM_COMMAND, CM_PUSH_SKAT);
    EXPECT_EQ(frame.Table().StatusBar.PaneText(0), platform::LoadString(IDS_RAMSCH_JACK_IN_SKAT));
    EXPECT_EQ(g_Game.FlowState, STATE_QUERY);
    EXPECT_EQ(frame.Prompts().PromptDialog, bar);
    EXPECT_EQ(game.Trick().count, 2);
    EXPECT_EQ(CardsInPlay(), 32);

    // The Jack goes back into the hand for a plain card: the push is taken.
    int plain = -1;
    for (int slot = 0; slot < 10; ++slot)
        if (GetCardRank(game.Person().cards[slot]) != 5 && game.Person().cards[slot] != game.Trick().cards[1]) plain = slot;
    ASSERT_GE(plain, 0);
    std::swap(SkatTestAccess::Trick(game).cards[0], SkatTestAccess::Person(game).cards[plain]);
    g_Game.PartyTricks[0] = g_Game.PartyTricks[1] = 1;  // the person is the last of the round
    frame.SendMessage(WM_COMMAND, CM_PUSH_SKAT);
    host_->PumpFor(200);
    // The skat lies in the skat again and the round is over: play has begun.
    EXPECT_EQ(game.Trick().count, 0);
    EXPECT_EQ(game.count, 2);
    EXPECT_EQ(GetCardRank(game.cards[0]) == 5 || GetCardRank(game.cards[1]) == 5, false);
    EXPECT_EQ(g_Game.FlowState, STATE_PLAY);
    EXPECT_GE(FindLine("CMainFrame::PickupRamsch(Person)"), 0);
}

}  // namespace

namespace {

// A computer's Kontra against the person's game: the person's Rekontra advice only fills the
// rule number of his prompt; the game keeps Kontra until he presses Rekontra himself.
TEST_F(GameRoadsTest, ThePersonsRekontraAdviceNeverChangesTheGame) {
    DealAndHold();
    CMainFrame& frame = Frame();
    CSkat& game = FrameGameAccess::Game(frame);
    frame.CloseModelessDialog();
    // The person plays Clubs with every Jack and the Clubs from the Ace down: Rekontra is advised.
    const std::vector<int> strong = testsupport::CardsOf("CJ SJ HJ DJ CA CT CK CQ C9 C8");
    // The hand is given card by card: no seed is needed that deals it.
    for (int slot = 0; slot < 10; ++slot) SkatTestAccess::Person(game).cards[slot] = strong[slot];
    g_Game.VariantMode = VARIANT_SKAT;
    g_Game.SetGameType(GAME_CLUBS);
    g_Game.Soloist = 2;
    g_Game.KontraState = KONTRA_NONE;
    g_Game.KontraSeat = 3;
    game.PersonThinks([](CPlayer& person) { person.AnalyseHand(0); });
    // Comp1 has played a card and kept its Kontra decision from before.
    SkatTestAccess::Player(game, 0).RemoveCard(0, true);
    SkatTestAccess::Player(game, 0).gameOptions[GAME_CLUBS][9] = 1;
    // Without the guard the advice would be the game: it says Rekontra for this hand.
    {
        const int state = g_Game.KontraState;
        g_Game.KontraState = KONTRA_SAID;
        ASSERT_TRUE(game.PersonThinks([](CPlayer& person) { return CKontraDecision(person).AnnounceRekontra(); }));
        g_Game.KontraState = state;
    }
    frame.FrameKontra().ComputerKontra();
    EXPECT_EQ(answerer_.answered.size(), 1u);
    EXPECT_EQ(g_Game.KontraState, KONTRA_SAID);
    EXPECT_EQ(g_Game.KontraSeat, 0);
    EXPECT_EQ(frame.Texts().KontraText, "Kontra");
}

}  // namespace

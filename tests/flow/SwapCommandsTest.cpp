// The manipulation commands on a fixed deal: two suits or two hands exchanged in the deal, which is
// then played again and marked; the free card exchange that starts the game with the swapped
// cards; the skat swap's switch; and the refusals.
#include "flow/FrameDeclaration.h"
#include "flow/FlowFixture.h"
#include "flow/MainFrame.h"
#include "flow/CardExchange.h"
#include "flow/FrameTexts.h"

#include "dialogs/DialogIds.h"
#include "dialogs/SettingsIds.h"
#include "flow/FrameGlobals.h"
#include "flow/TableState.h"
#include "model/FlowGlobals.h"
#include "model/CardCodes.h"
#include "model/Skat.h"
#include "platform/core/DialogAnswer.h"
#include "resources/ids.h"
#include "support/CardNames.h"
#include "support/FrameGameAccess.h"

#include <algorithm>
#include <vector>

namespace {

using platform::DialogAction;
using testsupport::FlowFixture;

constexpr int kAce = 0, kSeven = 1, kEight = 2, kNine = 3, kTen = 4, kJack = 5, kQueen = 6, kKing = 7;
constexpr int kClubs = 0, kSpades = 1, kHearts = 2, kDiamonds = 3;
constexpr int kSwapped = 8, kAborted = 1, kRepeated = 4;

int C(int rank, int suit) { return CardCodeOf(rank, suit); }

std::vector<int> Sorted(std::vector<int> cards) {
    std::sort(cards.begin(), cards.end());
    return cards;
}

// The fixed deal: seat 0 all Clubs and two Spades, seat 1 the other Spades and four Hearts, seat 2
// the other Hearts and six Diamonds, the skat two Diamonds.
const std::vector<int> kSeat0 = testsupport::CardsOf("CA CT CK CQ CJ C9 C8 C7 SA ST");
const std::vector<int> kSeat1 = testsupport::CardsOf("SK SQ SJ S9 S8 S7 HA HT HK HQ");
const std::vector<int> kSeat2 = testsupport::CardsOf("HJ H9 H8 H7 DA DT DK DQ DJ D9");
const std::vector<int> kSkat = testsupport::CardsOf("D8 D7");

class SwapCommandsTest : public FlowFixture {
protected:
    // A dealt game waiting at its start, with the fixed deal as its dealt cards.
    void HoldFixedDeal() {
        DealAndHold(4711);
        SetFixedDeal();
    }
    void SetFixedDeal() {
        std::vector<int> hands(kSeat0);
        hands.insert(hands.end(), kSeat1.begin(), kSeat1.end());
        hands.insert(hands.end(), kSeat2.begin(), kSeat2.end());
        FrameGameAccess::Game(Frame()).SetDeal(hands.data(), kSkat.data());
        g_Game.CheatMask = 0;
    }
    std::vector<int> Dealt(int seat) {
        return Sorted(seat == 3 ? Frame().GameObject().dealt : Frame().GameObject().Hand(seat).dealt);
    }
    // The cards a row holds now.
    static std::vector<int> Held(const CCards& row) {
        std::vector<int> cards;
        for (std::size_t slot = 0; slot < row.present.size(); ++slot)
            if (row.present[slot]) cards.push_back(row.cards[slot]);
        return Sorted(cards);
    }
    void Send(int command) {
        Frame().SendMessage(WM_COMMAND, command);
        host_->PumpUntilIdle();
    }
};

struct SuitCase {
    const char* name;
    std::vector<DialogAction> actions;
    std::vector<int> seat0, seat1;
};

// Clubs and Spades exchanged: every other card of the two suits changes place wherever it lies;
// the Jacks only when they are included. The deal is played again at once and the game is marked
// swapped, broken off and repeated.
TEST_F(SwapCommandsTest, SwapSuitsClubsAndSpades) {
    const SuitCase cases[] = {
        {"without Jacks",
         {DialogAction::Check(1179), DialogAction::Check(1187), DialogAction::Press(IDOK)},
         testsupport::CardsOf("SA ST SK SQ CJ S9 S8 S7 CA CT"),
         testsupport::CardsOf("CK CQ SJ C9 C8 C7 HA HT HK HQ")},
        {"with Jacks",
         {DialogAction::Check(1179), DialogAction::Check(1188), DialogAction::Press(IDOK)},
         testsupport::CardsOf("SA ST SK SQ SJ S9 S8 S7 CA CT"),
         testsupport::CardsOf("CK CQ CJ C9 C8 C7 HA HT HK HQ")},
    };
    HoldFixedDeal();
    for (const SuitCase& c : cases) {
        SCOPED_TRACE(c.name);
        SetFixedDeal();
        ASSERT_EQ(g_Game.FlowState, STATE_START);
        host_->Answers().PushDialogAnswer(IDD_SWAP_SUITS, c.actions);
        Send(ID_SWAP_SUITS);
        EXPECT_EQ(Dealt(0), Sorted(c.seat0));
        EXPECT_EQ(Dealt(1), Sorted(c.seat1));
        EXPECT_EQ(Dealt(2), Sorted(kSeat2));
        EXPECT_EQ(Dealt(3), Sorted(kSkat));
        // The replayed deal is the swapped one.
        EXPECT_EQ(Held(Frame().GameObject().Hand(0)), Sorted(c.seat0));
        EXPECT_EQ(Held(Frame().GameObject().Hand(1)), Sorted(c.seat1));
        EXPECT_EQ(g_Game.CheatMask & (kSwapped | kAborted | kRepeated), kSwapped | kAborted | kRepeated);
    }
}

// Hearts and Diamonds exchanged with the Jacks: the person's Jack of Hearts becomes the Jack of
// Diamonds and the skat's Diamonds become Hearts.
TEST_F(SwapCommandsTest, SwapSuitsReachesTheSkat) {
    HoldFixedDeal();
    host_->Answers().PushDialogAnswer(
        IDD_SWAP_SUITS, {DialogAction::Check(1184), DialogAction::Check(1188), DialogAction::Press(IDOK)});
    Send(ID_SWAP_SUITS);
    EXPECT_EQ(Dealt(3), Sorted(testsupport::CardsOf("H8 H7")));
    EXPECT_EQ(Dealt(2), Sorted(testsupport::CardsOf("DJ D9 D8 D7 HA HT HK HQ HJ H9")));
    EXPECT_EQ(Dealt(0), Sorted(kSeat0));
}

struct HandsCase {
    int button;
    std::vector<int> seat0, seat1, seat2;
};

// The three pairs of hands: the two seats' deals change places, the third stays, and the deal
// played again is the swapped one.
TEST_F(SwapCommandsTest, SwapHandsForEachPair) {
    const HandsCase cases[] = {
        {1037, kSeat2, kSeat1, kSeat0},  // the person with the left partner
        {1038, kSeat0, kSeat2, kSeat1},  // the person with the right partner
        {1039, kSeat1, kSeat0, kSeat2},  // left with right
    };
    HoldFixedDeal();
    for (const HandsCase& c : cases) {
        SCOPED_TRACE(c.button);
        SetFixedDeal();
        ASSERT_EQ(g_Game.FlowState, STATE_START);
        host_->Answers().PushDialogAnswer(IDD_SWAP_HANDS, {DialogAction::Check(c.button), DialogAction::Press(IDOK)});
        Send(ID_SWAP_HAND);
        EXPECT_EQ(Dealt(0), Sorted(c.seat0));
        EXPECT_EQ(Dealt(1), Sorted(c.seat1));
        EXPECT_EQ(Dealt(2), Sorted(c.seat2));
        EXPECT_EQ(Held(Frame().GameObject().PersonsHand()), Sorted(c.seat2));
        EXPECT_EQ(Dealt(3), Sorted(kSkat));
        EXPECT_EQ(g_Game.CheatMask & (kSwapped | kAborted | kRepeated), kSwapped | kAborted | kRepeated);
    }
}

// Cancel leaves the deal and the marks alone.
TEST_F(SwapCommandsTest, CancelledDialogsChangeNothing) {
    HoldFixedDeal();
    host_->Answers().PushDialogAnswer(IDD_SWAP_HANDS, {DialogAction::Press(IDCANCEL)});
    Send(ID_SWAP_HAND);
    host_->Answers().PushDialogAnswer(IDD_SWAP_SUITS, {DialogAction::Check(1188), DialogAction::Press(IDCANCEL)});
    Send(ID_SWAP_SUITS);
    EXPECT_EQ(Dealt(0), Sorted(kSeat0));
    EXPECT_EQ(Dealt(1), Sorted(kSeat1));
    EXPECT_EQ(Dealt(2), Sorted(kSeat2));
    EXPECT_EQ(g_Game.CheatMask, 0);
    EXPECT_EQ(g_Game.FlowState, STATE_START);
}

// Beneath another step, or where the menu has the items off, the three commands are refused with
// "Illegal action" and open nothing.
TEST_F(SwapCommandsTest, RefusedBeneathAnotherStepOrOutsideTheGame) {
    struct Case {
        const char* name;
        int stepDepth, modalPump, state;
    };
    const Case cases[] = {
        {"nested step", 1, 0, STATE_START},
        {"pumping wait", 0, 1, STATE_START},
        {"between games", 0, 0, STATE_IDLE},
        {"during play", 0, 0, STATE_PLAY},
    };
    HoldFixedDeal();
    for (const Case& c : cases) {
        for (int command : {ID_SWAP_CARDS, ID_SWAP_HAND, ID_SWAP_SUITS}) {
            SCOPED_TRACE(std::string(c.name) + " " + std::to_string(command));
            g_Game.FlowState = c.state;
            g_Frame.ModalPumpActive = c.modalPump;
            Frame().SetStatusPane(0, "");
            // A dialog that opened would take this answer and swap.
            host_->Answers().Clear();
            host_->Answers().PushDialogAnswer(IDD_SWAP_HANDS, {DialogAction::Press(IDOK)});
            host_->Answers().PushDialogAnswer(IDD_SWAP_SUITS, {DialogAction::Press(IDOK)});
            const auto send = [&] { Frame().SendMessage(WM_COMMAND, command); };
            if (c.stepDepth > 0) Frame().RunStep(send);
            else send();
            g_Frame.ModalPumpActive = 0;
            EXPECT_EQ(Frame().Table().StatusBar.PaneText(0), "Illegal action");
            EXPECT_EQ(host_->Answers().PendingDialogAnswers(), 2u);
            EXPECT_EQ(g_Game.CheatMask, 0);
            EXPECT_EQ(Dealt(0), Sorted(kSeat0));
            EXPECT_EQ(g_Game.FlowState, c.state);
        }
    }
}

// Swap Cards: the table shows the deal, the skat face up in the trick and both computer hands
// open; an exchange of the person's card with a skat card, then "finish", starts the game with the
// swapped cards.
TEST_F(SwapCommandsTest, SwapCardsThenFinishStartsWithTheSwappedCards) {
    HoldFixedDeal();
    // The table holds the fixed deal.
    FrameGameAccess::Game(Frame()).LayDealBack();
    // The hint stands in the status bar until the rotation moves on.
    Frame().SendMessage(WM_COMMAND, ID_SWAP_CARDS);
    EXPECT_EQ(Frame().Table().StatusBar.PaneText(0), "Please swap (click) a card");
    host_->PumpUntilIdle();
    ASSERT_EQ(g_Game.FlowState, STATE_SWAP);
    EXPECT_EQ(Held(Frame().GameObject().Trick()), Sorted(kSkat));
    EXPECT_TRUE(Frame().GameObject().Hand(0).open);
    EXPECT_TRUE(Frame().GameObject().Hand(1).open);
    EXPECT_EQ(g_Game.CheatMask & kSwapped, kSwapped);
    EXPECT_EQ(Frame().Texts().HintText, "Please swap (click) a card");
    EXPECT_EQ(Frame().Texts().StatusText, "Swap Cards");

    Frame().CardExchange().SwapCards(C(kAce, kDiamonds), Frame().CardExchange().GroupRow(3), C(kSeven, kDiamonds),
                                     Frame().CardExchange().GroupRow(0), false);
    ::SendMessage(Bar(), WM_COMMAND, IDC_FINISH_SWAP, 0);
    host_->PumpUntilIdle();
    EXPECT_NE(g_Game.FlowState, STATE_SWAP);
    EXPECT_EQ(Held(Frame().GameObject()), Sorted(testsupport::CardsOf("D8 DA")));
    std::vector<int> person = kSeat2;
    std::replace(person.begin(), person.end(), C(kAce, kDiamonds), C(kSeven, kDiamonds));
    EXPECT_EQ(Held(Frame().GameObject().PersonsHand()), Sorted(person));
    EXPECT_EQ(Held(Frame().GameObject().Hand(0)), Sorted(kSeat0));
}

// The skat swap in the states before and during a game is the switch of the swap pause: each use
// turns it over and says so in the status bar.
TEST_F(SwapCommandsTest, SkatSwapTogglesInTheStatesOfAGame) {
    HoldFixedDeal();
    for (int state : {STATE_IDLE, STATE_START, STATE_OBSERVE, STATE_AUCTION, STATE_REPLY, STATE_SKAT, STATE_HAND,
                      STATE_ASK, STATE_PASS, STATE_QUERY, STATE_SWAP, STATE_PLAY}) {
        SCOPED_TRACE(state);
        g_Game.FlowState = state;
        g_Flow.SkatSwapOption = 0;
        Frame().SendMessage(WM_COMMAND, ID_SWAP_SKAT);
        EXPECT_EQ(g_Flow.SkatSwapOption, 1);
        EXPECT_EQ(Frame().Table().StatusBar.PaneText(0), "Swapping of  Skat is turned on");
        Frame().SendMessage(WM_COMMAND, ID_SWAP_SKAT);
        EXPECT_EQ(g_Flow.SkatSwapOption, 0);
        EXPECT_EQ(Frame().Table().StatusBar.PaneText(0), "Swapping of  Skat is turned off");
        EXPECT_EQ(g_Game.CheatMask, 0);
        EXPECT_EQ(g_Game.FlowState, state);
    }
}

// Outside those states the skat's holder exchanges cards with it; with no skat on the table, or
// beneath another step outside a swap pause, the command is refused.
TEST_F(SwapCommandsTest, SkatSwapExchangeByState) {
    HoldFixedDeal();
    FrameGameAccess::Game(Frame()).Restore(true);
    for (int state : {STATE_NEW, STATE_PICKUP}) {
        SCOPED_TRACE(state);
        g_Game.FlowState = state;
        g_Game.SkatHolderSeat = 2;
        // Beneath another step.
        Frame().RunStep([&] { Frame().SendMessage(WM_COMMAND, ID_SWAP_SKAT); });
        EXPECT_EQ(Frame().Table().StatusBar.PaneText(0), "Illegal action");
        EXPECT_EQ(g_Game.FlowState, state);
    }
    g_Game.FlowState = STATE_PICKUP;
    g_Game.SkatHolderSeat = 2;
    Frame().SendMessage(WM_COMMAND, ID_SWAP_SKAT);
    host_->PumpUntilIdle();
    EXPECT_EQ(g_Game.FlowState, STATE_SWAP);
    EXPECT_EQ(Held(Frame().GameObject().Trick()), Sorted(kSkat));
    EXPECT_EQ(g_Game.CheatMask & kSwapped, kSwapped);
    EXPECT_EQ(Frame().Exchange().ActiveGroups, 1 | 8);
    EXPECT_FALSE(Frame().GameObject().Hand(0).open);
}

}  // namespace

namespace {

// Inside the swap pause after a computer's declaration the skat swap starts the exchange between
// the soloist's hand and the skat, though a step runs beneath it; finishing it ends the pause and
// the game goes on to play.
TEST_F(SwapCommandsTest, SkatSwapInsideTheSwapPauseExchangesWithTheSoloist) {
    DealAndHold(4711);
    g_Flow.SkatSwapOption = 1;
    int state = -1, groups = -1, marked = -1, skatInTrick = -1;
    testsupport::Later swap, finish;
    swap.At(5000, [&] {
        Frame().SendMessage(WM_COMMAND, ID_SWAP_SKAT);
        state = g_Game.FlowState;
        groups = Frame().Exchange().ActiveGroups;
        marked = g_Game.CheatMask & kSwapped;
        skatInTrick = Frame().GameObject().Trick().count;
        finish.At(1000, [&] { ::PostMessage(Bar(), WM_COMMAND, IDC_FINISH_SWAP, 0); });
    });
    StartAuction(2, 0, 18);
    PressPass();
    host_->PumpFor(1000);
    EXPECT_EQ(state, STATE_SWAP);
    EXPECT_EQ(groups, 1 | 4);  // the skat and seat 1, the soloist
    EXPECT_EQ(marked, kSwapped);
    EXPECT_EQ(skatInTrick, 2);
    EXPECT_EQ(g_Game.FlowState, STATE_PLAY);
    EXPECT_EQ(Frame().Declaration().SwapPausePending, 0);
    EXPECT_EQ(Frame().GameObject().count, 2);
    EXPECT_GE(FindLine("CMainFrame::InitHistory()"), 0);
}

}  // namespace

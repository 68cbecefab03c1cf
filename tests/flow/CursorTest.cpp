// The cursor over the table: the hand over a card the person may take now and while he holds one,
// the arrow elsewhere.
#include "flow/FlowFixture.h"
#include "flow/MainFrame.h"
#include "flow/CardExchange.h"

#include "flow/FrameGlobals.h"
#include "model/Skat.h"
#include "platform/core/Cursor.h"
#include "tavlo/Tavlo.h"

namespace {

using testsupport::FlowFixture;

constexpr int kPickUp = 1042;

class TableCursorTest : public FlowFixture {
protected:
    // The person wins the auction with 18 and picks up the skat: his hand and the skat in the trick
    // row are open to a pick-up.
    void PickUpTheSkat() {
        DealAndHold();
        StartAuction(2, 0, 0);
        PressBid();
        ASSERT_EQ(g_Game.FlowState, STATE_SKAT);
        ::SendMessage(Bar(), WM_COMMAND, kPickUp, 0);
        host_->PumpUntilIdle();
        ASSERT_EQ(g_Game.FlowState, STATE_ASK);
    }
    static platform::Point OnCard(int card) {
        return {WC_GetCardX(g_Frame.hTableWnd, card) + 12, WC_GetCardY(g_Frame.hTableWnd, card) + 12};
    }
    void MoveTo(platform::Point client) {
        platform::InputEvent move;
        move.message = WM_MOUSEMOVE;
        move.screenPoint = platform::HeadlessHost::ScreenPoint(g_Frame.hTableWnd, client);
        host_->Input(host_->NowMs() + 10, move);
        host_->PumpFor(50);
    }
    void Press(UINT message, platform::Point client) {
        platform::InputEvent press;
        press.message = message;
        press.screenPoint = platform::HeadlessHost::ScreenPoint(g_Frame.hTableWnd, client);
        host_->Input(host_->NowMs() + 10, press);
        host_->PumpFor(50);
    }
    static int Cursor() {
        HCURSOR cursor = ::GetWindowCursor(g_Frame.hTableWnd);
        return cursor ? cursor->systemId : 0;
    }
};

TEST_F(TableCursorTest, HandOverTheCardsOfTheExchangeArrowElsewhere) {
    PickUpTheSkat();
    MoveTo(OnCard(Frame().GameObject().PersonsHand().cards[0]));
    EXPECT_EQ(Cursor(), SYSTEM_CURSOR_HAND) << "the person's hand";
    MoveTo({2, 2});
    EXPECT_EQ(Cursor(), SYSTEM_CURSOR_ARROW) << "the empty table";
    MoveTo(OnCard(Frame().GameObject().Trick().cards[0]));
    EXPECT_EQ(Cursor(), SYSTEM_CURSOR_HAND) << "the skat in the trick row";
    MoveTo(OnCard(Frame().GameObject().Hand(0).cards[0]));
    EXPECT_EQ(Cursor(), SYSTEM_CURSOR_ARROW) << "a computer's hand is closed to the person";
}

TEST_F(TableCursorTest, ARowClosedToAPickUpShowsTheArrow) {
    PickUpTheSkat();
    Frame().CardExchange().SetOpenGroups(1);  // only the trick row
    MoveTo(OnCard(Frame().GameObject().PersonsHand().cards[0]));
    EXPECT_EQ(Cursor(), SYSTEM_CURSOR_ARROW);
}

TEST_F(TableCursorTest, TheAuctionOffersNoCard) {
    DealAndHold();
    StartAuction(2, 0, 0);
    Frame().CardExchange().SetOpenGroups(15);
    MoveTo(OnCard(Frame().GameObject().PersonsHand().cards[0]));
    EXPECT_EQ(Cursor(), SYSTEM_CURSOR_ARROW);
}

TEST_F(TableCursorTest, AHeldCardKeepsTheHandOffTheCards) {
    PickUpTheSkat();
    // The person presses on a card of his hand and keeps the button down.
    const int card = Frame().GameObject().PersonsHand().cards[0];
    Press(WM_LBUTTONDOWN, OnCard(card));
    ASSERT_EQ(Frame().Exchange().GroupPickedCards[3], card) << "the card is held";
    MoveTo({2, 2});
    EXPECT_EQ(Cursor(), SYSTEM_CURSOR_HAND);
    Press(WM_LBUTTONUP, {2, 2});
}

}  // namespace

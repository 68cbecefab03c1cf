// The auction on the headless host: the person's position, the computers' limits, the person's
// answers and the rule set decide the soloist, the bid, who has bid and every spoken word.
#include "flow/FrameAuction.h"
#include "flow/FlowFixture.h"
#include "flow/MainFrame.h"

#include "dialogs/AuctionDialog.h"
#include "flow/FrameGlobals.h"
#include "flow/TableState.h"
#include "model/Skat.h"
#include "tavlo/Tavlo.h"
#include "platform/core/Random.h"
#include "model/Trace.h"
#include "shell/SkatApp.h"

namespace {

using testsupport::FlowFixture;

// The person's answers: each letter one press, b the bid button, p the pass button.
struct AuctionCase {
    friend void PrintTo(const AuctionCase& c, std::ostream* out) { *out << c.name; }
    const char* name;
    int leader;
    int limit0, limit1;
    int variant;
    const char* script;
    int soloist;
    int bid;
    std::array<int, 3> hasBid;
    std::vector<std::string> words;
};

class AuctionTable : public FlowFixture, public ::testing::WithParamInterface<AuctionCase> {};

TEST_P(AuctionTable, EndsWithTheSoloistAndTheBid) {
    const AuctionCase& c = GetParam();
    DealAndHold();
    // Forehand's computer asks "More?" when the middlehand computer has nothing.
    platform::Random().Script({1});
    StartAuction(c.leader, c.limit0, c.limit1, c.variant);
    for (const char* press = c.script; *press; ++press) {
        ASSERT_TRUE(Frame().FrameAuction().IsAuctionBarOpen()) << "press " << (press - c.script) << "\n" << LogText();
        if (*press == 'b') PressBid();
        else PressPass();
    }
    host_->PumpFor(3000);
    EXPECT_FALSE(Frame().FrameAuction().IsAuctionBarOpen());
    EXPECT_EQ(g_Game.Soloist, c.soloist);
    EXPECT_EQ(BidValue(-1), c.bid);
    EXPECT_EQ((std::array<int, 3>{g_Game.HasBid[0], g_Game.HasBid[1], g_Game.HasBid[2]}), c.hasBid);
    EXPECT_EQ(Words(), c.words) << LogText();
    EXPECT_EQ(Frame().Run().BusyFlag, 0);
    EXPECT_EQ(g_Game.StopFlag, StopState::Running);
    // The auction ends in the declaration.
    const int soloist = FindLine(c.soloist == 3 ? "CMainFrame::Declare(nobody)" : "CMainFrame::Declare()");
    EXPECT_GE(soloist, 0);
    if (c.soloist == 2) {
        EXPECT_EQ(g_Game.FlowState, STATE_SKAT);
    } else if (c.soloist != 3) {
        // The computer plays, or gives up a game its hand cannot reach at the limit set here.
        EXPECT_TRUE(FindLine("CMainFrame::InitHistory()") >= 0 || FindLine("CMainFrame::OnAbandon()") >= 0);
    }
}

const AuctionCase kAuctionCases[] = {
    // Forehand person (REPLY), both computers without a game: the person holds 18 or passes it in.
    {"ReplyBothZeroHold", 2, 0, 0, VARIANT_SKAT, "b", 2, 18, {0, 0, 1}, {"0p18", "1p18", "2h18"}},
    {"ReplyBothZeroPass", 2, 0, 0, VARIANT_SKAT, "p", 3, 18, {0, 0, 0}, {"0p18", "1p18", "2p18"}},
    // Middlehand seat 0 bids on to 20; rearhand seat 1 passes at 22, having counted as bidding.
    {"ReplyHoldAgainstSeat0", 2, 20, 0, VARIANT_SKAT, "bb", 2, 20, {1, 1, 1},
     {"0b18", "2h18", "0b20", "2h20", "0p22", "1p22", "2h20"}},
    // Seat 0 passes, rearhand seat 1 bids; the person passes at once.
    {"ReplySeat1BidsPersonPasses", 2, 0, 18, VARIANT_SKAT, "p", 1, 18, {0, 1, 0}, {"0p18", "1b18", "2p18"}},
    // The person passes on seat 0's bid: rearhand seat 1 bids against seat 0 up to its limit.
    {"ReplyComputersBidOn", 2, 22, 20, VARIANT_SKAT, "p", 0, 20, {1, 1, 0},
     {"0b18", "2p18", "1b20", "0h20", "1p20"}},
    // Rearhand person (OBSERVE): middlehand seat 1 has nothing, forehand seat 0 plays at 18.
    {"ObserveSeat1NothingSeat0Plays", 0, 18, 0, VARIANT_SKAT, "p", 0, 18, {1, 0, 0}, {"1p18", "2p18", "0h18"}},
    // The computers bid among themselves until seat 1 passes; the person passes at 27.
    {"ObserveComputersThenPass", 0, 30, 24, VARIANT_SKAT, "p", 0, 24, {1, 1, 1},
     {"1b18", "0h18", "1b20", "0h20", "1b22", "0h22", "1b23", "0h23", "1b24", "0h24", "1p27", "2p27"}},
    // Seat 0 passes, seat 1 holds; the person bids twice to seat 1 and passes.
    {"ObserveSeat1WinsThenPersonBids", 0, 20, 30, VARIANT_SKAT, "bbp", 1, 24, {1, 1, 1},
     {"1b18", "0h18", "1b20", "0h20", "1b22", "0p22", "1h22", "2b23", "1h23", "2b24", "1h24", "2p27"}},
    // Middlehand person (AUCTION): both computers without a game above 18; forehand seat 1 holds 18.
    {"AuctionPassSeat1Holds", 1, 0, 18, VARIANT_SKAT, "p", 1, 18, {0, 1, 0}, {"2p18", "0p18", "1h18"}},
    // Rearhand seat 0 enters only above the value the person bid (strictly greater): 22 is not.
    {"AuctionSeat0NotAbove", 1, 22, 18, VARIANT_SKAT, "bb", 2, 20, {1, 1, 1},
     {"2b18", "1h18", "2b20", "1p20", "0p22"}},
    // With 23 it is: seat 0 bids 22 and the person holds it, then passes.
    {"AuctionSeat0Above", 1, 23, 18, VARIANT_SKAT, "bbp", 0, 22, {1, 1, 1},
     {"2b18", "1h18", "2b20", "1p20", "0b22", "2p22"}},
};

INSTANTIATE_TEST_SUITE_P(Auctions, AuctionTable, ::testing::ValuesIn(kAuctionCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Rule Skat has no 92: the bid goes from 90 to 96; the variant rules bid 92. Seat 0 passes
// above 90, seat 1 holds, and the next value is offered to the person, who passes.
struct AfterNinety {
    const char* name;
    int variant;
    const char* offered;
    int final;
};

// A failing case names itself, not its bytes.
void PrintTo(const AfterNinety& c, std::ostream* out) { *out << c.name; }

class AfterNinetyTest : public FlowFixture, public ::testing::WithParamInterface<AfterNinety> {};

TEST_P(AfterNinetyTest, RuleSetDecidesTheValueAfterNinety) {
    const AfterNinety& e = GetParam();
    DealAndHold();
    StartAuction(0, 90, 100, e.variant);
    EXPECT_EQ(g_Game.FlowState, STATE_AUCTION);
    EXPECT_EQ(ButtonText(BTN_BID), e.offered);
    PressPass();
    EXPECT_EQ(g_Game.Soloist, 1);
    EXPECT_EQ(BidValue(-1), e.final);
}

INSTANTIATE_TEST_SUITE_P(RuleSets, AfterNinetyTest,
                         ::testing::Values(AfterNinety{"RuleSkat", VARIANT_OFFICIAL, "&Bid  99", 96},
                                           AfterNinety{"VariantSkat", VARIANT_SKAT, "&Bid  96", 92}),
                         [](const auto& info) { return std::string(info.param.name); });

class AuctionTest : public FlowFixture {};

// Two computers at the top of the ladder: the one that would have to bid above 264 passes and the
// holder plays 264.
TEST_F(AuctionTest, TwoComputersAtTheTopEndWithTheHolderPlaying264) {
    DealAndHold();
    StartAuction(0, 264, 264);
    const std::vector<std::string> words = Words();
    ASSERT_GE(words.size(), 3u);
    EXPECT_EQ(words[words.size() - 3], "1b264");
    EXPECT_EQ(words[words.size() - 2], "0h264");
    EXPECT_EQ(words.back(), "1p264");
    EXPECT_EQ(BidValue(-1), 264);
    PressPass();
    host_->PumpFor(3000);
    EXPECT_EQ(g_Game.Soloist, 0);
    EXPECT_EQ(BidValue(-1), 264);
}

TEST_F(AuctionTest, ComputersBiddingAfterThePersonPassedStopAtTheTop) {
    DealAndHold();
    StartAuction(2, 264, 264);
    PressPass();
    host_->PumpFor(3000);
    const std::vector<std::string> words = Words();
    ASSERT_GE(words.size(), 2u);
    EXPECT_EQ(words[words.size() - 2], "0h264");
    EXPECT_EQ(words.back(), "1p264");
    EXPECT_EQ(g_Game.Soloist, 0);
    EXPECT_EQ(BidValue(-1), 264);
}

// Forehand seat 0 asks "More?" or "Have you more?" by the random source.
class MoreTest : public FlowFixture, public ::testing::WithParamInterface<int> {};

TEST_P(MoreTest, ForehandAsksForMoreByChance) {
    const int draw = GetParam();
    DealAndHold();
    platform::Random().Script({draw});
    StartAuction(0, 18, 0);
    EXPECT_EQ(platform::Random().ScriptedLeft(), 0u);
    EXPECT_TRUE(testsupport::WasDrawn(testsupport::DrawnTexts(*host_, g_Frame.hTableWnd),
                                      draw == 1 ? "More?" : "Have you more?"));
    EXPECT_EQ(g_Game.FlowState, STATE_OBSERVE);
    EXPECT_EQ(g_Game.Soloist, 0);
    EXPECT_EQ(g_Game.AuctionRole, 0);
}

INSTANTIATE_TEST_SUITE_P(Draws, MoreTest, ::testing::Values(0, 1));

// The bar: the bid button names the value on the table, the buttons wait for the person.
TEST_F(AuctionTest, TheBarOffersTheValueAndRelabelsAfterTheAnswer) {
    DealAndHold();
    StartAuction(1, 0, 30);
    EXPECT_EQ(ButtonText(BTN_BID), "&Bid  18");
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(Bar(), BTN_BID)));
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(Bar(), BTN_PASS)));
    PressBid();
    // Seat 1 held 18: the person is offered 20.
    EXPECT_TRUE(Frame().FrameAuction().IsAuctionBarOpen());
    EXPECT_EQ(ButtonText(BTN_BID), "&Bid  20");
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(Bar(), BTN_BID)));
    EXPECT_EQ(Frame().FrameAuction().HasBid(2), true);
    EXPECT_EQ(Frame().FrameAuction().HasBid(0), false);
    EXPECT_EQ(Frame().FrameAuction().HasBid(3), true);
}

// A close request while the computers speak in the opening is dropped (BusyFlag); the auction
// reaches the person as if nothing had happened.
TEST_F(AuctionTest, CloseDuringTheOpeningIsDropped) {
    DealAndHold();
    testsupport::CloseLater closer;
    closer.Create(platform::CreateParams{});
    closer.target = Frame().Handle();
    closer.SetTimer(1, 1500);
    StartAuction(0, 60, 60);
    host_->PumpFor(2000);
    EXPECT_TRUE(Frame().IsAlive());
    EXPECT_TRUE(Frame().FrameAuction().IsAuctionBarOpen());
    EXPECT_EQ(Frame().Run().BusyFlag, 0);
    EXPECT_EQ(BidValue(-1), 63);
}

// A close request while the computers bid after the person passed (middlehand person, BusyFlag
// clear) stops the loop at its next check: no declaration, and the frame closes afterwards.
TEST_F(AuctionTest, CloseDuringTheComputersLoopStopsItWithoutDeclaration) {
    DealAndHold();
    StartAuction(1, 60, 60);
    testsupport::CloseLater closer;
    closer.Create(platform::CreateParams{});
    closer.target = Frame().Handle();
    closer.SetTimer(1, 1500);
    host_->Answers().PushMessageBoxAnswer(IDYES);
    PressPass();
    host_->PumpFor(5000);
    EXPECT_EQ(FindLine("CMainFrame::Declare()"), -1) << LogText();
    EXPECT_FALSE(Frame().Run().TableAlive);
    EXPECT_LT(BidValue(-1), 60);
}

// A close signal while the computers bid after the person, forehand, passed waits for the pass's
// busy step: the computers bid to its end and the soloist is declared, then the frame closes.
TEST_F(AuctionTest, CloseSignalWhileTheComputersBidAfterThePassWaitsForTheirEnd) {
    DealAndHold();
    StartAuction(2, 264, 264);
    testsupport::Later later;
    int busyAtSignal = -1;
    later.At(500, [&] {
        busyAtSignal = Frame().Run().BusyFlag;
        Frame().OnCloseSignal();
    });
    PressPass();
    host_->PumpFor(8000);
    EXPECT_EQ(busyAtSignal, 1);
    const std::vector<std::string> words = Words();
    ASSERT_GE(words.size(), 2u);
    EXPECT_EQ(words.back(), "1p264");
    EXPECT_EQ(g_Game.Soloist, 0);
    const int declared = FindLine("CMainFrame::Declare()");
    EXPECT_GE(declared, 0) << LogText();
    EXPECT_GT(FindLine("CMainFrame::OnClose()"), declared);
    EXPECT_FALSE(Frame().Run().TableAlive);
    EXPECT_EQ(Frame().Run().CloseDeferred, 0);
}

// BusyFlag as the declaration's trace line is written, -1 before it is.
int g_busyAtDeclaration = -1;

// The pass after a computer's answer to the person's bid is a busy step of its own, over before the
// declaration: the person declares with the flag clear, not with the answering computer's still set.
TEST_F(AuctionTest, TheDeclarationAfterTheComputersAnswerFindsTheBusyStepsOver) {
    DealAndHold();
    StartAuction(1, 0, 0);
    ASSERT_TRUE(Frame().FrameAuction().IsAuctionBarOpen());
    g_busyAtDeclaration = -1;
    SetTraceSink({[] { return g_pApp != nullptr; },
                  [](const std::string& text, unsigned flags) {
                      if (text.find(":Declare()") != std::string::npos)
                          g_busyAtDeclaration = g_pApp->MainFrame()->Run().BusyFlag;
                      g_pApp->WriteLog(text, flags);
                  }});
    PressBid();
    host_->PumpFor(3000);
    EXPECT_EQ(g_Game.Soloist, 2);
    EXPECT_EQ(g_busyAtDeclaration, 0) << LogText();
    EXPECT_EQ(Frame().Run().BusyFlag, 0);
}

}  // namespace

namespace {

using testsupport::FlowFixture;

// Scenario S1: a click on the bid button sends the computer's command; the computers' whole
// answer, balloon waits included, runs inside the click.
class BidClickTest : public FlowFixture {
protected:
    void ClickBid() {
        platform::Rect button;
        ::GetWindowRect(::GetDlgItem(Bar(), BTN_BID), &button);
        host_->Click(host_->NowMs() + 10, {(button.left + button.right) / 2, (button.top + button.bottom) / 2});
        host_->PumpFor(5000);
    }
    // The records of frame commands and ticks, and the depth of the click's command to the bar.
    const platform::DispatchRecord* Find(HWND hwnd, UINT message, WPARAM id) const {
        for (const platform::DispatchRecord& r : host_->Trace().Records())
            if (r.hwnd == hwnd && r.message == message && LOWORD(r.wParam) == id) return &r;
        return nullptr;
    }
};

TEST_F(BidClickTest, TheComputersAnswerRunsInsideTheClickAndTheBarIsRelabelled) {
    DealAndHold();
    StartAuction(1, 0, 30);
    const HWND bar = Bar();
    host_->Trace().Clear();
    // A bar made for measuring and destroyed while the computer answers changes nothing.
    testsupport::Later measure;
    bool measured = false;
    measure.At(300, [&] {
        CAuctionDialog measuring;
        measured = measuring.Create(nullptr);
        measuring.DestroyWindow();
    });
    ClickBid();
    EXPECT_TRUE(measured);
    const platform::DispatchRecord* click = Find(bar, WM_COMMAND, BTN_BID);
    const platform::DispatchRecord* speak = Find(Frame().Handle(), WM_COMMAND, CM_SPEAK_COMPUTER2);
    ASSERT_NE(click, nullptr);
    ASSERT_NE(speak, nullptr);
    EXPECT_EQ(speak->kind, platform::DispatchRecord::Kind::Sent);
    EXPECT_GT(speak->depth, click->depth);
    // Ticks ran inside the send: the balloon waits.
    int nestedTicks = 0;
    for (const platform::DispatchRecord& r : host_->Trace().Records())
        if (r.hwnd == Frame().Handle() && r.message == WM_TIMER && r.wParam == TM_TICK && r.depth > speak->depth) ++nestedTicks;
    EXPECT_GT(nestedTicks, 0);
    // The bar is still the auction bar, relabelled and enabled for the next value.
    EXPECT_EQ(Bar(), bar);
    EXPECT_TRUE(Frame().FrameAuction().IsAuctionBarOpen());
    EXPECT_EQ(ButtonText(BTN_BID), "&Bid  20");
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(bar, BTN_BID)));
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(bar, BTN_PASS)));
}

// When the answer ends the auction, the bar is destroyed inside its own click; nothing touches it
// afterwards (the sanitizers watch) and the person is the soloist.
TEST_F(BidClickTest, AnAnswerThatEndsTheAuctionDestroysTheBarInsideTheClick) {
    DealAndHold();
    StartAuction(1, 0, 0);
    const HWND bar = Bar();
    ClickBid();
    EXPECT_FALSE(::IsWindow(bar));
    EXPECT_FALSE(Frame().FrameAuction().IsAuctionBarOpen());
    EXPECT_EQ(g_Game.Soloist, 2);
    EXPECT_EQ(g_Game.FlowState, STATE_SKAT);
}

}  // namespace

namespace {

// On the table, a click raises the value shown on the bid button and a right click lowers it; a
// click on a card is refused.
TEST_F(BidClickTest, ClicksOnTheTableRaiseAndLowerTheValueShown) {
    DealAndHold();
    StartAuction(1, 0, 30);
    const platform::Point empty = platform::HeadlessHost::ScreenPoint(g_Frame.hTableWnd, {5, 5});
    host_->Click(host_->NowMs() + 10, empty);
    host_->PumpFor(100);
    EXPECT_EQ(ButtonText(BTN_BID), "&Bid 20/1");
    EXPECT_EQ(g_Game.PendingRaise, 1);
    EXPECT_EQ(Frame().Table().StatusBar.PaneText(0), "Increase bid value");
    host_->Click(host_->NowMs() + 10, empty, WM_RBUTTONDOWN);
    host_->PumpFor(100);
    EXPECT_EQ(ButtonText(BTN_BID), "&Bid 18");
    EXPECT_EQ(g_Game.PendingRaise, 0);
    EXPECT_EQ(Frame().Table().StatusBar.PaneText(0), "Decrease bid value");
    // A card is no place to raise the bid.
    const int card = Frame().GameObject().PersonsHand().cards[0];
    const platform::Point onCard = platform::HeadlessHost::ScreenPoint(
        g_Frame.hTableWnd, {WC_GetCardX(g_Frame.hTableWnd, card) + 10, WC_GetCardY(g_Frame.hTableWnd, card) + 10});
    host_->Click(host_->NowMs() + 10, onCard);
    host_->PumpFor(100);
    EXPECT_EQ(g_Game.PendingRaise, 0);
    EXPECT_EQ(Frame().Table().StatusBar.PaneText(0), "Illegal action");
    // The raised value is what the bid button then bids.
    host_->Click(host_->NowMs() + 10, empty);
    host_->PumpFor(100);
    PressBid();
    EXPECT_EQ(Words()[0], "2b20");
}

}  // namespace

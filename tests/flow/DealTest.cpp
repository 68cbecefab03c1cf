#include "flow/FrameFixture.h"
#include "flow/MainFrame.h"
#include "flow/MatchSeries.h"
#include "flow/FrameGlobals.h"
#include "flow/FrameTestSupport.h"
#include "flow/TableState.h"

#include "model/PlayerData.h"
#include "model/Skat.h"
#include "resources/CommandIds.h"
#include "tavlo/Table.h"
#include "support/SkatTestAccess.h"
#include "support/FrameGameAccess.h"

namespace {

using testsupport::FrameFixture;

// The moment the deal reaches START: the auction follows inside the same step, so the tests note
// the virtual time and the soloist as the trace line of the state is written.
struct StartSeen {
    bool seen = false;
    std::int64_t ms = 0;
    int soloist = -1;
};
StartSeen g_startSeen;
platform::HeadlessHost* g_watchedHost = nullptr;

void WatchStart(platform::HeadlessHost& host) {
    g_startSeen = StartSeen{};
    g_watchedHost = &host;
    SetTraceSink({[] { return g_pApp != nullptr; },
                  [](const std::string& text, unsigned flags) {
                      if (text == ":State(START)" && !g_startSeen.seen)
                          g_startSeen = StartSeen{true, g_watchedHost->NowMs(), g_Game.Soloist};
                      g_pApp->WriteLog(text, flags);
                  }});
}

class DealTest : public FrameFixture {
protected:
    void SetUp() override {
        // No pause between the packets: the deal runs through at once.
        WriteProfileInt("Delay", "Switch", 0);
    }
    void NewToStart() {
        WatchStart(*host_);
        Frame().SendMessage(WM_COMMAND, ID_NEW);
        ASSERT_TRUE(host_->PumpUntil([] { return g_startSeen.seen; }, 10000));
    }
};

TEST_F(DealTest, NewDealsTenCardsEachAndTheSkatAndReachesStart) {
    TraceOn();
    StartProgram();
    NewToStart();
    for (int seat = 0; seat < 3; ++seat) EXPECT_EQ(Frame().GameObject().Player(seat)->count, 10) << seat;
    EXPECT_EQ(Frame().GameObject().count, 2);
    // 32 different cards.
    std::vector<int> all;
    for (const auto& row : testsupport::DealtCards(Frame())) all.insert(all.end(), row.begin(), row.end());
    std::sort(all.begin(), all.end());
    EXPECT_EQ(std::unique(all.begin(), all.end()), all.end());
    EXPECT_EQ(all.size(), 32u);
    EXPECT_EQ(Frame().Series().GameRunning, 1);
    EXPECT_EQ(Frame().Series().RepeatAllowed, 0);
    EXPECT_EQ(g_Game.KontraState, KONTRA_NONE);
    EXPECT_EQ(g_startSeen.soloist, 3);
    // The steps in order, ending in the auction.
    int at = 0;
    for (const char* line : {"CMainFrame::OnNew()", "CGame::Initialize()", "CMainFrame::OnDeal()",
                             "CMainFrame::StartGame(round:NORMAL)", "CMainFrame::State(START)",
                             "CMainFrame::OnStart()", "CMainFrame::OnAuction()"}) {
        at = FindLine(line, at);
        ASSERT_GE(at, 0) << line << "\n" << LogText();
    }
}

TEST_F(DealTest, SeededDealIsReproducible) {
    StartProgram();
    SeedRand(4711);
    NewToStart();
    const testsupport::Deal first = testsupport::DealtCards(Frame());

    // The same seed in a new run deals the same cards; another seed does not.
    app_.reset();
    host_.reset();
    ResetGlobals();
    host_ = std::make_unique<platform::HeadlessHost>();
    WriteProfileInt("Delay", "Switch", 0);
    StartProgram();
    SeedRand(4711);
    NewToStart();
    EXPECT_EQ(testsupport::DealtCards(Frame()), first);

    Frame().MatchSeries().GameEnded();
    g_Game.FlowState = STATE_IDLE;
    SeedRand(4712);
    NewToStart();
    EXPECT_NE(testsupport::DealtCards(Frame()), first);
}

TEST_F(DealTest, SecondNewWhileTheDealIsPreparedDealsOnlyOnce) {
    TraceOn();
    StartProgram();
    Frame().SendMessage(WM_COMMAND, ID_NEW);
    Frame().SendMessage(WM_COMMAND, ID_NEW);
    host_->PumpFor(2000);
    const std::vector<std::string> lines = LogBodies();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "CMainFrame::OnDeal()"), 1);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "CGame::Initialize()"), 1);
    // The menu agrees: New is greyed while the game runs.
    EXPECT_FALSE(platform::QueryCommandState(Frame().Updater(), ID_NEW).Enabled());
    EXPECT_TRUE(platform::QueryCommandState(Frame().Updater(), ID_BREAK).Enabled());
}

TEST_F(DealTest, RamschOnlyStartsInThePickUpWithoutAnAuction) {
    WriteProfileInt("Variants", "Variant", 2);
    TraceOn();
    StartProgram();
    NewToStart();
    host_->PumpUntilIdle();
    // The Ramsch rounds begin with the Grand Hand offer.
    EXPECT_GE(FindLine("CMainFrame::PickupRamsch(CGrandHandDialog)"), 0);
    EXPECT_EQ(FindLine("CMainFrame::OnAuction()"), -1);
    EXPECT_EQ(Frame().Table().StatusBar.PaneText(2), "Schieberamsch");
}

// The dealing waits between packets: three with the packets, after each of the three hands with
// whole hands; each wait ends at once on a key or button of the person.
TEST_F(DealTest, PacketWaitsEndOnAClick) {
    WriteProfileInt("Delay", "Switch", 1000);  // about 4.1 s each
    // The cards are put down at once, so that the time counted is the waits' alone.
    WriteProfileInt("Delay", "Deal", 0);
    StartProgram();
    const std::int64_t start = host_->NowMs();
    WatchStart(*host_);
    Frame().SendMessage(WM_COMMAND, ID_NEW);
    ASSERT_TRUE(host_->PumpUntil([] { return g_startSeen.seen; }, 60000));
    const std::int64_t unattended = g_startSeen.ms - start;
    EXPECT_GE(unattended, 3 * 4096);
    EXPECT_LT(unattended, 3 * 4096 + 200 + 100);

    // Clicks on the table cut the waits short.
    Frame().MatchSeries().GameEnded();
    g_Game.FlowState = STATE_IDLE;
    const std::int64_t again = host_->NowMs();
    const platform::Point table = platform::HeadlessHost::ScreenPoint(g_Frame.hTableWnd, {5, 5});
    for (int i = 0; i < 3; ++i) host_->Click(again + 1000 + i * 500, table);
    WatchStart(*host_);
    Frame().SendMessage(WM_COMMAND, ID_NEW);
    ASSERT_TRUE(host_->PumpUntil([] { return g_startSeen.seen; }, 60000));
    EXPECT_LT(g_startSeen.ms - again, 3000 + 200 + 100);
}

// After New every card of the hands and the skat lies on the table window at its slot's place: the
// person's hand face up, the computers' hands and the skat face down, each hand in its sorted order.
TEST_F(DealTest, NewLaysEveryDealtCardOnTheTableAtItsPlace) {
    for (int wholeHands : {0, 1}) {
        SCOPED_TRACE(wholeHands ? "whole hands" : "packets");
        WriteProfileInt("Settings", "Deal", wholeHands);
        WriteProfileInt("Delay", "Deal", 20);
        StartProgram();
        NewToStart();
        const HWND table = g_Frame.hTableWnd;
        const TableRow rows[4] = {TableRow::Computer0, TableRow::Computer1, TableRow::Person, TableRow::Skat};
        for (int row = 0; row < 4; ++row) {
            const CCards& cards = Frame().GameObject().Row(rows[row]);
            const std::vector<int> before = cards.cards;
            FrameGameAccess::Game(Frame()).SortRow(rows[row]);
            EXPECT_EQ(cards.cards, before) << "row " << row << " is shown unsorted";
            for (int slot = 0; slot < cards.capacity; ++slot) {
                const int card = cards.cards[static_cast<std::size_t>(slot)];
                ASSERT_TRUE(WC_IsCardDealt(table, card)) << "row " << row << " slot " << slot;
                const platform::Point place = FrameGameAccess::Game(Frame()).SlotPosition(rows[row], slot);
                EXPECT_EQ(WC_GetCardX(table, card), place.x) << "row " << row << " slot " << slot;
                EXPECT_EQ(WC_GetCardY(table, card), place.y) << "row " << row << " slot " << slot;
                EXPECT_EQ(tavlo::FindTable(table)->cards->deck.IsFaceUp(card), row == 2) << row << "/" << slot;
            }
        }
        app_.reset();
        host_.reset();
        ResetGlobals();
        host_ = std::make_unique<platform::HeadlessHost>();
        WriteProfileInt("Delay", "Switch", 0);
    }
}

// The deal slides card after card from the middle of the table over Delay/Deal: 32 slides after the
// dealing timer, whether in packets or whole hands; with Delay/Deal 0 the cards lie down at once.
TEST_F(DealTest, TheDealTakesOneDealDelayPerCard) {
    struct Case {
        int wholeHands, delay;
        std::int64_t lasts;
    };
    for (const Case c : {Case{0, 100, 200 + 32 * 100}, Case{1, 40, 200 + 32 * 40}, Case{0, 0, 200}}) {
        SCOPED_TRACE(c.delay);
        WriteProfileInt("Settings", "Deal", c.wholeHands);
        WriteProfileInt("Delay", "Deal", c.delay);
        // Voices off: the Welcome's pause 800 ms after the start would fall into the deal.
        WriteProfileInt("Audio", "Voice", 0);
        StartProgram();
        const std::int64_t start = host_->NowMs();
        NewToStart();
        EXPECT_EQ(g_startSeen.ms - start, c.lasts);
        app_.reset();
        host_.reset();
        ResetGlobals();
        host_ = std::make_unique<platform::HeadlessHost>();
        WriteProfileInt("Delay", "Switch", 0);
    }
}

// A helper window that notes where a card lies when its timer comes (inside the deal's slides).
class CardWatcher : public platform::Window {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_TIMER) {
            KillTimer(1);
            const CCards& forehand = *frame->GameObject().Player(g_Game.Forehand);
            card = forehand.cards[0];
            seen = {WC_GetCardX(g_Frame.hTableWnd, card), WC_GetCardY(g_Frame.hTableWnd, card)};
            return 0;
        }
        return platform::Window::WindowProc(message, wParam, lParam);
    }
    const CMainFrame* frame = nullptr;
    int card = 0;
    platform::Point seen{-1, -1};
};

// Half way through the first slide the forehand's first card lies between the middle of the table
// and its place.
TEST_F(DealTest, TheFirstCardComesFromTheMiddleOfTheTable) {
    WriteProfileInt("Delay", "Deal", 100);
    StartProgram();
    CardWatcher watcher;
    watcher.frame = &Frame();
    watcher.Create(platform::CreateParams{});
    Frame().SendMessage(WM_COMMAND, ID_NEW);
    // The dealing timer runs 200 ms; the first card slides from 200 to 300 ms.
    watcher.SetTimer(1, 250);
    ASSERT_TRUE(host_->PumpUntil([] { return g_Game.FlowState != STATE_IDLE; }, 10000));
    ASSERT_NE(watcher.card, 0);
    const platform::Point from = Frame().Table().TrickCentre;
    CCards& forehand = SkatTestAccess::Player(FrameGameAccess::Game(Frame()), g_Game.Forehand);
    const int slot = forehand.FindCard(watcher.card);
    ASSERT_GE(slot, 0);
    // Where it lay in the dealt order: the first place of the full row.
    const platform::Point to = forehand.GetSlotPosition(0);
    ASSERT_NE(from, to);
    const platform::Point seen = watcher.seen;
    EXPECT_NE(seen, from);
    EXPECT_NE(seen, to);
    EXPECT_GE(seen.x, std::min(from.x, to.x));
    EXPECT_LE(seen.x, std::max(from.x, to.x));
    EXPECT_GE(seen.y, std::min(from.y, to.y));
    EXPECT_LE(seen.y, std::max(from.y, to.y));
}

class CloseTest : public DealTest {};

TEST_F(CloseTest, CloseInIdleAsksNothingWritesSettingsAndEndsWithOnClose) {
    TraceOn();
    StartProgram();
    g_Settings.Delay.Bid = 1234;  // changed during the run
    Frame().PostMessage(WM_CLOSE);
    host_->PumpUntilIdle();
    EXPECT_EQ(host_->QuitCode(), 0);
    EXPECT_FALSE(Frame().IsAlive());
    EXPECT_FALSE(Frame().Run().TableAlive);
    EXPECT_EQ(g_Game.StopFlag, StopState::Requested);
    // The settings are in the registry, the help topic with them.
    EXPECT_EQ(GetProfileInt("Delay", "Bid", 0), 1234);
    EXPECT_EQ(GetProfileInt("Help", "Topic", -1), 0);
    // The close line is the frame's last word.
    const std::vector<std::string> lines = LogBodies();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), "CMainFrame::OnClose()");
}

TEST_F(CloseTest, CloseDuringAGameAsksAndNoKeepsItRunning) {
    StartProgram();
    NewToStart();
    // The auction waits for the person.
    const int state = g_Game.FlowState;
    const int pause = g_Game.PauseLevel;
    ASSERT_NE(pause, 0);
    host_->Answers().PushMessageBoxAnswer(IDNO);
    Frame().PostMessage(WM_CLOSE);
    host_->PumpUntilIdle();
    EXPECT_TRUE(Frame().IsAlive());
    EXPECT_EQ(g_Game.FlowState, state);
    EXPECT_EQ(g_Game.PauseLevel, pause);  // restored after the question

    host_->Answers().PushMessageBoxAnswer(IDYES);
    Frame().PostMessage(WM_CLOSE);
    host_->PumpUntilIdle();
    EXPECT_FALSE(Frame().IsAlive());
    EXPECT_EQ(host_->Answers().PendingMessageBoxAnswers(), 0u);
}

// A helper window whose timer posts a close request to the frame at a chosen moment.
class CloseLater : public platform::Window {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_TIMER) {
            KillTimer(1);
            ::PostMessage(target, WM_CLOSE);
            return 0;
        }
        return platform::Window::WindowProc(message, wParam, lParam);
    }
    HWND target = nullptr;
};

TEST_F(CloseTest, CloseDuringTheDealWaitIsDeferredUntilTheDealHasUnwound) {
    WriteProfileInt("Delay", "Switch", 10000);  // waits of about 41 s between the packets
    TraceOn();
    StartProgram();
    CloseLater closer;
    closer.Create(platform::CreateParams{});
    closer.target = Frame().Handle();
    Frame().SendMessage(WM_COMMAND, ID_NEW);
    closer.SetTimer(1, 5000);  // inside the first packet's wait
    host_->PumpFor(60000);
    // The deal saw the stop, cleared the desk, and only then did the frame close, in IDLE and
    // without a question.
    EXPECT_FALSE(Frame().IsAlive());
    const int cleared = FindLine("CMainFrame::ClearDesk()");
    const int closed = FindLine("CMainFrame::OnClose()");
    ASSERT_GE(cleared, 0) << LogText();
    EXPECT_GT(closed, cleared);
    EXPECT_EQ(FindLine("CMainFrame::StartGame(round:NORMAL)"), -1);
}

}  // namespace

namespace {

// However large the window, the dealt table stays inside it: the rows spread out with the zoom and
// the cards grow, but no card leaves the view.
TEST_F(DealTest, DealtCardsStayInsideTheViewAtEveryWindowSize) {
    for (const platform::Size size : {platform::Size{1024, 768}, platform::Size{1920, 1200}, platform::Size{2560, 1440},
                                      platform::Size{3000, 1100}}) {
        SCOPED_TRACE(std::to_string(size.cx) + "x" + std::to_string(size.cy));
        WriteProfileInt("Delay", "Deal", 0);
        StartProgram();
        MoveWindow(Frame().Handle(), 0, 0, size.cx, size.cy, true);
        host_->PumpUntilIdle();
        NewToStart();
        platform::Rect view;
        ASSERT_TRUE(GetClientRect(g_Frame.hTableWnd, &view));
        for (const auto& row : testsupport::DealtCards(Frame())) {
            for (int card : row) {
                const int x = WC_GetCardX(g_Frame.hTableWnd, card);
                const int y = WC_GetCardY(g_Frame.hTableWnd, card);
                const platform::Rect place{x, y, x + WC_GetCardWidth(g_Frame.hTableWnd, card),
                                           y + WC_GetCardHeight(g_Frame.hTableWnd, card)};
                EXPECT_EQ(place.Intersect(view), place) << "card " << card;
            }
        }
        app_.reset();
        host_.reset();
        ResetGlobals();
        host_ = std::make_unique<platform::HeadlessHost>();
    }
}

}  // namespace

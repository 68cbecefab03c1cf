// The trick estimation window follows the game from the deal to the result: the auction, the
// declaration, the skat, the exchange, every trick and a passed-in game each repaint it, and with
// Auto it shows the game of the moment for the person.
#include "flow/FlowFixture.h"
#include "flow/MainFrame.h"
#include "flow/FramePanels.h"
#include "flow/MatchSeries.h"

#include "dialogs/DialogIds.h"
#include "flow/EstimatedGame.h"
#include "flow/FrameGlobals.h"
#include "model/PlayerData.h"
#include "model/Skat.h"
#include "model/Trace.h"
#include "resources/CommandIds.h"
#include "shell/SkatApp.h"
#include "tavlo/Tavlo.h"
#include "windows/TrickEstimation.h"

#include <string>
#include <vector>

namespace {

using testsupport::FlowFixture;

class EstimationRefreshTest : public FlowFixture {
protected:
    // The window open at the start, on the person, following the game.
    CTrickEstimation* StartWithTheWindow() {
        WriteProfileInt("Options", "Demo", 1);
        WriteProfileInt("View", "Player", 0x22);
        WriteProfileInt("View", "ListTrickEstimation", 1);
        WriteProfileInt("RectTrickEstimation", "Auto", 1);
        TraceOn();
        StartProgram();
        return Frame().FramePanels().TrickEstimationWindow();
    }
};

bool InAuction() {
    const int state = g_Game.FlowState;
    return state == STATE_AUCTION || state == STATE_OBSERVE || state == STATE_REPLY;
}

TEST_F(EstimationRefreshTest, AComputersDeclarationShowsTheDeclaredGameWhileItsMessageIsUp) {
    CTrickEstimation* window = StartWithTheWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(window->Auto, 1);
    SeedRand(2);
    Frame().SendMessage(WM_COMMAND, ID_NEW);
    // The deal and the opening of the auction put the window on the person's best game (the roads
    // below count those paints); the computers' words repaint nothing.
    ASSERT_TRUE(host_->PumpUntil(InAuction, 600000));
    const int paintsInTheAuction = window->PaintCount();
    // The game message is answered; at that moment the window is looked at.
    struct Seen {
        int soloist, gameType, view, paints;
        bool sheetOfTheView;
    };
    std::vector<Seen> seen;
    answerer_.answer = IDOK;
    answerer_.probe = [&](HWND) {
        seen.push_back({g_Game.Soloist, g_Game.GameType, window->View, window->PaintCount(),
                        window->Sheet == window->BlockOfView(window->View)});
        return 0;
    };
    answerer_.Start();
    ASSERT_TRUE(host_->PumpUntil([&] { return !seen.empty(); }, 600000));
    const Seen& message = seen.front();
    ASSERT_TRUE(message.soloist == 0 || message.soloist == 1) << "a computer declares this deal";
    EXPECT_EQ(message.view, GameTypeToView(message.gameType, -1));
    EXPECT_TRUE(message.sheetOfTheView) << "the last paint showed the declared game";
    EXPECT_GT(message.paints, paintsInTheAuction);
}

TEST_F(EstimationRefreshTest, TheRamschSkatRoundRepaintsAtThePersonsTurnAndWhenPlayBegins) {
    WriteProfileInt("Variants", "Variant", 2);
    WriteProfileInt("Variants", "PassOn", 1);
    WriteProfileInt("Variants", "GrandHand", 0);  // no offers: the skat round follows the deal
    CTrickEstimation* window = StartWithTheWindow();
    ASSERT_NE(window, nullptr);
    SeedRand(11);
    Frame().SendMessage(WM_COMMAND, ID_NEW);
    const int paintsAtTheDeal = window->PaintCount();
    const std::size_t linesAtTheDeal = LogBodies().size();
    // The person's turn in the skat round: his bar is open.
    ASSERT_TRUE(host_->PumpUntil(
        [&] { return g_Game.FlowState == STATE_QUERY && ::IsWindow(Frame().Prompts().RamschSkatPrompt); }, 600000));
    const int paintsAtTheTurn = window->PaintCount();
    const std::size_t linesAtTheTurn = LogBodies().size();
    ASSERT_TRUE(host_->PumpUntil([] { return g_Game.FlowState == STATE_PLAY; }, 600000));
    const int paintsAtPlay = window->PaintCount();
    // The round's end shows the sheet play begins with. A seat that picks the skat up puts the window on its game once more; every other paint is
    // the round's own.
    auto pickUps = [&](std::size_t from, std::size_t to) {
        const std::vector<std::string> lines = LogBodies();
        int count = 0;
        for (std::size_t i = from; i < to && i < lines.size(); ++i)
            count += lines[i].rfind("CMainFrame::OnPickupRamsch(", 0) == 0 && lines[i] != "CMainFrame::OnPickupRamsch(late)";
        return count;
    };
    const std::size_t linesAtPlay = LogBodies().size();
    // The deal puts the window on the best game once; the person's turn shows his sheet again.
    EXPECT_GE(paintsAtTheTurn - paintsAtTheDeal, 2 + pickUps(linesAtTheDeal, linesAtTheTurn));
    EXPECT_GE(paintsAtPlay - paintsAtTheTurn, 1 + pickUps(linesAtTheTurn, linesAtPlay));
    EXPECT_EQ(window->View, VIEW_RAMSCH);
}

// What the window showed as each trace line of a game was written.
struct Moment {
    std::string line;
    int paints, view, gameType, seat;
    bool sheetOfTheView;
};
std::vector<Moment> g_moments;

void NoteMoment(const std::string& text, unsigned flags) {
    if (CMainFrame* frame = g_pApp->MainFrame())
        if (CTrickEstimation* window = frame->FramePanels().TrickEstimationWindow())
            g_moments.push_back({text, window->PaintCount(), window->View, g_Game.GameType, window->UpdateEstimation(2),
                                 window->Sheet == window->BlockOfView(window->View)});
    g_pApp->WriteLog(text, flags);
}

// One refresh on a road: the paints between the first line that starts with `after` and the next
// one that starts with `before` (an empty `before`: the window as it now stands).
struct Refresh {
    const char* step;
    const char* after;
    const char* before;
    int paints;
    bool showsTheGameType;  // the view is the game type's at the `before` line
};

class EstimationRoadTest : public EstimationRefreshTest {
protected:
    // The window open on the person and following the game, the trace noted line by line.
    CTrickEstimation* StartNoting(bool demo, int variant) {
        WriteProfileInt("Options", "Demo", demo ? 1 : 0);
        WriteProfileInt("Variants", "Variant", variant);
        WriteProfileInt("Variants", "Ramsch", 1);
        WriteProfileInt("Variants", "Ouvert", 2);
        WriteProfileInt("View", "Player", 0x22);
        WriteProfileInt("View", "ListTrickEstimation", 1);
        WriteProfileInt("RectTrickEstimation", "Auto", 1);
        TraceOn();
        StartProgram();
        g_moments.clear();
        SetTraceSink({[] { return g_pApp != nullptr; }, &NoteMoment});
        answerer_.Start();
        return Frame().FramePanels().TrickEstimationWindow();
    }
    static int Find(const std::string& prefix, int from = 0) {
        for (int i = from; i < static_cast<int>(g_moments.size()); ++i)
            if (g_moments[static_cast<std::size_t>(i)].line.rfind(prefix, 0) == 0) return i;
        return -1;
    }
    static bool Written(const std::string& prefix) { return Find(prefix) >= 0; }
    // The window as it stands after the last line.
    Moment Now() {
        CTrickEstimation* window = Frame().FramePanels().TrickEstimationWindow();
        return {"",
                window->PaintCount(),
                window->View,
                g_Game.GameType,
                window->UpdateEstimation(2),
                window->Sheet == window->BlockOfView(window->View)};
    }
    // `from`: the line the search for `after` starts at.
    void Check(const Refresh& r, int from = 0) {
        SCOPED_TRACE(r.step);
        const int at = Find(r.after, from);
        ASSERT_GE(at, 0) << r.after;
        Moment shown = Now();
        if (*r.before) {
            const int next = Find(r.before, at + 1);
            ASSERT_GT(next, at) << r.before;
            shown = g_moments[static_cast<std::size_t>(next)];
        }
        EXPECT_GE(shown.paints - g_moments[static_cast<std::size_t>(at)].paints, r.paints);
        EXPECT_EQ(shown.seat, 2) << "the window shows the person";
        EXPECT_TRUE(shown.sheetOfTheView);
        if (r.showsTheGameType) {
            EXPECT_EQ(shown.view, GameTypeToView(shown.gameType, -1)) << "game type " << shown.gameType;
        }
    }
    // The window as it stands: the person's sheet of the current game type's view.
    void ExpectTheGameTypeShown(CTrickEstimation* window) {
        EXPECT_EQ(window->UpdateEstimation(2), 2);
        EXPECT_EQ(window->Player, Frame().GameObject().Player(2));
        EXPECT_EQ(window->View, GameTypeToView(g_Game.GameType, -1)) << "game type " << g_Game.GameType;
        EXPECT_EQ(window->Sheet, window->BlockOfView(window->View));
    }
    void PressOnBar(int id) {
        ::SendMessage(Bar(), WM_COMMAND, static_cast<WPARAM>(id), 0);
        host_->PumpUntilIdle();
    }
    // The person says `button` each time the auction bar waits for him, until the auction is over.
    void AnswerTheAuctionWith(int button) {
        ASSERT_TRUE(host_->PumpUntil([] { return InAuction(); }, 600000));
        while (InAuction()) {
            ASSERT_TRUE(host_->PumpUntil([&] { return !InAuction() || ::IsWindowEnabled(::GetDlgItem(Bar(), button)); },
                                         600000));
            if (InAuction()) PressOnBar(button);
        }
    }
    // The game played out to its result by Game > Complete.
    void CompleteTheGame() {
        Frame().SendMessage(WM_COMMAND, ID_COMPLETE);
        ASSERT_TRUE(host_->PumpUntil([] { return Written(":ShowResult()"); }, 600000));
    }
    platform::Point CardPoint(int card) {
        const platform::Point client{WC_GetCardX(g_Frame.hTableWnd, card) + 12,
                                     WC_GetCardY(g_Frame.hTableWnd, card) + 12};
        return platform::HeadlessHost::ScreenPoint(g_Frame.hTableWnd, client);
    }
};

// Every trick but the first begins with a sweep, and the first with the sweep of the empty table.
constexpr int kTricksSwept = 9;

// Demonstration games from the deal, one per road: the timers bid, declare and play for the person.
struct DemoRoad {
    const char* name;
    int variant;
    std::uint32_t seed;
    const char* declaration;  // the line that shows the road was taken
    std::vector<Refresh> refreshes;
};

void PrintTo(const DemoRoad& road, std::ostream* out) { *out << road.name; }

class EstimationDemoRoadTest : public EstimationRoadTest, public ::testing::WithParamInterface<DemoRoad> {};

TEST_P(EstimationDemoRoadTest, EveryStepRepaintsTheWindowOnThePersonsSheet) {
    const DemoRoad& road = GetParam();
    CTrickEstimation* window = StartNoting(true, road.variant);
    ASSERT_NE(window, nullptr);
    SeedRand(road.seed);
    Frame().SendMessage(WM_COMMAND, ID_NEW);
    ASSERT_TRUE(host_->PumpUntil([] { return Written(":ShowResult()"); }, 600000));
    ASSERT_TRUE(Written(road.declaration)) << "the road of this deal";
    for (const Refresh& r : road.refreshes) Check(r);
}

const Refresh kAuction{"the auction opens", ":OnAuction(Person:max bid:", ":On", 1, true};
const Refresh kTricks{"every trick", ":InitHistory()", ":ShowResult()", kTricksSwept, true};

INSTANTIATE_TEST_SUITE_P(
    Roads, EstimationDemoRoadTest,
    ::testing::Values(
        DemoRoad{"AComputerDeclares",
                 VARIANT_OFFICIAL,
                 2,
                 "CPlayer::Declare(Computer2",
                 {kAuction, {"the game message", ":State(PLAY)", ":RegisterGameAttributes()", 1, true}, kTricks}},
        DemoRoad{"ThePersonTakesTheSkat",
                 VARIANT_OFFICIAL,
                 45,
                 ":OnPickup(Person)",
                 {kAuction,
                  {"the person holds the bid", ":State(SKAT)", ":On", 1, true},
                  // The demonstration's own evaluation after the pick-up moves the game type on.
                  {"the pick-up", ":OnPickup(Person)", ":OnSuggestSkat(", 1, false},
                  {"the skat suggestion", ":OnSuggestSkat(", ":DemoDeclare(", 1, false},
                  {"the declaration", ":State(PLAY)", ":InitHistory()", 1, true},
                  kTricks}},
        DemoRoad{"ARamschAfterAllPassed", VARIANT_SKAT, 9, ":Declare(nobody)", {kAuction, kTricks}}),
    [](const auto& info) { return std::string(info.param.name); });

// The person holds the bid, takes the skat, announces Ouvert and lays away by drag, declares Grand
// and has the game completed.
TEST_F(EstimationRoadTest, ThePersonsDragAndDeclarationRepaintTheWindow) {
    WriteProfileInt("Options", "Drag", 1);
    CTrickEstimation* window = StartNoting(false, VARIANT_SKAT);
    ASSERT_NE(window, nullptr);
    SeedRand(45);
    Frame().SendMessage(WM_COMMAND, ID_NEW);
    AnswerTheAuctionWith(BTN_BID);
    ASSERT_EQ(g_Game.FlowState, STATE_SKAT);
    // Without suggestions the evaluation names no game here: the view stays as the auction left it.
    Check({"the person holds the bid", ":State(SKAT)", "", 1, false});

    int paints = window->PaintCount();
    PressOnBar(1042);  // Skat aufnehmen
    ASSERT_EQ(g_Game.FlowState, STATE_ASK);
    EXPECT_GT(window->PaintCount(), paints) << "the pick-up";
    ExpectTheGameTypeShown(window);
    EXPECT_EQ(g_Game.GameType, BestEstimatedGame(Frame().GameObject().Person().gameOptions));

    PressOnBar(IDC_OUVERT);
    ASSERT_EQ(g_Game.OuvertAnnounced, 1);
    paints = window->PaintCount();
    const CPlayer& person = Frame().GameObject().Person();
    const int hand = person.cards[5];
    const int skat = Frame().GameObject().Trick().cards[0];
    host_->Drag(host_->NowMs() + 10, CardPoint(hand), CardPoint(skat), 100);
    host_->PumpFor(1000);
    ASSERT_EQ(Frame().GameObject().Trick().cards[0], hand) << "the drag laid the card away";
    EXPECT_GT(window->PaintCount(), paints) << "the drag";
    ExpectTheGameTypeShown(window);
    EXPECT_EQ(g_Game.OuvertAnnounced, 1) << "the window's evaluation keeps what the person announced";

    PressOnBar(IDC_GRAND);
    ASSERT_EQ(g_Game.FlowState, STATE_PLAY);
    Check({"the declaration", ":State(PLAY)", ":InitHistory()", 1, true});
    EXPECT_EQ(window->View, VIEW_GRAND);
    CompleteTheGame();
    Check(kTricks);
}

// All three pass under rule Skat and the person answers No: the game counts and the table waits
// with the window on the person's best game for the next deal.
TEST_F(EstimationRoadTest, APassedInGameLeavesTheWindowOnThePersonsBestGame) {
    CTrickEstimation* window = StartNoting(false, VARIANT_OFFICIAL);
    ASSERT_NE(window, nullptr);
    SeedRand(9);
    Frame().SendMessage(WM_COMMAND, ID_NEW);
    AnswerTheAuctionWith(BTN_PASS);
    ASSERT_TRUE(host_->PumpUntil([] { return g_Game.FlowState == STATE_IDLE; }, 600000));
    host_->PumpUntilIdle();
    ASSERT_TRUE(Written(":Declare(nobody)"));
    ASSERT_EQ(Frame().Series().RepeatAllowed, 1) << "the table waits";
    // The game is counted (its files written, the marks cleared) before the window is looked at.
    Check({"the passed-in game", ":CheckCheat(", "", 1, true}, Find(":Declare(nobody)"));
    ExpectTheGameTypeShown(window);
    EXPECT_EQ(g_Game.GameType, BestEstimatedGame(Frame().GameObject().Person().gameOptions));
}

}  // namespace

// The trick estimation window follows the game through demonstration games: a computer's
// declaration repaints it with the declared game's sheet while the game message is up, and the
// Ramsch skat round repaints it at the person's turn and when play begins.
#include "flow/FlowFixture.h"

#include "resources/CommandIds.h"
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
        return Frame().TrickEstimationWindow();
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
    // The deal put the window on the person's best game; the auction repaints nothing.
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

}  // namespace

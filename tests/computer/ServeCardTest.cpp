// A computer card going onto a table window of the headless host: it leaves the hand and the
// analysis, is marked played, lies in the seat's trick place stacked with its neighbour, is heard
// and traced; before it the frame's Kontra steps run.

#include "CardPlayTestSupport.h"

#include "model/GameTypeLookups.h"
#include "model/Skat.h"
#include "model/TableServices.h"
#include "platform/core/WindowApi.h"
#include "platform/headless/HeadlessHost.h"
#include "platform/headless/RecordingDC.h"
#include "platform/headless/TavloPictures.h"
#include "tavlo/Table.h"
#include "tavlo/Tavlo.h"
#include "support/SkatTestAccess.h"

namespace {

HWND g_table = nullptr;

class ServeCardTest : public ComputerTest {
protected:
    void SetUp() override {
        ComputerTest::SetUp();
        tavlo::ResetAll();
        tavlo::SetCardPictures(&sizes);
        host.SetSurfaceFactory([this](HWND) -> platform::DeviceContext* { return &surface; });
        platform::CreateParams params;
        params.rect = {0, 0, 1280, 960};
        params.visible = true;
        ASSERT_TRUE(window.Create(params));
        g_table = window.Handle();
        WC_NewCardDeck(g_table);
        g_TableServices.Reset();
        g_TableServices.TableWindow = [] { return g_table; };
    }
    void TearDown() override {
        g_TableServices.Reset();
        tavlo::ResetAll();
        tavlo::SetCardPictures(nullptr);
        g_table = nullptr;
    }
    // Deals the game's hands onto the table.
    void Show(CSkat& game) {
        for (int seat = 0; seat < 3; ++seat) {
            SkatTestAccess::Player(game, seat).SetLayout(100 + 300 * seat, 600, 20, 0);
            SkatTestAccess::Player(game, seat).PaintCards();
        }
        SkatTestAccess::Trick(game).SetLayout(500, 300, 80, 0);
        SkatTestAccess::Trick(game).Reset();
    }

    platform::HeadlessHost host;
    platform::TavloSizesOnly sizes;
    platform::RecordingDC surface{platform::Size{1280, 960}};
    platform::Window window;
};

TEST_F(ServeCardTest, TheCardGoesFromTheHandIntoTheSeatsTrickPlace) {
    CSkat game;
    g_ComputerFrame.Game = &game;
    g_Game.GameType = GAME_GRAND;
    g_Game.Soloist = 2;
    g_Game.TrickWinner = g_Game.Forehand = 0;
    GiveHand(SkatTestAccess::Player(game, 0), "CA");
    GiveHand(SkatTestAccess::Player(game, 1), "CT C8 HA");
    Show(game);
    std::vector<std::string> steps;
    g_ComputerFrame.ShowKontraMessage = [&steps](int state, int seat, const std::string& name) {
        steps.push_back("message " + std::to_string(state) + " " + std::to_string(seat) + " " + name);
    };
    g_ComputerFrame.AskComputersKontra = [&steps](int seat, int soloist) {
        steps.push_back("ask " + std::to_string(seat) + " " + std::to_string(soloist));
    };
    g_ComputerFrame.SoundEffect = [&steps](int effect, bool loop) {
        steps.push_back("sound " + std::to_string(effect) + (loop ? " loop" : ""));
    };
    g_Game.KontraState = KONTRA_SAID;
    TraceLines trace;

    SkatTestAccess::Player(game, 0).ServeCard(&SkatTestAccess::Trick(game));
    const int first = game.Trick().cards[0];
    ASSERT_TRUE(IsCardCode(first));
    EXPECT_TRUE(game.Trick().present[0]);
    EXPECT_EQ(game.Trick().count, 1);
    EXPECT_FALSE(game.Player(0)->HasCard(first));
    EXPECT_EQ(first, C(ACE, CLUBS));
    EXPECT_EQ(game.Player(0)->count, 0);
    EXPECT_EQ(game.Player(0)->handInfo.RankTable[GetCardSuit(first, true)][GetCardRank(first)], -1);
    EXPECT_EQ(g_Knowledge.CardLocation(GetCardRow(first)), CARD_PLAYED);
    EXPECT_TRUE(WC_IsCardDealt(g_table, first));
    EXPECT_EQ(steps, (std::vector<std::string>{"message 2 0 Comp1", "ask 0 2", "sound 6"}));
    EXPECT_TRUE(trace.Contains("CPlayer::ServeCard(Comp1:KzA)"));

    // The second seat's card lies above the first.
    SkatTestAccess::Player(game, 1).ServeCard(&SkatTestAccess::Trick(game));
    const int second = game.Trick().cards[1];
    ASSERT_TRUE(second == C(TEN, CLUBS) || second == C(EIGHT, CLUBS));
    EXPECT_TRUE(trace.Contains(second == C(TEN, CLUBS) ? "CPlayer::ServeCard(Comp2:Kz10)" : "CPlayer::ServeCard(Comp2:Kz8)"));
    EXPECT_EQ(WC_GetSuccCardDealt(g_table, first, 0, 0), second);
    // The person's seat is served too (demonstration, completion) and lies above seat 1's card.
    GiveHand(SkatTestAccess::Person(game), "C9");
    SkatTestAccess::Person(game).SetLayout(700, 600, 20, 0);
    SkatTestAccess::Person(game).PaintCards();
    SkatTestAccess::Person(game).ServeCard(&SkatTestAccess::Trick(game));
    EXPECT_EQ(game.Trick().cards[2], C(NINE, CLUBS));
    EXPECT_EQ(WC_GetSuccCardDealt(g_table, second, 0, 0), C(NINE, CLUBS));
    EXPECT_TRUE(trace.Contains("CPlayer::ServeCard(Person:Kz9)"));
    g_ComputerFrame.Game = nullptr;
}

TEST_F(ServeCardTest, NoStrategyPlaysNothingAndTracesNone) {
    CSkat game;
    g_Game.GameType = GAME_NONE;
    g_Game.TrickWinner = 0;
    GiveHand(SkatTestAccess::Player(game, 0), "CA C7 S8");
    Show(game);
    int sounds = 0;
    g_ComputerFrame.SoundEffect = [&sounds](int, bool) { ++sounds; };
    TraceLines trace;
    SkatTestAccess::Player(game, 0).ServeCard(&SkatTestAccess::Trick(game));
    EXPECT_EQ(game.Trick().count, 0);
    EXPECT_EQ(game.Player(0)->count, 3);
    EXPECT_EQ(sounds, 0);
    ASSERT_EQ(TraceLines::Lines().size(), 1u);
    EXPECT_EQ(TraceLines::Lines().front(), "CPlayer::ServeCard(Comp1:none)");
    // An empty hand serves nothing either.
    g_Game.GameType = GAME_GRAND;
    GiveHand(SkatTestAccess::Player(game, 0), "");
    SkatTestAccess::Player(game, 0).ServeCard(&SkatTestAccess::Trick(game));
    EXPECT_EQ(game.Trick().count, 0);
    EXPECT_EQ(TraceLines::Lines().back(), "CPlayer::ServeCard(Comp1:none)");
}

}  // namespace

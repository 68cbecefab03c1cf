#include "model/PlayerData.h"
#include "ModelFixture.h"
#include "model/Skat.h"
#include "support/SkatTestAccess.h"

#include <string>
#include <vector>

namespace {

class PlayerTest : public ModelTest {};

TEST_F(PlayerTest, GameObjectSeatsAndNames) {
    CSkat game;
    EXPECT_EQ(game.GetPlayerName(0), "Comp1");
    EXPECT_EQ(game.GetPlayerName(1), "Comp2");
    EXPECT_EQ(game.GetPlayerName(2), "Person");
    EXPECT_EQ(game.GetPlayerName(3), "");
    for (int seat = 0; seat < 3; ++seat) EXPECT_EQ(game.Player(seat)->seat, seat);
    EXPECT_EQ(game.Player(3), nullptr);
    EXPECT_TRUE(game.Person().open);
    EXPECT_FALSE(game.Player(0)->open);
    EXPECT_TRUE(game.Trick().fixedPlaces);
    EXPECT_EQ(game.CourseRow(2).capacity, 10);
    EXPECT_NE(dynamic_cast<const CPerson*>(game.Player(2)), nullptr);
    EXPECT_EQ(dynamic_cast<const CPerson*>(game.Player(0)), nullptr);
}

TEST_F(PlayerTest, DiscardBooksTheCardOnlyInRealPlay) {
    CSkat game;
    CPlayer& player = SkatTestAccess::Player(game, 1);
    player.Clear();
    player.count = 0;
    player.AddCard(Card(ACE, HEARTS));
    player.AddCard(Card(JACK, CLUBS));
    player.TallyHand();
    g_Game.GameType = GAME_SPADES;
    g_Game.Forehand = 1;

    g_Game.RealPlayFlag = 0;
    player.Discard(Card(ACE, HEARTS));
    EXPECT_EQ(player.handInfo.SuitCount[HEARTS], 1);
    EXPECT_EQ(player.playedSuit[HEARTS], 0);

    g_Game.RealPlayFlag = 1;
    player.forcedCard = -Card(ACE, HEARTS);
    player.Discard(Card(ACE, HEARTS));
    EXPECT_EQ(player.handInfo.SuitCount[HEARTS], 0);
    EXPECT_EQ(player.handInfo.PlayedSuitCount[HEARTS], 1);
    EXPECT_EQ(player.handInfo.RankTable[HEARTS][ACE], -1);
    EXPECT_EQ(player.playedSuit[HEARTS], 1);
    EXPECT_EQ(player.forcedCard, 0);
    EXPECT_EQ(g_Knowledge.TrickLeadSuit, HEARTS);

    g_Game.Forehand = 0;
    player.Discard(Card(JACK, CLUBS));  // a trump: no plain suit flag, not the leader
    EXPECT_EQ(player.handInfo.JackCount, 0);
    EXPECT_EQ(player.playedSuit[CLUBS], 0);
    EXPECT_EQ(g_Knowledge.TrickLeadSuit, HEARTS);

    std::vector<std::string> reports;
    SetInternalErrorHandler([&](const std::string& text) { reports.push_back(text); });
    for (int bad : {0, 53, -1, 3}) {
        g_Game.StopFlag = StopState::Running;
        player.Discard(bad);
        EXPECT_EQ(g_Game.StopFlag, StopState::Requested) << bad;
    }
    ASSERT_EQ(reports.size(), 4u);
    EXPECT_EQ(reports[1].rfind("fatal discard:  player: 1, card: 53\n\n  file:\tPlayer\n  line:\t", 0), 0u);
}

TEST_F(PlayerTest, ResetAndDurchmarschWords) {
    CPlayer player("Comp2", 10, false, 1);
    g_Game.HasBid[1] = 1;
    player.forcedCard = 12;
    player.partnerTopSuits = 5;
    player.playedSuit[2] = 1;
    player.SetDurchmarsch(1, 0);
    EXPECT_EQ(player.durchmarschAim, 1);
    EXPECT_EQ(player.durchmarschDecided, 1);
    EXPECT_EQ(player.durchmarschMode, 0);
    g_Game.GameType = GAME_RAMSCH;
    EXPECT_TRUE(player.IsDurchmarschAim());
    player.SetDurchmarsch(-1, -1);
    EXPECT_EQ(player.durchmarschMode, 0);
    EXPECT_EQ(player.durchmarschDecided, 1);
    EXPECT_EQ(player.durchmarschAim, 0);
    player.Reset();
    EXPECT_EQ(g_Game.HasBid[1], 0);
    EXPECT_EQ(player.forcedCard, 0);
    EXPECT_EQ(player.partnerTopSuits, 0);
    EXPECT_EQ(player.playedSuit[2], 0);
    EXPECT_EQ(player.durchmarschMode, 1);
}

TEST_F(PlayerTest, GameValueFromTheHand) {
    CPlayer player("Person", 10, true, 2);
    player.Clear();
    player.count = 0;
    for (int card : {Card(JACK, CLUBS), Card(JACK, SPADES), Card(ACE, HEARTS), Card(TEN, HEARTS)})
        player.AddCard(card);
    g_Game.SetGameType(GAME_HEARTS);
    EXPECT_EQ(player.GetGameValue(), 3 * 10);  // with two, game three
    g_Game.HandAnnounced = 1;
    EXPECT_EQ(player.GetGameValue(), 4 * 10);
    g_Game.SetGameType(GAME_NULL);
    EXPECT_EQ(player.GetGameValue(), 35);
    g_Game.SetGameType(GAME_GRAND);
    g_Game.HandAnnounced = 0;
    EXPECT_EQ(player.GetGameValue(), 3 * 24);
    // The declared game counts each announcement with the level it announces: Hand Hearts with
    // Schneider announced is with two, game three, Hand, Schneider, announced; Ouvert under the
    // official rules announces Schneider and Schwarz besides its own level.
    const struct {
        const char* name;
        int schneider, schwarz, ouvert, value;
    } cases[] = {
        {"schneider announced", 1, 0, 0, 6 * 10},
        {"schwarz announced", 1, 1, 0, 8 * 10},
        {"ouvert", 0, 0, 1, 9 * 10},
    };
    for (const auto& c : cases) {
        g_Game.SetGameType(GAME_HEARTS);
        g_Game.HandAnnounced = 1;
        g_Game.SchneiderAnnounced = c.schneider;
        g_Game.SchwarzAnnounced = c.schwarz;
        g_Game.OuvertAnnounced = c.ouvert;
        EXPECT_EQ(player.GetGameValue(), c.value) << c.name;
    }
}

}  // namespace

// The game object's steps on the cards: a trick's points are booked when it is valued and the
// trick counted after; each step that leaves the cards sound checks the card invariant, so a step
// taken out of order is reported where it happens.

#include "model/PlayerData.h"
#include "ModelFixture.h"
#include "model/Skat.h"

#include <memory>
#include <string>
#include <vector>

namespace {

class SkatPlayTest : public ModelTest {
protected:
    void SetUp() override {
        ModelTest::SetUp();
        reports.clear();
        SetInternalErrorHandler([this](const std::string& text) { reports.push_back(text); });
        ClearDeckTaken();
        ResetCardTables();
        game = std::make_unique<CSkat>();
        game->DealHands(0);
    }
    // Play of a game of seat 0 with the skat taken: his count begins with the skat's points.
    void StartPlay(int type) {
        g_Game.SetGameType(type);
        g_Game.Soloist = 0;
        g_Game.FlowState = STATE_PLAY;
        g_Game.TrickWinner = g_Game.Forehand = 0;
        if (type != GAME_NULL) g_Game.PartyPoints[0] = game->CountPoints();
    }
    // Each seat puts the first card of its hand that the follow rule allows into the trick.
    void PlayTrickCards() {
        const int leader = g_Game.TrickWinner;
        for (int turn = 0; turn < 3; ++turn) {
            const int seat = (leader + turn) % 3;
            const CPlayer& player = *game->Player(seat);
            const int lead = turn == 0 ? NO_CARD : game->Trick().cards[static_cast<std::size_t>(leader)];
            int card = NO_CARD;
            for (int slot = 0; slot < player.capacity && card == NO_CARD; ++slot)
                if (player.present[static_cast<std::size_t>(slot)] && player.CanPlayCard(player.cards[slot], lead))
                    card = player.cards[static_cast<std::size_t>(slot)];
            ASSERT_NE(card, NO_CARD) << "seat " << seat;
            game->PlayRecordedCard(seat, card);
        }
    }
    int TrickPoints() const {
        int points = 0;
        for (int seat = 0; seat < 3; ++seat) points += GetCardPoints(game->Trick().cards[static_cast<std::size_t>(seat)]);
        return points;
    }

    std::unique_ptr<CSkat> game;  // a fresh table for each deal
    std::vector<std::string> reports;
};

TEST_F(SkatPlayTest, ATricksPointsAreBookedWhenValuedAndTheTrickCountedAfter) {
    StartPlay(GAME_GRAND);
    for (int trick = 0; trick < 10; ++trick) {
        SCOPED_TRACE("trick " + std::to_string(trick + 1));
        PlayTrickCards();
        const int booked = g_Game.PartyPoints[0] + g_Game.PartyPoints[1];
        const int points = TrickPoints();
        ASSERT_TRUE(game->BookTrickPoints());
        // Valued: the points are the winner's party's, the trick is not counted yet.
        EXPECT_EQ(g_Game.PartyPoints[0] + g_Game.PartyPoints[1], booked + points);
        EXPECT_EQ(g_Game.PartyTricks[0] + g_Game.PartyTricks[1], trick);
        game->CountTrick();
        EXPECT_EQ(g_Game.PartyTricks[g_Game.TrickWinner == 0 ? 0 : 1] + g_Game.PartyTricks[g_Game.TrickWinner == 0 ? 1 : 0],
                  trick + 1);
        game->SweepTrickToPile(g_Game.TrickWinner);
        game->ClearTrick();
    }
    EXPECT_EQ(g_Game.PartyPoints[0] + g_Game.PartyPoints[1], 120);
    EXPECT_TRUE(reports.empty()) << reports.front();
}

TEST_F(SkatPlayTest, ANullSoloistsTrickEndsTheGameSoundly) {
    int soloistTricks = 0;
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        SetUp();
        SeedRand(seed);
        ClearDeckTaken();
        game->DealHands(0);
        StartPlay(GAME_NULL);
        // Tricks until the soloist takes one, or the game is played out.
        bool won = true;
        for (int trick = 0; trick < 10 && won; ++trick) {
            PlayTrickCards();
            won = game->BookTrickPoints();
            if (won) game->CountTrick();
            else game->CountNullSoloistTrick();
            game->ClearTrick();
        }
        if (!won) {
            ++soloistTricks;
            EXPECT_EQ(g_Game.PartyTricks[0], 10);
        }
        EXPECT_TRUE(reports.empty()) << reports.front();
    }
    EXPECT_GT(soloistTricks, 0);  // the case is met
}

#ifndef NDEBUG
// A step taken out of order leaves the cards unsound; the step itself reports it.
TEST_F(SkatPlayTest, AStepThatLeavesTheCardsUnsoundReportsIt) {
    struct Case {
        const char* name;
        void (*steps)(CSkat& game);
    };
    const Case cases[] = {
        {"a trick cleared before it is valued", [](CSkat& g) { g.ClearTrick(); }},
        {"a trick's points booked twice", [](CSkat& g) {
             g.BookTrickPoints();
             g.BookTrickPoints();
         }},
        {"a trick counted twice", [](CSkat& g) {
             g.BookTrickPoints();
             g.CountTrick();
             g.CountTrick();
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        StartPlay(GAME_GRAND);
        PlayTrickCards();
        ASSERT_TRUE(reports.empty()) << reports.front();
        c.steps(*game);
        EXPECT_EQ(reports.size(), 1u);
    }
}
#endif

}  // namespace

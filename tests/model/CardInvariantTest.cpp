// The card invariant of the game object: each of the 32 cards in exactly one place, the tricks
// taken as counted and booked; and a fault broken in on purpose is found and reported.

#include "ModelFixture.h"
#include "model/Skat.h"
#include "support/SkatTestAccess.h"
#include "support/WholeDeal.h"

#include <string>
#include <vector>

namespace {

class CardInvariantTest : public ModelTest {
protected:
    void SetUp() override {
        ModelTest::SetUp();
        SeedRand(4711);
        testsupport::DealAll(game);
    }
    // The seat plays the card of a hand slot into its place of the trick: the rows are set by
    // hand, so that each step of a trick can be looked at on its own.
    void PlayIntoTrick(int seat, int slot) {
        const int card = SkatTestAccess::Player(game, seat).RemoveCard(slot, true);
        SkatTestAccess::Trick(game).SetCard(seat, card);
    }
    // One whole trick, led by seat 0, valued and counted, and the trick row cleared.
    void PlayTrick(int slot) {
        for (int seat = 0; seat < 3; ++seat) PlayIntoTrick(seat, slot);
        g_Game.TrickWinner = 0;
        ASSERT_TRUE(SkatTestAccess::Trick(game).Valuate());
        ++g_Game.PartyTricks[g_Game.TrickWinner == g_Game.Soloist ? 0 : 1];
        EXPECT_FALSE(game.FindCardFault()) << game.FindCardFault().text;  // counted, still on the table
        SkatTestAccess::Trick(game).Reset();
    }
    // Play of a Grand of seat 0 with the skat taken: his count begins with the skat's points.
    void StartGrandPlay() {
        g_Game.SetGameType(GAME_GRAND);
        g_Game.Soloist = 0;
        g_Game.FlowState = STATE_PLAY;
        g_Game.PartyPoints[0] = game.CountPoints();
    }

    CSkat game;
};

TEST_F(CardInvariantTest, EveryDealIsSound) {
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
        SeedRand(seed);
        testsupport::DealAll(game);
        const CardFault fault = game.FindCardFault();
        EXPECT_FALSE(fault) << seed << ": " << fault.text;
    }
}

TEST_F(CardInvariantTest, TricksTakenAreCountedAndBooked) {
    StartGrandPlay();
    EXPECT_FALSE(game.FindCardFault()) << game.FindCardFault().text;
    // The lead and the second card lie in the trick.
    PlayIntoTrick(0, 0);
    PlayIntoTrick(1, 0);
    EXPECT_FALSE(game.FindCardFault()) << game.FindCardFault().text;
    PlayIntoTrick(2, 0);
    EXPECT_FALSE(game.FindCardFault()) << game.FindCardFault().text;  // complete, not yet valued
    SkatTestAccess::Trick(game).Reset();
    // That trick was taken off the table unvalued: three cards gone, no trick counted.
    EXPECT_EQ(game.FindCardFault().text, "3 cards taken for 0 tricks counted");
    g_Game.PartyTricks[1] = 1;
    EXPECT_TRUE(game.FindCardFault());  // counted, but its points were never booked
    g_Game.PartyTricks[1] = 0;

    SetUp();
    StartGrandPlay();
    for (int slot = 0; slot < 4; ++slot) PlayTrick(slot);
    EXPECT_FALSE(game.FindCardFault()) << game.FindCardFault().text;
    EXPECT_EQ(g_Game.PartyTricks[0] + g_Game.PartyTricks[1], 4);
    // A point booked twice.
    ++g_Game.PartyPoints[1];
    EXPECT_NE(game.FindCardFault().text.find("points booked"), std::string::npos);
}

TEST_F(CardInvariantTest, ANullSoloistsTrickEndsTheCount) {
    g_Game.SetGameType(GAME_NULL);
    g_Game.Soloist = 0;
    g_Game.FlowState = STATE_PLAY;
    for (int seat = 0; seat < 3; ++seat) PlayIntoTrick(seat, 0);
    SkatTestAccess::Trick(game).Reset();
    g_Game.PartyTricks[0] = 10;  // the flow's mark that the soloist took a trick
    EXPECT_FALSE(game.FindCardFault()) << game.FindCardFault().text;
}

TEST_F(CardInvariantTest, BrokenPlacesAreFound) {
    struct Case {
        const char* name;
        void (*breakIt)(CSkat& game);
        std::string fault;
    };
    // Faults no operation makes: the rows are broken by hand.
    using Rows = SkatTestAccess;
    const Case cases[] = {
        {"a card in two hands", [](CSkat& g) { Rows::Player(g, 0).cards[0] = g.Hand(1).cards[0]; },
         "DA lies in Comp1 and in Comp2"},
        {"a skat card also in the trick", [](CSkat& g) { Rows::Trick(g).SetCard(1, g.cards[1]); },
         "HJ lies in skat and in trick"},
        {"a present slot without a card", [](CSkat& g) { Rows::Player(g, 2).cards[3] = 60; },
         "slot 3 of Person holds no card"},
        {"a card lost before play", [](CSkat& g) { Rows::Player(g, 1).RemoveCard(4, true); },
         "1 cards lie nowhere, CJ first"},
        {"the skat picked up twice", [](CSkat& g) {
             Rows::Player(g, 2).cards[10] = g.cards[0];
             Rows::Player(g, 2).present[10] = 1;
         }, "CA lies in Person and in skat"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        c.breakIt(game);
        EXPECT_EQ(game.FindCardFault().text, c.fault);
    }
}

TEST_F(CardInvariantTest, AFaultIsTracedAndReportedAsAnInternalError) {
    std::vector<std::string> reports;
    SetInternalErrorHandler([&](const std::string& text) { reports.push_back(text); });
    game.CheckCardInvariant();
    EXPECT_TRUE(reports.empty());
    const int card = game.Hand(1).cards[0];
    SkatTestAccess::Player(game, 0).cards[0] = card;  // a fault no operation makes
    game.CheckCardInvariant();
#ifdef NDEBUG
    EXPECT_TRUE(reports.empty());  // release builds skip the check
#else
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].rfind("fatal error: no such player (" + std::to_string(card) + ")", 0), 0u) << reports[0];
    EXPECT_NE(reports[0].find("file:\tSkat"), std::string::npos) << reports[0];
#endif
}

}  // namespace

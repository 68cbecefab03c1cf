// The card-play dispatcher and the frame every strategy shares: the strategy table, the follow
// rule, the closing check, the picked card, suggestions that leave the hand alone, and the
// defenders' give-up offer.

#include "CardPlayTestSupport.h"

#include "computer/play/CardPlayDispatch.h"
#include "model/Skat.h"

#include <functional>

namespace {

class CardPlayFrameTest : public ComputerTest {};

// ---- The strategy table -----------------------------------------------------------------------

struct DispatchCase {
    int type;
    int soloist;   // seat of the soloist (3 none)
    int aim;       // Durchmarsch aim of seat 0
    int position;  // cards already in the trick
    int strategy;  // expected row, -1 none
    bool soloistNext;
};

TEST_F(CardPlayFrameTest, StrategyTableByGameTypeRoleAndPosition) {
    const DispatchCase cases[] = {
        {-1, 0, 0, 0, STRATEGY_NONE, false},
        {8, 0, 0, 0, STRATEGY_NONE, false},
        {8, 3, 1, 1, STRATEGY_NONE, false},
        {0, 0, 0, 0, SUIT_SOLOIST_LEAD, false},
        {3, 0, 0, 2, SUIT_SOLOIST_THIRD, false},
        {1, 1, 0, 0, SUIT_OPPONENT_LEAD, true},
        {2, 2, 0, 1, SUIT_OPPONENT_SECOND, false},
        {4, 0, 0, 1, NULL_SOLOIST_SECOND, false},
        {5, 0, 0, 2, NULL_SOLOIST_THIRD, false},
        {4, 1, 0, 2, NULL_OPPONENT_THIRD, true},
        {5, 2, 0, 0, NULL_OPPONENT_LEAD, false},
        {6, 0, 0, 0, GRAND_SOLOIST_LEAD, false},
        {6, 0, 0, 1, GRAND_SOLOIST_SECOND, false},
        {6, 0, 0, 2, GRAND_SOLOIST_THIRD, false},
        {6, 1, 0, 0, GRAND_OPPONENT_LEAD, true},
        {6, 1, 0, 1, GRAND_OPPONENT_SECOND, true},
        {6, 2, 0, 2, GRAND_OPPONENT_THIRD, false},
        // Ramsch: the aim decides, the soloist seat does not.
        {7, 3, 0, 0, RAMSCH_LEAD, false},
        {7, 0, 0, 1, RAMSCH_SECOND, false},
        {7, 3, 0, 2, RAMSCH_THIRD, false},
        {7, 3, 1, 0, DURCHMARSCH_LEAD, false},
        {7, 1, 1, 1, DURCHMARSCH_SECOND, true},
        {7, 3, 1, 2, DURCHMARSCH_THIRD, false},
        // No fourth card, no negative position.
        {6, 0, 0, 3, STRATEGY_NONE, false},
        {7, 3, 0, 3, STRATEGY_NONE, false},
        {0, 1, 0, -1, STRATEGY_NONE, true},
    };
    for (const auto& c : cases) {
        g_Game.GameType = c.type;
        g_Game.Soloist = c.soloist;
        seat0.durchmarschAim = c.aim;
        const StrategyChoice choice = ChooseStrategy(seat0, c.position);
        EXPECT_EQ(choice.strategy, c.strategy) << "type " << c.type << " soloist " << c.soloist << " aim " << c.aim
                                               << " position " << c.position;
        EXPECT_EQ(choice.soloistNext, c.soloistNext) << "type " << c.type << " soloist " << c.soloist;
        if (c.strategy == STRATEGY_NONE) {
            GiveHand(seat0, "CA C7");
            g_Game.TrickWinner = 0;
            EXPECT_EQ(seat0.ServeCardDispatch(c.position, NO_CARD, NO_CARD), NO_CARD);
        }
    }
    EXPECT_STREQ(StrategyName(GRAND_OPPONENT_THIRD), "PlayGrandOpponentThird");
    EXPECT_STREQ(StrategyName(STRATEGY_NONE), "");
}

// ---- The follow rule --------------------------------------------------------------------------

struct FollowCase {
    int type;
    const char* hand;
    const char* lead;  // "" for an empty trick
    const char* card;
    bool allowed;
};

TEST_F(CardPlayFrameTest, FollowRuleTable) {
    const FollowCase cases[] = {
        // Grand: a Jack is trump; a plain lead must be followed when held.
        {GAME_GRAND, "CJ HA H7 S8", "HK", "H7", true},
        {GAME_GRAND, "CJ HA H7 S8", "HK", "CJ", false},
        {GAME_GRAND, "CJ HA H7 S8", "HK", "S8", false},
        {GAME_GRAND, "CJ HA H7 S8", "DJ", "CJ", true},
        {GAME_GRAND, "CJ HA H7 S8", "DJ", "HA", false},
        {GAME_GRAND, "HA H7 S8", "DJ", "HA", true},  // no trump: anything
        {GAME_GRAND, "CJ S8", "HK", "CJ", true},     // out of the suit: anything
        // A suit game: the trump suit and the Jacks are one column.
        {GAME_HEARTS, "CJ H7 S8", "HA", "CJ", true},
        {GAME_HEARTS, "CJ H7 S8", "HA", "S8", false},
        {GAME_HEARTS, "HJ S8 SA", "DJ", "HJ", true},
        {GAME_HEARTS, "HJ S8 SA", "DJ", "S8", false},
        {GAME_HEARTS, "S8 SA", "HJ", "S8", true},
        // Null: the Jack belongs to its suit.
        {GAME_NULL, "HJ S8", "H7", "HJ", true},
        {GAME_NULL, "HJ S8", "H7", "S8", false},
        {GAME_REVOLUTION, "CJ S8", "H7", "CJ", true},
        // Ramsch: Jacks are trumps.
        {GAME_RAMSCH, "CJ HA", "SJ", "CJ", true},
        {GAME_RAMSCH, "CJ HA", "SJ", "HA", false},
        {GAME_RAMSCH, "CJ HA", "H7", "CJ", false},
    };
    for (const auto& c : cases) {
        g_Game.GameType = c.type;
        g_Game.TrickWinner = 1;
        GiveHand(seat0, c.hand);
        const int lead = ParseCards(c.lead).front();
        EXPECT_EQ(seat0.CanPlayCard(ParseCards(c.card).front(), lead), c.allowed)
            << c.type << " " << c.hand << " lead " << c.lead << " card " << c.card;
    }
    // An empty trick: only the seat in TrickWinner leads.
    g_Game.GameType = GAME_GRAND;
    GiveHand(seat0, "CJ HA");
    g_Game.TrickWinner = 0;
    EXPECT_TRUE(seat0.CanPlayCard(C(ACE, HEARTS), NO_CARD));
    EXPECT_TRUE(seat0.CanPlayCard(C(ACE, HEARTS), 0));
    g_Game.TrickWinner = 2;
    EXPECT_FALSE(seat0.CanPlayCard(C(ACE, HEARTS), NO_CARD));
}

TEST_F(CardPlayFrameTest, FollowRuleAgreesWithThePersonsCheckOverSeededDeals) {
    CSkat game;
    int compared = 0;
    for (int seed = 1; seed <= 300; ++seed) {
        SeedRand(static_cast<std::uint32_t>(seed));
        ClearDeckTaken();
        game.DealAll();
        const int types[] = {0, 1, 2, 3, 4, 5, 6, 7};
        g_Game.GameType = types[seed % 8];
        for (int s = 0; s < 3; ++s) game.Player(s)->AnalyseHand(0);
        // A lead from a random card of seat 0 or 1; the person checks every card of his.
        const int leader = seed % 2;
        CPlayer* lead = game.Player(leader);
        const int leadCard = lead->cards[static_cast<std::size_t>(Rand() % 10)];
        game.trick.Reset();
        game.trick.cards[leader] = leadCard;
        game.trick.present[leader] = 1;
        game.trick.count = 1;
        g_Game.TrickWinner = leader;
        for (int slot = 0; slot < 10; ++slot) {
            EXPECT_EQ(game.person.CanPlayCard(game.person.cards[slot], leadCard),
                      game.person.ValidCard(slot, game.trick))
                << "seed " << seed << " card " << CardName(game.person.cards[slot]) << " lead " << CardName(leadCard);
            ++compared;
        }
    }
    EXPECT_EQ(compared, 3000);
}

}  // namespace

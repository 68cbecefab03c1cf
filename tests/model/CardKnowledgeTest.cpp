#include "ModelFixture.h"
#include "model/GameTypeLookups.h"
#include "model/Player.h"
#include "model/Skat.h"
#include "platform/core/Random.h"
#include "support/WholeDeal.h"
#include "support/SkatTestAccess.h"

#include <string>
#include <vector>

namespace {

class CardKnowledgeTest : public ModelTest {
protected:
    CSkat game;

    void Give(CPlayer& player, const std::vector<int>& cards) {
        player.Clear();
        player.count = 0;
        for (int card : cards) player.AddCard(card);
        player.TallyHand();
    }
};

TEST_F(CardKnowledgeTest, SkatCardsAreGoneOnlyForTheSeatThatKnowsThem) {
    SeedRand(5);
    testsupport::DealAll(game);
    int marked = 0;
    for (int row = 0; row < DECK_SIZE; ++row) marked += g_Knowledge.CardLocation(row) == CARD_IN_SKAT;
    EXPECT_EQ(marked, 2);
    int skatCard = game.cards[0];
    int suit = GetCardSuit(skatCard, true), rank = GetCardRank(skatCard);

    g_Game.GameType = GAME_HEARTS;
    g_Game.Soloist = 3;
    for (int seat = 0; seat < 3; ++seat) EXPECT_FALSE(IsCardGone(suit, rank, seat));
    g_Game.Soloist = 1;
    EXPECT_TRUE(IsCardGone(suit, rank, 1));
    EXPECT_FALSE(IsCardGone(suit, rank, 0));
    g_Game.HandAnnounced = 1;
    EXPECT_FALSE(IsCardGone(suit, rank, 1));
    g_Game.HandAnnounced = 0;
    g_Knowledge.DiscardBusy = 1;
    EXPECT_FALSE(IsCardGone(suit, rank, 1));
    g_Knowledge.DiscardBusy = 0;
    // In Ramsch the seat holding the skat knows it.
    g_Game.GameType = GAME_RAMSCH;
    g_Game.SkatHolderSeat = 2;
    EXPECT_TRUE(IsCardGone(suit, rank, 2));
    EXPECT_FALSE(IsCardGone(suit, rank, 1));
    // A played card is gone for everyone, a card in hand for nobody.
    SetCardLocation(skatCard, CARD_PLAYED);
    for (int seat = -1; seat < 3; ++seat) EXPECT_TRUE(IsCardGone(suit, rank, seat));
    ClearCardLocation(skatCard);
    for (int seat = -1; seat < 3; ++seat) EXPECT_FALSE(IsCardGone(suit, rank, seat));
    // Locations given by block and rank, and swapped between skat and hand.
    SetCardLocation(-1, CARD_IN_SKAT, 1, ACE);
    EXPECT_EQ(g_Knowledge.CardLocation(8), CARD_IN_SKAT);
    SwapCardLocations(Card(ACE, DIAMONDS), Card(SEVEN, CLUBS));
    EXPECT_EQ(g_Knowledge.CardLocation(8), CARD_IN_HAND);
    EXPECT_EQ(g_Knowledge.CardLocation(GetCardRow(Card(SEVEN, CLUBS))), CARD_IN_SKAT);
}

// Played: the Ace, Seven and Jack of Clubs and the Jack of Spades; in the skat: the Ten of Clubs
// and the Jack of Hearts; the soloist is seat 1, the skat holder seat 2.
TEST_F(CardKnowledgeTest, GoneCountsSeeTheSkatOnlyWhereItsKnowerLooks) {
    for (int card : {Card(ACE, CLUBS), Card(SEVEN, CLUBS), Card(JACK, CLUBS), Card(JACK, SPADES)})
        SetCardLocation(card, CARD_PLAYED);
    SetCardLocation(Card(TEN, CLUBS), CARD_IN_SKAT);
    SetCardLocation(Card(JACK, HEARTS), CARD_IN_SKAT);
    g_Game.Soloist = 1;
    g_Game.SkatHolderSeat = 2;
    struct Case {
        const char* what;
        int type;
        int seat;
        int hand;
        int discardBusy;
        int clubsGone;
        int spadesGone;
        int heartsGone;
        int jacksGone;
    };
    const Case cases[] = {
        {"a defender does not see the skat", GAME_HEARTS, 0, 0, 0, 2, 0, 0, 2},
        {"the soloist sees the skat", GAME_HEARTS, 1, 0, 0, 3, 0, 0, 3},
        {"nobody sees a Hand game's skat", GAME_HEARTS, 1, 1, 0, 2, 0, 0, 2},
        {"the lay-away weighs the skat as unseen", GAME_HEARTS, 1, 0, 1, 2, 0, 0, 2},
        {"Grand counts the same", GAME_GRAND, 1, 0, 0, 3, 0, 0, 3},
        {"Null counts the Jacks in their suits", GAME_NULL, 0, 0, 0, 3, 1, 0, 0},
        {"Null with the skat seen", GAME_NULL, 1, 0, 0, 4, 1, 1, 0},
        {"Revolution as Null", GAME_REVOLUTION, 1, 0, 1, 3, 1, 0, 0},
        {"Ramsch: the skat holder sees it", GAME_RAMSCH, 2, 0, 0, 3, 0, 0, 3},
        {"Ramsch: the soloist seat does not", GAME_RAMSCH, 1, 0, 0, 2, 0, 0, 2},
        {"no seat", GAME_HEARTS, 3, 0, 0, 2, 0, 0, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        g_Game.GameType = c.type;
        g_Game.HandAnnounced = c.hand;
        g_Knowledge.DiscardBusy = c.discardBusy;
        EXPECT_EQ(CountSuitCards(CLUBS, c.seat), c.clubsGone);
        EXPECT_EQ(CountSuitCards(SPADES, c.seat), c.spadesGone);
        EXPECT_EQ(CountSuitCards(HEARTS, c.seat), c.heartsGone);
        EXPECT_EQ(CountSuitCards(DIAMONDS, c.seat), 0);
        EXPECT_EQ(CountJacks(c.seat), c.jacksGone);
        EXPECT_EQ(CountSuitCards(-1, c.seat), 0);
        EXPECT_EQ(CountSuitCards(4, c.seat), 0);
        // Each count is the number of single cards gone.
        const bool null = c.type == GAME_NULL || c.type == GAME_REVOLUTION;
        for (int suit = 0; suit < 4; ++suit) {
            int gone = 0;
            for (int rank = 0; rank < 8; ++rank) gone += (rank != JACK || null) && IsCardGone(suit, rank, c.seat);
            EXPECT_EQ(CountSuitCards(suit, c.seat), gone) << "suit " << suit;
        }
    }
}

TEST_F(CardKnowledgeTest, PlayedCardsCountDownSuitsAndTrumps) {
    g_Game.SetGameType(GAME_HEARTS);
    StartPlayKnowledge();
    // Ten trumps played: the Jacks and six Hearts.
    for (int suit = 0; suit < 4; ++suit) NoteCardPlayed(Card(JACK, suit));
    for (int rank : {ACE, TEN, KING, QUEEN, NINE, EIGHT}) NoteCardPlayed(Card(rank, HEARTS));
    EXPECT_EQ(g_Game.TrumpCount, 1);
    EXPECT_EQ(g_Knowledge.VoidTable[0][GAME_GRAND], 1);
    EXPECT_EQ(g_Knowledge.UnseenSuitCounts[HEARTS], 7);
    NoteCardPlayed(Card(SEVEN, HEARTS));
    EXPECT_EQ(g_Game.TrumpCount, 0);
    for (int seat = 0; seat < 3; ++seat) {
        EXPECT_EQ(g_Knowledge.VoidTable[seat][GAME_GRAND], 0);
        EXPECT_EQ(g_Knowledge.VoidTable[seat][GAME_RAMSCH], 0);
    }
    // Driven below its true count by an inference, the count stops at 0.
    NoteCardPlayed(Card(JACK, CLUBS));
    EXPECT_LE(g_Game.TrumpCount, 0);
    EXPECT_EQ(g_Game.TrumpCount, 0);
    // A plain suit played out clears its column for everybody.
    for (int rank : {ACE, TEN, KING, QUEEN, NINE, EIGHT}) NoteCardPlayed(Card(rank, CLUBS));
    EXPECT_EQ(g_Knowledge.VoidTable[1][CLUBS], 1);
    NoteCardPlayed(Card(SEVEN, CLUBS));
    for (int seat = 0; seat < 3; ++seat) EXPECT_EQ(g_Knowledge.VoidTable[seat][CLUBS], 0);

    // In Null a Jack counts on the trumps, not on its suit.
    g_Game.SetGameType(GAME_NULL);
    StartPlayKnowledge();
    EXPECT_EQ(g_Game.TrumpCount, 4);
    NoteCardPlayed(Card(JACK, SPADES));
    EXPECT_EQ(g_Game.TrumpCount, 3);
    EXPECT_EQ(g_Knowledge.UnseenSuitCounts[SPADES], 7);
}

TEST_F(CardKnowledgeTest, CollectSuitListsHighestFirst) {
    g_Game.SetGameType(GAME_CLUBS);
    g_Game.Soloist = 0;
    Give(SkatTestAccess::Player(game, 0), {Card(JACK, SPADES), Card(TEN, CLUBS), Card(SEVEN, CLUBS), Card(ACE, HEARTS)});
    SetCardLocation(Card(JACK, HEARTS), CARD_PLAYED);
    SetCardLocation(Card(KING, CLUBS), CARD_IN_SKAT);  // known to the soloist
    int list[11];
    int n = CollectSuit(*game.Player(0), GAME_CLUBS, false, list);
    EXPECT_EQ(std::vector<int>(list, list + n),
              (std::vector<int>{Card(JACK, CLUBS), Card(JACK, DIAMONDS), Card(ACE, CLUBS), Card(QUEEN, CLUBS),
                                Card(NINE, CLUBS), Card(EIGHT, CLUBS)}));
    n = CollectSuit(*game.Player(0), GAME_CLUBS, true, list);
    EXPECT_EQ(std::vector<int>(list, list + n),
              (std::vector<int>{Card(JACK, SPADES), Card(TEN, CLUBS), Card(SEVEN, CLUBS)}));
    // A plain suit leaves the Jack out; without a list only the count.
    EXPECT_EQ(CollectSuit(*game.Player(0), HEARTS, false, nullptr), 6);
    EXPECT_EQ(CollectSuit(*game.Player(0), 9, false, list), 0);
    // Null and Revolution have no suit column of their own.
    g_Game.SetGameType(GAME_NULL);
    EXPECT_EQ(CollectSuit(*game.Player(0), GAME_NULL, false, list), 0);
    EXPECT_EQ(CollectSuit(*game.Player(0), GAME_REVOLUTION, true, list), 0);
    // In Null the Jack lies in its suit between Queen and Ten.
    SkatTestAccess::Player(game, 0).TallyHand();
    n = CollectSuit(*game.Player(0), SPADES, true, list);
    EXPECT_EQ(std::vector<int>(list, list + n), (std::vector<int>{Card(JACK, SPADES)}));
    EXPECT_EQ(CollectSuit(*game.Player(0), CLUBS, false, nullptr), 5);  // 8 less his two and the skat King
    // Grand trumps are the Jacks alone.
    g_Game.SetGameType(GAME_GRAND);
    EXPECT_EQ(CollectSuit(*game.Player(0), GAME_GRAND, false, list), 2);
}

TEST_F(CardKnowledgeTest, MayHoldSuit) {
    g_Game.SetGameType(GAME_SPADES);
    g_Game.Soloist = 1;
    g_Game.Forehand = 0;
    StartPlayKnowledge();
    CPlayer& asking = SkatTestAccess::Player(game, 0);
    Give(asking, {Card(ACE, HEARTS), Card(KING, HEARTS), Card(SEVEN, CLUBS)});
    EXPECT_FALSE(MayHoldSuit(asking, 3, HEARTS));
    EXPECT_TRUE(MayHoldSuit(asking, 2, HEARTS));
    g_Knowledge.VoidTable[2][HEARTS] = 0;
    EXPECT_FALSE(MayHoldSuit(asking, 2, HEARTS));
    EXPECT_TRUE(MayHoldSuit(asking, 2, GAME_SPADES));
    g_Game.TrumpCount = 0;
    EXPECT_FALSE(MayHoldSuit(asking, 2, GAME_SPADES));
    g_Game.TrumpCount = 11;
    // All Clubs still out are his own.
    for (int rank : {ACE, TEN, KING, QUEEN, NINE, EIGHT}) SetCardLocation(Card(rank, CLUBS), CARD_PLAYED);
    EXPECT_FALSE(MayHoldSuit(asking, 1, CLUBS));
    // The soloist, not leading, threw the Diamonds Ten to the last trick while only smaller
    // Diamonds are out: he holds none.
    SkatTestAccess::LastTrick(game).Reset();
    SkatTestAccess::LastTrick(game).SetCard(1, Card(TEN, DIAMONDS));
    SetCardLocation(Card(TEN, DIAMONDS), CARD_PLAYED);
    SetCardLocation(Card(ACE, DIAMONDS), CARD_PLAYED);
    EXPECT_FALSE(MayHoldSuit(asking, 1, DIAMONDS));
    EXPECT_TRUE(MayHoldSuit(asking, 2, DIAMONDS));
    g_Game.Forehand = 1;
    EXPECT_TRUE(MayHoldSuit(asking, 1, DIAMONDS));
}

TEST_F(CardKnowledgeTest, ForcedCardIsDroppedWhenNobodyCanFollow) {
    g_Game.SetGameType(GAME_GRAND);
    StartPlayKnowledge();
    CPlayer& player = SkatTestAccess::Player(game, 1);
    Give(player, {Card(ACE, HEARTS)});
    player.forcedCard = -Card(ACE, HEARTS);
    g_Knowledge.VoidTable[0][HEARTS] = 0;
    player.ControlForcedCard();
    EXPECT_NE(player.forcedCard, 0);
    g_Knowledge.VoidTable[2][HEARTS] = 0;
    player.ControlForcedCard();
    EXPECT_EQ(player.forcedCard, 0);
}

TEST_F(CardKnowledgeTest, SuitExhaustionNullSafetyAndSignals) {
    g_Game.SetGameType(GAME_NULL);
    g_Game.Soloist = 2;
    CPlayer& soloist = SkatTestAccess::Person(game);
    // Hearts 7 8 9 held, everything above out: safe. Spades A held, lower ones out: unsafe.
    Give(soloist, {Card(SEVEN, HEARTS), Card(EIGHT, HEARTS), Card(NINE, HEARTS), Card(ACE, SPADES)});
    soloist.MarkOutstandingCards();
    EXPECT_EQ(soloist.handInfo.StructureCode[HEARTS], 1);
    EXPECT_EQ(soloist.handInfo.StructureCode[SPADES], 13);
    EXPECT_FALSE(IsSuitExhausted(soloist, HEARTS));
    for (int rank : {TEN, JACK, QUEEN, KING, ACE}) SetCardLocation(Card(rank, HEARTS), CARD_PLAYED);
    EXPECT_TRUE(IsSuitExhausted(soloist, HEARTS));

    // Grand: Jacks held plus Jacks gone make four.
    g_Game.SetGameType(GAME_GRAND);
    Give(soloist, {Card(JACK, CLUBS), Card(JACK, SPADES)});
    EXPECT_FALSE(IsSuitExhausted(soloist, GAME_GRAND));
    SetCardLocation(Card(JACK, HEARTS), CARD_PLAYED);
    SetCardLocation(Card(JACK, DIAMONDS), CARD_PLAYED);
    EXPECT_TRUE(IsSuitExhausted(soloist, GAME_GRAND));

    // Preferred: a defender led and won, his partner threw another suit.
    g_Game.SetGameType(GAME_CLUBS);
    g_Game.Soloist = 2;
    g_Game.TrickWinner = g_Game.Forehand = 0;
    SkatTestAccess::Trick(game).Reset();
    SkatTestAccess::Trick(game).SetCard(0, Card(ACE, HEARTS));
    SkatTestAccess::Trick(game).SetCard(1, Card(SEVEN, SPADES));
    SkatTestAccess::Trick(game).SetCard(2, Card(SEVEN, HEARTS));
    SkatTestAccess::Player(game, 1).Preferred(SkatTestAccess::Trick(game));
    EXPECT_EQ(g_Knowledge.PreferredSuit, HEARTS);
    SetPreferredSuit(GAME_CLUBS);  // the trump suit is never a signal
    EXPECT_EQ(g_Knowledge.PreferredSuit, HEARTS);
}

TEST_F(CardKnowledgeTest, LinkedHoldsHigherInOuvertGames) {
    g_Game.SetGameType(GAME_GRAND);
    CPlayer& defender = SkatTestAccess::Player(game, 0);
    CPlayer& soloist = SkatTestAccess::Person(game);
    Give(defender, {Card(ACE, HEARTS), Card(SEVEN, SPADES)});
    Give(soloist, {Card(TEN, HEARTS), Card(ACE, SPADES)});
    defender.SetPartner(&soloist);
    EXPECT_TRUE(LinkedHoldsHigher(defender, HEARTS));  // not Ouvert
    g_Game.OuvertAnnounced = 1;
    EXPECT_FALSE(LinkedHoldsHigher(defender, HEARTS));
    EXPECT_TRUE(LinkedHoldsHigher(defender, SPADES));
    EXPECT_TRUE(LinkedHoldsHigher(defender, CLUBS));  // neither holds it
    EXPECT_TRUE(LinkedHoldsHigher(defender, GAME_GRAND));
}

}  // namespace

namespace {

// The rank walk CountOutstanding answered before it read the suit's byte of the gone-card mask.
int OutstandingByRanks(int suit, int asking) {
    if (suit < 0 || suit > 3) return 0;
    const bool null = IsNullGame();
    int outstanding = null ? 8 : 7;
    for (int rank = 0; rank < 8; ++rank) {
        if (rank == JACK && !null) continue;
        if (IsCardGone(suit, rank, asking)) --outstanding;
    }
    return outstanding;
}

}  // namespace

// The highest card still out is the first card CollectSuit lists, and the outstanding count that of
// the rank walk, for every column, seat and game type over dealt hands with cards played and the
// skat laid away, the lay-away planner busy or not.
TEST_F(CardKnowledgeTest, HighestAndCountOutstandingAgreeWithTheSuitWalk) {
    SeedRand(7);
    for (int deal = 0; deal < 12; ++deal) {
        testsupport::DealAll(game);  // the skat lies in the skat
        for (int seat = 0; seat < 3; ++seat) SkatTestAccess::Player(game, seat).TallyHand();
        // Up to a dozen cards of the three hands played.
        for (int played = deal; played > 0; --played) {
            CPlayer& from = SkatTestAccess::Player(game, played % 3);
            const int card = from.cards[Rand() % from.capacity];
            SetCardLocation(card, CARD_PLAYED);
        }
        for (int type = GAME_NONE; type <= GAME_DURCHMARSCH; ++type) {
            g_Game.SetGameType(type);
            g_Game.Soloist = deal % 3;
            g_Game.HandAnnounced = deal % 4 == 3;
            g_Game.FlowState = deal % 2 ? STATE_ASK : STATE_PLAY;
            g_Knowledge.DiscardBusy = deal % 5 == 4;
            for (int seat = 0; seat < 3; ++seat) {
                const CPlayer& player = *game.Player(seat);
                for (int column = -1; column <= 9; ++column) {
                    int list[12];
                    const int n = CollectSuit(player, column, false, list);
                    EXPECT_EQ(HighestOutstanding(player, column), n > 0 ? list[0] : NO_CARD)
                        << "deal " << deal << " type " << type << " seat " << seat << " column " << column;
                }
                const int asking = type == GAME_RAMSCH && g_Game.FlowState == STATE_ASK ? -1 : seat;
                for (int suit = -1; suit <= 4; ++suit)
                    EXPECT_EQ(CountOutstanding(player, suit), OutstandingByRanks(suit, asking))
                        << "deal " << deal << " type " << type << " seat " << seat << " suit " << suit;
            }
        }
    }
}

// The bit count of a card mask, against counting bit by bit.
TEST(CardMaskTest, CountCardsCountsEveryBitSet) {
    const unsigned masks[] = {0u,          1u,          0x80000000u, 0xFFFFFFFFu, 0xFFu,       0xFF00u,
                              0x01010101u, 0x80808080u, 0x55555555u, 0xAAAAAAAAu, 0x12345678u, 0xDEADBEEFu};
    for (unsigned mask : masks) {
        int bits = 0;
        for (int b = 0; b < 32; ++b) bits += (mask >> b) & 1u;
        EXPECT_EQ(CountCards(mask), bits) << std::hex << mask;
    }
}

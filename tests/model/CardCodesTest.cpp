#include "ModelFixture.h"
#include "model/GameTypeLookups.h"

#include <algorithm>
#include <climits>
#include <set>
#include <vector>

namespace {

class CardCodesTest : public ModelTest {};

TEST_F(CardCodesTest, EveryCardAgreesWithItselfUnderEveryGameType) {
    for (int type = -1; type <= 8; ++type) {
        g_Game.GameType = type;
        int points = 0;
        std::set<int> codes;
        for (int suit = 0; suit < 4; ++suit) {
            for (int rank = 0; rank < 8; ++rank) {
                int card = CardCodeOf(rank, suit);
                SCOPED_TRACE(testing::Message() << "type " << type << " card " << card);
                ASSERT_TRUE(IsCardCode(card));
                codes.insert(card);
                EXPECT_EQ(GetCardRank(card), rank);
                EXPECT_EQ(GetCardSuit(card, true), suit);
                EXPECT_EQ(DeckTable[SuitDeckBase[suit] + rank].code, card);
                EXPECT_EQ(GetCardRow(card), SuitDeckBase[suit] + rank);
                EXPECT_EQ(GetCardPoints(card), CardPointsTable[rank]);
                points += GetCardPoints(card);
                EXPECT_EQ(SuitRankList[0], ACE);

                bool jackIsTrump = (type >= 0 && type <= 3) || type == 6 || type == 7;
                int effective = GetCardSuit(card, false);
                EXPECT_EQ(effective, rank == JACK && jackIsTrump ? type : suit);

                bool null = type == 4 || type == 5;
                int order = GetCardOrder(card);
                if (null) {
                    EXPECT_EQ(order, NullOrderTable[rank]);
                    EXPECT_EQ(GetRankOrderEntry(order, true), rank);
                } else if (rank == JACK) {
                    EXPECT_EQ(order, 10 - suit);
                } else {
                    EXPECT_EQ(order, TrumpOrderTable[rank]);
                    EXPECT_EQ(GetRankOrderEntry(order, false), rank);
                }
                EXPECT_EQ(PointsOrder[rank], CardTableLookupB(card));
            }
        }
        EXPECT_EQ(codes.size(), 32u);
        EXPECT_EQ(points, 120);
    }
}

// What a game type makes of the cards: whether the Jacks join the trump suit (then their effective
// suit is the game type) and whether the Null order holds. Values outside the game types (a type
// stored negated by a Bock-to-Ramsch hand-over, or garbage) treat every card by its print.
struct GameTypeCase {
    int type;
    bool jacksTakeType;
    bool nullOrder;
};
constexpr GameTypeCase GameTypeCases[] = {
    {GAME_NONE, false, false},       {GAME_CLUBS, true, false},       {GAME_SPADES, true, false},
    {GAME_HEARTS, true, false},      {GAME_DIAMONDS, true, false},    {GAME_NULL, false, true},
    {GAME_REVOLUTION, false, true},  {GAME_GRAND, true, false},       {GAME_RAMSCH, true, false},
    {GAME_DURCHMARSCH, false, false}, {-GAME_RAMSCH, false, false},   {-GAME_GRAND, false, false},
    {-2, false, false},              {9, false, false},               {1000, false, false},
};

// The printed face behind each code: code blocks of 13 in the order Clubs, Diamonds, Hearts,
// Spades; within a block the Ace at offset 1 and Seven to King at 7..13.
struct PrintedCard {
    int rank;
    int suit;
};
PrintedCard PrintedFace(int code) {
    constexpr int blockSuits[4] = {CLUBS, DIAMONDS, HEARTS, SPADES};
    constexpr int offsetRanks[14] = {-1, ACE, -1, -1, -1, -1, -1, SEVEN, EIGHT, NINE, TEN, JACK, QUEEN, KING};
    if (code < 1 || code > 52) return {-1, -1};
    int rank = offsetRanks[(code - 1) % 13 + 1];
    return rank < 0 ? PrintedCard{-1, -1} : PrintedCard{rank, blockSuits[(code - 1) / 13]};
}

// Strength by rank within an effective suit, low 0: Null 7 8 9 10 J Q K A; trump games 7 8 9 Q K
// 10 A, the Jacks above all by suit (Diamonds 7 .. Clubs 10).
constexpr int NullStrength[8] = {7, 0, 1, 2, 3, 4, 5, 6};
constexpr int PlainStrength[8] = {6, 0, 1, 2, 5, -1, 3, 4};
constexpr int JackStrength[4] = {10, 9, 8, 7};  // by suit index
constexpr int Points[8] = {11, 0, 0, 0, 10, 2, 3, 4};

TEST_F(CardCodesTest, EveryLookupAnswersByTheRuleForEveryGameTypeAndCode) {
    std::vector<int> codes = {INT_MIN, -1000, 1000, INT_MAX};
    for (int code = -3; code <= 56; ++code) codes.push_back(code);
    for (const GameTypeCase& c : GameTypeCases) {
        g_Game.GameType = c.type;
        for (int code : codes) {
            SCOPED_TRACE(testing::Message() << "type " << c.type << " code " << code);
            const PrintedCard face = PrintedFace(code);
            const bool card = face.rank >= 0;
            EXPECT_EQ(IsCardCode(code), card);
            EXPECT_EQ(GetCardRank(code), face.rank);
            EXPECT_EQ(GetCardSuit(code, true), face.suit);
            const int block = card ? (code - 1) / 13 : -1;
            EXPECT_EQ(GetCardBlock(code), block);
            EXPECT_EQ(GetCardRow(code), card ? block * 8 + face.rank : -1);
            EXPECT_EQ(GetCardPoints(code), card ? Points[face.rank] : 0);
            EXPECT_EQ(CardTableLookupB(code), card ? PointsOrder[face.rank] : -1);
            if (!card) {
                EXPECT_EQ(GetCardSuit(code, false), -1);
                EXPECT_EQ(GetCardOrder(code), -1);
                continue;
            }
            const bool jackIsTrump = face.rank == JACK && c.jacksTakeType;
            EXPECT_EQ(GetCardSuit(code, false), jackIsTrump ? c.type : face.suit);
            int strength = c.nullOrder ? NullStrength[face.rank]
                           : face.rank == JACK ? JackStrength[face.suit]
                                               : PlainStrength[face.rank];
            EXPECT_EQ(GetCardOrder(code), strength);
            EXPECT_EQ(CardCodeOf(face.rank, face.suit), code);
        }
    }
    for (int rank : {-1, 8, 100})
        for (int suit = -1; suit <= 4; ++suit) EXPECT_EQ(CardCodeOf(rank, suit), NO_CARD) << rank << " " << suit;
    for (int suit : {-1, 4, 100}) EXPECT_EQ(CardCodeOf(ACE, suit), NO_CARD) << suit;
}

TEST_F(CardCodesTest, OrdersAreStrictWithinEachEffectiveSuit) {
    for (int type = -1; type <= 8; ++type) {
        g_Game.GameType = type;
        for (int a = 1; a <= 52; ++a) {
            for (int b = a + 1; b <= 52; ++b) {
                if (!IsCardCode(a) || !IsCardCode(b)) continue;
                if (GetCardSuit(a, false) != GetCardSuit(b, false)) continue;
                EXPECT_NE(GetCardOrder(a), GetCardOrder(b)) << "type " << type << " cards " << a << ", " << b;
            }
        }
    }
}

TEST_F(CardCodesTest, RankOrderListsAreInversesOfTheOrderTables) {
    for (int position = 0; position < 8; ++position) {
        EXPECT_EQ(NullOrderTable[GetRankOrderEntry(position, true)], position);
        int rank = GetRankOrderEntry(position, false);
        EXPECT_EQ(rank == JACK ? 7 : TrumpOrderTable[rank], position);
    }
    EXPECT_EQ(GetRankOrderEntry(8, false), -1);
    EXPECT_EQ(GetRankOrderEntry(-1, true), -1);
    // The high-to-low lists walk the ascending orders backwards.
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(NullRankList[i], NullRankOrder[7 - i]);
        EXPECT_EQ(TrumpRankList[i], TrumpRankOrder[7 - i]);
    }
}

TEST_F(CardCodesTest, SortKeyTablesArePermutationsInTheirDisplayOrder) {
    const int suitOrders[10][4] = {{0, 1, 2, 3}, {1, 0, 2, 3}, {2, 0, 1, 3}, {3, 0, 1, 2}, {0, 2, 1, 3},
                                   {1, 2, 0, 3}, {2, 0, 3, 1}, {3, 0, 2, 1}, {0, 1, 2, 3}, {0, 2, 1, 3}};
    for (int t = 0; t < 10; ++t) {
        SCOPED_TRACE(t);
        EXPECT_EQ(SortKeyTables[t][0], 127);
        std::vector<int> byKey(33, 0);
        for (int code = 1; code <= 52; ++code) {
            int key = SortKeyTables[t][code];
            if (!IsCardCode(code)) {
                EXPECT_EQ(key, 0);
                continue;
            }
            ASSERT_GE(key, 1);
            ASSERT_LE(key, 32);
            EXPECT_EQ(byKey[key], 0) << "key " << key << " twice";
            byKey[key] = code;
        }
        std::vector<int> expected;
        if (t < 8) {
            for (int suit = 0; suit < 4; ++suit) expected.push_back(Card(JACK, suit));
            for (int suit : suitOrders[t])
                for (int rank : SuitRankList) expected.push_back(Card(rank, suit));
        } else {
            for (int suit : suitOrders[t])
                for (int rank : NullRankList) expected.push_back(Card(rank, suit));
        }
        EXPECT_EQ(std::vector<int>(byKey.begin() + 1, byKey.end()), expected);
    }
}

TEST_F(CardCodesTest, NamedCardsAndSeats) {
    for (int jack : {11, 24, 37, 50}) EXPECT_EQ(GetCardRank(jack), JACK);
    for (int king : {13, 26, 39, 52}) EXPECT_EQ(GetCardRank(king), KING);
    for (int ace : {1, 14, 27, 40}) EXPECT_EQ(GetCardRank(ace), ACE);
    EXPECT_EQ(GetCardRank(-1), -1);
    EXPECT_EQ(GetCardSuit(-1, false), -1);
    EXPECT_EQ(GetCardOrder(-1), -1);
    EXPECT_EQ(GetCardPoints(-1), 0);
    EXPECT_EQ(CardTableLookupB(-1), -1);
    EXPECT_EQ(CardCodeOf(JACK, SPADES), 50);
    EXPECT_EQ(CardCodeOf(ACE, DIAMONDS), 14);

    const struct {
        int type, effectiveSuitOfClubsJack;
    } jacks[] = {{0, 0}, {3, 3}, {6, 6}, {7, 7}, {4, 0}, {5, 0}, {8, 0}, {-1, 0}};
    for (const auto& row : jacks) {
        g_Game.GameType = row.type;
        EXPECT_EQ(GetCardSuit(11, false), row.effectiveSuitOfClubsJack) << row.type;
        EXPECT_EQ(GetCardSuit(11, true), 0);
    }
    g_Game.GameType = GAME_HEARTS;
    EXPECT_EQ(GetCardOrder(11), 10);
    EXPECT_EQ(GetCardOrder(24), 7);
    EXPECT_EQ(GetCardOrder(Card(ACE, HEARTS)), 6);
    g_Game.GameType = GAME_NULL;
    EXPECT_EQ(GetCardOrder(Card(ACE, HEARTS)), 7);

    EXPECT_EQ(NextSeat(0), 1);
    EXPECT_EQ(NextSeat(2), 0);
    EXPECT_EQ(NextSeat(3), 0);
    EXPECT_EQ(PreviousSeat(0), 2);
    EXPECT_EQ(PreviousSeat(1), 0);
    EXPECT_EQ(PreviousSeat(3), 1);
    EXPECT_TRUE(IsSuitGame(3));
    EXPECT_FALSE(IsSuitGame(4));
    EXPECT_FALSE(IsSuitGame(-1));
}

}  // namespace

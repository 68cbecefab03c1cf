#pragma once
// The hand-analysis block of a player: counts and tables of his hand that the computer player's
// analysis passes fill and that the card model reads (suit counts, Jack count, matador run, the
// suit x rank table). It is one block of 287 ints, saved and restored whole (undo history, the
// matador count with the skat), so its fields keep this order and these widths.

#include <cstdint>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// Two records a suit of the suit analysis; elements 0..15 are rule slots, 16 extra (or lost)
// tricks, 17 a reason code.
struct SuitAnalysisRecord {
    std::int32_t Slots[18];
};

struct HandInfo {
    std::int32_t DealtJackCount;
    std::int32_t JackCount;   // Jacks held; lowered when a Jack is played
    std::int32_t MatadorRun;  // +n with n, -n without n; -4 when no Jack is held
    std::int32_t AceSuitCount;
    std::int32_t TenSuitCount;
    std::int32_t SuitTrickSum;
    std::int32_t SecondaryTrickSum;
    SuitAnalysisRecord SuitRecords[8];
    std::int32_t SuitTricks[4];
    std::int32_t TrumpTotal;
    std::int32_t DealtSuitCount[4];
    std::int32_t SuitCount[4];          // cards of each suit without its Jack
    std::int32_t SuitCountWithJack[4];  // cards of each suit including its Jack
    std::int32_t PlayedSuitCount[4];
    std::int32_t PlayedSuitCountWithJack[4];
    std::uint8_t TopClosed[4];
    std::uint8_t TenKingQueen[4];
    std::uint8_t TenGuarded[4];
    std::uint8_t KingGuarded[4];
    std::uint8_t NullSafe;
    std::uint8_t Padding[3];
    std::int32_t StructureCode[4];  // Null structure code 1..13 (13 unsafe)
    std::int32_t PlayStatus[4];
    std::int32_t PlayStatusSummary;
    std::int32_t ShortSuitCount;
    std::int32_t RankTable[4][8];          // [suit][rank] hand slot of the card, -1 when not held
    std::int32_t RankTableWithSkat[4][8];
    std::int32_t SmallCards[4][8];

    // Empties the block: counts 0, tables -1 (no card held).
    void Clear();
    // A played card of suit s and rank r leaves the block.
    void RemoveCard(int suit, int rank);
    // Highest held rank of suit s in the order A 10 K Q 9 8 7 (never the Jack), -1 when none.
    int GetTopRank(int suit) const;
    // Whether the hand holds the card of suit s and rank r; false for a suit or rank out of range.
    // Inline: the computer asks it for every card it weighs.
    bool Holds(int suit, int rank) const {
        if (static_cast<unsigned>(suit) > 3 || static_cast<unsigned>(rank) > 7) return false;
        return RankTable[suit][rank] != -1;
    }
    // The ranks of suit 0..3 held, bit r for rank index r: one row of the rank table read at once
    // where the target has the vector compare, rank by rank elsewhere.
    unsigned HeldRanks(int suit) const {
#if defined(__SSE2__)
        const __m128i none = _mm_set1_epi32(-1);
        const auto* row = reinterpret_cast<const __m128i*>(RankTable[suit]);
        const int low = _mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(_mm_loadu_si128(row), none)));
        const int high = _mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(_mm_loadu_si128(row + 1), none)));
        return ~static_cast<unsigned>(low | high << 4) & 0xFFu;
#else
        unsigned held = 0;
        for (int rank = 0; rank < 8; ++rank) held |= static_cast<unsigned>(RankTable[suit][rank] != -1) << rank;
        return held;
#endif
    }
};

static_assert(sizeof(HandInfo) == 287 * 4, "the hand-analysis block is saved whole as 287 ints");

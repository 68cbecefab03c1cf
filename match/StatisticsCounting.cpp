#include "match/StatisticsCounting.h"

#include "model/CardCodes.h"
#include "model/GameTypeLookups.h"

#include <cstdlib>
#include <initializer_list>
#include <limits>

namespace {

// Counters stop at the largest number instead of turning negative.
void AddSaturating(std::int32_t& counter, std::int64_t value) {
    const std::int64_t sum = static_cast<std::int64_t>(counter) + value;
    constexpr std::int64_t low = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t high = std::numeric_limits<std::int32_t>::max();
    counter = static_cast<std::int32_t>(sum < low ? low : sum > high ? high : sum);
}

class Counting {
public:
    Counting(CStatisticsBlock& block, std::initializer_list<int> types) : block_(block) {
        for (int type : types) Add(type);
    }
    void Add(int type) {
        for (int i = 0; i < count_; ++i)
            if (types_[i] == type) return;
        types_[count_++] = type;
    }
    // Adds the value for the seat in array k at both modes of every type.
    void Count(int array, int seat, int value = 1) {
        for (int i = 0; i < count_; ++i)
            for (int mode = 0; mode < 2; ++mode) AddSaturating(block_.Counter(array, types_[i], mode, seat), value);
    }
    void CountGame() {
        for (int i = 0; i < count_; ++i)
            for (int mode = 0; mode < 2; ++mode) AddSaturating(block_.Count(types_[i], mode), 1);
    }

private:
    CStatisticsBlock& block_;
    int types_[kStatisticsTypes] = {};
    int count_ = 0;
};

bool IsSeat(int seat) { return seat >= 0 && seat <= 2; }

// Schneider and Schwarz for the party that stayed under 31 points or took no trick.
void CountSchneiderSchwarz(Counting& counting, const StatisticsGame& game, int defender1, int defender2) {
    if (game.PartyPoints[0] < 31) counting.Count(STAT_SCHNEIDER, game.Soloist);
    if (game.PartyPoints[0] > 89) {
        counting.Count(STAT_SCHNEIDER, defender1);
        counting.Count(STAT_SCHNEIDER, defender2);
    }
    if (game.PartyTricks[0] == 0) counting.Count(STAT_SCHWARZ, game.Soloist);
    if (game.PartyTricks[0] == 10) {
        counting.Count(STAT_SCHWARZ, defender1);
        counting.Count(STAT_SCHWARZ, defender2);
    }
}

}  // namespace

int StatisticsClass(const StatisticsGame& game) {
    const int type = std::abs(game.GameType);
    if (type <= 3) return 3;
    if (type <= 5) return 2;
    if (type == 6) return game.VariantMode == 2 ? 6 : 4;
    return 5;
}

const char* StatisticsClassName(int statisticsClass) {
    switch (statisticsClass) {
        case 2: return "NULL";
        case 3: return "SUIT";
        case 4: return "GRAND";
        case 5: return "RAMSCH";
        default: return "RAMSCH_GRAND";
    }
}

void CountFinishedGame(CStatisticsBlock& block, const StatisticsGame& game, int score) {
    // 1. The class; the game is won when the score is not negative.
    const int gameClass = StatisticsClass(game);
    const bool won = score >= 0;
    const int soloist = IsSeat(game.Soloist) ? game.Soloist : 0;
    const int defender1 = (soloist + 1) % 3, defender2 = (soloist + 2) % 3;
    if (gameClass == 5) {
        // 4. Ramsch: the losers, a Jungfrau, or the Durchmarsch of the seat that took every trick.
        Counting counting(block, {1, 5});
        counting.CountGame();
        for (int seat = 0; seat < 3; ++seat)
            counting.Count(STAT_PASSED_ON, seat, game.PassedOnFlags[seat] != 0 ? 1 : 0);
        int withoutTrick = 0;
        for (int seat = 0; seat < 3; ++seat) withoutTrick += game.PartyTricks[seat] == 0 ? 1 : 0;
        if (withoutTrick != 2) {
            for (int loser : {game.RamschLoser, game.RamschSecondLoser}) {
                if (!IsSeat(loser)) continue;
                counting.Count(STAT_SOLOIST, loser);
                counting.Count(STAT_LOST_SINGLY, loser);
                counting.Count(STAT_SCORE, loser, score);
            }
            if (withoutTrick == 1)
                for (int seat = 0; seat < 3; ++seat)
                    if (game.PartyTricks[seat] == 0) counting.Count(STAT_JUNGFRAU, seat);
        } else {
            const int durchmarsch = game.PartyPoints[0] != 0 ? 0 : game.PartyPoints[1] != 0 ? 1 : 2;
            counting.Count(STAT_SOLOIST, durchmarsch);
            counting.Count(STAT_WON_SINGLY, durchmarsch);
            counting.Count(STAT_DURCHMARSCH, durchmarsch);
            counting.Count(STAT_SCORE, durchmarsch, score);
            counting.Count(STAT_OPPONENT, (durchmarsch + 1) % 3);
            counting.Count(STAT_OPPONENT, (durchmarsch + 2) % 3);
        }
    } else if (gameClass == 6) {
        // 5. Grand of the Ramsch-only rule set: type 1, Hand also in types 4 and 5.
        Counting counting(block, {1});
        counting.CountGame();
        counting.Count(STAT_SOLOIST, soloist);
        counting.Count(STAT_OPPONENT, defender1);
        counting.Count(STAT_OPPONENT, defender2);
        counting.Count(won ? STAT_WON_SINGLY : STAT_LOST_SINGLY, soloist);
        counting.Count(won ? STAT_LOST_TOTAL : STAT_WON_TOTAL, defender1);
        counting.Count(won ? STAT_LOST_TOTAL : STAT_WON_TOTAL, defender2);
        counting.Count(STAT_SCORE, soloist, score);
        Counting(block, {1, 4, 5}).Count(STAT_HAND, soloist);
        CountSchneiderSchwarz(counting, game, defender1, defender2);
    } else {
        // 3. Null, suit and Grand games: the rule set's type and the class.
        Counting counting(block, {game.VariantMode == 0 ? 0 : 1, gameClass});
        counting.CountGame();
        counting.Count(STAT_SOLOIST, soloist);
        counting.Count(STAT_OPPONENT, defender1);
        counting.Count(STAT_OPPONENT, defender2);
        if (won) {
            counting.Count(STAT_WON_SINGLY, soloist);
            counting.Count(STAT_WON_TOTAL, soloist);
            counting.Count(STAT_LOST_TOTAL, defender1);
            counting.Count(STAT_LOST_TOTAL, defender2);
        } else {
            counting.Count(STAT_LOST_SINGLY, soloist);
            counting.Count(STAT_LOST_TOTAL, soloist);
            counting.Count(STAT_WON_TOTAL, defender1);
            counting.Count(STAT_WON_TOTAL, defender2);
        }
        counting.Count(STAT_SCORE, soloist, score);
        if (game.OuvertAnnounced) counting.Count(STAT_OUVERT, soloist);
        if (game.HandAnnounced) counting.Count(STAT_HAND, soloist);
        if (game.SchneiderAnnounced) counting.Count(STAT_SCHNEIDER_ANNOUNCED, soloist);
        if (game.SchwarzAnnounced) counting.Count(STAT_SCHWARZ_ANNOUNCED, soloist);
        if (gameClass != 2) CountSchneiderSchwarz(counting, game, defender1, defender2);
    }
    // 6. Kontra and Rekontra. A Grand of the Ramsch-only rule set has no type of its own: it
    //    counts in type 1 only, never in the card part behind the six types.
    if (game.KontraState != 1) {
        Counting kontra(block, {1});
        if (gameClass <= 5) kontra.Add(gameClass);
        if (IsSeat(game.KontraSeat)) kontra.Count(STAT_KONTRA, game.KontraSeat);
        if (game.KontraState == 4) kontra.Count(STAT_REKONTRA, soloist);
    }
}

int CardStatisticsColumn(int card) {
    if (!IsCardCode(card)) return -1;
    return 8 * GetCardSuit(card, true) + CardTableLookupB(card);
}

void LatchCards(CardLatch& latch, int row, const int* cards, int count) {
    for (int i = 0; i < count; ++i) {
        const int column = CardStatisticsColumn(cards[i]);
        if (column >= 0) latch[row] |= 1u << column;
    }
}

void AddLatchToTables(CStatisticsBlock& block, const CardLatch& latch, int kind) {
    const auto add = [&](int table) {
        AddSaturating(block.CardCount(table), 1);
        for (int row = 0; row < kCardRows; ++row)
            for (int column = 0; column < kCardColumns; ++column)
                if (latch[row] >> column & 1u) AddSaturating(block.CardCounter(table, row, column), 1);
    };
    if (kind == 0) {
        add(CARDS_MATCH);
        add(CARDS_ALL_TIME);
    } else {
        add(CARDS_TEST);
    }
}

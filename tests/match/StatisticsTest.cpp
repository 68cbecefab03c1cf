#include "match/Statistics.h"
#include "match/StatisticsCounting.h"

#include "FileFixtures.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using fixtures::ByteImage;

// An expected change: add value to array k's entries of these types (both modes) for the seat.
struct Entry {
    int array, seat, value;
    std::vector<int> types;
};

// The whole block expected after counting one game into a zero block: the listed entries and
// game counts, every other word 0. Comparing every word catches a count in a wrong place.
CStatisticsBlock Expected(const std::vector<int>& countedTypes, const std::vector<Entry>& entries) {
    CStatisticsBlock block;
    for (int type : countedTypes)
        for (int mode = 0; mode < 2; ++mode) block.Count(type, mode) += 1;
    for (const Entry& entry : entries)
        for (int type : entry.types)
            for (int mode = 0; mode < 2; ++mode) block.Counter(entry.array, type, mode, entry.seat) += entry.value;
    return block;
}

// The counter a word of the block holds, in words ("won total, Grand, all time, seat 1"), found by
// asking the block's own accessors where each counter lies.
std::string CounterName(std::size_t word) {
    static const char* const kArrays[kStatisticsArrays] = {
        "soloist",           "opponent",  "won singly", "won total", "lost singly",
        "lost total",        "score",     "ouvert",     "hand",      "schneider announced",
        "schwarz announced", "schneider", "schwarz",    "passed on", "durchmarsch",
        "jungfrau",          "kontra",    "rekontra"};
    static const char* const kTypes[kStatisticsTypes] = {"rule Skat", "variants", "Null", "suit", "Grand", "Ramsch"};
    static const char* const kModes[2] = {"match", "all time"};
    static const char* const kTables[kCardTables] = {"match", "all time", "test deals"};
    CStatisticsBlock block;
    const auto at = [&block, word](std::int32_t& counter) { return &counter == &block.Words[word]; };
    if (at(block.TypeSelection())) return "type selection";
    if (at(block.ModeSelection())) return "mode selection";
    if (at(block.CardView())) return "card view";
    for (int type = 0; type < kStatisticsTypes; ++type)
        for (int mode = 0; mode < 2; ++mode) {
            const std::string where = std::string(kTypes[type]) + ", " + kModes[mode];
            if (at(block.Count(type, mode))) return "games counted, " + where;
            for (int array = 0; array < kStatisticsArrays; ++array)
                for (int seat = 0; seat < 3; ++seat)
                    if (at(block.Counter(array, type, mode, seat)))
                        return std::string(kArrays[array]) + ", " + where + ", seat " + std::to_string(seat);
        }
    for (int table = 0; table < kCardTables; ++table) {
        if (at(block.CardCount(table))) return std::string("cards counted, ") + kTables[table];
        for (int row = 0; row < kCardRows; ++row)
            for (int column = 0; column < kCardColumns; ++column)
                if (at(block.CardCounter(table, row, column)))
                    return std::string("card ") + kTables[table] + ", " +
                           (row < 3 ? "seat " + std::to_string(row) : "skat") + ", column " + std::to_string(column);
    }
    return "unused word";
}

void ExpectSameBlock(const CStatisticsBlock& actual, const CStatisticsBlock& expected, const char* name) {
    for (std::size_t i = 0; i < actual.Words.size(); ++i)
        EXPECT_EQ(actual.Words[i], expected.Words[i])
            << name << ": " << CounterName(i) << " (word " << i << ", byte " << 4 * i << ")";
}

TEST(Statistics, CountingFinishedGames) {
    StatisticsGame suitWon;  // seat 1 wins a rule Skat suit game, Hand, 70 points, 6 tricks
    suitWon.GameType = 2;
    suitWon.Soloist = 1;
    suitWon.HandAnnounced = 1;
    suitWon.PartyPoints[0] = 70;
    suitWon.PartyTricks[0] = 6;

    StatisticsGame grandSchneider = suitWon;  // variant Skat Grand won Schneider, Ouvert
    grandSchneider.GameType = -6;
    grandSchneider.VariantMode = 1;
    grandSchneider.Soloist = 0;
    grandSchneider.HandAnnounced = 0;
    grandSchneider.OuvertAnnounced = 1;
    grandSchneider.PartyPoints[0] = 95;
    grandSchneider.PartyTricks[0] = 10;

    StatisticsGame nullLost;  // a lost Null with few points: no Schneider, no Schwarz
    nullLost.GameType = -4;
    nullLost.Soloist = 2;
    nullLost.PartyPoints[0] = 0;
    nullLost.PartyTricks[0] = 0;

    StatisticsGame suitSchneiderLost = suitWon;  // seat 1 loses with 20 points, Schneider announced
    suitSchneiderLost.SchneiderAnnounced = 1;
    suitSchneiderLost.PartyPoints[0] = 20;
    suitSchneiderLost.PartyTricks[0] = 2;

    StatisticsGame ramschOne;  // seat 2 loses alone; seat 0 took no trick (Jungfrau); seat 1 pushed
    ramschOne.GameType = 7;
    ramschOne.VariantMode = 1;
    ramschOne.PartyTricks[0] = 0;
    ramschOne.PartyTricks[1] = 4;
    ramschOne.PartyTricks[2] = 6;
    ramschOne.PassedOnFlags[1] = 1;
    ramschOne.RamschLoser = 2;

    StatisticsGame ramschTwo = ramschOne;  // seats 0 and 2 lose together, every seat took a trick
    ramschTwo.PartyTricks[0] = 3;
    ramschTwo.PartyTricks[1] = 3;
    ramschTwo.PartyTricks[2] = 4;
    ramschTwo.PassedOnFlags[1] = 0;
    ramschTwo.RamschLoser = 0;
    ramschTwo.RamschSecondLoser = 2;

    StatisticsGame durchmarsch = ramschOne;  // seat 1 takes every trick and all points
    durchmarsch.PartyTricks[0] = 0;
    durchmarsch.PartyTricks[1] = 10;
    durchmarsch.PartyTricks[2] = 0;
    durchmarsch.PartyPoints[1] = 120;
    durchmarsch.PassedOnFlags[1] = 0;

    StatisticsGame rekontra = suitWon;  // seat 0 gives Kontra, the soloist Rekontra
    rekontra.HandAnnounced = 0;
    rekontra.KontraState = 4;
    rekontra.KontraSeat = 0;

    StatisticsGame ramschGrand;  // a Grand of the Ramsch-only rule set with Rekontra
    ramschGrand.GameType = 6;
    ramschGrand.VariantMode = 2;
    ramschGrand.Soloist = 2;
    ramschGrand.PartyPoints[0] = 61;
    ramschGrand.PartyTricks[0] = 5;
    ramschGrand.KontraState = 4;
    ramschGrand.KontraSeat = 1;

    const struct {
        const char* name;
        StatisticsGame game;
        int score;
        std::vector<int> counted;
        std::vector<Entry> entries;
    } cases[] = {
        {"suit game won", suitWon, 40, {0, 3},
         {{STAT_SOLOIST, 1, 1, {0, 3}}, {STAT_OPPONENT, 0, 1, {0, 3}}, {STAT_OPPONENT, 2, 1, {0, 3}},
          {STAT_WON_SINGLY, 1, 1, {0, 3}}, {STAT_WON_TOTAL, 1, 1, {0, 3}}, {STAT_LOST_TOTAL, 0, 1, {0, 3}},
          {STAT_LOST_TOTAL, 2, 1, {0, 3}}, {STAT_SCORE, 1, 40, {0, 3}}, {STAT_HAND, 1, 1, {0, 3}}}},
        {"Grand won Schneider and Schwarz", grandSchneider, 216, {1, 4},
         {{STAT_SOLOIST, 0, 1, {1, 4}}, {STAT_OPPONENT, 1, 1, {1, 4}}, {STAT_OPPONENT, 2, 1, {1, 4}},
          {STAT_WON_SINGLY, 0, 1, {1, 4}}, {STAT_WON_TOTAL, 0, 1, {1, 4}}, {STAT_LOST_TOTAL, 1, 1, {1, 4}},
          {STAT_LOST_TOTAL, 2, 1, {1, 4}}, {STAT_SCORE, 0, 216, {1, 4}}, {STAT_OUVERT, 0, 1, {1, 4}},
          {STAT_SCHNEIDER, 1, 1, {1, 4}}, {STAT_SCHNEIDER, 2, 1, {1, 4}}, {STAT_SCHWARZ, 1, 1, {1, 4}},
          {STAT_SCHWARZ, 2, 1, {1, 4}}}},
        {"Null lost with no points", nullLost, -46, {0, 2},
         {{STAT_SOLOIST, 2, 1, {0, 2}}, {STAT_OPPONENT, 0, 1, {0, 2}}, {STAT_OPPONENT, 1, 1, {0, 2}},
          {STAT_LOST_SINGLY, 2, 1, {0, 2}}, {STAT_LOST_TOTAL, 2, 1, {0, 2}}, {STAT_WON_TOTAL, 0, 1, {0, 2}},
          {STAT_WON_TOTAL, 1, 1, {0, 2}}, {STAT_SCORE, 2, -46, {0, 2}}}},
        {"suit game lost Schneider", suitSchneiderLost, -120, {0, 3},
         {{STAT_SOLOIST, 1, 1, {0, 3}}, {STAT_OPPONENT, 0, 1, {0, 3}}, {STAT_OPPONENT, 2, 1, {0, 3}},
          {STAT_LOST_SINGLY, 1, 1, {0, 3}}, {STAT_LOST_TOTAL, 1, 1, {0, 3}}, {STAT_WON_TOTAL, 0, 1, {0, 3}},
          {STAT_WON_TOTAL, 2, 1, {0, 3}}, {STAT_SCORE, 1, -120, {0, 3}}, {STAT_HAND, 1, 1, {0, 3}},
          {STAT_SCHNEIDER_ANNOUNCED, 1, 1, {0, 3}}, {STAT_SCHNEIDER, 1, 1, {0, 3}}}},
        {"Ramsch with one loser and a Jungfrau", ramschOne, -30, {1, 5},
         {{STAT_SOLOIST, 2, 1, {1, 5}}, {STAT_LOST_SINGLY, 2, 1, {1, 5}}, {STAT_SCORE, 2, -30, {1, 5}},
          {STAT_JUNGFRAU, 0, 1, {1, 5}}, {STAT_PASSED_ON, 1, 1, {1, 5}}}},
        {"Ramsch with two losers", ramschTwo, -15, {1, 5},
         {{STAT_SOLOIST, 0, 1, {1, 5}}, {STAT_LOST_SINGLY, 0, 1, {1, 5}}, {STAT_SCORE, 0, -15, {1, 5}},
          {STAT_SOLOIST, 2, 1, {1, 5}}, {STAT_LOST_SINGLY, 2, 1, {1, 5}}, {STAT_SCORE, 2, -15, {1, 5}}}},
        {"Durchmarsch", durchmarsch, 120, {1, 5},
         {{STAT_SOLOIST, 1, 1, {1, 5}}, {STAT_WON_SINGLY, 1, 1, {1, 5}}, {STAT_DURCHMARSCH, 1, 1, {1, 5}},
          {STAT_SCORE, 1, 120, {1, 5}}, {STAT_OPPONENT, 0, 1, {1, 5}}, {STAT_OPPONENT, 2, 1, {1, 5}}}},
        {"Rekontra", rekontra, 80, {0, 3},
         {{STAT_SOLOIST, 1, 1, {0, 3}}, {STAT_OPPONENT, 0, 1, {0, 3}}, {STAT_OPPONENT, 2, 1, {0, 3}},
          {STAT_WON_SINGLY, 1, 1, {0, 3}}, {STAT_WON_TOTAL, 1, 1, {0, 3}}, {STAT_LOST_TOTAL, 0, 1, {0, 3}},
          {STAT_LOST_TOTAL, 2, 1, {0, 3}}, {STAT_SCORE, 1, 80, {0, 3}}, {STAT_KONTRA, 0, 1, {1, 3}},
          {STAT_REKONTRA, 1, 1, {1, 3}}}},
        {"Grand of the Ramsch-only rules with Rekontra", ramschGrand, 96, {1},
         {{STAT_SOLOIST, 2, 1, {1}}, {STAT_OPPONENT, 0, 1, {1}}, {STAT_OPPONENT, 1, 1, {1}},
          {STAT_WON_SINGLY, 2, 1, {1}}, {STAT_LOST_TOTAL, 0, 1, {1}}, {STAT_LOST_TOTAL, 1, 1, {1}},
          {STAT_SCORE, 2, 96, {1}}, {STAT_HAND, 2, 1, {1, 4, 5}}, {STAT_KONTRA, 1, 1, {1}},
          {STAT_REKONTRA, 2, 1, {1}}}},
    };
    for (const auto& c : cases) {
        CStatisticsBlock block;
        CountFinishedGame(block, c.game, c.score);
        ExpectSameBlock(block, Expected(c.counted, c.entries), c.name);
    }
}

TEST(Statistics, CountersStopAtTheLargestNumber) {
    CStatisticsBlock block;
    StatisticsGame game;
    block.Count(3, 1) = 0x7FFFFFFF;
    block.Counter(STAT_SCORE, 0, 1, 0) = 0x7FFFFFF0;
    CountFinishedGame(block, game, 100);
    EXPECT_EQ(block.Count(3, 1), 0x7FFFFFFF);
    EXPECT_EQ(block.Counter(STAT_SCORE, 0, 1, 0), 0x7FFFFFFF);
    EXPECT_EQ(block.Count(3, 0), 1);
}

TEST(Statistics, FileSizes) {
    // Every word 1, the last game word 7, the card view 2, the last card word 9.
    ByteImage full(4200);
    for (std::size_t offset = 0; offset < 4200; offset += 4) full.Put32(offset, 1);
    full.Put32(2644, 7).Put32(2648, 2).Put32(4196, 9);
    const struct {
        std::size_t size;
        int lastGameWord, firstCardWord, lastCardWord;
    } cases[] = {
        {0, 0, 0, 0}, {2648, 7, 0, 0}, {3000, 7, 2, 0}, {4200, 7, 2, 9}, {5000, 7, 2, 9},
    };
    for (const auto& c : cases) {
        ByteImage image = full;
        image.Resize(c.size);
        const CStatisticsBlock block = DecodeStatistics(image.Span());
        EXPECT_EQ(block.Words[661], c.lastGameWord) << c.size;
        EXPECT_EQ(block.Words[662], c.firstCardWord) << c.size;
        EXPECT_EQ(block.Words[1049], c.lastCardWord) << c.size;
    }
    const CStatisticsBlock whole = DecodeStatistics(full.Span());
    EXPECT_EQ(EncodeStatistics(whole), full.Bytes());
}

TEST(Statistics, HostileWordsAreClamped) {
    ByteImage image(4200);
    image.Put32(0, 9).Put32(4, 3).Put32(2648, 7);    // selections beyond their lists
    image.Put32(8, -5).Put32(56, -1).Put32(4196, -9);  // negative counters
    image.Put32(56 + 144 * 6 + 4, -300);             // a score sum may be negative
    const CStatisticsBlock block = DecodeStatistics(image.Span());
    CStatisticsBlock copy = block;
    EXPECT_EQ(copy.TypeSelection(), 5);
    EXPECT_EQ(copy.ModeSelection(), 1);
    EXPECT_EQ(copy.CardView(), 2);
    EXPECT_EQ(copy.Count(0, 0), 0);
    EXPECT_EQ(copy.Counter(STAT_SOLOIST, 0, 0, 0), 0);
    EXPECT_EQ(copy.Words[1049], 0);
    EXPECT_EQ(copy.Counter(STAT_SCORE, 0, 0, 1), -300);
}

TEST(Statistics, ResetsTouchOnlyTheirPart) {
    CStatisticsBlock block;
    for (std::int32_t& word : block.Words) word = 3;
    CStatisticsBlock match = block;
    match.ResetMatchGameStatistics();
    EXPECT_EQ(match.Count(4, 0), 0);
    EXPECT_EQ(match.Count(4, 1), 3);
    EXPECT_EQ(match.Counter(STAT_REKONTRA, 5, 0, 2), 0);
    EXPECT_EQ(match.Counter(STAT_REKONTRA, 5, 1, 2), 3);
    EXPECT_EQ(match.TypeSelection(), 3);
    EXPECT_EQ(match.CardView(), 3);

    CStatisticsBlock cards = block;
    cards.ResetMatchCardStatistics();
    EXPECT_EQ(cards.CardCount(CARDS_MATCH), 0);
    EXPECT_EQ(cards.CardCounter(CARDS_MATCH, 3, 31), 0);
    EXPECT_EQ(cards.CardCount(CARDS_ALL_TIME), 3);
    EXPECT_EQ(cards.CardCounter(CARDS_ALL_TIME, 0, 0), 3);
    EXPECT_EQ(cards.CardView(), 3);

    CStatisticsBlock game = block;
    game.InitGameStatistics();
    EXPECT_EQ(game.Words[661], 0);
    EXPECT_EQ(game.Words[662], 3);
    CStatisticsBlock card = block;
    card.ResetCardStatistics();
    EXPECT_EQ(card.Words[661], 3);
    EXPECT_EQ(card.Words[662], 0);
}

TEST(Statistics, LatchedDealsGoToTheirTables) {
    CardLatch latch{};
    const int seat0[] = {1, 40, -1};  // Ace of Clubs, Ace of Diamonds (code 40), no card
    const int skat[] = {13, 7};       // King of Clubs, Seven of Clubs
    LatchCards(latch, 0, seat0, 3);
    LatchCards(latch, 3, skat, 2);
    EXPECT_EQ(CardStatisticsColumn(-1), -1);
    CStatisticsBlock real;
    AddLatchToTables(real, latch, 0);
    CStatisticsBlock test;
    AddLatchToTables(test, latch, 1);
    int realSum = 0, testSum = 0;
    for (int table = 0; table < kCardTables; ++table)
        for (int row = 0; row < kCardRows; ++row)
            for (int column = 0; column < kCardColumns; ++column) {
                realSum += real.CardCounter(table, row, column);
                testSum += test.CardCounter(table, row, column);
            }
    EXPECT_EQ(realSum, 8);  // four cards in the match and the all-time tables
    EXPECT_EQ(testSum, 4);
    EXPECT_EQ(real.CardCount(CARDS_MATCH), 1);
    EXPECT_EQ(real.CardCount(CARDS_ALL_TIME), 1);
    EXPECT_EQ(real.CardCount(CARDS_TEST), 0);
    EXPECT_EQ(test.CardCount(CARDS_TEST), 1);
    EXPECT_EQ(test.CardCount(CARDS_MATCH), 0);
    EXPECT_EQ(real.CardCounter(CARDS_MATCH, 0, 0), 1);       // the Ace of Clubs: Clubs, Ace
    EXPECT_EQ(real.CardCounter(CARDS_MATCH, 3, 7), 1);       // the Seven of Clubs in the skat
    EXPECT_EQ(real.CardCounter(CARDS_MATCH, 3, 2), 1);       // the King of Clubs in the skat
    EXPECT_EQ(test.CardCounter(CARDS_TEST, 0, 0), 1);
}

}  // namespace

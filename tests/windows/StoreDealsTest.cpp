// The stored deals: the append at a game's end (size, numbering, time, the cards as dealt, the
// title's tail), the numbering of a stored game, and the re-sort of every stored hand.
#include "windows/Store.h"

#include "match/StoreRows.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "model/Skat.h"
#include "platform/headless/VirtualClock.h"
#include "support/ProgramGlobals.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

class StoreDealsTest : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::ResetProgramGlobals();
        platform::SetCurrentClock(&clock);
        g_StoreRows.Reset("Kartenzuordnung\nCards Assignment");
        g_Game.StoreCount = 0;
        g_Game.GameCount = 0;
        // A fixed deal: the skat 31, 32; seat s holds 1 + 10 s ... 10 + 10 s.
        int hands[30];
        for (int slot = 0; slot < 30; ++slot) hands[slot] = 1 + slot;
        const int skat[2] = {31, 32};
        game.SetDeal(hands, skat);
    }
    void TearDown() override {
        platform::SetCurrentClock(nullptr);
        testsupport::ResetProgramGlobals();
    }

    void BookDeal(int mode) {
        g_Game.GameCount += 1;
        g_Game.StoreCount += 1;
        CStore::AddDeal(mode, game);
    }

    platform::VirtualClock clock;
    CSkat game;
};

TEST_F(StoreDealsTest, FirstDealOfAnEmptyStoreGivesFiveRows) {
    g_Game.GameCount = 6;  // the list counted games the store did not (a loaded match)
    BookDeal(1);
    EXPECT_EQ(g_StoreRows.Bytes.size(), 5u * 40u);
    EXPECT_EQ(g_StoreRows.StoredDeals(), 1);
    EXPECT_EQ(g_StoreRows.DealWord(1, DEAL_GAME), 7);
    EXPECT_EQ(g_StoreRows.DealWord(1, DEAL_NUMBERING), 1);
    EXPECT_EQ(static_cast<std::uint32_t>(g_StoreRows.DealWord(1, DEAL_TIME)),
              static_cast<std::uint32_t>(platform::VirtualClock::kStartEpochSeconds));
    EXPECT_EQ(g_StoreRows.DealWord(1, 8), 31);
    EXPECT_EQ(g_StoreRows.DealWord(1, 9), 32);
    EXPECT_EQ(g_StoreRows.DealWord(1, 10), 1);
    EXPECT_EQ(g_StoreRows.DealWord(1, 29), 20);
    EXPECT_EQ(g_StoreRows.DealWord(1, 39), 30);
    EXPECT_EQ(g_StoreRows.Title(), "Kartenzuordnung\nCards Assignment");
}

TEST_F(StoreDealsTest, AppendsGrowByOneDealAndKeepTheEarlierOnes) {
    BookDeal(0);
    clock.Advance(5000);
    game.dealt[0] = 40;
    BookDeal(0);
    EXPECT_EQ(g_StoreRows.Bytes.size(), 9u * 40u);
    EXPECT_EQ(g_StoreRows.DealWord(1, 8), 31);
    EXPECT_EQ(g_StoreRows.DealWord(2, 8), 40);
    EXPECT_EQ(g_StoreRows.DealWord(2, DEAL_GAME), 2);
    EXPECT_EQ(g_StoreRows.DealWord(2, DEAL_TIME) - g_StoreRows.DealWord(1, DEAL_TIME), 5);
    // Words 0-4 of a later deal are not deal data: they start as zeros.
    for (int word = 0; word < 5; ++word) EXPECT_EQ(g_StoreRows.DealWord(2, word), 0) << word;
}

TEST_F(StoreDealsTest, ALongTitleSurvivesAppends) {
    const std::string title = std::string(25, 'K') + "\n" + std::string(25, 'C');  // 51 bytes + NUL
    g_StoreRows.SetTitle(title);
    BookDeal(1);
    BookDeal(1);
    BookDeal(1);
    EXPECT_EQ(g_StoreRows.Title(), title);
    EXPECT_EQ(g_StoreRows.DealWord(1, DEAL_GAME), 1);
}

TEST_F(StoreDealsTest, AfterANewMatchTheNextGameIsDealOne) {
    for (int i = 0; i < 4; ++i) BookDeal(1);
    g_Game.StoreCount = 0;
    g_Game.GameCount = 0;
    BookDeal(1);
    EXPECT_EQ(g_StoreRows.Bytes.size(), 5u * 40u);
    EXPECT_EQ(g_StoreRows.StoredDeals(), 1);
    EXPECT_EQ(g_StoreRows.DealWord(1, DEAL_GAME), 1);
}

TEST_F(StoreDealsTest, ReadersNeverPassTheArray) {
    BookDeal(1);
    g_Game.StoreCount = 5;  // a count larger than the rows held
    EXPECT_EQ(g_StoreRows.StoredDeals(), 1);
    EXPECT_EQ(g_StoreRows.DealWord(2, 8), 0);
    EXPECT_EQ(g_StoreRows.DealWord(1, 40), 0);
    EXPECT_EQ(g_StoreRows.DealWord(0, 8), 0);
}

TEST(StoredGameNumberTest, ModeOneCountsStraightModeZeroByRound) {
    const struct {
        int mode, game;
        const char* text;
    } cases[] = {
        {0, 1, "1.1"}, {0, 2, "1.2"}, {0, 3, "1.3"}, {0, 4, "2.1"}, {0, 7, "3.1"},
        {0, 9, "3.3"}, {0, 10, "4.1"}, {1, 9, "9"},   {1, 10, "10"},
    };
    for (const auto& c : cases) EXPECT_EQ(StoredGameNumber(c.mode, c.game), c.text) << c.mode << " " << c.game;
}

TEST_F(StoreDealsTest, ResortKeepsEachRowsCardsAndItsEmptySlots) {
    // Two deals with their cards in falling order and a gap in one hand.
    const int hands[3][10] = {{52, 45, 40, 39, 30, 27, 26, 20, 14, 13},
                              {12, 11, 10, 9, 8, 7, 5, 4, 3, 2},
                              {51, 50, 49, 48, 38, 37, 36, 35, 25, 24}};
    const int skat[2] = {52, 1};
    game.SetDeal(&hands[0][0], skat);
    BookDeal(1);
    int gapped[3][10];
    std::copy(&hands[0][0], &hands[0][0] + 30, &gapped[0][0]);
    gapped[1][3] = -1;
    game.SetDeal(&gapped[0][0], skat);
    BookDeal(1);

    g_Settings.View.SortMode = 0;
    CStore::ResortStoredHands();
    for (int k = 1; k <= 2; ++k) {
        for (const auto& [first, count] : {std::pair{8, 2}, {10, 10}, {20, 10}, {30, 10}}) {
            std::vector<int> before, after;
            for (int i = 0; i < count; ++i) after.push_back(g_StoreRows.DealWord(k, first + i));
            before = first == 8 ? std::vector<int>{52, 1}
                                : std::vector<int>(hands[(first - 10) / 10], hands[(first - 10) / 10] + 10);
            if (k == 2 && first == 20) {
                before[3] = -1;
                EXPECT_EQ(after[3], -1);
            }
            std::vector<int> sortedBefore = before, sortedAfter = after;
            std::sort(sortedBefore.begin(), sortedBefore.end());
            std::sort(sortedAfter.begin(), sortedAfter.end());
            EXPECT_EQ(sortedAfter, sortedBefore) << "deal " << k << " word " << first;
        }
    }
    // The rows did move: the first hand was dealt in falling code order.
    std::vector<int> firstHand;
    for (int i = 0; i < 10; ++i) firstHand.push_back(g_StoreRows.DealWord(1, 10 + i));
    EXPECT_NE(firstHand, std::vector<int>(hands[0], hands[0] + 10));
    // A second re-sort under the same order changes nothing.
    const std::vector<std::uint8_t> once = g_StoreRows.Bytes;
    CStore::ResortStoredHands();
    EXPECT_EQ(g_StoreRows.Bytes, once);
}

}  // namespace

#include "match/StoredDealFile.h"

#include "FileFixtures.h"

#include <gtest/gtest.h>

namespace {

using fixtures::ByteImage;

void PutDeal(ByteImage& image, int index, int gameNumber, int firstCard) {
    const std::size_t at = 40 + 160 * static_cast<std::size_t>(index);
    image.Put32(at + 20, 1700000000 + gameNumber).Put32(at + 24, 1).Put32(at + 28, gameNumber);
    // The 32 cards of the deck in order, started at a different card for each deal.
    static constexpr int kDeck[32] = {1,  7,  8,  9,  10, 11, 12, 13, 14, 20, 21, 22, 23, 24, 25, 26,
                                      27, 33, 34, 35, 36, 37, 38, 39, 40, 46, 47, 48, 49, 50, 51, 52};
    for (int word = 8; word < 40; ++word) image.Put32(at + 4 * word, kDeck[(firstCard + word) % 32]);
}

ByteImage ThreeDeals() {
    ByteImage image(40);  // the header; the deals follow it
    image.PutText(0, "Kartenzuordnung\nCards Assignment");
    for (int deal = 0; deal < 3; ++deal) PutDeal(image, deal, deal + 1, 5 * deal);
    return image;
}

TEST(StoredDealFile, StoresComeBackByteForByte) {
    ByteImage empty(80);
    empty.PutText(0, "Kartenzuordnung\nCards Assignment");
    const auto emptyStore = DecodeStoredDeals(empty.Span());
    ASSERT_TRUE(emptyStore);
    EXPECT_EQ(StoreRecords(*emptyStore), 0);
    EXPECT_EQ(EncodeStoredDeals(*emptyStore, 0), empty.Bytes());

    const ByteImage three = ThreeDeals();
    const auto store = DecodeStoredDeals(three.Span());
    ASSERT_TRUE(store);
    ASSERT_EQ(StoreRecords(*store), 3);
    EXPECT_EQ(store->Title(), "Kartenzuordnung\nCards Assignment");
    EXPECT_EQ(store->DealWord(3, DEAL_GAME), 3);
    EXPECT_EQ(store->DealWord(2, DEAL_TIME), 1700000002);
    EXPECT_EQ(EncodeStoredDeals(*store, 3), three.Bytes());
}

TEST(StoredDealFile, Sizes) {
    const struct {
        std::size_t size;
        bool read;
        std::size_t block;
        int records;
    } cases[] = {
        {0, false, 0, 0},     {39, false, 0, 0},    {40, true, 80, 0},       {79, true, 80, 0},
        {80, true, 80, 0},    {200, true, 200, 1},  {40 + 480 + 17, true, 520, 3},
        {kStoredDealCap + 1, false, 0, 0},
    };
    for (const auto& c : cases) {
        ByteImage image = ThreeDeals();
        image.Resize(c.size);
        const auto store = DecodeStoredDeals(image.Span());
        ASSERT_EQ(store.has_value(), c.read) << c.size;
        if (!store) continue;
        EXPECT_EQ(store->Bytes.size(), c.block) << c.size;
        EXPECT_EQ(StoreRecords(*store), c.records) << c.size;
        // What was read is kept as it was.
        const std::size_t kept = std::min(c.size, c.block);
        EXPECT_TRUE(std::equal(image.Bytes().begin(), image.Bytes().begin() + kept, store->Bytes.begin())) << c.size;
    }
}

TEST(StoredDealFile, WritesOnlyTheCountedDeals) {
    const auto store = DecodeStoredDeals(ThreeDeals().Span());
    ASSERT_TRUE(store);
    EXPECT_EQ(EncodeStoredDeals(*store, 2).size(), 40u + 320u);
    EXPECT_EQ(EncodeStoredDeals(*store, 0).size(), 80u);
    EXPECT_EQ(EncodeStoredDeals(*store, 9).size(), 40u + 480u);
}

}  // namespace

#include <gtest/gtest.h>

#include "TavloFixture.h"

namespace tavlo_test {
namespace {

class CardDeckTest : public TavloTest {
protected:
    void SetUp() override {
        TavloTest::SetUp();
        table = MakeTable(window);
        WC_NewCardDeck(table);
        // A hand of five overlapping cards, 20 pixels apart: each card covers the one dealt before.
        DealRow(table, hand, 100, 500, 20);
    }
    // A second table whose own card 11 lies at x 600; the first table's stays at x 100.
    HWND SecondTableWithCard11(TableWindow& otherWindow) {
        const HWND other = MakeTable(otherWindow);
        WC_NewCardDeck(other);
        WC_DealCard(other, 11, 600, 10);
        EXPECT_EQ(WC_GetCardX(table, 11), 100);
        EXPECT_EQ(WC_GetCardX(other, 11), 600);
        return other;
    }
    TableWindow window;
    HWND table = nullptr;
    const std::vector<int> hand{11, 1, 10, 13, 12};  // x 100, 120, 140, 160, 180; 71 x 96
};

TEST_F(CardDeckTest, HitTestFindsTheTopmostCardOfAnOverlappingHand) {
    struct Case {
        int x, y, card;
    };
    const Case cases[] = {
        {100, 500, 11},   // left edge of the first card, only it lies there
        {119, 595, 11},   // last pixel row and column before the second card starts
        {120, 500, 1},    // the second card covers the first from here
        {175, 550, 13},   // cards 10 and 13 overlap; 13 was dealt later
        {250, 595, 12},   // right part of the last card, bottom row
        {250, 596, WC_NO_CARD_HERE},  // just below
        {251, 550, WC_NO_CARD_HERE},  // just right of the last card (180 + 71)
        {99, 550, WC_NO_CARD_HERE},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WC_GetCardDealt(table, c.x, c.y, 0, 1), c.card) << c.x << "," << c.y;
    }
}

TEST_F(CardDeckTest, StackingFollowsDealingAndCanBeRestored) {
    EXPECT_EQ(WC_GetSuccCardDealt(table, 11, 0, 0), 1);
    EXPECT_EQ(WC_GetSuccCardDealt(table, 12, 0, 0), 0);  // topmost

    // Dealing a card again puts it on top; noting its successor first lets the caller restore it.
    const int successor = WC_GetSuccCardDealt(table, 10, 0, 0);
    WC_DealCard(table, 10, 140, 491);
    EXPECT_EQ(WC_GetCardDealt(table, 175, 550, 0, 1), 10);
    EXPECT_EQ(WC_GetSuccCardDealt(table, 12, 0, 0), 10);
    WC_OrderCard(table, 10, successor);
    EXPECT_EQ(WC_GetSuccCardDealt(table, 1, 0, 0), 10);
    EXPECT_EQ(WC_GetSuccCardDealt(table, 10, 0, 0), 13);
    EXPECT_EQ(WC_GetCardDealt(table, 175, 550, 0, 1), 13);

    // Ordering below a card that is not dealt, or below 0, puts the card on top.
    WC_OrderCard(table, 11, 40);
    EXPECT_EQ(WC_GetCardDealt(table, 110, 550, 0, 1), 11);
    EXPECT_EQ(WC_GetSuccCardDealt(table, 12, 0, 0), 11);
    WC_OrderCard(table, 1, 0);
    EXPECT_EQ(WC_GetSuccCardDealt(table, 11, 0, 0), 1);
    EXPECT_EQ(WC_OrderCard(table, 40, 1), 0);  // not dealt: nothing to order
}

TEST_F(CardDeckTest, PositionsAndSizeFollowDealingAndZoom) {
    EXPECT_EQ(WC_GetCardX(table, 13), 160);
    EXPECT_EQ(WC_GetCardY(table, 13), 500);
    EXPECT_EQ(WC_GetCardWidth(table, 13), 71);
    EXPECT_EQ(WC_GetCardHeight(table, 13), 96);
    WC_SetZoom(table, 150);
    EXPECT_EQ(WC_GetCardWidth(table, 13), 106);
    EXPECT_EQ(WC_GetCardHeight(table, 13), 144);
    // The zoomed card reaches further: 180 + 106 - 1.
    EXPECT_EQ(WC_GetCardDealt(table, 285, 643, 0, 1), 12);
    EXPECT_EQ(WC_SetZoom(table, 0), 0);
    EXPECT_EQ(WC_GetCardWidth(table, 13), 106);

    // A face design with cards of another size changes the size too.
    sizes.SetCardSize(2, {80, 120});
    WC_SetZoom(table, 100);
    WC_SetCardFace(table, 3);
    EXPECT_EQ(WC_GetCardWidth(table, 1), 80);
    EXPECT_EQ(WC_GetCardHeight(table, 1), 120);
}

TEST_F(CardDeckTest, DesignNumbersArriveAsDesignPlusOne) {
    struct Case {
        int back, accepted;
    };
    for (const Case c : {Case{0, 0}, Case{1, 1}, Case{32, 1}, Case{33, 0}}) {
        EXPECT_EQ(WC_SetCardBack(table, 0, c.back), c.accepted) << c.back;
    }
    for (const Case c : {Case{0, 0}, Case{1, 1}, Case{10, 1}, Case{11, 0}}) {
        EXPECT_EQ(WC_SetCardFace(table, c.back), c.accepted) << c.back;
    }
    // Back 5 is design 4: the placeholder of a face-down card names it as "#5".
    WC_SetCardBack(table, 0, 5);
    WC_ExposeCard(table, 12, 0);
    platform::RecordingDC dc(platform::Size{400, 400});
    WC_DrawCard(table, 12, 10, 10, &dc);
    const auto texts = dc.RecordsOfKind(platform::DrawKind::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "#5");
}

TEST_F(CardDeckTest, RemoveErasesTheCardsAreaWhileCancelLeavesTheWindowAlone) {
    ValidateRect(table, nullptr);
    EXPECT_EQ(WC_CancelCard(table, 12), 1);
    platform::Rect update;
    EXPECT_FALSE(GetUpdateRect(table, &update));
    EXPECT_EQ(WC_IsCardDealt(table, 12), 0);
    EXPECT_EQ(WC_GetCardDealt(table, 250, 550, 0, 1), WC_NO_CARD_HERE);

    EXPECT_EQ(WC_RemoveCard(table, 13), 1);
    ASSERT_TRUE(GetUpdateRect(table, &update));
    EXPECT_EQ(update, (platform::Rect{160, 500, 231, 596}));
    EXPECT_EQ(WC_IsCardDealt(table, 13), 0);
    EXPECT_EQ(WC_RemoveCard(table, 13), 0);
    EXPECT_EQ(WC_CancelCard(table, 13), 0);

    // Neither forgets that the card was face up: dealt again, it shows its face.
    WC_DealCard(table, 13, 300, 100);
    platform::RecordingDC dc(platform::Size{400, 400});
    WC_DrawCard(table, 13, 0, 0, &dc);
    EXPECT_EQ(dc.RecordsOfKind(platform::DrawKind::Text).at(0).text, "13");
}

TEST_F(CardDeckTest, CallsOnAWindowWithoutADeckOrWithNoCardDoNothing) {
    TableWindow other;
    const HWND bare = MakeTable(other);
    EXPECT_EQ(WC_DealCard(bare, 1, 0, 0), 0);
    EXPECT_EQ(WC_GetCardDealt(bare, 0, 0, 0, 1), 0);
    EXPECT_EQ(WC_GetCardWidth(bare, 1), 0);
    EXPECT_EQ(WC_DealCard(table, 0, 0, 0), 0);
    EXPECT_EQ(WC_DealCard(table, 53, 0, 0), 0);
    EXPECT_EQ(WC_DealCard(table, -1, 0, 0), 0);
    EXPECT_EQ(WC_GetCardX(table, 40), 0);

    WC_DeleteCardDeck(table);
    EXPECT_EQ(WC_IsCardDealt(table, 11), 0);
    EXPECT_EQ(WC_GetCardDealt(table, 110, 550, 0, 1), 0);
}

TEST_F(CardDeckTest, TwoWindowsKeepTheirOwnDecks) {
    TableWindow otherWindow;
    const HWND other = SecondTableWithCard11(otherWindow);
    WC_RemoveCard(other, 11);
    EXPECT_EQ(WC_IsCardDealt(table, 11), 1);
    EXPECT_EQ(WC_GetCardDealt(other, 120, 550, 0, 1), WC_NO_CARD_HERE);
}

// Calls alternate between windows, and a window whose deck goes loses its table: what it is asked
// next answers from the deck made after, never from the one before.
TEST_F(CardDeckTest, ADeckDeletedAndMadeAgainAnswersAsTheNewOne) {
    TableWindow otherWindow;
    const HWND other = SecondTableWithCard11(otherWindow);

    WC_DeleteCardDeck(table);
    EXPECT_EQ(WC_HasCardDeck(table), 0);
    EXPECT_EQ(WC_GetCardX(table, 11), 0);
    EXPECT_EQ(WC_GetCardX(other, 11), 600);

    WC_NewCardDeck(table);
    EXPECT_EQ(WC_IsCardDealt(table, 11), 0);
    WC_DealCard(table, 11, 300, 40);
    EXPECT_EQ(WC_GetCardX(table, 11), 300);
    EXPECT_EQ(WC_GetCardX(other, 11), 600);
}

}  // namespace
}  // namespace tavlo_test

#include <gtest/gtest.h>

#include <vector>

#include "TavloFixture.h"

namespace tavlo_test {
namespace {

constexpr UINT kStopRequest = WM_USER + 1;

class SlideTest : public TavloTest {
protected:
    void SetUp() override {
        TavloTest::SetUp();
        table = MakeTable(window);
        WC_NewCardDeck(table);
        WC_ExposeCard(table, 1, 1);
        WC_DealCard(table, 1, 100, 100);
    }
    TableWindow window;
    HWND table = nullptr;
};

TEST_F(SlideTest, ASlideEndsExactlyAtItsTargetWhenItsDelayHasPassed) {
    struct Case {
        int delay;
        std::int64_t lasts;  // virtual milliseconds until WC_Slide returns
    };
    // Delays that are no multiple of the 10 ms frame still end on time; below one frame it takes one.
    const Case cases[] = {{100, 100}, {25, 25}, {333, 333}, {5, 10}, {0, 0}, {-7, 0}};
    for (const Case& c : cases) {
        WC_DealCard(table, 1, 100, 100);
        const std::int64_t start = host.NowMs();
        EXPECT_EQ(WC_Slide(table, 1, 400, 250, c.delay, 3), 1);
        EXPECT_EQ(host.NowMs() - start, c.lasts) << "delay " << c.delay;
        EXPECT_EQ(WC_GetCardX(table, 1), 400) << "delay " << c.delay;
        EXPECT_EQ(WC_GetCardY(table, 1), 250) << "delay " << c.delay;
    }
}

TEST_F(SlideTest, TheCardMovesAlongTheLineFrameByFrame) {
    // Sampled from a timer of the table window, which fires between the slide's frames.
    std::vector<platform::Point> seen;
    window.onMessage = [&](UINT message, WPARAM) {
        if (message == WM_TIMER) seen.push_back({WC_GetCardX(table, 1), WC_GetCardY(table, 1)});
    };
    SetTimer(table, 7, 20);
    WC_Slide(table, 1, 300, 200, 100, 3);
    KillTimer(table, 7);
    ASSERT_GE(seen.size(), 3u);
    for (std::size_t i = 0; i < seen.size(); ++i) {
        // On the straight line from (100, 100) to (300, 200): y - 100 = (x - 100) / 2.
        EXPECT_EQ(seen[i].y - 100, (seen[i].x - 100) / 2) << i;
        EXPECT_GT(seen[i].x, 100);
        EXPECT_LT(seen[i].x, 300);
        if (i > 0) {
            EXPECT_GT(seen[i].x, seen[i - 1].x);
        }
    }
}

TEST_F(SlideTest, AStopRequestedDuringASlideIsSeenBeforeTheNextSlide) {
    // The program slides a row card by card and tests its stop flag between the slides.
    int stopFlag = 0;
    const std::vector<int> row{1, 7, 8, 9};
    for (int card : row) WC_DealCard(table, card, 10, 10);
    // 150 ms in, a timer of the window posts the stop request, as a break-off command would come.
    SetTimer(table, 3, 150);
    window.onMessage = [&](UINT message, WPARAM wParam) {
        if (message == WM_TIMER && wParam == 3) {
            KillTimer(table, 3);
            PostMessage(table, kStopRequest);
        }
        if (message == kStopRequest) stopFlag = 1;
    };
    int slid = 0;
    for (std::size_t i = 0; i < row.size(); ++i) {
        if (stopFlag) break;
        WC_Slide(table, row[i], 100 + 80 * static_cast<int>(i), 500, 100, 3);
        ++slid;
    }
    // The second slide (100..200 ms) was running when the stop came; it still arrived.
    EXPECT_EQ(slid, 2);
    EXPECT_EQ(WC_GetCardX(table, 7), 180);
    EXPECT_EQ(WC_GetCardY(table, 7), 500);
    EXPECT_EQ(WC_GetCardX(table, 8), 10);
}

TEST_F(SlideTest, ASlideEndsWhenItsDeckGoesAwayMeanwhile) {
    window.onMessage = [&](UINT message, WPARAM) {
        if (message == kStopRequest) WC_DeleteCardDeck(table);
    };
    PostMessage(table, kStopRequest);
    const std::int64_t start = host.NowMs();
    EXPECT_EQ(WC_Slide(table, 1, 900, 900, 1000, 3), 1);
    EXPECT_LT(host.NowMs() - start, 1000);
    EXPECT_EQ(WC_IsCardDealt(table, 1), 0);
}

TEST_F(SlideTest, ACardTakenOffDuringItsSlideEndsIt) {
    window.onMessage = [&](UINT message, WPARAM) {
        if (message == kStopRequest) WC_RemoveCard(table, 1);
    };
    PostMessage(table, kStopRequest);
    const std::int64_t start = host.NowMs();
    WC_Slide(table, 1, 900, 900, 1000, 3);
    EXPECT_LT(host.NowMs() - start, 1000);
    EXPECT_EQ(WC_IsCardDealt(table, 1), 0);
}

TEST_F(SlideTest, ASlideStartedInsideAnotherEndsFirstAndBothArrive) {
    WC_DealCard(table, 7, 0, 0);
    window.onMessage = [&](UINT message, WPARAM) {
        if (message == kStopRequest) WC_Slide(table, 7, 50, 60, 30, 3);
    };
    PostMessage(table, kStopRequest);
    const std::int64_t start = host.NowMs();
    WC_Slide(table, 1, 500, 400, 100, 3);
    EXPECT_EQ(host.NowMs() - start, 100);
    EXPECT_EQ(WC_GetCardX(table, 1), 500);
    EXPECT_EQ(WC_GetCardY(table, 1), 400);
    EXPECT_EQ(WC_GetCardX(table, 7), 50);
    EXPECT_EQ(WC_GetCardY(table, 7), 60);
}

TEST_F(SlideTest, ASlidingCardLiesOnTopAndLeavesItsOldPlaceToThePaint) {
    WC_DealCard(table, 7, 150, 150);  // covers card 1
    EXPECT_EQ(WC_GetCardDealt(table, 160, 160, 0, 1), 7);
    ValidateRect(table, nullptr);
    const int successor = WC_GetSuccCardDealt(table, 1, 0, 0);
    WC_Slide(table, 1, 100, 91, 0, 0);  // a selected card raised by 9 pixels
    EXPECT_EQ(WC_GetCardDealt(table, 160, 160, 0, 1), 1);
    platform::Rect update;
    ASSERT_TRUE(GetUpdateRect(table, &update));
    EXPECT_TRUE(update.Intersects({100, 187, 171, 196}));  // the strip the card left
    WC_OrderCard(table, 1, successor);
    EXPECT_EQ(WC_GetCardDealt(table, 160, 160, 0, 1), 7);
}

}  // namespace
}  // namespace tavlo_test

#include <gtest/gtest.h>

#include "TavloFixture.h"

namespace tavlo_test {
namespace {

class DragTest : public TavloTest {
protected:
    void SetUp() override {
        TavloTest::SetUp();
        table = MakeTable(window);
        WC_NewCardDeck(table);
        DealRow(table, hand, 100, 500, 20);  // the person's hand: x 100..180
        DealRow(table, trick, 500, 200, 90);  // two cards side by side: x 500 and 590
    }
    TableWindow window;
    HWND table = nullptr;
    const std::vector<int> hand{11, 1, 10, 13};
    const std::vector<int> trick{40, 27};
};

TEST_F(DragTest, ADraggedCardFollowsThePointerAndNamesTheCardItIsOver) {
    EXPECT_EQ(WC_InitDrag(table, 125, 510, 0), 1);  // grabbed 5, 10 inside card 1
    EXPECT_EQ(WC_GetSuccCardDragged(table), 10);
    EXPECT_EQ(WC_GetSuccCardDealt(table, 1, 0, 0), 0);  // lifted on top

    EXPECT_EQ(WC_DoDrag(table, 300, 300), 0);
    EXPECT_EQ(WC_GetCardX(table, 1), 295);
    EXPECT_EQ(WC_GetCardY(table, 1), 290);
    EXPECT_EQ(WC_DoDrag(table, 520, 250), 40);
    EXPECT_EQ(WC_EndDrag(table, 600, 250), 27);
    EXPECT_EQ(WC_GetCardX(table, 1), 595);
    EXPECT_EQ(WC_GetCardY(table, 1), 240);
    // Ended: further moves do nothing.
    EXPECT_EQ(WC_DoDrag(table, 10, 10), 0);
    EXPECT_EQ(WC_GetCardX(table, 1), 595);
}

TEST_F(DragTest, UndoSlidesTheCardBackAndRestoresItsPlaceInTheHand) {
    ASSERT_EQ(WC_InitDrag(table, 125, 510, 0), 1);
    WC_DoDrag(table, 400, 100);
    EXPECT_EQ(WC_EndDrag(table, 400, 100), WC_NO_DROP_TARGET);

    const std::int64_t start = host.NowMs();
    EXPECT_EQ(WC_UndoDrag(table, 100), 1);
    EXPECT_EQ(host.NowMs() - start, 100);
    EXPECT_EQ(WC_GetCardX(table, 1), 120);
    EXPECT_EQ(WC_GetCardY(table, 1), 500);
    EXPECT_EQ(WC_GetSuccCardDealt(table, 1, 0, 0), 10);
    EXPECT_EQ(WC_GetCardDealt(table, 145, 510, 0, 1), 10);  // card 10 covers card 1 again
    // One undo per drag.
    EXPECT_EQ(WC_UndoDrag(table, 100), 0);
    EXPECT_EQ(WC_GetSuccCardDragged(table), 0);
}

TEST_F(DragTest, UndoWorksWithoutEndingTheDragAndForTheTopCard) {
    ASSERT_EQ(WC_InitDrag(table, 200, 550, 0), 13);  // the topmost card of the hand
    EXPECT_EQ(WC_GetSuccCardDragged(table), 40);      // the trick was dealt after the hand
    WC_DoDrag(table, 700, 700);
    EXPECT_EQ(WC_UndoDrag(table, 0), 13);
    EXPECT_EQ(WC_GetCardX(table, 13), 160);
    EXPECT_EQ(WC_GetCardY(table, 13), 500);
    EXPECT_EQ(WC_GetSuccCardDealt(table, 13, 0, 0), 40);
}

TEST_F(DragTest, AbortPutsTheCardBackAtOnce) {
    ASSERT_EQ(WC_InitDrag(table, 110, 510, 0), 11);
    WC_DoDrag(table, 700, 700);
    const std::int64_t start = host.NowMs();
    EXPECT_EQ(WC_AbortDrag(table), 11);
    EXPECT_EQ(host.NowMs(), start);
    EXPECT_EQ(WC_GetCardX(table, 11), 100);
    EXPECT_EQ(WC_GetSuccCardDealt(table, 11, 0, 0), 1);
    EXPECT_EQ(WC_UndoDrag(table, 100), 0);
    EXPECT_EQ(WC_EndDrag(table, 1, 1), WC_NO_DROP_TARGET);
}

TEST_F(DragTest, NothingIsGrabbedOffTheCardsAndARemovedCardEndsItsDrag) {
    EXPECT_EQ(WC_InitDrag(table, 5, 5, 0), 0);
    EXPECT_EQ(WC_DoDrag(table, 10, 10), 0);
    EXPECT_EQ(WC_EndDrag(table, 10, 10), WC_NO_DROP_TARGET);

    ASSERT_EQ(WC_InitDrag(table, 510, 210, 0), 40);
    WC_RemoveCard(table, 40);
    EXPECT_EQ(WC_DoDrag(table, 10, 10), 0);
    EXPECT_EQ(WC_UndoDrag(table, 100), 0);
    EXPECT_EQ(WC_IsCardDealt(table, 40), 0);
}

TEST_F(DragTest, ScriptedMouseDragDrivesTheCardThroughTheWindow) {
    // The view forwards the mouse: press grabs, moves drag, release drops and is refused (undone).
    int dropped = 0;
    struct View : TableWindow {
        int* dropped = nullptr;
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
            const int x = static_cast<short>(lParam & 0xFFFF);
            const int y = static_cast<short>((lParam >> 16) & 0xFFFF);
            if (message == WM_LBUTTONDOWN) WC_InitDrag(Handle(), x, y, 0);
            if (message == WM_MOUSEMOVE) WC_DoDrag(Handle(), x, y);
            if (message == WM_LBUTTONUP) {
                *dropped = WC_EndDrag(Handle(), x, y);
                WC_UndoDrag(Handle(), 50);
            }
            return TableWindow::WindowProc(message, wParam, lParam);
        }
    } view;
    view.dropped = &dropped;
    const HWND hwnd = MakeTable(view);
    WC_NewCardDeck(hwnd);
    WC_ExposeCard(hwnd, 20, 1);
    WC_DealCard(hwnd, 20, 100, 100);
    WC_DealCard(hwnd, 21, 400, 100);
    const std::int64_t t = host.NowMs();
    host.Drag(t + 10, platform::HeadlessHost::ScreenPoint(hwnd, {110, 110}), platform::HeadlessHost::ScreenPoint(hwnd, {420, 130}), 40);
    host.PumpFor(200);
    EXPECT_EQ(dropped, 21);
    EXPECT_EQ(WC_GetCardX(hwnd, 20), 100);
    EXPECT_EQ(WC_GetCardY(hwnd, 20), 100);
}

}  // namespace
}  // namespace tavlo_test

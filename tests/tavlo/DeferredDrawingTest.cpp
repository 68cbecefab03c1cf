// On a host that shows the surfaces later (a screen), tavlo's redraws wait for the host: a card
// moved many times is drawn once, where it lies then, while every place a click or a later step
// reads is the new one at once; anyone else drawing on the window first gets what waited drawn
// beneath, and a context held on the window draws at once as before.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "TavloFixture.h"
#include "platform/core/WindowSystem.h"

namespace tavlo_test {
namespace {

class DeferredDrawingTest : public TavloTest {
protected:
    void SetUp() override {
        TavloTest::SetUp();
        table = MakeTable(window);
        WC_NewCardDeck(table);
        card = {WC_GetCardWidth(table, 0), WC_GetCardHeight(table, 0)};
        ASSERT_GT(card.cx, 0);
    }
    // The fills of a placeholder card lying at (x, y).
    int FillsAt(int x, int y) {
        const platform::Rect area{x, y, x + card.cx, y + card.cy};
        const auto fills = Surface(table).RecordsOfKind(platform::DrawKind::Fill);
        return static_cast<int>(
            std::count_if(fills.begin(), fills.end(), [&](const platform::DrawRecord& r) { return r.bounds == area; }));
    }
    static void ShowTables() { platform::WindowSystem::Instance().DrawDeferred(); }

    TableWindow window;
    HWND table = nullptr;
    platform::Size card;
};

struct MoveCase {
    const char* name;
    bool defers;
    int drawnBeforeShown;  // fills of the card at its last place before the host shows the table
    int drawnAtEachStep;   // fills at each place it passed
    int drawnWhenShown;    // fills at its last place once shown
};

// A failing case names itself, not its bytes.
void PrintTo(const MoveCase& c, std::ostream* out) { *out << c.name; }

class DeferredMoves : public DeferredDrawingTest, public ::testing::WithParamInterface<MoveCase> {};

// Ten moves of one card: drawn at every step where drawing is immediate (moved, then drawn on top
// again), once at the end where the host defers; the card's place answers the new value at once
// either way.
TEST_P(DeferredMoves, AMovedCardIsDrawnOnceWhereItLiesWhenShown) {
    host.SetDefersDrawing(GetParam().defers);
    DealRow(table, {24}, 100, 200, 0);
    ShowTables();
    Surface(table).ClearRecords();
    for (int step = 1; step <= 10; ++step) {
        WC_Slide(table, 24, 100 + 10 * step, 200, 0, 0);
        EXPECT_EQ(WC_GetCardX(table, 24), 100 + 10 * step);
        EXPECT_EQ(WC_GetCardDealt(table, 100 + 10 * step + 3, 203, 0, 0), 24) << "step " << step;
    }
    EXPECT_EQ(FillsAt(200, 200), GetParam().drawnBeforeShown);
    for (int step = 1; step < 10; ++step) EXPECT_EQ(FillsAt(100 + 10 * step, 200), GetParam().drawnAtEachStep);
    ShowTables();
    EXPECT_EQ(FillsAt(200, 200), GetParam().drawnWhenShown);
    for (int step = 1; step < 10; ++step) EXPECT_EQ(FillsAt(100 + 10 * step, 200), GetParam().drawnAtEachStep);
}

INSTANTIATE_TEST_SUITE_P(Hosts, DeferredMoves,
                         ::testing::Values(MoveCase{"AtOnce", false, 2, 2, 2}, MoveCase{"Deferred", true, 0, 0, 1}),
                         [](const ::testing::TestParamInfo<MoveCase>& info) { return std::string(info.param.name); });

// Drawing on the window by anyone else (a text routine's context) comes after what waited: the
// card lies beneath it, as if it had been drawn at once.
TEST_F(DeferredDrawingTest, AnotherDrawingOnTheWindowComesAfterWhatWaits) {
    host.SetDefersDrawing(true);
    DealRow(table, {24}, 100, 200, 0);
    EXPECT_EQ(FillsAt(100, 200), 0);
    platform::DeviceContext* dc = GetDC(table);
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(FillsAt(100, 200), 1) << "drawn before the context is handed out";
    dc->MoveTo(90, 190);
    dc->LineTo(300, 190);
    ReleaseDC(table, dc);
    const auto& records = Surface(table).Records();
    ASSERT_FALSE(records.empty());
    EXPECT_EQ(records.back().kind, platform::DrawKind::Line);
    ShowTables();
    EXPECT_EQ(FillsAt(100, 200), 1) << "nothing waits any more";
}

// While someone holds the window's context (a paint, a routine drawing texts) tavlo draws at once,
// in the order of the holder's own drawing.
TEST_F(DeferredDrawingTest, AHeldContextDrawsAtOnce) {
    host.SetDefersDrawing(true);
    platform::DeviceContext* dc = GetDC(table);
    ASSERT_NE(dc, nullptr);
    DealRow(table, {24}, 100, 200, 0);
    EXPECT_EQ(FillsAt(100, 200), 1);
    ReleaseDC(table, dc);
    ShowTables();
    EXPECT_EQ(FillsAt(100, 200), 1);
}

// A table window destroyed while its drawing waits draws nothing more.
TEST_F(DeferredDrawingTest, AGoneWindowsDrawingIsDropped) {
    host.SetDefersDrawing(true);
    DealRow(table, {24}, 100, 200, 0);
    ASSERT_TRUE(DestroyWindow(table));
    ShowTables();
    EXPECT_EQ(FillsAt(100, 200), 0);
}

}  // namespace
}  // namespace tavlo_test

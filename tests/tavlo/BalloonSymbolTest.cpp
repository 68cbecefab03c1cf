#include <gtest/gtest.h>

#include <string>

#include "TavloFixture.h"

namespace tavlo_test {
namespace {

class BalloonSymbolTest : public TavloTest {
protected:
    void SetUp() override {
        TavloTest::SetUp();
        table = MakeTable(tableWindow);
        side = MakeTable(sideWindow);
        WB_NewBalloonDeck(table);
        WS_NewSymbolDeck(table);
        WS_NewSymbolDeck(side);
    }
    TableWindow tableWindow;
    TableWindow sideWindow;
    HWND table = nullptr;
    HWND side = nullptr;
};

TEST_F(BalloonSymbolTest, BalloonsAndSymbolsAreShownPerWindow) {
    EXPECT_EQ(WB_ShowBalloon(table, 5, 100, 50, 20, "18"), 1);
    EXPECT_EQ(WS_ShowSymbol(table, 3, 300, 40), 1);
    EXPECT_EQ(WS_ShowSymbol(side, 9, 10, 10), 1);
    EXPECT_EQ(WB_IsBalloonShown(table, 5), 1);
    EXPECT_EQ(WB_IsBalloonShown(table, 6), 0);
    EXPECT_EQ(WB_IsBalloonShown(side, 5), 0);  // no balloon deck there at all
    EXPECT_EQ(WS_IsSymbolShown(table, 3), 1);
    EXPECT_EQ(WS_IsSymbolShown(side, 3), 0);
    EXPECT_EQ(WS_IsSymbolShown(table, 9), 0);

    EXPECT_EQ(WS_RemoveSymbol(table, 3), 1);
    EXPECT_EQ(WS_RemoveSymbol(table, 3), 0);
    EXPECT_EQ(WS_IsSymbolShown(side, 9), 1);
    EXPECT_EQ(WB_RemoveBalloon(table, 5), 1);
    EXPECT_EQ(WB_IsBalloonShown(table, 5), 0);

    // A window's decks go with their delete; the other window keeps its own.
    WS_DeleteSymbolDeck(side);
    EXPECT_EQ(WS_IsSymbolShown(side, 9), 0);
    EXPECT_EQ(WS_ShowSymbol(side, 9, 10, 10), 0);
    EXPECT_EQ(WS_ShowSymbol(table, 9, 10, 10), 1);
}

TEST_F(BalloonSymbolTest, BalloonTextIsWrappedInsideTheBody) {
    platform::RecordingDC& surface = Surface(table);
    const std::string text = "Hast du mehr? Ich habe einen ganz besonders langen Satz zu sagen";
    ASSERT_EQ(WB_ShowBalloon(table, 6, 400, 30, 20, text), 1);

    const auto bodies = surface.RecordsOfKind(platform::DrawKind::RoundRect);
    ASSERT_EQ(bodies.size(), 1u);
    const platform::Rect body = bodies[0].bounds;
    EXPECT_EQ(body.left, 400);
    EXPECT_EQ(body.top, 30);
    EXPECT_EQ(body.Width(), 141);

    const auto lines = surface.RecordsOfKind(platform::DrawKind::Text);
    ASSERT_GE(lines.size(), 3u);
    std::string joined;
    for (const auto& line : lines) {
        EXPECT_GE(line.bounds.left, body.left + 8) << line.text;
        EXPECT_LE(line.bounds.right, body.right - 8) << line.text;
        EXPECT_GE(line.bounds.top, body.top) << line.text;
        EXPECT_LE(line.bounds.bottom, body.bottom) << line.text;
        joined += (joined.empty() ? "" : " ") + line.text;
    }
    EXPECT_EQ(joined, text);  // every word, in order, none split

    // Balloon 6 hangs its 20-pixel tail on the right.
    const auto tails = surface.RecordsOfKind(platform::DrawKind::Polygon);
    ASSERT_EQ(tails.size(), 1u);
    EXPECT_GT(tails[0].points[2].x, body.left + body.Width() / 2);
    EXPECT_EQ(tails[0].points[2].y, body.bottom - 1 + 20);
}

TEST_F(BalloonSymbolTest, AWordWiderThanTheBalloonBreaksBetweenCharacters) {
    platform::RecordingDC& surface = Surface(table);
    WB_ShowBalloon(table, 5, 0, 0, 20, std::string(40, 'W') + "\nok");
    const auto lines = surface.RecordsOfKind(platform::DrawKind::Text);
    // 125 pixels of text at 7 pixels a character: 17 per line.
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].text, std::string(17, 'W'));
    EXPECT_EQ(lines[2].text, std::string(6, 'W'));
    EXPECT_EQ(lines[3].text, "ok");
}

TEST_F(BalloonSymbolTest, UnknownBalloonAndSymbolIdsShowAndDrawNothing) {
    platform::RecordingDC printer(platform::Size{800, 600});
    for (int id : {0, 4, 7, -1}) {
        EXPECT_EQ(WB_ShowBalloon(table, id, 0, 0, 20, "x"), 0) << id;
        EXPECT_EQ(WB_DrawBalloon(table, id, 0, 0, 20, "x", &printer), 0) << id;
        EXPECT_EQ(WB_IsBalloonShown(table, id), 0) << id;
    }
    for (int id : {0, 23, 99, -3}) {
        EXPECT_EQ(WS_ShowSymbol(table, id, 5, 5), 0) << id;
        EXPECT_EQ(WS_DrawSymbol(side, id, 5, 5, &printer), 0) << id;
        EXPECT_EQ(WS_IsSymbolShown(table, id), 0) << id;
    }
    EXPECT_TRUE(printer.Records().empty());
    EXPECT_TRUE(Surface(table).Records().empty());
}

TEST_F(BalloonSymbolTest, EveryDefinedSymbolDrawsInsideItsBox) {
    for (int id = 1; id <= 22; ++id) {
        platform::RecordingDC dc(platform::Size{200, 200});
        ASSERT_EQ(WS_DrawSymbol(side, id, 50, 60, &dc), 1) << id;
        ASSERT_FALSE(dc.Records().empty()) << id;
        const int sideLength = id <= 8 ? 20 : 14;
        const platform::Rect box{50, 60, 50 + sideLength, 60 + sideLength};
        for (const auto& record : dc.Records()) {
            EXPECT_EQ(record.bounds.Intersect(box), record.bounds) << id << " " << platform::FormatRecord(record);
        }
    }
}

TEST_F(BalloonSymbolTest, DrawingWithAContextLeavesTheWindowAlone) {
    platform::RecordingDC printer(platform::Size{800, 600});
    EXPECT_EQ(WB_DrawBalloon(table, 5, 10, 10, 20, "passe", &printer), 1);
    EXPECT_EQ(WS_DrawSymbol(table, 7, 10, 10, &printer), 1);
    EXPECT_FALSE(printer.Records().empty());
    EXPECT_EQ(WB_IsBalloonShown(table, 5), 0);
    EXPECT_EQ(WS_IsSymbolShown(table, 7), 0);
    EXPECT_TRUE(Surface(table).Records().empty());

    // Without a context a shown symbol is drawn on the window and moves there.
    WS_ShowSymbol(table, 7, 10, 10);
    ValidateRect(table, nullptr);
    EXPECT_EQ(WS_DrawSymbol(table, 7, 200, 10, nullptr), 1);
    platform::Rect update;
    ASSERT_TRUE(GetUpdateRect(table, &update));
    EXPECT_EQ(update, (platform::Rect{10, 10, 30, 30}));
}

TEST_F(BalloonSymbolTest, RemovingABalloonHandsItsAreaToThePaint) {
    WB_ShowBalloon(table, 5, 100, 100, 20, "reize 18");
    ValidateRect(table, nullptr);
    WB_RemoveBalloon(table, 5);
    platform::Rect update;
    ASSERT_TRUE(GetUpdateRect(table, &update));
    EXPECT_EQ(update.left, 100);
    EXPECT_EQ(update.top, 100);
    EXPECT_EQ(update.right, 241);
    EXPECT_GT(update.bottom, 100 + 2 * 6 + 14 + 20 - 1);  // body of one line and the tail
}

}  // namespace
}  // namespace tavlo_test

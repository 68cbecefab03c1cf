// A surface that keeps no pixels: tavlo draws nothing there, neither at once nor at its redraws,
// yet the table it lays out (where the cards lie, what a click hits, where each balloon stands) is
// the one a surface that keeps pixels gets.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <string>
#include <vector>

#include "TavloFixture.h"
#include "tavlo/Table.h"

namespace tavlo_test {
namespace {

// Records like any recording surface but says it keeps nothing, so that the test sees what tavlo
// still draws there.
class PixelLessRecording final : public platform::RecordingDC {
public:
    using platform::RecordingDC::RecordingDC;
    bool KeepsPixels() const override { return false; }
};

// What one table looks like after the same moves on a given kind of surface.
struct TableOutcome {
    std::vector<platform::Rect> balloons;  // bounds of balloons 5 and 6
    std::vector<int> hits;                 // the card under each probe point
    std::vector<platform::DrawRecord> records;
};

const platform::Point kProbes[] = {{5, 5}, {105, 205}, {150, 220}, {160, 250}, {230, 210}, {420, 300}, {640, 60}, {900, 500}};

class PixelLessSurfaceTest : public TavloTest {
protected:
    TableOutcome PlayOn(bool keepsPixels) {
        tavlo::ResetAll();
        surfaces.clear();
        host.SetSurfaceFactory([this, keepsPixels](HWND hwnd) -> platform::DeviceContext* {
            auto& surface = surfaces[hwnd];
            if (!surface) {
                const platform::Size size{1280, 960};
                if (keepsPixels) surface = std::make_unique<platform::RecordingDC>(size);
                else surface = std::make_unique<PixelLessRecording>(size);
            }
            return surface.get();
        });
        TableWindow window;
        const HWND table = MakeTable(window);
        WC_NewCardDeck(table);
        WB_NewBalloonDeck(table);
        WS_NewSymbolDeck(table);

        // A hand, one card highlighted, one face down; symbols and balloons over the cards.
        DealRow(table, {1, 5, 24, 40, 51}, 100, 200, 40);
        WC_ExposeCard(table, 51, 0);
        WC_HighlightCard(table, 24, 1);
        WS_ShowSymbol(table, 3, 180, 190);
        WS_ShowSymbol(table, 9, 600, 40);
        WB_ShowBalloon(table, 5, 140, 150, 20, "reize 18");
        WB_ShowBalloon(table, 6, 600, 50, 20, "Hast du mehr? Ich habe einen ganz besonders langen Satz");
        // A card moved under a balloon redraws the balloon there.
        WC_DealCard(table, 40, 150, 160);

        TableOutcome outcome;
        const tavlo::Table* state = tavlo::FindTable(table);
        EXPECT_NE(state, nullptr);
        if (state && state->balloons) {
            for (int id : {5, 6}) outcome.balloons.push_back(state->balloons->shown.at(id).bounds);
        }
        for (const platform::Point probe : kProbes) outcome.hits.push_back(WC_GetCardDealt(table, probe.x, probe.y, 0, 0));
        outcome.records = Surface(table).Records();
        DestroyWindow(table);
        return outcome;
    }
};

bool InsideAny(const platform::Rect& rect, const std::vector<platform::Rect>& areas) {
    for (const platform::Rect& area : areas) {
        if (rect.Intersect(area) == rect) return true;
    }
    return false;
}

TEST_F(PixelLessSurfaceTest, NothingIsDrawnButTheLayoutIsTheSame) {
    const TableOutcome kept = PlayOn(true);
    const TableOutcome dropped = PlayOn(false);

    // The same layout: balloons where they were, clicks hitting the same cards.
    ASSERT_EQ(kept.balloons.size(), 2u);
    for (const platform::Rect& bounds : kept.balloons) EXPECT_FALSE(bounds.IsEmpty());
    EXPECT_EQ(dropped.balloons, kept.balloons);
    EXPECT_EQ(dropped.hits, kept.hits);
    EXPECT_NE(std::count(kept.hits.begin(), kept.hits.end(), 0), static_cast<std::ptrdiff_t>(kept.hits.size()))
        << "no probe hits a card";

    // The surface that keeps pixels shows cards and symbols outside the balloons, and the balloons'
    // bodies and words; the other one was given nothing to draw at all, not even the balloons.
    const auto outside = [&](const std::vector<platform::DrawRecord>& records) {
        int count = 0;
        for (const platform::DrawRecord& record : records) count += InsideAny(record.bounds, kept.balloons) ? 0 : 1;
        return count;
    };
    EXPECT_GT(outside(kept.records), 0);
    const auto bodies = [](const std::vector<platform::DrawRecord>& records) {
        std::vector<std::string> shown;
        for (const platform::DrawRecord& record : records) {
            if (record.kind == platform::DrawKind::RoundRect) shown.push_back(platform::FormatRecord(record));
            if (record.kind == platform::DrawKind::Text && !record.text.empty() && std::isalpha(static_cast<unsigned char>(record.text[0])))
                shown.push_back(platform::FormatRecord(record));
        }
        return shown;
    };
    EXPECT_FALSE(bodies(kept.records).empty());
    EXPECT_TRUE(dropped.records.empty()) << platform::FormatRecord(dropped.records.front());
}

// Every change of the table on a window whose surface keeps nothing: no context is taken for a
// redraw (the host counts none), and a hit test right after the change finds the card where the
// change put it.
TEST_F(PixelLessSurfaceTest, ChangesTakeNoContextAndHitTestsSeeThemAtOnce) {
    host.SetSurfaceFactory([this](HWND hwnd) -> platform::DeviceContext* {
        auto& surface = surfaces[hwnd];
        if (!surface) surface = std::make_unique<PixelLessRecording>(platform::Size{1280, 960});
        return surface.get();
    });
    TableWindow window;
    const HWND table = MakeTable(window);
    WC_NewCardDeck(table);
    WS_NewSymbolDeck(table);
    DealRow(table, {1, 5, 24}, 100, 200, 40);
    struct Case {
        const char* what;
        std::function<void()> change;
        platform::Point probe;
        int hit;  // the card the probe finds after the change
    };
    const Case cases[] = {
        {"dealt", [&] { WC_DealCard(table, 40, 500, 300); }, {510, 310}, 40},
        {"dealt again elsewhere", [&] { WC_DealCard(table, 40, 700, 100); }, {710, 110}, 40},
        {"its old place is empty", [] {}, {510, 310}, WC_NO_CARD_HERE},
        {"slid without delay", [&] { WC_Slide(table, 1, 300, 600, 0, 3); }, {310, 610}, 1},
        {"slid over its neighbour", [&] { WC_Slide(table, 5, 170, 200, 0, 3); }, {190, 210}, 5},
        {"put below its neighbour", [&] { WC_OrderCard(table, 5, 24); }, {190, 210}, 24},
        {"turned face down", [&] { WC_ExposeCard(table, 24, 0); }, {190, 210}, 24},
        {"highlighted", [&] { WC_HighlightCard(table, 24, 1); }, {190, 210}, 24},
        {"redealt", [&] { WC_RedealCard(table, 24); }, {190, 210}, 24},
        {"taken away", [&] { WC_RemoveCard(table, 24); }, {190, 210}, 5},
        {"a symbol shown", [&] { WS_ShowSymbol(table, 3, 180, 190); }, {190, 210}, 5},
    };
    for (const Case& c : cases) {
        const int paints = host.PaintCount(table);
        c.change();
        EXPECT_EQ(host.PaintCount(table), paints) << c.what << ": a context was taken to draw";
        EXPECT_EQ(WC_GetCardDealt(table, c.probe.x, c.probe.y, 0, 0), c.hit) << c.what;
    }
    EXPECT_TRUE(Surface(table).Records().empty());
    DestroyWindow(table);
}

TEST_F(PixelLessSurfaceTest, DrawingACardOrASymbolIntoASurfaceThatKeepsNothingDrawsNothing) {
    TableWindow window;
    const HWND table = MakeTable(window);
    WC_NewCardDeck(table);
    WS_NewSymbolDeck(table);
    WC_ExposeCard(table, 24, 1);
    struct Case {
        const char* what;
        std::function<int(platform::DeviceContext&)> draw;
    };
    const Case cases[] = {
        {"face up card", [&](platform::DeviceContext& dc) { return WC_DrawCard(table, 24, 30, 40, &dc); }},
        {"face down card", [&](platform::DeviceContext& dc) { return WC_DrawCard(table, 7, 30, 40, &dc); }},
        {"suit symbol", [&](platform::DeviceContext& dc) { return WS_DrawSymbol(table, 3, 10, 10, &dc); }},
        {"letter symbol", [&](platform::DeviceContext& dc) { return WS_DrawSymbol(table, 7, 10, 10, &dc); }},
        {"rank symbol", [&](platform::DeviceContext& dc) { return WS_DrawSymbol(table, 13, 10, 10, &dc); }},
    };
    for (const Case& c : cases) {
        platform::RecordingDC keeping(platform::Size{500, 500});
        PixelLessRecording dropping(platform::Size{500, 500});
        EXPECT_EQ(c.draw(keeping), 1) << c.what;
        EXPECT_EQ(c.draw(dropping), 1) << c.what;
        EXPECT_FALSE(keeping.Records().empty()) << c.what;
        EXPECT_TRUE(dropping.Records().empty()) << c.what;
    }
}

}  // namespace
}  // namespace tavlo_test

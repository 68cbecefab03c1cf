// The recording device context: its fixed text metrics, where text, shapes and blits land on the
// device, and the pixels it renders under clipping, raster operations and mapping.
#include <gtest/gtest.h>

#include <climits>

#include "platform/headless/RecordingDC.h"

namespace {

using namespace platform;

LogFont Arial(int height, int width, int weight, int escapement = 0) {
    LogFont font;
    font.face = "Arial";
    font.height = height;
    font.width = width;
    font.weight = weight;
    font.escapement = escapement;
    return font;
}

const Color kRed = Rgb(255, 0, 0);
const Color kBlue = Rgb(0, 0, 255);
const Color kBlack = Rgb(0, 0, 0);

TEST(RecordingDCMetricsTest, FollowTheDocumentedRule) {
    struct Case {
        LogFont font;
        const char* text;
        Size extent;
        int ascent;
    } cases[] = {
        {Arial(12, 0, 700), "Vh", {14, 12}, 10},         // (12 + 1) / 2 = 6, bold + 1
        {Arial(-20, 6, 700), "skat", {28, 20}, 16},      // negative height, given width
        {Arial(16, 5, 0), "ab", {10, 16}, 13},           // 12.8 rounds up
        {Arial(13, 0, 400), "x", {7, 13}, 10},           // 6.5 rounds up, 10.4 down
        {Arial(0, 0, 400), "ab", {16, 16}, 13},          // height 0 is 16
        {Arial(14, 0, 100), "M\xC3\xBCller", {42, 14}, 11},  // six code points, seven bytes
        {Arial(12, -4, 700), "", {0, 12}, 10},
    };
    for (const Case& c : cases) {
        RecordingDC dc(Size{100, 100});
        dc.SelectFont(c.font);
        EXPECT_EQ(dc.GetTextExtent(c.text), c.extent) << c.text;
        TextMetrics metrics = dc.GetTextMetrics();
        EXPECT_EQ(metrics.height, c.extent.cy);
        EXPECT_EQ(metrics.ascent, c.ascent);
        EXPECT_EQ(metrics.descent, c.extent.cy - c.ascent);
        EXPECT_EQ(metrics.averageCharWidth, RecordingDC::CharWidth(c.font));
    }
}

TEST(RecordingDCMetricsTest, QuarterTurnedFontsSwapTheExtent) {
    RecordingDC dc(Size{100, 100});
    for (int escapement : {900, 2700, -900}) {
        dc.SelectFont(Arial(14, 0, 700, escapement));
        EXPECT_EQ(dc.GetTextExtent("Spiel"), (Size{14, 40})) << escapement;
    }
    dc.SelectFont(Arial(14, 0, 700, 1800));
    EXPECT_EQ(dc.GetTextExtent("Spiel"), (Size{40, 14}));
}

TEST(RecordingDCMetricsTest, AbsurdSizesAreCapped) {
    RecordingDC dc(Size{100, 100});
    dc.SelectFont(Arial(INT_MIN, INT_MIN, 700));
    Size extent = dc.GetTextExtent("abc");
    EXPECT_EQ(extent.cy, 1 << 20);
    EXPECT_EQ(extent.cx, 1 << 20);
}

// Font 12 (Arial 12/0/700): 7 pixels a character, 12 high, ascent 10; "Vh" is 14 x 12.
TEST(RecordingDCTextTest, AlignmentPlacesTheBoxAroundTheReferencePoint) {
    struct Case {
        unsigned align;
        Rect box;
    } cases[] = {
        {TextAlign::Left | TextAlign::Top, {100, 50, 114, 62}},
        {TextAlign::Center | TextAlign::Top, {93, 50, 107, 62}},
        {TextAlign::Right | TextAlign::Top, {86, 50, 100, 62}},
        {TextAlign::Left | TextAlign::Baseline, {100, 40, 114, 52}},
        {TextAlign::Right | TextAlign::Bottom, {86, 38, 100, 50}},
    };
    for (const Case& c : cases) {
        RecordingDC dc(Size{640, 480});
        dc.SelectFont(Arial(12, 0, 700));
        dc.SetTextAlign(c.align);
        dc.TextOut(100, 50, "Vh");
        ASSERT_EQ(dc.Records().size(), 1u);
        const DrawRecord& r = dc.Records()[0];
        EXPECT_EQ(r.bounds, c.box) << c.align;
        EXPECT_EQ(r.points, std::vector<Point>{c.box.TopLeft()});
        EXPECT_FALSE(r.clipped);
    }
}

TEST(RecordingDCTextTest, TextRecordCarriesFontColoursAndMode) {
    RecordingDC dc(Size{640, 480});
    dc.SelectFont(Arial(20, 6, 700));
    dc.SetTextColor(Rgb(192, 192, 192));
    dc.SetBkMode(BkMode::Transparent);
    dc.TextOut(5, 6, "Anna");
    EXPECT_EQ(FormatRecord(dc.Records()[0]),
              "Text \"Anna\" at (5,6) box (5,6)-(33,26) font \"Arial\" 20/6/700 color C0C0C0 transparent");
    dc.SetBkMode(BkMode::Opaque);
    dc.SetBkColor(Color::FromColorRef(0x008000));  // the table's green
    dc.TextOut(5, 6, "Anna");
    EXPECT_EQ(dc.Records()[1].bkColor, Rgb(0, 128, 0));
    EXPECT_EQ(dc.Records()[1].bkMode, BkMode::Opaque);
}

TEST(RecordingDCTextTest, UpdateCPWritesAtAndAdvancesTheCurrentPosition) {
    RecordingDC dc(Size{640, 480});
    dc.SelectFont(Arial(12, 0, 700));
    dc.SetTextAlign(TextAlign::Left | TextAlign::UpdateCP);
    dc.MoveTo(10, 20);
    dc.TextOut(999, 999, "ab");
    dc.TextOut(999, 999, "c");
    EXPECT_EQ(dc.Records()[0].bounds, (Rect{10, 20, 24, 32}));
    EXPECT_EQ(dc.Records()[1].bounds, (Rect{24, 20, 31, 32}));
    EXPECT_EQ(dc.GetCurrentPosition(), (Point{31, 20}));

    // Right-aligned text ends at the position and leaves it at the text's start.
    dc.SetTextAlign(TextAlign::Right | TextAlign::UpdateCP);
    dc.TextOut(0, 0, "ab");
    EXPECT_EQ(dc.Records()[2].bounds, (Rect{17, 20, 31, 32}));
    EXPECT_EQ(dc.GetCurrentPosition(), (Point{17, 20}));
    // Centred text leaves it where it was.
    dc.SetTextAlign(TextAlign::Center | TextAlign::UpdateCP);
    dc.TextOut(0, 0, "ab");
    EXPECT_EQ(dc.GetCurrentPosition(), (Point{17, 20}));
}

TEST(RecordingDCTextTest, VerticalTextRunsUpwardsFromItsReference) {
    RecordingDC dc(Size{640, 480});
    dc.SelectFont(Arial(14, 0, 700, 900));  // font 9 of the score sheet: 8 x 14 per character
    dc.TextOut(20, 100, "Spiel");
    const DrawRecord& r = dc.Records()[0];
    EXPECT_EQ(r.bounds, (Rect{20, 60, 34, 100}));  // 14 wide, 40 high, above the point
    EXPECT_EQ(r.points[0], (Point{20, 100}));
    EXPECT_EQ(r.escapement, 900);
    // Right alignment puts the end of the text at the reference point instead.
    dc.SetTextAlign(TextAlign::Right);
    dc.TextOut(20, 100, "Spiel");
    EXPECT_EQ(dc.Records()[1].bounds, (Rect{20, 100, 34, 140}));
}

// Font 2 (Arial 20/6/700): 7 pixels a character, 20 high.
struct DrawTextCase {
    const char* name;
    const char* text;
    unsigned format;
    std::vector<Rect> boxes;
    int result;
};

TEST(RecordingDCDrawTextTest, LinesLandWhereTheFormatSays) {
    using namespace DrawTextFormat;
    const DrawTextCase cases[] = {
        {"left top", "skat", SingleLine, {{0, 0, 28, 20}}, 20},
        {"centre", "skat", Center | VCenter | SingleLine, {{36, 10, 64, 30}}, 30},
        {"right bottom", "skat", Right | Bottom | SingleLine, {{72, 20, 100, 40}}, 40},
        {"vcenter needs single line", "skat", VCenter, {{0, 0, 28, 20}}, 20},
        {"word break", "eins zwei drei", WordBreak, {{0, 0, 63, 20}, {0, 20, 28, 40}}, 40},
        {"word break centred", "eins zwei drei", WordBreak | Center,
         {{3, 0, 66, 20}, {21, 20, 49, 40}}, 40},
        {"line feeds", "a\r\nbb", Right, {{63, 0, 70, 20}, {56, 20, 70, 40}}, 40},
    };
    for (const DrawTextCase& c : cases) {
        RecordingDC dc(Size{640, 480});
        dc.SelectFont(Arial(20, 6, 700));
        Rect rect{0, 0, (c.format & WordBreak) || !(c.format & SingleLine) ? 70 : 100, 40};
        EXPECT_EQ(dc.DrawText(c.text, rect, c.format), c.result) << c.name;
        std::vector<Rect> boxes;
        for (const DrawRecord& r : dc.Records()) boxes.push_back(r.bounds);
        EXPECT_EQ(boxes, c.boxes) << c.name;
    }
}

TEST(RecordingDCDrawTextTest, CalcRectMeasuresWithoutDrawing) {
    using namespace DrawTextFormat;
    RecordingDC dc(Size{640, 480});
    dc.SelectFont(Arial(20, 6, 700));
    Rect single{10, 10, 500, 10};
    EXPECT_EQ(dc.DrawText("skat", single, CalcRect | SingleLine | Center), 20);
    EXPECT_EQ(single, (Rect{10, 10, 38, 30}));
    Rect wrapped{10, 10, 80, 10};
    EXPECT_EQ(dc.DrawText("eins zwei drei", wrapped, CalcRect | WordBreak), 40);
    EXPECT_EQ(wrapped, (Rect{10, 10, 73, 50}));
    // A word wider than the rectangle widens it.
    Rect narrow{0, 0, 20, 0};
    dc.DrawText("Durchmarsch", narrow, CalcRect | WordBreak);
    EXPECT_EQ(narrow, (Rect{0, 0, 77, 20}));
    Rect empty{5, 5, 50, 50};
    EXPECT_EQ(dc.DrawText("", empty, CalcRect), 0);
    EXPECT_EQ(empty, (Rect{5, 5, 5, 5}));
    EXPECT_TRUE(dc.Records().empty());
}

TEST(RecordingDCDrawTextTest, TextIsClippedToItsRectangleUnlessNoClip) {
    using namespace DrawTextFormat;
    RecordingDC dc(Size{640, 480});
    dc.SelectFont(Arial(20, 6, 700));
    Rect rect{0, 0, 50, 20};
    dc.DrawText("Durchmarsch", rect, SingleLine);
    dc.DrawText("Durchmarsch", rect, SingleLine | NoClip);
    dc.DrawText("Kartenzuordnung", rect, SingleLine | EndEllipsis);
    const auto& r = dc.Records();
    EXPECT_TRUE(r[0].clipped);
    EXPECT_EQ(r[0].visible, (Rect{0, 0, 50, 20}));
    EXPECT_FALSE(r[1].clipped);
    EXPECT_EQ(r[1].bounds, (Rect{0, 0, 77, 20}));
    EXPECT_EQ(r[2].text, "Kart...");
    EXPECT_FALSE(r[2].clipped);
}

TEST(RecordingDCStateTest, SelectingReturnsThePreviousObjectForRestoring) {
    RecordingDC dc(Size{640, 480});
    const LogFont original = dc.CurrentFont();
    const Pen thick{PenStyle::Solid, 3, kBlack};
    const LogFont previousFont = dc.SelectFont(Arial(12, 0, 700));
    const Pen previousPen = dc.SelectPen(thick);
    const Brush previousBrush = dc.SelectBrush(Brush::Null());
    EXPECT_EQ(previousFont, original);
    dc.TextOut(0, 0, "Ko");
    dc.Rectangle(0, 0, 10, 10);
    EXPECT_EQ(dc.Records()[0].font, Arial(12, 0, 700));
    EXPECT_EQ(dc.Records()[1].pen, thick);
    EXPECT_TRUE(dc.Records()[1].brush.null);

    EXPECT_EQ(dc.SelectFont(previousFont), Arial(12, 0, 700));
    EXPECT_EQ(dc.SelectPen(previousPen), thick);
    dc.SelectBrush(previousBrush);
    dc.TextOut(0, 0, "Ko");
    dc.Rectangle(0, 0, 10, 10);
    EXPECT_EQ(dc.Records()[2].font, original);
    EXPECT_EQ(dc.Records()[3].pen, Pen{});
    EXPECT_EQ(dc.Records()[3].brush, Brush{});
}

TEST(RecordingDCStateTest, RestoreDCBringsBackEverySavedAttribute) {
    RecordingDC dc(Size{640, 480});
    dc.SelectFont(Arial(12, 0, 700));
    dc.SetTextColor(kRed);
    const int first = dc.SaveDC();
    EXPECT_EQ(first, 1);

    dc.SelectFont(Arial(20, 6, 700));
    dc.SelectPen({PenStyle::Dot, 1, kBlue});
    dc.SetTextColor(kBlue);
    dc.SetBkMode(BkMode::Transparent);
    dc.SetTextAlign(TextAlign::Center);
    dc.MoveTo(7, 7);
    dc.IntersectClipRect({0, 0, 10, 10});
    dc.SetMapMode(MapMode::Anisotropic);
    dc.SetViewportExt(2, 2);
    dc.SetViewportOrg(5, 5);
    EXPECT_EQ(dc.SaveDC(), 2);

    ASSERT_TRUE(dc.RestoreDC(first));
    EXPECT_EQ(dc.CurrentFont(), Arial(12, 0, 700));
    EXPECT_EQ(dc.CurrentPen(), Pen{});
    EXPECT_EQ(dc.GetTextColor(), kRed);
    EXPECT_EQ(dc.GetBkMode(), BkMode::Opaque);
    EXPECT_EQ(dc.GetTextAlign(), TextAlign::Left | TextAlign::Top);
    EXPECT_EQ(dc.GetCurrentPosition(), (Point{0, 0}));
    EXPECT_EQ(dc.GetMapMode(), MapMode::Text);
    EXPECT_EQ(dc.LPtoDP(Point{3, 4}), (Point{3, 4}));
    EXPECT_EQ(dc.GetClipBox(), (Rect{0, 0, 640, 480}));
    // Restoring level 1 dropped level 2 as well.
    EXPECT_FALSE(dc.RestoreDC(-1));
    EXPECT_FALSE(dc.RestoreDC(2));
}

TEST(RecordingDCStateTest, RestoreDCRefusesLevelsThatDoNotExist) {
    RecordingDC dc(Size{640, 480});
    EXPECT_FALSE(dc.RestoreDC(-1));
    dc.SaveDC();
    dc.SaveDC();
    dc.SetTextColor(kBlue);
    EXPECT_FALSE(dc.RestoreDC(0));
    EXPECT_FALSE(dc.RestoreDC(3));
    EXPECT_FALSE(dc.RestoreDC(-3));
    EXPECT_EQ(dc.GetTextColor(), kBlue);  // a refused restore changes nothing
    EXPECT_TRUE(dc.RestoreDC(-2));
    EXPECT_EQ(dc.GetTextColor(), kBlack);
    EXPECT_FALSE(dc.RestoreDC(1));
}

}  // namespace

// Text on the painter context: the program's faces map to installed fonts, and glyphs land inside
// the extent the context reports, also turned and under a printer mapping.

#include <string>

#include <QFontInfo>

#include <gtest/gtest.h>

#include "platform/qt/PainterDC.h"
#include "platform/qt/PainterDCFont.h"
#include "QtTestImages.h"

namespace {

using platform::Color;
using platform::LogFont;
using platform::PainterDC;
using platform::Rect;

const Color kWhite{255, 255, 255};
const Color kYellow{255, 255, 0};

LogFont Arial(int height, int weight = 400) { return LogFont{"Arial", height, 0, weight}; }

TEST(PainterDCTextTest, ProgramFacesResolveToInstalledLiberationFonts) {
    struct Case {
        const char* face;
        const char* family;
    };
    for (const Case& c : {Case{"Arial", "Liberation Sans"}, Case{"arial", "Liberation Sans"},
                          Case{"Courier New", "Liberation Mono"}, Case{"System", "Liberation Sans"},
                          Case{"", "Liberation Sans"}}) {
        const QFont font = platform::ToQFont(LogFont{c.face, 14});
        EXPECT_EQ(QFontInfo(font).family().toStdString(), c.family) << c.face;
    }
    const QFont attributes = platform::ToQFont({"Arial", -20, 0, 700, true, true});
    EXPECT_EQ(attributes.pixelSize(), 20);
    EXPECT_TRUE(attributes.bold());
    EXPECT_TRUE(attributes.italic());
    EXPECT_TRUE(attributes.underline());
    EXPECT_EQ(platform::ToQFont(LogFont{"Arial", 0}).pixelSize(), 16);
}

TEST(PainterDCTextTest, MetricsFollowHeightWeightWidthAndPitch) {
    QImage image = qttest::Surface(10, 10);
    PainterDC dc(image);
    dc.SelectFont(Arial(20));
    const platform::TextMetrics metrics = dc.GetTextMetrics();
    EXPECT_EQ(metrics.height, metrics.ascent + metrics.descent);
    EXPECT_GE(metrics.height, 20);
    EXPECT_LE(metrics.height, 26);
    const platform::Size normal = dc.GetTextExtent("Kartovan");
    EXPECT_EQ(normal.cy, metrics.height);
    EXPECT_EQ(dc.GetTextExtent("").cx, 0);

    dc.SelectFont(Arial(20, 700));
    EXPECT_GT(dc.GetTextExtent("Kartovan").cx, normal.cx);
    dc.SelectFont(LogFont{"Arial", 20, 20});
    EXPECT_GT(dc.GetTextExtent("Kartovan").cx, normal.cx * 3 / 2) << "a width stretches the font";
    dc.SelectFont(LogFont{"Courier New", 20});
    EXPECT_EQ(dc.GetTextExtent("iiii").cx, dc.GetTextExtent("WWWW").cx);
    dc.SelectFont(LogFont{"Arial", 20, 0, 400, false, false, false, 900});
    const platform::Size turned = dc.GetTextExtent("Kartovan");
    EXPECT_EQ(turned.cx, normal.cy);
    EXPECT_EQ(turned.cy, normal.cx);
}

// Transparent text leaves ink only inside the reported extent; opaque text fills it.
TEST(PainterDCTextTest, TextDrawsInsideItsExtent) {
    QImage image = qttest::Surface(200, 60);
    platform::Size extent;
    {
        PainterDC dc(image);
        dc.SelectFont(Arial(24, 700));
        dc.SetBkMode(platform::BkMode::Transparent);
        dc.TextOut(10, 10, "Skat 18");
        extent = dc.GetTextExtent("Skat 18");
    }
    const Rect ink = qttest::Inked(image, kWhite);
    ASSERT_FALSE(ink.IsEmpty());
    const Rect box{10, 10, 10 + extent.cx, 10 + extent.cy};
    EXPECT_EQ(box.Union(ink), box);
    EXPECT_GT(ink.Width(), extent.cx * 3 / 4);

    QImage opaque = qttest::Surface(200, 60);
    {
        PainterDC dc(opaque);
        dc.SelectFont(Arial(24, 700));
        dc.SetBkColor(kYellow);
        dc.SetTextAlign(platform::TextAlign::Right | platform::TextAlign::Bottom);
        dc.TextOut(190, 50, "Skat 18");
    }
    const Rect cells{190 - extent.cx, 50 - extent.cy, 190, 50};
    EXPECT_EQ(qttest::Inked(opaque, kWhite), cells);
    EXPECT_EQ(qttest::At(opaque, cells.left, cells.top), kYellow);
}

TEST(PainterDCTextTest, TurnedTextRunsUpwardsFromItsOrigin) {
    QImage image = qttest::Surface(60, 200);
    platform::Size extent;
    {
        PainterDC dc(image);
        dc.SelectFont(LogFont{"Arial", 20, 0, 400, false, false, false, 900});
        dc.SetBkMode(platform::BkMode::Transparent);
        dc.TextOut(10, 180, "Kontra");
        extent = dc.GetTextExtent("Kontra");
    }
    // Turned a quarter counter-clockwise: the glyph tops face left, the text climbs from y = 180.
    // Turned glyphs are smoothed at fractional places: one pixel of their edge may spill over.
    Rect box{10, 180 - extent.cy, 10 + extent.cx, 180};
    box.Inflate(1, 1);
    const Rect ink = qttest::Inked(image, kWhite);
    ASSERT_FALSE(ink.IsEmpty());
    EXPECT_EQ(box.Union(ink), box);
    EXPECT_GT(ink.Height(), extent.cy * 3 / 4);
}

TEST(PainterDCTextTest, DrawTextClipsToItsRectangle) {
    QImage image = qttest::Surface(200, 40);
    {
        PainterDC dc(image);
        dc.SelectFont(Arial(20));
        dc.SetBkMode(platform::BkMode::Transparent);
        Rect rect{10, 5, 40, 35};
        dc.DrawText("Grand Hand Schneider", rect, platform::DrawTextFormat::SingleLine);
    }
    const Rect ink = qttest::Inked(image, kWhite);
    ASSERT_FALSE(ink.IsEmpty());
    EXPECT_GE(ink.left, 10);
    EXPECT_LE(ink.right, 40);
}

// Under a printer mapping the text grows with the mapping and still fits the mapped extent.
TEST(PainterDCTextTest, TextScalesWithAPrinterMapping) {
    QImage image = qttest::Surface(400, 120);
    platform::Size extent;
    {
        PainterDC dc(image);
        dc.SetMapMode(platform::MapMode::Anisotropic);
        dc.SetWindowExt(100, 100);
        dc.SetViewportExt(300, 300);
        dc.SelectFont(Arial(10));
        dc.SetBkMode(platform::BkMode::Transparent);
        dc.TextOut(5, 5, "Ramsch");
        extent = dc.GetTextExtent("Ramsch");
    }
    const Rect box{15, 15, 15 + 3 * extent.cx, 15 + 3 * extent.cy};
    const Rect ink = qttest::Inked(image, kWhite);
    ASSERT_FALSE(ink.IsEmpty());
    EXPECT_EQ(box.Union(ink), box);
    EXPECT_GT(ink.Width(), 2 * extent.cx);
    qttest::SaveForViewing(image, "printer-text");
}

// The context keeps the widths it measured, per font: a text measured again after other fonts (more
// of them than it keeps) and after many other texts is as wide as a fresh context measures it, in
// the font selected now, never in the font it was first measured in.
TEST(PainterDCTextTest, AKeptWidthFollowsTheSelectedFont) {
    const LogFont fonts[] = {Arial(12),
                             Arial(24),
                             Arial(24, 700),
                             LogFont{"Courier New", 24},
                             LogFont{"Arial", 24, 30},
                             LogFont{"Times New Roman", 30}};
    const std::string texts[] = {"Grand Hand", "Kontra", "Re"};
    auto freshWidth = [](const LogFont& font, const std::string& text) {
        QImage image = qttest::Surface(10, 10);
        PainterDC fresh(image);
        fresh.SelectFont(font);
        return fresh.GetTextExtent(text).cx;
    };
    QImage image = qttest::Surface(10, 10);
    PainterDC dc(image);
    for (int round = 0; round < 3; ++round) {
        for (const LogFont& font : fonts) {
            dc.SelectFont(font);
            for (const std::string& text : texts)
                EXPECT_EQ(dc.GetTextExtent(text).cx, freshWidth(font, text))
                    << font.face << " " << font.height << " " << text;
        }
        // Many other texts measured in between.
        dc.SelectFont(fonts[0]);
        for (int score = 0; score < 700; ++score) dc.GetTextExtent(std::to_string(score));
    }
    dc.SelectFont(Arial(12));
    const int small = dc.GetTextExtent("Grand Hand").cx;
    dc.SelectFont(Arial(24));
    EXPECT_GT(dc.GetTextExtent("Grand Hand").cx, small * 3 / 2);
    dc.SelectFont(Arial(12));
    EXPECT_EQ(dc.GetTextExtent("Grand Hand").cx, small);
}

}  // namespace

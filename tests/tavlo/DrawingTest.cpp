#include <gtest/gtest.h>

#include "TavloFixture.h"

namespace tavlo_test {
namespace {

// Pictures with real bitmaps, to see that a given picture is blitted instead of a placeholder.
class SolidPictures final : public tavlo::CardPictures {
public:
    platform::Size CardSize(int) const override { return {71, 96}; }
    const platform::Bitmap* Face(int, int card, platform::Size size) override {
        lastFace = card;
        face = platform::Bitmap(size.cx, size.cy, {250, 250, 240});
        return &face;
    }
    const platform::Bitmap* Back(int design, platform::Size size) override {
        back = platform::Bitmap(size.cx, size.cy, {0, 0, static_cast<std::uint8_t>(design)});
        return &back;
    }
    int lastFace = 0;
    platform::Bitmap face;
    platform::Bitmap back;
};

class DrawingTest : public TavloTest {
protected:
    void SetUp() override {
        TavloTest::SetUp();
        table = MakeTable(window);
        WC_NewCardDeck(table);
    }
    TableWindow window;
    HWND table = nullptr;
};

TEST_F(DrawingTest, APlaceholderCardIsAFramedRectangleWithItsCode) {
    WC_ExposeCard(table, 24, 1);
    platform::RecordingDC dc(platform::Size{500, 500});
    ASSERT_EQ(WC_DrawCard(table, 24, 30, 40, &dc), 1);
    const auto fills = dc.RecordsOfKind(platform::DrawKind::Fill);
    const auto frames = dc.RecordsOfKind(platform::DrawKind::Frame);
    const auto texts = dc.RecordsOfKind(platform::DrawKind::Text);
    ASSERT_EQ(fills.size(), 1u);
    ASSERT_EQ(frames.size(), 1u);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(fills[0].bounds, (platform::Rect{30, 40, 101, 136}));
    EXPECT_EQ(frames[0].bounds, (platform::Rect{30, 40, 101, 136}));
    EXPECT_EQ(texts[0].text, "24");
    EXPECT_EQ(fills[0].brush.color, (platform::Color{255, 255, 255}));
}

TEST_F(DrawingTest, APrinterMappingScalesTheCard) {
    platform::RecordingDC printer(platform::Size{2000, 2000});
    printer.SetMapMode(platform::MapMode::Anisotropic);
    printer.SetWindowExt(100, 100);
    printer.SetViewportExt(300, 300);
    WC_DrawCard(table, 5, 10, 10, &printer);
    const auto fills = printer.RecordsOfKind(platform::DrawKind::Fill);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].bounds, (platform::Rect{30, 30, 243, 318}));
}

TEST_F(DrawingTest, AGivenPictureIsBlittedAndHighlightFramesIt) {
    SolidPictures pictures;
    tavlo::SetCardPictures(&pictures);
    WC_ExposeCard(table, 40, 1);
    WC_HighlightCard(table, 40, 1);
    platform::RecordingDC dc(platform::Size{500, 500});
    WC_DrawCard(table, 40, 0, 0, &dc);
    const auto blits = dc.RecordsOfKind(platform::DrawKind::Blit);
    ASSERT_EQ(blits.size(), 1u);
    EXPECT_EQ(blits[0].bounds, (platform::Rect{0, 0, 71, 96}));
    EXPECT_EQ(blits[0].rasterOp, platform::RasterOp::SrcAlpha);
    EXPECT_EQ(pictures.lastFace, 40);
    const auto frames = dc.RecordsOfKind(platform::DrawKind::Frame);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].brush.color, (platform::Color{255, 255, 0}));
    EXPECT_EQ(frames[1].bounds, (platform::Rect{1, 1, 70, 95}));

    dc.ClearRecords();
    WC_HighlightCard(table, 40, 0);
    WC_DrawCard(table, 40, 0, 0, &dc);
    EXPECT_TRUE(dc.RecordsOfKind(platform::DrawKind::Frame).empty());
    tavlo::SetCardPictures(&sizes);
}

// A picture with transparent rounded corners, laid on the green table by the recording host: the
// corner shows the table, a half-covered pixel the mix, the rest the picture.
TEST_F(DrawingTest, ACardsTransparentCornersShowTheTable) {
    class CornerPictures final : public tavlo::CardPictures {
    public:
        platform::Size CardSize(int) const override { return {71, 96}; }
        const platform::Bitmap* Face(int, int, platform::Size size) override {
            face = platform::Bitmap(size.cx, size.cy, {250, 250, 240});
            face.SetAlpha(0, 0, 0);
            face.SetAlpha(1, 0, 128);
            return &face;
        }
        const platform::Bitmap* Back(int, platform::Size) override { return nullptr; }
        platform::Bitmap face;
    } pictures;
    tavlo::SetCardPictures(&pictures);
    WC_ExposeCard(table, 40, 1);
    const platform::Color green{0, 128, 0};
    platform::RecordingDC dc(platform::Bitmap(200, 200, green));
    WC_DrawCard(table, 40, 10, 20, &dc);
    const platform::Bitmap& drawn = *dc.Surface();
    EXPECT_EQ(drawn.GetPixel(10, 20), green);
    EXPECT_EQ(drawn.GetPixel(11, 20), (platform::Color{125, 189, 120}));
    EXPECT_EQ(drawn.GetPixel(12, 20), (platform::Color{250, 250, 240}));
    EXPECT_EQ(drawn.GetPixel(80, 115), (platform::Color{250, 250, 240}));
    EXPECT_EQ(drawn.GetPixel(81, 115), green);
}

TEST_F(DrawingTest, ChangesAreDrawnOnTheWindowInStackingOrder) {
    platform::RecordingDC& surface = Surface(table);
    WC_ExposeCard(table, 1, 1);
    WC_ExposeCard(table, 2, 1);
    WC_DealCard(table, 1, 100, 100);
    WC_DealCard(table, 2, 120, 100);
    surface.ClearRecords();
    // Redealing the lower card draws it and then the card lying over it, clipped to its area.
    WC_RedealCard(table, 1);
    std::vector<std::string> order;
    for (const auto& text : surface.RecordsOfKind(platform::DrawKind::Text)) order.push_back(text.text);
    EXPECT_EQ(order, (std::vector<std::string>{"1", "2"}));
    for (const auto& record : surface.Records()) {
        EXPECT_EQ(record.visible.Intersect({100, 100, 171, 196}), record.visible);
    }
    // Turning a card face down redraws it as a back.
    surface.ClearRecords();
    WC_ExposeCard(table, 2, 0);
    EXPECT_EQ(surface.RecordsOfKind(platform::DrawKind::Text).back().text, "#1");
}

TEST_F(DrawingTest, SamplesAre71By96ForEveryBackAndFace) {
    for (int index : {0, 31, 32, 54, 54 + 32 * 9, 351}) {
        const platform::Bitmap sample = WC_Bitmap(index);
        EXPECT_EQ(sample.Dimensions(), (platform::Size{71, 96})) << index;
    }
    EXPECT_TRUE(WC_Bitmap(-1).IsEmpty());
    EXPECT_TRUE(WC_Bitmap(352).IsEmpty());
    EXPECT_NE(WC_Bitmap(0), WC_Bitmap(1));  // backs differ

    // With pictures, the sample of face design i is a picture card of that deck: the Queen of Hearts.
    SolidPictures pictures;
    tavlo::SetCardPictures(&pictures);
    WC_Bitmap(54 + 32 * 3);
    EXPECT_EQ(pictures.lastFace, 38);
    EXPECT_EQ(WC_Bitmap(7).GetPixel(10, 10), (platform::Color{0, 0, 7}));
    tavlo::SetCardPictures(&sizes);
}

}  // namespace
}  // namespace tavlo_test

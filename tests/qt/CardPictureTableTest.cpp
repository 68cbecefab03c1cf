// A screenshot of the card table: a hand of ten cards in every face design and a row of backs,
// dealt through the card-table library onto a green surface with the painter context, and the
// properties a person would look for in it.

#include <algorithm>
#include <array>
#include <cmath>
#include <set>
#include <vector>

#include <gtest/gtest.h>

#include "platform/qt/CardPictureDesigns.h"
#include "platform/qt/CardPictureStore.h"
#include "platform/qt/PainterDC.h"
#include "platform/qt/QtImage.h"
#include "QtTestImages.h"
#include "tavlo/CardPainter.h"
#include "tavlo/CardPictures.h"

namespace {

using platform::Bitmap;
using platform::CardPictureStore;
using platform::Color;
using platform::Rect;
using platform::Size;

const Color kTable{0, 128, 0};

// The table, or a corner pixel the card's rounded edge barely touches.
bool NearTable(Color c) { return c.red <= 8 && c.blue <= 8 && c.green >= 120 && c.green <= 136; }
// A Skat hand: four Jacks, Ace and Ten of Clubs, Queen of Hearts, King, Nine and Seven of Spades.
constexpr std::array<int, 10> kHand{11, 24, 37, 50, 1, 10, 38, 52, 48, 46};
constexpr std::array<int, 6> kSomeBacks{0, 10, 15, 22, 27, 31};

// Share of pixels in which two equally large bitmaps differ.
double Difference(const Bitmap& a, const Bitmap& b) {
    if (a.Dimensions() != b.Dimensions() || a.IsEmpty()) return 1.0;
    std::size_t differing = 0;
    for (std::size_t i = 0; i < a.Pixels().size(); ++i) differing += a.Pixels()[i] != b.Pixels()[i];
    return double(differing) / double(a.Pixels().size());
}

// Distinct colours and the share of pixels that are not the card's white paper.
struct Ink {
    std::size_t colours = 0;
    double share = 0;
};
Ink InkOf(const Bitmap& bitmap) {
    std::set<std::uint32_t> colours;
    std::size_t inked = 0;
    for (std::uint32_t pixel : bitmap.Pixels()) {
        colours.insert(pixel);
        const Color c = Color::FromPixel(pixel);
        inked += std::min({c.red, c.green, c.blue}) < 230;
    }
    return {colours.size(), double(inked) / double(std::max<std::size_t>(1, bitmap.Pixels().size()))};
}

class CardPictureTableTest : public ::testing::Test {
protected:
    void SetUp() override { tavlo::SetCardPictures(&store_); }
    void TearDown() override { tavlo::SetCardPictures(nullptr); }

    CardPictureStore store_;
};

TEST_F(CardPictureTableTest, HandsInEveryDesignAndBacksOnTheTable) {
    constexpr int kStep = 24, kRowGap = 8, kLeft = 10;
    int height = kRowGap;
    for (int design = 0; design < platform::kFaceDesignCount; ++design) height += store_.CardSize(design).cy + kRowGap;
    height += 96 + kRowGap;
    QImage table = qttest::Surface(kLeft * 2 + kStep * 9 + 80 + 6 * 80, height, kTable);

    std::vector<Rect> topCards;  // the last card of each hand lies open on top
    {
        platform::PainterDC dc(table);
        int y = kRowGap;
        for (int design = 0; design < platform::kFaceDesignCount; ++design) {
            const Size size = store_.CardSize(design);
            for (std::size_t i = 0; i < kHand.size(); ++i) {
                const Rect area{kLeft + kStep * int(i), y, kLeft + kStep * int(i) + size.cx, y + size.cy};
                tavlo::DrawCard(dc, {kHand[i], true, false, design, 0}, area);
                if (i + 1 == kHand.size()) topCards.push_back(area);
            }
            y += size.cy + kRowGap;
        }
        for (std::size_t i = 0; i < kSomeBacks.size(); ++i) {
            const Rect area{kLeft + 80 * int(i), y, kLeft + 80 * int(i) + 71, y + 96};
            tavlo::DrawCard(dc, {1, false, false, 0, kSomeBacks[i]}, area);
        }
    }
    qttest::SaveForViewing(table, "card-table");

    for (int design = 0; design < platform::kFaceDesignCount; ++design) {
        SCOPED_TRACE(design);
        const Rect area = topCards[std::size_t(design)];
        // The top card is the design's picture, pixel for pixel where it is opaque; its rounded
        // corners show the table, and the table shows beside it.
        const Bitmap* picture = store_.Face(design, kHand.back(), {area.Width(), area.Height()});
        ASSERT_NE(picture, nullptr);
        const Bitmap onTable = platform::ToBitmap(table.copy(area.left, area.top, area.Width(), area.Height()));
        int differing = 0;
        for (int y = 0; y < picture->Height(); ++y)
            for (int x = 0; x < picture->Width(); ++x)
                differing += picture->Alpha(x, y) == 255 && onTable.GetPixel(x, y) != picture->GetPixel(x, y);
        EXPECT_EQ(differing, 0);
        EXPECT_TRUE(NearTable(qttest::At(table, area.right - 1, area.top))) << "top right corner";
        EXPECT_TRUE(NearTable(qttest::At(table, area.right - 1, area.bottom - 1))) << "bottom right corner";
        EXPECT_EQ(qttest::At(table, area.right + 2, area.top + 10), kTable);
        EXPECT_NE(qttest::At(table, kLeft + 2, area.top + area.Height() / 2), kTable) << "first card of the hand";
    }
}

// The card table asks for each picture in the device's pixels under the card, at every screen scale
// and zoom: the pictures are drawn pixel for pixel, never a small bitmap blown up, and their rounded
// corners show the table.
TEST_F(CardPictureTableTest, CardsAreDrawnInTheDevicesPixelsAtEveryScaleAndZoom) {
    class AskedSizes final : public tavlo::CardPictures {
    public:
        explicit AskedSizes(CardPictureStore& store) : store_(store) {}
        Size CardSize(int design) const override { return store_.CardSize(design); }
        const Bitmap* Face(int design, int card, Size size) override {
            asked.push_back(size);
            return last = store_.Face(design, card, size);
        }
        const Bitmap* Back(int design, Size size) override {
            asked.push_back(size);
            return last = store_.Back(design, size);
        }
        std::vector<Size> asked;
        const Bitmap* last = nullptr;

    private:
        CardPictureStore& store_;
    } pictures(store_);
    tavlo::SetCardPictures(&pictures);
    struct Case {
        double ratio;
        int zoom;  // percent
        Size device;  // the picture's pixels
    } cases[] = {
        {1.0, 100, {71, 96}}, {1.5, 100, {107, 144}}, {2.0, 100, {142, 192}},
        {1.0, 200, {142, 192}}, {2.0, 200, {284, 384}},
    };
    for (const Case& c : cases) {
      // Design 9 is drawn in code in the classic 71 x 96; design 0 comes from its deck, narrower.
      for (int design : {9, 0}) {
        SCOPED_TRACE(testing::Message() << c.ratio << "x, zoom " << c.zoom << ", design " << design);
        for (bool faceUp : {true, false}) {
            const Size own = store_.CardSize(design);
            const int width = own.cx * c.zoom / 100, height = own.cy * c.zoom / 100;
            const Rect area{10, 10, 10 + width, 10 + height};
            const Size device = design == 9 ? c.device
                                            : Size{static_cast<int>(std::lround(width * c.ratio)),
                                                   static_cast<int>(std::lround(height * c.ratio))};
            QImage surface(QSize(200, 240) * c.ratio, QImage::Format_RGB32);
            surface.setDevicePixelRatio(c.ratio);
            surface.fill(QColor(0, 128, 0));
            pictures.asked.clear();
            {
                platform::PainterDC dc(surface, Size{200, 240});
                tavlo::DrawCard(dc, {kHand[0], faceUp, false, design, 0}, area);
            }
            ASSERT_EQ(pictures.asked.size(), 1u);
            EXPECT_EQ(pictures.asked[0], device);
            ASSERT_NE(pictures.last, nullptr);
            const Bitmap& picture = *pictures.last;
            ASSERT_EQ(picture.Dimensions(), device);
            // Every opaque pixel of the picture is a pixel of the screen.
            const int left = static_cast<int>(std::lround(10 * c.ratio));
            const Bitmap shown = platform::ToBitmap(surface.copy(left, left, device.cx, device.cy));
            int differing = 0;
            for (int y = 0; y < picture.Height(); ++y)
                for (int x = 0; x < picture.Width(); ++x)
                    differing += picture.Alpha(x, y) == 255 && shown.GetPixel(x, y) != picture.GetPixel(x, y);
            EXPECT_EQ(differing, 0) << (faceUp ? "face" : "back");
            // The corner pixel of the drawn card is the table's.
            EXPECT_TRUE(NearTable(qttest::At(surface, left, left))) << (faceUp ? "face" : "back");
            EXPECT_TRUE(NearTable(qttest::At(surface, left + device.cx - 1, left + device.cy - 1)));
        }
      }
    }
}

TEST_F(CardPictureTableTest, CardsKeepTheirDecksProportions) {
    for (int design = 0; design < platform::kFaceDesignCount; ++design) {
        SCOPED_TRACE(design);
        const Size size = store_.CardSize(design);
        EXPECT_EQ(size.cy, CardPictureStore::kCardHeight);
        const double ratio = double(size.cx) / size.cy;
        EXPECT_GT(ratio, 0.6);
        EXPECT_LT(ratio, 0.8);
        for (int card : kHand) {
            const Bitmap* face = store_.Face(design, card, size);
            ASSERT_NE(face, nullptr);
            EXPECT_EQ(face->Dimensions(), size);
            // A face fills its own shape: no black band at the side, just the transparent rounded
            // corner, and paper or the card's edge beside it.
            EXPECT_LE(face->Alpha(0, 0), 32);
            EXPECT_EQ(face->Alpha(size.cx / 2, size.cy / 2), 255);
        }
    }
    // The German deck is narrower than the standard one.
    EXPECT_LT(store_.CardSize(2).cx, store_.CardSize(0).cx);
}

TEST_F(CardPictureTableTest, TenDesignsDifferPairwiseAndNoCardIsBlank) {
    const Size sample{71, 96};
    for (int card : kHand) {
        std::vector<Bitmap> faces;
        for (int design = 0; design < platform::kFaceDesignCount; ++design) {
            const Bitmap* face = store_.Face(design, card, sample);
            ASSERT_NE(face, nullptr);
            const Ink ink = InkOf(*face);
            EXPECT_GT(ink.colours, 8u) << "design " << design << " card " << card;
            EXPECT_GT(ink.share, 0.04) << "design " << design << " card " << card;
            faces.push_back(*face);
        }
        for (std::size_t a = 0; a < faces.size(); ++a) {
            for (std::size_t b = a + 1; b < faces.size(); ++b) {
                EXPECT_GT(Difference(faces[a], faces[b]), 0.1) << "designs " << a << " and " << b << ", card " << card;
            }
        }
    }
}

TEST_F(CardPictureTableTest, ThirtyTwoBacksDifferPairwise) {
    std::vector<Bitmap> backs;
    for (int design = 0; design < platform::kBackDesignCount; ++design) {
        const Bitmap* back = store_.Back(design, {71, 96});
        ASSERT_NE(back, nullptr) << design;
        EXPECT_GT(InkOf(*back).share, 0.3) << design;
        backs.push_back(*back);
    }
    for (std::size_t a = 0; a < backs.size(); ++a) {
        for (std::size_t b = a + 1; b < backs.size(); ++b) {
            EXPECT_GT(Difference(backs[a], backs[b]), 0.1) << "backs " << a << " and " << b;
        }
    }
}

}  // namespace

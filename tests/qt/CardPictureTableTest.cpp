// A screenshot of the card table: a hand of ten cards in every face design and a row of backs,
// dealt through the card-table library onto a green surface with the painter context, and the
// properties a person would look for in it.

#include <algorithm>
#include <array>
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
        // The top card is the design's picture, pixel for pixel, and the table shows beside it.
        const Bitmap* picture = store_.Face(design, kHand.back(), {area.Width(), area.Height()});
        ASSERT_NE(picture, nullptr);
        const Bitmap onTable = platform::ToBitmap(table.copy(area.left, area.top, area.Width(), area.Height()));
        EXPECT_EQ(onTable, *picture);
        EXPECT_EQ(qttest::At(table, area.right + 2, area.top + 10), kTable);
        EXPECT_NE(qttest::At(table, kLeft + 2, area.top + area.Height() / 2), kTable) << "first card of the hand";
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
            // A face fills its own shape: no black band at the side, just the rounded corner.
            EXPECT_NE(face->GetPixel(0, 0), (Color{0, 0, 0}));
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

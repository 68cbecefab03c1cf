// The picture store's contract with the card table: cached pictures, sizes, refusals, four-colour
// tournament faces, dialog samples, and designs drawn in code when the card-data package is missing.

#include <array>
#include <vector>

#include <gtest/gtest.h>

#include "platform/qt/CardPictureDesigns.h"
#include "platform/qt/CardPictureStore.h"
#include "platform/qt/QtImage.h"
#include "QtTestImages.h"

#include <QPainter>
#include "tavlo/CardPainter.h"
#include "tavlo/CardPictures.h"

namespace {

using platform::Bitmap;
using platform::CardPictureStore;
using platform::Color;
using platform::Size;

constexpr int kSevenOfClubs = 7, kEightOfDiamonds = 21, kNineOfHearts = 35, kJackOfClubs = 11;
constexpr int kStandard = 0, kTournamentA = 1, kGerman = 2, kTournamentB = 9;

bool Greenish(Color c) { return c.green > 90 && c.red < 60 && c.blue < 90; }
bool Orange(Color c) { return c.red > 200 && c.green > 100 && c.green < 200 && c.blue < 80; }

int CountPixels(const Bitmap& bitmap, bool (*test)(Color)) {
    int count = 0;
    for (std::uint32_t pixel : bitmap.Pixels()) count += test(Color::FromPixel(pixel));
    return count;
}

TEST(CardPictureStoreTest, PicturesAreRenderedOncePerDesignAndSize) {
    CardPictureStore store;
    const Bitmap* first = store.Face(kStandard, kJackOfClubs, {71, 96});
    ASSERT_NE(first, nullptr);
    const int renders = store.RenderCount();
    EXPECT_EQ(store.Face(kStandard, kJackOfClubs, {71, 96}), first);
    EXPECT_EQ(store.RenderCount(), renders);

    const Bitmap* larger = store.Face(kStandard, kJackOfClubs, {142, 192});
    ASSERT_NE(larger, nullptr);
    EXPECT_EQ(larger->Dimensions(), (Size{142, 192}));
    EXPECT_EQ(store.RenderCount(), renders + 1);
    const Bitmap* back = store.Back(10, {71, 96});
    EXPECT_EQ(store.Back(10, {71, 96}), back);
    EXPECT_EQ(store.RenderCount(), renders + 2);
}

TEST(CardPictureStoreTest, UnknownDesignsCardsAndSizesGiveNoPicture) {
    CardPictureStore store;
    const std::array<std::tuple<int, int, Size>, 7> faces{{
        {-1, 1, {71, 96}}, {10, 1, {71, 96}}, {0, 0, {71, 96}}, {0, 53, {71, 96}},
        {0, 1, {0, 96}}, {0, 1, {71, -5}}, {0, 1, {71, Bitmap::kMaxSide + 1}},
    }};
    for (const auto& [design, card, size] : faces) {
        EXPECT_EQ(store.Face(design, card, size), nullptr) << design << " " << card << " " << size.cx << "x" << size.cy;
    }
    EXPECT_EQ(store.Back(-1, {71, 96}), nullptr);
    EXPECT_EQ(store.Back(32, {71, 96}), nullptr);
    EXPECT_EQ(store.Back(0, {0, 0}), nullptr);
    EXPECT_EQ(store.CardSize(-3), (Size{71, 96}));
}

TEST(CardPictureStoreTest, TournamentDesignsShowFourColours) {
    CardPictureStore store;
    for (int design : {kTournamentA, kTournamentB}) {
        SCOPED_TRACE(design);
        const Size size = store.CardSize(design);
        EXPECT_GT(CountPixels(*store.Face(design, kSevenOfClubs, size), Greenish), 40);
        EXPECT_GT(CountPixels(*store.Face(design, kEightOfDiamonds, size), Orange), 40);
        EXPECT_EQ(CountPixels(*store.Face(design, kNineOfHearts, size), Orange), 0) << "hearts stay red";
    }
    EXPECT_EQ(CountPixels(*store.Face(kStandard, kSevenOfClubs, store.CardSize(kStandard)), Greenish), 0);
    EXPECT_EQ(CountPixels(*store.Face(kStandard, kEightOfDiamonds, store.CardSize(kStandard)), Orange), 0);
}

// The dialogs ask for 71 x 96: a narrower deck shows in its own shape, with black (their mask
// colour) at the sides.
TEST(CardPictureStoreTest, SamplesKeepTheDecksShape) {
    CardPictureStore store;
    tavlo::SetCardPictures(&store);
    const Bitmap german = tavlo::SampleBitmap(32 + 32 * kGerman + 3);
    const Bitmap standard = tavlo::SampleBitmap(32 + 32 * kStandard + 3);
    tavlo::SetCardPictures(nullptr);
    ASSERT_EQ(german.Dimensions(), (Size{71, 96}));
    ASSERT_LT(store.CardSize(kGerman).cx, 68);
    for (int y : {0, 48, 95}) {
        EXPECT_EQ(german.GetPixel(0, y), (Color{0, 0, 0}));
        EXPECT_EQ(german.GetPixel(70, y), (Color{0, 0, 0}));
    }
    EXPECT_NE(german.GetPixel(35, 48), (Color{0, 0, 0}));
    EXPECT_EQ(standard, *store.Face(kStandard, tavlo::CardOfDeckRow(3), {71, 96}));
}

TEST(CardPictureStoreTest, WithoutTheCardDataPackageEveryDesignIsDrawnInCode) {
    CardPictureStore store("/nonexistent/carddecks");
    std::vector<Bitmap> faces, backs;
    QImage sheet = qttest::Surface(10 * 75, 5 * 100, {0, 128, 0});
    for (int design = 0; design < platform::kFaceDesignCount; ++design) {
        EXPECT_FALSE(store.FaceFromDeck(design));
        EXPECT_EQ(store.CardSize(design), (Size{71, 96}));
        const Bitmap* face = store.Face(design, kJackOfClubs, {71, 96});
        ASSERT_NE(face, nullptr);
        faces.push_back(*face);
        QPainter(&sheet).drawImage(design * 75, 0, platform::ToQImage(*face));
    }
    for (int design = 0; design < platform::kBackDesignCount; ++design) {
        EXPECT_FALSE(store.BackFromDeck(design));
        const Bitmap* back = store.Back(design, {71, 96});
        ASSERT_NE(back, nullptr);
        backs.push_back(*back);
        QPainter(&sheet).drawImage((design % 10) * 75, 100 + design / 10 * 100, platform::ToQImage(*back));
    }
    qttest::SaveForViewing(sheet, "drawn-designs");
    for (const std::vector<Bitmap>* set : {&faces, &backs}) {
        for (std::size_t a = 0; a < set->size(); ++a) {
            for (std::size_t b = a + 1; b < set->size(); ++b) EXPECT_NE((*set)[a], (*set)[b]) << a << " and " << b;
        }
    }
}

TEST(CardPictureStoreTest, PackageDecksAreUsedWhereInstalled) {
    CardPictureStore store;
    ASSERT_TRUE(store.FaceFromDeck(kStandard)) << "the card-data package (kdegames-card-data-kf5) is not installed";
    for (int design = 0; design < platform::kFaceDesignCount; ++design) {
        EXPECT_EQ(store.FaceFromDeck(design), design != kTournamentB) << design;
    }
    int fromDecks = 0;
    for (int design = 0; design < platform::kBackDesignCount; ++design) fromDecks += store.BackFromDeck(design);
    EXPECT_EQ(fromDecks, 22);
}

TEST(CardPictureStoreTest, OldPicturesMakeRoomBeyondTheBudget) {
    CardPictureStore store("/nonexistent/carddecks");
    // Backs of 12.8 MB each: five of them do not fit the budget.
    const Size huge{1600, 2000};
    ASSERT_GT(5u * 1600u * 2000u * 4u, CardPictureStore::kCacheBudget);
    const Bitmap* first = store.Back(22, huge);
    ASSERT_NE(first, nullptr);
    const Bitmap keep = *first;
    for (int design = 23; design < 27; ++design) ASSERT_NE(store.Back(design, huge), nullptr);
    const int renders = store.RenderCount();
    const Bitmap* again = store.Back(22, huge);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(store.RenderCount(), renders + 1) << "the oldest picture was dropped";
    EXPECT_EQ(*again, keep);
}

}  // namespace

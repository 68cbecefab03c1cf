// The Qt host's table drawing with real card pictures: a full table at 1280 x 960 repainted through
// the painter context (30 cards in three hands, two balloons, two symbols), and one card picture
// rendered the first time against one taken from the picture cache.

#include <benchmark/benchmark.h>

#include <memory>

#include <QApplication>
#include <QImage>

#include "platform/qt/CardPictureStore.h"
#include "platform/qt/PainterDC.h"
#include "tavlo/Balloons.h"
#include "tavlo/CardPainter.h"
#include "tavlo/CardPictures.h"
#include "tavlo/Symbols.h"

namespace {

constexpr int kWidth = 1280, kHeight = 960;

// Qt's painting needs an application; the benchmarks share one, made by the first that runs.
std::unique_ptr<QApplication> g_application;
void EnsureApplication() {
    if (g_application || QApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "bench_qt_table";
    static char* argv[] = {name, nullptr};
    g_application = std::make_unique<QApplication>(argc, argv);
}

// Three hands of ten: two computers' hands face down and fanned, the person's face up in a row.
struct TableCard {
    tavlo::CardLook look;
    platform::Rect area;
};
std::vector<TableCard> FullTable(platform::CardPictureStore& pictures) {
    std::vector<TableCard> cards;
    const platform::Size size = pictures.CardSize(0);
    int dealt = 0;
    for (int card = 1; card <= 52 && dealt < 30; ++card) {
        if (card % 13 >= 2 && card % 13 <= 6) continue;  // codes that are no card
        const int hand = dealt / 10, slot = dealt % 10;
        platform::Point at{40 + 30 * slot, 120 + 40 * slot};
        if (hand == 1) at = {kWidth - 40 - size.cx - 30 * slot, 120 + 40 * slot};
        if (hand == 2) at = {130 + 100 * slot, kHeight - size.cy - 60};
        cards.push_back({{card, hand == 2, card == 40, 0, 10}, {at.x, at.y, at.x + size.cx, at.y + size.cy}});
        ++dealt;
    }
    return cards;
}

void BM_QtRepaintFullTable(benchmark::State& state) {
    EnsureApplication();
    platform::CardPictureStore pictures;
    tavlo::SetCardPictures(&pictures);
    const std::vector<TableCard> cards = FullTable(pictures);
    QImage surface(kWidth, kHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        platform::PainterDC dc(surface);
        dc.FillRect({0, 0, kWidth, kHeight}, platform::Brush::Solid({0, 128, 0}));
        for (const TableCard& card : cards) tavlo::DrawCard(dc, card.look, card.area);
        tavlo::DrawBalloon(dc, 5, {120, 20}, 20, "reize 18");
        tavlo::DrawBalloon(dc, 6, {900, 20}, 20, "Hast du mehr?");
        tavlo::DrawSymbol(dc, 1, {178, 2});
        tavlo::DrawSymbol(dc, 8, {600, 2});
        dc.Finish();
        benchmark::DoNotOptimize(surface.constBits());
    }
    tavlo::SetCardPictures(nullptr);
}
BENCHMARK(BM_QtRepaintFullTable)->Unit(benchmark::kMillisecond);

// The first picture of a deck: the store reads and parses the deck's SVG file, then renders.
void BM_CardDeckFirstPicture(benchmark::State& state) {
    EnsureApplication();
    for (auto _ : state) {
        platform::CardPictureStore pictures;
        benchmark::DoNotOptimize(pictures.Face(0, 24, pictures.CardSize(0)));
    }
}
BENCHMARK(BM_CardDeckFirstPicture)->Unit(benchmark::kMicrosecond);

// A picture rendered the first time from a deck already read: every round asks for a size not
// asked for before (12000 sizes around the card's own), so the cache never answers.
void BM_CardPictureFirstTime(benchmark::State& state) {
    EnsureApplication();
    platform::CardPictureStore pictures;
    benchmark::DoNotOptimize(pictures.Face(0, 24, pictures.CardSize(0)));
    int round = 0;
    for (auto _ : state) {
        const platform::Size size{60 + round % 100, 80 + (round / 100) % 120};
        ++round;
        benchmark::DoNotOptimize(pictures.Face(0, 24, size));
    }
}
BENCHMARK(BM_CardPictureFirstTime)->Unit(benchmark::kMicrosecond);

// The same picture asked for again: taken from the store's cache.
void BM_CardPictureCached(benchmark::State& state) {
    EnsureApplication();
    platform::CardPictureStore pictures;
    const platform::Size size = pictures.CardSize(0);
    benchmark::DoNotOptimize(pictures.Face(0, 24, size));
    for (auto _ : state) benchmark::DoNotOptimize(pictures.Face(0, 24, size));
}
BENCHMARK(BM_CardPictureCached)->Unit(benchmark::kMicrosecond);

}  // namespace

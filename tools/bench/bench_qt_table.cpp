// The Qt host's table drawing with real card pictures: a full table at 1280 x 960 repainted through
// the painter context (30 cards in three hands, two balloons, two symbols), the same at 1600 x 1200
// on screens scaled once and twice, one card picture rendered the first time against one taken from
// the picture cache, and a whole deck of 32 pictures rendered at twice the card's size.

#include <benchmark/benchmark.h>


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

// Qt's painting needs an application; the benchmarks share one, made by the first that runs. It is
// never ended: at the program's exit Qt's own globals go first, and ending it then would crash.
void EnsureApplication() {
    if (QApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "bench_qt_table";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

// Three hands of ten: two computers' hands face down and fanned, the person's face up in a row.
struct TableCard {
    tavlo::CardLook look;
    platform::Rect area;
};
std::vector<TableCard> FullTable(platform::CardPictureStore& pictures, int width = kWidth, int height = kHeight) {
    std::vector<TableCard> cards;
    const platform::Size size = pictures.CardSize(0);
    int dealt = 0;
    for (int card = 1; card <= 52 && dealt < 30; ++card) {
        if (card % 13 >= 2 && card % 13 <= 6) continue;  // codes that are no card
        const int hand = dealt / 10, slot = dealt % 10;
        platform::Point at{40 + 30 * slot, 120 + 40 * slot};
        if (hand == 1) at = {width - 40 - size.cx - 30 * slot, 120 + 40 * slot};
        if (hand == 2) at = {130 + 100 * slot, height - size.cy - 60};
        cards.push_back({{card, hand == 2, card == 40, 0, 10}, {at.x, at.y, at.x + size.cx, at.y + size.cy}});
        ++dealt;
    }
    return cards;
}

void RepaintFullTable(benchmark::State& state, int width, int height, int ratio) {
    EnsureApplication();
    platform::CardPictureStore pictures;
    tavlo::SetCardPictures(&pictures);
    const std::vector<TableCard> cards = FullTable(pictures, width, height);
    // A window's surface: its pixels are the screen's, `ratio` of them to each of ours.
    QImage surface(width * ratio, height * ratio, QImage::Format_RGB32);
    surface.setDevicePixelRatio(ratio);
    for (auto _ : state) {
        platform::PainterDC dc(surface, platform::Size{width, height});
        dc.FillRect({0, 0, width, height}, platform::Brush::Solid({0, 128, 0}));
        for (const TableCard& card : cards) tavlo::DrawCard(dc, card.look, card.area);
        tavlo::DrawBalloon(dc, 5, {120, 20}, 20, "reize 18");
        tavlo::DrawBalloon(dc, 6, {width - 380, 20}, 20, "Hast du mehr?");
        tavlo::DrawSymbol(dc, 1, {178, 2});
        tavlo::DrawSymbol(dc, 8, {width / 2 - 40, 2});
        dc.Finish();
        benchmark::DoNotOptimize(surface.constBits());
    }
    tavlo::SetCardPictures(nullptr);
}

void BM_QtRepaintFullTable(benchmark::State& state) { RepaintFullTable(state, kWidth, kHeight, 1); }
BENCHMARK(BM_QtRepaintFullTable)->Unit(benchmark::kMillisecond);

// 1600 x 1200 of ours at the screen scale given (1 or 2): the cards' pictures in the screen's pixels.
void BM_QtRepaintFullTable1600(benchmark::State& state) {
    RepaintFullTable(state, 1600, 1200, static_cast<int>(state.range(0)));
}
BENCHMARK(BM_QtRepaintFullTable1600)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// A whole deck (32 faces) at twice the card's size, as a screen scaled twice asks for it: once per
// size, from a deck already read. Every round takes a size not asked for before.
void BM_CardDeck32At2x(benchmark::State& state) {
    EnsureApplication();
    platform::CardPictureStore pictures;
    const platform::Size card = pictures.CardSize(0);
    benchmark::DoNotOptimize(pictures.Face(0, 24, card));
    int round = 0;
    for (auto _ : state) {
        const platform::Size size{2 * card.cx + round % 40, 2 * card.cy + round / 40};
        ++round;
        for (int code = 1; code <= 52; ++code) {
            if (code % 13 >= 2 && code % 13 <= 6) continue;  // codes that are no card
            benchmark::DoNotOptimize(pictures.Face(0, code, size));
        }
    }
}
BENCHMARK(BM_CardDeck32At2x)->Unit(benchmark::kMillisecond);

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

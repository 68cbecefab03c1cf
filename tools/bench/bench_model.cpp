// Speed of the card model's hot paths: valuing a trick, the value of a game, a deal of 32 cards.
#include "model/GameState.h"
#include "tests/support/SkatTestAccess.h"
#include "model/BidLadder.h"
#include "model/CardCodes.h"
#include "model/CardKnowledge.h"
#include "model/GameValue.h"
#include "model/Skat.h"
#include "platform/core/Random.h"
#include "tests/support/WholeDeal.h"
#include "tests/support/BidIndex.h"

#include <benchmark/benchmark.h>

namespace {

void BM_TrickValuation(benchmark::State& state) {
    CSkat game;
    g_Game.Reset();
    g_Knowledge.Reset();
    g_Game.GameType = GAME_HEARTS;
    g_Game.Soloist = 0;
    const int tricks[4][3] = {{CardCodeOf(ACE, CLUBS), CardCodeOf(SEVEN, HEARTS), CardCodeOf(TEN, CLUBS)},
                              {CardCodeOf(JACK, SPADES), CardCodeOf(JACK, CLUBS), CardCodeOf(ACE, HEARTS)},
                              {CardCodeOf(KING, SPADES), CardCodeOf(NINE, SPADES), CardCodeOf(EIGHT, DIAMONDS)},
                              {CardCodeOf(TEN, DIAMONDS), CardCodeOf(QUEEN, HEARTS), CardCodeOf(ACE, DIAMONDS)}};
    int n = 0;
    for (auto _ : state) {
        const int* t = tricks[n++ & 3];
        for (int seat = 0; seat < 3; ++seat) SkatTestAccess::Trick(game).cards[seat] = t[seat];
        g_Game.TrickWinner = g_Game.Forehand = n % 3;
        benchmark::DoNotOptimize(SkatTestAccess::Trick(game).Valuate());
    }
    benchmark::DoNotOptimize(g_Game.PartyPoints[0]);
}
BENCHMARK(BM_TrickValuation);

void BM_GameValue(benchmark::State& state) {
    g_Game.Reset();
    g_Game.Soloist = 1;
    g_Game.BidIndex = testsupport::BidIndexOf(48);
    int type = 0;
    for (auto _ : state) {
        g_Game.GameType = type++ % 7;
        g_Game.PartyPoints[0] = 91;
        g_Game.PartyPoints[1] = 29;
        g_Game.PartyTricks[0] = 7;
        g_Game.PartyTricks[1] = 3;
        int value = 0;
        benchmark::DoNotOptimize(GameValue(-1, value, 2));
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(BM_GameValue);

void BM_DealAllCards(benchmark::State& state) {
    CSkat game;
    g_Game.Reset();
    SeedRand(1);
    for (auto _ : state) {
        testsupport::DealAll(game);
        benchmark::DoNotOptimize(game.Person().cards.data());
    }
}
BENCHMARK(BM_DealAllCards);

}  // namespace

#pragma once
// What the benchmarks of the computer's thinking share: the game and the computer's records as at
// a new game with the random source at a fixed seed, a fresh deal of every card now and then
// outside the timing, and the skat taken into a hand.

#include "computer/evaluation/ComputerState.h"
#include "model/CardKnowledge.h"
#include "model/GameState.h"
#include "model/Skat.h"
#include "platform/core/Random.h"
#include "tests/support/WholeDeal.h"

#include <benchmark/benchmark.h>

namespace bench {

inline void ResetComputer() {
    g_Game.Reset();
    g_Computer = ComputerState{};
    g_Risk = RiskSettings{};
    SeedRand(42);
}

// The cards dealt anew: nothing taken, the card tables empty, every hand and the skat dealt.
inline void Redeal(CSkat& game) {
    ClearDeckTaken();
    ResetCardTables();
    testsupport::DealAll(game);
}

// The first round of the loop and every `every`th after it deal anew and prepare the deal as the
// benchmark needs it, outside the timing.
template <typename Prepare>
void RedealEvery(benchmark::State& state, int every, int& round, CSkat& game, Prepare prepare) {
    if (round++ % every != 0) return;
    state.PauseTiming();
    Redeal(game);
    prepare();
    state.ResumeTiming();
}

// The skat's two cards as the player's eleventh and twelfth.
inline void TakeSkat(CSkat& game, CPlayer& player) {
    player.cards[10] = game.cards[0];
    player.cards[11] = game.cards[1];
}

}  // namespace bench

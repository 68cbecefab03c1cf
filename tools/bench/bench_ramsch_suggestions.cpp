// Speed of the computer's Ramsch lay-away, the Revolution exchange, the person's game suggestion
// and the game-status summary, each over freshly dealt hands.
#include "computer/evaluation/ComputerState.h"
#include "tests/support/SkatTestAccess.h"
#include "computer/evaluation/Discard.h"
#include "computer/evaluation/GameEvaluation.h"
#include "computer/evaluation/GameStatus.h"
#include "computer/evaluation/HandAnalysis.h"
#include "model/CardCodes.h"
#include "model/CardKnowledge.h"
#include "model/GameState.h"
#include "model/Skat.h"
#include "tools/bench/BenchDeals.h"

#include <benchmark/benchmark.h>

// The Ramsch lay-away of a seat that picked up the skat: plan, choose and fall back.
static void BM_PlanDiscardRamsch(benchmark::State& state) {
    bench::ResetComputer();
    CSkat game;
    int round = 0;
    for (auto _ : state) {
        bench::RedealEvery(state, 64, round, game, [&game] {
            CPlayer& player = SkatTestAccess::Player(game, 0);
            bench::TakeSkat(game, player);
            g_Game.GameType = GAME_RAMSCH;
            player.AnalyseHand(1);
        });
        PlanAndChooseDiscard(SkatTestAccess::Player(game, 0), GAME_RAMSCH);
        benchmark::DoNotOptimize(g_Computer.Discard.DiscardResult[0].Index);
    }
}
BENCHMARK(BM_PlanDiscardRamsch);

// The Revolution exchange of the two defenders' pooled cards (seat 2 the soloist).
static void BM_SwapOpponentCards(benchmark::State& state) {
    bench::ResetComputer();
    CSkat game;
    CPlayer pool("", 22, false, 3);
    g_Game.GameType = GAME_REVOLUTION;
    g_Game.Soloist = 2;
    for (auto _ : state) {
        state.PauseTiming();
        bench::Redeal(game);
        for (int seat = 0; seat < 3; ++seat) SkatTestAccess::Player(game, seat).AnalyseHand(0);
        state.ResumeTiming();
        pool.SwapOpponentCards(game, SkatTestAccess::Player(game, 0), SkatTestAccess::Player(game, 1), SkatTestAccess::Player(game, 2));
        benchmark::DoNotOptimize(game.cards[0]);
    }
}
BENCHMARK(BM_SwapOpponentCards);

// The person's game suggestion: nine lay-aways and evaluations of one hand.
static void BM_SuggestGame(benchmark::State& state) {
    bench::ResetComputer();
    CSkat game;
    int round = 0;
    for (auto _ : state) {
        bench::RedealEvery(state, 16, round, game, [&game] { CGameEvaluation(SkatTestAccess::Player(game, 2)).AnalyseAndEvaluate(0); });
        benchmark::DoNotOptimize(SkatTestAccess::Player(game, 2).SuggestGame(2, game));
    }
}
BENCHMARK(BM_SuggestGame);

// The game-status summary of a defender in a Clubs game.
static void BM_AnalyseGameStatus(benchmark::State& state) {
    bench::ResetComputer();
    CSkat game;
    bench::Redeal(game);
    g_Game.GameType = GAME_CLUBS;
    g_Game.TrumpCount = 11;
    g_Game.Soloist = 2;
    StartPlayKnowledge();
    SkatTestAccess::Player(game, 0).AnalyseHand(0);
    GameStatusRecord record{};
    for (auto _ : state) {
        SkatTestAccess::Player(game, 0).AnalyseGameStatus(record);
        benchmark::DoNotOptimize(record.TrumpsOut);
    }
}
BENCHMARK(BM_AnalyseGameStatus);

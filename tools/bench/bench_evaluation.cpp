// Speed of the computer player's thinking after a deal: analysing and evaluating all three hands.
#include "computer/evaluation/BidEvaluation.h"
#include "tests/support/SkatTestAccess.h"
#include "computer/evaluation/ComputerState.h"
#include "computer/evaluation/Discard.h"
#include "computer/evaluation/GameEvaluation.h"
#include "computer/evaluation/HandAnalysis.h"
#include "model/GameState.h"
#include "model/CardCodes.h"
#include "model/CardKnowledge.h"
#include "model/Skat.h"
#include "tools/bench/BenchDeals.h"

#include <benchmark/benchmark.h>

static void BM_AnalyseAndEvaluateThreeHands(benchmark::State& state) {
    bench::ResetComputer();
    CSkat game;
    int round = 0;
    for (auto _ : state) {
        bench::RedealEvery(state, 64, round, game, [] {});
        for (int seat = 0; seat < 3; ++seat)
            benchmark::DoNotOptimize(CGameEvaluation(SkatTestAccess::Player(game, seat)).AnalyseAndEvaluate(0));
    }
}
BENCHMARK(BM_AnalyseAndEvaluateThreeHands);

// Planning a lay-away: the twelve cards analysed with the skat, planned, chosen (Grand and Clubs).
static void BM_PlanLayAway(benchmark::State& state) {
    bench::ResetComputer();
    CSkat game;
    int round = 0;
    for (auto _ : state) {
        bench::RedealEvery(state, 64, round, game, [&game] { bench::TakeSkat(game, SkatTestAccess::Player(game, 0)); });
        CPlayer& player = SkatTestAccess::Player(game, 0);
        for (int type : {GAME_GRAND, GAME_CLUBS}) {
            g_Game.GameType = type;
            player.AnalyseHand(1);
            PlanAndChooseDiscard(player, type);
            benchmark::DoNotOptimize(g_Computer.Discard.DiscardResult[0].Index);
        }
    }
}
BENCHMARK(BM_PlanLayAway);

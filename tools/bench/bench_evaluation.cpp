// Speed of the computer player's thinking after a deal: analysing and evaluating all three hands.
#include "computer/evaluation/BidEvaluation.h"
#include "computer/evaluation/ComputerState.h"
#include "computer/evaluation/Discard.h"
#include "computer/evaluation/GameEvaluation.h"
#include "computer/evaluation/HandAnalysis.h"
#include "model/GameState.h"
#include "model/CardCodes.h"
#include "model/CardKnowledge.h"
#include "model/Skat.h"
#include "platform/core/Random.h"
#include "tests/support/WholeDeal.h"

#include <benchmark/benchmark.h>

static void BM_AnalyseAndEvaluateThreeHands(benchmark::State& state) {
    g_Game.Reset();
    g_Computer = ComputerState{};
    g_Risk = RiskSettings{};
    SeedRand(42);
    CSkat game;
    int deal = 0;
    for (auto _ : state) {
        if (deal++ % 64 == 0) {
            state.PauseTiming();
            ClearDeckTaken();
            ResetCardTables();
            testsupport::DealAll(game);
            state.ResumeTiming();
        }
        for (int seat = 0; seat < 3; ++seat)
            benchmark::DoNotOptimize(CGameEvaluation(*game.Player(seat)).AnalyseAndEvaluate(0));
    }
}
BENCHMARK(BM_AnalyseAndEvaluateThreeHands);

// Planning a lay-away: the twelve cards analysed with the skat, planned, chosen (Grand and Clubs).
static void BM_PlanLayAway(benchmark::State& state) {
    g_Game.Reset();
    g_Computer = ComputerState{};
    SeedRand(42);
    CSkat game;
    int deal = 0;
    for (auto _ : state) {
        if (deal++ % 64 == 0) {
            state.PauseTiming();
            ClearDeckTaken();
            ResetCardTables();
            testsupport::DealAll(game);
            CPlayer& player = *game.Player(0);
            player.cards[10] = game.cards[0];
            player.cards[11] = game.cards[1];
            state.ResumeTiming();
        }
        CPlayer& player = *game.Player(0);
        for (int type : {GAME_GRAND, GAME_CLUBS}) {
            g_Game.GameType = type;
            player.AnalyseHand(1);
            PlanAndChooseDiscard(player, type);
            benchmark::DoNotOptimize(g_Computer.Discard.DiscardResult[0].Index);
        }
    }
}
BENCHMARK(BM_PlanLayAway);

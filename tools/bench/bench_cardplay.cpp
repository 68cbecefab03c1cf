// The computer's card choice: one card per strategy family over seeded mid-game positions (the
// dispatcher in suggestion mode, so the position stays), and whole self-played games by type.

#include "SelfPlayHarness.h"
#include "tests/support/SkatTestAccess.h"

#include "computer/play/CardPlayDispatch.h"
#include "model/CardCodes.h"
#include "model/GameState.h"
#include "model/Skat.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Plays a seeded game until the seat to move uses the strategy, after at least three tricks (a
// Null soloist who takes a trick ends his game, so his lead comes in the first trick).
std::unique_ptr<SelfPlayGame> Reach(int strategy, std::uint32_t firstSeed) {
    int type = GAME_GRAND;
    if (strategy >= NULL_SOLOIST_LEAD && strategy <= NULL_OPPONENT_THIRD) type = GAME_NULL;
    if (strategy >= RAMSCH_LEAD) type = GAME_RAMSCH;
    for (std::uint32_t seed = firstSeed; seed < firstSeed + 2000; ++seed) {
        // The suit games in turn by seed.
        if (strategy <= SUIT_OPPONENT_THIRD) type = static_cast<int>(seed % 4);
        auto game = std::make_unique<SelfPlayGame>();
        SelfPlayOptions options;
        options.seed = seed;
        options.gameType = type;
        options.ouvert = static_cast<int>(seed % 2);
        options.durchmarschSeat = strategy >= DURCHMARSCH_LEAD ? static_cast<int>(seed % 3) : -1;
        if (!game->Start(options)) continue;
        bool alive = true;
        while (alive) {
            game->PrepareNextCard();
            CPlayer& p = SkatTestAccess::Player(game->Game(), game->SeatToPlay());
            const int minTricks = type == GAME_NULL ? 0 : 3;
            if (game->TricksDone() >= minTricks && ChooseStrategy(p, game->Position()).strategy == strategy) return game;
            if (game->TricksDone() >= 8) break;
            alive = game->PlayCard();
        }
    }
    return nullptr;
}

// The label of a strategy's row: the member that plays it.
const char* StrategyName(int strategy) {
    static const char* const kNames[STRATEGY_COUNT] = {
        "PlaySuitSoloistLead", "PlaySuitSoloistSecond", "PlaySuitSoloistThird",
        "PlaySuitOpponentLead", "PlaySuitOpponentSecond", "PlaySuitOpponentThird",
        "PlayNullSoloistLead", "PlayNullSoloistSecond", "PlayNullSoloistThird",
        "PlayNullOpponentLead", "PlayNullOpponentSecond", "PlayNullOpponentThird",
        "PlayGrandSoloistLead", "PlayGrandSoloistSecond", "PlayGrandSoloistThird",
        "PlayGrandOpponentLead", "PlayGrandOpponentSecond", "PlayGrandOpponentThird",
        "PlayRamschLead", "PlayRamschSecond", "PlayRamschThird",
        "PlayDurchmarschLead", "PlayDurchmarschSecond", "PlayDurchmarschThird"};
    return strategy >= 0 && strategy < STRATEGY_COUNT ? kNames[strategy] : "";
}

void BM_CardChoice(benchmark::State& state) {
    const int strategy = static_cast<int>(state.range(0));
    state.SetLabel(StrategyName(strategy));
    std::unique_ptr<SelfPlayGame> game;
    std::uint32_t seed = 1;
    std::int64_t calls = 0;
    for (auto _ : state) {
        // A new seeded position every 512 choices.
        if (calls++ % 512 == 0) {
            state.PauseTiming();
            game = Reach(strategy, seed);
            seed += 7919;
            state.ResumeTiming();
            if (!game) {
                state.SkipWithError("no position found");
                break;
            }
        }
        CPlayer& p = SkatTestAccess::Player(game->Game(), game->SeatToPlay());
        const int forced = p.forcedCard;
        g_Game.RealPlayFlag = 0;
        benchmark::DoNotOptimize(p.ChooseCardForTrick(&SkatTestAccess::Trick(game->Game())));
        g_Game.RealPlayFlag = 1;
        p.forcedCard = forced;
    }
}
BENCHMARK(BM_CardChoice)->DenseRange(GRAND_SOLOIST_LEAD, GRAND_OPPONENT_THIRD)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CardChoice)->DenseRange(NULL_SOLOIST_LEAD, NULL_OPPONENT_THIRD)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CardChoice)->DenseRange(RAMSCH_LEAD, DURCHMARSCH_THIRD)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CardChoice)->DenseRange(SUIT_SOLOIST_LEAD, SUIT_OPPONENT_THIRD)->Unit(benchmark::kMicrosecond);

void BM_WholeGame(benchmark::State& state) {
    const int type = static_cast<int>(state.range(0));
    const int ouvert = static_cast<int>(state.range(1));
    static const char* const kSuits[4] = {"Clubs", "Spades", "Hearts", "Diamonds"};
    state.SetLabel(std::string(type == -2 ? "declared" : type >= 0 && type <= 3 ? kSuits[type] : type == GAME_GRAND ? "Grand"
                               : type == GAME_NULL ? "Null" : type == GAME_REVOLUTION ? "Revolution" : "Ramsch") +
                   (ouvert ? " Ouvert" : ""));
    std::uint32_t seed = 1;
    for (auto _ : state) {
        SelfPlayOptions options;
        options.seed = seed++;
        options.gameType = type;
        options.ouvert = ouvert;
        benchmark::DoNotOptimize(PlaySelfGame(options).tricks);
    }
}
BENCHMARK(BM_WholeGame)
    ->Args({GAME_CLUBS, 0})
    ->Args({GAME_SPADES, 0})
    ->Args({GAME_HEARTS, 0})
    ->Args({GAME_DIAMONDS, 0})
    ->Args({GAME_HEARTS, 1})
    ->Args({GAME_GRAND, 0})
    ->Args({GAME_GRAND, 1})
    ->Args({GAME_NULL, 0})
    ->Args({GAME_NULL, 1})
    ->Args({GAME_REVOLUTION, 1})
    ->Args({GAME_RAMSCH, 0})
    ->Args({-2, 0})
    ->Unit(benchmark::kMicrosecond);

}  // namespace

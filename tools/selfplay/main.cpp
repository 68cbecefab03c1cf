// cardplay-selfplay: plays seeded games computer against computer over the model and checks every
// card (held, allowed, no strategy's card replaced, hands and card memory in agreement).
//
//   cardplay-selfplay [--games N] [--seed S] [--type T|declare] [--ouvert] [--vary] [--trace]
//
// T is a game type 0..7 (6 Grand, 4 Null, 5 Revolution, 7 Ramsch) or "declare": the computers bid
// and declare. --vary varies Hand, Schneider, Schwarz, Kontra, the rule set, the Null Ouvert
// setting, the Durchmarsch aims and the give-up answers from game to game. Prints the number of
// games, the faults, the soloist's wins, the declared mix and the time taken; exit 1 on a fault.

#include "SelfPlayHarness.h"

#include "model/Trace.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

int main(int argc, char** argv) {
    long games = 1000;
    std::uint32_t seed = 1;
    int type = 6;
    int ouvert = 0;
    bool vary = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--games" && hasValue) {
            games = std::strtol(argv[++i], nullptr, 10);
        } else if (arg == "--seed" && hasValue) {
            seed = static_cast<std::uint32_t>(std::strtoul(argv[++i], nullptr, 10));
        } else if (arg == "--type" && hasValue) {
            const std::string value = argv[++i];
            type = value == "declare" ? -2 : static_cast<int>(std::strtol(value.c_str(), nullptr, 10));
        } else if (arg == "--ouvert") {
            ouvert = 1;
        } else if (arg == "--vary") {
            vary = true;
        } else if (arg == "--trace") {
            SetTraceSink({[] { return true; }, [](const std::string& text, unsigned) { std::printf("%s\n", text.c_str()); }});
        } else {
            std::fprintf(stderr, "usage: cardplay-selfplay [--games N] [--seed S] [--type 0..7|declare] [--ouvert] [--vary] [--trace]\n");
            return 2;
        }
    }
    if (games < 1 || (type != -2 && (type < 0 || type > 7))) {
        std::fprintf(stderr, "cardplay-selfplay: the number of games must be positive and the type 0..7 or declare\n");
        return 2;
    }
    long faults = 0, wins = 0, played = 0, gaveUp = 0, faceUp = 0;
    std::map<int, long> mix, mixWins;
    const auto start = std::chrono::steady_clock::now();
    for (long g = 0; g < games; ++g) {
        SelfPlayOptions options;
        options.seed = seed + static_cast<std::uint32_t>(g);
        options.gameType = type;
        options.ouvert = ouvert;
        if (vary) {
            options.hand = g % 2;
            options.schneider = g % 5 == 1;
            options.schwarz = g % 11 == 3;
            options.kontra = g % 3 == 0 ? 2 : 1;
            options.variantMode = g % 4 == 2 ? 1 : 0;
            options.nullOuvertSetting = g % 8 < 4;
            options.abandonAnswer = static_cast<int>(g % 2);
            options.durchmarschSeat = type == 7 && g % 3 == 0 ? static_cast<int>(g % 2) : -1;
        }
        const SelfPlayResult result = PlaySelfGame(options);
        ++played;
        ++mix[result.gameType];
        if (!result.ok) {
            ++faults;
            if (faults <= 10) std::printf("seed %u: %s\n", options.seed, result.fault.c_str());
            continue;
        }
        gaveUp += result.gaveUp ? 1 : 0;
        faceUp += result.faceUp ? 1 : 0;
        if (result.soloistWon) {
            ++wins;
            ++mixWins[result.gameType];
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("games %ld  faults %ld  soloist wins %ld (%.1f%%)  given up %ld  laid face up %ld  time %.2f s\n",
                played, faults, wins, played ? 100.0 * static_cast<double>(wins) / static_cast<double>(played) : 0.0,
                gaveUp, faceUp, seconds);
    for (const auto& [gameType, count] : mix)
        std::printf("  type %d: %ld games, %ld won by the soloist\n", gameType, count, mixWins[gameType]);
    return faults == 0 ? 0 : 1;
}

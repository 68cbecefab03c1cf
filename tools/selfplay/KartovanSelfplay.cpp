// kartovan-selfplay: plays seeded demonstration games of the whole program on the headless host
// and prints games per second and the signature of the game lines (format KGL1, see KGL1.md).
//
//   kartovan-selfplay [--games N] [--seed S] [--rules official|variant|ramsch] [--lines FILE|-]
//   kartovan-selfplay --score FILE|-
//
// Exit 0 when every game ended with legal cards and a sound table; 1 naming the seed of a game
// that stalled, had a card replaced or broke the card invariant; 2 on bad arguments or a lines
// file that cannot be written.
//
// With --score it plays nothing: each game line of FILE is scored as the program scores the game
// at its end (official rules) and written to the standard output with that result; a line that
// cannot be scored gets one error on the standard error and the rest go on (exit 1 then).

#include "DemoMatch.h"
#include "ScoreLine.h"

#include "platform/core/Resources.h"
#include "resources/Editions.h"

#include <cerrno>
#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

int Usage(const char* problem) {
    std::fprintf(stderr, "kartovan-selfplay: %s\n", problem);
    std::fprintf(stderr, "usage: kartovan-selfplay [--games N] [--seed S] [--rules official|variant|ramsch] [--lines FILE|-]\n");
    std::fprintf(stderr, "       kartovan-selfplay --score FILE|-\n");
    return 2;
}

// The scoring command: every line of the file scored, in order.
int ScoreFile(const std::string& path) {
    std::FILE* in = path == "-" ? stdin : std::fopen(path.c_str(), "r");
    if (!in) return Usage(("cannot read the lines file '" + path + "'").c_str());
    platform::SetResources(&EnglishResources());
    long number = 0, failed = 0;
    std::string line;
    bool more = true;
    while (more) {
        const int c = std::fgetc(in);
        if (c != EOF && c != '\n') {
            line += static_cast<char>(c);
            continue;
        }
        more = c != EOF;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (c == EOF && line.empty()) break;
        ++number;
        if (!line.empty()) {
            const ScoredLine scored = ScoreGameLine(line);
            if (scored.error.empty()) {
                std::printf("%s\n", scored.line.c_str());
            } else {
                ++failed;
                std::fprintf(stderr, "kartovan-selfplay: line %ld: %s\n", number, scored.error.c_str());
            }
        }
        line.clear();
    }
    const bool readFailed = std::ferror(in) != 0;
    if (in != stdin) std::fclose(in);
    if (readFailed) return Usage(("cannot read the lines file '" + path + "'").c_str());
    return failed == 0 ? 0 : 1;
}

// A whole decimal number within [low, high]; false otherwise.
bool ParseNumber(const char* text, unsigned long long high, unsigned long long& value) {
    if (!text || !*text || *text == '-' || *text == '+') return false;
    errno = 0;
    char* end = nullptr;
    value = std::strtoull(text, &end, 10);
    return errno == 0 && end && *end == '\0' && value <= high;
}

}  // namespace

int main(int argc, char** argv) {
    DemoMatchOptions options;
    std::string linesPath, scorePath;
    bool playOption = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        unsigned long long number = 0;
        if (arg == "--games") {
            playOption = true;
            if (!ParseNumber(value, 100000000ULL, number) || number == 0) return Usage("--games takes a number from 1 on");
            options.games = static_cast<long>(number);
            ++i;
        } else if (arg == "--seed") {
            playOption = true;
            if (!ParseNumber(value, 0xffffffffULL, number)) return Usage("--seed takes a number 0..4294967295");
            options.seed = number;
            ++i;
        } else if (arg == "--rules") {
            playOption = true;
            const std::string rules = value ? value : "";
            if (rules == "official") options.variantMode = 0;
            else if (rules == "variant") options.variantMode = 1;
            else if (rules == "ramsch") options.variantMode = 2;
            else return Usage("--rules takes official, variant or ramsch");
            ++i;
        } else if (arg == "--lines") {
            playOption = true;
            if (!value || !*value) return Usage("--lines takes a file name or -");
            linesPath = value;
            ++i;
        } else if (arg == "--score") {
            if (!value || !*value) return Usage("--score takes a file name or -");
            scorePath = value;
            ++i;
        } else {
            return Usage(("unknown argument '" + arg + "'").c_str());
        }
    }
    if (!scorePath.empty()) {
        if (playOption) return Usage("--score plays nothing: it takes no other argument");
        return ScoreFile(scorePath);
    }
    std::FILE* lines = nullptr;
    if (linesPath == "-") {
        lines = stdout;
    } else if (!linesPath.empty()) {
        lines = std::fopen(linesPath.c_str(), "w");
        if (!lines) return Usage(("cannot write the lines file '" + linesPath + "'").c_str());
    }
    bool writeFailed = false;
    if (lines)
        options.line = [lines, &writeFailed](const std::string& line) {
            if (std::fprintf(lines, "%s\n", line.c_str()) < 0) writeFailed = true;
        };
    const auto start = std::chrono::steady_clock::now();
    const DemoMatchResult result = PlayDemoMatch(options);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (lines && lines != stdout && std::fclose(lines) != 0) writeFailed = true;
    if (writeFailed) return Usage(("cannot write the lines file '" + linesPath + "'").c_str());
    std::printf("games %ld seconds %.3f games/s %.1f signature %016" PRIx64 " stalls %ld illegal %ld\n", result.games,
                seconds, seconds > 0 ? static_cast<double>(result.games) / seconds : 0.0, result.signature, result.stalls,
                result.illegal);
    if (!result.ok()) {
        std::fprintf(stderr, "kartovan-selfplay: %s (seed %" PRIu64 ")\n", result.fault.c_str(), result.failedSeed);
        return 1;
    }
    return 0;
}

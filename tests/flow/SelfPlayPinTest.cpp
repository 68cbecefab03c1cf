// The self-play signatures, pinned: three demonstration matches of the whole program (official
// rules, variant Skat, the Ramsch-only rule) hash every bid, declaration, card and score. A change
// that plays differently must change the value here in the same commit and say why; a refactoring
// or a speed step must leave all three as they are.
//
// Beside each pinned value, golden/selfplay-<rules>.txt keeps one short line per game (its seed,
// bids, declaration, result and a hash of its whole line), so that a moved signature names the
// first game that plays differently and what in it changed. The lines move only with the pin: a
// failing run writes the new ones beside the test's working folder to be copied over.
#include "DemoMatch.h"

#include "support/ProgramGlobals.h"

#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

struct PinnedMatch {
    const char* name;
    const char* rules;  // as kartovan-selfplay's --rules names them; names the file of game lines
    int variantMode;
    long games;
    std::uint64_t seed;
    std::uint64_t signature;
};

// A failing case names itself, not its bytes.
void PrintTo(const PinnedMatch& c, std::ostream* out) { *out << c.name; }

std::string Hex(std::uint64_t value, int digits = 16) {
    char text[20];
    std::snprintf(text, sizeof text, "%0*" PRIx64, digits, value);
    return text;
}

// The value of the field `key=` of a game line, or "" when the line has none.
std::string Field(const std::string& line, const std::string& key) {
    std::istringstream words(line);
    std::string word;
    while (words >> word)
        if (word.starts_with(key + "=")) return word.substr(key.size() + 1);
    return "";
}

// The kept line of a game: what a reader compares at a glance, and a short hash of the whole
// line for what is too long to keep (the deal, the skat, the cards played).
std::string KeptLine(const std::string& gameLine) {
    return "seed=" + Field(gameLine, "seed") + " bids=" + Field(gameLine, "bids") + " decl=" + Field(gameLine, "decl") +
           " result=" + Field(gameLine, "result") + " line=" + Hex(Fnv1a(0xcbf29ce484222325ULL, gameLine) >> 32, 8);
}

std::string KeptPath(const PinnedMatch& match) {
    return std::string(KARTOVAN_TEST_SOURCE_DIR) + "/flow/golden/selfplay-" + match.rules + ".txt";
}

std::vector<std::string> ReadLines(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream file(path);
    for (std::string line; std::getline(file, line);) lines.push_back(line);
    return lines;
}

// The first game whose kept line differs, with the field that differs, in words; "" when all agree.
std::string FirstDifference(const std::vector<std::string>& kept, const std::vector<std::string>& played) {
    static const std::pair<const char*, const char*> kFields[] = {{"seed", "seed"},
                                                                  {"bids", "bids"},
                                                                  {"decl", "declaration"},
                                                                  {"result", "result (outcome, points, score)"},
                                                                  {"line", "deal, skat or cards played"}};
    for (std::size_t i = 0; i < kept.size() && i < played.size(); ++i) {
        if (kept[i] == played[i]) continue;
        for (const auto& [key, words] : kFields) {
            const std::string was = Field(kept[i], key);
            const std::string now = Field(played[i], key);
            if (was != now)
                return "game " + std::to_string(i + 1) + " (seed " + Field(played[i], "seed") + ") differs in its " +
                       words + ": was " + key + "=" + was + ", now " + key + "=" + now;
        }
        return "game " + std::to_string(i + 1) + " differs: was \"" + kept[i] + "\", now \"" + played[i] + "\"";
    }
    if (kept.size() != played.size())
        return std::to_string(played.size()) + " games played where " + std::to_string(kept.size()) + " are kept";
    return "";
}

class SelfPlayPin : public ::testing::TestWithParam<PinnedMatch> {
protected:
    void SetUp() override { testsupport::ResetProgramGlobals(); }
    void TearDown() override { testsupport::ResetProgramGlobals(); }
};

TEST_P(SelfPlayPin, SignatureIsUnchanged) {
    const PinnedMatch& match = GetParam();
    std::vector<std::string> played;
    DemoMatchOptions options;
    options.games = match.games;
    options.seed = match.seed;
    options.variantMode = match.variantMode;
    options.line = [&played](const std::string& line) { played.push_back(KeptLine(line)); };
    const DemoMatchResult result = PlayDemoMatch(options);
    ASSERT_TRUE(result.ok()) << result.fault << " (seed " << result.failedSeed << ")";
    ASSERT_EQ(result.games, match.games);

    const std::string keptPath = KeptPath(match);
    const std::vector<std::string> kept = ReadLines(keptPath);
    const std::string difference = FirstDifference(kept, played);
    std::string newLines;
    if (!difference.empty() || result.signature != match.signature) {
        newLines = std::filesystem::absolute(std::string("selfplay-") + match.rules + ".txt").string();
        std::ofstream file(newLines);
        for (const std::string& line : played) file << line << '\n';
    }
    EXPECT_EQ(Hex(result.signature), Hex(match.signature))
        << "the " << match.name << " games changed: "
        << (difference.empty() ? "the kept lines agree, so a deal, skat or card differs" : difference)
        << "; if on purpose, pin the new value, copy " << newLines << " over " << keptPath << " and say why";
    EXPECT_EQ(difference, "") << "the lines kept in " << keptPath << " do not match the " << match.name
                              << " games; those played are in " << newLines;
}

// kartovan-selfplay --games 300 --seed 1 --rules official|variant|ramsch prints the same values.
INSTANTIATE_TEST_SUITE_P(Matches, SelfPlayPin,
                         ::testing::Values(PinnedMatch{"Official", "official", 0, 300, 1, 0xc099cd19f544b102ULL},
                                           PinnedMatch{"Variant", "variant", 1, 300, 1, 0xf6a0caf89eba313eULL},
                                           PinnedMatch{"Ramsch", "ramsch", 2, 300, 1, 0x44382c2b59cee6d3ULL}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

// Demonstration games of the whole program: every line checked by the independent line checker,
// the same arguments give the same lines, and no game stalls or plays a replaced card.
#include "DemoMatch.h"
#include "GameLineCheck.h"

#include "platform/FileTestSupport.h"
#include "support/ProgramGlobals.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace {

class DemoMatchTest : public ::testing::Test {
protected:
    void SetUp() override { testsupport::ResetProgramGlobals(); }
    void TearDown() override { testsupport::ResetProgramGlobals(); }

    DemoMatchResult Play(long games, std::uint64_t seed, int variant, std::vector<std::string>* lines) {
        DemoMatchOptions options;
        options.games = games;
        options.seed = seed;
        options.variantMode = variant;
        if (lines) options.line = [lines](const std::string& line) { lines->push_back(line); };
        return PlayDemoMatch(options);
    }
};

TEST_F(DemoMatchTest, GamesOfTheOfficialRulesEndSoundAndTheirLinesHold) {
    std::vector<std::string> lines;
    const DemoMatchResult result = Play(20, 1, 0, &lines);
    EXPECT_TRUE(result.ok()) << result.fault;
    EXPECT_EQ(result.games, static_cast<long>(lines.size()));
    for (const std::string& line : lines) EXPECT_EQ(CheckGameLine(line), "") << line;
}

// The same arguments give the same games: the lines and the signature repeat.
TEST_F(DemoMatchTest, TheSameSeedGivesTheSameLinesAndSignature) {
    std::vector<std::string> first, second;
    const DemoMatchResult a = Play(12, 77, 0, &first);
    testsupport::ResetProgramGlobals();
    const DemoMatchResult b = Play(12, 77, 0, &second);
    EXPECT_EQ(first, second);
    EXPECT_EQ(a.signature, b.signature);
    // The signature is the hash of the lines, each with its line feed.
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const std::string& line : first) hash = Fnv1a(hash, line + "\n");
    EXPECT_EQ(a.signature, hash);
    // Another seed deals other games.
    testsupport::ResetProgramGlobals();
    EXPECT_NE(Play(12, 78, 0, nullptr).signature, a.signature);
}

// Some hundred games under the official rules (the variants' Ramsch waits for the Ramsch flow):
// no stall, no replaced card, no broken invariant, and every line holds by the independent check.
// The run keeps its files in a fresh folder of its own, whatever another user made beforehand
// under the name the run would have had before (a folder anyone may write to, with a planted link
// in it), and leaves no folder behind.
TEST_F(DemoMatchTest, TheRunsFolderIsFreshItsOwnAndGoneAfterIt) {
    testsupport::TempFolder shared;
    testsupport::ScopedEnvironment tmp("TMPDIR", shared.Path());
    const std::string planted = shared.File("kartovan-selfplay-" + std::to_string(::getpid()));
    std::filesystem::create_directories(planted + "/data/kartovan");
    std::filesystem::permissions(planted, std::filesystem::perms::all);
    ASSERT_EQ(::symlink("/etc/hostname", (planted + "/data/kartovan/cards~.skm").c_str()), 0);
    std::string folder;
    struct stat seen {};
    DemoMatchOptions options;
    options.games = 2;
    options.line = [&](const std::string&) {
        if (!folder.empty()) return;
        folder = std::filesystem::path(std::getenv("XDG_DATA_HOME")).parent_path().string();
        ASSERT_EQ(::lstat(folder.c_str(), &seen), 0);
    };
    const DemoMatchResult result = PlayDemoMatch(options);
    EXPECT_TRUE(result.ok()) << result.fault;
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder, planted);
    EXPECT_EQ(std::filesystem::path(folder).parent_path().string(), shared.Path());
    EXPECT_TRUE(S_ISDIR(seen.st_mode));
    EXPECT_EQ(seen.st_mode & 0777, 0700u);
    EXPECT_EQ(seen.st_uid, ::getuid());
    EXPECT_FALSE(std::filesystem::exists(folder));
    // What was there before is as it was.
    EXPECT_TRUE(std::filesystem::is_symlink(planted + "/data/kartovan/cards~.skm"));
    EXPECT_EQ(shared.Entries(),
              (std::map<std::string, bool>{{"kartovan-selfplay-" + std::to_string(::getpid()), true}}));
}

// Where the run's folder cannot be made the run says so and plays nothing.
TEST_F(DemoMatchTest, ARunWithoutAFolderOfItsOwnFailsWithAClearFault) {
    testsupport::TempFolder shared;
    const std::string notAFolder = shared.File("file");
    std::ofstream(notAFolder) << "x";
    testsupport::ScopedEnvironment tmp("TMPDIR", notAFolder);
    DemoMatchOptions options;
    options.games = 1;
    const DemoMatchResult result = PlayDemoMatch(options);
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.games, 0);
    EXPECT_NE(result.fault.find("folder"), std::string::npos) << result.fault;
}

TEST_F(DemoMatchTest, HundredsOfGamesRunSound) {
    std::vector<std::string> lines;
    const DemoMatchResult result = Play(300, 1000, 0, &lines);
    EXPECT_TRUE(result.ok()) << result.fault;
    EXPECT_EQ(result.games, 300);
    long played = 0;
    for (const std::string& line : lines) {
        EXPECT_EQ(CheckGameLine(line), "") << line;
        if (line.find("play=-") == std::string::npos) ++played;
    }
    EXPECT_GT(played, 100);
}

// Variant Skat and the Ramsch-only rule: Ramsch after all passed and in every game of the Ramsch
// rule, Grand Hand offered and played, the skat pushed on, Kontra, giving up; no stall, no
// replaced card, and every line holds by the independent check.
struct RulesCase {
    const char* name;
    int variant;
};

// A failing case names itself, not its bytes.
void PrintTo(const RulesCase& c, std::ostream* out) { *out << c.name; }

class DemoRulesTest : public DemoMatchTest, public ::testing::WithParamInterface<RulesCase> {};

TEST_P(DemoRulesTest, GamesRunSoundAndTheirLinesHold) {
    std::vector<std::string> lines;
    const DemoMatchResult result = Play(120, 500, GetParam().variant, &lines);
    EXPECT_TRUE(result.ok()) << result.fault;
    EXPECT_EQ(result.games, 120);
    long ramsch = 0, pushed = 0, grandHand = 0;
    for (const std::string& line : lines) {
        EXPECT_EQ(CheckGameLine(line), "") << line;
        ramsch += line.find("decl=-:ramsch") != std::string::npos;
        pushed += line.find("decl=-:ramsch,push") != std::string::npos;
        grandHand += line.find(":grand,hand") != std::string::npos;
    }
    EXPECT_GT(ramsch, 0);
    EXPECT_GT(pushed, 0);
    if (GetParam().variant == 2) {
        EXPECT_GT(grandHand, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Rules, DemoRulesTest,
                         ::testing::Values(RulesCase{"Variants", 1}, RulesCase{"RamschOnly", 2}),
                         [](const auto& info) { return std::string(info.param.name); });

// One demonstration game for each game type the official rules reach, found with the game lines
// of a run: each ends sound with the declared game.
struct TypeSeed {
    const char* name;
    std::uint64_t seed;
    const char* declaration;
};

// A failing case names itself, not its bytes.
void PrintTo(const TypeSeed& c, std::ostream* out) { *out << c.name; }

class DemoGameTypes : public DemoMatchTest, public ::testing::WithParamInterface<TypeSeed> {};

TEST_P(DemoGameTypes, EachEndsSound) {
    std::vector<std::string> lines;
    const DemoMatchResult result = Play(1, GetParam().seed, 0, &lines);
    ASSERT_TRUE(result.ok()) << result.fault;
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find(GetParam().declaration), std::string::npos) << lines[0];
    EXPECT_EQ(CheckGameLine(lines[0]), "") << lines[0];
}

INSTANTIATE_TEST_SUITE_P(Types, DemoGameTypes,
                         ::testing::Values(TypeSeed{"Clubs", 4, ":clubs"}, TypeSeed{"Spades", 31, ":spades"},
                                           TypeSeed{"Hearts", 10, ":hearts"}, TypeSeed{"Diamonds", 13, ":diamonds"},
                                           TypeSeed{"Null", 360, ":null"}, TypeSeed{"Grand", 2, ":grand"},
                                           TypeSeed{"AllPassed", 9, "decl=-:passed"}),
                         [](const ::testing::TestParamInfo<TypeSeed>& info) { return std::string(info.param.name); });

// A hundred games of the official rules: soloists sure of the rest lay their cards open, and the
// defenders who meet them offer to give up, in suit games and in Grand alike; outside Null a game
// is given up only after a lay-down.
TEST_F(DemoMatchTest, SoloistsLayDownAndDefendersGiveUpInSuitAndGrandGames) {
    std::vector<std::string> lines;
    const DemoMatchResult result = Play(100, 1, 0, &lines);
    ASSERT_TRUE(result.ok()) << result.fault;
    long layDowns = 0, suitGiveUps = 0, grandGiveUps = 0;
    for (const std::string& line : lines) {
        EXPECT_EQ(CheckGameLine(line), "") << line;
        const std::size_t at = line.find("decl=");
        const std::string decl = line.substr(at, line.find(' ', at) - at);
        const bool faceUp = decl.find(",faceup") != std::string::npos;
        const bool gaveUp = decl.find(",gaveup") != std::string::npos;
        layDowns += faceUp;
        const bool suit = decl.find(":clubs") != std::string::npos || decl.find(":spades") != std::string::npos ||
                          decl.find(":hearts") != std::string::npos || decl.find(":diamonds") != std::string::npos;
        const bool grand = decl.find(":grand") != std::string::npos;
        suitGiveUps += suit && gaveUp;
        grandGiveUps += grand && gaveUp;
        if ((suit || grand) && gaveUp) {
            EXPECT_TRUE(faceUp) << line;
        }
    }
    EXPECT_GT(layDowns, 0);
    EXPECT_GT(suitGiveUps, 0);
    EXPECT_GT(grandGiveUps, 0);
}

// An early lay-down is named once, by the soloist, after a trick and before a give-up; a Null, a
// Revolution and a passed game have none.
TEST(GameLineCheckTest, TheLayDownIsTheSoloistsOnceAndBeforeAGiveUp) {
    const std::string good =
        "KGL1 seed=1 fh=0 deal=CK,CJ,C8,C7,ST,SK,HA,H8,DK,D7|CA,CT,SA,SQ,SJ,S8,HT,H9,DT,DJ|C9,S9,S7,HK,HQ,HJ,H7,DQ,D9,D8|CQ,DA "
        "bids=1b18,0p,1h18,2p decl=1:clubs skat=HT,H9 play=0SK,1SQ,2S9,0ST,1SA,2S7,1CT,2C9,0C8,1SJ,2HJ,0CJ,0H8,1DA,2HK,2D9,"
        "0DK,1DT,1DJ,2D8,0CK,1S8,2DQ,0C7,0D7,1CQ,2HQ,1CA,2H7,0HA result=won,89,24";
    const struct {
        const char* decl;
        const char* play;  // replaces the cards; nullptr keeps them
        const char* answer;
    } cases[] = {
        {"decl=1:clubs,faceup1", nullptr, ""},
        {"decl=1:clubs,faceup1,gaveup0", "play=0SK,1SQ,2S9,0ST", ""},
        {"decl=1:clubs,gaveup0,faceup1", "play=0SK,1SQ,2S9,0ST", "the cards were laid open after the game was given up"},
        {"decl=1:clubs,faceup1,faceup1", nullptr, "the cards were laid open twice"},
        {"decl=1:clubs,faceup0", nullptr, "a defender laid his cards open"},
        {"decl=1:clubs,faceup3", nullptr, "no seat laid its cards open in 'faceup3'"},
        {"decl=1:clubs,faceup", nullptr, "no seat laid its cards open in 'faceup'"},
        {"decl=1:null,faceup1", nullptr, "a Null or Revolution has cards laid open early"},
        {"decl=1:clubs,faceup1,gaveup0", "play=0SK,1SQ", "the cards were laid open before a trick was played"},
        {"decl=-:passed,faceup1", "play=-", "a passed game has cards laid open"},
        {"decl=", nullptr, "the declaration has no seat"},
        {"decl=3:clubs", nullptr, "the declaration names no seat 0 to 2"},
        {"decl=-1:grand", nullptr, "the declaration names no seat 0 to 2"},
    };
    for (const auto& c : cases) {
        std::string line = good;
        line.replace(line.find("decl=1:clubs"), 12, c.decl);
        if (c.play) {
            const std::size_t at = line.find("play=");
            line.replace(at, line.find(' ', at) - at, c.play);
        }
        EXPECT_EQ(CheckGameLine(line), c.answer) << line;
    }
}

// The checker itself refuses what is wrong: a card played twice, a card not followed.
TEST(GameLineCheckTest, RefusesBrokenLines) {
    const std::string good =
        "KGL1 seed=1 fh=0 deal=CK,CJ,C8,C7,ST,SK,HA,H8,DK,D7|CA,CT,SA,SQ,SJ,S8,HT,H9,DT,DJ|C9,S9,S7,HK,HQ,HJ,H7,DQ,D9,D8|CQ,DA "
        "bids=1b18,0p,1h18,2p decl=1:clubs skat=HT,H9 play=0SK,1SQ,2S9,0ST,1SA,2S7,1CT,2C9,0C8,1SJ,2HJ,0CJ,0H8,1DA,2HK,2D9,"
        "0DK,1DT,1DJ,2D8,0CK,1S8,2DQ,0C7,0D7,1CQ,2HQ,1CA,2H7,0HA result=won,89,24";
    EXPECT_EQ(CheckGameLine(good), "");
    std::string wrongPoints = good;
    wrongPoints.replace(wrongPoints.find("won,89"), 6, "won,88");
    EXPECT_NE(CheckGameLine(wrongPoints), "");
    // Seat 2 leads Clubs away from a Spade lead while holding Spades.
    std::string renounce = good;
    renounce.replace(renounce.find("2S9,"), 4, "2C9,");
    EXPECT_NE(CheckGameLine(renounce), "");
    std::string doubleDeal = good;
    doubleDeal.replace(doubleDeal.find("|CQ,DA"), 6, "|CQ,CK");
    EXPECT_NE(CheckGameLine(doubleDeal), "");
}

// In a Revolution the defenders' exchange is not in the line: a defender may play a card dealt to
// his partner, never one of the soloist's.
TEST(GameLineCheckTest, RevolutionDefendersShareTheirCards) {
    const std::string lost =
        "KGL1 seed=4711 fh=2 deal=C8,SQ,S9,S8,HT,HK,HQ,H9,DT,DQ|CT,CK,CJ,C9,C7,ST,S7,H7,DA,DJ|"
        "CQ,SA,SK,SJ,HA,H8,DK,D9,D8,D7|CA,HJ bids=0p,1p,2h18 decl=2:revolution,hand,ouvert skat=CJ,CT "
        "play=2CQ,0C9,1CA,1SQ,2SA,0S9 result=lost,0,-184";
    EXPECT_EQ(CheckGameLine(lost), "");
    std::string soloistsCard = lost;
    soloistsCard.replace(soloistsCard.find("0C9"), 3, "0D9");
    EXPECT_NE(CheckGameLine(soloistsCard), "");
    std::string skatPlayed = lost;
    skatPlayed.replace(skatPlayed.find("0C9"), 3, "0CJ");
    EXPECT_NE(CheckGameLine(skatPlayed), "");
}

}  // namespace

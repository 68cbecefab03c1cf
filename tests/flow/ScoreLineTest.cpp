// The scoring command of kartovan-selfplay: the lines of an official demonstration match, scored
// again without their result, give back every result as the game end scored it; a line the
// program cannot score gets one clear error and leaves the next line unharmed.
#include "DemoMatch.h"
#include "ScoreLine.h"

#include "platform/core/Resources.h"
#include "resources/Editions.h"
#include "support/ProgramGlobals.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class ScoreLineTest : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::ResetProgramGlobals();
        platform::SetResources(&EnglishResources());
    }
    void TearDown() override {
        platform::SetResources(nullptr);
        testsupport::ResetProgramGlobals();
    }
};

// The line without its result field.
std::string WithoutResult(const std::string& line) {
    const std::size_t at = line.find(" result=");
    return at == std::string::npos ? line : line.substr(0, at);
}

// A game won by the soloist (seat 0, forehand, Grand with four and Hand): he leads his four Jacks,
// then his Aces; the defenders follow.
const std::string kGrandHand =
    "KGL1 seed=7 fh=0 deal=CA,CT,CJ,SA,ST,SJ,HA,HJ,DA,DJ|CK,CQ,C9,C8,SK,SQ,S9,S8,HK,HQ|C7,S7,HT,H9,H8,H7,DT,DK,DQ,D9|D8,D7 "
    "bids=1b18,0h18,2p,1p decl=0:grand,hand skat=D8,D7 "
    "play=0CJ,1C8,2C7,0SJ,1S8,2S7,0HJ,1HK,2H7,0DJ,1HQ,2H8,0CA,1C9,2H9,0CT,1CQ,2HT,0SA,1S9,2DT,0ST,1SQ,2DK,0HA,1SK,2DQ,0DA,1CK,2D9";

TEST_F(ScoreLineTest, TheLinesOfAnOfficialMatchScoreAsTheGameEndScoredThem) {
    std::vector<std::string> lines;
    DemoMatchOptions options;
    options.games = 2000;
    options.seed = 1;
    options.variantMode = 0;
    options.line = [&lines](const std::string& line) { lines.push_back(line); };
    const DemoMatchResult result = PlayDemoMatch(options);
    ASSERT_TRUE(result.ok()) << result.fault;
    ASSERT_EQ(lines.size(), 2000u);
    platform::SetResources(&EnglishResources());
    long scored = 0, passed = 0;
    for (const std::string& line : lines) {
        const ScoredLine again = ScoreGameLine(WithoutResult(line));
        EXPECT_EQ(again.error, "") << line;
        EXPECT_EQ(again.line, line);
        scored += again.line == line ? 1 : 0;
        passed += line.find("decl=-:passed") != std::string::npos ? 1 : 0;
    }
    // The match holds played games, not only passed ones.
    EXPECT_GT(scored - passed, 1000);
}

TEST_F(ScoreLineTest, AGameIsScoredFromItsCardsWhateverResultTheLineCarries) {
    std::string open = kGrandHand;
    open.replace(open.find("grand,hand"), 10, "grand,hand,ouvert");
    struct Case {
        const char* name;
        std::string line, result;
    };
    // Every trick and the skat's points are the soloist's: with four, game five, Hand, Schneider,
    // Schwarz: 8 x 24; open, Schneider and Schwarz are announced with it and Ouvert counts: 11 x 24.
    const Case cases[] = {
        {"no result", kGrandHand, "won,120,192"},
        {"a wrong result", kGrandHand + " result=lost,12,-48", "won,120,192"},
        {"open", open, "won,120,264"},
    };
    for (const Case& c : cases) {
        const ScoredLine scored = ScoreGameLine(c.line);
        EXPECT_EQ(scored.error, "") << c.name;
        EXPECT_EQ(scored.line, WithoutResult(c.line) + " result=" + c.result) << c.name;
    }
}

TEST_F(ScoreLineTest, ALineThatCannotBeScoredGetsOneClearError) {
    struct Case {
        const char* name;
        std::string line;
        std::string error;
    };
    auto replace = [](std::string line, const std::string& from, const std::string& to) {
        line.replace(line.find(from), from.size(), to);
        return line;
    };
    const Case cases[] = {
        {"a card twice in the deal", replace(kGrandHand, "|D8,D7 ", "|D8,DA "), "the deal does not hold 32 different cards"},
        {"a short hand", replace(kGrandHand, "CA,CT,CJ,", "CA,CJ,"), "the deal holds no ten cards per hand and two in the skat"},
        {"no card", replace(kGrandHand, "|D8,D7 ", "|D8,X7 "), "the deal: 'X7' is no card"},
        {"an unknown game", replace(kGrandHand, "0:grand", "0:bridge"), "no game 'bridge'"},
        {"an unknown announcement", replace(kGrandHand, "grand,hand", "grand,hand,loud"), "no announcement 'loud'"},
        {"a Ramsch", replace(kGrandHand, "decl=0:grand,hand", "decl=-:ramsch"), "a Ramsch is no game of the official rules"},
        {"out of turn", replace(kGrandHand, "0CJ,1C8,2C7", "0CJ,2C7,1C8"), "card 2C7 played out of turn"},
        {"a card played twice", replace(kGrandHand, "2D9", "2C7"), "card C7 played twice"},
        {"the last trick cut", replace(kGrandHand, ",0DA,1CK,2D9", ",0DA,1CK"), "the last trick is not complete"},
        {"no play field", replace(kGrandHand, " play=", " cards="), "no field play"},
        {"no KGL1 line", replace(kGrandHand, "KGL1 ", "KGL2 "), "no KGL1 line"},
    };
    for (const Case& c : cases) {
        const ScoredLine scored = ScoreGameLine(c.line);
        EXPECT_EQ(scored.error, c.error) << c.name;
        EXPECT_EQ(scored.line, "") << c.name;
        // The next line is scored as if nothing had gone before.
        EXPECT_EQ(ScoreGameLine(kGrandHand).line, kGrandHand + " result=won,120,192") << c.name;
    }
}

}  // namespace

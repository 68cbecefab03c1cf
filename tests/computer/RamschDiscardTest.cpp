// The Ramsch lay-away planner on fixed twelve-card hands (what it proposes and where the planning
// ends), its coin flips under a scripted random source, the Jack-holding test, and over many
// seeded hands that it never proposes a Jack and the choice always finds two held cards.

#include "ComputerTestSupport.h"

#include "computer/evaluation/Discard.h"
#include "computer/evaluation/DiscardLists.h"
#include "computer/evaluation/DiscardPlanner.h"
#include "computer/evaluation/HandAnalysis.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

class RamschDiscardTest : public ComputerTest {
protected:
    // Twelve cards written as in ParseCards: the first ten in the hand, the last two in the skat
    // slots; the seat's Ramsch hand analysed with the skat.
    void Prepare(const char* twelve, int forehand) {
        const auto cards = ParseCards(twelve);
        ASSERT_EQ(cards.size(), 12u);
        GiveCards(seat0, {cards[0], cards[1], cards[2], cards[3], cards[4], cards[5], cards[6], cards[7], cards[8],
                          cards[9]});
        GiveSkat(seat0, cards[10], cards[11]);
        g_Game.GameType = GAME_RAMSCH;
        g_Game.TrumpCount = 4;
        g_Game.Soloist = NO_SEAT;
        g_Game.Forehand = forehand;
        seat0.AnalyseHand(1);
        g_Computer.Discard.ClearCounts();
    }
    std::string Single(const DiscardEntry& e) const { return CardName(seat0.cards[e.Index]) + "/" + std::to_string(e.Score); }
    // The six lists as text, e.g. "S1[SK/4] P2[CA/6+CT/5]"; empty lists are left out.
    std::string Lists() const {
        const auto& b = g_Computer.Discard;
        std::string text;
        auto singles = [&](const char* name, const DiscardEntry* list, int n) {
            if (n == 0) return;
            if (!text.empty()) text += ' ';
            text += name;
            text += '[';
            for (int k = 0; k < n; ++k) {
                if (k) text += ' ';
                text += Single(list[k]);
            }
            text += "]";
        };
        auto pairs = [&](const char* name, const DiscardPair* list, int n) {
            if (n == 0) return;
            if (!text.empty()) text += ' ';
            text += name;
            text += '[';
            for (int k = 0; k < n; ++k) {
                if (k) text += ' ';
                text += Single(list[k].First);
                text += '+';
                text += Single(list[k].Second);
            }
            text += "]";
        };
        singles("S1", b.Singles1, b.Singles1Count);
        singles("S2", b.Singles2, b.Singles2Count);
        singles("S3", b.Singles3, b.Singles3Count);
        pairs("P1", b.Pairs1, b.Pairs1Count);
        pairs("P2", b.Pairs2, b.Pairs2Count);
        pairs("P3", b.Pairs3, b.Pairs3Count);
        return text;
    }
};

struct PlanCase {
    const char* name;
    const char* cards;  // ten hand cards, then the two skat cards
    int forehand;       // the seat that leads the first trick (the player is seat 0)
    const char* lists;  // what the planning leaves
};

// A failing case names itself, not its bytes.
void PrintTo(const PlanCase& c, std::ostream* out) { *out << c.name; }

class RamschPlanTable : public RamschDiscardTest, public ::testing::WithParamInterface<PlanCase> {};

TEST_P(RamschPlanTable, LeavesTheseCandidates) {
    const PlanCase& c = GetParam();
    Prepare(c.cards, c.forehand);
    CDiscardPlanner(seat0).PlanDiscard(GAME_RAMSCH);
    EXPECT_EQ(Lists(), c.lists) << c.name;
    EXPECT_EQ(g_Knowledge.DiscardBusy, 0);
    EXPECT_EQ(g_Computer.Discard.ChosenCount, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Hands, RamschPlanTable,
    ::testing::Values(
        // Leading: blanks King and Nine with Clubs A 10 Q: the Ace beats the lower blank, and
        // with the Ten behind it Ace and Ten go as one pair; the planning ends there.
        PlanCase{"AceTenPairEndsThePlanning", "SK H9 CA CT CQ D7 D8 D9 DT DQ DK DA", 0, "P2[CA/6+CT/5]"},
        // Not leading: a blank Queen stays before a King-Nine doubleton (the Nine scores lower).
        PlanCase{"BlankQueenBeforeLowDoubleton", "SQ HK H9 C7 C8 C9 CQ CK D7 D8 DJ HJ", 2, "S1[SQ/3] P1[HK/4+H9/2]"},
        // Not leading with two blanks: no doubleton is proposed.
        PlanCase{"TwoBlanksNoDoubleton", "SK H9 DQ D8 C7 C8 C9 CT CA CJ SJ HJ", 2, "S1[SK/4 H9/2]"},
        // The same hand leading: the doubleton Queen-Eight joins the blanks.
        PlanCase{"TwoBlanksWithDoubletonWhenLeading", "SK H9 DQ D8 C7 C8 C9 CT CA CJ SJ HJ", 0,
                 "S1[SK/4 H9/2] P1[DQ/3+D8/1]"},
        // Three-card suits with the Seven: 7 9 A scores the Ace 7, 7 Q A scores it 8, 7 9 K nothing.
        PlanCase{"ThreeCardSuitsWithTheSeven", "S7 S9 SA H7 HQ HA D7 D9 DK C7 C8 CJ", 2, "S3[SA/7 HA/8]"},
        // A low doubleton gives way to Ace and Ten of a five-card suit without the Seven ...
        PlanCase{"FiveCardAceTenTakesOverALowDoubleton", "SK S9 CA CT C9 C8 CQ H7 H8 H9 HQ D7", 2, "P2[CA/6+CT/5]"},
        // ... but a five-card suit that holds the Seven is passed by.
        PlanCase{"FiveCardSuitWithTheSevenIsPassedBy", "SK S9 CA CT C9 C8 C7 H7 H8 H9 HQ D7", 2, "P1[SK/4+S9/2]"}));

// Stage 4's pair split: two pairs Ten-Queen; the second takes the first's place on an odd draw.
TEST_F(RamschDiscardTest, PairSplitTakesTheLaterPairOnAnOddDraw) {
    struct Draw {
        int value;
        const char* lists;
    };
    for (const Draw& d : {Draw{0, "S3[ST/5 HT/5]"}, Draw{1, "S3[HT/5 ST/5]"}, Draw{32766, "S3[ST/5 HT/5]"}}) {
        Prepare("ST SQ S9 HT HQ H8 C7 C8 C9 CQ D7 DJ", 2);
        platform::Random().ClearScript();
        platform::Random().Script({d.value});
        const auto before = platform::Random().DrawCount();
        CDiscardPlanner(seat0).PlanDiscard(GAME_RAMSCH);
        EXPECT_EQ(Lists(), d.lists) << d.value;
        EXPECT_EQ(platform::Random().DrawCount() - before, 1u) << d.value;
    }
}

// Stage 7: of two equal third-list Aces the later goes on an odd draw, the earlier on an even one.
TEST_F(RamschDiscardTest, TooManyCandidatesDropsTheLaterEqualSingleOnAnOddDraw) {
    struct Draw {
        int value;
        const char* lists;
    };
    for (const Draw& d : {Draw{0, "S2[HA/6] S3[DA/6]"}, Draw{1, "S2[HA/6] S3[SA/6]"}}) {
        Prepare("HA H9 SA SK SQ DA DK DQ C7 C8 C9 CT", 0);
        platform::Random().ClearScript();
        platform::Random().Script({d.value});
        CDiscardPlanner(seat0).PlanDiscard(GAME_RAMSCH);
        EXPECT_EQ(Lists(), d.lists) << d.value;
    }
}

TEST_F(RamschDiscardTest, JackHoldingByTheJacksHeld) {
    struct Case {
        const char* jacks;
        bool strong;
    };
    const Case cases[] = {
        {"", false},           {"DJ", false},         {"SJ", true},          {"HJ DJ", false},      {"SJ DJ", true},
        {"CJ HJ", true},       {"SJ HJ DJ", true},    {"CJ SJ DJ", false},   {"CJ SJ HJ DJ", true},
    };
    for (const Case& c : cases) {
        std::string twelve = c.jacks;
        const char* fill[] = {"C7", "C8", "C9", "CQ", "CK", "S7", "S8", "S9", "SQ", "SK", "H7", "H8"};
        for (int k = 0; ParseCards(twelve.c_str()).size() < 12; ++k) twelve += std::string(" ") + fill[k];
        Prepare(twelve.c_str(), 0);
        EXPECT_EQ(CDiscardPlanner(seat0).CheckJackHolding(), c.strong) << c.jacks;
    }
}

TEST_F(RamschDiscardTest, PairCandidateTakesTheTwoHighestThatPass) {
    Prepare("SK S9 S7 HA HT C7 C8 C9 CQ D7 D8 DJ", 0);
    DiscardPair pairs[4];
    int count = 0;
    CDiscardPlanner(seat0).AddPairCandidate(1, seat0.handInfo.RankTable[SPADES], RankFilterAll, pairs, count);
    ASSERT_EQ(count, 1);
    EXPECT_EQ(Single(pairs[0].First) + "+" + Single(pairs[0].Second), "SK/4+S9/2");
    // A suit with one card (the Jack is never walked) adds nothing.
    Prepare("SA S9 S7 H7 HT C7 C8 C9 CQ CK D7 DJ", 0);
    count = 0;
    CDiscardPlanner(seat0).AddPairCandidate(1, seat0.handInfo.RankTable[DIAMONDS], RankFilterAll, pairs, count);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(RankFilterAll(seat0.handInfo.RankTable[HEARTS], TEN), seat0.FindCard(C(TEN, HEARTS)));
    EXPECT_EQ(RankFilterAll(seat0.handInfo.RankTable[HEARTS], ACE), -1);
}

// Over many seeded hands, for each seat as forehand and not: no Jack and no fifth entry in any
// list, and the choice with its fallback lays away two distinct held cards that are not Jacks.
TEST_F(RamschDiscardTest, SeededHandsNeverProposeAJackAndAlwaysChooseTwoCards) {
    for (int seed = 1; seed <= 400; ++seed) {
        SeedRand(static_cast<std::uint32_t>(seed));
        std::vector<int> deck;
        for (int s = 0; s < 4; ++s)
            for (int r = 0; r < 8; ++r) deck.push_back(C(r, s));
        for (int i = 31; i > 0; --i) std::swap(deck[static_cast<std::size_t>(i)], deck[static_cast<std::size_t>(Rand() % (i + 1))]);
        std::string twelve;
        for (int k = 0; k < 12; ++k) twelve += CardName(deck[static_cast<std::size_t>(k)]) + " ";
        for (int forehand : {0, 1, 2}) {
            Prepare(twelve.c_str(), forehand);
            CDiscardPlanner(seat0).PlanDiscard(GAME_RAMSCH);
            const auto& b = g_Computer.Discard;
            const int counts[] = {b.Singles1Count, b.Singles2Count, b.Singles3Count, b.Pairs1Count, b.Pairs2Count, b.Pairs3Count};
            for (int n : counts) ASSERT_LE(n, 4) << twelve;
            std::vector<int> indexes;
            for (int k = 0; k < b.Singles1Count; ++k) indexes.push_back(b.Singles1[k].Index);
            for (int k = 0; k < b.Singles2Count; ++k) indexes.push_back(b.Singles2[k].Index);
            for (int k = 0; k < b.Singles3Count; ++k) indexes.push_back(b.Singles3[k].Index);
            for (const auto& [list, n] : {std::pair{b.Pairs1, b.Pairs1Count}, std::pair{b.Pairs2, b.Pairs2Count},
                                          std::pair{b.Pairs3, b.Pairs3Count}})
                for (int k = 0; k < n; ++k) {
                    indexes.push_back(list[k].First.Index);
                    indexes.push_back(list[k].Second.Index);
                }
            for (int index : indexes) {
                ASSERT_GE(index, 0) << twelve;
                ASSERT_LE(index, 11) << twelve;
                ASSERT_NE(GetCardRank(seat0.cards[index]), JACK) << twelve << " forehand " << forehand;
            }
            PlanAndChooseDiscard(seat0, GAME_RAMSCH);
            ASSERT_EQ(b.ChosenCount, 2) << twelve;
            const int i1 = b.DiscardResult[0].Index, i2 = b.DiscardResult[1].Index;
            ASSERT_NE(i1, i2) << twelve;
            for (int index : {i1, i2}) {
                ASSERT_GE(index, 0) << twelve;
                ASSERT_LE(index, 11) << twelve;
                EXPECT_NE(GetCardRank(seat0.cards[index]), JACK) << twelve << " forehand " << forehand;
            }
        }
    }
}

}  // namespace

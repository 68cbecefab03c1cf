// The lay-away fallback builders: what each adds to the candidate lists for characteristic
// suits, starting from nothing settled or from one card already laid away.

#include "ComputerTestSupport.h"

#include "computer/evaluation/Discard.h"
#include "computer/evaluation/DiscardPlanner.h"

#include <string>
#include <vector>

namespace {

struct FallbackCase {
    const char* why;
    int type;
    const char* cards;    // twelve cards, the last two in the skat slots
    const char* settled;  // the first card already laid away, "" when none
    const char* lists;    // the non-empty lists after the builder
};

class DiscardFallbackTest : public ComputerTest {
protected:
    // Analyses the twelve cards for the game type and settles the first card when one is named.
    void Prepare(const FallbackCase& c) {
        SetUp();
        const std::vector<int> cards = ParseCards(c.cards);
        ASSERT_EQ(cards.size(), 12u) << c.cards;
        for (auto& card : seat0.cards) card = NO_CARD;
        for (int i = 0; i < 12; ++i) seat0.cards[i] = cards[i];
        for (int i = 0; i < 10; ++i) seat0.present[i] = 1;
        seat0.count = 10;
        g_Game.GameType = c.type;
        seat0.AnalyseHand(1);
        DiscardPlannerBlock& b = g_Computer.Discard;
        b.ClearCounts();
        const std::vector<int> settled = ParseCards(c.settled);
        if (!settled.empty()) {
            for (int i = 0; i < 12; ++i)
                if (cards[i] == settled[0]) b.DiscardResult[0] = {i, 9};
            b.ChosenCount = 1;
        }
    }
    void Append(std::string& text, DiscardEntry e) const {
        text += CardName(seat0.cards[e.Index]);
        text += ':';
        text += std::to_string(e.Score);
    }
    // "S3[HK:4] P2[SA:6+ST:5]": every non-empty list with its cards and scores.
    std::string Lists() const {
        const DiscardPlannerBlock& b = g_Computer.Discard;
        std::string text;
        auto open = [&](const char* name) {
            if (!text.empty()) text += ' ';
            text += name;
            text += '[';
        };
        auto singles = [&](const char* name, const DiscardEntry* list, int n) {
            if (n == 0) return;
            open(name);
            for (int i = 0; i < n; ++i) {
                if (i) text += ' ';
                Append(text, list[i]);
            }
            text += ']';
        };
        auto pairs = [&](const char* name, const DiscardPair* list, int n) {
            if (n == 0) return;
            open(name);
            for (int i = 0; i < n; ++i) {
                if (i) text += ' ';
                Append(text, list[i].First);
                text += '+';
                Append(text, list[i].Second);
            }
            text += ']';
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

TEST_F(DiscardFallbackTest, SuitAndGrandBuilder) {
    const FallbackCase cases[] = {
        // Rules 1 to 4, one entry per side suit.
        {"Ace-Ten-King in a suit game: Ace and Ten", GAME_CLUBS,
         "CJ SJ HJ DJ CA CT CK CQ SA ST SK S7", "", "P2[SA:6+ST:5]"},
        {"Ace-Ten-King in Grand: kept back for rule 6", GAME_GRAND,
         "CJ SJ HJ DJ CA CT CK CQ C9 SA ST SK", "", "P2[SA:6+ST:5]"},
        {"four with Ace and Ten: the two below them", GAME_CLUBS,
         "CJ SJ HJ DJ CA CT CK CQ HA HT H9 H8", "", "P2[H9:0+H8:1]"},
        {"... with one card settled: the higher of them", GAME_CLUBS,
         "CJ SJ HJ DJ CA CT CK CQ HA HT H9 H8", "CQ", "S3[H9:0]"},
        {"... in Grand with the King: the lower", GAME_GRAND,
         "CJ SJ HJ DJ CA CT CK CQ HA HT HK H8", "CQ", "S3[H8:1]"},
        {"Ace-King-x, nothing settled: the two below the Ace", GAME_CLUBS,
         "CJ SJ HJ DJ CA CT CK CQ C9 SA SK S8", "", "P2[SK:4+S8:1]"},
        {"Ace-King-x, one settled: the King", GAME_CLUBS,
         "CJ SJ HJ DJ CA CT CK CQ C9 SA SK S8", "C9", "S3[SK:4]"},
        {"Ace-King-Queen-x, one settled: the King", GAME_CLUBS,
         "CJ SJ HJ DJ CA CT CK C9 SA SK SQ S7", "C9", "S3[SK:3]"},
        {"Ace-King-x-x, one settled: the lowest", GAME_CLUBS,
         "CJ SJ HJ DJ CA CT CK C9 SA SK S9 S7", "C9", "S3[S7:7]"},
        {"a long Ace without Ten and King", GAME_CLUBS,
         "CJ SJ HJ DJ CA CT CK CQ SA SQ S9 S8", "", "P2[SQ:3+S9:0]"},
        {"Ten-King-Queen without the Ace", GAME_CLUBS,
         "CJ SJ HJ DJ CA CT CK CQ ST SK SQ S7", "", "P2[ST:5+SK:4]"},
        // Rule 5: one card settled, one more from the longest suit.
        {"a run from the Seven: its top", GAME_CLUBS,
         "CJ SJ HJ DJ CA CT CK CQ H7 H8 H9 HK", "CQ", "S3[H9:0]"},
        {"the run stops at the settled card", GAME_CLUBS,
         "CJ SJ HJ DJ CA CT CK CQ C9 H7 H8 H9", "H8", "S3[H7:0]"},
        // Rules 7 to 9: nothing settled, nothing above.
        {"Ten-King-x without the Ace", GAME_CLUBS,
         "CJ SJ HJ DJ CA CT CK CQ C9 ST SK S8", "", "P2[ST:5+SK:4]"},
        {"Grand with two Jacks: a four-card suit without the Ace", GAME_GRAND,
         "CJ SJ CA CT C9 C8 C7 SA HK HQ H9 H8", "", "P2[HK:4+HQ:3]"},
        {"the longest suit's two lowest, the Queen with the Nine", GAME_CLUBS,
         "CJ SJ HJ DJ CA CT CK CQ C8 HQ H9 H7", "", "P2[H7:0+HQ:3]"},
        // Rule 9's last step: nothing but trumps besides the settled card.
        {"the settled card and the lowest plain trump", GAME_CLUBS,
         "CJ SJ HJ DJ CA CT CK CQ C9 C8 C7 S7", "S7", "S1[S7:9 C7:0]"},
    };
    for (const FallbackCase& c : cases) {
        Prepare(c);
        CDiscardPlanner(seat0).BuildDiscardCandidatesSuit(c.type == GAME_GRAND ? GAME_GRAND : c.type);
        EXPECT_EQ(Lists(), c.lists) << c.why;
    }
}

TEST_F(DiscardFallbackTest, ASingleThatIsPartOfTheOnlyPairGoes) {
    // One card settled and a planner single (the Queen) that the long Ace suit's pair repeats.
    const FallbackCase c = {"rule 10", GAME_CLUBS, "CJ SJ HJ DJ CA CT CK CQ SA SQ S9 S8", "CQ", ""};
    Prepare(c);
    DiscardPlannerBlock& b = g_Computer.Discard;
    b.Singles3[0] = {9, 3};  // the Queen of Spades
    b.Singles3Count = 1;
    CDiscardPlanner(seat0).BuildDiscardCandidatesSuit(GAME_CLUBS);
    EXPECT_EQ(Lists(), "P2[SQ:3+S9:0]");
}

TEST_F(DiscardFallbackTest, DurchmarschBuilder) {
    const FallbackCase cases[] = {
        {"blanks without the Ace, the Ace blank kept", GAME_DURCHMARSCH,
         "CJ SJ CA CT CK CQ C9 C8 S9 HT DA D7", "", "S1[S9:5 HT:2]"},
        {"the settled blank is not repeated", GAME_DURCHMARSCH,
         "CJ SJ CA CT CK CQ C9 C8 C7 S9 HA HK", "S9", "S3[HK:3]"},
        {"four without Ace and Ten, three with the Ten", GAME_DURCHMARSCH,
         "CJ SA ST SK SQ HQ H9 H8 H7 DT D9 D8", "", "P2[H7:7+H8:6 D8:6+D9:5]"},
        {"a bare Ace-King, nothing settled", GAME_DURCHMARSCH,
         "CJ SJ CA CT CK CQ C9 C8 SA ST HA HK", "", "P2[HK:3+HA:1]"},
        {"a long Ace without the Ten, one settled", GAME_DURCHMARSCH,
         "CJ SJ HJ CA CT CK CQ C9 DA DQ D9 D8", "C9", "S3[D8:6]"},
        {"a long Ace without the Ten, nothing settled", GAME_DURCHMARSCH,
         "CJ SJ HJ CA CT CK CQ C9 DA DQ D9 D8", "", "P2[D8:6+D9:5]"},
        {"one settled, nothing else: the lowest of the longest suit", GAME_DURCHMARSCH,
         "CJ SJ CA CT CK CQ C9 SA ST SK HA HT", "C9", "S3[CQ:3]"},
        {"Ace-Ten-x-x without the King", GAME_DURCHMARSCH,
         "CJ SJ CA CT CK SA ST SK HA HT H8 H7", "", "P2[H7:7+H8:6]"},
        {"nothing weak: the longest suit, the Queen with the Nine", GAME_DURCHMARSCH,
         "CJ SJ CA CT CK CQ C9 C8 SA ST SK HA", "", "P2[C8:0+CQ:3]"},
    };
    for (const FallbackCase& c : cases) {
        Prepare(c);
        CDiscardPlanner(seat0).BuildDiscardCandidatesDurchmarsch();
        EXPECT_EQ(Lists(), c.lists) << c.why;
    }
}

// The Ramsch builder: the high cards of long suits without the Seven, every suit when there are
// too few; with one card settled, one card more.
TEST_F(DiscardFallbackTest, RamschBuilder) {
    const FallbackCase cases[] = {
        {"a long suit without the Seven: its two top cards", GAME_RAMSCH,
         "CJ SJ CA CT CK CQ C9 SA S7 HA H7 D7", "", "P2[CA:6+CT:5]"},
        {"no long suit: every suit of three gives its top two", GAME_RAMSCH,
         "CJ SJ CA CT C7 SA ST S7 HA H8 D9 D8", "", "P2[CA:6+CT:5 SA:6+ST:5]"},
        {"two long suits: the whole suit is kept", GAME_RAMSCH,
         "CA CT CK CQ C9 C8 C7 SA ST S9 S7 HA", "", "P2[SA:6+ST:5]"},
        {"one settled: the top of a long suit without the Seven", GAME_RAMSCH,
         "CJ SJ CA CT CK CQ C9 S7 S8 H7 H8 D9", "D9", "S3[CA:6]"},
        {"one settled: the top of five with the Seven, Eight and Queen", GAME_RAMSCH,
         "CJ SJ CA CK CQ C8 C7 SA S9 HA HT D9", "D9", "S3[CA:1] P2[CA:6+CK:4]"},
        {"one settled, nothing long: the top of each suit of three", GAME_RAMSCH,
         "CJ SJ HJ CA CT C7 SA ST S7 HA H8 D9", "D9", "S3[CA:6 SA:6]"},
    };
    for (const FallbackCase& c : cases) {
        Prepare(c);
        CDiscardPlanner(seat0).BuildDiscardCandidatesRamsch();
        EXPECT_EQ(Lists(), c.lists) << c.why;
    }
}

}  // namespace

namespace {

// The whole protocol where the planner leaves the choice short and the builder completes it.
TEST_F(DiscardFallbackTest, TheProtocolCompletesTheChoiceFromTheBuilder) {
    const FallbackCase cases[] = {
        {"a lone side card goes with the lowest trump", GAME_CLUBS, "CJ SJ HJ DJ CA CT CK CQ C9 C8 C7 S7", "",
         "C7 S7"},
        {"Grand: the shorter Ace-Ten-King gives Ace and Ten", GAME_GRAND,
         "CJ SJ HJ DJ CA CT CK CQ C9 SA ST SK", "", "SA ST"},
        {"Durchmarsch from strong suits: the longest suit's lowest", GAME_DURCHMARSCH,
         "CJ SJ CA CT CK CQ C9 C8 SA ST SK HA", "", "C8 CQ"},
        // The last resort alone laid the Spades and Diamonds Sevens away, keeping three Aces.
        {"Ramsch: the top of the long Clubs without the Seven", GAME_RAMSCH,
         "CA SK D7 C8 HA CK HQ DA SA S7 CQ DQ", "", "CK CA"},
    };
    for (const FallbackCase& c : cases) {
        Prepare(c);
        if (c.type == GAME_RAMSCH) g_Game.Forehand = 1;  // the seat laying away does not lead
        CDiscardPlanner(seat0).PlanDiscard(c.type);
        CDiscardPlanner(seat0).ChooseDiscard();
        EXPECT_LT(g_Computer.Discard.ChosenCount, 2) << c.why << ": the planner alone settles it";
        Prepare(c);
        if (c.type == GAME_RAMSCH) g_Game.Forehand = 1;
        // Equal candidates are settled by a draw; this seed lays the trump of the first case away first.
        SeedRand(3);
        PlanAndChooseDiscard(seat0, c.type);
        const auto& result = g_Computer.Discard.DiscardResult;
        std::string chosen = CardName(seat0.cards[result[0].Index]);
        chosen += ' ';
        chosen += CardName(seat0.cards[result[1].Index]);
        EXPECT_EQ(chosen, c.lists) << c.why;
    }
}

}  // namespace

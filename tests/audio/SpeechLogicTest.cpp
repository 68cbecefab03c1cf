// What is said: the wording's random alternatives, the declaration's terms, a card's two terms.
#include <gtest/gtest.h>

#include <vector>

#include "audio/SpeechLogic.h"
#include "audio/VoicePlayer.h"
#include "audio/VoiceTerms.h"
#include "platform/core/Random.h"
#include "support/LayerResets.h"

namespace {

class VoiceVariantTest : public ::testing::Test {
protected:
    void SetUp() override { testsupport::ResetVoicePlayer(); SeedRand(7); }
    void TearDown() override { testsupport::ResetVoicePlayer(); }
};

TEST_F(VoiceVariantTest, ScriptedDrawsChooseTheWordingAndTheGameStreamIsUntouched) {
    struct Case {
        int term;
        int draw;
        int leader, soloist;
        int expected;
    };
    const Case cases[] = {
        {3, 0, 0, 1, 3},   {3, 1, 0, 1, TERM_NULL},        {8, 5, 0, 1, TERM_NULL_HAND},
        {13, 3, 0, 1, TERM_NULL_OUVERT}, {14, 7, 0, 1, TERM_GRAND}, {18, 1, 0, 1, TERM_NULL_OUVERT_HAND},
        {30, 9, 0, 1, TERM_REVOLUTION},  {30, 8, 0, 1, 30},
        {TERM_YES, 1, 0, 1, TERM_I_HAVE},   {TERM_AWAY, 1, 0, 1, TERM_I_AM_AWAY},
        {TERM_I_AM_AWAY, 1, 0, 1, TERM_PASS}, {TERM_I_AM_AWAY, 2, 0, 1, TERM_I_AM_AWAY},
        {TERM_ALSO_AWAY, 0, 0, 1, TERM_PASS}, {TERM_ALSO_AWAY, 1, 0, 1, TERM_ALSO_AWAY},
        {TERM_ALSO_AWAY, 2, 0, 1, TERM_YOUR_GAME},
        // The forehand holds the bid: two choices, so a draw of 2 is "Pass" again.
        {TERM_ALSO_AWAY, 2, 1, 1, TERM_PASS}, {TERM_ALSO_AWAY, 5, 2, 2, TERM_ALSO_AWAY},
    };
    const std::uint64_t gameDraws = platform::Random().DrawCount();
    for (const Case& c : cases) {
        VoiceRandom().Script({c.draw});
        EXPECT_EQ(VoiceVariantTerm(c.term, c.leader, c.soloist), c.expected) << c.term << " draw " << c.draw;
        EXPECT_EQ(VoiceRandom().ScriptedLeft(), 0u) << "one draw for term " << c.term;
    }
    EXPECT_EQ(platform::Random().DrawCount(), gameDraws) << "the game's random stream is never drawn";
}

TEST_F(VoiceVariantTest, TermsOutsideTheTableComeBackWithoutADraw) {
    VoiceRandom().Script({1});
    for (int term : {0, 1, 2, 4, 64, 101, 105, 129}) EXPECT_EQ(VoiceVariantTerm(term, 0, 1), term);
    EXPECT_EQ(VoiceRandom().ScriptedLeft(), 1u);
}

TEST_F(VoiceVariantTest, TheForehandHoldingTheBidNeverHearsYourGame) {
    VoiceRandom().Seed(12345);
    for (int i = 0; i < 500; ++i) EXPECT_NE(VoiceVariantTerm(TERM_ALSO_AWAY, 1, 1), TERM_YOUR_GAME);
}

struct DeclareCase {
    const char* name;
    DeclaredGame game;
    bool givesUp;
    std::vector<int> terms;
};

// A failing case names itself, not its bytes.
void PrintTo(const DeclareCase& c, std::ostream* out) { *out << c.name; }

class DeclarationTermsTest : public ::testing::TestWithParam<DeclareCase> {};

TEST_P(DeclarationTermsTest, SaysTheGameItsAnnouncementAndGivingUp) {
    EXPECT_EQ(DeclarationTerms(GetParam().game, GetParam().givesUp), GetParam().terms) << GetParam().name;
}

// {variantMode, gameType, hand, ouvert, schneider, schwarz}
INSTANTIATE_TEST_SUITE_P(
    Table, DeclarationTermsTest,
    ::testing::Values(
        DeclareCase{"RuleClubsHandOuvertSchwarz", {0, 0, true, true, false, true}, false, {66}},
        DeclareCase{"VariantClubsHandOuvertSchwarz", {1, 0, true, true, false, true}, false, {67, 91}},
        DeclareCase{"RamschOnlyCountsAsVariant", {2, 2, true, true, true, false}, false, {75, 90}},
        DeclareCase{"RuleGrandHandSchneider", {0, 6, true, false, true, false}, false, {86, 90}},
        DeclareCase{"RuleGrandHandSchneiderSchwarz", {0, 6, true, false, true, true}, false, {86, 91}},
        DeclareCase{"RuleGrandHandOuvert", {0, 6, true, true, true, true}, false, {87}},
        DeclareCase{"RuleSpadesPlainOuvertIgnored", {0, 1, false, true, true, false}, false, {68}},
        DeclareCase{"RuleNullOuvert", {0, 4, false, true, false, false}, false, {82}},
        DeclareCase{"RuleNullOuvertHand", {0, 4, true, true, false, false}, false, {83}},
        DeclareCase{"RuleNullHand", {0, 4, true, false, false, false}, false, {81}},
        DeclareCase{"VariantNullOuvert", {1, 4, false, true, false, false}, false, {82}},
        DeclareCase{"VariantDiamondsOuvertSchneider", {1, 3, false, true, true, false}, false, {78, 90}},
        DeclareCase{"VariantGrandHandOuvert", {1, 6, true, true, false, false}, false, {88}},
        DeclareCase{"VariantGrandPlain", {1, 6, false, false, false, false}, false, {85}},
        DeclareCase{"RevolutionAfterSkat", {1, 5, false, false, false, false}, false, {84}},
        DeclareCase{"RevolutionRuleHandSchwarz", {0, 5, true, false, false, true}, false, {84, 91}},
        DeclareCase{"HeartsGivesUp", {1, 2, false, false, false, false}, true, {72, 108}},
        DeclareCase{"NoDeclaredGame", {1, 7, false, false, false, false}, true, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SupportTermsTest, GermanSaysSuitThenRankAndEnglishRankThenSuit) {
    // Ace of Hearts is card 27, the Ten of Spades 49 (a block of 13 from the Ace, 7 to King at 7..13).
    EXPECT_EQ(SupportTerms(27, 0), (std::vector<int>{128, 118}));
    EXPECT_EQ(SupportTerms(27, 1), (std::vector<int>{118, 128}));
    EXPECT_EQ(SupportTerms(49, 1), (std::vector<int>{122, 127}));
    // A Jack keeps its own suit: the Jack of Clubs is card 11.
    EXPECT_EQ(SupportTerms(11, 1), (std::vector<int>{123, 126}));
    for (int card : {-1, 0, 53}) EXPECT_TRUE(SupportTerms(card, 0).empty()) << card;
}

TEST(SupportTermsTest, TheSpeakerComesFromTheFieldOrTheSeat) {
    struct Case {
        std::uint32_t word;
        int seat, owner;
        int expected;
    };
    const Case cases[] = {
        {0u, 2, 2, NO_VOICE},
        {1u << 28, -1, 0, NO_VOICE},  // bit 28 is not the support field
        {1u << 29, -1, 0, 0},
        {6u << 29, 1, 1, 5},
        {7u << 29, -1, 2, 2},        // the person's card under the mouse: voice 3
        {7u << 29, -1, -1, 2},       // nobody's card (the skat)
        {7u << 29, -1, 1, 1},
        {7u << 29, 0, 1, 0},         // played by seat 0
    };
    for (const Case& c : cases) EXPECT_EQ(SupportSpeaker(c.word, c.seat, c.owner), c.expected) << std::hex << c.word;
}

}  // namespace

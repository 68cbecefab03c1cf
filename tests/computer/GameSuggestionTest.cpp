// The person's game and skat suggestions: they leave the game as it was (only the skat cards may
// be marked as the soloist's), the weak suit games are pruned by the best other suit game, a game
// the skat spoils keeps only what the rules allow, and the skat suggestion's answers.

#include "ComputerTestSupport.h"

#include "computer/evaluation/Discard.h"
#include "computer/evaluation/GameOption.h"
#include "computer/evaluation/Suggestions.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

class GameSuggestionTest : public ComputerTest {
protected:
    CCards skat{"", 2, false, false};

    void SetUp() override {
        ComputerTest::SetUp();
        g_Game.GameType = GAME_NONE;
        g_Game.TrumpCount = 11;
        g_Game.Soloist = 2;
        g_Game.Forehand = 0;
    }
    void Deal(const char* twelve) {
        ResetCardTables();
        const auto cards = ParseCards(twelve);
        ASSERT_EQ(cards.size(), 12u);
        GiveCards(seat2, {cards[0], cards[1], cards[2], cards[3], cards[4], cards[5], cards[6], cards[7], cards[8],
                          cards[9]});
        seat2.dealt.assign(cards.begin(), cards.begin() + 10);
        GiveCards(skat, {cards[10], cards[11]});
        skat.dealt = {cards[10], cards[11]};
        seat2.AnalyseHand(0);
    }
    struct Capture {
        std::vector<int> hand, dealt, skatCards, skatDealt;
        std::vector<unsigned char> present;
        int count, gameType, trumps, hand_, ouvert, schneider, schwarz, soloist, forehand;
        int played[32];
    };
    Capture Take() const {
        Capture c{};
        c.hand.assign(seat2.cards.begin(), seat2.cards.begin() + 10);
        c.dealt = seat2.dealt;
        c.present = seat2.present;
        c.count = seat2.count;
        c.skatCards = {skat.cards[0], skat.cards[1]};
        c.skatDealt = skat.dealt;
        c.gameType = g_Game.GameType;
        c.trumps = g_Game.TrumpCount;
        c.hand_ = g_Game.HandAnnounced;
        c.ouvert = g_Game.OuvertAnnounced;
        c.schneider = g_Game.SchneiderAnnounced;
        c.schwarz = g_Game.SchwarzAnnounced;
        c.soloist = g_Game.Soloist;
        c.forehand = g_Game.Forehand;
        for (int row = 0; row < DECK_SIZE; ++row) c.played[row] = g_Knowledge.CardLocation(row);
        return c;
    }
    // Equal, but for the skat cards' entries, which may carry the soloist's mark.
    void ExpectSame(const Capture& a, const Capture& b, const char* what) const {
        EXPECT_EQ(a.hand, b.hand) << what;
        EXPECT_EQ(a.dealt, b.dealt) << what;
        EXPECT_EQ(a.present, b.present) << what;
        EXPECT_EQ(a.count, b.count) << what;
        EXPECT_EQ(a.skatCards, b.skatCards) << what;
        EXPECT_EQ(a.skatDealt, b.skatDealt) << what;
        EXPECT_EQ(a.gameType, b.gameType) << what;
        EXPECT_EQ(a.trumps, b.trumps) << what;
        EXPECT_EQ(a.hand_, b.hand_) << what;
        EXPECT_EQ(a.ouvert, b.ouvert) << what;
        EXPECT_EQ(a.schneider, b.schneider) << what;
        EXPECT_EQ(a.schwarz, b.schwarz) << what;
        EXPECT_EQ(a.soloist, b.soloist) << what;
        EXPECT_EQ(a.forehand, b.forehand) << what;
        for (int row = 0; row < 32; ++row) {
            const bool skatCard = GetCardRow(a.skatCards[0]) == row || GetCardRow(a.skatCards[1]) == row;
            if (skatCard) {
                EXPECT_TRUE(b.played[row] == a.played[row] || b.played[row] == CARD_IN_SKAT) << what;
            } else {
                EXPECT_EQ(a.played[row], b.played[row]) << what << " row " << row;
            }
        }
    }
};

TEST_F(GameSuggestionTest, SuggestingAGameLeavesTheGameAsItWas) {
    for (int seed = 1; seed <= 60; ++seed) {
        SeedRand(static_cast<std::uint32_t>(seed));
        std::vector<int> deck;
        for (int s = 0; s < 4; ++s)
            for (int r = 0; r < 8; ++r) deck.push_back(C(r, s));
        for (int i = 31; i > 0; --i) std::swap(deck[static_cast<std::size_t>(i)], deck[static_cast<std::size_t>(Rand() % (i + 1))]);
        std::string twelve;
        for (int k = 0; k < 12; ++k) twelve += CardName(deck[static_cast<std::size_t>(k)]) + " ";
        Deal(twelve.c_str());
        g_Game.GameType = seed % 3 == 0 ? GAME_HEARTS : GAME_NONE;
        const Capture before = Take();
        auto* options = seat2.SuggestGame(2, skat);
        EXPECT_EQ(options, seat2.gameOptions);
        ExpectSame(before, Take(), twelve.c_str());
    }
}

TEST_F(GameSuggestionTest, SuggestingASkatWithoutCarryingItOutLeavesTheCards) {
    Deal("CJ SJ CA CT CK CQ SA ST H7 D8 C9 H9");
    g_Game.GameType = GAME_CLUBS;
    const Capture before = Take();
    const int value = seat2.SuggestSkat(skat, false);
    ExpectSame(before, Take(), "suit game");
    EXPECT_EQ(value, seat2.gameOptions[GAME_CLUBS][OPT_VALUE]);
    EXPECT_GT(value, 0);
}

TEST_F(GameSuggestionTest, CarryingTheSkatOutLaysAwayAndAnswers) {
    struct Case {
        const char* name;
        const char* cards;
        int type;
        int bidIndex;
        int answer;
    };
    const Case cases[] = {
        {"strong Clubs at 18", "CJ SJ CA CT CK CQ SA ST H7 D8 C9 H9", GAME_CLUBS, 0, 1000},
        {"strong Clubs overbid at 264", "CJ SJ CA CT CK CQ SA ST H7 D8 C9 H9", GAME_CLUBS, 63, 3000},
        {"Hearts without a Heart", "CJ CA CT CK CQ SA ST S7 D8 D7 C9 S9", GAME_HEARTS, 0, 2000},
        {"Ramsch is always fine", "C7 C8 C9 S7 S8 S9 H7 H8 D7 D8 CA SA", GAME_RAMSCH, 0, 1000},
    };
    for (const Case& c : cases) {
        Deal(c.cards);
        g_Game.GameType = c.type;
        g_Game.BidIndex = c.bidIndex;
        int pauses = 0;
        g_ComputerFrame.SetPause = [&pauses](int level) {
            pauses += level == 1 ? 1 : 0;
            return 0;
        };
        std::vector<int> twelve(seat2.cards.begin(), seat2.cards.begin() + 10);
        twelve.push_back(skat.cards[0]);
        twelve.push_back(skat.cards[1]);
        std::sort(twelve.begin(), twelve.end());
        EXPECT_EQ(seat2.SuggestSkat(skat, true), c.answer) << c.name;
        EXPECT_EQ(pauses, 1) << c.name;
        std::vector<int> after(seat2.cards.begin(), seat2.cards.begin() + 10);
        after.push_back(skat.cards[0]);
        after.push_back(skat.cards[1]);
        std::sort(after.begin(), after.end());
        EXPECT_EQ(after, twelve) << c.name;
    }
}

// The pruning: Clubs at 30 % with a reject code against Spades.
TEST_F(GameSuggestionTest, WeakSuitGamesGiveWayToABetterSuitGame) {
    struct Case {
        const char* name;
        int variant;
        int clubsProbability, clubsRule;
        int spadesBase, spadesProbability, spadesRule;
        bool clubsOn;
    };
    const Case cases[] = {
        {"Spades 45 beats Clubs 30 with 1504", VARIANT_OFFICIAL, 30, 1504, 1, 45, 1301, false},
        {"Spades 25 does not", VARIANT_OFFICIAL, 30, 1504, 1, 25, 1301, true},
        {"Spades 30 equal goes", VARIANT_OFFICIAL, 30, 1504, 1, 30, 1301, false},
        {"a weak Spades does not count for m", VARIANT_OFFICIAL, 30, 1504, 1, 35, 1405, true},
        {"the last option on stays", VARIANT_OFFICIAL, 30, 1504, 0, 45, 1301, true},
        {"the variants' flag is no code", VARIANT_SKAT, 30, 1504 | RULE_OVERRIDE_FLAG, 1, 45, 1301, false},
        {"outside the variants the flag makes another code", VARIANT_OFFICIAL, 30, 1504 | RULE_OVERRIDE_FLAG, 1, 45, 1301,
         true},
    };
    for (const Case& c : cases) {
        g_Game.VariantMode = c.variant;
        int options[GAME_OPTION_COUNT][OPT_FIELD_COUNT] = {};
        options[GAME_CLUBS][OPT_BASE] = 12;
        options[GAME_CLUBS][OPT_PROBABILITY] = c.clubsProbability;
        options[GAME_CLUBS][OPT_RULE] = c.clubsRule;
        options[GAME_SPADES][OPT_BASE] = c.spadesBase ? 11 : 0;
        options[GAME_SPADES][OPT_PROBABILITY] = c.spadesProbability;
        options[GAME_SPADES][OPT_RULE] = c.spadesRule;
        const int on = PruneWeakSuitOptions(options);
        EXPECT_EQ(options[GAME_CLUBS][OPT_BASE] != 0, c.clubsOn) << c.name;
        EXPECT_EQ(on, (c.clubsOn ? 1 : 0) + (c.spadesBase ? 1 : 0)) << c.name;
    }
    // No suit game counts for m: only a game at 0 % goes.
    g_Game.VariantMode = VARIANT_OFFICIAL;
    int options[GAME_OPTION_COUNT][OPT_FIELD_COUNT] = {};
    for (int t : {GAME_CLUBS, GAME_SPADES}) {
        options[t][OPT_BASE] = 12;
        options[t][OPT_RULE] = 1504;
    }
    options[GAME_SPADES][OPT_PROBABILITY] = 20;
    options[GAME_GRAND][OPT_BASE] = 24;
    EXPECT_EQ(PruneWeakSuitOptions(options), 2);
    EXPECT_EQ(options[GAME_CLUBS][OPT_BASE], 0);
    EXPECT_EQ(options[GAME_SPADES][OPT_BASE], 12);
}

// Every suit option counts for m, also one that is off: a weak Clubs game gives way to the chance
// of a Spades game the pick-up took off, while Grand stays on.
TEST_F(GameSuggestionTest, ASuitGameThatIsOffStillCountsForTheBest) {
    struct Case {
        const char* name;
        int spadesProbability, spadesRule;
        bool clubsOn;
    };
    const Case cases[] = {
        {"Spades off at 45 without a reject code", 45, 1301, false},
        {"Spades off at 25", 25, 1301, true},
        {"Spades off and weak itself", 35, 1405, true},
    };
    for (const Case& c : cases) {
        g_Game.VariantMode = VARIANT_OFFICIAL;
        int options[GAME_OPTION_COUNT][OPT_FIELD_COUNT] = {};
        options[GAME_CLUBS][OPT_BASE] = 12;
        options[GAME_CLUBS][OPT_PROBABILITY] = 30;
        options[GAME_CLUBS][OPT_RULE] = 1504;
        options[GAME_SPADES][OPT_PROBABILITY] = c.spadesProbability;
        options[GAME_SPADES][OPT_RULE] = c.spadesRule;
        options[GAME_GRAND][OPT_BASE] = 24;
        EXPECT_EQ(PruneWeakSuitOptions(options), c.clubsOn ? 2 : 1) << c.name;
        EXPECT_EQ(options[GAME_CLUBS][OPT_BASE] != 0, c.clubsOn) << c.name;
        EXPECT_EQ(options[GAME_SPADES][OPT_BASE], 0) << c.name;
        EXPECT_EQ(options[GAME_GRAND][OPT_BASE], 24) << c.name;
    }
}

TEST_F(GameSuggestionTest, AGameTheSkatSpoilsKeepsOnlyWhatTheRulesAllow) {
    auto record = [](int hand, int ouvert, int schneider, int schwarz) {
        std::vector<int> r(OPT_FIELD_COUNT, 0);
        r[OPT_BASE] = 12;
        r[OPT_HAND] = hand;
        r[OPT_OUVERT] = ouvert;
        r[OPT_SCHNEIDER] = schneider;
        r[OPT_SCHWARZ] = schwarz;
        return r;
    };
    // Grand goes off.
    auto grand = record(1, 0, 0, 0);
    KeepOptionSpoiledBySkat(GAME_GRAND, grand.data());
    EXPECT_EQ(grand[OPT_BASE], 0);
    // A suit game stays on without Hand.
    auto hearts = record(1, 0, 0, 0);
    KeepOptionSpoiledBySkat(GAME_HEARTS, hearts.data());
    EXPECT_EQ(hearts[OPT_BASE], 12);
    EXPECT_EQ(hearts[OPT_HAND], 0);
    // Ouvert stays only in the variants outside a Ramsch round, by the Ouvert setting.
    struct Case {
        int variant, round, setting, schwarz;
        int schwarzLeft;
        bool ouvert;
    };
    const Case cases[] = {
        {VARIANT_SKAT, ROUND_NORMAL, 2, 0, 0, true},      {VARIANT_SKAT, ROUND_NORMAL, 1, 1, 1, true},
        {VARIANT_SKAT, ROUND_NORMAL, 1, 0, 0, false},     {VARIANT_SKAT, ROUND_NORMAL, 0, 1, 1, false},
        {VARIANT_SKAT, ROUND_NORMAL, 3, 1, 1, false},     {VARIANT_SKAT, ROUND_RAMSCH, 2, 1, 0, false},
        {VARIANT_OFFICIAL, ROUND_NORMAL, 2, 1, 0, false}, {VARIANT_RAMSCH_ONLY, ROUND_NORMAL, 2, 1, 0, false},
    };
    g_Settings.Variants.Schneider = 3;
    for (const Case& c : cases) {
        g_Game.VariantMode = c.variant;
        g_Game.RoundStatus = c.round;
        g_Settings.Variants.Ouvert = c.setting;
        auto r = record(1, 1, c.schwarz, c.schwarz);
        KeepOptionSpoiledBySkat(GAME_CLUBS, r.data());
        EXPECT_EQ(r[OPT_SCHNEIDER], c.schwarzLeft) << c.variant << " " << c.round;
        EXPECT_EQ(r[OPT_SCHWARZ], c.schwarzLeft) << c.variant << " " << c.round;
        EXPECT_EQ(r[OPT_OUVERT] != 0, c.ouvert) << c.variant << " " << c.round << " " << c.setting << " " << c.schwarz;
        EXPECT_EQ(r[OPT_BASE], 12);
    }
}

}  // namespace

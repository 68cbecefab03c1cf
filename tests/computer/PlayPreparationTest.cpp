// Play preparation for Ramsch and Durchmarsch: the status of each suit, the Durchmarsch plan, the
// pass-on cascade and the Grand Hand answer.

#include "ComputerTestSupport.h"

#include "computer/evaluation/GameOption.h"
#include "computer/evaluation/PlayPreparation.h"

namespace {

class PlayPreparationTest : public ComputerTest {
protected:
    void Ramsch(CPlayer& player, const std::vector<int>& cards) {
        g_Game.SetGameType(GAME_RAMSCH);
        g_Game.Soloist = 3;
        GiveCards(player, cards);
        player.AnalyseHand(0);
        player.EvaluateSuitStatus();
    }
    std::int32_t (&Play(const CPlayer& player))[SHEET_ROWS][SHEET_FIELDS] { return SheetOf(player).Rows[SHEET_PLAY]; }
};

TEST_F(PlayPreparationTest, SuitStatusOfLowAndHighHoldings) {
    // No suit is OK here, so the void keeps its own code.
    Ramsch(seat0, ParseCards("C8 SA HA HT HK CJ SJ HJ HQ H9"));
    const HandInfo& info = seat0.handInfo;
    EXPECT_EQ(info.PlayStatus[CLUBS], STATUS_RISK);         // a single Eight
    EXPECT_EQ(info.PlayStatus[SPADES], STATUS_UNFIT);       // a single Ace
    EXPECT_EQ(info.PlayStatus[DIAMONDS], STATUS_SAFE_NO_FH);  // void
    EXPECT_EQ(info.PlayStatusSummary, STATUS_UNFIT);         // three Jacks without the Diamonds Jack
    // Seven and Eight alone are OK, and with one OK suit the void counts as OK too.
    Ramsch(seat0, ParseCards("C7 C8 SA HA HT HK DJ HQ H9 H8"));
    EXPECT_EQ(info.PlayStatus[CLUBS], STATUS_OK);
    EXPECT_EQ(info.PlayStatus[DIAMONDS], STATUS_OK);
    EXPECT_EQ(info.PlayStatusSummary, STATUS_OK);  // the Diamonds Jack alone
}

TEST_F(PlayPreparationTest, DurchmarschIsPlannedWithTheTopJackAndSafeSuits) {
    // Clubs and Hearts Jack, every suit headed by its Ace and Ten: only the Jacks lose a trick.
    const auto strong = ParseCards("CJ HJ CA CT CK SA ST HA HT DA");
    Ramsch(seat0, strong);
    EXPECT_TRUE(seat0.PlanPlay(false));
    const int* ramsch = seat0.gameOptions[GAME_RAMSCH];
    EXPECT_EQ(Play(seat0)[4][2], 108);
    EXPECT_EQ(Play(seat0)[4][5], 1);
    EXPECT_EQ(ramsch[OPT_SCHWARZ], 1);
    EXPECT_EQ(ramsch[OPT_HAND], 1);
    EXPECT_EQ(ramsch[OPT_VALUE], 240);
    EXPECT_EQ(Play(seat0)[6][0], 110);  // pass the skat on
    EXPECT_EQ(Play(seat0)[6][4], 25);
    EXPECT_EQ(seat0.gameOptions[GAME_DURCHMARSCH][OPT_RULE], 11);
    // After the pick-up the same plan is no Hand game.
    EXPECT_TRUE(seat0.PlanPlay(true));
    EXPECT_EQ(ramsch[OPT_HAND], 0);
    EXPECT_EQ(ramsch[OPT_VALUE], 120);
    // Without the Clubs Jack there is no plan at all.
    Ramsch(seat0, ParseCards("SJ HJ CA CT CK SA ST HA HT DA"));
    EXPECT_FALSE(seat0.PlanPlay(false));
    EXPECT_EQ(Play(seat0)[4][2], 109);
    EXPECT_EQ(ramsch[OPT_SCHWARZ], 0);
    EXPECT_EQ(seat0.gameOptions[GAME_DURCHMARSCH][OPT_RULE], 0);
    EXPECT_EQ(Play(seat0)[6][5], 100);
}

TEST_F(PlayPreparationTest, PassOnCascadeTrustsLowCardsAndRefusesHighOnes) {
    struct Case {
        const char* hand;
        std::vector<int> cards;
        bool passOn;
        int code;
    };
    const Case cases[] = {
        {"only low cards, forehand", ParseCards("C7 C8 C9 S7 S8 H7 H8 H9 D7 D8"), true, 145},
        {"Aces, Tens and Jacks", ParseCards("CJ SJ CA CT SA ST HA HT DA DT"), false, 0},
    };
    for (const Case& c : cases) {
        seat0.gameOptions[GAME_RAMSCH][OPT_RULE] = 0;
        Ramsch(seat0, c.cards);
        EXPECT_EQ(seat0.AnalysePlayRisk(), c.passOn) << c.hand;
        EXPECT_EQ(Play(seat0)[6][0], c.code) << c.hand;
        EXPECT_EQ(seat0.gameOptions[GAME_RAMSCH][OPT_RULE], c.code) << c.hand;
        EXPECT_LE(Play(seat0)[6][2], 100) << c.hand;
    }
    EXPECT_EQ(Play(seat0)[6][2], 100);  // four unfit suits, the danger points capped
}

TEST_F(PlayPreparationTest, GrandHandIsRecommendedOnlyWhenTheSettingAllowsIt) {
    Ramsch(seat0, ParseCards("C7 C8 C9 S7 S8 H7 H8 H9 D7 D8"));
    int* grand = seat0.gameOptions[GAME_GRAND];
    grand[OPT_VALUE] = 48;
    grand[OPT_HAND] = 1;
    grand[OPT_RULE] = 3131;
    grand[OPT_PROBABILITY] = 80;
    EXPECT_TRUE(seat0.PreparePlay());
    EXPECT_EQ(Play(seat0)[5][0], 3131);
    EXPECT_EQ(Play(seat0)[6][3], 20);
    EXPECT_EQ(Play(seat0)[4][0], seat0.handInfo.ShortSuitCount);
    g_Settings.Variants.GrandHand = 0;
    EXPECT_FALSE(seat0.InitPlayEstimate());
    EXPECT_EQ(Play(seat0)[5][0], 0);
    EXPECT_EQ(Play(seat0)[6][3], 100);
    g_Settings.Variants.GrandHand = 1;
    grand[OPT_HAND] = 0;
    EXPECT_FALSE(seat0.InitPlayEstimate());
}

}  // namespace

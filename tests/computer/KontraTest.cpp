// Kontra and Rekontra: who may announce under which rules, the start-of-play question that leaves
// the state alone, and a strong Grand defender.

#include "ComputerTestSupport.h"

#include "computer/evaluation/GameOption.h"
#include "computer/evaluation/HandAnalysis.h"
#include "computer/evaluation/Kontra.h"

namespace {

class KontraTest : public ComputerTest {
protected:
    // Defender seat 0 against a Grand of the person (seat 2): three Jacks from the top and three Aces.
    void StrongGrandDefender() {
        GiveCards(seat0, {C(JACK, CLUBS), C(JACK, SPADES), C(JACK, HEARTS), C(ACE, CLUBS), C(TEN, CLUBS),
                          C(KING, CLUBS), C(QUEEN, CLUBS), C(ACE, SPADES), C(TEN, SPADES), C(ACE, HEARTS)});
        g_Game.GameType = GAME_GRAND;
        g_Game.TrumpCount = 4;
        g_Game.Soloist = 2;
        g_Game.KontraState = KONTRA_NONE;
        g_Game.KontraSeat = 1;
        seat0.AnalyseHand(0);
    }
};

TEST_F(KontraTest, RuleSetsDecideWhoMayAnnounce) {
    StrongGrandDefender();
    struct Case {
        int variant, roundStatus, hasBid, kontraSetting;
        bool permitted;
    };
    const Case cases[] = {
        {0, 0, 1, 1, false},  // official rules: never
        {1, 0, 1, 1, true},   // variants: the defender bid
        {1, 0, 0, 1, false},  // variants: did not bid, normal round
        {1, 2, 0, 1, true},   // variants: did not bid, but Grand in a Ramsch round
        {2, 0, 0, 1, true},   // Ramsch only: Grand
        {1, 0, 1, 0, false},  // the setting is off
    };
    for (const Case& c : cases) {
        g_Game.VariantMode = c.variant;
        g_Game.RoundStatus = c.roundStatus;
        g_Game.HasBid[0] = static_cast<unsigned char>(c.hasBid);
        g_Settings.Variants.Kontra = c.kontraSetting;
        EXPECT_EQ(KontraPermitted(seat0), c.permitted) << c.variant << " " << c.roundStatus << " " << c.hasBid;
    }
}

TEST_F(KontraTest, StrongGrandDefenderAnnouncesAndTheQuestionChangesNothing) {
    StrongGrandDefender();
    g_Game.VariantMode = 1;
    g_Game.HasBid[0] = 1;
    // The start-of-play question is not asked against the person's game.
    EXPECT_FALSE(seat0.DecideKontra());
    g_Game.Soloist = 1;
    EXPECT_TRUE(seat0.DecideKontra());
    EXPECT_EQ(g_Game.KontraState, KONTRA_NONE);
    EXPECT_EQ(g_Game.KontraSeat, 1);  // put back as it was
    EXPECT_TRUE(seat0.AnnounceKontra());
    EXPECT_EQ(g_Game.KontraState, KONTRA_SAID);
    EXPECT_EQ(g_Game.KontraSeat, 0);
    EXPECT_GE(seat0.gameOptions[GAME_GRAND][OPT_RULE], 3530);
    // Once Kontra stands, nobody announces it again.
    EXPECT_FALSE(seat1.AnnounceKontra());
}

TEST_F(KontraTest, OfficialRulesNeverKontraAndTheSoloistNeverDoes) {
    StrongGrandDefender();
    g_Game.VariantMode = 0;
    g_Game.HasBid[0] = 1;
    EXPECT_FALSE(seat0.DecideKontra());
    EXPECT_FALSE(seat0.AnnounceKontra());
    EXPECT_EQ(g_Game.KontraState, KONTRA_NONE);
    g_Game.VariantMode = 1;
    g_Game.Soloist = 0;
    EXPECT_FALSE(seat0.AnnounceKontra());
}

}  // namespace

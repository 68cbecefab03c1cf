// The soloist about to lead lays his cards face up when no trick can be lost, and says so once.

#include "CardPlayTestSupport.h"

#include "computer/play/EarlyFaceUp.h"
#include "computer/play/GrandPlay.h"

namespace {

class EarlyFaceUpTest : public ComputerTest {
protected:
    void SetUp() override {
        ComputerTest::SetUp();
        g_Game.SetGameType(GAME_GRAND);
        StartPlayKnowledge();
        g_Game.Soloist = 0;
        g_Game.Forehand = g_Game.TrickWinner = 0;
        g_ComputerFrame.FaceUpAnnouncePending = 1;
        g_Settings.Audio.Voice = 0;  // voices off
    }
    bool LaysDown(const char* hand, const char* played, int trumpsLeft) {
        PlayedCards(played);
        g_Game.TrumpCount = trumpsLeft;
        GiveHand(seat0, hand);
        CGrandPlay(seat0).EarlyFaceUpGrand();
        return g_Game.EarlyFaceUp == 1;
    }
};

TEST_F(EarlyFaceUpTest, SafeHandsLieDownUnsafeOnesDoNot) {
    const struct {
        const char* name;
        const char* hand;
        const char* played;
        int trumpsLeft;
        bool down;
    } cases[] = {
        {"all Jacks left are his, low ones", "HJ DJ CA CT", "CJ SJ", 2, true},
        {"Ace and King with the Ten and more out", "HJ DJ CA CK", "CJ SJ", 2, false},
        {"Ace and King with only the Ten out", "HJ DJ CA CK CQ C9 C8 C7", "CJ SJ", 2, true},
        {"his top Jack beaten", "HJ DJ CA CT", "SJ", 3, false},
        {"his top Jacks draw the last one", "CJ SJ CA CT", "HJ", 3, true},
        {"ten cards: nothing played yet", "CJ SJ HJ DJ CA CT CK CQ C9 C8", "", 4, false},
        {"a single card", "CA", "CJ SJ HJ DJ", 0, false},
    };
    for (const auto& c : cases) {
        SetUp();
        EXPECT_EQ(LaysDown(c.hand, c.played, c.trumpsLeft), c.down) << c.name;
        if (c.down) {
            EXPECT_EQ(g_Game.OuvertAnnounced, 2) << c.name;
            EXPECT_TRUE(seat0.faceUp) << c.name;
        }
    }
}

TEST_F(EarlyFaceUpTest, ASuitBothOthersLackPassesWithoutItsRanks) {
    g_Knowledge.VoidTable[1][SPADES] = 0;
    g_Knowledge.VoidTable[2][SPADES] = 0;
    EXPECT_TRUE(LaysDown("HJ DJ S7 S8", "CJ SJ", 2));
}

TEST_F(EarlyFaceUpTest, RamschOnlyForAPlayerWhoWonEveryTrick) {
    g_Game.SetGameType(GAME_RAMSCH);
    g_Game.Soloist = NO_SEAT;
    g_Game.PartyTricks[0] = 2;
    g_Game.PartyTricks[1] = 1;
    EXPECT_FALSE(LaysDown("HJ DJ CA CT", "CJ SJ", 2));
    SetUp();
    g_Game.SetGameType(GAME_RAMSCH);
    g_Game.Soloist = NO_SEAT;
    g_Game.PartyTricks[0] = 3;
    EXPECT_TRUE(LaysDown("HJ DJ CA CT", "CJ SJ", 2));
}

TEST_F(EarlyFaceUpTest, ThePhraseIsSpokenOnceAndOnlyWithAVoice) {
    std::vector<std::vector<int>> spoken;
    g_ComputerFrame.PlayVoiceTerm = [&spoken](int term, int language, int voice, bool fromFile) {
        spoken.push_back({term, language, voice, fromFile ? 1 : 0});
    };
    // Voices off: laid down, nothing said, the announcement stays pending.
    EXPECT_TRUE(LaysDown("HJ DJ CA CT", "CJ SJ", 2));
    EXPECT_TRUE(spoken.empty());
    EXPECT_EQ(g_ComputerFrame.FaceUpAnnouncePending, 1);
    // Voices on, seat 0 speaks with voice 3 (its from-file flag is bit 4 x 2 + 3).
    g_Settings.Audio.Voice = (1 << 24) | 3 | (1 << 11);
    g_ComputerFrame.LanguageIndex = 1;
    AnnounceFaceUp(0);
    ASSERT_EQ(spoken.size(), 1u);
    EXPECT_EQ(spoken[0], (std::vector<int>{107, 1, 2, 1}));
    EXPECT_EQ(g_ComputerFrame.FaceUpAnnouncePending, 0);
    AnnounceFaceUp(0);
    EXPECT_EQ(spoken.size(), 1u);
    // The person's own face-up is spoken only with suggestions on; still announced.
    g_ComputerFrame.FaceUpAnnouncePending = 1;
    g_Settings.Options.Suggest = 0;
    AnnounceFaceUp(2);
    EXPECT_EQ(spoken.size(), 1u);
    EXPECT_EQ(g_ComputerFrame.FaceUpAnnouncePending, 0);
}

}  // namespace

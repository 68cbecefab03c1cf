// The history of the ten tricks: what InitHistory and SaveGameState write into the records.
#include "flow/TrickPlay.h"
#include "flow/FrameFixture.h"
#include "flow/MainFrame.h"

#include <cstring>

#include "computer/evaluation/FrameServices.h"
#include "model/CardKnowledge.h"
#include "model/GameState.h"
#include "model/PlayerData.h"
#include "model/Settings.h"
#include "model/Skat.h"
#include "support/SkatTestAccess.h"
#include "support/TrickPlayTestAccess.h"
#include "support/FrameGameAccess.h"

namespace {

using testsupport::FrameFixture;

class HistoryTest : public FrameFixture {
protected:
    // A distinct value in every place a record copies, so a field left out or crossed shows.
    void MarkState() {
        for (int seat = 0; seat < 3; ++seat) {
            CPlayer& player = SkatTestAccess::Player(FrameGameAccess::Game(Frame()), seat);
            const int base = 100 * (seat + 1);
            player.FaceUpSeen = base + 1;
            std::memset(&player.handInfo, 0, sizeof player.handInfo);
            player.handInfo.JackCount = base + 2;
            reinterpret_cast<std::int32_t*>(&player.handInfo)[286] = base + 3;  // the block's last word
            player.faceUp = seat == 1;
            player.forcedCard = base + 5;
            player.ForcedCardCount = base + 6;
            player.partnerTopSuits = base + 7;
            player.rememberedSuit = base + 8;
            player.durchmarschDecided = base + 9;
            player.durchmarschAim = base + 10;
            for (int suit = 0; suit < 4; ++suit) {
                player.SuitPlanSlots[suit] = {base + 20 + suit, base + 30 + suit};
                player.playedSuit[suit] = base + 40 + suit;
            }
            player.CardPlanCounter = base + 50;
        }
        for (int seat = 0; seat < 3; ++seat)
            for (int column = 0; column < VOID_COLUMNS; ++column)
                g_Knowledge.VoidTable[seat][column] = static_cast<unsigned char>(seat * 10 + column);
        for (int suit = 0; suit < 4; ++suit) g_Knowledge.UnseenSuitCounts[suit] = 60 + suit;
        for (int party = 0; party < 3; ++party) {
            g_Game.PartyPoints[party] = 70 + party;
            g_Game.PartyTricks[party] = 80 + party;
        }
        for (int i = 0; i < 5; ++i) g_Knowledge.TrickLeadCounts[i] = 90 + i;
        for (int i = 0; i < 4; ++i) g_Knowledge.LedSuitBySeat[i] = 95 + i;
        for (int i = 0; i < 32; ++i) SetCardLocation(NO_CARD, i % 3 - 2, i / 8, i % 8);
        g_Game.EarlyFaceUp = 201;
        g_Game.GameEndFlags = 202;
        g_Game.Leader = 1;
        g_Game.Forehand = 0;
        g_Game.Soloist = 2;
        g_Game.TrickWinner = 2;
        g_Game.TrumpCount = 206;
        g_Knowledge.PreferredSuit = 3;
        g_Game.OuvertAnnounced = 0;
        g_Game.KontraState = 4;
        g_ComputerFrame.FaceUpAnnouncePending = 1;
    }

    // Every field of a record against the marks (the played cards and the seat fields apart).
    void ExpectMarked(const GameSnapshot& record, int forehand, int trickWinner) {
        for (int seat = 0; seat < 3; ++seat) {
            const int base = 100 * (seat + 1);
            SCOPED_TRACE(seat);
            EXPECT_EQ(record.abandonOffer[seat], base + 1);
            EXPECT_EQ(record.handInfo[seat].JackCount, base + 2);
            EXPECT_EQ(reinterpret_cast<const std::int32_t*>(&record.handInfo[seat])[286], base + 3);
            EXPECT_EQ(record.forcedCard[seat], base + 5);
            EXPECT_EQ(record.forcedCardCount[seat], base + 6);
            EXPECT_EQ(record.partnerTopSuits[seat], base + 7);
            EXPECT_EQ(record.rememberedSuit[seat], base + 8);
            EXPECT_EQ(record.durchmarschDecided[seat], base + 9);
            EXPECT_EQ(record.durchmarschAim[seat], base + 10);
            for (int suit = 0; suit < 4; ++suit) {
                EXPECT_EQ(record.suitPlan[seat][2 * suit], base + 20 + suit);
                EXPECT_EQ(record.suitPlan[seat][2 * suit + 1], base + 30 + suit);
                EXPECT_EQ(record.playedSuit[seat][suit], base + 40 + suit);
            }
            for (int column = 0; column < VOID_COLUMNS; ++column) EXPECT_EQ(record.voidTable[seat][column], seat * 10 + column);
            EXPECT_EQ(record.partyPoints[seat], 70 + seat);
            EXPECT_EQ(record.partyTricks[seat], 80 + seat);
        }
        for (int suit = 0; suit < 4; ++suit) EXPECT_EQ(record.unseenSuitCounts[suit], 60 + suit);
        for (int i = 0; i < 5; ++i) EXPECT_EQ(record.trickLeadCounts[i], 90 + i);
        for (int i = 0; i < 4; ++i) EXPECT_EQ(record.ledSuitBySeat[i], 95 + i);
        for (int i = 0; i < 32; ++i) EXPECT_EQ(record.playedCardTable[i], i % 3 - 2);
        EXPECT_EQ(record.earlyFaceUp, 201);
        EXPECT_EQ(record.gameEndFlags, 202);
        EXPECT_EQ(record.forehand, forehand);
        EXPECT_EQ(record.soloist, 2);
        EXPECT_EQ(record.trickWinner, trickWinner);
        EXPECT_EQ(record.trumpCount, 206);
        EXPECT_EQ(record.preferredSuit, 3);
        EXPECT_EQ(record.kontraState, 4);
        EXPECT_EQ(record.faceUpAnnouncePending, 1);
    }
};

TEST_F(HistoryTest, SaveGameStateWritesEveryFieldAndKeepsThePlayedCards) {
    StartProgram();
    MarkState();
    CMainFrame& frame = Frame();
    // The third trick's cards as the play would have written them, without playing two tricks.
    TrickPlayState& record = TrickPlayTestAccess::Record(frame.FrameTrickPlay());
    record.HistoryPosition = 3;
    record.History[3].card[0] = 5;
    record.History[3].card[1] = 6;
    record.History[3].card[2] = 7;
    frame.FrameTrickPlay().SaveGameState(false);
    ExpectMarked(frame.TrickPlay().History[3], 0, 2);
    EXPECT_EQ(frame.TrickPlay().History[3].faceUp[0], 0);
    EXPECT_EQ(frame.TrickPlay().History[3].faceUp[1], 1);
    EXPECT_EQ(frame.TrickPlay().History[3].card[0], 5);
    EXPECT_EQ(frame.TrickPlay().History[3].card[1], 6);
    EXPECT_EQ(frame.TrickPlay().History[3].card[2], 7);
    EXPECT_EQ(frame.GameObject().Player(1)->CardPlanSnapshots[3].Counter, 250);

    // The spare goes to record 11 and leaves the trick's record alone.
    g_Game.EarlyFaceUp = 999;
    frame.FrameTrickPlay().SaveGameState(true);
    EXPECT_EQ(frame.TrickPlay().History[11].earlyFaceUp, 999);
    EXPECT_EQ(frame.TrickPlay().History[3].earlyFaceUp, 201);
    EXPECT_EQ(frame.GameObject().Person().CardPlanSnapshots[11].Counter, 350);
}

TEST_F(HistoryTest, InitHistoryStartsFromTheLeaderWithNoCardsPlayed) {
    StartProgram();
    MarkState();
    CMainFrame& frame = Frame();
    SkatTestAccess::Player(FrameGameAccess::Game(frame), 0).faceUp = true;
    for (int k = 0; k <= 11; ++k)
        for (int seat = 0; seat < 3; ++seat) TrickPlayTestAccess::Record(frame.FrameTrickPlay()).History[k].card[seat] = 9;
    // Left over from a game before: a history the new game must not keep.
    TrickPlayTestAccess::Record(frame.FrameTrickPlay()).RedoLimit = 4;
    frame.FrameTrickPlay().InitHistory();
    ExpectMarked(frame.TrickPlay().History[0], 1, 1);  // forehand and trick winner are the leader
    for (int k = 0; k <= 10; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(frame.TrickPlay().History[k].card[0] + frame.TrickPlay().History[k].card[1] +
                      frame.TrickPlay().History[k].card[2],
                  0);
        EXPECT_EQ(frame.TrickPlay().History[k].faceUp[0], 1);
    }
    EXPECT_EQ(frame.TrickPlay().History[11].card[0], 9);  // the spare is not touched
    EXPECT_EQ(frame.TrickPlay().HistoryPosition, 1);
    EXPECT_EQ(frame.TrickPlay().RedoLimit, 0);
}

// In an Ouvert game under the variant rules with Null Ouvert on, record 0 shows seat 0's hand
// closed whatever it showed; the other records keep the remembered flag.
TEST_F(HistoryTest, AnOuvertVariantGameStartsWithSeatZeroClosed) {
    struct Case {
        int ouvert, variant, nullOuvert, record0;
    };
    const Case cases[] = {{1, VARIANT_SKAT, 1, 0}, {0, VARIANT_SKAT, 1, 1}, {1, VARIANT_OFFICIAL, 1, 1}, {1, VARIANT_SKAT, 0, 1}};
    StartProgram();
    for (const Case& c : cases) {
        MarkState();
        SkatTestAccess::Player(FrameGameAccess::Game(Frame()), 0).faceUp = true;
        g_Game.OuvertAnnounced = c.ouvert;
        g_Game.VariantMode = c.variant;
        g_Settings.Variants.NullOuvert = c.nullOuvert;
        Frame().FrameTrickPlay().InitHistory();
        EXPECT_EQ(Frame().TrickPlay().History[0].faceUp[0], c.record0) << c.ouvert << c.variant << c.nullOuvert;
        EXPECT_EQ(Frame().TrickPlay().History[1].faceUp[0], 1);
    }
}

}  // namespace

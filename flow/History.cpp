// The history of the ten tricks: record 0 as play starts, one record per trick, the spare at the
// person's turn. Taking back and bringing again come with the play aids.
#include "flow/MainFrame.h"
#include "flow/TrickPlay.h"
#include "flow/MatchSeries.h"

#include <algorithm>
#include <iterator>

#include "computer/evaluation/ComputerState.h"
#include "computer/evaluation/FrameServices.h"
#include "model/FlowGlobals.h"
#include "model/CardCodes.h"
#include "model/CardKnowledge.h"
#include "model/GameState.h"
#include "model/PlayerData.h"
#include "model/Settings.h"
#include "model/Skat.h"
#include "model/Trace.h"

// Every field of the record but the played cards, from the players, the card knowledge and the
// game record as they stand.
void CTrickPlay::FillSnapshot(GameSnapshot& record) {
    for (int seat = 0; seat < 3; ++seat) {
        const CPlayer& player = *frame_.GameObject().Player(seat);
        record.abandonOffer[seat] = player.FaceUpSeen;
        record.handInfo[seat] = player.handInfo;
        if (seat < 2) record.faceUp[seat] = player.faceUp ? 1 : 0;
        record.forcedCard[seat] = player.forcedCard;
        record.forcedCardCount[seat] = player.ForcedCardCount;
        record.partnerTopSuits[seat] = player.partnerTopSuits;
        record.rememberedSuit[seat] = player.rememberedSuit;
        record.durchmarschDecided[seat] = player.durchmarschDecided;
        record.durchmarschAim[seat] = player.durchmarschAim;
        for (int suit = 0; suit < 4; ++suit) {
            record.suitPlan[seat][2 * suit] = player.SuitPlanSlots[suit].Card;
            record.suitPlan[seat][2 * suit + 1] = player.SuitPlanSlots[suit].Flag;
            record.playedSuit[seat][suit] = player.playedSuit[suit];
        }
    }
    std::copy(&g_Knowledge.VoidTable[0][0], &g_Knowledge.VoidTable[0][0] + 3 * VOID_COLUMNS, &record.voidTable[0][0]);
    std::copy(std::begin(g_Knowledge.UnseenSuitCounts), std::end(g_Knowledge.UnseenSuitCounts), record.unseenSuitCounts);
    for (int party = 0; party < 3; ++party) {
        record.partyPoints[party] = g_Game.PartyPoints[party];
        record.partyTricks[party] = g_Game.PartyTricks[party];
    }
    std::copy(std::begin(g_Knowledge.TrickLeadCounts), std::end(g_Knowledge.TrickLeadCounts), record.trickLeadCounts);
    std::copy(std::begin(g_Knowledge.LedSuitBySeat), std::end(g_Knowledge.LedSuitBySeat), record.ledSuitBySeat);
    for (int row = 0; row < DECK_SIZE; ++row) record.playedCardTable[row] = g_Knowledge.CardLocation(row);
    record.earlyFaceUp = g_Game.EarlyFaceUp;
    record.gameEndFlags = g_Game.GameEndFlags;
    record.forehand = g_Game.Forehand;
    record.soloist = g_Game.Soloist;
    record.trickWinner = g_Game.TrickWinner;
    record.trumpCount = g_Game.TrumpCount;
    record.preferredSuit = g_Knowledge.PreferredSuit;
    record.ouvertAnnounced = g_Game.OuvertAnnounced;
    record.kontraState = g_Game.KontraState;
    record.faceUpAnnouncePending = g_ComputerFrame.FaceUpAnnouncePending;
    record.trickLeadSuit = g_Knowledge.TrickLeadSuit;
    record.thrownOffSuit = g_Computer.ThrownOffSuit;
    std::copy(std::begin(g_Flow.SuitLedMarks), std::end(g_Flow.SuitLedMarks), record.suitLedMarks);
}

void CTrickPlay::InitHistory() {
    WriteTrace(":InitHistory()", LOG_MAINFRAME);
    // 1. Whether the computer at seat 0 lies face up.
    const unsigned char seat0Open = frame_.GameObject().Player(0)->faceUp ? 1 : 0;
    // 2. The history starts empty.
    trickPlay_.HistoryPosition = 0;
    trickPlay_.RedoLimit = 0;
    trickPlay_.SparePosition = -1;
    // 3. The first snapshot: the state as play starts, led by the leader.
    FillSnapshot(trickPlay_.History[0]);
    trickPlay_.History[0].forehand = trickPlay_.History[0].trickWinner = g_Game.Leader;
    // 4. No trick has a card yet; each snapshot knows whether seat 0 lies face up.
    for (int k = 0; k <= 10; ++k) {
        for (int& card : trickPlay_.History[k].card) card = 0;
        trickPlay_.History[k].faceUp[0] = seat0Open;
    }
    // 5. Under the variant's Null Ouvert rule an Ouvert game starts with seat 0's hand closed.
    if (g_Game.OuvertAnnounced && g_Game.VariantMode == VARIANT_SKAT && g_Settings.Variants.NullOuvert)
        trickPlay_.History[0].faceUp[0] = 0;
    // 6. The history stands at the first trick.
    trickPlay_.HistoryPosition = 1;
    // The record: the declaration and the skat as play starts (and the forehand as it is now).
    frame_.MatchSeries().NoteDeclaration();
}

void CTrickPlay::SaveGameState(bool spare) {
    const int k = spare ? 11 : trickPlay_.HistoryPosition;
    if (k < 0 || k > 11) return;
    if (spare) trickPlay_.SparePosition = trickPlay_.HistoryPosition;
    // The cards of the trick are written by OnPlay itself, card by card: they are kept.
    int kept[3];
    std::copy(std::begin(trickPlay_.History[k].card), std::end(trickPlay_.History[k].card), kept);
    FillSnapshot(trickPlay_.History[k]);
    std::copy(std::begin(kept), std::end(kept), trickPlay_.History[k].card);
    for (int seat = 0; seat < 3; ++seat) game_.Think(seat, [k](CPlayer& player) { player.SaveCardPlan(k); });
}

void CTrickPlay::ForgetHistory(bool forgetRedo) {
    trickPlay_.HistoryPosition = 0;
    if (forgetRedo) trickPlay_.RedoLimit = 0;
    trickPlay_.History[1].card[0] = trickPlay_.History[1].card[1] = 0;
}

void CTrickPlay::ClearHistory() { trickPlay_.HistoryPosition = trickPlay_.RedoLimit = 0; }

void CTrickPlay::LoadCourseSnapshot(int trick, int winner, const int (&partyPoints)[3]) {
    if (trick < 0 || trick > 11) return;
    trickPlay_.History[trick].trickWinner = winner;
    for (int party = 0; party < 3; ++party) trickPlay_.History[trick].partyPoints[party] = partyPoints[party];
}

void CTrickPlay::NoteFinalPoints(const int (&partyPoints)[3]) {
    for (int party = 0; party < 3; ++party) trickPlay_.History[10].partyPoints[party] = partyPoints[party];
}

void CTrickPlay::NoteKontraInHistory(int kontraState) {
    if (trickPlay_.HistoryPosition >= 0 && trickPlay_.HistoryPosition < 12)
        trickPlay_.History[trickPlay_.HistoryPosition].kontraState = kontraState;
}

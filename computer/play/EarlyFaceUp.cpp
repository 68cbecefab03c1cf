// A Grand soloist (in Ramsch a player aiming at Durchmarsch) who is about to lead and can no longer
// lose a trick lays the rest of his hand face up and says so.
#include "computer/play/EarlyFaceUp.h"

#include "computer/evaluation/FrameServices.h"
#include "computer/play/GrandPlay.h"
#include "model/CardCodes.h"
#include "model/CardKnowledge.h"
#include "model/GameState.h"
#include "model/GameTypeLookups.h"
#include "model/Player.h"
#include "model/Settings.h"
#include "model/Trace.h"

namespace {

constexpr int kTermFaceUp = 107;
constexpr int kTermFaceUpNull = 116;
constexpr int kVoicesOn = 1 << 24;

// The suit test: none of the highest held cards, as many as cards are still out, is outranked by
// a card still out.
bool SuitIsSafe(const CPlayer& player, int suit) {
    if (!MayHoldSuit(player, NextSeat(player.seat), suit) && !MayHoldSuit(player, PreviousSeat(player.seat), suit))
        return true;
    int heldCount = 0, outCount = 0;
    int heldPositions[7] = {};
    int highestOut = 8;
    for (int i = 0; i < 7; ++i) {
        const int rank = SuitRankList[i];
        if (player.handInfo.RankTable[suit][rank] != -1) {
            heldPositions[heldCount++] = i + 1;
        } else if (!IsCardGone(suit, rank, player.seat)) {
            if (outCount == 0) highestOut = i + 1;
            ++outCount;
        }
    }
    const int m = heldCount < outCount ? heldCount : outCount;
    const int p = heldPositions[m == 0 ? 0 : m - 1];
    return p <= highestOut;
}

}  // namespace

void AnnounceFaceUp(int seat) {
    // 1. The soloist speaks; in Ramsch the seat leading.
    const int speaker = g_Game.GameType == GAME_RAMSCH ? g_Game.Forehand : g_Game.Soloist;
    const int word = g_Settings.Audio.Voice;
    const int voice = speaker >= 0 && speaker <= 2 ? (word >> (4 * speaker)) & 7 : 0;
    // 2. Only while pending, with voices on and a voice for that seat.
    if (g_ComputerFrame.FaceUpAnnouncePending != 1 || !(word & kVoicesOn) || voice == 0) return;
    // 3. The person's own face-up is spoken only with suggestions on.
    if (seat != 2 || g_Settings.Options.Suggest) {
        const int term = IsNullGame() ? kTermFaceUpNull : kTermFaceUp;
        const bool fromFile = ((word >> (4 * (voice - 1) + 3)) & 1) != 0;
        if (g_ComputerFrame.PlayVoiceTerm)
            g_ComputerFrame.PlayVoiceTerm(term, g_ComputerFrame.LanguageIndex, voice - 1, fromFile);
    }
    // 4. Announced.
    g_ComputerFrame.FaceUpAnnouncePending = 0;
}

void CGrandPlay::EarlyFaceUpGrand() {
    const int jacks = me.handInfo.JackCount;
    const int others = g_Game.TrumpCount - jacks;
    // 1. Ramsch: only a player who has won every trick so far.
    if (g_Game.GameType == GAME_RAMSCH) {
        if (me.seat < 0 || me.seat > 2) return;
        const int all = g_Game.PartyTricks[0] + g_Game.PartyTricks[1] + g_Game.PartyTricks[2];
        if (g_Game.PartyTricks[me.seat] != all) return;
    }
    // 2. The trumps: none out, or his top Jacks draw them.
    if (others != 0) {
        if (jacks < others) return;
        const int top = PickHighestInSuit(me, -1, true);
        if (!IsTopCard(me, top, -1, -1)) return;
        if (others != 1 && !IsTopCard(me, PickTrumpBelow(me, top), top, -1)) return;
    }
    // 3. Every plain suit he holds is safe.
    for (int suit = 0; suit < 4; ++suit)
        if (me.handInfo.SuitCount[suit] > 0 && !SuitIsSafe(me, suit)) return;
    // 4. Laid face up once he has played a card and holds at least two.
    if (me.count <= 1 || me.count >= 10) return;
    AnnounceFaceUp(me.seat);
    g_Game.EarlyFaceUp = 1;
    if (me.seat == 0 || me.seat == 1) {
        me.OpenCards();
        if (g_Game.OuvertAnnounced == 0) g_Game.OuvertAnnounced = 2;
    }
    WriteTrace(":EarlyFaceUpGrand(" + me.name + ")", LOG_MAINFRAME);
}

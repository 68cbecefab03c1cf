// Two decisions between cards: the suit soloist who cannot lose another trick lays his cards face
// up, and in Ramsch the leader of a trick decides whether he goes for Durchmarsch.
#include "computer/play/SuitSoloistPlay.h"
#include "computer/play/TrickCardChoice.h"
#include "model/GameTypeLookups.h"
#include "model/Player.h"

#include "computer/play/EarlyFaceUp.h"
#include "model/CardCodes.h"
#include "model/CardKnowledge.h"
#include "model/GameState.h"
#include "model/Trace.h"

namespace {

// The cards of an effective suit from the highest down: the trump column starts with the four
// Jacks (Clubs to Diamonds), every suit then runs Ace, Ten, King, Queen, 9, 8, 7.
int RankLadder(int suit, bool trumps, int* ladder) {
    int n = 0;
    if (trumps)
        for (int jack = 0; jack < 4; ++jack) ladder[n++] = CardCodeOf(JACK, jack);
    for (int i = 0; i < 7; ++i) ladder[n++] = CardCodeOf(SuitRankList[i], suit);
    return n;
}

// Whether the held cards of the ladder draw every outstanding card: the held card at place m
// (m = the smaller of held and outstanding, counted from the top) stands above the highest
// outstanding card. requireEnough: fewer held than outstanding fails (the trumps).
bool HeldCardsDrawOutstanding(const CPlayer& player, const int* ladder, int n, bool requireEnough) {
    int held = 0, out = 0, firstOut = -1;
    int heldPlaces[11];
    for (int i = 0; i < n; ++i) {
        const int card = ladder[i];
        if (player.HasCard(card)) {
            heldPlaces[held++] = i;
        } else if (!IsCardGone(GetCardSuit(card, true), GetCardRank(card), player.seat)) {
            if (firstOut < 0) firstOut = i;
            ++out;
        }
    }
    if (requireEnough && held < out) return false;
    const int m = held < out ? held : out;
    if (out == 0 || m == 0) return out == 0;
    return heldPlaces[m - 1] < firstOut;
}

}  // namespace

void CSuitSoloistPlay::EarlyFaceUpSuit() {
    const int type = g_Game.GameType;
    if (!IsSuitGame(type) || me.seat < 0 || me.seat > 2) return;
    int ladder[11];
    // 1. Trumps: his highest trumps must draw every trump still out.
    const int trumps = me.GetTrumpCount();
    if (trumps != g_Game.TrumpCount) {
        const int n = RankLadder(type, true, ladder);
        if (!HeldCardsDrawOutstanding(me, ladder, n, true)) return;
    }
    // 2. Side suits: each held suit that an opponent may still hold must run from the top.
    for (int s = 0; s < 4; ++s) {
        if (s == type || me.CountInSuit(s) == 0) continue;
        if (!MayHoldSuit(me, (me.seat + 1) % 3, s) && !MayHoldSuit(me, (me.seat + 2) % 3, s)) continue;
        const int n = RankLadder(s, false, ladder);
        if (!HeldCardsDrawOutstanding(me, ladder, n, false)) return;
    }
    // 3. Sure of every trick: with more than one card he lays them down and says so.
    if (me.count <= 1) return;
    AnnounceFaceUp(me.seat);
    g_Game.EarlyFaceUp = 1;
    if (me.seat != 2) {
        me.OpenCards();
        if (g_Game.OuvertAnnounced == 0) g_Game.OuvertAnnounced = 2;
    }
    WriteTrace(":EarlyFaceUpSuit(" + me.name + ")", LOG_MAINFRAME);
}

void CSuitSoloistPlay::CheckDurchmarsch() {
    if (me.seat < 0 || me.seat > 2) return;
    // 1. The first look: nobody else has taken a point, his top Jack run is sure and he holds
    //    at least as many Jacks as are still out. A failed test ends the call undecided.
    if (me.durchmarschDecided == 0) {
        const int jack = PickJack(me, 0);
        if (g_Game.PartyPoints[(me.seat + 1) % 3] != 0 || g_Game.PartyPoints[(me.seat + 2) % 3] != 0) {
            me.durchmarschAim = 0;
            return;
        }
        if (me.handInfo.JackCount > 0 && !IsTopCard(me, jack, -1, -1)) {
            me.durchmarschAim = 0;
            return;
        }
        if (me.handInfo.JackCount < g_Game.TrumpCount - me.handInfo.JackCount) {
            me.durchmarschAim = 0;
            return;
        }
        me.durchmarschDecided = 1;
    }
    // 2. His highest Jack while Jacks are in play (0: none left).
    const int top = g_Game.TrumpCount != 0 ? PickJack(me, -1) : 0;
    const bool topSure = top == 0 || IsTopCard(me, top, -1, -1);
    // 3. An aim is dropped once his highest Jack is no longer sure.
    if (me.durchmarschAim == 1) {
        if (!topSure) me.durchmarschAim = 0;
        return;
    }
    // 4. Otherwise it is taken up when the Jacks allow it and the hand passes the test.
    if (!topSure) return;
    if (CTrickCardChoice(me).ChooseCardByMode(6, -1) != NO_CARD) me.durchmarschAim = 1;
}

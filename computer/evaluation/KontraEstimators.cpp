// The Kontra estimators of the suit games, Null and Revolution, and the Rekontra of Null and
// Revolution. A defender judges his ten cards (and the soloist's open hand where he may see it);
// the soloist judges whether his Null is still safe.

#include "computer/evaluation/FrameServices.h"
#include "computer/evaluation/GameEvaluation.h"
#include "computer/evaluation/GameOption.h"
#include "computer/evaluation/HandPredicates.h"
#include "computer/evaluation/Kontra.h"
#include "computer/evaluation/KontraDecision.h"
#include "computer/play/CardQueries.h"
#include "computer/play/NullPlay.h"
#include "model/GameState.h"
#include "model/GameTypeLookups.h"
#include "model/Settings.h"
#include "model/CardCodes.h"
#include "model/Player.h"
#include "model/Skat.h"

namespace {

void Kontra(CPlayer& player, int type, int code) {
    player.gameOptions[type][OPT_RULE] = code;
    g_Game.KontraState = KONTRA_SAID;
    g_Game.KontraSeat = player.seat;
}

// The card of a seat lying in the current trick, -1 when there is none.
int TrickCardOf(int seat) {
    if (g_ComputerFrame.Game == nullptr || seat < 0 || seat > 2) return NO_CARD;
    const CTrick& trick = g_ComputerFrame.Game->Trick();
    if (seat >= static_cast<int>(trick.present.size()) || !trick.present[seat]) return NO_CARD;
    return trick.cards[seat];
}

// The held cards of suit s in Null order, lowest first; returns the count.
int HeldLowestFirst(const CPlayer& player, int s, int* out) {
    int n = 0;
    for (int i = 7; i >= 0; --i) {
        const int card = HeldCard(player, s, NullRankList[i]);
        if (card != NO_CARD) out[n++] = card;
    }
    return n;
}

// Cards of suit s still out for the player.
int OutCount(const CPlayer& player, int s) {
    int n = 0;
    for (int rank = 0; rank < 8; ++rank) n += IsOut(player, CardCodeOf(rank, s)) ? 1 : 0;
    return n;
}

// The rule of rule 3: a short trump holding with three matadors and two covered side suits.
bool ShortTrumpsWithMatadors(const HandInfo& info, int t, int T) {
    return T > 2 && info.MatadorRun > 2 &&
           ((HasAceCoverInOtherSuits(info, t, 1, 1) && HasCoverInOtherSuits2(info, t, 1, 1)) ||
            HasAceCoverInOtherSuits(info, t, 2, 1) || HasCoverInOtherSuits2(info, t, 2, 1));
}

}  // namespace

void CKontraDecision::EstimateKontraSuit() {
    const int t = g_Game.GameType;
    if (!IsSuitGame(t)) return;
    const HandInfo& info = me.handInfo;
    const int J = info.JackCount, M = info.MatadorRun, A = info.AceSuitCount;
    const int T = info.SuitCount[t] + J;
    auto held = [&](int s, int rank) { return info.RankTable[s][rank] >= 0; };
    int& code = me.gameOptions[t][OPT_RULE];
    // Rule 1: the soloist's cards lie open; the person's hand is judged first.
    if (g_Game.OuvertAnnounced && me.partner != nullptr) {
        if (me.partner->seat == 2 && me.partner->count == 10) CGameEvaluation(*me.partner).EvaluateSuit(0, t);
        const int w = me.partner->gameOptions[t][OPT_PROBABILITY];
        if (w <= 49) return Kontra(me, t, 2993);
        if (w >= 60) return;
    }
    // Rule 2: many trumps.
    code = 0;
    if (T > 4 && (T > 5 || !CountSingleSuits(info, 1))) {
        if (M >= 1 || M == -1) Kontra(me, t, 2999);
        else if (J > 0 && (HasAceCoverInOtherSuits(info, t, 1, 1) || HasCoverInOtherSuits2(info, t, 1, 1)))
            Kontra(me, t, 2998);
    }
    // Rule 3: few trumps.
    if (T < 4) {
        if (ShortTrumpsWithMatadors(info, t, T)) Kontra(me, t, 2980);
        return;
    }
    // Rule 4: three Jacks and a long high side suit, or two guarded Tens.
    if (M > 0 && J > 2) {
        for (int s = 0; s < 4; ++s)
            if (s != t && (held(s, ACE) || held(s, TEN)) && info.SuitCount[s] > 3) return Kontra(me, t, 2996);
        int guardedTens = 0;
        for (int s = 0; s < 4; ++s) {
            if (s == t) continue;
            if (held(s, ACE) || (held(s, TEN) && info.SuitCount[s] < 2)) break;
            if (held(s, TEN) && ++guardedTens == 2) return Kontra(me, t, 2995);
        }
    }
    // Rule 5: with or without the top Jack, Aces and a short suit.
    if (M >= 1 || M == -1) {
        if (A >= 2 && info.ShortSuitCount >= 1) return Kontra(me, t, 2994);
        if (HasAceCoverInOtherSuits(info, t, 1, 5)) return Kontra(me, t, 2992);
    }
    // Rule 6: two Jacks, weighed against the soloist's card in the trick.
    if (J >= 2) {
        if (HasCoverInOtherSuits(info, t, 1, 1) || HasAceCoverInOtherSuits(info, t, 2, 1)) return Kontra(me, t, 2991);
        const int S = TrickCardOf(g_Game.Soloist);
        const int P = GetCardPoints(S);
        const int n = NextHigherInSuit(me, S);
        const int effective = S != NO_CARD ? GetCardSuit(S, false) : -1;
        if (g_Game.Forehand == g_Game.Soloist) {
            // The cards this player holds of the led card's suit: for a trump (a Jack too) his
            // trumps, else his cards of that suit.
            const int ofLedSuit = effective == t ? T : me.CountInSuit(effective);
            const bool goOn = (n == NO_CARD || GetCardPoints(n) + P < 5) && (S == NO_CARD || ofLedSuit != 1) &&
                              info.ShortSuitCount < 1 && !HasAceCoverInOtherSuits(info, t, 1, 1);
            if (!goOn) return Kontra(me, t, 2991);
        } else {
            const int L = TrickCardOf(g_Game.Forehand);
            const int leadSuit = L != NO_CARD ? GetCardSuit(L, false) : -1;
            const bool follows = S != NO_CARD && L != NO_CARD && effective == leadSuit;
            const bool beats = (follows && GetCardOrder(S) < GetCardOrder(L)) ||
                               (n != NO_CARD && GetCardOrder(n) > GetCardOrder(S)) ||
                               (S != NO_CARD && L != NO_CARD && !follows && effective != t);
            if (beats && GetCardPoints(n) + 2 * P > 4) return Kontra(me, t, 2991);
            if (info.ShortSuitCount >= 1) return Kontra(me, t, 2991);
        }
    }
    // Rule 7: two Jacks (or one and the trump Ace) with three Aces; or short trumps with matadors.
    if ((J >= 2 || (J == 1 && held(t, ACE))) && A >= 3) return Kontra(me, t, 2990);
    if (ShortTrumpsWithMatadors(info, t, T)) Kontra(me, t, 2980);
}

void CKontraDecision::EstimateKontraNull() {
    const int type = g_Game.GameType;
    // Rule 1: the soloist's cards are hidden from the defenders.
    const bool hidden = !g_Game.OuvertAnnounced || g_Game.VariantMode == VARIANT_RAMSCH_ONLY ||
                        (g_Game.VariantMode == VARIANT_SKAT && g_Settings.Variants.NullOuvert);
    if (hidden || me.partner == nullptr) {
        for (int s = 0; s < 4; ++s) {
            if (me.CountInSuit(s) != 4) continue;
            const bool ace = HeldCard(me, s, ACE) != NO_CARD, seven = HeldCard(me, s, SEVEN) != NO_CARD;
            if ((ace || seven) && HeldCard(me, s, EIGHT) == NO_CARD) return Kontra(me, type, 6220);
        }
        return;
    }
    // Rule 2: the open hand against this player's cards, suit by suit.
    const CPlayer& open = *me.partner;
    me.forcedCard = 0;
    const bool soloistLeads = g_Game.Forehand == g_Game.Soloist;
    for (int s = 0; s < 4; ++s) {
        if (CNullPlay(open).EvaluateNullFollow(NO_CARD, s)) continue;
        int mine[8], theirs[8];
        const int a = HeldLowestFirst(me, s, mine), b = HeldLowestFirst(open, s, theirs);
        if (b == 1 && a >= 1 && GetCardOrder(theirs[0]) >= 2 && GetCardOrder(theirs[0]) > GetCardOrder(mine[0]))
            return Kontra(me, type, 6264);
        if (a == 2 && b > 4 && IsSuitSafe(me, mine[0], NO_CARD, NO_CARD)) return Kontra(me, type, 6263);
        const int k = a < b ? a : b;
        if (k >= 1 && GetCardOrder(theirs[k - 1]) > GetCardOrder(mine[k - 1]) && (b >= 2 || (b == 1 && a >= 5)) &&
            !(soloistLeads && GetCardOrder(theirs[b - 1]) < 2))
            return Kontra(me, type, 6261);
    }
    // Rule 3: a suit the open hand lacks, which this player can lead to force the soloist in.
    if (g_Game.Forehand != me.seat && !soloistLeads) return;
    for (int s = 0; s < 4; ++s) {
        if (CNullPlay(open).EvaluateNullFollow(NO_CARD, s) || open.CountInSuit(s) != 0 || me.CountInSuit(s) <= 2)
            continue;
        int mine[8];
        const int a = HeldLowestFirst(me, s, mine);
        const int outCount = OutCount(me, s);
        const int k = a < outCount ? a : outCount;
        const int lowestOut = LowestCardOutInSuit(me, s);
        if (k < 1 || lowestOut == NO_CARD || GetCardOrder(mine[k - 1]) <= GetCardOrder(lowestOut)) continue;
        for (int u = 0; u < 4; ++u) {
            if (u == s) continue;
            const int low = PickLowestInSuit(me, u, true), high = HighestCardOutInSuit(me, u);
            if (low == NO_CARD || high == NO_CARD || GetCardOrder(low) >= GetCardOrder(high)) continue;
            me.forcedCard = low;
            me.gameOptions[type][OPT_RULE] = 6262;
            // The partner may still announce it himself while this player holds all ten cards.
            const int other = 3 - me.seat - g_Game.Soloist;
            const bool partnerMay = other >= 0 && other <= 2 && g_Game.VariantMode == VARIANT_SKAT && g_Game.HasBid[other];
            if (me.count == 10 && g_Game.KontraState == KONTRA_NONE && partnerMay && g_Settings.Variants.Kontra) return;
            return Kontra(me, type, 6262);
        }
    }
}

void CKontraDecision::EstimateKontraRevolution() {
    // A card committed by the Revolution exchange means the soloist can be caught.
    if (me.forcedCard != 0) {
        g_Game.KontraState = KONTRA_SAID;
        g_Game.KontraSeat = me.seat;
        return;
    }
    if (me.count == 10 && g_Game.GameType >= 0 && g_Game.GameType < GAME_OPTION_COUNT)
        me.gameOptions[g_Game.GameType][OPT_RULE] = 0;
    EstimateKontraNull();
}

void CKontraDecision::EstimateRekontraNull() {
    // The soloist reads his own hand when no open-hand link is set.
    const CPlayer& hand = me.partner != nullptr ? *me.partner : me;
    int& code = me.gameOptions[GAME_NULL][OPT_RULE];
    if (me.forcedCard == -1 || !CNullPlay(hand).EvaluateNullFollow(NO_CARD, -1)) {
        code = 0;
        return;
    }
    g_Game.KontraState = KONTRA_REKONTRA;
    code = 6210;
}

void CKontraDecision::EstimateRekontraRevolution() { EstimateRekontraNull(); }

#include "computer/evaluation/Kontra.h"

#include "computer/evaluation/BidEvaluation.h"
#include "computer/evaluation/GameEvaluation.h"
#include "computer/evaluation/GameOption.h"
#include "computer/evaluation/HandPredicates.h"
#include "computer/evaluation/KontraDecision.h"
#include "computer/evaluation/TrickEstimator.h"
#include "computer/play/CardQueries.h"
#include "model/GameState.h"
#include "model/GameTypeLookups.h"
#include "model/Settings.h"
#include "model/CardCodes.h"
#include "model/Player.h"
#include "model/Trace.h"

namespace {

int& DecisionCode(CPlayer& player) {
    const int t = g_Game.GameType >= 0 && g_Game.GameType < GAME_OPTION_COUNT ? g_Game.GameType : GAME_GRAND;
    return player.gameOptions[t][OPT_RULE];
}

void Kontra(CPlayer& player, int code) {
    DecisionCode(player) = code;
    g_Game.KontraState = KONTRA_SAID;
    g_Game.KontraSeat = player.seat;
}

void RunEstimator(CPlayer& player) {
    const int type = g_Game.GameType;
    if (IsSuitGame(type)) CKontraDecision(player).EstimateKontraSuit();
    else if (type == GAME_NULL) CKontraDecision(player).EstimateKontraNull();
    else if (type == GAME_REVOLUTION) CKontraDecision(player).EstimateKontraRevolution();
    else if (type == GAME_GRAND) CKontraDecision(player).EstimateKontraGrand();
}

bool RamschRoundOrOnly() { return g_Game.RoundStatus == ROUND_RAMSCH || g_Game.VariantMode == VARIANT_RAMSCH_ONLY; }

}  // namespace

bool KontraPermitted(const CPlayer& player) {
    if (player.seat == g_Game.Soloist || player.count != 10 || g_Game.KontraState != KONTRA_NONE) return false;
    bool allowed = false;
    const bool grand = g_Game.GameType == GAME_GRAND;
    if (g_Game.VariantMode == VARIANT_SKAT) {
        const bool bid = player.seat >= 0 && player.seat < 3 && g_Game.HasBid[player.seat];
        allowed = bid || (g_Game.RoundStatus == ROUND_RAMSCH && grand);
    } else if (g_Game.VariantMode == VARIANT_RAMSCH_ONLY) {
        allowed = grand;
    }
    return allowed && g_Settings.Variants.Kontra;
}

bool CKontraDecision::AnnounceKontra() {
    // Step 1: never the soloist, and only once a game.
    if (me.seat == g_Game.Soloist || g_Game.KontraState != KONTRA_NONE) return false;
    // Step 2 and 3: a decision kept from the ten-card estimate still counts.
    if (me.count == 10) DecisionCode(me) = 0;
    if (DecisionCode(me) >= 1) {
        g_Game.KontraState = KONTRA_SAID;
        g_Game.KontraSeat = me.seat;
    } else if (KontraPermitted(me)) {
        RunEstimator(me);
    }
    const bool said = g_Game.KontraState == KONTRA_SAID;
    if (said) WriteTrace("CComputer::AnnounceKontra(" + me.name + ")", 8);
    return said;
}

bool CKontraDecision::DecideKontra() {
    if (g_Game.Soloist == 2 || me.count != 10 || g_Game.KontraState != KONTRA_NONE || me.seat == g_Game.Soloist)
        return false;
    if (!KontraPermitted(me)) return false;
    // Only a question: the state and the seat are put back as they were.
    const int previousSeat = g_Game.KontraSeat;
    RunEstimator(me);
    const bool would = g_Game.KontraState == KONTRA_SAID;
    g_Game.KontraState = KONTRA_NONE;
    g_Game.KontraSeat = previousSeat;
    return would;
}

bool CKontraDecision::AnnounceRekontra() {
    const int type = g_Game.GameType;
    if (IsSuitGame(type)) EstimateRekontraSuit();
    else if (type == GAME_NULL) EstimateRekontraNull();
    else if (type == GAME_REVOLUTION) EstimateRekontraRevolution();
    else if (type == GAME_GRAND) EstimateRekontraGrand();
    const bool said = g_Game.KontraState == KONTRA_REKONTRA;
    if (said) WriteTrace(":AnnounceRekontra(" + me.name + ")", 8);
    return said;
}

void CKontraDecision::EstimateRekontraSuit() {
    const int t = g_Game.GameType;
    const int n = me.EstimateTricks(t);
    if (n >= 7 || (n == 6 && me.handInfo.MatadorRun >= 2)) {
        g_Game.KontraState = KONTRA_REKONTRA;
        me.gameOptions[t][OPT_RULE] = 3520;
    } else {
        me.gameOptions[t][OPT_RULE] = 0;
    }
}

void CKontraDecision::EstimateRekontraGrand() {
    int* o = me.gameOptions[GAME_GRAND];
    const int n = me.EstimateTricks(GAME_GRAND);
    const bool ouvert = o[OPT_OUVERT] != 0, schneider = o[OPT_SCHNEIDER] != 0, schwarz = o[OPT_SCHWARZ] != 0;
    auto rekontra = [&](int code) {
        g_Game.KontraState = KONTRA_REKONTRA;
        o[OPT_RULE] = code;
    };
    if (schwarz || ouvert) {
        if (n == 10) return rekontra(3520);
        if (schwarz || g_Settings.Variants.Schneider == 3) {
            o[OPT_RULE] = 0;
            return;
        }
    }
    if (!schneider) {
        if (n < 7) o[OPT_RULE] = 0;
        else rekontra(3517);
    } else {
        if (n < 9) o[OPT_RULE] = 0;
        else rekontra(3519);
    }
}

void CKontraDecision::EstimateKontraGrand() {
    const HandInfo& info = me.handInfo;
    const int J = info.JackCount, M = info.MatadorRun, A = info.AceSuitCount;
    auto held = [&](int s, int rank) { return info.RankTable[s][rank] >= 0; };
    auto aceOrTen = [&](int s) { return held(s, ACE) || held(s, TEN); };
    // Rule 1: the soloist's cards lie open.
    if (g_Game.OuvertAnnounced && me.partner) {
        CPlayer& soloistHand = *me.partner;
        if (soloistHand.seat == 2) CGameEvaluation(soloistHand).EvaluateGrand(0);
        const int* o = soloistHand.gameOptions[GAME_GRAND];
        const int w = o[OPT_PROBABILITY];
        if (w <= 49) return Kontra(me, 3535);
        if (w >= 60 && !o[OPT_SCHNEIDER]) return;
        if (o[OPT_SCHNEIDER]) {
            for (int s = 0; s < 4; ++s) {
                int mine[8], theirs[8];
                const int a = CollectSuit(me, s, true, mine), b = CollectSuit(soloistHand, s, true, theirs);
                if (a >= 2 && b >= 2 && GetCardOrder(theirs[0]) < GetCardOrder(mine[0]) &&
                    GetCardOrder(theirs[1]) < GetCardOrder(mine[1]))
                    return Kontra(me, 3534);
            }
        }
    }
    // Rule 2: a run of three matadors or more with cover in the other suits.
    DecisionCode(me) = 0;
    if (M >= 3 && ((HasAceCoverInOtherSuits(info, 6, 1, 1) && HasCoverInOtherSuits2(info, 6, 1, 1)) ||
                   HasAceCoverInOtherSuits(info, 6, 2, 1) || HasCoverInOtherSuits2(info, 6, 2, 1)))
        return Kontra(me, 3570);
    // Rule 3: a run of two or more in forehand, with a long suit under its Ace or Ten.
    if (M > 1 && me.seat == g_Game.Forehand)
        for (int s = 0; s < 4; ++s)
            if (info.SuitCount[s] > 3 && aceOrTen(s)) return Kontra(me, 3560);
    // Rule 4: a run and two Jacks, with a long or well-covered suit under its Ace or Ten.
    if (M > 0 && J > 1) {
        for (int s = 0; s < 4; ++s)
            if (aceOrTen(s) && (info.SuitCount[s] >= 5 || (A > 1 && info.SuitCount[s] > 2))) return Kontra(me, 3551);
        if (RamschRoundOrOnly()) {
            int T = 0, X = 0;
            for (int s = 0; s < 4; ++s) {
                T += held(s, TEN) ? 1 : 0;
                X += info.SuitCount[s] > 2 && held(s, ACE) ? 1 : 0;
            }
            if (A > 2 || (A > 1 && (T > 0 || X > 0))) return Kontra(me, 3550);
        }
    }
    bool finalTest = false;
    // Rule 5: three Jacks or more, with Aces and cover, or a long suit under its Ace, Ten or King.
    if (J > 2) {
        const int strength = A + (HasCoverInOtherSuits(info, 6, 1, 1) ? 1 : 0) + (HasTenCoverInOtherSuits(info, 6, 1, 1) ? 1 : 0) +
                             (HasCoverInOtherSuits2(info, 6, 1, 1) ? 1 : 0);
        if (strength > 2) return Kontra(me, 3549);
        for (int s = 0; s < 4; ++s)
            if (info.SuitCount[s] > 3 && (aceOrTen(s) || held(s, KING))) return Kontra(me, 3548);
    }
    // Rule 6: fewer than two Jacks: only the final test.
    if (J < 2) finalTest = true;
    // Rule 7: three Aces, or a long suit under its Ace unless short of suits beside other high cards.
    if (!finalTest) {
        if (A >= 3) return Kontra(me, 3538);
        int found = -1;
        for (int s = 0; s < 4 && found < 0; ++s)
            if (info.SuitCount[s] > 5 && held(s, ACE)) found = s;
        bool otherHigh = false;
        for (int s = 0; s < 4; ++s) otherHigh = otherHigh || (s != found && aceOrTen(s));
        if (found >= 0 && !(info.ShortSuitCount < 2 && otherHigh)) return Kontra(me, 3537);
    }
    // Rule 8: the final test.
    if (RamschRoundOrOnly() && me.seat == g_Game.Forehand && J >= 2 && HasCoverInOtherSuits(info, 6, 2, 1) &&
        HasTenCoverInOtherSuits(info, 6, 1, 1) && CountHighPatterns(info, 6, 3, 1))
        return Kontra(me, 3536);
    if (J > g_Game.TrumpCount - J && IsTopCard(me, PickJack(me, 0), -1, -1) && info.ShortSuitCount > 0)
        for (int s = 0; s < 4; ++s)
            if (info.SuitCount[s] > 3 && aceOrTen(s)) return Kontra(me, 3530);
}

#include "computer/evaluation/BidEvaluation.h"

#include "computer/evaluation/ComputerState.h"
#include "computer/evaluation/GameOption.h"
#include "computer/evaluation/HandPredicates.h"
#include "computer/evaluation/TrickEstimator.h"
#include "flow/GameState.h"
#include "model/CardCodes.h"
#include "model/Player.h"

void CPlayer::EvaluateGrand(int mode) {
    HandInfo& info = handInfo;
    int* opt = gameOptions[GAME_GRAND];
    // Step 1: the Grand trick estimate.
    int E = EstimateTricks(GAME_GRAND);
    const int P = TricksToPercent(E);
    for (int f : {OPT_BASE, OPT_VALUE_NO_HAND, OPT_VALUE, OPT_BIDDING_LEVEL, OPT_HAND, OPT_OUVERT, OPT_SCHNEIDER,
                  OPT_SCHWARZ, OPT_RULE, OPT_SUIT_COUNT, OPT_JACK_COUNT})
        opt[f] = 0;
    opt[OPT_TRICKS] = E;
    if (mode == 0 || opt[OPT_PROBABILITY] < P) opt[OPT_PROBABILITY] = P;
    const int R = info.MatadorRun, V = info.ShortSuitCount, A = info.AceSuitCount, T = info.TenSuitCount;
    int J = info.JackCount;
    const bool F = seat == g_Game.Forehand;
    const bool grandHand = g_Computer.GrandHandQuery != 0;
    const int hand = mode == 0 ? (CountSingleSuits(info, 2) ? 0 : 1) : 0;
    auto Ak = [&](int k, int l) { return HasAceCoverInOtherSuits(info, 6, k, l); };
    auto ATk = [&](int k, int l) { return HasCoverInOtherSuits(info, 6, k, l); };
    auto ATKk = [&](int k, int l) { return HasTenCoverInOtherSuits(info, 6, k, l); };
    auto TKk = [&](int k, int l) { return HasCoverInOtherSuits2(info, 6, k, l); };
    auto TQKk = [&](int k, int l) { return HasCoverInOtherSuits6(info, 6, k, l); };
    auto Tp = [&](int k, int l) { return CountHighPatterns(info, 6, k, l); };
    // A rule: base 24 (unless said), Hand as above, optionally Ouvert; the code only rises.
    auto rule = [&](int code, bool setHand, bool ouvert, bool setBase = true) {
        if (setBase) opt[OPT_BASE] = 24;
        if (setHand) opt[OPT_HAND] = hand;
        if (ouvert) opt[OPT_OUVERT] = CheckOuvertRule(opt[OPT_HAND], 0);
        if (code > opt[OPT_RULE]) opt[OPT_RULE] = code;
    };
    auto longest = [&]() {
        int best = 0;
        for (int s = 0; s < 4; ++s) best = info.SuitCount[s] > best ? info.SuitCount[s] : best;
        return best;
    };
    bool onlyLast = false;
    // Step 2: all four Jacks.
    if (R == 4) {
        if (E >= 8) {
            rule(3421, true, true);
            if (E >= 9) {
                opt[OPT_SCHNEIDER] = CheckSchneiderRule(opt[OPT_HAND]);
                rule(3428, false, false);
            }
            if (E == 10) {
                opt[OPT_SCHWARZ] = CheckSchneiderRule(opt[OPT_HAND]);
                opt[OPT_OUVERT] = CheckOuvertRule(opt[OPT_HAND], opt[OPT_SCHWARZ]);
                rule(3450, false, false);
            }
        }
        bool sixTrick = E < 7;
        if (!sixTrick) {
            if (Ak(2, 1)) {
                if (ATk(1, 1)) rule(3254, true, false);
                else if (Ak(1, 4) && V >= 1) rule(3253, true, false);
            }
            if (Ak(1, 1) && TKk(2, 1) && Tp(1, 3)) {
                if (V < 1) sixTrick = true;
                else rule(3252, true, false, false);
            }
            if (!sixTrick && V >= 1) rule(3152, false, false);
            sixTrick = true;
        }
        if (sixTrick && E >= 6 && V >= 2) rule(3419, true, true);
        if (Tp(1, 4) || HasCoverInOtherSuits5(info, 6, 1, 4)) {
            opt[OPT_BASE] = 24;
            if (grandHand) rule(3209, true, false);
            else rule(3151, false, false);
        }
    }
    // Step 3: three or more Jacks and no code yet.
    if (J >= 3 && opt[OPT_RULE] == 0) {
        if (E == 10 && R >= 1 && (F || longest() == 7)) {
            rule(3440, true, false);
            opt[OPT_SCHNEIDER] = CheckSchneiderRule(opt[OPT_HAND]);
            opt[OPT_SCHWARZ] = CheckSchneiderRule(opt[OPT_HAND]);
            opt[OPT_OUVERT] = CheckOuvertRule(opt[OPT_HAND], opt[OPT_SCHWARZ]);
            onlyLast = true;
        } else if (E >= 9) {
            rule(3426, true, true);
            opt[OPT_SCHNEIDER] = CheckSchneiderRule(opt[OPT_HAND]);
        }
        if (!onlyLast && E >= 7) {
            if (R >= 3 && ((Ak(2, 1) && ATk(1, 1)) || ATKk(1, 1))) {
                int danger = 0;
                for (int s = 0; s < 4; ++s) {
                    auto has = [&](int r) { return info.RankTable[s][r] >= 0; };
                    if (has(ACE) && has(TEN)) continue;
                    if (!has(ACE) && has(TEN) && has(KING) && has(QUEEN)) {
                        danger += 3;
                        continue;
                    }
                    if (has(TEN)) danger += 10;
                    if (has(KING)) danger += 4;
                    if (has(QUEEN)) danger += 3;
                }
                if (danger < 5) rule(3418, true, true);
            }
            if (R >= 1 && Ak(2, 1)) rule(3417, true, true);
            if ((Ak(2, 1) || V >= 2) && (ATk(1, 5) || (Ak(1, 5) && F))) rule(3415, true, true);
            if (R >= 3 && Ak(1, 1) && TQKk(1, 4)) rule(3251, true, false);
            if (R >= 1 && V >= 2 && (Ak(1, 5) || Tp(1, 5))) rule(3249, true, false);
            if ((ATk(2, 1) || ATKk(1, 1)) && V >= 1) rule(3248, true, false, false);
        }
        if (!onlyLast && E >= 6) {
            if (R >= 1) {
                if (grandHand && (Tp(1, 2) || !Tp(1, 1))) rule(3203, true, false);
                if (R >= 3 && ((Ak(2, 1) && ATk(1, 1)) || ATKk(1, 1))) rule(3150, false, false);
                if (Ak(2, 1) && (Tp(1, 2) || !Tp(1, 1))) rule(3148, false, false);
            }
            if (ATk(1, 1) && Ak(3, 1) && V >= 1) rule(3246, true, false);
            if (ATk(2, 1) && F) rule(3245, true, false);
            if (V >= 2 && A + T >= 3) rule(3244, true, false);
            if (V >= 1) rule(3144, false, false);
        }
        if (!onlyLast && E >= 4 && Ak(1, 5) && V >= 2) rule(3139, false, false);
        if (Ak(2, 1) && (Ak(1, 4) || Tp(1, 4))) {
            rule(3140, false, false);
            if (opt[OPT_PROBABILITY] < 60) opt[OPT_PROBABILITY] = 60;
        }
    }
    // Step 4: two or more Jacks.
    if (J >= 2 && !onlyLast) {
        if (R >= 2 && E >= 9) {
            rule(3425, true, true);
            opt[OPT_SCHNEIDER] = CheckSchneiderRule(opt[OPT_HAND]);
            if (E == 10 && F) {
                opt[OPT_SCHWARZ] = CheckSchneiderRule(opt[OPT_HAND]);
                opt[OPT_OUVERT] = CheckOuvertRule(opt[OPT_HAND], opt[OPT_SCHWARZ]);
                rule(3430, false, false);
            }
            E = 0;
            J = 0;
        } else {
            if (R >= 2 && E >= 6 && E < 9 && (Ak(3, 1) || (Ak(2, 1) && TKk(1, 4)))) rule(3234, true, false);
            if (R >= 2 && E >= 5 && E < 9 && Ak(3, 1)) {
                rule(3134, false, false);
                if (V >= 1) rule(3233, true, false);
            }
            if (R >= 1 && E >= 6 && Ak(4, 1)) rule(3231, true, false);
            if (R >= 1 && E >= 5 && Ak(3, 1) && (ATk(1, 1) || TKk(1, 1))) rule(3147, false, false);
            if (R >= -1 && E >= 7 && J >= 2 && A == 4) rule(3332, true, true);
            if (E >= 6 && Ak(4, 1) && (Tp(2, 1) || TKk(1, 1))) rule(3229, true, false);
            if (E >= 6 && !F && Ak(3, 1)) rule(3142, false, false);
            if (E >= 6 && F && Ak(3, 1)) rule(3228, true, false);
        }
    }
    // Step 5: at least one Jack and a run.
    if (J >= 1 && R >= 1) {
        if (Ak(4, 1) && (Tp(2, 1) || ATKk(1, 1))) rule(3113, false, false);
        else if ((Ak(4, 1) && ATk(1, 1)) || (!Ak(4, 1) && Ak(3, 1) && TKk(1, 1) && ATk(1, 1))) rule(3112, false, false);
        if (grandHand && Ak(3, 1) && E >= 5) rule(3202, true, false);
    }
    // Step 6: the closing rules.
    if (E >= 5 && Ak(4, 1) && Tp(3, 1)) {
        rule(3110, false, false);
        if (E >= 6 && ATk(4, 1)) rule(3216, true, false);
    }
    if (E >= 4 && ATk(4, 1)) rule(3109, false, false);
    // Step 7: off, the risk threshold, and Ouvert for a sure game.
    if (opt[OPT_BASE] == 0) return;
    if (opt[OPT_PROBABILITY] < GetRiskSetting(GAME_GRAND)) {
        opt[OPT_BASE] = 0;
        return;
    }
    if (opt[OPT_PROBABILITY] >= 80) opt[OPT_OUVERT] = CheckOuvertRule(opt[OPT_HAND], opt[OPT_SCHWARZ]);
}

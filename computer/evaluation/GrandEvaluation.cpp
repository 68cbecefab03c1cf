#include "computer/evaluation/BidEvaluation.h"

#include "computer/evaluation/ComputerState.h"
#include "computer/evaluation/GameOption.h"
#include "computer/evaluation/HandPredicates.h"
#include "computer/evaluation/TrickEstimator.h"
#include "model/GameState.h"
#include "model/CardCodes.h"
#include "model/Player.h"

namespace {

// How much the side suits give away to the opponents' Tens and pictures: a suit holding Ace and
// Ten gives nothing, a bare Ten-King-Queen a little, a loose Ten much.
int DangerScore(const HandInfo& info) {
    int danger = 0;
    for (int s = 0; s < 4; ++s) {
        if (info.Holds(s, ACE) && info.Holds(s, TEN)) continue;
        if (!info.Holds(s, ACE) && info.Holds(s, TEN) && info.Holds(s, KING) && info.Holds(s, QUEEN)) {
            danger += 3;
            continue;
        }
        if (info.Holds(s, TEN)) danger += 10;
        if (info.Holds(s, KING)) danger += 4;
        if (info.Holds(s, QUEEN)) danger += 3;
    }
    return danger;
}

// A Ten in a suit of at most three cards with neither Ace nor King: the Ace takes it.
bool HasUnguardedShortTen(const HandInfo& info) {
    for (int s = 0; s < 4; ++s)
        if (info.SuitCount[s] <= 3 && info.Holds(s, TEN) && !info.Holds(s, ACE) && !info.Holds(s, KING)) return true;
    return false;
}

// A suit whose King or Queen stands without Ace and Ten: the opponents score on it.
bool HasOpenPictureSuit(const HandInfo& info) {
    for (int s = 0; s < 4; ++s)
        if (info.SuitCount[s] > 0 && !info.Holds(s, ACE) && !info.Holds(s, TEN) &&
            (info.Holds(s, KING) || info.Holds(s, QUEEN)))
            return true;
    return false;
}

}  // namespace

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
    auto AQKk = [&](int k, int l) { return HasCoverInOtherSuits4(info, 6, k, l); };
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
            if (R >= 3 && ((Ak(2, 1) && ATk(1, 1)) || ATKk(1, 1)) && DangerScore(info) < 5) rule(3418, true, true);
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
                if (Ak(2, 1) && (ATk(1, 1) || AQKk(1, 1)) && (V >= 1 || !F)) rule(3247, true, false);
            }
            if (ATk(1, 1) && Ak(3, 1) && V >= 1) rule(3246, true, false);
            if (ATk(2, 1) && F) rule(3245, true, false);
            if (V >= 2 && A + T >= 3) rule(3244, true, false);
            if (V >= 1) rule(3144, false, false);
        }
        if (!onlyLast && E >= 5) {
            if (R >= 3 && V >= 2 && Ak(2, 1) && longest() >= 4) rule(3243, true, false);
            if (R >= 2 && grandHand && Ak(2, 1)) rule(3207, true, false);
            if (R >= 2 && Ak(2, 1) && Tp(2, 1)) rule(3149, false, false);
            if (R >= 1 && ATk(1, 1) && ((TKk(1, 1) && V >= 1) || Tp(2, 2))) rule(3242, true, false);
            if (Ak(2, 1) && Ak(1, 5)) {
                rule(3141, false, false);
                if (F) rule(3241, true, false);
            }
            if (F && ATk(1, 1) && Tp(2, 1) && Tp(1, 5)) rule(3240, true, false);
        }
        if (!onlyLast && E >= 4 && Ak(1, 5) && V >= 2) rule(3139, false, false);
        // (last) Two Aces with a long Ace or Ten suit: worth at least an even chance and more.
        if (Ak(2, 1) && (Ak(1, 4) || Tp(1, 4))) {
            rule(3140, false, false);
            if (opt[OPT_PROBABILITY] < 60) opt[OPT_PROBABILITY] = 60;
        }
    }
    // Step 4: two or more Jacks. A sure Schneider or a four-Ace Schneider ends the step, and
    // with E and J taken down the later steps add nothing.
    if (J >= 2 && !onlyLast) {
        const bool shortTen = HasUnguardedShortTen(info);
        const bool openPicture = HasOpenPictureSuit(info);
        bool done = false;
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
            done = true;
        }
        if (!done && R >= 2) {
            // Eight tricks and no Ten to be caught short: an open game, but no Schneider promise.
            auto eightTricks = [&](int code) {
                rule(code, true, false);
                opt[OPT_SCHNEIDER] = 0;
                opt[OPT_OUVERT] = CheckOuvertRule(opt[OPT_HAND], opt[OPT_SCHWARZ]);
            };
            if (E == 8 && !shortTen) {
                if (J >= 3 && ATk(1, 4)) eightTricks(3423);
                if (F && (Ak(2, 1) || (Ak(1, 1) && TKk(1, 1)))) eightTricks(3422);
            }
            if (E >= 7 && E < 9 && F) {
                if (V >= 2 && ATKk(1, 1)) rule(3336, true, true);
                rule(3135, false, false);
                if (ATk(2, 1)) rule(3237, true, false);
                if (ATk(1, 1) && V >= 2) rule(3236, true, false);
            }
            if (E >= 6 && E < 9) {
                if (F && ATk(2, 1) && !openPicture) rule(3235, true, false);
                if (F && ATKk(1, 1) && Tp(2, 1) && !openPicture) rule(3132, false, false);
                if (Ak(3, 1) || (Ak(2, 1) && TKk(1, 4))) rule(3234, true, false);
            }
            if (E >= 5 && E < 9) {
                if (Ak(3, 1)) {
                    rule(3134, false, false);
                    if (V >= 1) rule(3233, true, false);
                }
                if (grandHand && F && J >= 3) {
                    if (Ak(1, 1) && V >= 2) rule(3208, true, false);
                    if (Ak(2, 1) && ATk(1, 1)) rule(3206, true, false);
                }
                if (F && Ak(2, 1) && Tp(2, 1) && ATk(1, 1) && !openPicture) {
                    rule(3131, false, false);
                    if (ATk(2, 1) && Tp(3, 1)) opt[OPT_PROBABILITY] = 80;
                }
            }
        }
        if (!done && R >= 1 && E >= 9 && Ak(4, 1) && (F || longest() == 7)) {
            rule(3424, true, false);
            opt[OPT_SCHNEIDER] = CheckSchneiderRule(opt[OPT_HAND]);
            opt[OPT_OUVERT] = CheckOuvertRule(opt[OPT_HAND], opt[OPT_SCHWARZ]);
            E = -1;
            J = -1;
            done = true;
        }
        if (!done && R >= 1) {
            if (E >= 7) {
                if (J >= 2 && Ak(4, 1)) rule(3334, true, true);
                if (F) {
                    if (J >= 2 && ATk(2, 1) && (V >= 2 || (V >= 1 && ATKk(1, 4)))) rule(3333, true, true);
                    if (ATKk(1, 1) && (Ak(2, 1) || Ak(1, 6))) rule(3130, false, false);
                }
            }
            if (E >= 6) {
                if (F && Ak(2, 1) && V >= 1) rule(3232, true, false);
                if (Ak(4, 1)) rule(3231, true, false);
                if (Ak(3, 1) && TKk(1, 1)) rule(3230, true, false);
            }
            if (E >= 5 && Ak(3, 1) && (ATk(1, 1) || TKk(1, 1))) rule(3147, false, false);
        }
        if (!done) {
            if (R >= -1 && E >= 7 && J >= 2 && A == 4) rule(3332, true, true);
            if (E >= 6) {
                if (Ak(4, 1) && (Tp(2, 1) || TKk(1, 1))) rule(3229, true, false);
                if (F) {
                    if (Ak(3, 1)) rule(3228, true, false);
                    if (Ak(2, 1) && Ak(1, 6)) rule(3227, true, false);
                } else if (Ak(3, 1)) {
                    rule(3142, false, false);
                }
            }
            if (grandHand) {
                if (R >= 1 && J >= 2 && Ak(2, 1) && ATKk(1, 1)) rule(3205, true, false);
                if (Ak(4, 1)) rule(3204, true, false);
            }
            // Without the Spades Jack a seat that does not lead cannot count on drawing trumps.
            const bool spadesJack = info.RankTable[SPADES][JACK] >= 0;
            if (Ak(3, 1) && ATk(1, 1) && TKk(1, 1) && (F || spadesJack)) rule(3127, false, false);
        }
    }
    if (!onlyLast) {
        // Step 5: at least one Jack and a run.
        if (J >= 1 && R >= 1) {
            if (F && ATk(2, 1)) {
                if (ATKk(1, 1) && Ak(4, 1)) rule(3226, true, false);
                if (Ak(3, 1) && ATk(3, 1)) rule(3121, false, false);
                if (Ak(3, 1) && ATk(2, 1) && (Tp(3, 2) || (Tp(2, 2) && V >= 1))) rule(3120, false, false);
            }
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
    }
    // Step 7: off, the risk threshold, and Ouvert for a sure game.
    if (opt[OPT_BASE] == 0) return;
    if (opt[OPT_PROBABILITY] < GetRiskSetting(GAME_GRAND)) {
        opt[OPT_BASE] = 0;
        return;
    }
    if (opt[OPT_PROBABILITY] >= 80) opt[OPT_OUVERT] = CheckOuvertRule(opt[OPT_HAND], opt[OPT_SCHWARZ]);
}

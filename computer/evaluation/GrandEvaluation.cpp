#include "computer/evaluation/BidEvaluation.h"

#include "computer/evaluation/ComputerState.h"
#include "computer/evaluation/GameEvaluation.h"
#include "computer/evaluation/GameOption.h"
#include "computer/evaluation/HandPredicates.h"
#include "computer/evaluation/TrickEstimator.h"
#include "model/GameState.h"
#include "model/CardCodes.h"
#include "model/PlayerData.h"

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

// The Grand rules over one hand: the estimate E, the Jacks J, the matador run R, the short suits V,
// the Ace and Ten suits A and T, forehand F; the cover tests name the cards they ask for (A: an
// Ace, AT: Ace and Ten, ...) in k suits besides, of at least l cards. A rule that applies sets the
// base 24 (unless said), Hand, optionally Ouvert, and raises the rule code.
struct GrandRules {
    const HandInfo& info;
    int* opt;
    int E;
    int J;
    const int R, V, A, T;
    const bool F;
    const bool grandHand;
    const int hand;
    bool onlyLast = false;

    bool Ak(int k, int l) const { return HasAceCoverInOtherSuits(info, 6, k, l); }
    bool ATk(int k, int l) const { return HasCoverInOtherSuits(info, 6, k, l); }
    bool ATKk(int k, int l) const { return HasTenCoverInOtherSuits(info, 6, k, l); }
    bool TKk(int k, int l) const { return HasCoverInOtherSuits2(info, 6, k, l); }
    bool TQKk(int k, int l) const { return HasCoverInOtherSuits6(info, 6, k, l); }
    bool AQKk(int k, int l) const { return HasCoverInOtherSuits4(info, 6, k, l); }
    bool Tp(int k, int l) const { return CountHighPatterns(info, 6, k, l); }
    void Rule(int code, bool setHand, bool ouvert, bool setBase = true) {
        if (setBase) opt[OPT_BASE] = 24;
        if (setHand) opt[OPT_HAND] = hand;
        if (ouvert) opt[OPT_OUVERT] = CheckOuvertRule(opt[OPT_HAND], 0);
        if (code > opt[OPT_RULE]) opt[OPT_RULE] = code;
    }
    int Longest() const {
        int best = 0;
        for (int s = 0; s < 4; ++s) best = info.SuitCount[s] > best ? info.SuitCount[s] : best;
        return best;
    }

    void Step2AllFourJacks();
    void Step3ThreeJacks();
    void Step3SevenTricks();
    void Step3SixTricks();
    void Step3FiveTricks();
    void Step4TwoJacks();
    bool Step4SureSchneider();
    void Step4RunOfTwo(bool shortTen, bool openPicture);
    bool Step4FourAceSchneider();
    void Step4RunOfOne();
    void Step4WithoutRun();
    void Step5RunWithAJack();
    void Step6Closing();
};

// Step 2: all four Jacks.
void GrandRules::Step2AllFourJacks() {
    if (E >= 8) {
        Rule(3421, true, true);
        if (E >= 9) {
            opt[OPT_SCHNEIDER] = CheckSchneiderRule(opt[OPT_HAND]);
            Rule(3428, false, false);
        }
        if (E == 10) {
            opt[OPT_SCHWARZ] = CheckSchneiderRule(opt[OPT_HAND]);
            opt[OPT_OUVERT] = CheckOuvertRule(opt[OPT_HAND], opt[OPT_SCHWARZ]);
            Rule(3450, false, false);
        }
    }
    bool sixTrick = E < 7;
    if (!sixTrick) {
        if (Ak(2, 1)) {
            if (ATk(1, 1)) Rule(3254, true, false);
            else if (Ak(1, 4) && V >= 1) Rule(3253, true, false);
        }
        if (Ak(1, 1) && TKk(2, 1) && Tp(1, 3)) {
            if (V < 1) sixTrick = true;
            else Rule(3252, true, false, false);
        }
        if (!sixTrick && V >= 1) Rule(3152, false, false);
        sixTrick = true;
    }
    if (sixTrick && E >= 6 && V >= 2) Rule(3419, true, true);
    if (Tp(1, 4) || HasCoverInOtherSuits5(info, 6, 1, 4)) {
        opt[OPT_BASE] = 24;
        if (grandHand) Rule(3209, true, false);
        else Rule(3151, false, false);
    }
}

// Step 3: three or more Jacks and no code yet.
void GrandRules::Step3ThreeJacks() {
    if (E == 10 && R >= 1 && (F || Longest() == 7)) {
        Rule(3440, true, false);
        opt[OPT_SCHNEIDER] = CheckSchneiderRule(opt[OPT_HAND]);
        opt[OPT_SCHWARZ] = CheckSchneiderRule(opt[OPT_HAND]);
        opt[OPT_OUVERT] = CheckOuvertRule(opt[OPT_HAND], opt[OPT_SCHWARZ]);
        onlyLast = true;
    } else if (E >= 9) {
        Rule(3426, true, true);
        opt[OPT_SCHNEIDER] = CheckSchneiderRule(opt[OPT_HAND]);
    }
    if (!onlyLast && E >= 7) Step3SevenTricks();
    if (!onlyLast && E >= 6) Step3SixTricks();
    if (!onlyLast && E >= 5) Step3FiveTricks();
    if (!onlyLast && E >= 4 && Ak(1, 5) && V >= 2) Rule(3139, false, false);
    // (last) Two Aces with a long Ace or Ten suit: worth at least an even chance and more.
    if (Ak(2, 1) && (Ak(1, 4) || Tp(1, 4))) {
        Rule(3140, false, false);
        if (opt[OPT_PROBABILITY] < 60) opt[OPT_PROBABILITY] = 60;
    }
}

void GrandRules::Step3SevenTricks() {
    if (R >= 3 && ((Ak(2, 1) && ATk(1, 1)) || ATKk(1, 1)) && DangerScore(info) < 5) Rule(3418, true, true);
    if (R >= 1 && Ak(2, 1)) Rule(3417, true, true);
    if ((Ak(2, 1) || V >= 2) && (ATk(1, 5) || (Ak(1, 5) && F))) Rule(3415, true, true);
    if (R >= 3 && Ak(1, 1) && TQKk(1, 4)) Rule(3251, true, false);
    if (R >= 1 && V >= 2 && (Ak(1, 5) || Tp(1, 5))) Rule(3249, true, false);
    if ((ATk(2, 1) || ATKk(1, 1)) && V >= 1) Rule(3248, true, false, false);
}

void GrandRules::Step3SixTricks() {
    if (R >= 1) {
        if (grandHand && (Tp(1, 2) || !Tp(1, 1))) Rule(3203, true, false);
        if (R >= 3 && ((Ak(2, 1) && ATk(1, 1)) || ATKk(1, 1))) Rule(3150, false, false);
        if (Ak(2, 1) && (Tp(1, 2) || !Tp(1, 1))) Rule(3148, false, false);
        if (Ak(2, 1) && (ATk(1, 1) || AQKk(1, 1)) && (V >= 1 || !F)) Rule(3247, true, false);
    }
    if (ATk(1, 1) && Ak(3, 1) && V >= 1) Rule(3246, true, false);
    if (ATk(2, 1) && F) Rule(3245, true, false);
    if (V >= 2 && A + T >= 3) Rule(3244, true, false);
    if (V >= 1) Rule(3144, false, false);
}

void GrandRules::Step3FiveTricks() {
    if (R >= 3 && V >= 2 && Ak(2, 1) && Longest() >= 4) Rule(3243, true, false);
    if (R >= 2 && grandHand && Ak(2, 1)) Rule(3207, true, false);
    if (R >= 2 && Ak(2, 1) && Tp(2, 1)) Rule(3149, false, false);
    if (R >= 1 && ATk(1, 1) && ((TKk(1, 1) && V >= 1) || Tp(2, 2))) Rule(3242, true, false);
    if (Ak(2, 1) && Ak(1, 5)) {
        Rule(3141, false, false);
        if (F) Rule(3241, true, false);
    }
    if (F && ATk(1, 1) && Tp(2, 1) && Tp(1, 5)) Rule(3240, true, false);
}

// Step 4: two or more Jacks. A sure Schneider or a four-Ace Schneider ends the step, and with E
// and J taken down the later steps add nothing.
void GrandRules::Step4TwoJacks() {
    const bool shortTen = HasUnguardedShortTen(info);
    const bool openPicture = HasOpenPictureSuit(info);
    if (Step4SureSchneider()) return;
    if (R >= 2) Step4RunOfTwo(shortTen, openPicture);
    if (Step4FourAceSchneider()) return;
    if (R >= 1) Step4RunOfOne();
    Step4WithoutRun();
}

bool GrandRules::Step4SureSchneider() {
    if (R < 2 || E < 9) return false;
    Rule(3425, true, true);
    opt[OPT_SCHNEIDER] = CheckSchneiderRule(opt[OPT_HAND]);
    if (E == 10 && F) {
        opt[OPT_SCHWARZ] = CheckSchneiderRule(opt[OPT_HAND]);
        opt[OPT_OUVERT] = CheckOuvertRule(opt[OPT_HAND], opt[OPT_SCHWARZ]);
        Rule(3430, false, false);
    }
    E = 0;
    J = 0;
    return true;
}

void GrandRules::Step4RunOfTwo(bool shortTen, bool openPicture) {
    // Eight tricks and no Ten to be caught short: an open game, but no Schneider promise.
    auto eightTricks = [&](int code) {
        Rule(code, true, false);
        opt[OPT_SCHNEIDER] = 0;
        opt[OPT_OUVERT] = CheckOuvertRule(opt[OPT_HAND], opt[OPT_SCHWARZ]);
    };
    if (E == 8 && !shortTen) {
        if (J >= 3 && ATk(1, 4)) eightTricks(3423);
        if (F && (Ak(2, 1) || (Ak(1, 1) && TKk(1, 1)))) eightTricks(3422);
    }
    if (E >= 7 && E < 9 && F) {
        if (V >= 2 && ATKk(1, 1)) Rule(3336, true, true);
        Rule(3135, false, false);
        if (ATk(2, 1)) Rule(3237, true, false);
        if (ATk(1, 1) && V >= 2) Rule(3236, true, false);
    }
    if (E >= 6 && E < 9) {
        if (F && ATk(2, 1) && !openPicture) Rule(3235, true, false);
        if (F && ATKk(1, 1) && Tp(2, 1) && !openPicture) Rule(3132, false, false);
        if (Ak(3, 1) || (Ak(2, 1) && TKk(1, 4))) Rule(3234, true, false);
    }
    if (E >= 5 && E < 9) {
        if (Ak(3, 1)) {
            Rule(3134, false, false);
            if (V >= 1) Rule(3233, true, false);
        }
        if (grandHand && F && J >= 3) {
            if (Ak(1, 1) && V >= 2) Rule(3208, true, false);
            if (Ak(2, 1) && ATk(1, 1)) Rule(3206, true, false);
        }
        if (F && Ak(2, 1) && Tp(2, 1) && ATk(1, 1) && !openPicture) {
            Rule(3131, false, false);
            if (ATk(2, 1) && Tp(3, 1)) opt[OPT_PROBABILITY] = 80;
        }
    }
}

bool GrandRules::Step4FourAceSchneider() {
    if (R < 1 || E < 9 || !Ak(4, 1) || !(F || Longest() == 7)) return false;
    Rule(3424, true, false);
    opt[OPT_SCHNEIDER] = CheckSchneiderRule(opt[OPT_HAND]);
    opt[OPT_OUVERT] = CheckOuvertRule(opt[OPT_HAND], opt[OPT_SCHWARZ]);
    E = -1;
    J = -1;
    return true;
}

void GrandRules::Step4RunOfOne() {
    if (E >= 7) {
        if (J >= 2 && Ak(4, 1)) Rule(3334, true, true);
        if (F) {
            if (J >= 2 && ATk(2, 1) && (V >= 2 || (V >= 1 && ATKk(1, 4)))) Rule(3333, true, true);
            if (ATKk(1, 1) && (Ak(2, 1) || Ak(1, 6))) Rule(3130, false, false);
        }
    }
    if (E >= 6) {
        if (F && Ak(2, 1) && V >= 1) Rule(3232, true, false);
        if (Ak(4, 1)) Rule(3231, true, false);
        if (Ak(3, 1) && TKk(1, 1)) Rule(3230, true, false);
    }
    if (E >= 5 && Ak(3, 1) && (ATk(1, 1) || TKk(1, 1))) Rule(3147, false, false);
}

void GrandRules::Step4WithoutRun() {
    if (R >= -1 && E >= 7 && J >= 2 && A == 4) Rule(3332, true, true);
    if (E >= 6) {
        if (Ak(4, 1) && (Tp(2, 1) || TKk(1, 1))) Rule(3229, true, false);
        if (F) {
            if (Ak(3, 1)) Rule(3228, true, false);
            if (Ak(2, 1) && Ak(1, 6)) Rule(3227, true, false);
        } else if (Ak(3, 1)) {
            Rule(3142, false, false);
        }
    }
    if (grandHand) {
        if (R >= 1 && J >= 2 && Ak(2, 1) && ATKk(1, 1)) Rule(3205, true, false);
        if (Ak(4, 1)) Rule(3204, true, false);
    }
    // Without the Spades Jack a seat that does not lead cannot count on drawing trumps.
    const bool spadesJack = info.RankTable[SPADES][JACK] >= 0;
    if (Ak(3, 1) && ATk(1, 1) && TKk(1, 1) && (F || spadesJack)) Rule(3127, false, false);
}

// Step 5: at least one Jack and a run.
void GrandRules::Step5RunWithAJack() {
    if (J < 1 || R < 1) return;
    if (F && ATk(2, 1)) {
        if (ATKk(1, 1) && Ak(4, 1)) Rule(3226, true, false);
        if (Ak(3, 1) && ATk(3, 1)) Rule(3121, false, false);
        if (Ak(3, 1) && ATk(2, 1) && (Tp(3, 2) || (Tp(2, 2) && V >= 1))) Rule(3120, false, false);
    }
    if (Ak(4, 1) && (Tp(2, 1) || ATKk(1, 1))) Rule(3113, false, false);
    else if ((Ak(4, 1) && ATk(1, 1)) || (!Ak(4, 1) && Ak(3, 1) && TKk(1, 1) && ATk(1, 1))) Rule(3112, false, false);
    if (grandHand && Ak(3, 1) && E >= 5) Rule(3202, true, false);
}

// Step 6: the closing rules.
void GrandRules::Step6Closing() {
    if (E >= 5 && Ak(4, 1) && Tp(3, 1)) {
        Rule(3110, false, false);
        if (E >= 6 && ATk(4, 1)) Rule(3216, true, false);
    }
    if (E >= 4 && ATk(4, 1)) Rule(3109, false, false);
}

}  // namespace

void CGameEvaluation::EvaluateGrand(int mode) {
    HandInfo& info = me.handInfo;
    int* opt = me.gameOptions[GAME_GRAND];
    // Step 1: the Grand trick estimate.
    const int E = me.EstimateTricks(GAME_GRAND);
    const int P = TricksToPercent(E);
    for (int f : {OPT_BASE, OPT_VALUE_NO_HAND, OPT_VALUE, OPT_BIDDING_LEVEL, OPT_HAND, OPT_OUVERT, OPT_SCHNEIDER,
                  OPT_SCHWARZ, OPT_RULE, OPT_SUIT_COUNT, OPT_JACK_COUNT})
        opt[f] = 0;
    opt[OPT_TRICKS] = E;
    if (mode == 0 || opt[OPT_PROBABILITY] < P) opt[OPT_PROBABILITY] = P;
    const int hand = mode == 0 ? (CountSingleSuits(info, 2) ? 0 : 1) : 0;
    GrandRules rules{info,
                     opt,
                     E,
                     info.JackCount,
                     info.MatadorRun,
                     info.ShortSuitCount,
                     info.AceSuitCount,
                     info.TenSuitCount,
                     me.seat == g_Game.Forehand,
                     g_Computer.GrandHandQuery != 0,
                     hand};
    if (rules.R == 4) rules.Step2AllFourJacks();
    if (rules.J >= 3 && opt[OPT_RULE] == 0) rules.Step3ThreeJacks();
    if (rules.J >= 2 && !rules.onlyLast) rules.Step4TwoJacks();
    if (!rules.onlyLast) {
        rules.Step5RunWithAJack();
        rules.Step6Closing();
    }
    // Step 7: off, the risk threshold, and Ouvert for a sure game.
    if (opt[OPT_BASE] == 0) return;
    if (opt[OPT_PROBABILITY] < GetRiskSetting(GAME_GRAND)) {
        opt[OPT_BASE] = 0;
        return;
    }
    if (opt[OPT_PROBABILITY] >= 80) opt[OPT_OUVERT] = CheckOuvertRule(opt[OPT_HAND], opt[OPT_SCHWARZ]);
}

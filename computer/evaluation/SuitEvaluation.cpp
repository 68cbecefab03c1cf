#include "computer/evaluation/BidEvaluation.h"

#include "computer/evaluation/ComputerState.h"
#include "computer/evaluation/GameEvaluation.h"
#include "computer/evaluation/GameOption.h"
#include "computer/evaluation/HandPredicates.h"
#include "computer/evaluation/TrickEstimator.h"
#include "model/GameState.h"
#include "model/GameTypeLookups.h"
#include "model/Settings.h"
#include "model/CardCodes.h"
#include "model/PlayerData.h"

namespace {

constexpr int kSuitBase[4] = {12, 11, 10, 9};

// The strong and weak rules of one suit option t.
class SuitRules {
public:
    SuitRules(CPlayer& player, int mode, int t, int A, int T, int n)
        : player_(player), info_(player.handInfo), option_(player.gameOptions[t]), mode_(mode), t_(t),
          A(A), T(T), n(n), R(info_.MatadorRun), J(info_.JackCount), V(info_.ShortSuitCount),
          F(player.seat == g_Game.Forehand) {
        hand_ = mode == 0 ? (CountSingleSuits(info_, 2) ? 0 : 1) : 0;
        P = TricksToPercent(n);
    }

    // d. The strong rules by trumps held; e. the weak rules when none fired.
    int Evaluate(int S) {
        Strong(S);
        if (strong_) return code_;
        if (code_ == 0) Weak(S);
        return code_;
    }
    bool IsStrong() const { return strong_; }
    int P;

private:
    bool Ak(int k, int l) const { return HasAceCoverInOtherSuits(info_, t_, k, l); }
    bool ATk(int k, int l) const { return HasCoverInOtherSuits(info_, t_, k, l); }
    bool ATKk(int k, int l) const { return HasTenCoverInOtherSuits(info_, t_, k, l); }
    bool TKk(int k, int l) const { return HasCoverInOtherSuits2(info_, t_, k, l); }
    bool AKk(int k, int l) const { return HasCoverInOtherSuits3(info_, t_, k, l); }
    bool Tp(int k, int l) const { return CountHighPatterns(info_, t_, k, l); }
    bool Kp(int k, int l) const { return HasCoverInOtherSuits5(info_, t_, k, l); }
    bool AkAll(int k, int l) const { return HasAceCoverInOtherSuits(info_, 6, k, l); }
    bool ATAll(int k, int l) const { return HasCoverInOtherSuits(info_, 6, k, l); }
    bool ATKAll(int k, int l) const { return HasTenCoverInOtherSuits(info_, 6, k, l); }
    bool TKAll(int k, int l) const { return HasCoverInOtherSuits2(info_, 6, k, l); }
    bool TQKAll(int k, int l) const { return HasCoverInOtherSuits6(info_, 6, k, l); }
    bool TQKk(int k, int l) const { return HasCoverInOtherSuits6(info_, t_, k, l); }
    bool Jack(int suit) const { return info_.RankTable[suit][JACK] >= 0; }
    bool TrumpAce() const { return info_.RankTable[t_][ACE] >= 0; }
    bool TrumpTen() const { return info_.RankTable[t_][TEN] >= 0; }
    bool TrumpKing() const { return info_.RankTable[t_][KING] >= 0; }

    // A strong leaf: Hand, optionally Ouvert, and the code rises.
    void Leaf(int code, bool ouvert) {
        strong_ = true;
        option_[OPT_HAND] = hand_;
        if (ouvert) option_[OPT_OUVERT] = CheckOuvertRule(hand_, 0);
        if (code > code_) code_ = code;
    }
    void Schneider(int code) {
        option_[OPT_SCHNEIDER] = CheckSchneiderRule(hand_);
        if (code > code_) code_ = code;
    }
    void Schwarz(int code) {
        option_[OPT_SCHWARZ] = CheckSchneiderRule(hand_);
        option_[OPT_OUVERT] = CheckOuvertRule(hand_, option_[OPT_SCHWARZ]);
        if (code > code_) code_ = code;
    }
    // A weak code: a reject code with the override test may carry the flag.
    void Weak(int code, bool overrideTest) {
        int plain = code_ & ~RULE_OVERRIDE_FLAG;
        if (plain != 0 && code < plain) {
            // A weak code never falls: the reject code stays, written again without its flag.
            code_ = plain;
            return;
        }
        code_ = code;
        if (overrideTest && (P > 40 || CGameEvaluation(player_).GetRiskSetting(t_) < 40)) {
            code_ |= RULE_OVERRIDE_FLAG;
            option_[OPT_PROBABILITY] = P;
        }
    }

    void Strong(int S) {
        if (S >= 10) {
            Leaf(2891, false);
            Schneider(2891);
            if (R > 0) Schwarz(2892);
            return;
        }
        if (S == 9) {
            if (n > 6) Leaf(2851, true);
            if (n == 9 && Ak(1, 1)) {
                Leaf(2861, false);
                Schneider(2861);
            } else if (n == 10 && R > 1) {
                Leaf(2871, false);
                option_[OPT_SCHWARZ] = CheckSchneiderRule(hand_);
                code_ = code_ > 2871 ? code_ : 2871;
            }
            return;
        }
        if (S == 8) {
            if (F && R > 2 && (Ak(2, 1) || ATk(1, 1))) {
                Leaf(2815, true);
                option_[OPT_SCHWARZ] = CheckSchneiderRule(hand_);
                return;
            }
            bool lower = true;
            if (n >= 7) {
                if ((R >= 1 && A >= 2) || ATk(1, 1)) {
                    Leaf(2811, true);
                    Schneider(2811);
                    lower = false;
                } else if (R >= 1 && (Ak(1, 1) || TKk(1, 1))) {
                    Leaf(2809, true);
                    Schneider(2809);
                    lower = false;
                } else if (J > 2 && Ak(2, 1)) {
                    Leaf(2808, true);
                    Schneider(2808);
                }
            }
            if (!lower) return;
            if (R >= 2) return Leaf(2807, true);
            if (R >= 1 && A >= 1) return Leaf(2806, true);
            if (J >= 3 && V >= 1) return Leaf(2805, true);
            if (Ak(1, 1)) return Leaf(2804, true);
            if (V > 1) return Leaf(2803, true);
            int blankTens = 0;
            for (int u = 0; u < 4; ++u)
                if (u != t_ && info_.SuitCount[u] == 1 && info_.RankTable[u][TEN] >= 0) ++blankTens;
            if (blankTens <= 1) return Leaf(2801, false);
        }
        if (S >= 7) {
            if (Seven()) return;
        }
        if (S >= 6) {
            if (Six()) return;
        }
        if (S >= 5) {
            if (n >= 6 && R >= 3 && V >= 1 && Ak(1, 1)) return Leaf(2518, false);
            if (n >= 8 && R >= 2 && Ak(1, 1)) return Leaf(2517, false);
            if (R >= 1 && V >= 1 && ATk(2, 1)) return Leaf(2516, false);
            if (J >= 2 && A >= 3 && ATk(1, 1)) return Leaf(2515, false);
            if (J >= 2 && V >= 1 && Ak(2, 1) && ATKk(1, 1)) return Leaf(2514, false);
            if (J >= 1 && (Ak(3, 1) || ATk(2, 1))) return Leaf(2513, false);
            if (A >= 4 && (ATAll(2, 1) || ATKk(1, 1))) return Leaf(2512, false);
            if (V >= 1 && ATk(2, 1) && ATKk(1, 1)) return Leaf(2511, false);
        }
        if (S >= 4) {
            if (R >= 1 && Ak(3, 1) && ATk(2, 1)) return Leaf(2412, false);
            if (ATk(3, 1)) return Leaf(2411, false);
        }
    }

    // The 7-trump steps; true when a code ended the strong rules.
    bool Seven() {
        if (R > 3 && V >= 2) {
            Leaf(2712, true);
            if (ATk(1, 1)) Schneider(2718);
            if (F && ATKk(1, 1)) Schwarz(2721);
            return true;
        }
        if (R > 3 && V < 2 && ((V >= 1 && Ak(1, 1)) || TKk(1, 1))) {
            Leaf(2711, true);
            if (ATk(1, 1)) Schneider(2717);
            return true;
        }
        if (R >= 2 && V >= 2) {
            Leaf(2710, true);
            if (n >= 9 && ATKk(1, 1)) Schneider(2716);
            return true;
        }
        if (((n >= 6 && R >= 1) || (Jack(SPADES) && Jack(HEARTS))) && ((V >= 2 && Tp(1, 1)) || (V >= 1 && Ak(1, 1)))) {
            Leaf(2709, true);
            if (n >= 8 && ATKk(1, 1)) Schneider(2715);
            return true;
        }
        if (J >= 3 && V >= 1 && TKk(1, 1)) return Leaf(2708, true), true;
        if (n >= 7 && A >= 2 && ((J >= 2 && V >= 1) || (J >= 1 && V >= 2))) return Leaf(2707, true), true;
        if (Ak(1, 1) && V >= 1) return Leaf(2706, true), true;
        if (Ak(1, 1) && J >= 1) return Leaf(2704, false), true;
        if (R >= -2 && V >= 2 && TKk(1, 1)) return Leaf(2703, false), true;
        if (A >= 2 && V >= 1) return Leaf(2702, false), true;
        if (Ak(2, 1)) return Leaf(2701, false), true;
        if (V >= 2 && TKk(1, 1)) return Leaf(2700, false), true;
        return false;
    }

    // The 6-trump steps; true when a code (strong, or the weak 1604/1605) ended them.
    bool Six() {
        if (R > 3 && ATk(1, 1)) return Leaf(2627, true), true;
        bool toStep4 = false;
        if (R > 1 && n > 6) {
            if (V >= 2 && (Ak(1, 1) || Tp(1, 1))) {
                Leaf(2625, true);
                if (n > 7 && ATAll(1, 1) && ATKAll(1, 1)) Schneider(2632);
                return true;
            }
            if (V < 1) {
                toStep4 = true;
            } else if (Ak(2, 1) || (Ak(1, 1) && Tp(1, 2))) {
                Leaf(2626, true);
                if (n > 7 && Ak(2, 1) && ATKk(1, 1)) Schneider(2633);
                return true;
            }
        }
        if (!toStep4 && R > 1 && V > 0 && (J > 2 || (TrumpAce() && TrumpTen())) && (Ak(1, 3) || TKk(1, 3)))
            return Leaf(2616, false), true;
        if (R >= 1) {
            if (J > 2 && Ak(2, 1)) {
                Leaf(2624, true);
                if (n > 7) {
                    if (ATk(2, 1)) Schneider(2631);
                    if (R > 3) Schneider(2634);
                }
                return true;
            }
            if (Ak(3, 1)) return Leaf(2623, true), true;
            if (V >= 1 && Ak(2, 1)) return Leaf(2622, true), true;
            if (V >= 2 && ATk(1, 1)) return Leaf(2621, true), true;
        }
        if (n >= 6 && J >= 3 && V >= 1 && Ak(1, 1)) return Leaf(2620, true), true;
        if (n >= 7) {
            if (J >= 1 && (A >= 3 || (A >= 2 && V >= 1))) return Leaf(2619, true), true;
            if (J >= 3 && A >= 1 && V >= 1) return Leaf(2614, false), true;
        }
        if (J >= 2 && ((V >= 1 && A >= 3) || Ak(3, 1))) return Leaf(2613, false), true;
        if (n > 5) {
            const bool cover = ATk(1, 1) || AKk(1, 1) || TKk(1, 1);
            const bool all = (AkAll(2, 1) && ATKAll(1, 1)) || (AkAll(1, 1) && TQKAll(1, 1));
            bool fired = false;
            if (Jack(SPADES) && (Jack(CLUBS) || Jack(HEARTS)) && cover && all && V >= 1) {
                Leaf(2612, false);
                fired = true;
            } else if (J >= 1 && ATAll(2, 1) && V >= 1) {
                Leaf(2611, false);
                fired = true;
            }
            if (fired) {
                if (!TrumpKing()) P = 60;
                return true;
            }
        }
        if (V >= 1) {
            if (Ak(2, 1)) return Leaf(2610, false), true;
            if (R >= 1 && Ak(1, 1) && Tp(1, 2)) return Leaf(2615, false), true;
        }
        if (V >= 2 && Ak(1, 1)) return Leaf(2609, false), true;
        if (A > 2) {
            code_ = 1605;
            if (ATAll(1, 1) && R < -1) option_[OPT_BIDDING_LEVEL] = -R;
            return true;
        }
        if (V >= 1 && Ak(1, 1) && (Tp(1, 2) || Kp(1, 3))) {
            code_ = 1604;
            return true;
        }
        return false;
    }

    void Weak(int S) {
        if (S >= 8) {
            code_ = 1801;
            return;
        }
        if (S == 7) {
            if (R >= 2 && T >= 1 && V >= 1) return Weak(1705, false);
            if (R >= 1 && A >= 1) return Weak(1704, false);
            if (J >= 3) return Weak(1703, false);
            if (A >= 1 && T >= 1) {
                Weak(1702, false);
                if (J == 2 && TrumpAce() && TrumpTen()) option_[OPT_BIDDING_LEVEL] = 1 - R;
                return;
            }
            if (V >= 2) return Weak(1701, true);
        }
        if (S >= 6 && WeakSix()) return;
        if (S >= 5 && WeakFive()) return;
        if (S >= 4 && WeakFour()) return;
        if (S >= 3) {
            if (R >= 1 && ATk(2, 1)) return Weak(1304, true);
            if (J >= 1 && A >= 3 && A + T >= 5) return Weak(1303, false);
            if (A >= 4 && A + T >= 5) return Weak(1302, false);
            if (Ak(3, 1) && A + T >= 4) return Weak(1301, false);
        }
    }

    bool WeakSix() {
        if (R >= 3) return Weak(1620, false), true;
        if (R == 2) {
            if (TrumpAce() && TrumpTen() && (Ak(1, 1) || Tp(1, 1))) return Weak(1619, false), true;
            if (V >= 1) {
                if (A > 1 || Ak(1, 1) || Tp(1, 3)) return Weak(1618, false), true;
                return Weak(1617, true), true;
            }
        }
        if (R >= 1) {
            if (J >= 3 && TKk(1, 1)) return Weak(1616, false), true;
            if (Ak(1, 1)) return Weak(1615, false), true;
            if (A + T >= 3 || (A + T >= 2 && J >= 2)) return Weak(1614, false), true;
        }
        if (J >= 3) {
            if (A < 1) {
                option_[OPT_PROBABILITY] = 60;
                Weak(1611, true);
                return true;
            }
            return Weak(1613, false), true;
        }
        if (J == 2) {
            if (n >= 6 && (A >= 2 || (T >= 1 && V >= 2))) return Weak(1610, false), true;
            if (Jack(SPADES) && (Ak(1, 1) || (T >= 1 && V >= 2))) return Weak(1609, false), true;
            if (Ak(1, 1) || Tp(1, 1)) {
                option_[OPT_PROBABILITY] = 50;
                Weak(1608, true);
                return true;
            }
        }
        if (Ak(1, 1) && (A + T >= 3 || (A + T >= 2 && J >= 1))) return Weak(1603, false), true;
        if (V > 0 && TQKk(1, 1)) return Weak(1602, true), true;
        if (V > 0 && (Ak(1, 1) || (TKk(1, 1) && A + T > 2))) return Weak(1601, false), true;
        if (V >= 2 && Tp(1, 2)) return Weak(1600, false), true;
        return false;
    }

    bool WeakFive() {
        if (R >= 3) {
            if (A > 0) return Weak(1520, false), true;
            if (T >= 2) return Weak(1519, true), true;
        }
        if (R >= 2) {
            if (Ak(1, 1) && Tp(1, 1)) return Weak(1518, false), true;
            if (Ak(1, 1) && V > 0) return Weak(1517, true), true;
        }
        if (R >= 1 && Ak(1, 1)) {
            if (A + T > 2) return Weak(1516, false), true;
            if (J > 1 && A + T > 1) return Weak(1515, true), true;
        }
        if (J > 2) {
            if (A > 0 && A + T > 2) return Weak(1514, false), true;
            if (Ak(1, 1) && A + T > 1) return Weak(1513, false), true;
            if (Ak(1, 1)) Weak(1512, true);  // and the rules go on
        }
        if (J > 1) {
            if (A < 2) {
                if (Ak(1, 1) && A + T >= 3) {
                    Weak(1509, false);
                    if (ATKAll(1, 1) && TKAll(2, 1) && R == -2) option_[OPT_BIDDING_LEVEL] = 3;
                    return true;
                }
                if (Ak(1, 1) && A + T > 1 && V > 0) return Weak(1508, false), true;
            } else {
                if (A + T < 3) return Weak(1510, true), true;
                Weak(1511, false);
                if (A + T >= 4 && R == -2) option_[OPT_BIDDING_LEVEL] = 3;
                return true;
            }
        }
        if ((R >= 1 || Jack(SPADES)) && TQKk(1, 1) && Tp(2, 1) && Ak(1, 1)) return Weak(1507, false), true;
        if (J >= 1 && A >= 2 && A + T >= 4) return Weak(1506, false), true;
        if (n >= 4 && J >= 1 && (A >= 2 || g_Computer.AllPassedQuery)) {
            if (n < 5) Weak(1504, true);
            else Weak(1505, false);
            return true;
        }
        if (A > 2 && A + T > 3 && V > 0) {
            Weak(1503, false);
            if (R < -1) option_[OPT_BIDDING_LEVEL] = 1 - R;
            return true;
        }
        if (Ak(2, 1) && A + T >= 3) return Weak(1502, false), true;
        if (Ak(1, 1) && A + T >= 3 && V >= 1) return Weak(1501, false), true;
        return code_ != 0;
    }

    bool WeakFour() {
        if (R > 0) {
            if (Ak(3, 1)) return Weak(1410, false), true;
            if (Ak(2, 1) && Tp(2, 1)) return Weak(1409, false), true;
            if (ATKk(1, 1) && V >= 1) return Weak(1408, false), true;
            if (A >= 2 && T >= 2 && g_Computer.AllPassedQuery) return Weak(1407, false), true;
        }
        if (J > 1) {
            if ((R > 0 || (Jack(SPADES) && Jack(HEARTS))) && (A > 1 || (A > 0 && A + T > 2))) Weak(1406, true);
            if ((R > 0 || Jack(SPADES)) && A > 1 && T > 1) Weak(1405, true);
        }
        if (J >= 1) {
            if (A >= 3 && A + T >= 4) {
                Weak(1404, false);
                if (R < -1) option_[OPT_BIDDING_LEVEL] = 1 - R;
                return true;
            }
            if (A >= 2 && A + T >= 5) {
                Weak(1403, false);
                if (R == -2 && J == 2) option_[OPT_BIDDING_LEVEL] = 3;
                return true;
            }
        }
        if (A >= 3 && (A + T >= 4 || J >= 1)) return Weak(1402, false), true;
        if (ATk(2, 1) && A + T >= 5 && V >= 1) return Weak(1401, false), true;
        return code_ != 0;
    }

    CPlayer& player_;
    HandInfo& info_;
    int* option_;
    int mode_;
    int t_;
    int A, T, n, R, J, V;
    bool F;
    int hand_ = 0;
    int code_ = 0;
    bool strong_ = false;
};

}  // namespace

bool CheckSchneiderRule(int hand) {
    if (g_Game.VariantMode == VARIANT_RAMSCH_ONLY || g_Game.RoundStatus == ROUND_RAMSCH) return false;
    if (g_Game.VariantMode != VARIANT_OFFICIAL && g_Settings.Variants.Schneider != 1) return true;
    return hand != 0;
}

bool CheckOuvertRule(int a, int b) {
    if (g_Game.VariantMode == VARIANT_RAMSCH_ONLY || g_Game.RoundStatus == ROUND_RAMSCH) return false;
    if (g_Game.VariantMode == VARIANT_OFFICIAL) return a != 0 && b != 0;
    switch (g_Settings.Variants.Ouvert) {
    case 0: return false;
    case 3: return a != 0 && b != 0;
    case 1: return a != 0;
    default: return true;
    }
}

int CGameEvaluation::GetRiskSetting(int type) const {
    const int guardedSeat = me.seat >= 0 && me.seat <= 2 ? me.seat : 2;
    if (type == GAME_GRAND) return g_Risk.RiskGrand[guardedSeat] * 10;
    if (type == GAME_NULL || type == GAME_REVOLUTION) return g_Risk.RiskNull[guardedSeat] * 10;
    if (type >= 0 && type <= 3) return ((g_Risk.RiskSuit[guardedSeat] >> (8 * type)) & 0xFF) * 10;
    return 0;
}

int CGameEvaluation::GetBiddingLevel(int t, int level) {
    const HandInfo& info = me.handInfo;
    const int J = info.JackCount, S = info.SuitCount[t] + J, V = info.ShortSuitCount, A = info.AceSuitCount;
    const bool ace = info.RankTable[t][ACE] >= 0, ten = info.RankTable[t][TEN] >= 0;
    const int strong = J >= 2 ? -level : 3;
    if (level != -3 && level != -4) return 2;
    if (level == -3 && J == 2 && A >= 2) {
        for (int s = 0; s < 4; ++s) {
            const bool sTen = info.RankTable[s][TEN] >= 0;
            if (sTen && (info.RankTable[s][ACE] >= 0 || info.RankTable[s][KING] >= 0)) return strong;
        }
    }
    if (me.gameOptions[t][OPT_BIDDING_LEVEL] != 0) return me.gameOptions[t][OPT_BIDDING_LEVEL];
    if (S >= 8 && ace && ten) return strong;
    if (S >= 7) {
        if (ace && ten && (V >= 1 || A >= 2)) return strong;
        if (ace && !ten && A >= 3) return strong;
        if (ace && A == 2 && HasCoverInOtherSuits(info, t, 1, 1)) return strong;
    }
    if (S < 6 || !HasTenCoverInOtherSuits(info, t, 1, 1) || (!ace && !ten)) return 2;
    return strong;
}

void CGameEvaluation::EvaluateSuit(int mode, int option) {
    HandInfo& info = me.handInfo;
    // Step 1: Aces and Tens, with those of a taken skat.
    int A = info.AceSuitCount, T = info.TenSuitCount;
    if (g_Computer.SkatTaken && mode != 4 && !g_Game.HandAnnounced) {
        for (int slot = 10; slot < 12; ++slot) {
            const int card = me.cards[slot];
            if (!IsCardCode(card)) continue;
            if (GetCardRank(card) == ACE) ++A;
            if (GetCardRank(card) == TEN) ++T;
        }
    }
    const int from = option < 0 ? 0 : option, to = option < 0 ? 3 : option;
    // Step 2: the suits' records cleared.
    for (int t = from; t <= to; ++t) ClearGameOption(me.gameOptions[t]);
    // Step 3: each suit's tricks and record.
    for (int t = from; t <= to; ++t) {
        int* opt = me.gameOptions[t];
        const int n = me.EstimateTricks(t);
        const int held = IsNullGame() ? info.SuitCountWithJack[t] : info.SuitCount[t];
        if (held == 0) continue;
        opt[OPT_TRICKS] = n;
        if (n < 2) continue;
        const int S = info.SuitCount[t] + info.JackCount;
        SuitRules rules(me, mode, t, A, T, n);
        const int code = rules.Evaluate(S);
        opt[OPT_RULE] = code;
        if (code == 0) continue;
        opt[OPT_BASE] = kSuitBase[t];
        if ((rules.IsStrong() || mode == 0 || mode == 2 || mode == 4) && opt[OPT_PROBABILITY] < rules.P)
            opt[OPT_PROBABILITY] = rules.P;
    }
    // Step 4: the risk settings.
    const int guardedSeat = me.seat >= 0 && me.seat <= 2 ? me.seat : 2;
    for (int t = from; t <= to; ++t) {
        int* opt = me.gameOptions[t];
        if (opt[OPT_BASE] == 0) continue;
        const int r = (g_Risk.RiskSuit[guardedSeat] >> (8 * t)) & 0xFF;
        if (mode == 0) {
            int code = opt[OPT_RULE];
            if (g_Game.VariantMode == VARIANT_SKAT) code &= ~RULE_OVERRIDE_FLAG;
            if (r * 10 == 110) {
                opt[OPT_BASE] = 0;
            } else if (g_Game.VariantMode == VARIANT_SKAT && g_Settings.Variants.Ramsch) {
                if (opt[OPT_PROBABILITY] < r * 10 && !IsRejectCode(code)) opt[OPT_RULE] = 1304;
                else if (IsRejectCode(code)) opt[OPT_BASE] = 0;
            } else if (IsRejectCode(code) || opt[OPT_PROBABILITY] < r * 10) {
                opt[OPT_BASE] = 0;
            }
        } else if (opt[OPT_TRICKS] < r) {
            opt[OPT_BASE] = 0;
        }
    }
}

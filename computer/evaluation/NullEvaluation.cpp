#include "computer/evaluation/BidEvaluation.h"

#include "computer/evaluation/ComputerState.h"
#include "computer/evaluation/EstimationSheetLayout.h"
#include "computer/evaluation/GameEvaluation.h"
#include "computer/evaluation/GameOption.h"
#include "computer/evaluation/HandAnalysis.h"
#include "computer/evaluation/HandPredicates.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "model/CardCodes.h"
#include "model/PlayerData.h"

#include <algorithm>

namespace {

void SetNull(int* opt, int base, int hand, int ouvert, int probability, int code) {
    opt[OPT_BASE] = base;
    opt[OPT_HAND] = hand;
    opt[OPT_OUVERT] = ouvert;
    opt[OPT_PROBABILITY] = probability;
    opt[OPT_RULE] = code;
}

}  // namespace

bool CGameEvaluation::IsRevolutionHand() const {
    if (me.seat != g_Game.Forehand) return true;
    for (int s = 0; s < 4; ++s) {
        const int n = me.CountInSuit(s);
        if (n == 1) return true;
        if (n >= 2 && n <= 5 && me.handInfo.RankTable[s][EIGHT] >= 0) return true;
    }
    return false;
}

namespace {

using SheetRows = std::int32_t (*)[SHEET_FIELDS];

// Step 2: the Null block of the sheet; returns f, 1 when a suit is safe without forehand or
// without its Ace (structure 3 or 6).
int FillNullSheet(const HandInfo& info, SheetRows rows) {
    for (int r : {0, 1, 2, 3, 5, 6}) rows[r][NullSheet::ClassWord] = SHEET_EMPTY;
    int voids = 0;
    bool has3 = false, has6 = false;
    for (int s = 0; s < 4; ++s) {
        const bool empty = info.SuitCountWithJack[s] == 0;
        if (empty) ++voids;
        else rows[s][NullSheet::ClassWord] = info.StructureCode[s];
        rows[s][kBareSuitFlagWord] = empty ? 1 : 0;
        has3 = has3 || (!empty && info.StructureCode[s] == 3);
        has6 = has6 || (!empty && info.StructureCode[s] == 6);
    }
    SheetAt(rows, NullSheet::BareSuitCount) = voids;
    if (has3) SheetAt(rows, NullSheet::SafeNoForehandMark) = 3;
    if (has6) SheetAt(rows, NullSheet::SafeNoAceMark) = 6;
    return (has3 || has6) ? 1 : 0;
}

// Step 3: with the skat, by the suits' dangers D and risks K; false when the twelve cards were
// evaluated once more instead (that evaluation has settled the options).
bool EvaluateNullWithTheSkat(CPlayer& player, int mode, int f, SheetRows rows) {
    const HandInfo& info = player.handInfo;
    int* nullOpt = player.gameOptions[GAME_NULL];
    int P = 100, D = 0, K = 0;
    for (int s = 0; s < 4; ++s) {
        if (info.SuitCountWithJack[s] == 0) continue;
        const int w = info.SuitCount[s] < 4 ? 40 : 50;
        switch (info.StructureCode[s]) {
            case 3: K += 1; P -= 10; break;
            case 4: D += 1; break;
            case 5: D += 2; break;
            case 6: K += 1; P -= 20; break;
            case 7: K += 1 - f; P -= 30; break;
            case 8: K += 1 - f; D += 1; P -= 30; break;
            case 9: K += 1 - f; D += 2; P -= 30; break;
            case 10: K += 2; D += 1; P -= w; break;
            case 11: K += 2 - f; D += 1; P -= 40; break;
            case 12: K += 2 - f; D += 2; P -= 40; break;
            case 13: D += 3; break;
            default: break;
        }
    }
    SheetAt(rows, NullSheet::Reading) = 1;
    if (D == 1 && K == 2) SetNull(nullOpt, 23, 0, 0, P, 6000);
    else if (D == 1 && K < 2) SetNull(nullOpt, 23, 0, 0, (7 - K) * 10, 6001);
    else if (D == 2 && K == 1) SetNull(nullOpt, 23, 0, 0, 50, 6002);
    else if (D == 2 && K == 0) {
        if (mode == 2) SetNull(nullOpt, 23, 0, 0, 50, 6002);
        else if (mode == 4) SetNull(nullOpt, 46, 0, 1, 100, 6010);
        else {
            // Once more with all twelve cards: the skat may close the gap.
            player.AnalyseHand(4);
            CGameEvaluation(player).EvaluateNull(4);
            return false;
        }
    } else if (D == 0 && K < 2) SetNull(nullOpt, 46, 0, 1, std::max(P, 30), 6010);
    else if (D == 0 && K == 2) SetNull(nullOpt, 23, 0, 0, std::max(P, 30), 6003);
    SheetAt(rows, NullSheet::Chance) = nullOpt[OPT_PROBABILITY];
    return true;
}

// The bidding's counts of the suits by structure (a to h, as the rules name them).
struct NullBidCounts {
    int a = 0, b = 0, c = 0, d = 0, e = 0, g = 0, h = 0;
};

NullBidCounts CountNullStructures(const HandInfo& info) {
    NullBidCounts n;
    for (int s = 0; s < 4; ++s) {
        if (info.SuitCountWithJack[s] == 0) continue;
        switch (info.StructureCode[s]) {
            case 3: n.a += 1; break;
            case 4:
                n.a += 1;
                n.b += 1;
                break;
            case 5:
                n.b += 2;
                n.c += 1;
                break;
            case 6: n.d += 1; break;
            case 7:
                n.c += 1;
                n.e += 1;
                break;
            case 8:
                n.b += 1;
                n.c += 1;
                n.e += 1;
                break;
            case 9:
                n.b += 2;
                n.g += 1;
                break;
            case 10: n.g += 1; break;
            case 11:
                n.b += 1;
                n.c += 1;
                n.h += 1;
                break;
            case 12:
                n.b += 2;
                n.h += 1;
                break;
            case 13: n.b += 3; break;
            default: break;
        }
    }
    if (n.e == 2 && n.c == 2) n.c = 1;
    return n;
}

// Step 4: the bidding; false when the hand offers no Null game.
bool EvaluateNullForTheBidding(CPlayer& player, SheetRows rows) {
    const HandInfo& info = player.handInfo;
    int* nullOpt = player.gameOptions[GAME_NULL];
    int* revolution = player.gameOptions[GAME_REVOLUTION];
    const bool forehand = player.seat == g_Game.Forehand;
    const NullBidCounts n = CountNullStructures(info);
    const int a = n.a, b = n.b, c = n.c, d = n.d, e = n.e, g = n.g, h = n.h;
    const int X = g + h + c + b, Y = a + X, Z = 5 - Y - d, P = 20 * Z;
    SheetAt(rows, NullSheet::Chance) = std::max(P, 0);
    SheetAt(rows, NullSheet::Reading) = 0;
    if (b > 2 || X > 3 || (X == 3 && a + d > 0) || X + e > 4 || Y > 3) return false;
    const int V = a + X + e;
    const bool singleTens = CountSingleSuits(info, 2);
    const int expectA = V - ((V > 0 && c == 0) ? 1 : 0);
    if (e == 0 && a == expectA && (a == 0 || (a == 1 && !forehand))) {
        if ((singleTens || info.NullSafe == 0) && b == 0) {
            SetNull(nullOpt, 46, 0, 1, P, 6013);
        } else if (b == 0) {
            if (g == 0 && d == 0 && g_Game.VariantMode == VARIANT_SKAT && g_Settings.Variants.Revolution &&
                CGameEvaluation(player).IsRevolutionHand())
                SetNull(revolution, 92, 1, 1, 100, 6200);
            else SetNull(nullOpt, 59, 1, 1, P, 6100);
        } else {
            SetNull(nullOpt, 23, 0, 0, P, 6005);
        }
    } else if (V < 2 || (V == 2 && e < 2 && a < 2 && forehand)) {
        SetNull(nullOpt, 46, 0, 1, P, 6012);
    } else if (V == 2 && e < 2 && c <= 1) {
        SetNull(nullOpt, 46, 0, 1, P, 6011);
    } else if ((h > 0 &&
                (player.gameOptions[GAME_CLUBS][OPT_BASE] == 0 || player.gameOptions[GAME_GRAND][OPT_BASE] != 0)) ||
               c + e + a > 3) {
        return false;
    } else if (b == 0 && a < 2 && !singleTens && info.NullSafe == 1) {
        SetNull(nullOpt, 35, 1, 0, P, 6006);
    } else {
        SetNull(nullOpt, 23, 0, 0, P, 6004);
    }
    return true;
}

}  // namespace

void CGameEvaluation::EvaluateNull(int mode) {
    int* nullOpt = me.gameOptions[GAME_NULL];
    int* revolution = me.gameOptions[GAME_REVOLUTION];
    // Step 1: both records cleared; a risk setting above 100 plays no Null.
    ClearGameOption(nullOpt);
    ClearGameOption(revolution);
    const int risk = GetRiskSetting(GAME_NULL);
    if (risk > 100) return;
    auto rows = SheetBlock(me, SHEET_NULL);
    const int f = FillNullSheet(me.handInfo, rows);
    if (mode != 0) {
        if (!EvaluateNullWithTheSkat(me, mode, f, rows)) return;
    } else {
        if (!EvaluateNullForTheBidding(me, rows)) return;
    }
    if (nullOpt[OPT_BASE] != 0 && nullOpt[OPT_PROBABILITY] < risk) nullOpt[OPT_BASE] = 0;
}

// The play-risk analysis of a Ramsch hand: may the skat be passed on unseen? The suits' play
// status codes are counted, danger points summed, and a cascade of numbered rules sets a risk
// limit; the last rule that fired names the verdict in the play block and the Ramsch option.

#include "computer/evaluation/ComputerState.h"
#include "computer/evaluation/EstimationSheetLayout.h"
#include "computer/evaluation/GameOption.h"
#include "computer/evaluation/PlayPreparation.h"
#include "model/GameState.h"
#include "model/CardCodes.h"
#include "model/GameTypeLookups.h"
#include "model/Player.h"

#include <algorithm>

namespace {

// The cascade's counts of the suits by status code.
struct StatusCounts {
    int ok = 0, safe = 0, drop1 = 0, risk = 0, venture = 0, drops = 0, unfit = 0;
};

// The cascade over one hand: the status counts c (c1 the OK suits, raised by the rules that find
// one more), the risk limit v, and the sheet row 6 of the rules' marks.
struct PlayRiskRules {
    CPlayer& player;
    const HandInfo& info;
    std::int32_t (*rows)[SHEET_FIELDS];
    std::int32_t* r6;
    const int J, R, jacks;
    const bool FH;
    StatusCounts c;
    int v = 0;
    bool fired = false;

    int n(int s) const { return IsNullGame() ? info.SuitCountWithJack[s] : info.SuitCount[s]; }
    bool held(int s, int rank) const { return info.Holds(s, rank); }
    // A rule sets the risk limit and names the verdict when its limit is below the one set.
    void Fire(int code, int limit, bool always) {
        if (!always && limit >= r6[4]) return;
        r6[4] = limit;
        r6[0] = code;
        player.gameOptions[GAME_RAMSCH][OPT_RULE] = code;
        fired = true;
    }
    void Rule(int code, int limit) { Fire(code, limit, false); }
    bool UnfitSuit(bool (*test)(const PlayRiskRules&, int)) const {
        for (int s = 0; s < 4; ++s)
            if (info.PlayStatus[s] == STATUS_UNFIT && test(*this, s)) return true;
        return false;
    }

    void Step2CountTheSuits();
    void Step3WithAnUnfitSuit();
    void Step3WithoutAnUnfitSuit();
    enum class Next { DropCheck, Tail, Final };
    Next ByTheOkSuits();
    Next ByTwoOkSuits();
    // The tail; false when the cascade ends there.
    bool Tail();
};

// Step 2: the suits by status, and the danger points.
void PlayRiskRules::Step2CountTheSuits() {
    int danger = 0, longOk = 0;
    for (int s = 0; s < 4; ++s) {
        const int code = info.PlayStatus[s];
        rows[s][PlaySheet::StatusWord] = code;
        rows[s][PlaySheet::VoidWord] = n(s) == 0 ? 1 : 0;
        rows[s][PlaySheet::MalusWord] = code == STATUS_OK && n(s) > 4 ? 1 : 0;
        rows[s][PlaySheet::CardCountWord] = n(s);
        switch (code) {
        case STATUS_OK: ++c.ok; break;
        case STATUS_SAFE_NO_FH: ++c.safe; break;
        case STATUS_SAFE_DROP_1: ++c.drop1, danger += 10; break;
        case STATUS_RISK: ++c.risk, danger += 20; break;
        case STATUS_VENTURE: ++c.venture, danger += 30; break;
        case STATUS_VENTURE_DROP_1: ++c.drops, danger += 20; break;
        case STATUS_VENTURE_DROP_2: c.drops += 2, danger += 40; break;
        case STATUS_UNFIT: ++c.unfit, danger += 40; break;
        default: break;
        }
        if (code == STATUS_OK && n(s) > 4) ++longOk;
    }
    SheetAt(rows, PlaySheet::RamschRisk) = std::min(danger, 100);
    SheetAt(rows, PlaySheet::PassOnRule) = 0;
    SheetAt(rows, PlaySheet::PassOnRisk) = 100;
    SheetAt(rows, PlaySheet::BonusBefore) = c.ok;
    SheetAt(rows, PlaySheet::IsForehand) = FH ? 1 : 0;
    // Long OK suits (and more than two Jacks) take tricks late: they do not count as OK.
    const int g = longOk + (J > 2 ? 1 : 0);
    if (c.ok > 0) {
        c.ok -= g;
        SheetAt(rows, PlaySheet::BonusAfterLongSuits) = g != 0 ? (c.ok | 16) : 0;
    }
}

// Step 3, with an unfit suit.
void PlayRiskRules::Step3WithAnUnfitSuit() {
    int& c1 = c.ok;
    const int c2 = c.safe, c3 = c.drop1, c6 = c.risk, c9 = c.venture, drop = c.drops;
    if (c.unfit == 1 && jacks != STATUS_UNFIT) {
        for (int s = 0; s < 4; ++s) {
            const int lows = (held(s, SEVEN) ? 1 : 0) + (held(s, EIGHT) ? 1 : 0) + (held(s, NINE) ? 1 : 0);
            if (n(s) > 1 && lows >= 2) {
                ++c1;
                r6[14] = c1;
                r6[18] = n(s);
                r6[19] = s;
                break;
            }
        }
    }
    if (c1 >= 3 && FH && c2 == 0 && c3 == 0 && c6 == 0 && c9 == 0 && drop <= 1) Fire(120, 10, true);
    if (c1 < 2 || c.unfit > 1) return;
    if (c2 != 0 || c3 != 0 || c6 != 0 || c9 != 0 || drop != 0) {
        if (c6 == 1 && c2 == 0 && c3 == 0 && c9 == 0 && drop == 0 && jacks == STATUS_OK &&
            UnfitSuit([](const PlayRiskRules& k, int s) {
                return k.n(s) > 3 && GetCardOrder(PickLowestInSuit(k.player, s, true)) < 3;
            }))
            Rule(117, 20);
        return;
    }
    if (jacks == STATUS_OK && UnfitSuit([](const PlayRiskRules& k, int s) { return k.n(s) <= 2; })) Rule(119, 20);
    else if (jacks != STATUS_OK && J == 1 && UnfitSuit([](const PlayRiskRules& k, int s) { return k.n(s) <= 1; }))
        Rule(118, 20);
}

// Step 3, without an unfit suit: the limit v from the risky suits, and the rules of few Jacks.
void PlayRiskRules::Step3WithoutAnUnfitSuit() {
    int& c1 = c.ok;
    const int c3 = c.drop1, c6 = c.risk, c9 = c.venture, drop = c.drops;
    if (c1 == 0) {
        v = 10 * (c9 + c6 + drop);
        return;
    }
    if (FH && drop < 2 && c3 < 2 && jacks != STATUS_UNFIT) {
        ++c1;
        r6[9] = c1;
        if (c1 > 2) Rule(115, c3 > 0 ? 30 : 20);
    }
    if (J <= 1 && !held(CLUBS, JACK) && !held(SPADES, JACK)) {
        if (c3 > 0) v = 10;
        if (c3 < 2 && drop == 0) {
            if (c9 != 0 || c6 != 0) v += 10;
            if (c9 <= 1 && c6 <= 1) Rule(145, v);
            if (c6 < 3 && c9 == 0) Rule(144, v);
        }
        if (drop != 0) v += 10;
        if (c6 < 3 && drop < 2 && c9 == 0 && c3 == 0 && jacks == STATUS_OK) Rule(143, v);
        if (c9 == 0 && drop < 2 && ((c3 < 3 && c6 == 0) || (c3 < 2 && c6 == 1))) Rule(142, v);
    }
    if (v == 0) v = 10 * (c9 + c6 + drop);
}

// The cascade by the OK suits and the risky ones; it tells where the cascade goes on.
PlayRiskRules::Next PlayRiskRules::ByTheOkSuits() {
    int& c1 = c.ok;
    const int c2 = c.safe, c3 = c.drop1, c6 = c.risk, c9 = c.venture, drop = c.drops;
    if (c1 < 2 || c9 > 1) {
        if (c1 > 0 && drop < 3 && c2 == 0 && c3 == 0 && c6 == 0 && c9 == 0) {
            Rule(147, v);
        } else if (c2 < 3 && c6 < 3 && c3 == 0 && c9 == 0 && drop == 0) {
            Rule(139, v);
        } else if ((drop != 0 || c9 > 1 || c6 > 1 || c3 > 1) && (c9 < 2 || (c9 == 2 && c2 == 0)) && drop == 0 &&
                   c3 == 0 && c6 == 0 && R < 0 && J < 3) {
            Rule(137, v);
        } else {
            Rule(138, v);
            return Next::Tail;
        }
    } else if (c6 < 3 && c9 == 0) {
        if (drop == 0 && r6[9] == 0) {
            ++c1;
            r6[10] = c1;
        }
        if (c1 > 2) {
            v = 20 * c6;
            Rule(150, v);
        }
    } else if (c6 < 2) {
        return ByTwoOkSuits();
    } else if (c6 == 2) {
        v += 10;
        if (FH || J == 0 || (J == 1 && R < -2) || (J == 2 && R < -1)) Rule(141, v);
    }
    return Next::DropCheck;
}

// Two OK suits or more, a venture suit, fewer than two risky suits: a single card counts as OK.
PlayRiskRules::Next PlayRiskRules::ByTwoOkSuits() {
    int& c1 = c.ok;
    const int drop = c.drops;
    if (c1 == 2 && jacks != STATUS_UNFIT && drop == 0) {
        c1 = 3;
        r6[11] = 3;
        for (int s = 0; s < 4; ++s) {
            if (n(s) != 1) continue;
            c1 = 4;
            r6[16] = 1;
            r6[12] = 4;
            r6[17] = s;
            break;
        }
    }
    if (!FH || c1 <= 3) return Next::DropCheck;
    if (drop > 1) return Next::Final;
    if (R < 0 && J < 3 && drop == 1) {
        for (int s = 0; s < 4; ++s)
            if (info.PlayStatus[s] == STATUS_VENTURE_DROP_1 && GetCardPoints(PickLowCardOfSuit(player, s)) < 5)
                Rule(116, v);
        return Next::Tail;
    }
    return Next::DropCheck;
}

bool PlayRiskRules::Tail() {
    int& c1 = c.ok;
    const int c2 = c.safe, c3 = c.drop1, c6 = c.risk, c9 = c.venture, drop = c.drops;
    if (c9 != 0) {
        if (c1 < 4) {
            if (c2 + c3 < 3 && c9 < 2 && c1 == 2 && (c2 == 0 || c6 == 0 || drop == 0) && jacks != STATUS_UNFIT) {
                c1 = 4;
                r6[13] = 4;
            }
            if (c2 + c3 >= 3) Rule(131, v);
        }
        if (c1 >= 4) Rule(132, v);
        return true;
    }
    if (c2 + c3 > 2 && J < 2) Rule(136, v);
    if (c1 + c2 + c3 > 2 && jacks != STATUS_UNFIT) {
        if ((c1 < 4 || J > 1) && (J != 2 || jacks == STATUS_VENTURE)) {
            if (J == 3 && drop <= 1 && c3 <= 1) Rule(134, v);
        } else {
            Rule(135, v);
        }
    }
    if (c6 == 4) v += 10;
    if (jacks != STATUS_OK) return false;
    Rule(133, v);
    return true;
}

}  // namespace

bool CPlayer::AnalysePlayRisk() {
    const HandInfo& info = handInfo;
    auto& rows = SheetBlock(*this, SHEET_PLAY);
    const int J = info.JackCount, jacks = info.PlayStatusSummary;
    PlayRiskRules k{.player = *this,
                    .info = info,
                    .rows = rows,
                    .r6 = rows[6],
                    .J = J,
                    .R = info.MatadorRun,
                    .jacks = jacks,
                    .FH = seat == g_Game.Forehand,
                    .c = {}};
    // Step 1: the Jacks' status, malus and count in the sheet.
    for (int i = 8; i <= 19; ++i) k.r6[i] = 0;
    k.r6[17] = k.r6[19] = SHEET_EMPTY;
    SheetAt(rows, PlaySheet::JacksStatus) = jacks;
    SheetAt(rows, PlaySheet::JacksMalus) = J > 2 ? 1 : 0;
    SheetAt(rows, PlaySheet::JackCount) = J;
    k.Step2CountTheSuits();
    if (k.c.unfit > 0) {
        k.Step3WithAnUnfitSuit();
        return k.fired;
    }
    k.Step3WithoutAnUnfitSuit();
    const int c1 = k.c.ok, c9 = k.c.venture, drop = k.c.drops;
    if (c1 > 2 && c9 == 0 && drop < 2 && J < 3 && jacks != STATUS_VENTURE) k.Rule(drop != 0 ? 148 : 149, k.v);
    PlayRiskRules::Next next = k.ByTheOkSuits();
    // The drop check.
    if (next == PlayRiskRules::Next::DropCheck)
        next = drop > 1 ? PlayRiskRules::Next::Final : PlayRiskRules::Next::Tail;
    if (next == PlayRiskRules::Next::Tail && !k.Tail()) return k.fired;
    // The final rule.
    if (jacks == STATUS_OK && k.c.ok > 3 && k.c.safe < 2 && k.c.risk == 0 && c9 + drop < 3) k.Rule(130, k.v);
    return k.fired;
}

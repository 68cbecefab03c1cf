// The play-risk analysis of a Ramsch hand: may the skat be passed on unseen? The suits' play
// status codes are counted, danger points summed, and a cascade of numbered rules sets a risk
// limit; the last rule that fired names the verdict in the play block and the Ramsch option.

#include "computer/evaluation/ComputerState.h"
#include "computer/evaluation/EstimationSheetLayout.h"
#include "computer/evaluation/GameOption.h"
#include "computer/evaluation/PlayPreparation.h"
#include "model/GameState.h"
#include "model/CardCodes.h"
#include "model/Player.h"

#include <algorithm>

namespace {

// The cascade's counts of the suits by status code.
struct StatusCounts {
    int ok = 0, safe = 0, drop1 = 0, risk = 0, venture = 0, drops = 0, unfit = 0;
};

}  // namespace

bool CPlayer::AnalysePlayRisk() {
    const HandInfo& info = handInfo;
    auto& rows = SheetOf(*this).Rows[SHEET_PLAY];
    std::int32_t* r6 = rows[6];
    const int J = info.JackCount, R = info.MatadorRun, jacks = info.PlayStatusSummary;
    const bool FH = seat == g_Game.Forehand;
    auto n = [&](int s) { return IsNullGame() ? info.SuitCountWithJack[s] : info.SuitCount[s]; };
    auto held = [&](int s, int rank) { return info.RankTable[s][rank] >= 0; };
    // Step 1.
    for (int k = 8; k <= 19; ++k) r6[k] = 0;
    r6[17] = r6[19] = SHEET_EMPTY;
    SheetAt(rows, PlaySheet::JacksStatus) = jacks;
    SheetAt(rows, PlaySheet::JacksMalus) = J > 2 ? 1 : 0;
    SheetAt(rows, PlaySheet::JackCount) = J;
    // Step 2: the suits by status, and the danger points.
    StatusCounts c;
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
    int& c1 = c.ok;
    const int c2 = c.safe, c3 = c.drop1, c6 = c.risk, c9 = c.venture, drop = c.drops;
    bool fired = false;
    auto fire = [&](int code, int limit, bool always) {
        if (!always && limit >= r6[4]) return;
        r6[4] = limit;
        r6[0] = code;
        gameOptions[GAME_RAMSCH][OPT_RULE] = code;
        fired = true;
    };
    auto rule = [&](int code, int limit) { fire(code, limit, false); };

    // Step 3, with an unfit suit.
    if (c.unfit > 0) {
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
        if (c1 >= 3 && FH && c2 == 0 && c3 == 0 && c6 == 0 && c9 == 0 && drop <= 1) fire(120, 10, true);
        if (c1 < 2 || c.unfit > 1) return fired;
        auto unfitSuit = [&](auto test) {
            for (int s = 0; s < 4; ++s)
                if (info.PlayStatus[s] == STATUS_UNFIT && test(s)) return true;
            return false;
        };
        if (c2 != 0 || c3 != 0 || c6 != 0 || c9 != 0 || drop != 0) {
            if (c6 == 1 && c2 == 0 && c3 == 0 && c9 == 0 && drop == 0 && jacks == STATUS_OK &&
                unfitSuit([&](int s) { return n(s) > 3 && GetCardOrder(PickLowestInSuit(s, true)) < 3; }))
                rule(117, 20);
            return fired;
        }
        if (jacks == STATUS_OK && unfitSuit([&](int s) { return n(s) <= 2; })) rule(119, 20);
        else if (jacks != STATUS_OK && J == 1 && unfitSuit([&](int s) { return n(s) <= 1; })) rule(118, 20);
        return fired;
    }

    // Step 3, without an unfit suit.
    int v = 0;
    if (c1 == 0) {
        v = 10 * (c9 + c6 + drop);
    } else {
        if (FH && drop < 2 && c3 < 2 && jacks != STATUS_UNFIT) {
            ++c1;
            r6[9] = c1;
            if (c1 > 2) rule(115, c3 > 0 ? 30 : 20);
        }
        if (J <= 1 && !held(CLUBS, JACK) && !held(SPADES, JACK)) {
            if (c3 > 0) v = 10;
            if (c3 < 2 && drop == 0) {
                if (c9 != 0 || c6 != 0) v += 10;
                if (c9 <= 1 && c6 <= 1) rule(145, v);
                if (c6 < 3 && c9 == 0) rule(144, v);
            }
            if (drop != 0) v += 10;
            if (c6 < 3 && drop < 2 && c9 == 0 && c3 == 0 && jacks == STATUS_OK) rule(143, v);
            if (c9 == 0 && drop < 2 && ((c3 < 3 && c6 == 0) || (c3 < 2 && c6 == 1))) rule(142, v);
        }
        if (v == 0) v = 10 * (c9 + c6 + drop);
    }
    if (c1 > 2 && c9 == 0 && drop < 2 && J < 3 && jacks != STATUS_VENTURE) rule(drop != 0 ? 148 : 149, v);

    enum class Next { DropCheck, Tail, Final };
    Next next = Next::DropCheck;
    if (c1 < 2 || c9 > 1) {
        if (c1 > 0 && drop < 3 && c2 == 0 && c3 == 0 && c6 == 0 && c9 == 0) {
            rule(147, v);
        } else if (c2 < 3 && c6 < 3 && c3 == 0 && c9 == 0 && drop == 0) {
            rule(139, v);
        } else if ((drop != 0 || c9 > 1 || c6 > 1 || c3 > 1) && (c9 < 2 || (c9 == 2 && c2 == 0)) && drop == 0 &&
                   c3 == 0 && c6 == 0 && R < 0 && J < 3) {
            rule(137, v);
        } else {
            rule(138, v);
            next = Next::Tail;
        }
    } else if (c6 < 3 && c9 == 0) {
        if (drop == 0 && r6[9] == 0) {
            ++c1;
            r6[10] = c1;
        }
        if (c1 > 2) {
            v = 20 * c6;
            rule(150, v);
        }
    } else if (c6 < 2) {
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
        if (FH && c1 > 3) {
            if (drop > 1) {
                next = Next::Final;
            } else if (R < 0 && J < 3 && drop == 1) {
                for (int s = 0; s < 4; ++s)
                    if (info.PlayStatus[s] == STATUS_VENTURE_DROP_1 && GetCardPoints(PickLowCardOfSuit(s)) < 5)
                        rule(116, v);
                next = Next::Tail;
            }
        }
    } else if (c6 == 2) {
        v += 10;
        if (FH || J == 0 || (J == 1 && R < -2) || (J == 2 && R < -1)) rule(141, v);
    }
    // The drop check.
    if (next == Next::DropCheck) next = drop > 1 ? Next::Final : Next::Tail;
    // The tail.
    if (next == Next::Tail) {
        if (c9 != 0) {
            if (c1 < 4) {
                if (c2 + c3 < 3 && c9 < 2 && c1 == 2 && (c2 == 0 || c6 == 0 || drop == 0) && jacks != STATUS_UNFIT) {
                    c1 = 4;
                    r6[13] = 4;
                }
                if (c2 + c3 >= 3) rule(131, v);
            }
            if (c1 >= 4) rule(132, v);
        } else {
            if (c2 + c3 > 2 && J < 2) rule(136, v);
            if (c1 + c2 + c3 > 2 && jacks != STATUS_UNFIT) {
                if ((c1 < 4 || J > 1) && (J != 2 || jacks == STATUS_VENTURE)) {
                    if (J == 3 && drop <= 1 && c3 <= 1) rule(134, v);
                } else {
                    rule(135, v);
                }
            }
            if (c6 == 4) v += 10;
            if (jacks != STATUS_OK) return fired;
            rule(133, v);
        }
    }
    // The final rule.
    if (jacks == STATUS_OK && c1 > 3 && c2 < 2 && c6 == 0 && c9 + drop < 3) rule(130, v);
    return fired;
}

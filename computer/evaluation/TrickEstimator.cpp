#include "computer/evaluation/TrickEstimator.h"

#include "computer/evaluation/ComputerState.h"
#include "computer/evaluation/GameOption.h"
#include "computer/evaluation/HandPredicates.h"
#include "model/GameState.h"
#include "model/CardCodes.h"
#include "model/Player.h"

#include <algorithm>

namespace {

// Writes the rules of one block: a rule that applies puts its result into field 0 of its row
// and the running estimate into field 2 of every later row.
struct SheetWriter {
    std::int32_t (*rows)[SHEET_FIELDS];
    int E;
    void Carry(int from) {
        for (int r = from; r < SHEET_ROWS; ++r) rows[r][2] = E;
    }
    void Apply(int row, int value) {
        E = value;
        rows[row][0] = value;
        Carry(row + 1);
    }
    int Value(int row) const { return rows[row][0]; }
};

int SuitMask(const HandInfo& info, bool (*test)(const HandInfo&, int)) {
    int mask = 0;
    for (int s = 0; s < 4; ++s)
        if (test(info, s)) mask |= 1 << s;
    return mask;
}

bool Has(const HandInfo& info, int suit, int rank) { return info.RankTable[suit][rank] >= 0; }

int CountOf(const HandInfo& info, int suit) {
    return IsNullGame() ? info.SuitCountWithJack[suit] : info.SuitCount[suit];
}

void WriteNoCardFlags(std::int32_t (*rows)[SHEET_FIELDS], const HandInfo& info) {
    for (int s = 0; s < 4; ++s) rows[s][1] = CountOf(info, s) == 0 ? 1 : 0;
}

int EstimateSuit(CPlayer& player, int t) {
    HandInfo& info = player.handInfo;
    const int J = info.JackCount, R = info.MatadorRun, S = info.SuitCount[t] + J;
    const bool F = player.seat == g_Game.Forehand;
    const bool trumpAce = Has(info, t, ACE), trumpTen = Has(info, t, TEN);
    // Step 1: the lost tricks of the side suits.
    const int L = player.CountExtraTricks(t);
    int lost = 0;
    for (int u = 0; u < 4; ++u)
        if (u != t) lost += (L >> (4 * u)) & 15;
    // Step 2: the input rows.
    player.ClearEstimationSheet(t);
    auto rows = SheetOf(player).Rows[t];
    WriteNoCardFlags(rows, info);
    rows[0][0] = J;
    rows[0][2] = SuitMask(info, [](const HandInfo& h, int s) { return CountOf(h, s) == 0; });
    rows[0][3] = L;
    rows[0][4] = g_Game.Forehand;
    rows[1][0] = info.SuitTricks[t];
    rows[1][3] = R;
    rows[1][4] = F ? 1 : 0;
    rows[1][5] = info.ShortSuitCount;
    rows[2][0] = info.SuitTrickSum - lost;
    rows[2][7] = CountAceTenElsewhere(info, t);
    rows[3][0] = info.SuitCount[t];
    rows[3][2] = SuitMask(info, [](const HandInfo& h, int s) { return Has(h, s, JACK); });
    rows[3][3] = CountAcesElsewhere(info, t);
    rows[3][4] = CountTensElsewhere(info, t);
    rows[4][0] = info.ShortSuitCount;
    int otherAces = 0, allAces = 0, otherAceTen = 0;
    for (int s = 0; s < 4; ++s) {
        if (Has(info, s, ACE)) allAces |= 1 << s;
        if (s != t && Has(info, s, ACE)) otherAces |= 1 << s;
        if (s != t && Has(info, s, ACE) && Has(info, s, TEN)) otherAceTen |= 1 << s;
    }
    rows[4][2] = otherAces;
    rows[4][3] = allAces;
    rows[4][4] = otherAceTen;
    rows[5][0] = S;
    rows[5][3] = SuitMask(info, [](const HandInfo& h, int s) { return Has(h, s, TEN); });
    rows[9][6] = CountAcesElsewhere(info, 6);
    rows[9][7] = CountTensElsewhere(info, 6);
    const int row2 = rows[2][0];
    const int row1 = rows[1][0];
    const int acesAll = rows[9][6], tensAll = rows[9][7];
    SheetWriter w{rows, S};
    w.Carry(6);
    // Step 3: the rules.
    if (S < 6) {  // row 6: long side suits cost tricks
        int longest = 0, longestSuit = -1;
        bool lowered = false;
        int E = w.E;
        for (int u = 0; u < 4; ++u) {
            if (u == t) continue;
            const int length = info.SuitCount[u] + (lowered ? 1 : 0);
            if (length > 3 && length > longest) {
                E -= length - 3;
                lowered = true;
            }
            if (length > longest) {
                longest = length;
                longestSuit = u;
            }
        }
        rows[6][3] = longest;
        rows[6][4] = longestSuit;
        w.Apply(6, E);
    }
    const int after6 = w.E;
    if (S < 5) {
        if (R < 0 && J < 2 && !Has(info, CLUBS, JACK) && !trumpAce && !trumpTen) w.Apply(8, after6 - 2);
        else w.Apply(7, after6 - 1);
    }
    rows[8][3] = trumpTen ? 1 : 0;
    if (R == 1) {
        const int before13 = w.E;
        if (J < 3) w.Apply(13, w.E - 1);
        if (J < 3 && S < 6) w.Apply(14, before13 - 2);
        if (!Has(info, HEARTS, JACK) && (S < 6 || (S == 6 && !trumpAce))) w.Apply(15, w.E - 1);
    } else if (R == 2) {
        if (S < 6 && !Has(info, DIAMONDS, JACK) && !trumpAce && !trumpTen) w.Apply(16, w.E - 1);
    } else if (R < 0) {
        if (J < 3) w.Apply(9, w.E - 1);
        const int after9 = w.E;
        if (R < -1) {
            if (R < -2 && S < 6) w.Apply(11, after9 - 2);
            else w.Apply(10, after9 - 1);
        }
        if (R >= -1 && !Has(info, HEARTS, JACK) && S < 6) w.Apply(12, w.E - 1);
    }
    if (info.SuitTricks[t] == 0 && CountAcesElsewhere(info, t) < 2 && CountAceTenElsewhere(info, t) == 0) {
        const int X = row2 + J;
        if (w.E < X) w.Apply(17, w.E - 1);
        else if (w.E < S && w.E == X && CountAcesElsewhere(info, t) > 0) w.Apply(18, w.E + 1);
    } else {
        if (w.E > 4 && row1 < row2) {  // row 19
            rows[19][4] = trumpAce;
            rows[19][5] = trumpTen;
            rows[19][6] = Has(info, t, KING);
            if (trumpAce + trumpTen + Has(info, t, KING) >= 2) {
                rows[19][3] = t;
                w.Apply(19, w.E + (row2 - row1));
            }
        }
        if (w.E < S || w.E < row2) w.Apply(20, std::max(row2, S));
        rows[21][9] = 0;
        if (w.E > 5) {
            for (int u = 0; u < 4; ++u) {
                if (u == t || info.SuitCount[u] > 3 || Has(info, u, ACE) || Has(info, u, KING) || !Has(info, u, TEN))
                    continue;
                rows[21][3] = u;
                rows[21][4] = 0;
                rows[21][5] = 1;
                rows[21][6] = 0;
                rows[21][9] = info.SuitCount[u];
                w.Apply(21, w.E - 1);
                break;
            }
        }
        if (w.E >= 8 && R <= 0 && J <= 1) w.Apply(22, 7);
    }
    if (w.E < 0 || w.E > 10) w.Apply(23, std::clamp(w.E, 0, 10));
    if (w.E == 10 && ((R == 1 && S < 9) || !F)) w.Apply(24, w.E - 1);
    bool row25 = false;
    if (w.E >= 9 && acesAll == 0 && J <= 3 && !F) {
        w.Apply(25, w.E - 1);
        row25 = true;
    }
    if (!row25 && w.E > 7 && R < 0) w.Apply(26, w.E - info.ShortSuitCount);
    if (w.E <= 1 && R > 0 && J > 1 && S > 3) w.Apply(27, R + 2);
    if (w.E <= 4 && acesAll > 1 && ((trumpAce && S >= 4) || (!trumpAce && S >= 5))) w.Apply(28, w.E + 1);
    if (w.E < 4 && acesAll > 2) w.Apply(29, info.AceSuitCount + J);
    if (S < w.E && R < -1 && J == 1) w.Apply(30, w.E - 1);
    if (w.E < 4 && acesAll > 1 && tensAll > 1) w.Apply(31, 4);
    rows[32][3] = (HasAceCoverInOtherSuits(info, t, 2, 1) || HasCoverInOtherSuits(info, t, 1, 1)) ? 1 : 0;
    bool row32 = false;
    if ((w.E == 7 || w.E == 8) && R > 2 && rows[32][3] == 1 && F) {
        w.Apply(32, w.E + 1);
        row32 = true;
    }
    const int acesElsewhere = CountAcesElsewhere(info, t);
    if (!row32 && (((w.E == S || w.E < 7 || info.SuitTricks[t] == 0) && acesElsewhere == 0) ||
                   (w.E > 8 && R < 4 && S < 7 && info.ShortSuitCount > 1) ||
                   (w.E > 7 && R < 2 && acesElsewhere < 3 && info.ShortSuitCount < 2)))
        w.Apply(33, w.E > 8 ? w.E - 2 : w.E - 1);
    rows[34][2] = w.E;
    return w.E;
}

int EstimateGrand(CPlayer& player) {
    HandInfo& info = player.handInfo;
    const int J = info.JackCount, R = info.MatadorRun, A = info.AceSuitCount, T = info.TenSuitCount;
    const int V = info.ShortSuitCount;
    const bool F = player.seat == g_Game.Forehand;
    // Step 1.
    const int X = player.CountExtraTricks(6);
    int E = std::clamp(J + info.SecondaryTrickSum - X, 0, 10);
    // Step 2: the input rows.
    player.ClearEstimationSheet(SHEET_GRAND);
    auto rows = SheetOf(player).Rows[SHEET_GRAND];
    WriteNoCardFlags(rows, info);
    rows[0][0] = J;
    rows[0][2] = SuitMask(info, [](const HandInfo& h, int s) { return CountOf(h, s) == 0; });
    rows[0][4] = g_Game.Forehand;
    rows[1][0] = info.SecondaryTrickSum - X;
    rows[1][3] = R;
    rows[1][4] = F ? 1 : 0;
    rows[2][0] = std::max(0, info.SecondaryTrickSum - X);
    rows[2][7] = CountAceTenElsewhere(info, 6);
    rows[3][0] = E;
    rows[3][2] = SuitMask(info, [](const HandInfo& h, int s) { return Has(h, s, JACK); });
    rows[3][3] = A;
    rows[3][4] = T;
    rows[3][7] = CountHighElsewhere(info, 6);
    rows[4][0] = V;
    rows[4][2] = SuitMask(info, [](const HandInfo& h, int s) { return Has(h, s, ACE); });
    rows[4][3] = SuitMask(info, [](const HandInfo& h, int s) { return Has(h, s, ACE) && Has(h, s, TEN); });
    rows[4][4] = SuitMask(info, [](const HandInfo& h, int s) {
        return Has(h, s, ACE) && Has(h, s, TEN) && Has(h, s, KING);
    });
    rows[5][2] = SuitMask(info, [](const HandInfo& h, int s) { return Has(h, s, TEN); });
    const int row2 = rows[2][0];
    const int row3 = rows[3][0];
    SheetWriter w{rows, E};
    w.Carry(6);
    auto n = [&](int s) { return info.SuitCount[s]; };
    auto has = [&](int s, int r) { return Has(info, s, r); };
    // Row 5: the weak long suit mark.
    bool weakLong = false;
    if (R < 2 && J == 2) {
        rows[5][0] = 0;
        rows[5][4] = 0;
        rows[5][9] = 0;
        for (int s = 0; s < 4; ++s) {
            rows[5][9] = std::max(rows[5][9], n(s));
            if (n(s) <= 3) continue;
            rows[5][3] = s;
            const bool closed = has(s, ACE) && has(s, TEN) && has(s, KING);
            rows[5][4] = closed ? 1 : 0;
            if (!closed) {
                rows[5][0] = 1;
                weakLong = true;
                break;
            }
        }
    }
    if (J == 0) {
        w.Apply(6, w.E - 4);
        if (w.E < row2) w.Apply(7, row2);
    }
    if (w.E > 8 && R == -1 && (J == 3 || (J == 2 && A == 4))) w.Apply(8, w.E - 1);
    else if (w.E > 8 && R < 2 && J < 3 && !(R == 1 && J == 2 && A == 4 && F)) w.Apply(9, w.E - 2);
    if (w.E > 6) {
        rows[10][7] = 0;
        if ((R < 0 || (R < 2 && J < 3)) && A < 3) {
            int longest = 0;
            for (int s = 1; s < 4; ++s)
                if (n(s) > n(longest)) longest = s;
            rows[10][3] = longest;
            rows[10][7] = n(longest);
            if (n(longest) < 6 && (!HasCoverInOtherSuits(info, 6, 2, 1) || !F)) w.Apply(10, w.E - 2);
        }
    }
    if (w.E > 3 && R < 0 && J < 3 && !F && V > 1) w.Apply(11, 3);
    if (row2 > 1 && w.E < 7 && R == 4 && A > 0 && A + T > 1 && V > 0) {
        bool loneTen = false;
        int longest = -1;
        for (int s = 0; s < 4; ++s) {
            if (!has(s, TEN)) continue;
            if (n(s) <= 1) loneTen = true;
            if (longest < 0 || n(s) > n(longest)) longest = s;
        }
        if (!loneTen) {
            if (longest >= 0) {
                rows[12][3] = 1 << longest;
                rows[12][9] = n(longest);
            }
            w.Apply(12, w.E + 1);
        }
    }
    if (row2 > 1 && R == 4) {
        for (int s = 0; s < 4; ++s) {
            const int slot0 = info.SuitRecords[2 * s + 1].Slots[0];
            if (n(s) < 3 || has(s, ACE) || has(s, QUEEN) || !(has(s, TEN) || has(s, KING)) || slot0 >= n(s) - 1)
                continue;
            rows[13][3] = s;
            rows[13][4] = 0;
            rows[13][5] = has(s, TEN);
            rows[13][6] = has(s, KING);
            rows[13][7] = 0;
            rows[13][8] = slot0;
            rows[13][9] = n(s);
            w.Apply(13, w.E + 1);
            break;
        }
    }
    if (w.E < 8 && J > 2) {
        for (int s = 0; s < 4; ++s) {
            if (n(s) < 4 || !has(s, ACE) || !has(s, TEN) || !has(s, KING)) continue;
            rows[14][3] = s;
            rows[14][4] = rows[14][5] = rows[14][6] = 1;
            rows[14][9] = n(s);
            w.Apply(14, w.E + 1);
            break;
        }
        if (R > 0) {
            for (int s = 0; s < 4; ++s) {
                if (n(s) <= 5) continue;
                rows[15][3] = s;
                rows[15][9] = n(s);
                w.Apply(15, w.E + 1);
                break;
            }
        }
    }
    if (w.E < 9 && R > 0 && J > 2 && F) {
        for (int s = 0; s < 4; ++s) {
            if (n(s) >= 4 && !has(s, ACE) && has(s, TEN) != has(s, KING)) {
                w.Apply(16, w.E + 1);
                break;
            }
        }
    }
    if (R == 2 && V == 0) {
        for (int s = 0; s < 4; ++s) {
            if ((n(s) == 3 || n(s) == 4) && has(s, ACE) && has(s, TEN) != has(s, KING)) {
                w.Apply(17, w.E - 1);
                break;
            }
        }
    }
    if (w.E > 5 && !F && R < 2 && J < 3) {
        if (V == 2) w.Apply(18, weakLong ? w.E - 1 : w.E);
        else if (V == 1) w.Apply(19, w.E - 1 - (weakLong ? 1 : 0));
    }
    if (R > 1) {
        for (int s = 0; s < 4; ++s) {
            if (n(s) < 5) continue;
            int row = -1;
            if (R >= 3 && (R == 4 || A >= 1 || (V == 2 && F)) && has(s, TEN) && !has(s, ACE) && !has(s, KING))
                row = 20;
            else if (w.E <= 7 && has(s, ACE) && has(s, TEN) && !has(s, KING))
                row = 21;
            if (row < 0) continue;
            rows[row][3] = s;
            rows[row][4] = has(s, ACE);
            rows[row][5] = has(s, TEN);
            rows[row][6] = has(s, KING);
            rows[row][9] = n(s);
            w.Apply(row, w.E + 1);
            break;
        }
    }
    bool skipTo32 = false;
    if (R == 1 && J < 4 && !F) {
        for (int s = 0; s < 4; ++s) {
            if ((n(s) != 4 && n(s) != 5) || !has(s, ACE) || has(s, TEN)) continue;
            if (!has(s, KING)) {
                if (n(s) == 4 && !has(s, QUEEN)) w.Apply(23, w.E - 2);
                else w.Apply(22, w.E - 1);
            } else if (J < 3) {
                w.Apply(24, w.E - 1);
            }
            skipTo32 = true;
            break;
        }
    }
    if (!skipTo32) {
        if (w.E == 6 && (R < 3 || J < 4)) {
            for (int s = 0; s < 4; ++s) {
                if (n(s) == 4 && has(s, ACE) && has(s, TEN) && !has(s, KING) && !has(s, QUEEN) && !has(s, NINE)) {
                    w.Apply(25, 5);
                    break;
                }
            }
        }
        if (w.E == 8 && R == 3 && !F) {
            for (int s = 0; s < 4; ++s) {
                if ((n(s) == 3 || n(s) == 4) && has(s, ACE) && !has(s, TEN)) {
                    w.Apply(26, 7);
                    break;
                }
            }
        }
        if (w.E == 9) {
            for (int s = 0; s < 4; ++s) {
                if (n(s) == 4 && has(s, ACE) && has(s, KING) && !has(s, TEN) && !has(s, QUEEN)) {
                    w.Apply(27, 8);
                    break;
                }
            }
        }
        if (R == 2 && J == 2 && A < 3 && !HasTenCoverInOtherSuits(info, 6, 1, 1) && !F) {
            if (V == 1) w.Apply(28, w.E - 1 - (weakLong ? 1 : 0));
            else if (V == 2) w.Apply(29, std::max(0, w.E - 5));
        }
        const bool heartsJack = has(HEARTS, JACK);
        rows[30][3] = heartsJack ? 1 : 0;
        if (J == 2 && A < 4 && ((R == -1 && (!heartsJack || w.E == row3)) || R == -2 || R == 1))
            w.Apply(30, w.E - 1);
        if (w.E > 5 && R < 0 && J < 3 && A < 3) w.Apply(31, w.E - 2);
    }
    if (w.E == 8 && R >= 1 && J >= 3) {
        int singles = 0;
        for (int s = 0; s < 4; ++s) {
            if (n(s) != 1 || has(s, ACE)) continue;
            for (int r = 0; r < 8; ++r)
                if (r != JACK && has(s, r)) rows[32][3 + std::min(singles, 3)] = r;
            ++singles;
        }
        rows[32][7] = singles;
        if (singles >= 2) w.Apply(32, 7);
    } else if (w.E == 10 && !F && J <= 3) {
        w.Apply(33, 9);
    }
    rows[34][2] = w.E;
    return w.E;
}

}  // namespace

int CPlayer::EstimateTricks(int type) {
    if (IsSuitGame(type)) return EstimateSuit(*this, type);
    if (type == GAME_GRAND) return EstimateGrand(*this);
    return 0;
}

int CPlayer::CountExtraTricks(int type) {
    HandInfo& info = handInfo;
    const int J = info.JackCount, R = info.MatadorRun;
    if (IsSuitGame(type)) {
        const int S = info.SuitCount[type] + J;
        if (R >= 3 || J >= 3 || S >= 4) return 0;
        int word = 0;
        for (int u = 3; u >= 0; --u) {
            if (u == type) continue;
            int lost = 0;
            for (int k = 0; k < 16; ++k) {
                const int v = info.SuitRecords[2 * u].Slots[k];
                if (v > 2) lost += v - 2;
            }
            word |= std::min(lost, 15) << (4 * u);
        }
        return word;
    }
    if (type != GAME_GRAND) return 0;
    auto secondary = [&](int s) { return info.SuitRecords[2 * s + 1].Slots; };
    for (int s = 0; s < 4; ++s) secondary(s)[16] = secondary(s)[17] = 0;
    auto credit = [&](int s, int tricks, int reason) {
        secondary(s)[16] = tricks;
        secondary(s)[17] = reason;
    };
    auto has = [&](int s, int r) { return info.RankTable[s][r] >= 0; };
    auto n = [&](int s) { return info.SuitCount[s]; };
    // Step 1.
    const int sum = info.SecondaryTrickSum + J;
    int X = sum > 10 ? sum - 10 : 0;
    bool toStep6 = false;
    // Step 2.
    if (J >= 3 && info.AceSuitCount == 0 && gameOptions[GAME_GRAND][OPT_SCHWARZ] == 0) {
        for (int s = 0; s < 4; ++s) {
            if (n(s) >= 4 && has(s, TEN) && has(s, QUEEN) && has(s, KING)) {
                credit(s, 1, 1);
                ++X;
            }
        }
    }
    if (J != 4) {
        if (R >= 0) {
            // Step 3.
            if (J == 2 && R == 2 && info.ShortSuitCount >= 2) {
                for (int s = 0; s < 4; ++s) {
                    if (n(s) > 2) {
                        credit(s, 1, 7);
                        ++X;
                    }
                }
                toStep6 = true;
            }
        } else {
            // Step 4.
            for (int s = 0; s < 4; ++s) {
                const int* slots = secondary(s);
                if ((slots[0] == 0 && slots[12] == 0 && slots[13] == 0) || slots[0] == 1 || slots[12] == 1) continue;
                if (has(s, ACE) && n(s) >= 2 && n(s) <= 4 && !has(s, TEN)) {
                    credit(s, 1, 3);
                    ++X;
                } else if (!has(s, ACE) && n(s) > 0) {
                    credit(s, 1, 2);
                    ++X;
                }
            }
        }
    }
    // Step 5.
    if (!toStep6 && J <= 1) {
        for (int s = 0; s < 4; ++s) {
            if (!has(s, ACE) || !has(s, TEN) || n(s) < 3) continue;
            const int c = n(s) >= 6 ? n(s) - 1 : n(s) - 2;
            credit(s, c, 6);
            X += c;
        }
        X = std::max(X, 0);
    }
    // Step 6: only in the Ramsch-only rule set.
    if (g_Game.VariantMode == VARIANT_RAMSCH_ONLY &&
        ((J == 2 && HasAceCoverInOtherSuits(info, 6, 2, 1)) || (J < 2 && HasAceCoverInOtherSuits(info, 6, 3, 1)))) {
        for (int s = 0; s < 4; ++s) {
            if (!has(s, ACE)) continue;
            if (has(s, TEN)) {
                credit(s, -1, 11);
                --X;
                if (has(s, KING) && n(s) < 4) {
                    credit(s, -2, 12);
                    --X;
                }
            } else if (has(s, QUEEN) && has(s, KING)) {
                credit(s, -1, 13);
                --X;
            }
        }
        X = std::max(X, 0);
    }
    return X;
}

void CPlayer::ClearEstimationSheet(int view) {
    TrickEstimationSheet& sheet = SheetOf(*this);
    const int from = view < 0 ? 0 : view;
    const int to = view < 0 ? 4 : view;
    if (from > 4 || to > 4) return;
    for (int b = from; b <= to; ++b) {
        for (auto& row : sheet.Rows[b]) {
            row[0] = SHEET_EMPTY;
            for (int f = 2; f <= 7; ++f) row[f] = SHEET_EMPTY;
            row[8] = 0;
        }
    }
}

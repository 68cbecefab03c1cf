#include "computer/evaluation/TrickEstimator.h"

#include "computer/evaluation/ComputerState.h"
#include "computer/evaluation/EstimationSheetLayout.h"
#include "computer/evaluation/GameOption.h"
#include "computer/evaluation/HandPredicates.h"
#include "computer/play/CardQueries.h"
#include "model/GameState.h"
#include "model/CardCodes.h"
#include "model/PlayerData.h"

#include <algorithm>

namespace {

// Writes the rules of one block: a rule that applies puts its result into field 0 of its row
// and the running estimate into field 2 of every later row. The carries are noted and written
// by Flush, each row once: no rule reads field 2 of a rule row, and a later carry covers the
// rows an earlier one reached.
struct SheetWriter {
    struct Carried {
        int from, value;
    };
    SheetWriter(std::int32_t (*sheetRows)[SHEET_FIELDS], int estimate) : rows(sheetRows), E(estimate) {}
    std::int32_t (*rows)[SHEET_FIELDS];
    int E;
    // Only the first `carries` entries are ever read: left unset, not cleared at every estimate.
    Carried carried[SHEET_ROWS];
    int carries = 0;
    void Carry(int from) {
        if (carries == SHEET_ROWS) Flush();
        carried[carries++] = {from, E};
    }
    void Apply(int row, int value) {
        E = value;
        rows[row][RuleRow::Value] = value;
        Carry(row + 1);
    }
    int Value(int row) const { return rows[row][RuleRow::Value]; }
    // Field 2 of every row as the carries in their order leave it, newest first.
    void Flush() {
        int upper = SHEET_ROWS;
        for (int i = carries - 1; i >= 0; --i) {
            for (int r = carried[i].from; r < upper; ++r) rows[r][RuleRow::EstimateBefore] = carried[i].value;
            upper = std::min(upper, carried[i].from);
        }
        carries = 0;
    }
};

// The suits (bit s) that pass the test; a template, so that each test is inlined.
template <typename Test>
int SuitMask(const HandInfo& info, Test test) {
    int mask = 0;
    for (int s = 0; s < 4; ++s)
        if (test(info, s)) mask |= 1 << s;
    return mask;
}

void WriteNoCardFlags(std::int32_t (*rows)[SHEET_FIELDS], const HandInfo& info) {
    for (int s = 0; s < 4; ++s) rows[s][kBareSuitFlagWord] = PlainCount(info, s) == 0 ? 1 : 0;
}

// The suit sheet's rule rows 6 to 33 over one hand and trump suit t: J Jacks, R the matador run,
// S the trumps, F forehand; row1 and row2 are the trump tricks and the safe tricks, acesAll and
// tensAll the Aces and Tens of the hand, acesElsewhere and aceTensElsewhere the side suits with
// their Ace and with Ace and Ten (the hand does not change while the rules run: counted once).
struct SuitSheetRules {
    const HandInfo& info;
    std::int32_t (*rows)[SHEET_FIELDS];
    SheetWriter w;
    const int t, J, R, S;
    const bool F, trumpAce, trumpTen;
    const int row1, row2, acesAll, tensAll;
    const int acesElsewhere, aceTensElsewhere;

    void Row6LongSideSuits();
    void Rows7To16ByTheMatadors();
    void Rows17To22ByTheTrumpTricks();
    void Rows19To22HighTrumps();
    void Rows23To31Bounds();
    void Rows32And33();
};

// Row 6: long side suits cost tricks.
void SuitSheetRules::Row6LongSideSuits() {
    using namespace SuitSheet;
    if (S >= 6) return;
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
    SheetAt(rows, LongestSideSuitLength) = longest;
    SheetAt(rows, LongestSideSuit) = longestSuit;
    w.Apply(6, E);
}

void SuitSheetRules::Rows7To16ByTheMatadors() {
    using namespace SuitSheet;
    const int after6 = w.E;
    if (S < 5) {
        if (R < 0 && J < 2 && !info.Holds(CLUBS, JACK) && !trumpAce && !trumpTen) w.Apply(8, after6 - 2);
        else w.Apply(7, after6 - 1);
    }
    SheetAt(rows, TrumpTenHeld) = trumpTen ? 1 : 0;
    if (R == 1) {
        const int before13 = w.E;
        if (J < 3) w.Apply(13, w.E - 1);
        if (J < 3 && S < 6) w.Apply(14, before13 - 2);
        if (!info.Holds(HEARTS, JACK) && (S < 6 || (S == 6 && !trumpAce))) w.Apply(15, w.E - 1);
    } else if (R == 2) {
        if (S < 6 && !info.Holds(DIAMONDS, JACK) && !trumpAce && !trumpTen) w.Apply(16, w.E - 1);
    } else if (R < 0) {
        if (J < 3) w.Apply(9, w.E - 1);
        const int after9 = w.E;
        if (R < -1) {
            if (R < -2 && S < 6) w.Apply(11, after9 - 2);
            else w.Apply(10, after9 - 1);
        }
        if (R >= -1 && !info.Holds(HEARTS, JACK) && S < 6) w.Apply(12, w.E - 1);
    }
}

void SuitSheetRules::Rows17To22ByTheTrumpTricks() {
    if (info.SuitTricks[t] == 0 && acesElsewhere < 2 && aceTensElsewhere == 0) {
        const int X = row2 + J;
        if (w.E < X) w.Apply(17, w.E - 1);
        else if (w.E < S && w.E == X && acesElsewhere > 0) w.Apply(18, w.E + 1);
    } else {
        Rows19To22HighTrumps();
    }
}

void SuitSheetRules::Rows19To22HighTrumps() {
    using namespace SuitSheet;
    if (w.E > 4 && row1 < row2) {  // row 19
        SheetAt(rows, TrumpHighAce) = trumpAce;
        SheetAt(rows, TrumpHighTen) = trumpTen;
        SheetAt(rows, TrumpHighKing) = info.Holds(t, KING);
        if (trumpAce + trumpTen + info.Holds(t, KING) >= 2) {
            SheetAt(rows, TrumpHighSuit) = t;
            w.Apply(19, w.E + (row2 - row1));
        }
    }
    if (w.E < S || w.E < row2) w.Apply(20, std::max(row2, S));
    SheetAt(rows, LoneTenLength) = 0;
    if (w.E > 5) {
        for (int u = 0; u < 4; ++u) {
            if (u == t || info.SuitCount[u] > 3 || info.Holds(u, ACE) || info.Holds(u, KING) || !info.Holds(u, TEN))
                continue;
            SheetAt(rows, LoneTenSuit) = u;
            SheetAt(rows, LoneTenAce) = 0;
            SheetAt(rows, LoneTenTen) = 1;
            SheetAt(rows, LoneTenKing) = 0;
            SheetAt(rows, LoneTenLength) = info.SuitCount[u];
            w.Apply(21, w.E - 1);
            break;
        }
    }
    if (w.E >= 8 && R <= 0 && J <= 1) w.Apply(22, 7);
}

void SuitSheetRules::Rows23To31Bounds() {
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
}

void SuitSheetRules::Rows32And33() {
    using namespace SuitSheet;
    SheetAt(rows, SideCover) = (HasAceCoverInOtherSuits(info, t, 2, 1) || HasCoverInOtherSuits(info, t, 1, 1)) ? 1 : 0;
    bool row32 = false;
    if ((w.E == 7 || w.E == 8) && R > 2 && SheetAt(rows, SideCover) == 1 && F) {
        w.Apply(32, w.E + 1);
        row32 = true;
    }
    if (!row32 && (((w.E == S || w.E < 7 || info.SuitTricks[t] == 0) && acesElsewhere == 0) ||
                   (w.E > 8 && R < 4 && S < 7 && info.ShortSuitCount > 1) ||
                   (w.E > 7 && R < 2 && acesElsewhere < 3 && info.ShortSuitCount < 2)))
        w.Apply(33, w.E > 8 ? w.E - 2 : w.E - 1);
}

// Step 2 of the suit estimate: the input rows of the sheet.
void WriteSuitInputRows(std::int32_t (*rows)[SHEET_FIELDS], const HandInfo& info, int t, int L, int lost, bool F) {
    using namespace SuitSheet;
    const int J = info.JackCount;
    WriteNoCardFlags(rows, info);
    SheetAt(rows, JackCount) = J;
    SheetAt(rows, EmptySuitMask) = SuitMask(info, [](const HandInfo& h, int s) { return PlainCount(h, s) == 0; });
    SheetAt(rows, LostTrickWord) = L;
    SheetAt(rows, ForehandSeat) = g_Game.Forehand;
    SheetAt(rows, TrumpTricks) = info.SuitTricks[t];
    SheetAt(rows, MatadorRun) = info.MatadorRun;
    SheetAt(rows, IsForehand) = F ? 1 : 0;
    SheetAt(rows, ShortSuits) = info.ShortSuitCount;
    SheetAt(rows, SafeTricks) = info.SuitTrickSum - lost;
    SheetAt(rows, AceTenElsewhereCount) = CountAceTenElsewhere(info, t);
    SheetAt(rows, TrumpSuitCount) = info.SuitCount[t];
    SheetAt(rows, JackMask) = SuitMask(info, [](const HandInfo& h, int s) { return h.Holds(s, JACK); });
    SheetAt(rows, AcesElsewhereCount) = CountAcesElsewhere(info, t);
    SheetAt(rows, TensElsewhereCount) = CountTensElsewhere(info, t);
    SheetAt(rows, BareSuitCount) = info.ShortSuitCount;
    int otherAces = 0, allAces = 0, otherAceTen = 0;
    for (int s = 0; s < 4; ++s) {
        if (info.Holds(s, ACE)) allAces |= 1 << s;
        if (s != t && info.Holds(s, ACE)) otherAces |= 1 << s;
        if (s != t && info.Holds(s, ACE) && info.Holds(s, TEN)) otherAceTen |= 1 << s;
    }
    SheetAt(rows, AcesElsewhereMask) = otherAces;
    SheetAt(rows, AceMask) = allAces;
    SheetAt(rows, AceTenElsewhereMask) = otherAceTen;
    SheetAt(rows, Trumps) = info.SuitCount[t] + J;
    SheetAt(rows, TenMask) = SuitMask(info, [](const HandInfo& h, int s) { return h.Holds(s, TEN); });
    SheetAt(rows, AceCount) = CountAcesElsewhere(info, 6);
    SheetAt(rows, TenCount) = CountTensElsewhere(info, 6);
    // The Hearts and Diamonds Jack, for the rules that miss one of them.
    SheetAt(rows, HeartsJackHeld) = info.Holds(HEARTS, JACK) ? 1 : 0;
    SheetAt(rows, DiamondsJackHeld) = info.Holds(DIAMONDS, JACK) ? 1 : 0;
}

int EstimateSuit(CPlayer& player, int t) {
    HandInfo& info = player.handInfo;
    const int J = info.JackCount, S = info.SuitCount[t] + J;
    const bool F = player.seat == g_Game.Forehand;
    const bool trumpAce = info.Holds(t, ACE), trumpTen = info.Holds(t, TEN);
    // Step 1: the lost tricks of the side suits.
    const int L = player.CountExtraTricks(t);
    int lost = 0;
    for (int u = 0; u < 4; ++u)
        if (u != t) lost += (L >> (4 * u)) & 15;
    // Step 2: the input rows.
    player.ClearEstimationSheet(t);
    auto rows = SheetBlock(player, t);
    WriteSuitInputRows(rows, info, t, L, lost, F);
    using namespace SuitSheet;
    SuitSheetRules rules{.info = info,
                         .rows = rows,
                         .w = SheetWriter{rows, S},
                         .t = t,
                         .J = J,
                         .R = info.MatadorRun,
                         .S = S,
                         .F = F,
                         .trumpAce = trumpAce,
                         .trumpTen = trumpTen,
                         .row1 = SheetAt(rows, TrumpTricks),
                         .row2 = SheetAt(rows, SafeTricks),
                         .acesAll = SheetAt(rows, AceCount),
                         .tensAll = SheetAt(rows, TenCount),
                         .acesElsewhere = SheetAt(rows, AcesElsewhereCount),
                         .aceTensElsewhere = SheetAt(rows, AceTenElsewhereCount)};
    rules.w.Carry(6);
    // Step 3: the rules.
    rules.Row6LongSideSuits();
    rules.Rows7To16ByTheMatadors();
    rules.Rows17To22ByTheTrumpTricks();
    rules.Rows23To31Bounds();
    rules.Rows32And33();
    rules.w.Flush();
    SheetAt(rows, FinalEstimate) = rules.w.E;
    return rules.w.E;
}

// The Grand rules that look at one long suit name it in their rows for the explanation: the suit
// the rule finds, else the longest one (the lowest index on equal lengths), with its Ace, Ten,
// King, Queen and Nine held and its length. Written whether or not the rule applies.
void WriteLongSuitRows(std::int32_t (*rows)[SHEET_FIELDS], const HandInfo& info) {
    auto n = [&](int s) { return info.SuitCount[s]; };
    auto has = [&](int s, int r) { return info.Holds(s, r); };
    struct LongSuitRule {
        int row;
        bool (*finds)(const HandInfo&, int);
    };
    static constexpr LongSuitRule kRules[] = {
        {16, [](const HandInfo& h, int s) {
             return h.SuitCount[s] >= 4 && !h.Holds(s, ACE) && h.Holds(s, TEN) != h.Holds(s, KING);
         }},
        {17, [](const HandInfo& h, int s) {
             return (h.SuitCount[s] == 3 || h.SuitCount[s] == 4) && h.Holds(s, ACE) &&
                    h.Holds(s, TEN) != h.Holds(s, KING);
         }},
        {22, [](const HandInfo& h, int s) {
             return (h.SuitCount[s] == 4 || h.SuitCount[s] == 5) && h.Holds(s, ACE) && !h.Holds(s, TEN);
         }},
        {23, [](const HandInfo& h, int s) {
             return (h.SuitCount[s] == 4 || h.SuitCount[s] == 5) && h.Holds(s, ACE) && !h.Holds(s, TEN);
         }},
        {24, [](const HandInfo& h, int s) {
             return (h.SuitCount[s] == 4 || h.SuitCount[s] == 5) && h.Holds(s, ACE) && !h.Holds(s, TEN);
         }},
        {25, [](const HandInfo& h, int s) {
             return h.SuitCount[s] == 4 && h.Holds(s, ACE) && h.Holds(s, TEN) && !h.Holds(s, KING) &&
                    !h.Holds(s, QUEEN) && !h.Holds(s, NINE);
         }},
        {26, [](const HandInfo& h, int s) {
             return (h.SuitCount[s] == 3 || h.SuitCount[s] == 4) && h.Holds(s, ACE) && !h.Holds(s, TEN);
         }},
        {27, [](const HandInfo& h, int s) {
             return h.SuitCount[s] == 4 && h.Holds(s, ACE) && h.Holds(s, KING) && !h.Holds(s, TEN) &&
                    !h.Holds(s, QUEEN);
         }},
    };
    int longest = 0;
    for (int s = 1; s < 4; ++s)
        if (n(s) > n(longest)) longest = s;
    for (const LongSuitRule& rule : kRules) {
        int suit = longest;
        for (int s = 0; s < 4; ++s) {
            if (rule.finds(info, s)) {
                suit = s;
                break;
            }
        }
        std::int32_t* row = rows[rule.row];
        row[LongSuitWord::Suit] = suit;
        row[LongSuitWord::Ace] = has(suit, ACE) ? 1 : 0;
        row[LongSuitWord::Ten] = has(suit, TEN) ? 1 : 0;
        row[LongSuitWord::King] = has(suit, KING) ? 1 : 0;
        row[LongSuitWord::Queen] = has(suit, QUEEN) ? 1 : 0;
        row[LongSuitWord::Nine] = has(suit, NINE) ? 1 : 0;
        row[LongSuitWord::Length] = n(suit);
    }
}

// The Grand sheet's rule rows 5 to 33 over one hand: J Jacks, R the matador run, A and T the Ace
// and Ten suits, V the short suits, F forehand; row2 and row3 are the safe tricks and the estimate
// before the rules.
struct GrandSheetRules {
    const HandInfo& info;
    std::int32_t (*rows)[SHEET_FIELDS];
    SheetWriter w;
    const int J, R, A, T, V;
    const bool F;
    const int row2, row3;
    bool weakLong = false;

    int n(int s) const { return info.SuitCount[s]; }
    bool has(int s, int r) const { return info.Holds(s, r); }

    void Row5WeakLongSuit();
    void Rows6To11FewTricks();
    void Row12TenSuits();
    void Rows13To17LongSuits();
    void Rows18To21();
    // Rows 22 to 24: one Jack of the run without forehand and a long Ace suit without Ten; true
    // when it applies, and then rows 25 to 31 are left out.
    bool Rows22To24();
    void Rows25To31();
    void Rows32And33();
};

// Row 5: the weak long suit mark.
void GrandSheetRules::Row5WeakLongSuit() {
    using namespace GrandSheet;
    if (R >= 2 || J != 2) return;
    SheetAt(rows, WeakLongSuitMark) = 0;
    SheetAt(rows, WeakLongSuitClosed) = 0;
    SheetAt(rows, LongestLength) = 0;
    for (int s = 0; s < 4; ++s) {
        SheetAt(rows, LongestLength) = std::max(SheetAt(rows, LongestLength), n(s));
        if (n(s) <= 3) continue;
        SheetAt(rows, WeakLongSuit) = s;
        const bool closed = has(s, ACE) && has(s, TEN) && has(s, KING);
        SheetAt(rows, WeakLongSuitClosed) = closed ? 1 : 0;
        if (!closed) {
            SheetAt(rows, WeakLongSuitMark) = 1;
            weakLong = true;
            return;
        }
    }
}

void GrandSheetRules::Rows6To11FewTricks() {
    using namespace GrandSheet;
    if (J == 0) {
        w.Apply(6, w.E - 4);
        if (w.E < row2) w.Apply(7, row2);
    }
    if (w.E > 8 && R == -1 && (J == 3 || (J == 2 && A == 4))) w.Apply(8, w.E - 1);
    else if (w.E > 8 && R < 2 && J < 3 && !(R == 1 && J == 2 && A == 4 && F)) w.Apply(9, w.E - 2);
    if (w.E > 6) {
        SheetAt(rows, Rule5LongestLength) = 0;
        if ((R < 0 || (R < 2 && J < 3)) && A < 3) {
            int longest = 0;
            for (int s = 1; s < 4; ++s)
                if (n(s) > n(longest)) longest = s;
            SheetAt(rows, Rule5LongestSuit) = longest;
            SheetAt(rows, Rule5LongestLength) = n(longest);
            if (n(longest) < 6 && (!HasCoverInOtherSuits(info, 6, 2, 1) || !F)) w.Apply(10, w.E - 2);
        }
    }
    if (w.E > 3 && R < 0 && J < 3 && !F && V > 1) w.Apply(11, 3);
}

void GrandSheetRules::Row12TenSuits() {
    using namespace GrandSheet;
    if (row2 <= 1 || w.E >= 7 || R != 4 || A <= 0 || A + T <= 1 || V <= 0) return;
    bool loneTen = false;
    int longest = -1;
    for (int s = 0; s < 4; ++s) {
        if (!has(s, TEN)) continue;
        if (n(s) <= 1) loneTen = true;
        if (longest < 0 || n(s) > n(longest)) longest = s;
    }
    if (loneTen) return;
    if (longest >= 0) {
        SheetAt(rows, Rule7TenSuitMask) = 1 << longest;
        SheetAt(rows, Rule7TenSuitLength) = n(longest);
    }
    w.Apply(12, w.E + 1);
}

void GrandSheetRules::Rows13To17LongSuits() {
    using namespace GrandSheet;
    if (row2 > 1 && R == 4) {
        for (int s = 0; s < 4; ++s) {
            const int slot0 = info.SuitRecords[2 * s + 1].Slots[0];
            if (n(s) < 3 || has(s, ACE) || has(s, QUEEN) || !(has(s, TEN) || has(s, KING)) || slot0 >= n(s) - 1)
                continue;
            rows[13][LongSuitWord::Suit] = s;
            rows[13][LongSuitWord::Ace] = 0;
            rows[13][LongSuitWord::Ten] = has(s, TEN);
            rows[13][LongSuitWord::King] = has(s, KING);
            rows[13][LongSuitWord::Queen] = 0;
            SheetAt(rows, Rule8SuitSafeTricks) = slot0;
            rows[13][LongSuitWord::Length] = n(s);
            w.Apply(13, w.E + 1);
            break;
        }
    }
    if (w.E < 8 && J > 2) {
        for (int s = 0; s < 4; ++s) {
            if (n(s) < 4 || !has(s, ACE) || !has(s, TEN) || !has(s, KING)) continue;
            rows[14][LongSuitWord::Suit] = s;
            rows[14][LongSuitWord::Ace] = rows[14][LongSuitWord::Ten] = rows[14][LongSuitWord::King] = 1;
            rows[14][LongSuitWord::Length] = n(s);
            w.Apply(14, w.E + 1);
            break;
        }
        if (R > 0) {
            for (int s = 0; s < 4; ++s) {
                if (n(s) <= 5) continue;
                rows[15][LongSuitWord::Suit] = s;
                rows[15][LongSuitWord::Length] = n(s);
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
}

void GrandSheetRules::Rows18To21() {
    if (w.E > 5 && !F && R < 2 && J < 3) {
        if (V == 2) w.Apply(18, weakLong ? w.E - 1 : w.E);
        else if (V == 1) w.Apply(19, w.E - 1 - (weakLong ? 1 : 0));
    }
    if (R <= 1) return;
    for (int s = 0; s < 4; ++s) {
        if (n(s) < 5) continue;
        int row = -1;
        if (R >= 3 && (R == 4 || A >= 1 || (V == 2 && F)) && has(s, TEN) && !has(s, ACE) && !has(s, KING))
            row = 20;
        else if (w.E <= 7 && has(s, ACE) && has(s, TEN) && !has(s, KING))
            row = 21;
        if (row < 0) continue;
        rows[row][LongSuitWord::Suit] = s;
        rows[row][LongSuitWord::Ace] = has(s, ACE);
        rows[row][LongSuitWord::Ten] = has(s, TEN);
        rows[row][LongSuitWord::King] = has(s, KING);
        rows[row][LongSuitWord::Length] = n(s);
        w.Apply(row, w.E + 1);
        break;
    }
}

bool GrandSheetRules::Rows22To24() {
    if (R != 1 || J >= 4 || F) return false;
    for (int s = 0; s < 4; ++s) {
        if ((n(s) != 4 && n(s) != 5) || !has(s, ACE) || has(s, TEN)) continue;
        if (!has(s, KING)) {
            if (n(s) == 4 && !has(s, QUEEN)) w.Apply(23, w.E - 2);
            else w.Apply(22, w.E - 1);
        } else if (J < 3) {
            w.Apply(24, w.E - 1);
        }
        return true;
    }
    return false;
}

void GrandSheetRules::Rows25To31() {
    using namespace GrandSheet;
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
    SheetAt(rows, HeartsJackHeld) = heartsJack ? 1 : 0;
    if (J == 2 && A < 4 && ((R == -1 && (!heartsJack || w.E == row3)) || R == -2 || R == 1)) w.Apply(30, w.E - 1);
    if (w.E > 5 && R < 0 && J < 3 && A < 3) w.Apply(31, w.E - 2);
}

void GrandSheetRules::Rows32And33() {
    using namespace GrandSheet;
    if (w.E == 8 && R >= 1 && J >= 3) {
        // The single cards without an Ace: the first two with their suit and rank.
        int singles = 0;
        for (int s = 0; s < 4; ++s) {
            if (n(s) != 1 || has(s, ACE)) continue;
            if (singles < 2) {
                SheetAt(rows, singles == 0 ? FirstSingleSuit : SecondSingleSuit) = s;
                for (int r = 0; r < 8; ++r)
                    if (r != JACK && has(s, r)) SheetAt(rows, singles == 0 ? FirstSingleRank : SecondSingleRank) = r;
            }
            ++singles;
        }
        SheetAt(rows, SingleCount) = singles;
        if (singles >= 2) w.Apply(32, 7);
    } else if (w.E == 10 && !F && J <= 3) {
        w.Apply(33, 9);
    }
}

int EstimateGrand(CPlayer& player) {
    HandInfo& info = player.handInfo;
    const int J = info.JackCount, R = info.MatadorRun, A = info.AceSuitCount, T = info.TenSuitCount;
    const int V = info.ShortSuitCount;
    const bool F = player.seat == g_Game.Forehand;
    // Step 1: the estimate: the Jacks and the suits' tricks less the tricks to take off.
    const int X = player.CountExtraTricks(6);
    int E = std::clamp(J + info.SecondaryTrickSum - X, 0, 10);
    // Step 2: the input rows.
    player.ClearEstimationSheet(SHEET_GRAND);
    auto rows = SheetBlock(player, SHEET_GRAND);
    WriteNoCardFlags(rows, info);
    using namespace GrandSheet;
    SheetAt(rows, JackCount) = J;
    SheetAt(rows, EmptySuitMask) = SuitMask(info, [](const HandInfo& h, int s) { return PlainCount(h, s) == 0; });
    SheetAt(rows, ForehandSeat) = g_Game.Forehand;
    SheetAt(rows, TricksLessExtra) = info.SecondaryTrickSum - X;
    SheetAt(rows, MatadorRun) = R;
    SheetAt(rows, IsForehand) = F ? 1 : 0;
    SheetAt(rows, SafeTricks) = std::max(0, info.SecondaryTrickSum - X);
    SheetAt(rows, AceTenCount) = CountAceTenElsewhere(info, 6);
    SheetAt(rows, EstimateBeforeRules) = E;
    SheetAt(rows, JackMask) = SuitMask(info, [](const HandInfo& h, int s) { return h.Holds(s, JACK); });
    SheetAt(rows, AceCount) = A;
    SheetAt(rows, TenCount) = T;
    SheetAt(rows, AceTenKingCount) = CountHighElsewhere(info, 6);
    SheetAt(rows, BareSuitCount) = V;
    SheetAt(rows, AceMask) = SuitMask(info, [](const HandInfo& h, int s) { return h.Holds(s, ACE); });
    SheetAt(rows, AceTenMask) =
        SuitMask(info, [](const HandInfo& h, int s) { return h.Holds(s, ACE) && h.Holds(s, TEN); });
    SheetAt(rows, AceTenKingMask) = SuitMask(info, [](const HandInfo& h, int s) {
        return h.Holds(s, ACE) && h.Holds(s, TEN) && h.Holds(s, KING);
    });
    SheetAt(rows, TenMask) = SuitMask(info, [](const HandInfo& h, int s) { return h.Holds(s, TEN); });
    GrandSheetRules g{info, rows, SheetWriter{rows, E}, J, R, A, T, V, F, SheetAt(rows, SafeTricks),
                      SheetAt(rows, EstimateBeforeRules)};
    g.w.Carry(6);
    WriteLongSuitRows(rows, info);
    g.Row5WeakLongSuit();
    g.Rows6To11FewTricks();
    g.Row12TenSuits();
    g.Rows13To17LongSuits();
    g.Rows18To21();
    if (!g.Rows22To24()) g.Rows25To31();
    g.Rows32And33();
    g.w.Flush();
    SheetAt(rows, FinalEstimate) = g.w.E;
    return g.w.E;
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
    // Step 1: more than ten tricks counted: the excess comes off.
    const int sum = info.SecondaryTrickSum + J;
    int X = sum > 10 ? sum - 10 : 0;
    bool toStep6 = false;
    // Step 2: three Jacks and no Ace: one off for each suit of four with Ten, Queen and King.
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
            // Step 3: with a run of two of two Jacks and two short suits: one off for each suit of three or more.
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
            // Step 4: without the run: one off for an Ace of two to four without its Ten, or a suit without its Ace.
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
    // Step 5: one Jack or none: the Ace-Ten suits of three or more lose their lower cards.
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
    const int from = view < 0 ? 0 : view;
    const int to = view < 0 ? 4 : view;
    if (from > 4 || to > 4) return;
    for (int b = from; b <= to; ++b) {
        for (auto& row : SheetBlock(*this, b)) {
            row[0] = SHEET_EMPTY;
            for (int f = 2; f <= 7; ++f) row[f] = SHEET_EMPTY;
            row[8] = 0;
        }
    }
}

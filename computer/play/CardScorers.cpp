// The card scorers: one per plain rank (Ace, Ten, King, Queen, 9, 8, 7) in each of four groups,
// one group per kind of decision. Each rates a held card of suit s for its chooser (higher is
// better, -1 for a card not held); the choosers are in ScoreChoosers.cpp.
//   group 1 (s, n = the suit's length before play, F, 0): the defender's lead;
//   group 2 (s, c, a): the defender's discard when following;
//   group 3 (s, c, a or b, t): the card to give away with the fewest regrets;
//   group 4 (s, c, a = points the trick brings, t): the card to add to a trick.
#include "computer/play/CardQueries.h"
#include "computer/play/CardScorers.h"
#include "model/CardCodes.h"
#include "model/CardKnowledge.h"
#include "model/GameState.h"
#include "model/Player.h"

#include <algorithm>

namespace {

bool HeldLow(const CPlayer& p, int suit) {
    return Holds(p, suit, SEVEN) || Holds(p, suit, EIGHT) || Holds(p, suit, NINE);
}
bool Top(const CPlayer& p, int suit, int rank) { return IsTopCard(p, HeldCard(p, suit, rank), -1, -1); }

// Group 1: the bonus when the soloist is known free of the suit.
int FreeSuitBonus(const CPlayer& p, int suit, int value, int bonus) {
    return SoloistMayHold(p, suit) ? value : value + bonus;
}

// A value lowered by t, but not below the floor; a value already below the floor stays.
int Lowered(int value, int t, int floor) { return t > 0 ? std::max(value - t, std::min(value, floor)) : value; }

// Group 4: the points of this player's party with the trick, p, and p' (one more for a defender).
int PartyWithTrick(const CPlayer& p, int trickPoints) {
    return g_Game.PartyPoints[IsDefender(p) ? 1 : 0] + trickPoints;
}
int PartyWithTrickPrime(const CPlayer& p, int trickPoints) {
    return PartyWithTrick(p, trickPoints) + (IsDefender(p) ? 1 : 0);
}

// The members of the group-3 cascade of the small cards, Queen and King.
struct Group3Member {
    int rank;
    int lowerRank;  // the next lower member whose score it borrows, -1 none
    int U, C1, C2, C3, D, C4, C5;
};
const Group3Member kSeven3{SEVEN, -1, 28, -1, 21, 23, 24, 32, 14};
const Group3Member kEight3{EIGHT, SEVEN, 28, 26, 21, 23, 24, 31, 13};
const Group3Member kNine3{NINE, EIGHT, 28, 26, 21, 23, 24, 30, 12};
const Group3Member kQueen3{QUEEN, -1, 23, 21, 16, 22, 23, 23, 11};
const Group3Member kKing3{KING, -1, 22, 18, 15, 19, 22, 22, 10};

const Group3Member* MemberOf(int rank) {
    switch (rank) {
        case SEVEN: return &kSeven3;
        case EIGHT: return &kEight3;
        case NINE: return &kNine3;
        case QUEEN: return &kQueen3;
        case KING: return &kKing3;
        default: return nullptr;
    }
}

}  // namespace

// ---- Group 1 -------------------------------------------------------------------------------------

int CCardScorers::ScoreAce1(int s, int n, int, int) const {
    if (!Holds(me, s, ACE)) return -1;
    const int type = g_Game.GameType;
    const bool grand = type == GAME_GRAND;
    const bool soloistTrumps = SoloistMayHold(me, type);
    const bool soloistSuit = SoloistMayHold(me, s);
    const bool ten = Holds(me, s, TEN);
    int v;
    if (IsSuitGame(type) && soloistTrumps && soloistSuit) {
        v = n == 1 ? 39 : n == 2 ? (ten ? 39 : HeldLow(me, s) ? 26 : Holds(me, s, QUEEN) ? 25 : 24) : 27;
    } else if (IsSuitGame(type) && soloistTrumps) {
        v = n == 1 ? 2 : n == 2 ? (ten ? 3 : 4) : 5;
    } else {
        v = n == 1 ? 49 : n == 2 ? (ten ? 49 : HeldLow(me, s) ? 46 : Holds(me, s, QUEEN) ? 45 : 44) : 47;
        if (grand && ten) v = 50;
        if (grand && me.count >= 9) v += n;
    }
    return FreeSuitBonus(me, s, v, 40);
}

int CCardScorers::ScoreTen1(int s, int n, int, int) const {
    if (!Holds(me, s, TEN)) return -1;
    const int type = g_Game.GameType;
    const bool top = Top(me, s, TEN);
    const bool ace = Holds(me, s, ACE);
    const auto doubleton = [&](int withAce, int withLow, int withKing, int otherwise) {
        return ace ? withAce : HeldLow(me, s) ? withLow : Holds(me, s, KING) ? withKing : otherwise;
    };
    int v = 1;
    if (type == GAME_GRAND) {
        v = top ? 48 : SoloistMayHold(me, s) ? 1 : 4;
    } else if (!SoloistMayHold(me, type)) {
        if (top && n == 1) v = 48;
        else if (top && n == 2) v = doubleton(48, 42, 41, 43);
    } else if (SoloistMayHold(me, s) && top) {
        if (n == 1) v = 38;
        else if (n == 2) v = doubleton(38, 22, 21, 23);
    }
    return FreeSuitBonus(me, s, v, 40);
}

int CCardScorers::ScoreKing1(int s, int n, int F, int) const {
    if (!Holds(me, s, KING)) return -1;
    const int top = me.handInfo.GetTopRank(s);
    int v;
    if (!F)
        v = n == 1 ? 18 : n == 2 ? (top == TEN ? 9 : 14) : (top == TEN ? 20 : 9);
    else
        v = (n >= 2 && n <= 4 && top == TEN) ? 11 : (n == 3 && top == KING) ? 3 : n + 4;
    return FreeSuitBonus(me, s, v, 40);
}

int CCardScorers::ScoreQueen1(int s, int n, int F, int) const {
    if (!Holds(me, s, QUEEN)) return -1;
    const int top = me.handInfo.GetTopRank(s);
    int v;
    if (!F)
        v = n == 1 ? 18 : n == 2 ? (top == TEN ? 7 : 15) : 7;
    else
        v = n == 2 ? (top == TEN ? 2 : 7) : (n == 3 && top == KING) ? 4 : n + 5;
    return FreeSuitBonus(me, s, v, 40);
}

// The 9, 8 and 7 of group 1 share one rule.
static int ScoreLow1(const CPlayer& p, int rank, int s, int n, int F) {
    if (!Holds(p, s, rank)) return -1;
    const int top = p.handInfo.GetTopRank(s);
    int v;
    if (!F)
        v = n == 1 ? 19 : n == 2 ? (top == TEN ? 8 : 16) : 8;
    else
        v = n == 2 ? (top == TEN ? 4 : 8) : n == 3 ? (top == KING ? 5 : top == TEN ? 10 : 9) : n + 6;
    return FreeSuitBonus(p, s, v, 20);
}
int CCardScorers::ScoreNine1(int s, int n, int F, int) const { return ScoreLow1(me, NINE, s, n, F); }
int CCardScorers::ScoreEight1(int s, int n, int F, int) const { return ScoreLow1(me, EIGHT, s, n, F); }
int CCardScorers::ScoreSeven1(int s, int n, int F, int) const { return ScoreLow1(me, SEVEN, s, n, F); }

// ---- Group 2 -------------------------------------------------------------------------------------

int CCardScorers::ScoreAce2(int s, int, int a) const {
    if (!Holds(me, s, ACE)) return -1;
    if (Holds(me, s, TEN)) return 32;
    if (IsDefender(me) && me.handInfo.DealtSuitCount[s] >= 3) return 23;
    return a + 24;
}

int CCardScorers::ScoreTen2(int s, int, int a) const {
    if (!Holds(me, s, TEN)) return -1;
    int v = Holds(me, s, KING) ? a + 16 : 23;
    if (s >= 0 && s <= 3 && me.CountInSuit(s) == 1 && !Top(me, s, TEN)) ++v;
    return v;
}

int CCardScorers::ScoreKing2(int s, int, int a) const { return Holds(me, s, KING) ? a + 8 : -1; }
int CCardScorers::ScoreQueen2(int s, int, int a) const { return Holds(me, s, QUEEN) ? a + 4 : -1; }
int CCardScorers::ScoreNine2(int s, int, int a) const { return Holds(me, s, NINE) ? a + 3 : -1; }
int CCardScorers::ScoreEight2(int s, int, int a) const { return Holds(me, s, EIGHT) ? a + 2 : -1; }
int CCardScorers::ScoreSeven2(int s, int, int a) const { return Holds(me, s, SEVEN) ? a + 1 : -1; }

// ---- Group 3 -------------------------------------------------------------------------------------

int CCardScorers::ScoreAce3(int s, int c, int a, int t) const {
    if (!Holds(me, s, ACE)) return -1;
    if (IsDefender(me)) {
        if (IsSuitGuarded(me, s, 1, false) && SoloistMayHold(me, s) && t != 0) return a + 11 - t;
        return c == 2 ? a + 7 : a + 11;
    }
    if (MayHoldSuit(me, PreviousSeat(me.seat), s)) return a + 1;
    return MayHoldSuit(me, NextSeat(me.seat), s) ? a + 1 : 8;
}

int CCardScorers::ScoreTen3(int s, int c, int a, int t) const {
    if (!Holds(me, s, TEN)) return -1;
    const bool ace = Holds(me, s, ACE);
    const bool top = Top(me, s, TEN);
    const int base = ace ? a + 13 : 17;
    if (IsDefender(me) && IsSuitGuarded(me, s, 1, false) && SoloistMayHold(me, s) && t != 0)
        return top ? (ace ? 1 : 0) + 8 : base - t + (ace ? 1 : 0);
    if (ace || top) return 13;
    if (c != 2) return base;
    return CountOutstanding(me, s) - 2 < 2 ? a + 9 : 1;
}

// The shared cascade of the group-3 Seven, Eight, Nine, Queen and King.
static int ScoreMember3(const CPlayer& p, const Group3Member& m, int s, int c, int a, int t) {
    if (!Holds(p, s, m.rank)) return -1;
    const int card = HeldCard(p, s, m.rank);
    const bool defender = IsDefender(p);
    const bool V = defender && SoloistMayHold(p, s);
    const bool guarded = IsSuitGuarded(p, s, 1, false);
    const bool seven = m.rank == SEVEN;
    const bool smallCard = m.rank == SEVEN || m.rank == EIGHT || m.rank == NINE;
    const bool tenHeld = Holds(p, s, TEN);
    const auto boost = [c](int v) { return c < 3 ? v + 5 - c : v; };
    int v = 0;
    int next = 4;  // the step the cascade goes on with
    if (!guarded) {
        v = m.U;
        if (!smallCard) v = boost(v);
    } else if (m.lowerRank >= 0 && Holds(p, s, m.lowerRank)) {
        v = ScoreMember3(p, *MemberOf(m.lowerRank), s, c, a, 0) - 1;
        if (v >= m.C4) v = boost(v);
    } else if (!seven && V && IsTopCard(p, card, -1, -1)) {
        v = m.C1;
    } else if (c == 2 && tenHeld && !Top(p, s, TEN) && (seven || V)) {
        v = m.C2;
        if (seven) next = 5;
    } else if (p.handInfo.GetTopRank(s) == KING && c == 3) {
        v = m.C3;
        if (seven) next = 6;
    } else {
        v = (p.handInfo.GetTopRank(s) == KING && p.handInfo.DealtSuitCount[s] == 3) ? m.D - c : a + m.C4;
        if (v >= m.C4) v = boost(v);
    }
    // 4. A defender with the suit guarded against a soloist who may still hold it.
    if (next <= 4 && !seven && defender && guarded && SoloistMayHold(p, s) && t != 0) {
        if (IsTopCard(p, card, -1, -1) && p.CountInSuit(s) == 1) return v - 2 * t + (m.rank == KING ? 1 : 0);
        return v - t;
    }
    // 5. A doubleton with its Ten.
    if (next <= 5 && c == 2 && tenHeld) {
        if (!Top(p, s, TEN) && CountOutstanding(p, s) - 2 < 2) return m.C5;
        return CCardScorers(p).ScoreTen3(s, 2, a, t) + m.C5 - 9;
    }
    // 6. The small cards keep or give up the Ace's protection.
    if (!smallCard) return v;
    const bool ace = Holds(p, s, ACE);
    if (defender) return (!ace && SoloistMayHold(p, s)) ? v : v + a;
    return (ace && v >= 28) ? v - 1 : v;
}
int CCardScorers::ScoreKing3(int s, int c, int a, int t) const { return ScoreMember3(me, kKing3, s, c, a, t); }
int CCardScorers::ScoreQueen3(int s, int c, int a, int t) const { return ScoreMember3(me, kQueen3, s, c, a, t); }
int CCardScorers::ScoreNine3(int s, int c, int a, int t) const { return ScoreMember3(me, kNine3, s, c, a, t); }
int CCardScorers::ScoreEight3(int s, int c, int a, int t) const { return ScoreMember3(me, kEight3, s, c, a, t); }
int CCardScorers::ScoreSeven3(int s, int c, int a, int t) const { return ScoreMember3(me, kSeven3, s, c, a, t); }

// ---- Group 4 -------------------------------------------------------------------------------------

static int ScoreLow4(const CPlayer& p, int rank, int s, int c, int t) {
    if (!Holds(p, s, rank)) return -1;
    if (!LinkedHoldsHigher(p, s)) return -1;
    if (g_Game.OuvertAnnounced) return rank == SEVEN ? 9 : rank == EIGHT ? 10 : 11;
    const bool K = Holds(p, s, KING) && Top(p, s, KING);
    const bool X = Top(p, s, rank);
    const bool ten = Holds(p, s, TEN);
    int v;
    if (!K && c == 1)
        v = 13;
    else if (!K && c == 2)
        v = rank == SEVEN ? (ten ? 7 : 3) : (ten ? 3 : 7);
    else if (rank == SEVEN)
        v = K ? 2 : 12;
    else
        v = (K || X) ? 2 : 12;
    return Lowered(v, t, 5);
}
int CCardScorers::ScoreSeven4(int s, int c, int, int t) const { return ScoreLow4(me, SEVEN, s, c, t); }
int CCardScorers::ScoreEight4(int s, int c, int, int t) const { return ScoreLow4(me, EIGHT, s, c, t); }
int CCardScorers::ScoreNine4(int s, int c, int, int t) const { return ScoreLow4(me, NINE, s, c, t); }

int CCardScorers::ScoreTen4(int s, int c, int a, int t) const {
    if (!Holds(me, s, TEN)) return -1;
    if (!LinkedHoldsHigher(me, s)) return 2;
    const bool open = g_Game.OuvertAnnounced != 0;
    const bool ace = Holds(me, s, ACE);
    const bool T = Top(me, s, TEN);
    if (open && !ace) return 31;
    int v;
    if (c == 1) {
        v = !T ? 35 : ace ? 30 : (open ? 26 : 2);
    } else if (Holds(me, s, KING)) {
        v = 27;
    } else if (c == 2 && !T) {
        v = 23;
    } else {
        v = me.handInfo.PlayedSuitCount[s] + c < 3 ? 11 : (T ? 25 : 30);
    }
    if (v == 23 || v == 11) {
        const int p = PartyWithTrick(me, a), pp = PartyWithTrickPrime(me, a);
        if (p >= 21 && p <= 30) v = 10;
        else if (pp >= 51 && pp <= 59) v = 24;
    }
    if (!open) return Lowered(v, t, 2);
    return me.CountInSuit(s) == 1 ? v + t : v;
}

int CCardScorers::ScoreAce4(int s, int c, int a, int t) const {
    if (!Holds(me, s, ACE)) return -1;
    if (!LinkedHoldsHigher(me, s)) return 1;
    const bool open = g_Game.OuvertAnnounced != 0;
    int v;
    if (open) {
        v = 35;
    } else if (Holds(me, s, TEN)) {
        v = 34;
    } else {
        v = me.handInfo.PlayedSuitCount[s] + c < 4 ? c + 1 : c + 2;
    }
    if (v < 29) {
        const int p = PartyWithTrick(me, a), pp = PartyWithTrickPrime(me, a);
        const bool anyMark =
            me.FollowSuitMarks[0] || me.FollowSuitMarks[1] || me.FollowSuitMarks[2] || me.FollowSuitMarks[3];
        if (pp < 50 && anyMark && GetSuitWord(me, s) == 0) return 11;
        if (p >= 20 && p <= 30) return 11;
        if (pp >= 50 && pp <= 59) return 23;
    }
    const bool lower = open ? (me.partner && me.partner->CountInSuit(s) > 0) : SoloistMayHold(me, s);
    return lower ? Lowered(v, t, 1) : v;
}

int CCardScorers::ScoreKing4(int s, int c, int a, int t) const {
    if (!Holds(me, s, KING)) return -1;
    if (!LinkedHoldsHigher(me, s)) return -1;
    if (g_Game.OuvertAnnounced) return 25;
    const bool K = Top(me, s, KING);
    int v;
    bool single = false;
    if (!K) {
        if (c == 1) {
            v = 24;
            single = true;
        } else {
            v = c == 2 ? 14 : (t < 0 && c == 3) ? 9 : 17;
        }
    } else {
        v = c == 3 ? 4 : Holds(me, s, QUEEN) ? ((t < 0 && c == 3) ? 9 : 17) : 1;
    }
    if (!single) {
        const int p = PartyWithTrick(me, a), pp = PartyWithTrickPrime(me, a);
        if (p >= 27 && p <= 30) return v + 8;
        if (pp >= 57 && pp <= 59) return v + 16;
    }
    return Lowered(v, t, 3);
}

int CCardScorers::ScoreQueen4(int s, int c, int a, int t) const {
    if (!Holds(me, s, QUEEN)) return -1;
    if (!LinkedHoldsHigher(me, s)) return -1;
    if (g_Game.OuvertAnnounced) return 22;
    const bool K = Holds(me, s, KING) && Top(me, s, KING);
    const bool Q = Top(me, s, QUEEN);
    int v;
    bool single = false;
    if (!K && c == 1) {
        v = 21;
        single = true;
    } else if (!K && c == 2) {
        v = Holds(me, s, TEN) ? 3 : 8;
    } else if (K) {
        v = 3;
    } else {
        v = (Q && !Holds(me, s, NINE)) ? 1 : 16;
    }
    if (!single) {
        const int p = PartyWithTrick(me, a), pp = PartyWithTrickPrime(me, a);
        if (p >= 28 && p <= 30) return v + 8;
        if (pp >= 58 && pp <= 59) return v + 16;
    }
    return Lowered(v, t, 4);
}

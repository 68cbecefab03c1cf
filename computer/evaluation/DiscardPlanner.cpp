#include "computer/evaluation/Discard.h"
#include "computer/evaluation/DiscardLists.h"

#include "computer/evaluation/DiscardPlanner.h"
#include "model/GameState.h"
#include "model/CardCodes.h"
#include "model/CardKnowledge.h"
#include "model/GameTypeLookups.h"
#include "model/PlayerData.h"

#include <cstddef>

using namespace discard;

int discard::CardAt(const CPlayer& player, int index) {
    if (index < 0 || index > 11 || index >= static_cast<int>(player.cards.size())) return NO_CARD;
    return player.cards[index];
}

int discard::SuitAt(const CPlayer& player, int index) { return GetCardSuit(CardAt(player, index), true); }

int discard::RankAt(const CPlayer& player, int index) { return GetCardRank(CardAt(player, index)); }

int DiscardOrderScore(const CPlayer& player, int index) { return GetCardOrder(CardAt(player, index)); }

int DiscardPairScore(const CPlayer& player, int index) {
    const int order = DiscardOrderScore(player, index);
    if (order < 3 && g_Game.GameType != GAME_RAMSCH) return 2 - order;
    return order;
}

void CDiscardPlanner::PlanDiscard(int type) {
    g_Knowledge.DiscardBusy = 1;
    if (IsSuitGame(type) || type == GAME_GRAND) PlanDiscardSuit(type);
    else if (type == GAME_NULL || type == GAME_REVOLUTION) PlanDiscardNull();
    else if (type == GAME_RAMSCH) PlanDiscardRamsch();
    else if (type == GAME_DURCHMARSCH) PlanDiscardDurchmarsch();
    g_Knowledge.DiscardBusy = 0;
}

namespace {

// Up to seven ranks of one suit (or a few suits) in a fixed array: the planner walks suits for
// every hand it weighs, so the walk allocates nothing.
struct ShortList {
    int items[7] = {};
    std::size_t count = 0;
    void push_back(int item) { items[count++] = item; }
    std::size_t size() const { return count; }
    bool empty() const { return count == 0; }
    int operator[](std::size_t i) const { return items[i]; }
    const int* begin() const { return items; }
    const int* end() const { return items + count; }
};

// The suit planner's view of one hand: the suits considered, their held cards in the descending
// walk (A 10 K Q 9 8 7) and the entries it adds.
struct SuitPlanner {
    CPlayer& player;
    const HandInfo& info;
    DiscardPlannerBlock& b;
    int trump;
    bool grand;

    bool Considered(int s) const { return grand || s != trump; }
    int N(int s) const { return info.SuitCount[s]; }
    bool Has(int s, int rank) const { return info.Holds(s, rank); }
    // Held ranks of suit s in the descending walk, leaving out the given ranks.
    ShortList Walk(int s, std::initializer_list<int> except = {}) const {
        ShortList ranks;
        for (int rank : {ACE, TEN, KING, QUEEN, NINE, EIGHT, SEVEN}) {
            bool skip = false;
            for (int e : except) skip = skip || e == rank;
            if (!skip && Has(s, rank)) ranks.push_back(rank);
        }
        return ranks;
    }
    DiscardEntry Order(int s, int rank, int bonus = 0) const {
        const int index = Slot(info, s, rank);
        return {index, DiscardOrderScore(player, index) + bonus};
    }
    DiscardEntry PairCard(int s, int rank, int bonus = 0) const {
        const int index = Slot(info, s, rank);
        return {index, DiscardPairScore(player, index) + bonus};
    }
    // The two highest held cards of a suit (optionally skipping ranks) as one pair, higher first.
    void AddTopPair(DiscardPair* list, int& count, int s, std::initializer_list<int> except = {}, int bonus = 0) {
        const auto ranks = Walk(s, except);
        if (ranks.size() < 2) return;
        AddPair(list, count, PairCard(s, ranks[0], bonus), PairCard(s, ranks[1], bonus));
    }
    void AddPairOf(DiscardPair* list, int& count, int s, int high, int low) {
        if (!Has(s, high) || !Has(s, low)) return;
        AddPair(list, count, PairCard(s, high), PairCard(s, low));
    }
    int Count() const {
        return b.Singles1Count + b.Singles2Count + b.Singles3Count + 2 * (b.Pairs1Count + b.Pairs2Count);
    }
    bool HoldsAceOfCardSuit(int index) const {
        const int s = SuitAt(player, index);
        return s >= 0 && Has(s, ACE);
    }
    bool IsTenKing(const DiscardPair& p) const { return p.First.Score == 5 && p.Second.Score == 4; }

    void Step1();
    void Step2();
    // Steps 3 to 11 work on the count v of the cards in the lists; the thinning of step 3 decides
    // where the plan goes on.
    void Steps3To11();
    enum class AfterThinning { ByCount, TenOfTenKing, FillUp, Blank };
    // Step 3: thinning the lists when they hold three cards or more.
    AfterThinning Step3Thinning(int& v);
    // Two doubletons: a Ten doubleton gives way to one without.
    void Step3TwoDoubletons(int& v);
    // A blank card and a third-list card: the Ten of a Ten-King doubleton takes the third's place.
    void Step3TenOfTenKing();
    // Step 4: filling up when fewer than two cards are listed.
    void Step4FillUp(int& v);
    void Step4FillUpFrom(int s, int v);
    // Step 5: a blank, an Ace-side card and one doubleton.
    void Step5BlankAceSideAndDoubleton();
    // Step 6: exactly two cards (6.2), or more or fewer (6.3).
    void Step6TwoCardsOrNot(int& v);
    void Step62TwoCards();
    void Step63MoreOrFewer(int& v);
    // Step 7: an Ace-side card against a middle pair.
    void Step7AceSideAgainstMiddlePair();
    // Step 8: two Ten doubletons without King: both Tens.
    void Step8TwoTenDoubletons();
    // Step 9: middle pairs: Ten-King pairs give way, low pairs push the Kings and Queens out.
    void Step9MiddlePairs();
    // Step 10: one card and a middle pair under an Ace: the Ten of a Ten-King doubleton.
    void Step10TenBesideAnAcePair();
    // Step 11: Grand without Jacks to speak of but with Ace power: lay away an Ace.
    void Step11AceOfGrand();
};

void SuitPlanner::Step1() {
    for (int s = 0; s < 4; ++s) {
        if (!Considered(s)) continue;
        const int n = N(s);
        const bool A = Has(s, ACE), T = Has(s, TEN), K = Has(s, KING);
        const auto ranks = Walk(s);
        if (n == 1 && !A) {
            AddSingle(b.Singles1, b.Singles1Count, Slot(info, s, ranks[0]), Order(s, ranks[0], ranks[0] == TEN ? 1 : 0).Score);
        } else if (n == 2 && !A && !(T && K)) {
            AddTopPair(b.Pairs1, b.Pairs1Count, s);
        } else if (n == 2 && A && !T) {
            const DiscardEntry other = Order(s, ranks[1]);
            AddSingle(b.Singles2, b.Singles2Count, other.Index, other.Score);
        } else if (n == 3 && !A && !T && !K) {
            AddTopPair(b.Pairs2, b.Pairs2Count, s, {}, 4);
        } else if (n == 3 && A && !T) {
            AddTopPair(b.Pairs2, b.Pairs2Count, s, {ACE, TEN});
        } else if (n == 3 && A && T && !K) {
            const auto rest = Walk(s, {ACE, TEN, KING});
            if (!rest.empty()) {
                const DiscardEntry e = Order(s, rest[0]);
                AddSingle(b.Singles3, b.Singles3Count, e.Index, e.Score);
            }
        } else if (n == 4 && A && K && Has(s, QUEEN) && !T) {
            // With the Nine the first filter (no Ace, no Ten) passes the King; otherwise the
            // second (Seven, Eight, Nine) passes the Eight or the Seven.
            const auto rest = Has(s, NINE) ? Walk(s, {ACE, TEN}) : Walk(s, {ACE, TEN, KING, QUEEN});
            if (!rest.empty()) {
                const DiscardEntry e = Order(s, rest[0]);
                AddSingle(b.Singles3, b.Singles3Count, e.Index, e.Score);
            }
        }
    }
}

void SuitPlanner::Step2() {
    if (b.Pairs1Count != 0 || b.Pairs2Count != 0) return;
    if (b.Singles1Count + b.Singles2Count + b.Singles3Count >= 2) return;
    for (int s = 0; s < 4; ++s)
        if (Considered(s) && N(s) == 2 && !Has(s, ACE) && (!Has(s, TEN) || Has(s, KING)))
            AddTopPair(b.Pairs1, b.Pairs1Count, s);
}

void SuitPlanner::Steps3To11() {
    int v = Count();
    AfterThinning next = Step3Thinning(v);
    if (next == AfterThinning::ByCount)
        next = v < 2 ? AfterThinning::FillUp : v == 2 ? AfterThinning::TenOfTenKing : AfterThinning::Blank;
    if (next == AfterThinning::TenOfTenKing) Step3TenOfTenKing();
    if (next == AfterThinning::FillUp) Step4FillUp(v);
    Step5BlankAceSideAndDoubleton();
    Step6TwoCardsOrNot(v);
    Step7AceSideAgainstMiddlePair();
    Step8TwoTenDoubletons();
    Step9MiddlePairs();
    Step10TenBesideAnAcePair();
    Step11AceOfGrand();
}

SuitPlanner::AfterThinning SuitPlanner::Step3Thinning(int& v) {
    AfterThinning next = AfterThinning::ByCount;
    if (v < 3) return next;
    if (b.Singles1Count > 0 && b.Singles3Count > 0 && b.Pairs1Count > 0) {
        b.Singles3Count = b.Pairs2Count = 0;
        return AfterThinning::Blank;
    }
    if (b.Pairs1Count == 0 && b.Pairs2Count == 1) {
        if (v != 3) return AfterThinning::Blank;
        if (HoldsAceOfCardSuit(b.Pairs2[0].First.Index)) {
            for (int s = 0; s < 4; ++s)
                if (Considered(s) && N(s) == 2 && !Has(s, ACE) && Has(s, TEN)) {
                    AddTopPair(b.Pairs1, b.Pairs1Count, s);
                    b.Pairs2Count = 0;
                }
        }
    } else if (b.Pairs1Count == 2) {
        Step3TwoDoubletons(v);
    }
    // 3.1.4: of several middle pairs that make up every candidate, keep the lowest.
    if (b.Pairs2Count >= 2 && v == 2 * b.Pairs2Count) {
        int keep = 0;
        for (int i = 1; i < b.Pairs2Count; ++i)
            if (DiscardOrderScore(player, b.Pairs2[i].First.Index) <
                DiscardOrderScore(player, b.Pairs2[keep].First.Index))
                keep = i;
        b.Pairs2[0] = b.Pairs2[keep];
        b.Pairs2Count = 1;
        v = 2;
        next = AfterThinning::TenOfTenKing;
    }
    return next;
}

void SuitPlanner::Step3TwoDoubletons(int& v) {
    const DiscardPair A = b.Pairs1[0], B = b.Pairs1[1];
    auto dropB = [&] { b.Pairs1Count = 1; };
    auto dropA = [&] {
        b.Pairs1[0] = B;
        b.Pairs1Count = 1;
    };
    if (grand || v == 4) {
        const bool keepB = !grand && B.Second.Score == 4;
        const bool keepA = !grand && A.Second.Score == 4;
        bool dropped = false;
        if (B.First.Score == 5 && A.First.Score <= 4 && !keepB) dropB(), dropped = true;
        else if (A.First.Score == 5 && B.First.Score <= 4 && !keepA) dropA(), dropped = true;
        if (dropped) v = grand ? v - 2 : 2;
    } else if (v == 5) {
        const bool takeA = DiscardOrderScore(player, A.First.Index) > DiscardOrderScore(player, B.First.Index);
        const DiscardPair& p = takeA ? A : B;
        if (DiscardOrderScore(player, p.First.Index) == 4 && DiscardOrderScore(player, p.Second.Index) == 3) {
            if (takeA) dropA();
            else dropB();
            v = 3;
        }
    }
}

void SuitPlanner::Step3TenOfTenKing() {
    if (b.Singles1Count == 0 || b.Singles3Count == 0) return;
    for (int s = 0; s < 4; ++s) {
        if (!Considered(s) || N(s) != 2 || !Has(s, TEN) || !Has(s, KING)) continue;
        const DiscardEntry ten = Order(s, TEN);
        AddSingle(b.Singles2, b.Singles2Count, ten.Index, ten.Score);
        b.Singles3Count = 0;
        break;
    }
}

void SuitPlanner::Step4FillUp(int& v) {
    bool added = false;
    for (int s = 0; s < 4; ++s) {
        if (!Considered(s) || N(s) != 3 || Has(s, ACE) || Has(s, TEN) || Has(s, KING)) continue;
        if (v == 0) AddTopPair(b.Pairs2, b.Pairs2Count, s);
        else {
            const DiscardEntry e = Order(s, Walk(s)[0]);
            AddSingle(b.Singles3, b.Singles3Count, e.Index, e.Score);
        }
        v = 2;
        added = true;
    }
    if (v < 2)
        for (int s = 0; s < 4; ++s)
            if (Considered(s) && N(s) >= 1) Step4FillUpFrom(s, v);
    if (v == 0 && !added) {
        v = b.Singles2Count + b.Singles3Count + 2 * (b.Pairs1Count + b.Pairs2Count);
        if (v == 0 && grand)
            for (int s = 0; s < 4; ++s)
                if (N(s) == 4 && !Has(s, ACE) && Has(s, TEN) && !Has(s, KING)) AddTopPair(b.Pairs2, b.Pairs2Count, s);
    }
}

void SuitPlanner::Step4FillUpFrom(int s, int v) {
    const int n = N(s);
    const bool A = Has(s, ACE), T = Has(s, TEN), K = Has(s, KING), Q = Has(s, QUEEN);
    if (n == 2 && b.Pairs1Count == 0 && !A && b.Singles2Count <= 1) {
        AddTopPair(b.Pairs1, b.Pairs1Count, s);
    } else if (n == 3 && (b.Singles3Count == 0 || (b.Singles3Count == 1 && SuitAt(player, b.Singles3[0].Index) != s))) {
        const DiscardEntry ten = T ? Order(s, TEN) : DiscardEntry{-1, 0};
        if (T && K && Q) {
            if (v == 0) AddPairOf(b.Pairs2, b.Pairs2Count, s, TEN, KING);
            else AddSingle(b.Singles3, b.Singles3Count, ten.Index, ten.Score);
        } else if (!A && T && K) {
            if (v == 0) AddTopPair(b.Pairs2, b.Pairs2Count, s, {ACE});
            else AddSingle(b.Singles3, b.Singles3Count, ten.Index, ten.Score);
        } else if (A && T && !K) {
            const auto rest = Walk(s, {ACE, TEN, KING});
            if (!rest.empty()) {
                const DiscardEntry e = Order(s, rest[0]);
                AddSingle(b.Singles3, b.Singles3Count, e.Index, e.Score);
            }
        } else if (!info.TopClosed[s] && !info.TenKingQueen[s] && !info.KingGuarded[s]) {
            AddTopPair(b.Pairs2, b.Pairs2Count, s, {ACE});
        } else if (!A && !T) {
            AddTopPair(b.Pairs2, b.Pairs2Count, s);
        }
    } else if (n == 4 && !A && T) {
        if ((grand && info.JackCount <= 2) || (!grand && K)) {
            const DiscardEntry ten = Order(s, TEN);
            AddSingle(b.Singles3, b.Singles3Count, ten.Index, ten.Score);
        }
    }
}

void SuitPlanner::Step5BlankAceSideAndDoubleton() {
    if (b.Singles1Count != 1 || b.Singles2Count != 1 || b.Pairs1Count != 1) return;
    const DiscardEntry s1 = b.Singles1[0], s2 = b.Singles2[0];
    const DiscardPair p = b.Pairs1[0];
    if (HoldsAceOfCardSuit(s2.Index) && s2.Score < p.First.Score && p.Second.Score < s2.Score) {
        AddSingle(b.Singles2, b.Singles2Count, p.First.Index, p.First.Score);
        b.Pairs1Count = 0;
    } else if (s2.Score < s1.Score) {
        b.Singles2Count = 0;
    } else {
        if (s1.Score < 5) b.Singles1Count = 0;
        if (s2.Score < 5) b.Singles2Count = 0;
    }
}

void SuitPlanner::Step6TwoCardsOrNot(int& v) {
    bool toStep62 = v == 2, toStep63 = v > 2;
    if (v < 2) {
        const int w = b.Singles3Count + 2 * b.Pairs2Count;
        if (w == 2) toStep62 = true;
        else if (w > 2) toStep63 = true, v = w;
        else {
            bool found = false;
            if (b.Singles3Count == 1) {
                const int s = SuitAt(player, b.Singles3[0].Index);
                if (s >= 0 && Considered(s) && N(s) == 3 && Has(s, ACE) && !Has(s, TEN)) {
                    AddTopPair(b.Pairs2, b.Pairs2Count, s, {ACE});
                    b.Singles3Count = 0;
                    found = true;
                }
            }
            if (found) toStep62 = true;
            else toStep63 = true, v = w;
        }
    }
    if (toStep62) Step62TwoCards();
    else if (toStep63) Step63MoreOrFewer(v);
}

void SuitPlanner::Step62TwoCards() {
    if (b.Pairs2Count == 1) {
        for (int s = 0; s < 4; ++s) {
            if (!Considered(s) || N(s) != 2 || !Has(s, TEN) || !Has(s, KING)) continue;
            b.Pairs2Count = 0;
            AddPairOf(b.Pairs1, b.Pairs1Count, s, TEN, KING);
            break;
        }
    }
    if (b.Pairs2Count == 1 && HoldsAceOfCardSuit(b.Pairs2[0].First.Index)) {
        const int own = SuitAt(player, b.Pairs2[0].First.Index);
        for (int s = 0; s < 4; ++s) {
            if (!Considered(s) || s == own || N(s) != 3 || Has(s, ACE) || !Has(s, TEN) || Has(s, KING)) continue;
            b.Pairs2Count = 0;
            AddTopPair(b.Pairs2, b.Pairs2Count, s);
            break;
        }
    }
}

void SuitPlanner::Step63MoreOrFewer(int& v) {
    if (v == 0) {
        for (int s = 0; s < 4; ++s) {
            if (!Considered(s) || N(s) != 4 || Has(s, ACE)) continue;
            if (Has(s, TEN) && Has(s, KING)) AddTopPair(b.Pairs2, b.Pairs2Count, s, {ACE, TEN, KING});
            else AddTopPair(b.Pairs2, b.Pairs2Count, s, {ACE});
            return;
        }
        for (int s = 0; s < 4; ++s) {
            if (!Considered(s) || N(s) != 4 || !Has(s, ACE) || !Has(s, TEN)) continue;
            if (grand) {
                const auto rest = Walk(s, {ACE, TEN, KING});
                if (rest.empty()) continue;
                const DiscardEntry e = Order(s, rest[0]);
                AddSingle(b.Singles3, b.Singles3Count, e.Index, e.Score);
            } else {
                const DiscardEntry e = Order(s, ACE);
                AddSingle(b.Singles3, b.Singles3Count, e.Index, e.Score);
            }
            ++v;
        }
        if (v < 2) b.Singles3Count = 0;
    }
    while (v > 2 && b.Singles3Count > 0) --b.Singles3Count, --v;
}

void SuitPlanner::Step7AceSideAgainstMiddlePair() {
    if (b.Singles2Count != 1 || b.Pairs2Count != 1) return;
    const DiscardEntry s2 = b.Singles2[0];
    if (b.Singles1Count == 1) {
        if (s2.Score <= b.Pairs2[0].First.Score) b.Pairs2Count = 0;
    } else {
        const int s = SuitAt(player, s2.Index);
        if (DiscardOrderScore(player, s2.Index) > 2 && s >= 0 && (Has(s, ACE) || Has(s, TEN))) b.Singles2Count = 0;
    }
}

void SuitPlanner::Step8TwoTenDoubletons() {
    if (b.Pairs1Count == 2 && b.Pairs1[0].First.Score == 5 && b.Pairs1[0].Second.Score != 4 &&
        b.Pairs1[1].First.Score == 5 && b.Pairs1[1].Second.Score != 4) {
        AddSingle(b.Singles2, b.Singles2Count, b.Pairs1[0].First.Index, 5);
        AddSingle(b.Singles2, b.Singles2Count, b.Pairs1[1].First.Index, 5);
        b.Pairs1Count = 0;
    }
}

void SuitPlanner::Step9MiddlePairs() {
    if (b.Pairs2Count <= 1) return;
    int tenKing = 0;
    for (int i = 0; i < b.Pairs2Count; ++i) tenKing += IsTenKing(b.Pairs2[i]) ? 1 : 0;
    if (tenKing > 0 && tenKing < b.Pairs2Count) {
        int kept = 0;
        for (int i = 0; i < b.Pairs2Count; ++i)
            if (!IsTenKing(b.Pairs2[i])) b.Pairs2[kept++] = b.Pairs2[i];
        b.Pairs2Count = kept;
    }
    if (b.Pairs2Count > 1) {
        bool low = false;
        for (int i = 0; i < b.Pairs2Count; ++i)
            low = low || (b.Pairs2[i].First.Score < 4 && b.Pairs2[i].Second.Score < 4);
        if (low)
            for (int i = 0; i < b.Pairs2Count; ++i)
                if (b.Pairs2[i].First.Score == 4 || b.Pairs2[i].Second.Score == 4)
                    b.Pairs2[i].First.Score = b.Pairs2[i].Second.Score = 0;
    }
}

void SuitPlanner::Step10TenBesideAnAcePair() {
    if (b.Pairs2Count != 1 || b.Singles1Count + b.Singles2Count + b.Singles3Count != 1 ||
        !HoldsAceOfCardSuit(b.Pairs2[0].First.Index))
        return;
    for (int s = 0; s < 4; ++s) {
        if (!Considered(s) || N(s) != 2 || !Has(s, TEN) || !Has(s, KING)) continue;
        const DiscardEntry ten = Order(s, TEN);
        AddSingle(b.Singles2, b.Singles2Count, ten.Index, ten.Score);
        b.Pairs2Count = 0;
    }
}

void SuitPlanner::Step11AceOfGrand() {
    if (!grand || info.MatadorRun >= 0 || info.JackCount > 1 || info.AceSuitCount < 3 || info.TenSuitCount < 1) return;
    ShortList aceTen;
    for (int s = 0; s < 4; ++s)
        if (N(s) >= 2 && Has(s, ACE) && Has(s, TEN)) aceTen.push_back(s);
    auto addAce = [&](int s) {
        const DiscardEntry ace = Order(s, ACE);
        if (N(s) > 2) AddSingle(b.Singles3, b.Singles3Count, ace.Index, ace.Score);
        else AddSingle(b.Singles2, b.Singles2Count, ace.Index, ace.Score);
    };
    auto clearAll = [&] {
        b.Singles1Count = b.Singles2Count = b.Singles3Count = 0;
        b.Pairs1Count = b.Pairs2Count = b.Pairs3Count = 0;
    };
    if (aceTen.size() == 1) {
        const int s = aceTen[0];
        if (!Has(s, KING)) addAce(s);
        else {
            clearAll();
            AddPair(b.Pairs2, b.Pairs2Count, {Slot(info, s, ACE), 6}, {Slot(info, s, TEN), 5});
        }
    } else if (aceTen.size() >= 2) {
        clearAll();
        for (int s : aceTen) addAce(s);
        if (b.Singles3Count > 1) b.Singles2Count = 0;
        else if (b.Singles3Count == 1 && b.Singles2Count > 1) b.Singles2Count = 1;
    }
}

}  // namespace

void CDiscardPlanner::PlanDiscardSuit(int trump) {
    SuitPlanner planner{me, me.handInfo, Block(), trump, trump == GAME_GRAND};
    planner.Step1();
    planner.Step2();
    planner.Steps3To11();
}

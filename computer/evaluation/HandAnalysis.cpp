#include "computer/evaluation/HandAnalysis.h"

#include "computer/evaluation/ComputerState.h"
#include "computer/evaluation/PlayPreparation.h"
#include "computer/play/CardQueries.h"
#include "model/GameState.h"
#include "model/CardCodes.h"
#include "model/GameTypeLookups.h"
#include "model/Player.h"
#include "model/PlayerServices.h"

#include <vector>

namespace {

int CardCountOfMode(int mode) {
    switch (mode) {
    case 1: case 4: return 12;
    case 3: return 22;
    default: return 10;
    }
}

// The card of a slot as the analysis sees it: absent slots of the row count as empty.
int SlotCard(const CPlayer& player, int slot) {
    if (slot >= static_cast<int>(player.cards.size())) return NO_CARD;
    // A card played from the hand leaves its slot absent; the skat slots behind the hand count
    // whenever they hold a card.
    if (slot < player.capacity && !player.present[slot]) return NO_CARD;
    const int card = player.cards[slot];
    return IsCardCode(card) ? card : NO_CARD;
}

// One suit's trick rules: the primary and secondary records of the suit and its tricks T.
struct SuitRules {
    int* primary;
    int* secondary;
    HandInfo& info;
    void Secondary(int slot, int value) {
        secondary[slot] = value;
        info.SecondaryTrickSum += value;
    }
};

}  // namespace

void CPlayer::AnalyseHand(int mode) {
    SortIntoTable(*this, mode);
    AnalyseSuits(*this, mode);
    ClassifySuits(*this, mode);
}

void SortIntoTable(CPlayer& player, int mode) {
    HandInfo& info = player.handInfo;
    // Step 1 and 2: the card count of the mode; counts 0, tables empty.
    const int count = CardCountOfMode(mode);
    for (int s = 0; s < 4; ++s) {
        info.DealtSuitCount[s] = info.SuitCount[s] = info.SuitCountWithJack[s] = 0;
        info.PlayedSuitCount[s] = info.PlayedSuitCountWithJack[s] = 0;
        for (int r = 0; r < 8; ++r) info.RankTable[s][r] = info.RankTableWithSkat[s][r] = -1;
    }
    // Step 3: each card into its suit and rank.
    for (int slot = 0; slot < count; ++slot) {
        const int card = SlotCard(player, slot);
        if (card == NO_CARD) continue;
        const int suit = GetCardSuit(card, true);
        const int rank = GetCardRank(card);
        if (rank != JACK) {
            ++info.SuitCount[suit];
            ++info.DealtSuitCount[suit];
        }
        ++info.SuitCountWithJack[suit];
        info.RankTable[suit][rank] = slot;
        info.RankTableWithSkat[suit][rank] = slot;
    }
    // Step 4: with the skat known, its slots enter the table with the skat (mode 2: uncounted).
    if (mode == 1 || mode == 2) {
        for (int slot = 8; slot < 12; ++slot) {
            const int card = SlotCard(player, slot);
            if (card == NO_CARD) continue;
            info.RankTableWithSkat[GetCardSuit(card, true)][GetCardRank(card)] = slot;
        }
    }
}

namespace {

// Step 1: clear.
void ClearSuitAnalysis(HandInfo& info) {
    info.AceSuitCount = info.TenSuitCount = info.SuitTrickSum = info.SecondaryTrickSum = 0;
    info.ShortSuitCount = info.JackCount = 0;
    info.MatadorRun = -4;
    for (auto& record : info.SuitRecords)
        for (auto& slot : record.Slots) slot = 0;
    for (auto& tricks : info.SuitTricks) tricks = 0;
}

// Step 2: the Jacks, Clubs first, give the matador run.
void CountJacksAndMatadorRun(HandInfo& info) {
    for (int j = 0; j < 4; ++j) {
        if (info.RankTable[j][JACK] < 0) continue;
        if (info.MatadorRun == -4) info.MatadorRun = 0;
        ++info.JackCount;
        if (j == info.MatadorRun) ++info.MatadorRun;
        else if (info.MatadorRun == 0) info.MatadorRun = -j;
    }
    info.DealtJackCount = info.JackCount;
}

// Step 3: the skat the soloist took counts for its Ace, Ten, King and Queen (the first of the
// two skat slots holding each): skatSuit by rank, -1 where the skat adds nothing.
void SkatSuitsByRank(const CPlayer& player, int* skatSuit) {
    if (!g_Computer.SkatTaken || g_Game.HandAnnounced) return;
    for (int slot = 10; slot < 12; ++slot) {
        const int card = SlotCard(player, slot);
        if (card == NO_CARD) continue;
        const int rank = GetCardRank(card);
        if ((rank == ACE || rank == TEN || rank == KING || rank == QUEEN) && skatSuit[rank] < 0)
            skatSuit[rank] = GetCardSuit(card, true);
    }
}

// What the suit rules ask of the Jacks: J held, the matador run R, forehand F, and whether the
// Jacks run the trumps out.
struct JackFacts {
    int J, R;
    bool F, run;
};

// Step 4, rules 1 to 10: a suit with its Ace (A) of n cards; the tricks T it takes.
int TricksWithTheAce(SuitRules& rules, int n, bool T10, bool K, bool Q, const JackFacts& jacks) {
    const int J = jacks.J, R = jacks.R;
    const bool F = jacks.F, run = jacks.run;
    int* P = rules.primary;
    int T = 0;
    if (n >= 6) {  // rule 1: six or more, each card a trick
        P[1] = n;
        T += n;
        if (run) rules.Secondary(12, n);
        else rules.Secondary(13, n - 1);
    } else if (T10 && n < 6 && (K || n == 5)) {  // rule 2: Ace-Ten with King or five cards
        T += 2;
        P[3] = n;
        T += n - 2;
        if (K && F && (R > 1 || (J > 1 && n > 2))) rules.Secondary(11, n);
        else if (run) rules.Secondary(12, n);
        else if (n < 4) rules.Secondary(2, 2);
        else rules.Secondary(13, n - 1);
    } else if (T10 && !K && n < 4) {  // rule 3: Ace-Ten short, two tricks
        T += 2;
        P[2] = 2;
        rules.Secondary(2, 2);
    } else if (T10 && !K && n == 4) {  // rule 4: Ace-Ten of four, three tricks
        T = 3;
        P[4] = 3;
        rules.Secondary(13, 3);
    } else if (!T10 && K && n < 4 && Q && n > 2) {  // rule 5: Ace-King-Queen of three
        T += 1;
        P[6] = n - 1;
        T += n - 2;
        rules.Secondary(13, n - 1);
    } else if (!T10 && K && n < 4) {  // rule 6: Ace-King short, one trick
        T += 1;
        P[0] = 1;
        if (n == 3) rules.Secondary(13, 2);
        else rules.info.SecondaryTrickSum += 1;
    } else if (!T10 && K && n < 6 && R < 2 && J < 3) {  // rule 7: Ace-King of four or five, few Jacks
        T += 1;
        P[6] = n - 1;
        T += n - 2;
        rules.Secondary(13, n - 1);
    } else if (!T10 && K && n < 6) {  // rule 8: Ace-King of four or five
        T += 1;
        P[5] = n - 1;
        T += n - 2;
        rules.Secondary(13, n - 1);
    } else if (!T10 && !K && n >= 4 && (R >= 2 || (R == 1 && J >= 3))) {  // rule 9: Ace of four or more, strong Jacks
        T += 1;
        P[7] = 2;
        T += 1;
        rules.Secondary(0, 1);
    } else if (!T10 && !K) {  // rule 10: a bare Ace, one trick
        T += 1;
        P[0] = 1;
        rules.Secondary(0, 1);
    }
    return T;
}

// Step 4, rules 11 to 15: a suit of n cards without its Ace; the tricks T it takes.
int TricksWithoutTheAce(SuitRules& rules, int n, bool T10, bool K, bool Q, const JackFacts& jacks) {
    const int J = jacks.J, R = jacks.R;
    int* P = rules.primary;
    int T = 0;
    if (T10 && n >= 6 && R >= 1 && J >= 3) {  // rule 11: a long Ten suit with strong Jacks
        rules.Secondary(14, n - 1);
    } else if (T10 && K && (n > 3 || Q)) {  // rule 12: Ten-King with Queen or four cards
        P[8] = n - 1;
        T += n - 1;
        if (J > 2) rules.Secondary(14, n - 1);
        if (rules.secondary[14] == 0) rules.Secondary(15, 1);
    } else if (T10 && K && !Q && (n > 2 || R > 1)) {  // rule 13: Ten-King without Queen
        P[9] = 1;
        T += 1;
        rules.Secondary(15, 1);
    } else if (T10 && K) {  // rule 14: Ten-King bare
        rules.Secondary(15, 1);
    } else if (T10 && !K && Q && (n > 2 || R == 4)) {  // rule 15: Ten-Queen
        P[10] = 1;
        T += 1;
    }
    return T;
}

// Step 4: each suit's tricks by the first matching rule.
void SuitTricksByRule(CPlayer& player, const int* skatSuit) {
    HandInfo& info = player.handInfo;
    const int J = info.JackCount;
    const int R = info.MatadorRun;
    const bool F = player.seat == g_Game.Forehand;
    const JackFacts jacks{J, R, F, R == 4 || (J == 3 && F)};
    for (int s = 0; s < 4; ++s) {
        const int n = IsNullGame() ? info.SuitCountWithJack[s] : info.SuitCount[s];
        info.TopClosed[s] = info.TenKingQueen[s] = info.TenGuarded[s] = info.KingGuarded[s] = 0;
        if (n == 0) {
            ++info.ShortSuitCount;
            continue;
        }
        auto held = [&](int rank) { return info.RankTable[s][rank] >= 0 || skatSuit[rank] == s; };
        if (info.RankTable[s][ACE] >= 0) ++info.AceSuitCount;
        if (info.RankTable[s][TEN] >= 0) ++info.TenSuitCount;
        const bool A = held(ACE), T10 = held(TEN), K = held(KING), Q = held(QUEEN);
        SuitRules rules{info.SuitRecords[2 * s].Slots, info.SuitRecords[2 * s + 1].Slots, info};
        const int T =
            A ? TricksWithTheAce(rules, n, T10, K, Q, jacks) : TricksWithoutTheAce(rules, n, T10, K, Q, jacks);
        info.SuitTrickSum += T;
        info.SuitTricks[s] = J > 2 ? n : T;
        info.TopClosed[s] = A && T10 && K;
        info.TenKingQueen[s] = T10 && K && Q;
        info.TenGuarded[s] = info.RankTable[s][TEN] >= 0 && n > 1;
        info.KingGuarded[s] = info.RankTable[s][KING] >= 0 && n > 2;
    }
}

// Step 5: with the skat counted, short suits without their Ace add to ShortSuitCount.
void CountShortSuitsWithTheSkat(HandInfo& info) {
    int singles = 0, doubles = 0;
    for (int s = 0; s < 4; ++s) {
        if (info.RankTable[s][ACE] >= 0) continue;
        const int n = IsNullGame() ? info.SuitCountWithJack[s] : info.SuitCount[s];
        if (n == 1) ++singles;
        if (n == 2) ++doubles;
    }
    if (singles > 0) info.ShortSuitCount += singles;
    else if (doubles > 0) info.ShortSuitCount += 1;
}

}  // namespace

void AnalyseSuits(CPlayer& player, int mode) {
    HandInfo& info = player.handInfo;
    ClearSuitAnalysis(info);
    CountJacksAndMatadorRun(info);
    int skatSuit[8] = {-1, -1, -1, -1, -1, -1, -1, -1};
    SkatSuitsByRank(player, skatSuit);
    SuitTricksByRule(player, skatSuit);
    if (mode == 1 || mode == 4) CountShortSuitsWithTheSkat(info);
}

void ClassifySuits(CPlayer& player, int mode) {
    HandInfo& info = player.handInfo;
    info.NullSafe = 1;
    int mark = 1;
    for (int s = 0; s < 4; ++s) {
        const int n = info.SuitCountWithJack[s];
        auto held = [&](int rank) { return info.RankTable[s][rank] >= 0; };
        const bool c7 = held(SEVEN), c8 = held(EIGHT), c9 = held(NINE), c10 = held(TEN), cJ = held(JACK);
        const bool cQ = held(QUEEN), cK = held(KING), cA = held(ACE);
        const bool lowSet = c7 && ((c8 && (c9 || c10 || cJ)) || (c9 && (c10 || cJ)));
        int code = 13;
        if (n == 0 || n == 8) {
            code = 1;
        } else if (n == 1) {
            if (c7) {
                code = 1;
                mark = 0;
            } else if (c8) {
                code = 7;
            } else if (c9) {
                code = 10;
                info.NullSafe = 0;
            } else {
                code = mode == 2 ? 13 : 4;
                info.NullSafe = 0;
            }
        } else if ((n == 2 || n == 6) && c7 && (c8 || c9)) {
            code = 1;
            if (c8) mark = 0;
        } else if (n == 3) {
            if (lowSet) {
                code = 1;
                if (c8) mark = 0;
            } else if (c7) {
                code = (!c8 && !c9) ? 5 : 4;
            } else if (c8) {
                code = player.seat == g_Game.Forehand ? 5 : 9;
            } else if (c9) {
                code = 12;
            }
        } else if (n >= 4 && n <= 7 && lowSet) {
            code = (n == 4 && cA) ? 6 : 1;
            if (c8) mark = 0;
            if (code == 6) info.NullSafe = 0;
        } else if (n == 7) {
            code = c7 ? 1 : 13;
        } else if (n >= 4 && n <= 6 && !c7) {
            code = 13;
        } else if (n == 4) {
            // The Seven is held: the sub-rules a) to d).
            bool toD = true;
            if (c8 && !c9 && !c10 && cJ) code = 5;
            else if (!c9) code = 13;
            else if (!cQ) toD = false;
            else code = 5;
            if (toD && cQ && cK && (c8 || c9)) code = 10;
        } else if (n == 5 || n == 6) {
            if (cQ && cK && (c8 || c9)) code = 7;
        } else if (n == 2) {
            if (c7) code = 4;
            else if (c8) code = 8;
            else if (c9) code = 11;
            else code = mode == 2 ? 13 : 5;
        }
        info.StructureCode[s] = code;
    }
    // Forehand pass: without a safe low card anywhere, the first safe suits missing their Eight
    // or Nine become the risk codes 3, then 2.
    if (mark == 1 && player.seat == g_Game.Forehand) {
        int c = 3;
        for (int s = 0; s < 4; ++s) {
            const int n = info.SuitCountWithJack[s];
            if (n < 2 || n > 6 || info.StructureCode[s] != 1) continue;
            if (info.RankTable[s][EIGHT] < 0 || info.RankTable[s][NINE] < 0) {
                info.StructureCode[s] = c;
                c = 2;
            }
        }
    }
}

void StoreTrumpCount(CPlayer& player) { player.handInfo.TrumpTotal = player.GetTrumpCount(); }

int CPlayer::GetTrumpCount() const {
    const int type = g_Game.GameType;
    if (IsSuitGame(type)) return handInfo.SuitCount[type] + handInfo.JackCount;
    if (type == GAME_NULL || type == GAME_REVOLUTION) return 0;
    return handInfo.JackCount;
}

int GetMatadors(const CPlayer& player, int type) {
    const HandInfo& info = player.handInfo;
    int m = info.MatadorRun;
    if (IsSuitGame(type) && (m == 4 || m == -4)) {
        // The run goes on through the trump suit: with all four Jacks over the cards held,
        // without any Jack over the cards missing.
        for (int i = 0; i < 7; ++i) {
            const bool held = info.RankTable[type][SuitRankList[i]] >= 0;
            if (m > 0 && held) ++m;
            else if (m < 0 && !held) --m;
            else break;
        }
    }
    return m >= 0 ? m + 1 : m - 1;
}

int GetMatadorsWithSkat(CPlayer& player, int type, const CCards& skat) {
    // Step 1: the skat into slots 10 and 11.
    for (int i = 0; i < 2; ++i)
        if (static_cast<int>(player.cards.size()) > 10 + i && static_cast<int>(skat.cards.size()) > i)
            player.cards[10 + i] = skat.cards[i];
    // Step 2: save the block and the present flags; every slot present.
    const HandInfo saved = player.handInfo;
    const std::vector<unsigned char> present = player.present;
    for (auto& flag : player.present) flag = 1;
    // Step 3: the passes with twelve cards, the level, and everything back.
    player.AnalyseHand(1);
    player.present = present;
    const int level = GetMatadors(player, type);
    player.handInfo = saved;
    return level;
}

void ListSmallCards(CPlayer& player) {
    HandInfo& info = player.handInfo;
    static constexpr int smallRanks[] = {SEVEN, EIGHT, NINE, QUEEN, KING};
    for (int s = 0; s < 4; ++s) {
        info.SmallCards[s][0] = 0;
        for (int r = 1; r < 8; ++r) info.SmallCards[s][r] = -1;
        const int n = IsNullGame() ? info.SuitCountWithJack[s] : info.SuitCount[s];
        if (n == 0 || info.TopClosed[s]) continue;
        for (int rank : smallRanks) {
            if (info.RankTable[s][rank] < 0) continue;
            ++info.SmallCards[s][0];
            info.SmallCards[s][rank] = info.RankTable[s][rank];
        }
    }
}

void ResetPlayAnalysis(CPlayer& player) {
    for (auto& slot : player.SuitPlanSlots) slot = SuitPlanSlot{};
    SortIntoTable(player, 0);
    player.EvaluateSuitStatus();
}

void CPlayer::ResetCardPlan() {
    for (int& card : CardPlan) card = -1;
    CardPlanState = 0;
    CardPlanCounter = 0;
    CardPlanSnapshots[0] = CardPlanSnapshot{};
}

void CPlayer::SaveCardPlan(int trick) {
    if (trick < 0 || trick > 11) return;
    CardPlanSnapshot& snapshot = CardPlanSnapshots[trick];
    snapshot.Counter = CardPlanCounter;
    for (int i = 0; i < 4; ++i) snapshot.Cards[i] = CardPlan[i];
}

void CPlayer::LoadCardPlan(int trick) {
    if (trick < 0 || trick > 11) return;
    const CardPlanSnapshot& snapshot = CardPlanSnapshots[trick];
    CardPlanCounter = snapshot.Counter;
    for (int i = 0; i < 4; ++i) CardPlan[i] = snapshot.Cards[i];
}

void InstallComputerPlayer() {
    g_PlayerServices.IsTopCard = [](const CPlayer& player, int card, int ex1, int ex2) {
        return IsTopCard(player, card, ex1, ex2);
    };
    g_PlayerServices.AnalyseHand = [](CPlayer& player, int mode) { player.AnalyseHand(mode); };
    g_PlayerServices.GetMatadors = [](const CPlayer& player, int type) { return GetMatadors(player, type); };
}

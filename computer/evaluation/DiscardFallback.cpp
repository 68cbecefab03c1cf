#include "computer/evaluation/Discard.h"
#include "computer/evaluation/DiscardLists.h"

#include "flow/GameState.h"
#include "model/CardCodes.h"
#include "model/CardKnowledge.h"
#include "model/Player.h"
#include "platform/core/Random.h"

using namespace discard;

namespace {

// Whether hand index i names a card the player holds with the skat: a present hand slot or a
// skat slot holding a card.
bool IsValidIndex(const CPlayer& player, int index) {
    if (index < 0 || index > 11) return false;
    if (index < player.capacity && !player.present[index]) return false;
    return IsCardCode(CardAt(player, index));
}

// How reluctantly a card is laid away in the last resort: plain side cards first, then plain
// trumps, then Jacks; within a class the lowest (in Null the highest) card first.
int LastResortRank(const CPlayer& player, int index) {
    const int card = CardAt(player, index);
    const int type = g_Game.GameType;
    const int order = GetCardOrder(card);
    if (type == GAME_NULL || type == GAME_REVOLUTION) return 7 - order;
    int cls = 0;
    if (GetCardRank(card) == JACK) cls = 2;
    else if (IsSuitGame(type) && GetCardSuit(card, true) == type) cls = 1;
    return cls * 16 + order;
}

}  // namespace

void CPlayer::BuildDiscardCandidates(int type) {
    if (IsSuitGame(type) || type == GAME_GRAND) BuildDiscardCandidatesSuit(type);
    else if (type == GAME_NULL || type == GAME_REVOLUTION) BuildDiscardCandidatesNull();
    else if (type == GAME_RAMSCH) BuildDiscardCandidatesRamsch();
    else if (type == GAME_DURCHMARSCH) BuildDiscardCandidatesDurchmarsch();
}

void CPlayer::BuildDiscardCandidatesNull() {
    const HandInfo& info = handInfo;
    DiscardPlannerBlock& b = Block();
    for (int s = 0; s < 4; ++s) {
        if (info.SuitCountWithJack[s] <= 2) continue;
        int found[2] = {-1, -1}, n = 0;
        for (int rank : {ACE, KING, QUEEN, JACK, TEN, NINE, EIGHT, SEVEN})
            if (n < 2 && Held(info, s, rank)) found[n++] = Slot(info, s, rank);
        AddPair(b.Pairs1, b.Pairs1Count, {found[0], 1}, {found[1], 1});
    }
}

void CPlayer::BuildDiscardCandidatesSuit(int trump) {
    // The last resort of the suit builder: the longest side suit gives its two lowest cards,
    // scored by card points, the Queen second when the suit holds Queen and Nine.
    const HandInfo& info = handInfo;
    DiscardPlannerBlock& b = Block();
    const int taken = b.ChosenCount >= 1 ? b.DiscardResult[0].Index : -1;
    int longest = -1;
    for (int s = 0; s < 4; ++s) {
        if (s == trump || info.SuitCount[s] == 0) continue;
        if (longest < 0 || info.SuitCount[s] > info.SuitCount[longest] ||
            (info.SuitCount[s] == info.SuitCount[longest] && Rand() % 2 == 1))
            longest = s;
    }
    if (longest < 0) return;
    int low[2], n = 0;
    for (int rank : {SEVEN, EIGHT, NINE, QUEEN, KING, TEN, ACE}) {
        const int index = Slot(info, longest, rank);
        if (n < 2 && index >= 0 && index != taken) low[n++] = index;
    }
    if (n == 2 && Held(info, longest, QUEEN) && Held(info, longest, NINE) && low[0] != Slot(info, longest, QUEEN))
        low[1] = Slot(info, longest, QUEEN);
    if (n == 2)
        AddPair(b.Pairs2, b.Pairs2Count, {low[0], GetCardPoints(CardAt(*this, low[0]))},
                {low[1], GetCardPoints(CardAt(*this, low[1]))});
}

void CPlayer::BuildDiscardCandidatesRamsch() {
    // The Ramsch lay-away comes with the Ramsch skat round; until then the last resort of
    // PlanAndChooseDiscard decides.
}

void CPlayer::BuildDiscardCandidatesDurchmarsch() {
    // The single cards no Durchmarsch wants to keep: blanks without Ace, Ten or King.
    const HandInfo& info = handInfo;
    DiscardPlannerBlock& b = Block();
    const int taken = b.ChosenCount >= 1 ? b.DiscardResult[0].Index : -1;
    for (int s = 0; s < 4; ++s) {
        if (info.SuitCount[s] != 1 || Held(info, s, ACE)) continue;
        for (int rank : {SEVEN, EIGHT, NINE, QUEEN, KING, TEN}) {
            const int index = Slot(info, s, rank);
            if (index >= 0 && index != taken)
                AddSingle(b.Singles1, b.Singles1Count, index, 7 - DiscardOrderScore(*this, index));
        }
    }
}

void PlanAndChooseDiscard(CPlayer& player, int type) {
    DiscardPlannerBlock& b = Block();
    b.ClearCounts();
    player.PlanDiscard(type);
    player.ChooseDiscard();
    if (b.ChosenCount < 2) {
        player.BuildDiscardCandidates(type);
        player.ChooseDiscard();
    }
    // The last resort: two distinct cards the player holds, whatever the lists gave.
    DiscardEntry* slots = b.DiscardResult;
    const int chosen = b.ChosenCount < 0 ? 0 : b.ChosenCount > 2 ? 2 : b.ChosenCount;
    int kept = 0;
    for (int i = 0; i < chosen; ++i) {
        if (!IsValidIndex(player, slots[i].Index)) continue;
        if (kept == 1 && slots[0].Index == slots[i].Index) continue;
        slots[kept++] = slots[i];
    }
    while (kept < 2) {
        int best = -1;
        for (int index = 0; index < 12; ++index) {
            if (!IsValidIndex(player, index) || (kept == 1 && slots[0].Index == index)) continue;
            if (best < 0 || LastResortRank(player, index) < LastResortRank(player, best)) best = index;
        }
        if (best < 0) break;
        slots[kept++] = {best, 0};
    }
    b.ChosenCount = kept;
}

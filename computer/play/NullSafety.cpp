// The Null safety test: can the defenders still force this player to take a trick?

#include "computer/evaluation/FrameServices.h"
#include "computer/play/NullPlay.h"
#include "model/CardCodes.h"
#include "model/CardKnowledge.h"
#include "model/GameTypeLookups.h"
#include "model/PlayerData.h"

bool CNullPlay::EvaluateNullFollow(int card, int suit) const {
    // Step 1: the person's card in play counts as the card under test.
    const int tested = g_ComputerFrame.PersonPendingCard != NO_CARD ? g_ComputerFrame.PersonPendingCard : card;
    const int testedSuit = tested != NO_CARD ? GetCardSuit(tested, true) : -1;
    const int testedRank = tested != NO_CARD ? GetCardRank(tested) : -1;
    // Step 2: one suit, or all four with -1; a suit outside them counts as safe.
    if (suit < -1 || suit > 3) return true;
    const int from = suit == -1 ? 0 : suit, to = suit == -1 ? 3 : suit;
    for (int s = from; s <= to; ++s) {
        // Step 3: each rank, from the 7 up, is held, out or neither (the card under test).
        bool held[8] = {}, out[8] = {};
        int heldCount = 0;
        for (int i = 0; i < 8; ++i) {
            const int rank = NullRankList[7 - i];
            if (s == testedSuit && rank == testedRank) continue;
            held[i] = me.handInfo.RankTable[s][rank] >= 0;
            out[i] = !held[i] && !IsCardGone(s, rank, me.seat);
            heldCount += held[i] ? 1 : 0;
        }
        if (heldCount == 0) continue;
        // Step 4: every out card, from the lowest up, needs a lower held card to go under it.
        bool used[8] = {};
        int m = me.CountInSuit(s);
        for (int i = 0; i < 8 && m > 0; ++i) {
            if (!out[i]) continue;
            int under = -1;
            for (int j = i - 1; j >= 0 && under < 0; --j)
                if (held[j] && !used[j]) under = j;
            if (under < 0) return false;
            used[under] = true;
            --m;
        }
    }
    // Step 5: every card out found a held card under it: the suit is safe.
    return true;
}

#include "model/PlayerServices.h"

#include "model/GameState.h"
#include "model/CardCodes.h"
#include "model/CardKnowledge.h"
#include "model/GameTypeLookups.h"
#include "model/Player.h"

#include <cstdlib>

CPlayerServices g_PlayerServices;

namespace {

bool IsExcluded(int card, int ex1, int ex2) { return card == ex1 || card == ex2; }

// The trump rule of the top-card test without the open-hand refinement of the card play.
bool PlainIsTopCard(const CPlayer& player, int card, int ex1, int ex2) {
    if (card == NO_CARD) return false;
    int type = g_Game.GameType;
    int rank = GetCardRank(card);
    int suit = GetCardSuit(card, true);
    if (rank < 0) return false;
    if (rank == JACK && IsTrumpGame(type)) {
        const HandInfo& hand = player.handInfo;
        int ownTrumps = IsSuitGame(type) ? hand.SuitCount[type] + hand.JackCount : hand.JackCount;
        if (ownTrumps >= g_Game.TrumpCount) return true;
        // Every higher Jack (a lower suit index) is gone, or his own and counted as played.
        for (int higher = 0; higher < suit; ++higher) {
            int jack = CardCodeOf(JACK, higher);
            if (IsCardGone(higher, JACK, player.seat)) continue;
            if (player.handInfo.Holds(higher, JACK) && IsExcluded(jack, ex1, ex2)) continue;
            return false;
        }
        return true;
    }
    if (IsSuitGame(type) && GetCardSuit(card, false) == type) {
        for (int jackSuit = 0; jackSuit < 4; ++jackSuit) {
            int jack = CardCodeOf(JACK, jackSuit);
            bool heldOrOut = player.handInfo.Holds(jackSuit, JACK) || !IsCardGone(jackSuit, JACK, player.seat);
            if (heldOrOut && !IsExcluded(jack, ex1, ex2)) return false;
        }
    }
    int out[11];
    int effective = GetCardSuit(card, false);
    int column = effective == type ? type : suit;
    int highest = CollectSuit(player, column, false, out) > 0 ? out[0] : NO_CARD;
    return GetCardOrder(card) >= GetCardOrder(highest);
}

// Matador level: the run of the highest trumps held (with) or missing (without), plus one.
int PlainGetMatadors(const CPlayer& player, int type) {
    if (!IsSuitGame(type) && type != GAME_GRAND) return 0;
    int trumps[11];
    int n = 0;
    for (int suit = 0; suit < 4; ++suit) trumps[n++] = CardCodeOf(JACK, suit);
    if (IsSuitGame(type))
        for (int rank : SuitRankList) trumps[n++] = CardCodeOf(rank, type);
    auto held = [&](int card) { return player.handInfo.Holds(GetCardSuit(card, true), GetCardRank(card)); };
    bool with = held(trumps[0]);
    int run = 0;
    while (run < n && held(trumps[run]) == with) ++run;
    return with ? run + 1 : -(run + 1);
}

}  // namespace

bool PlayerIsTopCard(const CPlayer& player, int card, int ex1, int ex2) {
    if (g_PlayerServices.IsTopCard) return g_PlayerServices.IsTopCard(player, card, ex1, ex2);
    return PlainIsTopCard(player, card, ex1, ex2);
}

void PlayerAnalyseHand(CPlayer& player, int mode) {
    if (g_PlayerServices.AnalyseHand)
        g_PlayerServices.AnalyseHand(player, mode);
    else
        player.TallyHand();
}

int PlayerGetMatadors(const CPlayer& player, int type) {
    if (g_PlayerServices.GetMatadors) return g_PlayerServices.GetMatadors(player, type);
    return PlainGetMatadors(player, type);
}

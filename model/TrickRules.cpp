// The rules of a trick: who wins it and what it is worth, whether the person may play a card, and
// what a finished trick tells about who is out of trumps.
#include "model/GameState.h"
#include "model/CardCodes.h"
#include "model/CardKnowledge.h"
#include "model/GameTypeLookups.h"
#include "model/Player.h"
#include "model/PlayerServices.h"
#include "model/Trace.h"
#include "model/Trick.h"

#include <cstdlib>
#include <string>

namespace {

bool IsSeat(int seat) { return seat >= 0 && seat <= 2; }

void TraceWinner(int winner) {
    if (!IsTraceOn(LOG_PLAYER)) return;
    WriteTrace(std::string("CTrick::Valuate(") + SeatName(winner) + ":winner)", LOG_PLAYER);
}

void MarkFreeOfTrumps(int seat, const char* reason) {
    int type = g_Game.GameType;
    g_Knowledge.VoidTable[seat][type] = 0;
    WriteTrace(std::string("CTrick::ControlTrump(FreeOf(") + SeatName(seat) + ":" + SuitName(type) + "):" +
                   reason + ")",
               LOG_PLAYER);
}

}  // namespace

bool CTrick::Valuate() {
    int type = g_Game.GameType;
    int leader = g_Game.TrickWinner;
    // Step 1: the one who led the trick has the turn until the winner is known.
    g_Game.TurnSeat = leader;
    if (!IsSeat(leader) || capacity < 3) {
        TraceWinner(leader);
        return true;
    }
    int lead = cards[leader];
    int ledSuit = GetCardSuit(lead, false);

    if (IsTrumpGame(type)) {
        // Step 2.1: count the lead by suit, trumps together.
        int counter = ledSuit == type ? 4 : ledSuit;
        if (counter >= 0 && counter <= 4) ++g_Knowledge.TrickLeadCounts[counter];
        // Steps 2.2-2.4: the highest trump wins; without one the highest card of the led suit.
        int best = -1;
        for (int seat = 0; seat < 3; ++seat) {
            if (GetCardSuit(cards[seat], false) != type) continue;
            if (best < 0 || GetCardOrder(cards[seat]) > GetCardOrder(cards[best])) best = seat;
        }
        if (best < 0) {
            best = leader;
            for (int seat = 0; seat < 3; ++seat)
                if (GetCardSuit(cards[seat], false) == ledSuit && GetCardOrder(cards[seat]) > GetCardOrder(cards[best]))
                    best = seat;
        }
        int winner = best;
        int soloist = g_Game.Soloist;
        // Step 2.5: a defender who wins notes his partner's plain card (the partner's signal).
        if (winner != soloist && (IsSuitGame(type) || type == GAME_GRAND)) {
            int partnerSeat = NextSeat(winner);
            if (partnerSeat == soloist) partnerSeat = NextSeat(partnerSeat);
            int partnerCard = cards[partnerSeat];
            if (GetCardSuit(partnerCard, false) != type && players[winner]) players[winner]->NoteTrickCard(partnerCard);
        }
        // Steps 2.6-2.7: a new leader starts his own lead memory.
        if (winner != leader) g_Knowledge.LedSuitBySeat[winner] = -1;
        g_Game.PreviousForehand = g_Game.Forehand;
        g_Game.TrickWinner = winner;
        g_Game.TurnSeat = winner;
        // Step 2.8: the points go to the winner's party (his seat in Ramsch).
        int party = type == GAME_RAMSCH ? winner : (winner == soloist ? 0 : 1);
        g_Game.PartyPoints[party] += GetCardPoints(cards[0]) + GetCardPoints(cards[1]) + GetCardPoints(cards[2]);
        TraceWinner(winner);
        return true;
    }

    if (type == GAME_NULL || type == GAME_REVOLUTION) {
        if (ledSuit >= 0 && ledSuit <= 3) ++g_Knowledge.TrickLeadCounts[ledSuit];
        int winner = leader;
        for (int seat = 0; seat < 3; ++seat)
            if (GetCardSuit(cards[seat], false) == ledSuit && GetCardOrder(cards[seat]) > GetCardOrder(cards[winner]))
                winner = seat;
        g_Game.PreviousForehand = g_Game.Forehand;
        g_Game.TrickWinner = winner;
        g_Game.TurnSeat = winner;
        // The soloist of a Null game has lost with his first trick; no card points count.
        if (winner == g_Game.Soloist) {
            g_Game.PartyPoints[winner] = 1;
            return false;
        }
        TraceWinner(winner);
        return true;
    }

    TraceWinner(leader);
    return true;
}

void CTrick::ControlTrump(int refCard) {
    int type = g_Game.GameType;
    int soloist = g_Game.Soloist;
    int leader = g_Game.Forehand;
    int winner = g_Game.TrickWinner;
    if (type < 0 || !IsSeat(soloist) || capacity < 3) return;
    int points = GetCardPoints(cards[0]) + GetCardPoints(cards[1]) + GetCardPoints(cards[2]);

    if (IsSuitGame(type)) {
        if (leader != soloist || winner != soloist || points < 10) return;
        int winningSuit = GetCardSuit(cards[winner], false);
        int trumps = 0;
        for (int seat = 0; seat < 3; ++seat)
            if (GetCardSuit(cards[seat], false) == type) ++trumps;
        if (winningSuit == type) {
            // A defender who gives his trump Ace or Ten to the soloist's winning trump, while a
            // higher trump is still out, has no smaller trump left.
            for (int seat = 0; seat < 3; ++seat) {
                if (seat == soloist) continue;
                int card = cards[seat];
                if (GetCardSuit(card, false) != type || GetCardPoints(card) < 10) continue;
                if (GetCardOrder(card) <= GetCardOrder(refCard)) continue;
                MarkFreeOfTrumps(seat, "atSkat");
                // In a Hand game the missing trump is taken to lie in the skat.
                if (g_Game.HandAnnounced && trumps < 3 && refCard != NO_CARD && g_Game.TrumpCount > 0)
                    --g_Game.TrumpCount;
            }
            return;
        }
        // The soloist won with a plain card worth having: whoever neither followed nor trumped
        // holds no trump.
        for (int seat = 0; seat < 3; ++seat)
            if (seat != soloist && GetCardSuit(cards[seat], false) != winningSuit) MarkFreeOfTrumps(seat, "notTrumped");
        return;
    }

    if (type == GAME_GRAND) {
        int soloistCard = cards[soloist];
        if (leader != soloist || GetCardPoints(soloistCard) < 10) return;
        int ledSuit = GetCardSuit(soloistCard, false);
        for (int seat = 0; seat < 3; ++seat) {
            if (seat == soloist) continue;
            int card = cards[seat];
            if (GetCardSuit(card, false) != ledSuit && GetCardRank(card) != JACK && GetCardPoints(card) < 11)
                g_Knowledge.VoidTable[seat][GAME_GRAND] = 0;
        }
    }
}

void CPlayer::NoteTrickCard(int card) {
    int suit = GetCardSuit(card, false);
    if (suit < 0 || suit > 3) return;
    if (CountInSuit(suit) > 0 && PlayerIsTopCard(*this, card, -1, -1)) partnerTopSuits |= 1 << suit;
}

void CPlayer::ControlForcedCard() {
    if (forcedCard == 0) return;
    int card = std::abs(forcedCard);
    int suit = GetCardSuit(card, false);
    if (MayHoldSuit(*this, PreviousSeat(seat), suit) || MayHoldSuit(*this, NextSeat(seat), suit)) return;
    forcedCard = 0;
    WriteTrace(std::string("CPlayer::ControlForcedCard(") + SeatName(seat) + ":forcedCard:" + std::to_string(card) +
                   ":reset)",
               LOG_PLAYER);
}

bool CPerson::ValidCard(int slot, const CTrick& trick) const {
    if (slot < 0 || slot >= static_cast<int>(cards.size()) || !present[slot]) return false;
    int card = cards[slot];
    int leader = g_Game.TrickWinner;
    bool empty = trick.count == 0 || !IsSeat(leader) || leader >= trick.capacity || !trick.present[leader] ||
                 trick.cards[leader] == NO_CARD;
    bool valid = true;
    if (!empty) {
        int type = g_Game.GameType;
        int led = GetCardSuit(trick.cards[leader], false);
        int chosen = GetCardSuit(card, false);
        int trumpsHeld = 0;
        if (IsSuitGame(type))
            trumpsHeld = handInfo.SuitCount[type] + handInfo.JackCount;
        else if (!IsNullGame())
            trumpsHeld = handInfo.JackCount;
        if (led >= 0 && led <= 3 && CountInSuit(led) > 0)
            valid = chosen == led;
        else if (trumpsHeld > 0 && led == type)
            valid = chosen == led;
    }
    if (valid && IsTraceOn(LOG_VERBOSE | LOG_PLAYER))
        WriteTrace(std::string("CPerson::ValidCard(") + SeatName(seat) + ":" + SuitName(GetCardSuit(card, true)) +
                       RankName(GetCardRank(card)) + ")",
                   LOG_VERBOSE | LOG_PLAYER);
    return valid;
}

// What a player knows about the cards still out: the outstanding cards of a suit, which seats may
// still hold a suit, Null suit safety, and the defenders' suit signal.
#include "model/GameState.h"
#include "model/CardCodes.h"
#include "model/CardKnowledge.h"
#include "model/Player.h"
#include "model/PlayerServices.h"
#include "model/Trace.h"
#include "model/Trick.h"

#include <string>

namespace {

// The player's highest card of a plain suit, walking the suit from the top (no Jacks outside
// Null); -1 when he holds none.
int HighestHeldInSuit(const CPlayer& player, int suit) {
    if (suit < 0 || suit > 3) return NO_CARD;
    if (IsNullGame()) {
        for (int rank : NullRankList)
            if (player.handInfo.Holds(suit, rank)) return CardCodeOf(rank, suit);
    } else {
        for (int rank : SuitRankList)
            if (player.handInfo.Holds(suit, rank)) return CardCodeOf(rank, suit);
    }
    return NO_CARD;
}

}  // namespace

void CPlayer::SetTrumpCount() const {
    int type = g_Game.GameType;
    if (IsSuitGame(type))
        g_Game.TrumpCount = handInfo.SuitCount[type] + handInfo.JackCount;
    else if (IsNullGame())
        g_Game.TrumpCount = 0;
    else
        g_Game.TrumpCount = handInfo.JackCount;
}

namespace {

// Walks the cards of a suit column highest first, as CollectSuit lists them, and hands each one
// that is held (held true) or still out (held false) to take, until take answers false.
template <typename Take>
void WalkSuitColumn(const HandInfo& hand, int seat, int suit, bool held, Take take) {
    // Null and Revolution are no columns of the suit tables: nothing to list.
    if (suit < 0 || suit > 8 || suit == GAME_NULL || suit == GAME_REVOLUTION) return;
    // What is gone for this seat does not change while the suit is walked: read it once.
    const unsigned gone = GoneCards(seat);
    auto listed = [&](int rank, int cardSuit) {
        const bool holds = hand.Holds(cardSuit, rank);
        return held ? holds : (!holds && !((gone >> (SuitToBlock[cardSuit] * 8 + rank)) & 1u));
    };
    if (suit == g_Game.GameType)
        for (int jackSuit = 0; jackSuit < 4; ++jackSuit)
            if (listed(JACK, jackSuit) && !take(CardCodeOf(JACK, jackSuit))) return;
    if (suit >= 6) return;
    if (IsNullGame()) {
        for (int rank : NullRankList)
            if (listed(rank, suit) && !take(CardCodeOf(rank, suit))) return;
    } else {
        for (int i = 1; i < 8; ++i)
            if (listed(TrumpRankList[i], suit) && !take(CardCodeOf(TrumpRankList[i], suit))) return;
    }
}

}  // namespace

int CPlayer::CollectSuit(int suit, bool held, int* list) const {
    int found = 0;
    WalkSuitColumn(handInfo, seat, suit, held, [&](int card) {
        if (list) list[found] = card;
        ++found;
        return true;
    });
    return found;
}

int CPlayer::HighestOutstanding(int suit) const {
    int highest = NO_CARD;
    WalkSuitColumn(handInfo, seat, suit, false, [&](int card) {
        highest = card;
        return false;
    });
    return highest;
}

int CPlayer::CountOutstanding(int suit) const {
    if (suit < 0 || suit > 3) return 0;
    bool null = IsNullGame();
    // In the Ramsch skat round nobody is asked as the skat's holder: skat cards stay unseen.
    int asking = g_Game.GameType == GAME_RAMSCH && g_Game.FlowState == STATE_ASK ? -1 : seat;
    // The suit's eight cards are one byte of the gone-card mask (Jack at its rank bit).
    unsigned suitGone = (GoneCards(asking) >> (SuitToBlock[suit] * 8)) & 0xFFu;
    if (!null) suitGone &= ~(1u << JACK);
    return (null ? 8 : 7) - CountCards(suitGone);
}

bool CPlayer::MayHoldSuit(int askedSeat, int suit) const {
    int type = g_Game.GameType;
    if (askedSeat < 0 || askedSeat > 2) return false;
    if (suit == type && g_Game.TrumpCount <= 0) return false;
    if (suit < 0 || suit >= VOID_COLUMNS) return false;
    if (g_Knowledge.VoidTable[askedSeat][suit] == 0) return false;
    if (suit == type) return true;
    int outstanding = CountOutstanding(suit);
    const int own = CountInSuit(suit);
    // All cards of the suit still out are his own.
    if (outstanding == own) return false;
    if (AreOuvertCardsOpen() && partner && partner->seat != askedSeat && partner != this)
        return outstanding != own + partner->CountInSuit(suit);
    // The soloist, not leading, played a card of the suit to the last trick that now outranks
    // every card of it still out: he would not have thrown it had he held a smaller one.
    int soloist = g_Game.Soloist;
    if (askedSeat == soloist && g_Game.Forehand != soloist && type != GAME_RAMSCH && !IsNullGame() && lastTrick &&
        soloist < lastTrick->capacity) {
        int played = lastTrick->cards[soloist];
        if (played != NO_CARD && GetCardSuit(played, false) == suit) {
            if (GetCardOrder(HighestOutstanding(suit)) < GetCardOrder(played)) return false;
        }
    }
    return true;
}

bool CPlayer::IsSuitExhausted(int suit) const {
    if (suit >= 0 && suit <= 3) {
        if (IsSuitGame(g_Game.GameType) && suit == g_Game.GameType) return false;
        int whole = IsNullGame() ? 8 : 7;
        return CountInSuit(suit) + CountSuitCards(suit, seat) == whole;
    }
    if (suit >= 6 && suit <= 8) return handInfo.JackCount + CountJacks(seat) == 4;
    return false;
}

void CPlayer::MarkOutstandingCards() {
    bool null = IsNullGame();
    for (int suit = 0; suit < 4; ++suit) {
        if (CountInSuit(suit) == 0) continue;
        // Ranks from the lowest up (the Null walk A K Q J 10 9 8 7 read backwards).
        int heldRanks[8], outRanks[8];
        int heldCount = 0, outCount = 0;
        for (int i = 7; i >= 0; --i) {
            int rank = NullRankList[i];
            if (rank == JACK && !null) continue;
            if (handInfo.Holds(suit, rank)) heldRanks[heldCount++] = i;
            else if (!IsCardGone(suit, rank, seat))
                outRanks[outCount++] = i;
        }
        // Each outstanding card, lowest first, must find an own card no higher than it: a suit
        // where an opponent can always duck under our card is unsafe.
        bool unsafe = false;
        int next = 0;
        for (int o = 0; o < outCount && next < heldCount; ++o) {
            // A smaller position in the walk is a higher card.
            if (heldRanks[next] < outRanks[o]) {
                unsafe = true;
                break;
            }
            ++next;
        }
        handInfo.StructureCode[suit] = unsafe ? 13 : 1;
    }
}

bool CPlayer::LinkedHoldsHigher(int suit) const {
    if (!g_Game.OuvertAnnounced || suit < 0 || suit > 3 || !partner) return true;
    int mine = HighestHeldInSuit(*this, suit);
    int theirs = HighestHeldInSuit(*partner, suit);
    if (mine == NO_CARD || theirs == NO_CARD) return true;
    return !(GetCardOrder(mine) > GetCardOrder(theirs));
}

void CPlayer::Preferred(const CTrick& trick) {
    int winner = g_Game.TrickWinner;
    int soloist = g_Game.Soloist;
    if (winner != g_Game.Forehand || winner == soloist || winner < 0 || winner > 2 || soloist < 0 || soloist > 2 ||
        trick.capacity < 3)
        return;
    int led = GetCardSuit(trick.cards[winner], false);
    int other = 3 - winner - soloist;
    if (GetCardSuit(trick.cards[other], false) != led) {
        // The partner threw off another suit: lead this one again.
        if (led != g_Game.GameType) {
            g_Knowledge.PreferredSuit = led;
            WriteTrace(std::string(":Preferred(") + name + ":" + SuitName(led) + ")", LOG_PLAYER);
        }
        return;
    }
    int highest = HighestHeldInSuit(*this, led);
    if (highest != NO_CARD && PlayerIsTopCard(*this, highest, -1, -1) &&
        GetCardSuit(trick.cards[soloist], false) == led) {
        SetPreferredSuit(led);
        WriteTrace(std::string(":Preferred(") + name + ":" + std::to_string(led) + ")", LOG_PLAYER);
    }
}

void CPlayer::NoteTrickLeader(int soloistSuit, int winnerSuit) {
    if (soloistSuit != rememberedSuit) rememberedSuit = -1;
    if (soloistSuit == winnerSuit && forcedCard < 0) forcedCard = -forcedCard;
}

// What a player knows about the cards still out: the outstanding cards of a suit, which seats may
// still hold a suit, Null suit safety, and the defenders' suit signal.
#include "model/GameState.h"
#include "model/CardCodes.h"
#include "model/CardKnowledge.h"
#include "model/GameTypeLookups.h"
#include "model/Player.h"
#include "model/PlayerServices.h"
#include "model/Trace.h"
#include "model/Trick.h"

#include <cstdint>
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

// For every set of ranks (bit r for rank index r) the ranks of the set in the order a suit is
// walked from the top, and how many: a suit column is listed from one table row, without a test
// per rank. Ranks outside the walk (the Jack outside Null) are left out.
struct SuitRuns {
    std::uint8_t Count[256] = {};
    std::uint8_t Ranks[256][8] = {};
    template <int N>
    constexpr explicit SuitRuns(const int (&walk)[N]) {
        for (unsigned set = 0; set < 256; ++set)
            for (int rank : walk)
                if ((set >> rank) & 1u) Ranks[set][Count[set]++] = static_cast<std::uint8_t>(rank);
    }
};

// A 10 K Q 9 8 7 (SuitRankList) and A K Q J 10 9 8 7 (NullRankList), as rank indexes.
constexpr int PlainWalk[] = {ACE, TEN, KING, QUEEN, NINE, EIGHT, SEVEN};
constexpr int NullWalk[] = {ACE, KING, QUEEN, JACK, TEN, NINE, EIGHT, SEVEN};
constexpr SuitRuns PlainRuns(PlainWalk);
constexpr SuitRuns NullRuns(NullWalk);

// The ranks of plain suit 0..3 that the walk lists: those held (held true) or those neither held
// nor gone (held false), bit r for rank index r.
unsigned ListedRanks(const HandInfo& hand, unsigned gone, int suit, bool held) {
    const unsigned holds = hand.HeldRanks(suit);
    if (held) return holds;
    return ~(holds | (gone >> (SuitToBlock[suit] * 8))) & 0xFFu;
}

// Lists the cards of a suit column highest first, as CollectSuit does, into list (when given),
// at most limit of them; returns how many.
int ListSuitColumn(const HandInfo& hand, int seat, int suit, bool held, int* list, int limit) {
    // Null and Revolution are no columns of the suit tables: nothing to list.
    if (suit < 0 || suit > 8 || suit == GAME_NULL || suit == GAME_REVOLUTION) return 0;
    // What is gone for this seat does not change while the suit is walked: read it once.
    const unsigned gone = GoneCards(seat);
    int found = 0;
    if (suit == g_Game.GameType) {
        for (int jackSuit = 0; jackSuit < 4 && found < limit; ++jackSuit) {
            const bool holds = hand.RankTable[jackSuit][JACK] != -1;
            const bool listed = held ? holds : (!holds && !((gone >> (SuitToBlock[jackSuit] * 8 + JACK)) & 1u));
            if (!listed) continue;
            if (list) list[found] = CardCodeOf(JACK, jackSuit);
            ++found;
        }
    }
    if (suit >= 6) return found;
    const SuitRuns& runs = IsNullGame() ? NullRuns : PlainRuns;
    const unsigned set = ListedRanks(hand, gone, suit, held);
    const int count = runs.Count[set];
    for (int i = 0; i < count && found < limit; ++i) {
        if (list) list[found] = CardCodeOf(runs.Ranks[set][i], suit);
        ++found;
    }
    return found;
}

}  // namespace

int CollectSuit(const CPlayer& player, int suit, bool held, int* list) {
    return ListSuitColumn(player.handInfo, player.seat, suit, held, list, 11);
}

int HighestOutstanding(const CPlayer& player, int suit) {
    int highest = NO_CARD;
    ListSuitColumn(player.handInfo, player.seat, suit, false, &highest, 1);
    return highest;
}

int CountOutstanding(const CPlayer& player, int suit) {
    if (suit < 0 || suit > 3) return 0;
    bool null = IsNullGame();
    // In the Ramsch skat round nobody is asked as the skat's holder: skat cards stay unseen.
    int asking = g_Game.GameType == GAME_RAMSCH && g_Game.FlowState == STATE_ASK ? -1 : player.seat;
    // The suit's eight cards are one byte of the gone-card mask (Jack at its rank bit).
    unsigned suitGone = (GoneCards(asking) >> (SuitToBlock[suit] * 8)) & 0xFFu;
    if (!null) suitGone &= ~(1u << JACK);
    return (null ? 8 : 7) - CountCards(suitGone);
}

bool MayHoldSuit(const CPlayer& player, int askedSeat, int suit) {
    int type = g_Game.GameType;
    if (askedSeat < 0 || askedSeat > 2) return false;
    if (suit == type && g_Game.TrumpCount <= 0) return false;
    if (suit < 0 || suit >= VOID_COLUMNS) return false;
    if (g_Knowledge.VoidTable[askedSeat][suit] == 0) return false;
    if (suit == type) return true;
    int outstanding = CountOutstanding(player, suit);
    const int own = player.CountInSuit(suit);
    // All cards of the suit still out are his own.
    if (outstanding == own) return false;
    if (AreOuvertCardsOpen() && player.partner && player.partner->seat != askedSeat && player.partner != &player)
        return outstanding != own + player.partner->CountInSuit(suit);
    // The soloist, not leading, played a card of the suit to the last trick that now outranks
    // every card of it still out: he would not have thrown it had he held a smaller one.
    int soloist = g_Game.Soloist;
    if (askedSeat == soloist && g_Game.Forehand != soloist && type != GAME_RAMSCH && !IsNullGame() &&
        player.lastTrick && soloist < player.lastTrick->capacity) {
        int played = player.lastTrick->cards[soloist];
        if (played != NO_CARD && GetCardSuit(played, false) == suit) {
            if (GetCardOrder(HighestOutstanding(player, suit)) < GetCardOrder(played)) return false;
        }
    }
    return true;
}

bool IsSuitExhausted(const CPlayer& player, int suit) {
    if (suit >= 0 && suit <= 3) {
        if (IsSuitGame(g_Game.GameType) && suit == g_Game.GameType) return false;
        int whole = IsNullGame() ? 8 : 7;
        return player.CountInSuit(suit) + CountSuitCards(suit, player.seat) == whole;
    }
    if (suit >= 6 && suit <= 8) return player.handInfo.JackCount + CountJacks(player.seat) == 4;
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

bool LinkedHoldsHigher(const CPlayer& player, int suit) {
    if (!g_Game.OuvertAnnounced || suit < 0 || suit > 3 || !player.partner) return true;
    int mine = HighestHeldInSuit(player, suit);
    int theirs = HighestHeldInSuit(*player.partner, suit);
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

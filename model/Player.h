#pragma once
// The players: a card row (the hand) with the seat, the per-game bookkeeping of every played card
// and what the player knows about the cards still out. CComputer and CPerson add nothing but their
// type, which tells a computer seat from the person's seat; the person's follow rule is his.

#include "model/Cards.h"
#include "model/HandInfo.h"

class CTrick;

// A card plan snapshot of the undo history: the counter and the four planned cards.
struct CardPlanSnapshot {
    int Counter = 0;
    int Cards[4] = {-1, -1, -1, -1};
};

// A per-suit plan slot of the card play.
struct SuitPlanSlot {
    int Card = -1;
    int Flag = 0;
};

class CPlayer : public CCards {
public:
    CPlayer(const std::string& name, int capacity, bool open, int seat);

    // Slot 0 of the row: the player's reset.
    void Clear() override { Reset(); }
    // Clears the row and the player's per-game state: HasBid of his seat, the Durchmarsch words
    // (mode 1, decided 0, aim 0), the play words, forcedCard, the partner-top suits and the
    // played-suit flags.
    void Reset();

    // Bookkeeping of a card this player has just played (while g_Game.RealPlayFlag is set). A code
    // outside 1..52 is reported as a fatal discard and sets StopFlag.
    void Discard(int card);
    // mode >= 0 is stored; aim >= 0 is stored as aim and decided; aim < 0 sets decided 1, aim 0.
    void SetDurchmarsch(int aim, int mode);
    bool IsDurchmarschAim() const;
    void SetPartner(CPlayer* player) { partner = player; }
    // The first of the ten card slots whose card the hand-analysis table lists as held, or -1.
    int FindFirstHeldCard() const;
    // The one-trump flag of the card play: 1 when a suit-game player holds at most one trump.
    void UpdateTrumpFlag();

    // Fills the suit x rank table, the suit counts and the Jack count of handInfo from the ten
    // hand slots (the part of the hand analysis the card model relies on).
    void TallyHand();
    // Cards of plain suit s held under the current game type (with the Jack in Null and
    // Revolution, without it otherwise); 0 for a value outside 0..3.
    int CountInSuit(int suit) const;

    // Trick rules.
    // The winning defender notes his partner's card when it was the top card of its suit.
    void NoteTrickCard(int card);
    // Drops forcedCard when neither other seat can still hold its suit.
    void ControlForcedCard();

    // Card knowledge.
    // TrumpCount from this player's hand (suit game: trump suit plus Jacks; Null, Revolution 0;
    // otherwise his Jacks).
    void SetTrumpCount() const;
    // Cards of a suit (0..8) highest first: with held false those still out (neither held nor gone
    // for this seat), with held true his own. When suit is GameType the Jacks come first. list
    // (when given) needs room for 11 cards. Returns the count.
    int CollectSuit(int suit, bool held, int* list) const;
    // Whether seat may still hold cards of suit (a suit index, or GameType for the trumps).
    bool MayHoldSuit(int seat, int suit) const;
    // Whether his own cards and the cards gone make the whole suit.
    bool IsSuitExhausted(int suit) const;
    // Cards of the suit not gone for his seat, his own included.
    int CountOutstanding(int suit) const;
    // Null suit safety: structure code 13 (unsafe) or 1 per held suit.
    void MarkOutstandingCards();
    // False only when, in an Ouvert game, both he and the linked player hold the suit and his
    // highest card of it outranks the linked player's highest.
    bool LinkedHoldsHigher(int suit) const;
    // The defenders' suit signal after a trick led and won by the same defender.
    void Preferred(const CTrick& trick);

    // Game value.
    // The declared game's value from this player's hand (refreshes the hand analysis first).
    int GetGameValue();

    int seat = 0;
    int playedSuit[4] = {0, 0, 0, 0};  // by effective suit 0..3: played a card of it this game
    int durchmarschMode = 1;
    int durchmarschDecided = 0;
    int durchmarschAim = 0;
    CPlayer* partner = nullptr;  // the player whose hand this one may look at
    const CCards* lastTrick = nullptr;  // the game's last-trick row (set by the game object)
    int PickedCard = 0;          // a card chosen for this player from outside
    int oneTrumpFlag = 0;        // UpdateTrumpFlag

    HandInfo handInfo{};

    // Kept here for the computer player's card play.
    int FollowSuitMarks[4] = {0, 0, 0, 0};
    SuitPlanSlot SuitPlanSlots[4];
    int CardPlanState = 0;
    int CardPlanCounter = 0;
    int CardPlan[4] = {-1, -1, -1, -1};
    CardPlanSnapshot CardPlanSnapshots[12];
};

class CComputer : public CPlayer {
public:
    using CPlayer::CPlayer;
};

class CPerson : public CPlayer {
public:
    using CPlayer::CPlayer;
    // May the person play the card of hand slot slot onto trick (follow suit, trumps)?
    bool ValidCard(int slot, const CTrick& trick) const;
};

// The seat names of the trace lines: "Comp1", "Comp2", "Person", empty for any other value.
const char* SeatName(int seat);

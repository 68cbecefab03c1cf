#pragma once
// The players' data: a card row (the hand) with the seat, the per-game bookkeeping of every played card
// and what the player knows about the cards still out, with the steps the game and the computer
// player take on them. CComputer and CPerson add nothing but their type, which tells a computer seat
// from the person's seat; the person's follow rule is his. The questions the card play asks of a
// player's hand are in model/Player.h, so that the game object and the frame do not see them.

#include "model/CardCodes.h"
#include "model/Cards.h"
#include "model/GameState.h"
#include "model/GameTypeLookups.h"
#include "model/HandInfo.h"

class CTrick;

// What the closing steps of a strategy do beyond the common ones.
enum PlayEpilogue : int {
    EPILOGUE_PLAIN = 0,
    EPILOGUE_SUIT_DEFENDER_LEAD = 1,  // records LedSuitBySeat and marks the suit led
    EPILOGUE_SUIT_LEAD = 2,           // the suit-game soloist lead: marks the suit led
    EPILOGUE_GRAND_SOLOIST_LEAD = 3,  // marks the suit led, not for a Jack
};
struct DiscardEntry;
struct DiscardPair;
struct GameStatusRecord;

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
    // Clears the row and the player's per-game state: HasBid and SkatPassedOnBySeat of his seat,
    // the Durchmarsch words (mode 1, decided 0, aim 0), FaceUpSeen, forcedCard with
    // ForcedCardCount, the partner-top suits and the played-suit flags.
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
    // Revolution, without it otherwise); 0 for a value outside 0..3. Inline: the follow rule and
    // most card questions ask it at every card.
    int CountInSuit(int suit) const {
        if (suit < 0 || suit > 3) return 0;
        return IsNullGame() ? handInfo.SuitCountWithJack[suit] : handInfo.SuitCount[suit];
    }

    // Trick rules.
    // The winning defender notes his partner's card when it was the top card of its suit.
    void NoteTrickCard(int card);
    // Drops forcedCard when neither other seat can still hold its suit.
    void ControlForcedCard();

    // Card knowledge.
    // TrumpCount from this player's hand (suit game: trump suit plus Jacks; Null, Revolution 0;
    // otherwise his Jacks).
    void SetTrumpCount() const;
    // Null suit safety: structure code 13 (unsafe) or 1 per held suit.
    void MarkOutstandingCards();
    // After a Null or Revolution trick, on the winner's record (effective suits): the remembered
    // suit goes when the soloist played another; a pending card is committed when he followed.
    void NoteTrickLeader(int soloistSuit, int winnerSuit);
    // The defenders' suit signal after a trick led and won by the same defender.
    void Preferred(const CTrick& trick);

    // The card chosen for this player from outside: it becomes PickedCard, *card becomes 0, and a
    // raised card that is it is lowered.
    void SetPickedCard(int* card);
    // The number of the rule that decided the player's option of the current game (shown as the
    // rule button): 0 for a computer while Settings/Rule is off; the Hand flag 16384 taken off.
    int GetRuleNumber() const;

    // Game value.
    // The declared game's value from this player's hand (refreshes the hand analysis first).
    int GetGameValue();

    // ---- The computer player (defined in computer/). Every operation below works on this
    // player's hand, his HandInfo and option records, the shared game record and card knowledge.

    // Hand analysis and the card plan memory.
    // Modes: 0 the ten cards; 1 twelve cards with the skat; 2 the ten cards, the skat only in
    // RankTableWithSkat; 3 the 22 pooled cards of Revolution; 4 twelve cards for the Null evaluation.
    void AnalyseHand(int mode);
    // Trumps held under the current game type.
    int GetTrumpCount() const;
    // Per trick a snapshot 0..11 (11 is the undo history's spare).
    void ResetCardPlan();
    void SaveCardPlan(int trick);
    void LoadCardPlan(int trick);

    // The trick estimator and the estimation sheet.
    // Expected tricks 0..10 of suit game t (0..3) or Grand (6); fills the sheet block of t.
    int EstimateTricks(int type);
    // Suit game: side suit u's lost tricks at bits 4u..4u+3. Grand: tricks to take off the count,
    // the reasons written into the secondary suit records (elements 16 and 17).
    int CountExtraTricks(int type);
    // Clears block view (0..4), or blocks 0..4 for -1; the Null and play blocks stay.
    void ClearEstimationSheet(int view);
    // The suit record 2a + b of the hand analysis (a the suit 0..3, b 0 or 1), nullptr outside;
    // the trick estimation window's popups read it this way.
    const SuitAnalysisRecord* EstimateRecord(int a, int b) const;

    // Game choice and declaration.
    // Mode -1 uses the option records as they stand; any other mode analyses and evaluates first.
    // Writes the chosen game into the game record; returns the option records.
    int (*ChooseGame(int mode))[13];
    // Among equally promising suit options the longer suit (or the one without its Ace) gains 5.
    void SelectDeclaredOption();
    // The soloist's declaration with the two-card skat row; true when the declared game stays below
    // the bid (overbid).
    bool Declare(CCards& skat);
    // Forehand after all passed: the value of a game still worth playing, else 0.
    int EvaluateAllPassed();
    void ReevaluateAllPassed();

    // Exchanges of cards with the skat.
    // The hand card of handIndex and the card of otherIndex in the other row change places
    // (animated through the frame when asked); the card now in the other row is marked as known
    // to the soloist's side, the one now in the hand as unseen.
    void SwapCards(int handIndex, CCards& other, int otherIndex, bool animate);
    // The two skat cards into slots 10 and 11; each Jack among them counts in JackCount.
    void TakeSkatCounts(const CCards& skat);
    // Ramsch: a computer seat's turn with the skat (answers the frame with command 103 pass on or
    // 110 pick up, inside this call).
    void HandleRamschSkat(CCards& skat);
    // Suggestions for the person. SuggestGame: every game type evaluated as if the skat (the
    // two-card row where it lies now) were picked up and the best two cards laid away; mode 0
    // only chooses a game. Leaves the hand, the skat, GameType and TrumpCount as they were and
    // returns the option records. SuggestSkat: the lay-away for the game type chosen; without
    // carryOut the value of that game after it (the cards go back), with carryOut the cards are
    // laid away and the answer is 1000 fine, 2000 not recommended, 3000 overbid.
    int (*SuggestGame(int mode, CCards& skat))[13];
    int SuggestSkat(CCards& skat, bool carryOut);
    // The game-status summary from this player's point of view for the current game type
    // (computer/evaluation/GameStatus.h); a type outside 0..7 writes nothing.
    void AnalyseGameStatus(GameStatusRecord& record) const;
    // Ramsch: the lay-away for a Durchmarsch attempt; with plan the skat is looked at. For the
    // person only the advice is left (DiscardResult, the Ramsch option): his cards stay.
    void DecideRamschSkat(CCards& skat, bool plan);

    // Revolution: the two defenders' hands are rearranged (the first, the second), with the skat
    // and the declarer's hand known.
    void SwapOpponentCards(CCards& skat, CPlayer& first, CPlayer& second, CPlayer& declarer);
    // On the pooled player: marks per pooled slot (1 to the first defender, 3 and 4 kept back, -1
    // none) and the first defender's forced card. Exactly ten slots end marked 1.
    void RedistributeRevolution(CPlayer& first, CPlayer& second, const CPlayer& declarer, int (&marks)[22]);

    // Play preparation: for a game in which taking tricks is the danger (Ramsch, Durchmarsch).
    // The whole preparation after a deal; true when a Grand Hand is recommended instead of Ramsch.
    bool PreparePlay();
    // PlayStatus of each suit and PlayStatusSummary of the Jacks.
    void EvaluateSuitStatus();
    // The Durchmarsch plan into the Ramsch and Durchmarsch options; true when it is aimed at.
    bool PlanPlay(bool skatTaken);
    // The pass-on cascade of the Ramsch skat; true when a rule fired.
    bool AnalysePlayRisk();
    // The Grand Hand answer of an all-passed game; true when recommended.
    bool InitPlayEstimate();

    // The player holds the card, or it is gone for seat (a card question of the card play; the
    // others are in model/Player.h).
    bool IsHeldOrGone(int suit, int rank, int seat) const;

    // ==== Card play: the dispatcher and the strategy frame ====
    // (computer/play/; each strategy family is a part class there, with a header of its own.)

    // Chooses this computer seat's card for the running trick and puts it into the trick.
    void ServeCard(CTrick* trick);
    // The strategy of game type, role and position: a card code, or -1 (no strategy, or the
    // defender gave the game up). position = cards already in the trick; c1 the card led, c2 the
    // second card (whatever lies in those places, -1 for an empty one).
    int ServeCardDispatch(int position, int firstCard, int secondCard);
    // The dispatcher's card for this player and trick without playing it (the callers clear
    // RealPlayFlag around it).
    int ChooseCardForTrick(CTrick* trick);
    // The follow rule: may this player play card onto a trick led with leadCard (<= 0: empty)?
    // Inline: the strategies' closing check and the self-play checks ask it for every card.
    bool CanPlayCard(int card, int leadCard) const {
        // 1. An empty trick: only the seat whose turn it is to lead.
        if (leadCard <= 0) return seat == g_Game.TrickWinner;
        // 2. The effective suit led (a Jack in trump games is the trump column).
        const int led = GetCardSuit(leadCard, false);
        const int type = g_Game.GameType;
        // 3. Trumps held.
        int trumps = 0;
        if (IsSuitGame(type)) trumps = handInfo.SuitCount[type] + handInfo.JackCount;
        else if (type == GAME_GRAND || type == GAME_RAMSCH) trumps = handInfo.JackCount;
        const int chosen = GetCardSuit(card, false);
        // 4. A plain suit led that he holds: follow it.
        if (led >= 0 && led <= 3 && CountInSuit(led) > 0) return chosen == led;
        // 5. Trumps led and trumps held: trump.
        if (trumps > 0 && led == type) return chosen == led;
        // 6. Otherwise any card.
        return true;
    }
    // Whether this defender has just given the game up (the strategy then returns -1 at once).
    bool CheckSoloist(int card);
    // The soloist's seat; in Ramsch the only other player with tricks.
    int GetSoloist() const;
    // The closing steps every strategy ends with: PickedCard, the lead marks, the legality guard
    // and Discard. kind is one of PlayEpilogue. Returns the card played.
    int FinishStrategy(int card, int kind);
    // The first card in hand order that the follow rule allows, -1 with an empty hand.
    int FirstPlayableCard() const;
    // The suit-game defender lead's next planned suit, -1 when none is left.
    int NextSuitFromMask();

    // The card led to the trick the dispatcher is choosing for (-1: this player leads).
    int trickLeadCard = -1;
    // ==== end of the card-play block (dispatcher, frame) ====

    int seat = 0;
    int playedSuit[4] = {0, 0, 0, 0};  // by effective suit 0..3: played a card of it this game
    int durchmarschMode = 1;
    int durchmarschDecided = 0;
    int durchmarschAim = 0;
    CPlayer* partner = nullptr;         // the player whose hand this one may look at
    const CCards* lastTrick = nullptr;  // the game's last-trick row (set by the game object)
    int PickedCard = 0;                 // a card chosen for this player from outside
    int oneTrumpFlag = 0;               // UpdateTrumpFlag

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
